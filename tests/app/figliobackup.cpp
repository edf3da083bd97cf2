// The child of the backup crash test: "<mode> <rounds> <seed>" with mode
// "backup", "potatura" (pruning) or "ripristino" (restore). Each round forks
// a process that runs the operation and kills it at a random moment; then,
// as the program's next start would, it completes or undoes what the kill
// cut short and checks:
// - every listed backup is complete: its index and every file, all of one
//   version;
// - after a restore, every file of every data folder (the default one, a
//   chosen one, the application-data one) holds either what it held before
//   the restore or what the backup holds, never a mix, and no temporary
//   copy is left.
// Prints "ok <kills> <operations ended before their kill>" and ends with 0, or names the fault and ends with 1.
#include "backup.h"
#include "config.h"
#include "filesicuri.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The data files, each in the folder it lives in.
QStringList fileDati()
{
    const QString predefinita = Config::cartellaDatiPredefinita();
    const QString scelta = Config::cartellaDati();
    const QString applicazione = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QStringList file;
    for (int i = 0; i < 5; ++i) {
        file << predefinita + QStringLiteral("/ferie/dip%1.ini").arg(i)
             << scelta + QStringLiteral("/paghe/dip%1/2026.ini").arg(i)
             << applicazione + QStringLiteral("/movimenti/dip%1.txt").arg(i);
    }
    return file;
}

QByteArray contenuto(int versione)
{
    return QByteArray::number(versione).repeated(400);
}

// The version a file holds; -1 when it is not one whole version.
int versione(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray testo = f.readAll();
    for (int lunghezza = 1; lunghezza <= 10; ++lunghezza) {
        if (testo.size() == lunghezza * 400) {
            const int v = testo.left(lunghezza).toInt();
            return contenuto(v) == testo ? v : -1;
        }
    }
    return -1;
}

bool scriviVersione(int v)
{
    for (const QString& p : fileDati()) {
        if (!FileSicuri::scrivi(p, contenuto(v)))
            return false;
    }
    return true;
}

int fallisci(const QString& testo)
{
    std::fprintf(stderr, "%s\n", qPrintable(testo));
    return 1;
}

// Every listed backup: the index and every data file, all one version.
QString controllaBackup()
{
    const QStringList nomi = Backup::elencoBackup();
    for (const QString& nome : nomi) {
        const QString cartella = Backup::cartellaBackup() + QLatin1Char('/') + nome;
        if (!QFileInfo::exists(cartella + QStringLiteral("/.~indice")))
            return QStringLiteral("backup %1 senza indice").arg(nome);
        QStringList file;
        // The restore's own audit line is no data file of the test.
        for (const QString& r : Backup::elencoFile(cartella, false)) {
            if (r != QLatin1String(".~indice") && !r.contains(QLatin1String("chiusure_annuali/")))
                file.append(r);
        }
        if (file.size() != fileDati().size())
            return QStringLiteral("backup %1: %2 file invece di %3: %4")
                .arg(nome)
                .arg(file.size())
                .arg(fileDati().size())
                .arg(file.join(QLatin1Char(' ')));
        int prima = -2;
        for (const QString& r : qAsConst(file)) {
            const int v = versione(cartella + QLatin1Char('/') + r);
            if (v < 0 || (prima != -2 && v != prima))
                return QStringLiteral("backup %1: %2 mescolato").arg(nome, r);
            prima = v;
        }
    }
    return QString();
}

// The version every data file holds; -1 when they differ.
int versioneDati()
{
    int v = -2;
    for (const QString& p : fileDati()) {
        const int questa = versione(p);
        if (questa < 0 || (v != -2 && questa != v))
            return -1;
        v = questa;
    }
    return v;
}

// What a save killed half-way leaves beside its file (the saver's own
// temporary file) is the saver's business, not the backup's: removed before
// the next backup.
void pulisciSalvataggiUccisi()
{
    const QStringList dati = fileDati();
    for (const QString& p : dati) {
        const QDir cartella(QFileInfo(p).path());
        for (const QString& nome : cartella.entryList(QDir::Files | QDir::Hidden)) {
            if (!dati.contains(cartella.filePath(nome)) && !nome.startsWith(QLatin1String(".~ripristino")))
                QFile::remove(cartella.filePath(nome));
        }
    }
}

bool restiTemporanei()
{
    for (const QString& p : fileDati()) {
        if (!QDir(QFileInfo(p).path()).entryList({QStringLiteral(".~ripristino*")}, QDir::Files | QDir::Hidden)
                 .isEmpty())
            return true;
    }
    return false;
}

// Copies the newest backup under older names until the list is `quanti`
// long, so the next backup has to prune.
bool riempi(int quanti)
{
    const QStringList nomi = Backup::elencoBackup();
    const QString ultimo = Backup::cartellaBackup() + QLatin1Char('/') + nomi.first();
    QDateTime momento(QDate(2001, 1, 1), QTime(0, 0, 0));
    for (int n = nomi.size(); n < quanti; ++n) {
        QString nome;
        do {
            momento = momento.addSecs(1);
            nome = momento.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        } while (QFileInfo::exists(Backup::cartellaBackup() + QLatin1Char('/') + nome));
        const QString nuovo = Backup::cartellaBackup() + QLatin1Char('/') + nome;
        for (const QString& r : Backup::elencoFile(ultimo, false)) {
            QDir().mkpath(QFileInfo(nuovo + QLatin1Char('/') + r).path());
            if (!QFile::copy(ultimo + QLatin1Char('/') + r, nuovo + QLatin1Char('/') + r))
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));
    const QStringList argomenti = app.arguments();
    const QString modo = argomenti.value(1);
    const int giri = argomenti.value(2).toInt();
    QRandomGenerator caso(argomenti.value(3).toUInt());

    Config::setCartellaDati(QDir::homePath() + QStringLiteral("/dati scelti"));
    int versioneCorrente = 1;
    if (!scriviVersione(versioneCorrente) || Backup::esegui() != Backup::Esito::Eseguito)
        return fallisci(QStringLiteral("primo backup non riuscito"));

    // How long one operation takes, so the kill falls within it.
    QElapsedTimer misura;
    misura.start();
    if (modo == QLatin1String("ripristino")) {
        if (!scriviVersione(++versioneCorrente) || !Backup::ripristina(Backup::elencoBackup().last()))
            return fallisci(QStringLiteral("ripristino di prova non riuscito"));
    } else {
        if (!scriviVersione(++versioneCorrente) || Backup::esegui() != Backup::Esito::Eseguito)
            return fallisci(QStringLiteral("backup di prova non riuscito"));
    }
    const int durata = int(qMax<qint64>(300, misura.nsecsElapsed() / 1000 * (modo == QLatin1String("potatura") ? 3 : 1)));

    // Rounds until `giri` kills fell within the operation; an operation that
    // ended before its kill does not count.
    int completati = 0;
    int uccisi = 0;
    for (int giro = 1; uccisi < giri; ++giro) {
        if (giro > 4 * giri)
            return fallisci(QStringLiteral("troppe operazioni finite prima dell'uccisione"));
        // Before the round: the data all of one version; for a restore, a
        // backup of another version to restore.
        ++versioneCorrente;
        QString daRipristinare;
        int versioneBackup = -1;
        if (modo == QLatin1String("ripristino")) {
            const QStringList nomi = Backup::elencoBackup();
            daRipristinare = nomi.at(int(caso.bounded(nomi.size())));
            versioneBackup = versione(Backup::cartellaBackup() + QLatin1Char('/') + daRipristinare
                                      + QStringLiteral("/ferie/dip0.ini"));
            if (!scriviVersione(versioneCorrente))
                return fallisci(QStringLiteral("dati non scritti"));
        } else if (modo == QLatin1String("potatura")) {
            if (!riempi(Backup::kMassimo + 3))
                return fallisci(QStringLiteral("backup non copiati"));
        }

        int tubo[2];
        if (pipe(tubo) != 0)
            return 1;
        const pid_t pid = fork();
        if (pid < 0)
            return 1;
        if (pid == 0) {
            close(tubo[0]);
            if (write(tubo[1], "x", 1) != 1)
                _exit(1);
            if (modo == QLatin1String("ripristino")) {
                if (!Backup::ripristina(daRipristinare))
                    _exit(2);
            } else {
                for (int v = versioneCorrente;; ++v) {
                    if (!scriviVersione(v) || Backup::esegui() != Backup::Esito::Eseguito)
                        _exit(2);
                }
            }
            _exit(0);
        }
        close(tubo[1]);
        char segnale = 0;
        if (read(tubo[0], &segnale, 1) != 1)
            return 1;
        close(tubo[0]);
        usleep(useconds_t(caso.bounded(0, durata)));
        kill(pid, SIGKILL);
        int stato = 0;
        waitpid(pid, &stato, 0);
        if (WIFEXITED(stato) && WEXITSTATUS(stato) != 0)
            return fallisci(QStringLiteral("giro %1: operazione fallita da sola").arg(giro));
        if (WIFEXITED(stato))
            ++completati;
        else
            ++uccisi;

        pulisciSalvataggiUccisi();
        // The next start.
        QString errore;
        if (!Backup::riprendi(&errore))
            return fallisci(QStringLiteral("giro %1: ripresa non riuscita: %2").arg(giro).arg(errore));
        const QString difetto = controllaBackup();
        if (!difetto.isEmpty())
            return fallisci(QStringLiteral("giro %1: %2").arg(giro).arg(difetto));
        if (modo == QLatin1String("ripristino")) {
            const int dopo = versioneDati();
            if (dopo != versioneCorrente && dopo != versioneBackup)
                return fallisci(QStringLiteral("giro %1: dati mescolati (prima %2, backup %3)")
                                    .arg(giro)
                                    .arg(versioneCorrente)
                                    .arg(versioneBackup));
            if (restiTemporanei())
                return fallisci(QStringLiteral("giro %1: copie temporanee rimaste").arg(giro));
        } else {
            versioneCorrente += 1000;
            // A new backup after the kill cleans what it left.
            if (!scriviVersione(versioneCorrente) || Backup::esegui() != Backup::Esito::Eseguito)
                return fallisci(QStringLiteral("giro %1: backup dopo l'uccisione non riuscito").arg(giro));
            const QStringList resti = QDir(Backup::cartellaBackup()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& r : resti) {
                if (r.startsWith(QLatin1Char('.')))
                    return fallisci(QStringLiteral("giro %1: resto %2").arg(giro).arg(r));
            }
            if (Backup::elencoBackup().size() > Backup::kMassimo)
                return fallisci(QStringLiteral("giro %1: troppi backup").arg(giro));
        }
    }
    std::printf("ok %d %d\n", uccisi, completati);
    return 0;
}
