#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The official parameters of one payroll year: contribution rates and
// ceilings, occupational-pension limits, maximum insured earnings and the
// pension credit rate by age. One year is held at a time, for the whole run.
class Datoteca
{
public:
    // One contribution ("AVS", "AD", "CAF", "LAINF").
    struct VoceContributo
    {
        QString codice;
        QString descrizione;
        double aliquotaDipendente = 0.0; // percent
        double aliquotaDatore = 0.0;     // percent
        double massimale = 0.0;          // annual ceiling, 0 = none
    };

    // Occupational-pension limits, annual francs.
    struct ParametriLPP
    {
        double sogliaEntrata = 0.0;
        double deduzioneCoordinamento = 0.0;
        double salarioMassimo = 0.0;
        double coordinatoMinimo = 0.0; // 0 or less: 3780
        double coordinatoMassimo = 0.0; // 0 or less: 64260
    };

    // The loaded year.
    static int annoCorrente();

    // Loads the year's parameter file from ~/.vardello_dati, else the built-in
    // defaults. A year of 2000 or less means the current year.
    static bool carica(int anno);

    // What the last loaded file could not read, one text per problem with
    // the file and line ("<file>, riga 7: valore non valido per
    // AVS/aliquotaDipendente: ..."): a damaged line (a group header without
    // "]", a line that fits no pattern, a NUL), a value that is no valid
    // number (it reads as 0), a file too large. Empty when it read cleanly.
    static QStringList problemiCaricamento();

    // Lookups; the current year is loaded first when nothing is loaded yet.
    static VoceContributo contributo(const QString& codice);
    static ParametriLPP lpp();
    static QStringList codiciContributi();
    static double guadagnoMassimo();
    static double aliquotaLPP(int eta);
    // The part of a month's salary free of AHV/IV/EO and family-fund
    // contributions for an employee past the reference age (1400 when the
    // year sets none).
    static double franchigiaPensionati();
    // The normal weekly hours of full-time work, from which the overtime of
    // monthly-paid staff is paid (42 when the year sets none).
    static double oreSettimanaliNormali();
    // The cantons whose withholding tax follows the annual model (the year
    // is the tax period, each month recomputes the year so far); every other
    // canton follows the monthly model (each month taxed on its own). FR, GE,
    // TI, VD and VS when the year sets none.
    static QStringList cantoniModelloAnnuale();
    static bool modelloAnnuale(const QString& cantone);

    // Saves a year (refused for a closed year, in the configured data folder
    // or in the folder that holds the parameter files), with a change log
    // line per changed value, written before the file is replaced, and a
    // backup copy of the old file. False when the year is closed, a value is
    // not finite, or the backup copy or the file could not be written; the
    // tables take the new values once the file is written. Refused as well,
    // changing nothing, when the year's file did not read cleanly
    // (problemiCaricamento() says what). A change log that
    // cannot be written does not stop the save: `logScritto` (when given)
    // tells the caller, who must tell the user.
    static bool salvaCon(const QMap<QString, VoceContributo>& contributi, const ParametriLPP& lpp,
                         double igm, int anno, bool* logScritto = nullptr);
    static bool salva();

private:
    static int g_anno;
    static bool g_caricato;
    static QMap<QString, VoceContributo> g_contributi;
    static ParametriLPP g_lpp;
    static double g_igm;
    static QMap<int, double> g_lppEta;
    static double g_franchigiaPensionati;
    static double g_oreSettimanali;
    static QStringList g_cantoniAnnuali;
    static QStringList g_problemi;

    static void caricaSeServe();
};
