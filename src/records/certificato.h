#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The salary certificates: one small key=value file per employee and year in
// ~/.vardello_dati/certificati, named "certificato_<base>_<year>.txt".
class Certificato
{
    Q_DECLARE_TR_FUNCTIONS(Certificato)

public:
    struct DatiCertificato
    {
        QString idDipendente;
        int annoValidita = 0;
        double cifra1 = 0.0;    // gross salary
        double cifra2 = 0.0;    // fringe benefits
        double cifra3 = 0.0;    // irregular benefits
        double cifra8 = 0.0;    // total: 1 + 2 + 3
        double cifra9 = 0.0;    // social contributions
        double cifra10_1 = 0.0; // occupational pension, ordinary
        double cifra10_2 = 0.0; // occupational pension, buy-in
        double cifra11 = 0.0;   // net: 8 - 9 - 10.1 - 10.2
        double cifra12 = 0.0;   // withholding tax
        double cifra13_1 = 0.0;
        double cifra13_2 = 0.0;
        double cifra13_3 = 0.0;
        bool casellaA = false;
        bool casellaB = false;
        bool casellaC = false;
        QString osservazioni;
        // The figures are an estimate from the salary: no month of the year
        // was saved in the pay history.
        bool stima = false;
    };

    static void calcolaTotali(DatiCertificato& c);

    // The certificate folder ~/.vardello_dati/certificati (not created).
    static QString cartella();

    // The file of the record's employee and year; creates the folder. Empty
    // when the employee id cannot give a file name inside the folder.
    static QString percorsoFile(const DatiCertificato& c);

    // The "*.txt" files of the folder, sorted by name; empty without folder.
    static QStringList elencoCertificati();

    // Writes the whole file; false when it was not completely written or
    // when its year is closed (then `errore` says so and nothing is written).
    static bool salva(const DatiCertificato& c, QString* errore = nullptr);

    // Reads the file into `c`. False when it cannot be read (c untouched) or
    // did not read cleanly: a damaged line, a value that is no valid number
    // or flag, an unknown key, a key missing (a file cut short); `c` then
    // holds what did read, and `errore` (may be null) says what did not, by
    // file and line.
    static bool carica(DatiCertificato& c, const QString& percorso, QString* errore = nullptr);
};
