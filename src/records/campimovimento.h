#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// One configurable kind of pay item (legal deduction, loan repayment, salary
// item) with its amount rule and the contributions it bears.
struct CampoMovimento
{
    QString nome;                       // unique name, the INI group
    QString tipo;                       // "deduzione_legale", "rimborso_prestito", "voce_salariale"
    QString importoTipo = QStringLiteral("fisso"); // "fisso" or "percentuale"
    bool soggetto = false;
    bool avs = false;
    bool ad = false;
    bool applicaMassimaleAD = false;
    bool caf = false;
    bool lainf = false;
    bool applicaMassimaleLAINF = false;
    bool lpp = false;
    bool soggettoIF = false;            // withholding tax, key "if"
    int categoriaCertificato = 3;
    bool massimaleAuto = false;
    QString dataScadenza;
    double importoTotale = 0.0;
    QString pianoRientro;
    QString dataInizio;
};

// The catalogue of movement kinds: the user's copy "campi_movimenti.ini" in
// the application-data folder once it holds a kind, else the built-in one.
class CampiMovimento
{
    Q_DECLARE_TR_FUNCTIONS(CampiMovimento)

public:
    static QList<CampoMovimento> tutti();
    static QList<CampoMovimento> perTipo(const QString& tipo);

    // Rewrites the user copy from tutti(); the first save of an existing copy
    // keeps it as ".bak".
    static bool salva();
    // The catalogue is read on demand: nothing to load.
    static bool carica();

    // What the user copy could not read, one text per problem with the file
    // and line: a damaged line, a flag or number that is no valid number, a
    // typed value; empty when it read cleanly or there is none.
    static QStringList problemiCaricamento();

    // Writes `campi` as the user copy in one step (a temporary file renamed
    // into place): either the whole new catalogue is in place or the old one
    // stays. Refuses, without writing, the names that controllaNomi() refuses
    // and a user copy that did not read cleanly.
    static bool scrivi(const QList<CampoMovimento>& campi, QString* errore = nullptr);

    // Empty when every name can be stored; else the reason, naming the kind:
    // an empty name, a "/" or "\" in it, or two kinds of the same name
    // (letter case ignored: the file's groups would merge).
    static QString controllaNomi(const QList<CampoMovimento>& campi);

    static QString percorsoUtente();

private:
    static QList<CampoMovimento> leggiDa(const QString& percorso, QStringList* problemi);
};
