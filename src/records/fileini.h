#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The INI files of user data (monthly variables, holiday balances), read and
// written by the program itself: "[group]" lines, "key=value" lines, ";"
// comments, values with the escapes, quotes and comma lists the files have
// always had. Typed values ("@Variant(...)" and the like) are never decoded:
// such a value reads as unreadable, and is written back as it stood.
// Reading is linear in the file's size.
class FileIni
{
public:
    // Parses the bytes of a file (UTF-8; a NUL is a character like any other).
    static FileIni leggi(const QByteArray& contenuto);

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
    };
    struct Gruppo
    {
        QString nome;
        QVector<Voce> voci;
        QHash<QString, int> indice;
    };

    Gruppo& gruppo(const QString& nome);
    const Voce* voce(const QString& gruppo, const QString& chiave) const;

    QVector<Gruppo> m_gruppi;
    QHash<QString, int> m_indice;
};
