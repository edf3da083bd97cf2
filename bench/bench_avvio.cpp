// Start-up as the user waits for it: the program started as a new process
// each run, in a home folder on disk holding one company of 1,000 employees
// with 12 saved months and an extra movement each, 50 backups and the 26
// cantons' tariff files (as bench_impostafonte generates them), against an
// empty Qt window started the same way. Each start answers its prompts at
// once (VARDELLO_MISURA_AVVIO) and reports the first paint of the main
// window, then the end of the backup with the longest stall of the window's
// thread while the backup ran. Warm starts (nothing changed: the backup only
// checks) and starts after one changed file (a new backup) are timed apart;
// the figures are medians.
//
//   bench_avvio [runs]

#include "aziendaprova.h"
#include "backup.h"
#include "azienda.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "movimenti.h"
#include "orologio.h"
#include "storicopaghe.h"
#include "variabilimensili.h"
#include "tariffegenerate.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

const int kDipendenti = 1000;
const int kAnno = 2026;

using AziendaProva::id;

// The company as a year of closings leaves it: each employee's card, a
// year of monthly variables, twelve months counted and saved with their
// slip lines, and an extra movement.
bool generaDati()
{
    Inizializzazione::esegui();
    if (!AziendaProva::crea())
        return false;
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d = AziendaProva::dipendente(i);
        d.dataNascita = QStringLiteral("01/01/1980");
        if (!Dipendente::salva(d, id(i)))
            return false;
        QList<VariabileMese> variabili = VariabiliMensili::caricaAnno(id(i), kAnno);
        for (VariabileMese& v : variabili) {
            v.rimborsoSpese = 100 + i % 50;
            v.rimborsoSpeseDesc = QStringLiteral("Trasferte");
        }
        if (!VariabiliMensili::salvaAnno(id(i), kAnno, variabili))
            return false;
        MovimentoStipendio m;
        m.data = QStringLiteral("2026-03-15");
        m.tipo = QStringLiteral("Bonus");
        m.importo = 100 + i;
        if (!Movimenti::salva(id(i), {m}))
            return false;
        for (int mese = 1; mese <= 12; ++mese) {
            const RisultatoConteggio r = ConteggioSalario::genera(id(i), d, kAnno, mese, false, -1);
            if (!r.errore.isEmpty())
                return false;
            StoricoPaghe::PagaMese p = ConteggioSalario::comeMese(r);
            p.conNetto = true;
            if (!StoricoPaghe::salvaMese(id(i), p))
                return false;
        }
    }
    // The tariff files where the program looks for them in the home folder.
    const QString tariffe = QDir::homePath() + QStringLiteral("/01.Vardello/dati_afc");
    return QDir().mkpath(tariffe) && TariffeGenerate::scriviCantoni(tariffe) > 0;
}

// 50 backups: one made by the program, the others linked to its files.
bool generaBackup()
{
    Orologio::imposta(QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    if (Backup::esegui() != Backup::Esito::Eseguito)
        return false;
    const QString primo = Backup::cartellaBackup() + QLatin1Char('/') + Backup::elencoBackup().first();
    for (int n = 1; n < Backup::kMassimo; ++n) {
        const QString nome =
            QDateTime(QDate(2025, 1, 1), QTime(8, 0)).addDays(n).toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        const QString copia = Backup::cartellaBackup() + QLatin1Char('/') + nome;
        QDirIterator it(primo, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            const QString dest = copia + f.mid(primo.size());
            QDir().mkpath(QFileInfo(dest).path());
            if (::link(QFile::encodeName(f).constData(), QFile::encodeName(dest).constData()) != 0)
                return false;
        }
    }
    Orologio::ripristina();
    return Backup::elencoBackup().size() == Backup::kMassimo;
}

// The files and bytes below `cartella`, the backups left out.
void contaDati(const QString& cartella, int* file, qint64* byte)
{
    *file = 0;
    *byte = 0;
    const QString backup = cartella + QStringLiteral("/.vardello_dati/backup/");
    QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.filePath().startsWith(backup) || it.filePath().contains(QLatin1String("/01.Vardello/"))
            || it.filePath().contains(QLatin1String("/.config/")))
            continue;
        ++*file;
        *byte += it.fileInfo().size();
    }
}

// The newest backup below the home folder `casa`, and how many there are.
QString ultimoBackup(const QString& casa, int* quanti = nullptr)
{
    const QDir cartella(casa + QStringLiteral("/.vardello_dati/backup"));
    QStringList nomi = cartella.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    nomi.sort();
    if (quanti)
        *quanti = nomi.size();
    return nomi.value(nomi.size() - 1);
}

struct Avvio
{
    double finestra = -1; // ms from the process start to the first paint
    double backup = -1;   // ms from the first paint to the backup's end
    double stallo = -1;   // ms, the longest the window's thread did not answer meanwhile
};

// One start of `programma` as a new process.
Avvio avvia(const QString& programma, const QString& casa, const QProcessEnvironment& ambiente)
{
    Avvio a;
    QProcess p;
    p.setWorkingDirectory(casa);
    p.setProcessEnvironment(ambiente);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(programma, QStringList());
    QByteArray letto;
    while (t.elapsed() < 60000) {
        if (!p.waitForReadyRead(60000 - int(t.elapsed())))
            break;
        const double ms = t.nsecsElapsed() / 1e6;
        letto += p.readAllStandardOutput();
        if (a.finestra < 0 && letto.contains("finestra\n"))
            a.finestra = ms;
        const int riga = letto.indexOf("backup ");
        if (riga >= 0 && letto.indexOf('\n', riga) > riga) {
            const QList<QByteArray> campi = letto.mid(riga, letto.indexOf('\n', riga) - riga).split(' ');
            a.backup = campi.value(1).toDouble();
            a.stallo = campi.value(2).toDouble();
            break;
        }
        if (a.finestra >= 0 && programma.endsWith(QLatin1String("bench_finestra_vuota")))
            break;
    }
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
    }
    return a;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

double massimo(const std::vector<double>& v)
{
    return v.empty() ? -1 : *std::max_element(v.begin(), v.end());
}

double minimo(const std::vector<double>& v)
{
    return v.empty() ? -1 : *std::min_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char* argv[])
{
    // The data are generated in memory (when the system has a folder there),
    // then copied to a home folder on disk, as a user's is; the program
    // runs on the copy.
    const QString memoria = QStringLiteral("/dev/shm");
    QTemporaryDir generati(QFileInfo(memoria).isDir() ? memoria + QStringLiteral("/vardello_avvio_XXXXXX")
                                                      : QDir::tempPath() + QStringLiteral("/vardello_avvio_XXXXXX"));
    QTemporaryDir disco(QDir::tempPath() + QStringLiteral("/vardello_avvio_XXXXXX"));
    if (!generati.isValid() || !disco.isValid())
        return 1;
    qputenv("HOME", generati.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (generati.path() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (generati.path() + QStringLiteral("/.local/share")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    // The program's own application-data folder.
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));
    const int giri = qMax(1, app.arguments().value(1).toInt() > 0 ? app.arguments().value(1).toInt() : 9);
    const QString cartella = QCoreApplication::applicationDirPath();
    const QString programma = cartella + QStringLiteral("/vardello");
    const QString vuota = cartella + QStringLiteral("/bench_finestra_vuota");
    if (!QFileInfo(programma).isExecutable() || !QFileInfo(vuota).isExecutable()) {
        std::fprintf(stderr, "vardello or bench_finestra_vuota missing next to bench_avvio\n");
        return 1;
    }

    QElapsedTimer t;
    t.start();
    if (!generaDati() || !generaBackup()) {
        std::fprintf(stderr, "dati non generati\n");
        return 1;
    }
    // The language and the bank were chosen at an earlier start.
    {
        QSettings banca(QStringLiteral("Vardello"), QStringLiteral("Banca"));
        banca.setValue(QStringLiteral("id"), QStringLiteral("x"));
        QSettings lingua(QStringLiteral("Vardello"), QStringLiteral("Lingua"));
        lingua.setValue(QStringLiteral("lingua"), QStringLiteral("it"));
    }
    const QString casa = disco.path();
    if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), generati.path() + QStringLiteral("/."), casa})
        != 0) {
        std::fprintf(stderr, "dati non copiati\n");
        return 1;
    }
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), casa);
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa + QStringLiteral("/.config"));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa + QStringLiteral("/.local/share"));
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), casa);
    ambiente.insert(QStringLiteral("VARDELLO_MISURA_AVVIO"), QStringLiteral("1"));
    int file = 0;
    qint64 byte = 0;
    contaDati(casa, &file, &byte);
    int quantiBackup = 0;
    ultimoBackup(casa, &quantiBackup);
    std::printf("data: %d employees, 12 saved months, %d backups, 26 tariff files; %d files, %.1f MB to back up "
                "(%.1f s to generate)\n",
                kDipendenti, quantiBackup, file, byte / 1e6, t.nsecsElapsed() / 1e9);
    std::printf("platform %s, home folder on disk, %d runs each (medians)\n", qgetenv("QT_QPA_PLATFORM").constData(),
                giri);

    // The first start after the data were written: its backup is new.
    const Avvio primo = avvia(programma, casa, ambiente);
    const Avvio primaVuota = avvia(vuota, casa, ambiente);
    std::printf("first start: main window %.0f ms (empty window %.0f ms), backup %.0f ms\n", primo.finestra,
                primaVuota.finestra, primo.backup);

    // One series of starts, each paired with an empty window's; after a
    // change, one employee's movements changed since the last backup
    // (written by the program's own writer, then put in place on disk).
    struct Serie
    {
        std::vector<double> finestre, sopra, backup, stallo;
        int nuovi = 0; // starts that made a new backup
    };
    std::vector<double> vuote;
    const auto serie = [&](bool modifica, Serie& s) {
        for (int g = 0; g < giri; ++g) {
            const QString precedente = ultimoBackup(casa);
            if (modifica) {
                MovimentoStipendio m;
                m.data = QStringLiteral("2026-04-15");
                m.tipo = QStringLiteral("Bonus");
                m.importo = 1 + g;
                Movimenti::salva(id(g), {m});
                const QString scritto = Movimenti::percorsoFile(id(g));
                const QString suDisco = casa + scritto.mid(generati.path().size());
                if (!QFile::remove(suDisco) || !QFile::copy(scritto, suDisco)) {
                    std::fprintf(stderr, "change not written\n");
                    return false;
                }
            }
            const Avvio v = avvia(vuota, casa, ambiente);
            const Avvio a = avvia(programma, casa, ambiente);
            if (v.finestra < 0 || a.finestra < 0 || a.backup < 0) {
                std::fprintf(stderr, "start %d%s did not report\n", g + 1, modifica ? " after a change" : "");
                return false;
            }
            vuote.push_back(v.finestra);
            s.finestre.push_back(a.finestra);
            s.sopra.push_back(a.finestra - v.finestra);
            s.backup.push_back(a.backup);
            s.stallo.push_back(a.stallo);
            if (ultimoBackup(casa) != precedente)
                ++s.nuovi;
        }
        return true;
    };
    Serie calda, cambiata;
    if (!serie(false, calda) || !serie(true, cambiata))
        return 1;

    const double caldo = mediana(calda.sopra);
    const double stalloMassimo = std::max(massimo(calda.stallo), massimo(cambiata.stallo));
    std::printf("empty window:                       %6.0f ms (%.0f-%.0f)\n", mediana(vuote), minimo(vuote),
                massimo(vuote));
    std::printf("main window, warm:                  %6.0f ms (%.0f-%.0f), %+.0f ms above the empty window "
                "(target < 300 ms)\n",
                mediana(calda.finestre), minimo(calda.finestre), massimo(calda.finestre), caldo);
    std::printf("main window, after a changed file:  %6.0f ms (%.0f-%.0f), %+.0f ms above the empty window\n",
                mediana(cambiata.finestre), minimo(cambiata.finestre), massimo(cambiata.finestre),
                mediana(cambiata.sopra));
    std::printf("backup after the window, nothing changed: %6.0f ms (%.0f-%.0f), longest stall %.0f ms "
                "(%d new backups)\n",
                mediana(calda.backup), minimo(calda.backup), massimo(calda.backup), massimo(calda.stallo),
                calda.nuovi);
    std::printf("backup after the window, one file changed: %5.0f ms (%.0f-%.0f), longest stall %.0f ms "
                "(%d new backups)\n",
                mediana(cambiata.backup), minimo(cambiata.backup), massimo(cambiata.backup),
                massimo(cambiata.stallo), cambiata.nuovi);
    std::printf("longest stall of the window while the backup ran: %.0f ms (target < 50 ms)\n", stalloMassimo);
    return caldo < 300 && stalloMassimo < 50 ? 0 : 2;
}
