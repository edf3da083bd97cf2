#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// What changes from month to month in one employee's pay. Amounts in francs,
// hours in hours, holidays in days.
struct VariabileMese
{
    int mese = 1; // given by the group, not stored
    double rimborsoSpese = 0.0;
    QString rimborsoSpeseDesc;
    double acconti = 0.0;
    QString accontiDesc;
    double vacanzePrese = 0.0;
    QString vacanzePreseDesc;
    QString dataConteggio;
    QString comunicazioni;
    double importiImponibili = 0.0;
    QString importiImponibiliDesc;
    double importiNonImponibili = 0.0;
    QString importiNonImponibiliDesc;
    double rimborsoTrasferte = 0.0;
    QString rimborsoTrasferteDesc;
    double deduzioneAssenze = 0.0;
    QString deduzioneAssenzeDesc;
    double rimborsoAssicurativo = 0.0;
    QString rimborsoAssicurativoDesc;
    double tredicesimaGratifica = 0.0;
    QString tredicesimaGratificaDesc;
    // Of `tredicesimaGratifica`, what "Liquida 13a/14a pro-rata" wrote: a
    // payment of the extra monthly salaries, not a bonus typed by hand. A
    // file written before the key existed reads 0 (all typed by hand).
    double tredicesimaLiquidata = 0.0;
    double oreFatte = 0.0;
    double oreExtra25 = 0.0;
    double oreExtra50 = 0.0;
    double oreExtraCompensate = 0.0;
    double rimborsoMalattia = 0.0;
    QString rimborsoMalattiaDesc;
    double rimborsoInfortunio = 0.0;
    QString rimborsoInfortunioDesc;
    double rimborsoIPG = 0.0;
    QString rimborsoIPGDesc;
    double rimborsoPrestiti = 0.0;
    QString rimborsoPrestitiDesc;
    double trattenuteUEF = 0.0;
    QString trattenuteUEFDesc;
};

// The monthly variables of one employee and year: twelve groups "Mese_1" ..
// "Mese_12" of an INI file "<data>/variabili/<base>_<anno>.ini", where <base>
// is the employee id's file name without folder and last extension.
class VariabiliMensili
{
    Q_DECLARE_TR_FUNCTIONS(VariabiliMensili)

public:
    // The file path; creates the folder. Empty when the id gives no usable
    // file name.
    static QString percorsoFile(const QString& codice, int anno);

    // Always twelve records, months 1 to 12; a missing file gives empty months.
    // `errore` (may be null) is set when the file could not be read cleanly:
    // it names the file too large, or every field that is no valid value
    // (such a field reads as 0 or empty); empty when all went well.
    static QList<VariabileMese> caricaAnno(const QString& codice, int anno, QString* errore = nullptr);

    // One month of caricaAnno; a default record for a month outside 1..12.
    static VariabileMese caricaMese(const QString& codice, int anno, int mese, QString* errore = nullptr);
    // The same, from the one reading of the file filling `mesiAnno` too with
    // the twelve records caricaAnno() gives (only the month's fields are
    // reported in `errore`).
    static VariabileMese caricaMese(const QString& codice, int anno, int mese, QString* errore,
                                    QList<VariabileMese>* mesiAnno);

    // The range of a field the windows let the user type: hours, days and
    // amounts are never below 0; one
    // hour field holds at most the hours of a month (31 days of 24 hours),
    // the holidays taken at most the days of a month, an amount at most the
    // widest amount a file holds.
    static constexpr double kOreMeseMassime = 744.0;
    static constexpr double kGiorniMeseMassimi = 31.0;
    static double massimo(double VariabileMese::*campo);
    // Whether the field holds francs (kept to the centime), not hours or days.
    static bool importo(double VariabileMese::*campo);
    // Whether the field holds hours (worked, overtime or compensated).
    static bool ore(double VariabileMese::*campo);
    // The decimals a value of the field may be typed with: francs 2, hours
    // and days kDecimaliOre (an eighth of an hour or a day is 0.125).
    static constexpr int kDecimaliOre = 3;
    static int decimali(double VariabileMese::*campo);
    // The value as the windows show it: francs with two decimals, hours and
    // days with the decimals they hold, two at least.
    static QString testo(double VariabileMese::*campo, double valore);
    // The hours worked in a month, normal and overtime together: at most
    // kOreMeseMassime.
    static double oreDelMese(const VariabileMese& v);

    // Writes the first twelve records by position; the file's other groups
    // and keys stay. False without writing, with the reason in `errore`, when
    // the year is closed, fewer than twelve records are given, an amount is
    // not finite or out of range, or the file on disk could not be read
    // cleanly (so nothing it holds is lost); false when the file could not be
    // written.
    static bool salvaAnno(const QString& codice, int anno, const QList<VariabileMese>& mesi,
                          QString* errore = nullptr);
};
