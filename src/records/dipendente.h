#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One employment period; an empty exit means the employment lasts.
struct PeriodoRapporto
{
    QString entrata; // "dd/MM/yyyy"
    QString uscita;  // "dd/MM/yyyy" or empty

    bool operator==(const PeriodoRapporto& o) const { return entrata == o.entrata && uscita == o.uscita; }
};

// One child of an employee: the facts the family allowances depend on.
struct Figlio
{
    QString nome;
    QString cognome;
    QString dataNascita; // "dd/MM/yyyy"
    QString sesso;
    QString statoCivile;
    QString nazionalita;
    bool viveConDipendente = true;
    QString residenzaSeNonConvive;
    QString parentela = QStringLiteral("F"); // "F", "FC", "F/S", "A"
    bool incapacitaGuadagno = false;
    bool agliStudi = false;
    QString corsoStudi;
    QString fineCicloStudi;
    bool redditoAVS = false;

    bool operator==(const Figlio& o) const;
};

// The employee record, as stored in the employee file.
struct DatiDipendente
{
    QString nome;
    QString cognome;
    QString dataNascita;
    QString sesso;
    QString statoCivile;
    QString nazionalita;
    QString indirizzo;
    QString cap;
    QString localita;
    QString cantone;
    QString numeroAVS;
    QString permessoLavoro;
    QList<PeriodoRapporto> periodi;
    QString tipoContratto;
    int mensilitaAggiuntive = 0;
    int gradoOccupazione = 100;
    QString professione;
    QString statoCivileDal;
    QString cellulare;
    QString email;
    QString attivitaPrincipaleSecondaria;
    QString altriDatori;
    QString prestazioniAIADINF;
    QString attivitaIndipendente;
    QString ccl;
    QString categoriaCcl;
    QList<Figlio> figli;
    double salarioMensile = 0.0;
    double lppManuale = 0.0;
    double pagaOraria = 0.0;
    int tipoPaga = 0; // 0 monthly salary, 1 hourly pay
    QString modalitaPagamento; // "banca", "posta", "cash"
    QString iban;
    QString intestatarioConto;
    QString banca;
    QString bicSwift;
    bool bancaEstera = false;
    QMap<QString, QString> extra; // every other key of the file

    bool operator==(const DatiDipendente& o) const;
};

// The employee store: one key=value file per employee in the current
// company's employees folder; the file name is the employee's id.
class Dipendente
{
    Q_DECLARE_TR_FUNCTIONS(Dipendente)

public:
    // An id beginning with "/" is a full path; any other id is a plain file
    // name joined to the employees folder.
    static QString percorsoFile(const QString& id);

    // Whether the id may be used: a full path, or a plain name that stays
    // inside the employees folder.
    static bool idValido(const QString& id);

    // At most this many children and employment periods: more than any real
    // record holds.
    static constexpr int kFigliMassimi = 50;
    static constexpr int kPeriodiMassimi = 500;

    // Reads the employee. False when the file cannot be read (too large,
    // missing) or a number in it is not valid for its field; `d` is filled
    // anyway (such a field reads as 0, counts are cut to their limit) and
    // `errore` (may be null) says what is wrong.
    static bool carica(const QString& id, DatiDipendente& d, QString* errore = nullptr);
    // Rewrites the whole file. Refused, with the reason in `errore` (may be
    // null) naming each field and the value it would hold, when carica would
    // report anything in what is about to be written (an amount below 0 or
    // beyond FileSicuri::kImportoMassimo or not finite, a whole number out of
    // its field's range, a count above its limit): the file then stays as it
    // was. False too when the id is not usable or the file not written.
    static bool salva(const DatiDipendente& d, const QString& id, QString* errore = nullptr);
    static QStringList elencoDipendenti(bool soloInForza);
    static QString etichetta(const QString& id);
    // First name and surname as a person reads them ("Marc Dubois"); the id
    // without ".txt" when the file names nobody.
    static QString nomeCognome(const QString& id);
    static bool elimina(const QString& id);

    // The id a new employee gets from the wanted one (every new employee,
    // typed or imported, gets its id here): the wanted id while no employee
    // of any company of the data folder and no per-employee file or folder
    // on disk uses it, otherwise the first free "<wanted>_1", "<wanted>_2",
    // ... (the number goes before a final ".txt"). Names are compared as the
    // per-employee files really take them: blanks and "_" alike, letter case
    // ignored. A base name too long for a file name is shortened first.
    static QString idLibero(const QString& desiderato);

    static bool validaAVS(const QString& numero);
    static bool inForza(const DatiDipendente& d, const QDate& data);
    // Some employment period begins after `data`: an employee not in force
    // on that day is then one still to start, not one who has left.
    static bool daAssumere(const DatiDipendente& d, const QDate& data);
    // The months of the year some employment period touches, each calendar
    // month once (at most 12); 12 for a record without periods.
    static int mesiLavorati(const DatiDipendente& d, int anno);
    static QString dataAssunzione(const DatiDipendente& d);
    // The exit date, as recorded, of an employment that ended in the year
    // (31 December included): the last exit of the year, when no period of
    // the year goes on after it, whatever period begins in a later year;
    // empty otherwise.
    static QString dataUscita(const DatiDipendente& d, int anno);
    static void setDataAssunzione(DatiDipendente& d, const QString& data);

    // Two edits of one record brought together: `base` as both sides read
    // it, `nostro` and `loro` as each side left it. Every field takes the
    // value of the side that changed it; a field both sides changed, each in
    // its own way, takes ours, and its key goes into `conflitti` (may be
    // null). The employment periods ("periodi") and the children ("figli")
    // count as one field each.
    static DatiDipendente unisci(const DatiDipendente& base, const DatiDipendente& nostro, const DatiDipendente& loro,
                                 QStringList* conflitti = nullptr);

    // The record as the lines of its file, and back (used by carica/salva).
    static QByteArray serializza(const DatiDipendente& d);
    // `problemi` (may be null) receives the key of every number that is not
    // valid for its field and of every count above its limit.
    static DatiDipendente deserializza(const QByteArray& contenuto, QStringList* problemi = nullptr);
};
