#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The INI files of user data (monthly variables, holiday balances, movement
// kinds, agreement minimums), read and written by the program itself:
// "[group]" lines, "key=value" lines, ";" comments (and "#" at the start of a
// line), values with the escapes, quotes and comma lists the files have
// always had. Typed values ("@Variant(...)" and the like) are never decoded:
// such a value reads as unreadable, and is written back as it stood.
// Reading is linear in the file's size.
//
// What a reader could not read is never merged into what it could: a group
// header without "]" (or with text after it), a line that is neither a
// group, a "key=value", a comment nor blank, a key without a name and a NUL
// are damage, reported with the line. The keys after a damaged header belong
// to no group and are left out. The program writes every group and every
// key of a group once: a key seen again in its group, and a group seen
// again, are damage too (the last value of a key counts). A CR before the
// line end, a BOM at the start and trailing blanks are no damage.
class FileIni
{
    Q_DECLARE_TR_FUNCTIONS(FileIni)

public:
    // Parses the bytes of a file (UTF-8; a NUL is kept as a character, and
    // reported). With `gruppiUniti` (a table edited by hand) a group seen
    // again is no damage: its keys join the group's.
    static FileIni leggi(const QByteArray& contenuto, bool gruppiUniti = false);

    // Whether every line read cleanly.
    bool pulito() const { return m_problemi.isEmpty(); }

    // The damaged lines, each as "<file>, riga <n>: <what>".
    QStringList problemi(const QString& percorso) const;

    // One damaged line as the readers report it: "<file>, riga <n>: <what>".
    static QString problema(const QString& percorso, int riga, const QString& testo);

    // One "key=value" line of a file the program writes line by line (pay
    // history, year parameters, allowance table, salary types, certificates,
    // year state): the value is the text after "=", trimmed, as it stands
    // (no escapes, no quotes, no lists).
    struct Riga
    {
        QString gruppo;
        QString chiave;
        QString valore;
        int numero = 0; // the line in the file, from 1
    };

    // The lines of such a file, with the same rule of damage as leggi(): a
    // "[group]" line gives a line with the group and no key (so an empty
    // group, or one repeated, stays a group of its own), then its keys; "#"
    // and ";" begin comment lines. With `conGruppi` a key before the
    // first group is damage; without, every "[" line is. A group seen again
    // and a key seen again in its group (or in the file, without groups)
    // are damage; `comeGruppo` (may be null) gives the group as the reader
    // takes it, so that two names of one group compare equal. Each damaged
    // line lands in `problemi` as problema() gives it.
    static QVector<Riga> righe(const QByteArray& contenuto, const QString& percorso, QStringList* problemi,
                               bool conGruppi = true, QString (*comeGruppo)(const QString&) = nullptr);

    // The groups in file order; "" is the group of the keys before any
    // "[group]" line (written as "[General]").
    QStringList gruppi() const;

    bool contiene(const QString& gruppo, const QString& chiave) const;

    // The value as text (a comma list joined with ", "); empty when the key
    // is missing. `leggibile` (may be null) is false for a typed value.
    QString valore(const QString& gruppo, const QString& chiave, bool* leggibile = nullptr) const;

    // The value as a list: the items of a comma list, else the one value;
    // empty when the key is missing.
    QStringList lista(const QString& gruppo, const QString& chiave) const;

    // The keys of a group in file order.
    QStringList chiavi(const QString& gruppo) const;

    // The line of a key in the file read (its last occurrence); 0 for a key
    // set since or missing.
    int riga(const QString& gruppo, const QString& chiave) const;

    // Sets a text value, adding the group and the key when missing.
    void imposta(const QString& gruppo, const QString& chiave, const QString& valore);

    // The file's bytes: every group with every key, unknown ones included.
    QByteArray scrivi() const;

    // A number in the form the files have always used for numbers.
    static QString testoNumero(double v);

    // The escaped form of one value (quotes, backslash escapes), as written.
    static QByteArray valoreScritto(const QString& valore);

private:
    struct Voce
    {
        QString chiave;
        QString testo;
        QStringList voci; // the items of a comma list
        QString grezzo; // the value as it stood in the file; empty once set
        bool leggibile = true;
        int riga = 0;
    };
    struct Gruppo
    {
        QString nome;
        QVector<Voce> voci;
        QHash<QString, int> indice;
    };

    Gruppo& gruppo(const QString& nome);
    const Voce* voce(const QString& gruppo, const QString& chiave) const;

    struct Problema
    {
        int riga = 0;
        QString testo;
    };

    QVector<Gruppo> m_gruppi;
    QHash<QString, int> m_indice;
    QVector<Problema> m_problemi;
};
