#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What one bank expects of a salary payment file. One JSON file per bank in
// the profile folder ~/.vardello_dati/banche; the defaults that come with the
// program are copied there at every start without overwriting.
class BankProfile
{
public:
    QString id;
    QString nome;
    QString versionePain;
    QString namespace_;
    bool usaSala = true;
    int msgIdUnivocoGiorni = 90;
    bool indirizziStrutturati = true;
    QStringList campiObbligatori;
    QString note;

    // Complete: id, name, pain.001 version and namespace all set.
    bool valido() const;

    // Reads one profile file. `ok` (may be null) is true only for a complete
    // profile read from valid JSON; the profile read is returned anyway.
    static BankProfile caricaDaFile(const QString& percorso, bool* ok = nullptr);

    // Every complete profile of the folder ("*.json").
    static QList<BankProfile> caricaTutti(const QString& cartella);

    // Copies the "*.json" files of `sorgente` that `destinazione` lacks;
    // never overwrites. False when the source is missing or the target
    // cannot be created.
    static bool copiaPredefiniti(const QString& sorgente, const QString& destinazione);

    // Writes the profile as indented JSON.
    bool salvaSuFile(const QString& percorso) const;

    // The user's profile folder, ~/.vardello_dati/banche.
    static QString cartellaProfili();
};
