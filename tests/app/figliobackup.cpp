// The child of the backup crash test: "<mode> <kills> <seed>" with mode
// "backup", "potatura" (pruning) or "ripristino" (restore). Each round forks
// a process that runs the operation and kills it at a random moment; then,
// as the next start would, it completes or undoes what the kill cut short
// and checks that every listed backup is complete (its index, every file,
// all of one version) and, after a restore, that every file of every data
// folder (the default one, a chosen one, the application-data one) holds
// all of the version before or all of the backup's, with no temporary copy
// left. Prints "ok <kills> <operations ended before their kill>" and ends
// with 0, or names the fault and ends with 1.
#include "backup.h"
#include "config.h"
#include "filesicuri.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
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
    const QString applicazione = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QStringList file;
    for (int i = 0; i < 5; ++i) {
        file << Config::cartellaDatiPredefinita() + QStringLiteral("/ferie/dip%1.ini").arg(i)
             << Config::cartellaDati() + QStringLiteral("/paghe/dip%1/2026.ini").arg(i)
             << applicazione + QStringLiteral("/movimenti/dip%1.txt").arg(i);
    }
    return file;
}

QByteArray contenuto(int versione)
{
    return QByteArray::number(versione).repeated(400);
}

// The version all the files hold; -1 when one is not a whole version or
// they differ.
int versione(const QStringList& percorsi)
{
    int v = -2;
    for (const QString& p : percorsi) {
        QFile f(p);
        const QByteArray testo = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        const int questa = testo.left(testo.size() / 400).toInt();
        if (testo.isEmpty() || contenuto(questa) != testo || (v != -2 && questa != v))
            return -1;
        v = questa;
    }
    return v;
}

bool scriviVersione(int v)
{
    for (const QString& p : fileDati()) {
        if (!FileSicuri::scrivi(p, contenuto(v)))
            return false;
    }
    return true;
}

// Every listed backup: the index and every data file, all one version (the
// restore's own audit line is no data file of the test).
QString controllaBackup()
{
    for (const QString& nome : Backup::elencoBackup()) {
        const QString cartella = Backup::cartellaBackup() + QLatin1Char('/') + nome;
        QStringList file;
        for (const QString& r : Backup::elencoFile(cartella, false)) {
            if (r != QLatin1String(".~indice") && !r.contains(QLatin1String("chiusure_annuali/")))
                file.append(cartella + QLatin1Char('/') + r);
        }
        if (!QFileInfo::exists(cartella + QStringLiteral("/.~indice")) || file.size() != fileDati().size()
            || versione(file) < 0)
            return QStringLiteral("backup %1 incompleto o mescolato (%2 file)").arg(nome).arg(file.size());
    }
    return QString();
}

// Removes what a save killed half-way leaves beside its file (the saver's
// own business, not the backup's); tells whether a restore's temporary copy
// is left.
bool pulisciERestiTemporanei()
{
    const QStringList dati = fileDati();
    bool resti = false;
    for (const QString& p : dati) {
        const QDir cartella(QFileInfo(p).path());
        for (const QString& nome : cartella.entryList(QDir::Files | QDir::Hidden)) {
            if (nome.startsWith(QLatin1String(".~ripristino")))
                resti = true;
            else if (!dati.contains(cartella.filePath(nome)))
                QFile::remove(cartella.filePath(nome));
        }
    }
    return resti;
}

// Copies the newest backup under older names until the list is `quanti`
// long, so the next backup has to prune.
bool riempi(int quanti)
{
    const QStringList nomi = Backup::elencoBackup();
    const QString ultimo = Backup::cartellaBackup() + QLatin1Char('/') + nomi.first();
    QDateTime momento(QDate(2001, 1, 1), QTime(0, 0, 0));
    for (int n = nomi.size(); n < quanti; ++n) {
        QString nuovo;
        do {
            momento = momento.addSecs(1);
            nuovo = Backup::cartellaBackup() + QLatin1Char('/')
                + momento.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        } while (QFileInfo::exists(nuovo));
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
    const QString modo = app.arguments().value(1);
    const bool ripristino = modo == QLatin1String("ripristino");
    const int giri = app.arguments().value(2).toInt();
    QRandomGenerator caso(app.arguments().value(3).toUInt());
    const auto fallisci = [](const QString& testo) {
        std::fprintf(stderr, "%s\n", qPrintable(testo));
        return 1;
    };
    const auto backup = [](int v) { return scriviVersione(v) && Backup::esegui() == Backup::Esito::Eseguito; };

    Config::setCartellaDati(QDir::homePath() + QStringLiteral("/dati scelti"));
    int versioneCorrente = 2;
    if (!backup(1))
        return fallisci(QStringLiteral("primo backup non riuscito"));
    // How long one operation takes, so the kill falls within it. Measured
    // on a busy moment it is too long: each operation that ends before its
    // kill shortens it.
    QElapsedTimer misura;
    misura.start();
    if (ripristino ? !scriviVersione(2) || !Backup::ripristina(Backup::elencoBackup().last()) : !backup(2))
        return fallisci(QStringLiteral("operazione di prova non riuscita"));
    int durata = int(qMax<qint64>(300, misura.nsecsElapsed() / 1000 * (modo == QLatin1String("potatura") ? 3 : 1)));

    // Rounds until `giri` kills fell within the operation; an operation that
    // ended before its kill does not count.
    int completati = 0;
    int uccisi = 0;
    for (int giro = 1; uccisi < giri; ++giro) {
        const auto difetto = [&](const QString& testo) {
            return fallisci(QStringLiteral("giro %1: ").arg(giro) + testo);
        };
        if (giro > 4 * giri)
            return fallisci(QStringLiteral("troppe operazioni finite prima dell'uccisione"));
        // Before the round: the data all of one version; for a restore, a
        // backup of another version to restore.
        ++versioneCorrente;
        QString daRipristinare;
        int versioneBackup = -1;
        if (ripristino) {
            const QStringList nomi = Backup::elencoBackup();
            daRipristinare = nomi.at(int(caso.bounded(nomi.size())));
            versioneBackup = versione({Backup::cartellaBackup() + QLatin1Char('/') + daRipristinare
                                       + QStringLiteral("/ferie/dip0.ini")});
            if (!scriviVersione(versioneCorrente))
                return difetto(QStringLiteral("dati non scritti"));
        } else if (modo == QLatin1String("potatura") && !riempi(Backup::kMassimo + 3)) {
            return difetto(QStringLiteral("backup non copiati"));
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
            if (ripristino)
                _exit(Backup::ripristina(daRipristinare) ? 0 : 2);
            for (int v = versioneCorrente;; ++v) {
                if (!backup(v))
                    _exit(2);
            }
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
            return difetto(QStringLiteral("operazione fallita da sola"));
        ++(WIFEXITED(stato) ? completati : uccisi);
        if (WIFEXITED(stato))
            durata = qMax(300, durata * 2 / 3);

        pulisciERestiTemporanei();
        // The next start.
        QString errore;
        if (!Backup::riprendi(&errore))
            return difetto(QStringLiteral("ripresa non riuscita: ") + errore);
        const QString incompleto = controllaBackup();
        if (!incompleto.isEmpty())
            return difetto(incompleto);
        if (ripristino) {
            const int dopo = versione(fileDati());
            if (dopo != versioneCorrente && dopo != versioneBackup)
                return difetto(
                    QStringLiteral("dati mescolati (prima %1, backup %2)").arg(versioneCorrente).arg(versioneBackup));
            if (pulisciERestiTemporanei())
                return difetto(QStringLiteral("copie temporanee rimaste"));
        } else {
            // A new backup after the kill cleans what it left.
            versioneCorrente += 1000;
            if (!backup(versioneCorrente))
                return difetto(QStringLiteral("backup dopo l'uccisione non riuscito"));
            const QDir cartella(Backup::cartellaBackup());
            for (const QString& r : cartella.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
                if (r.startsWith(QLatin1Char('.')))
                    return difetto(QStringLiteral("resto ") + r);
            }
            if (Backup::elencoBackup().size() > Backup::kMassimo)
                return difetto(QStringLiteral("troppi backup"));
        }
    }
    std::printf("ok %d %d\n", uccisi, completati);
    return 0;
}
