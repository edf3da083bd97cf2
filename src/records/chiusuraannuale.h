#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// The state of one year as read from its state file.
struct StatoEsercizio
{
    int anno = 0;
    bool chiuso = false;
    QString dataChiusura; // "yyyy-MM-ddTHH:mm:ss"
    QString operatore;
    QString note;
    QString sha256;
    int fileSigillati = 0;
    // "rifiutiSigillati=1": the seal was made with the refusals of the
    // closings. Such a seal is checked only as made; a state without the
    // mark is one of an earlier version.
    bool rifiutiSigillati = false;
    // Set when the state file exists but could not be read or did not read
    // cleanly (too large, no access, a damaged line, an unknown key, a value
    // of the wrong kind, no "chiuso" line), by file and line: such a year
    // counts as closed until the file is mended, and is neither closed nor
    // reopened over it.
    QString errore;
};

// Closing and reopening a pay year: the state file, the SHA-256 seal of the
// year's data files, the audit log and the write lock every saver of the pay
// history, the monthly variables and the contribution parameters asks.
class ChiusuraAnnuale
{
    Q_DECLARE_TR_FUNCTIONS(ChiusuraAnnuale)

public:
    static StatoEsercizio statoAnno(int anno);
    // Closed, or its state file could not be read.
    static bool isAnnoChiuso(int anno);

    // The same for the year-state folder of another data folder (the
    // parameters live in the default one, whatever folder is configured).
    static StatoEsercizio statoAnnoIn(const QString& cartellaDati, int anno);
    static bool isAnnoChiusoIn(const QString& cartellaDati, int anno);
    // The seal of the year's files (fileAnno) as they are now.
    static QString calcolaImprontaAnno(int anno, int* count = nullptr);
    // Whether the files of the year are still those the stored seal of
    // `stato` was made of. A seal made before the refusals of the closings
    // were sealed (a state without `rifiutiSigillati`) still holds as long
    // as the other files are unchanged.
    static bool sigilloIntegro(const StatoEsercizio& stato);
    // The same with the year's seal as it is now (calcolaImprontaAnno),
    // already computed by the caller.
    static bool sigilloIntegro(const StatoEsercizio& stato, const QString& attuale);

    // Every file the program writes for the year, wherever it lives: the
    // pay histories of the data folder with the refusals of the closings
    // beside them, its monthly variables, its files "*<anno>*.ini", the
    // contribution parameters of the default folder and the salary
    // certificates of the year. Sorted, absolute.
    static QStringList fileAnno(int anno);
    // Whether `percorso` is (or would be) one of those files for the data
    // folder `cartellaDati`, or that folder's state file of the year.
    static bool fileDellAnno(const QString& percorso, int anno, const QString& cartellaDati);
    // The closed years of a data folder (those with a state file).
    static QList<int> anniChiusiIn(const QString& cartellaDati);
    static bool chiudiAnno(int anno, const QString& operatore, const QString& note, QString* error = nullptr);
    static bool riapriAnno(int anno, const QString& operatore, const QString& motivo, QString* error = nullptr);

    // Shared with the year-closing window.
    static QString cartellaChiusure();
    static QString percorsoStatoAnno(int anno);
    static QString percorsoAudit();
    // The message for a state file that did not read cleanly.
    static QString danneggiato(const StatoEsercizio& stato);
    static void scriviAudit(const QString& azione, int anno, const QString& operatore,
                            const QString& note, const QString& sha256);

private:
    static StatoEsercizio statoDaFile(const QString& percorso, int anno);
    // `conRifiuti` false: the files as the seals of earlier versions took
    // them, without the refusals.
    static QStringList fileAnno(int anno, bool conRifiuti);
    static QString impronta(int anno, bool conRifiuti, int* count);
};
