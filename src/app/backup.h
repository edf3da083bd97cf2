#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Timestamped full copies of the default data folder ~/.vardello_dati in its
// own "backup" sub-folder, one folder "yyyy-MM-dd_HH-mm-ss" per backup. A
// backup is skipped when nothing changed since the newest one; only the
// newest 50 are kept. A backup is built in a hidden folder and gets its name
// only once complete, so a half backup is never listed nor restored.
class Backup
{
    Q_DECLARE_TR_FUNCTIONS(Backup)

public:
    enum class Esito {
        Eseguito,  // a new backup was written completely
        Invariato, // nothing changed since the newest backup
        Vuoto,     // the data folder holds no file
        Fallito    // a copy failed; nothing was kept
    };

    // The default data folder and its backup folder (both created).
    static QString cartellaDati();
    static QString cartellaBackup();

    // The names of the complete backups, newest first.
    static QStringList elencoBackup();

    // True only when a new backup was written completely.
    static bool eseguiBackup();

    // The same with the outcome, and on failure what went wrong.
    static Esito esegui(QString* errore = nullptr);

    // Copies the listed backup `nome` back over the data folder after a
    // safety backup. Any other name is refused without touching anything.
    // Every file is first copied beside its target under a temporary name;
    // only when all copies are in place do they replace the live files, so a
    // failed copy leaves the data folder as it was. Files the backup does not
    // hold stay. On failure `errore` names the file.
    static bool ripristina(const QString& nome, QString* errore = nullptr);

    // The files below `cartella` as "/"-separated relative paths, sorted;
    // with `senzaBackup` the paths under "backup/" are left out.
    static QStringList elencoFile(const QString& cartella, bool senzaBackup);

    // SHA-256 over every file of the list: the path and the content, each
    // preceded by its length, so no shift of bytes between a path and a
    // content gives the same fingerprint.
    static QByteArray impronta(const QString& cartella, const QStringList& file);

    // How many backups are kept.
    static constexpr int kMassimo = 50;

private:
    // A backup; pruning spares the backup named `daTenere`.
    static Esito esegui(QString* errore, const QString& daTenere);
};
