#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Timestamped full copies of every file the program keeps for the user, in
// the "backup" sub-folder of the default data folder ~/.vardello_dati, one
// folder "yyyy-MM-dd_HH-mm-ss" per backup:
// - the files of the default data folder, at their own relative paths;
// - under ".~dati/" the files of a data folder chosen elsewhere;
// - under ".~applicazione/" the application-data files (extra movements,
//   movement kinds, salary types; never the password file);
// - ".~indice": where each part came from and the fingerprint of the whole,
//   so the next start compares without reading the backup again.
// A backup is built in a hidden folder and gets its name only once complete,
// so a half backup is never listed nor restored; pruning takes a backup out
// of the list (rename) before deleting it. Only the newest 50 are kept.
// A link, to a file or to a folder, is never copied nor followed, either
// way; the caller is told which were left out.
class Backup
{
    Q_DECLARE_TR_FUNCTIONS(Backup)

public:
    enum class Esito {
        Eseguito,  // a new backup was written completely
        Invariato, // nothing changed since the newest backup
        Vuoto,     // the data folders hold no file
        Fallito    // a copy failed; nothing was kept
    };

    // One folder a backup holds: `chiave` is the folder inside the backup
    // (empty for the default data folder), `percorso` the absolute folder.
    struct Radice
    {
        QString chiave;
        QString percorso;
    };

    // The default data folder and its backup folder (both created).
    static QString cartellaDati();
    static QString cartellaBackup();

    // The folders a backup holds now: the default data folder, the data
    // folder in use when it is another one, the application-data folder.
    static QList<Radice> radici();

    // The names of the complete backups, newest first. A link in the backup
    // folder, named like a backup or not, is never a backup: one so named
    // goes into `collegamenti` (may be null) by its full path.
    static QStringList elencoBackup(QStringList* collegamenti = nullptr);

    // True only when a new backup was written completely.
    static bool eseguiBackup();

    // The same with the outcome, and on failure what went wrong.
    // `collegamenti` (may be null) receives the links a backup leaves out
    // (to a file or to a folder), by their full paths.
    static Esito esegui(QString* errore = nullptr, QStringList* collegamenti = nullptr);

    // A backup of `radici` into `cartellaBackup` named by `momento`. Touches
    // no widget and no shared table, so it runs on any thread; backups and
    // restores never run at the same time. `nome` receives the new backup's
    // name.
    static Esito eseguiIn(const QList<Radice>& radici, const QString& cartellaBackup, const QDateTime& momento,
                          QString* errore = nullptr, QString* nome = nullptr, QStringList* collegamenti = nullptr);

    // Copies the listed backup `nome` back, each file where it came from,
    // after a safety backup; nothing is touched when the safety backup
    // fails. Any other name is refused without touching anything. The files
    // of a closed year (pay history and the closings' refusals beside it,
    // variables, parameters, certificates), the year states and the audit
    // log are kept as they are, a file the year lacks stays lacking; `anniTenuti`
    // receives the closed years kept. Every file is first copied beside its
    // target under a short temporary name, with a journal; only when all
    // copies are in place do they replace the live files, so a failed copy
    // leaves the data as they were and a restore cut short is completed at
    // the next start (riprendi). Files the backup does not hold stay. On
    // failure `errore` names the file. A link is never copied: one inside
    // the backup is left there, and a file whose way in the data folder
    // passes through a link (to a file or a folder) is not restored; the
    // links left out, the safety backup's included, go into `collegamenti`
    // (may be null) by their full paths.
    static bool ripristina(const QString& nome, QString* errore = nullptr, QList<int>* anniTenuti = nullptr,
                           QStringList* collegamenti = nullptr);

    // At start-up, before any data is read: completes a restore that was
    // cut short after all its copies were in place, or removes the copies of
    // one cut short before. False when the journal cannot be read.
    static bool riprendi(QString* errore = nullptr);

    // The files below `cartella` as "/"-separated relative paths, sorted;
    // with `senzaBackup` the folder "backup" is not entered. Links are not
    // followed nor listed; `collegamenti` (may be null) receives their full
    // paths.
    static QStringList elencoFile(const QString& cartella, bool senzaBackup, QStringList* collegamenti = nullptr);

    // SHA-256 over every file of the list: the path and the content, each
    // preceded by its length, so no shift of bytes between a path and a
    // content gives the same fingerprint.
    static QByteArray impronta(const QString& cartella, const QStringList& file);

    // How many backups are kept.
    static constexpr int kMassimo = 50;

private:
    // A backup; pruning spares the backup named `daTenere` and the new one.
    static Esito eseguiIn(const QList<Radice>& radici, const QString& cartellaBackup, const QDateTime& momento,
                          QString* errore, QString* nome, const QString& daTenere, QStringList* collegamenti);
};
