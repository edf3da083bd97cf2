// A child process saves employee, company, pay history, variables and
// parameters with changing content and is killed at random moments: every
// file must then load whole, holding either what it held before or one
// complete later save.
#include "ambientetest.h"
#include "salvataggiversione.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QProcess>

#include <functional>

class TestSalvataggi : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void uccisoDuranteIlSalvataggio();
};

void TestSalvataggi::uccisoDuranteIlSalvataggio()
{
    using namespace VersioneSalvataggi;
    // A home in memory when the system has one: every save ends with a
    // flush to disk, which on a busy disk would make the 200 kills slow;
    // renaming a whole file into place works the same there.
    const QString memoria = QStringLiteral("/dev/shm");
    QTemporaryDir casa(QFileInfo(memoria).isDir() && QFileInfo(memoria).isWritable()
                           ? memoria + QStringLiteral("/vardello_crash_XXXXXX")
                           : AmbienteTest::home() + QStringLiteral("/crash_XXXXXX"));
    QVERIFY(casa.isValid());
    const QByteArray homePrima = qgetenv("HOME");
    const QByteArray configPrima = qgetenv("XDG_CONFIG_HOME");
    const QByteArray datiPrima = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", casa.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (casa.path() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (casa.path() + QStringLiteral("/.local/share")).toUtf8());
    struct Ripristino
    {
        QByteArray home, config, dati;
        ~Ripristino()
        {
            qputenv("HOME", home);
            qputenv("XDG_CONFIG_HOME", config);
            qputenv("XDG_DATA_HOME", dati);
        }
    } ripristino{homePrima, configPrima, datiPrima};

    const QString figlio = QStringLiteral(VARDELLO_FIGLIO_SALVATAGGI);
    QProcess primo;
    primo.start(figlio, {QStringLiteral("--una-volta")});
    QVERIFY(primo.waitForFinished(10000));
    QCOMPARE(primo.exitCode(), 0);

    const QList<std::function<int(QString*)>> versioni = {versioneDipendente, versioneAzienda, versionePaghe,
                                                          versioneVariabili, versioneParametri};
    const QStringList nomi = {QStringLiteral("dipendente"), QStringLiteral("azienda"), QStringLiteral("paghe"),
                              QStringLiteral("variabili"), QStringLiteral("parametri")};
    QList<int> prima;
    for (const auto& v : versioni) {
        QString errore;
        prima.append(v(&errore));
        QVERIFY2(prima.last() == 1, qPrintable(errore));
    }

    // The child forks a saving process per round and kills it at a random
    // moment; after each kill every file is checked before the next round.
    constexpr int kUccisioni = 200;
    QElapsedTimer tempo;
    tempo.start();
    QProcess serie;
    serie.start(figlio, {QStringLiteral("--serie"), QString::number(kUccisioni), QStringLiteral("20300101")});
    QVERIFY(serie.waitForStarted(5000));
    int cambiati = 0;
    for (int uccisioni = 1; uccisioni <= kUccisioni; ++uccisioni) {
        while (!serie.canReadLine())
            QVERIFY2(serie.waitForReadyRead(10000), qPrintable(QStringLiteral("giro %1: %2").arg(uccisioni).arg(QString::fromLocal8Bit(serie.readAllStandardError()))));
        const int base = serie.readLine().trimmed().toInt();
        QCOMPARE(base, uccisioni * kPasso);
        for (int i = 0; i < versioni.size(); ++i) {
            QString errore;
            const int dopo = versioni.at(i)(&errore);
            QVERIFY2(dopo >= 0, qPrintable(QStringLiteral("%1 dopo %2 uccisioni: %3").arg(nomi.at(i)).arg(uccisioni).arg(errore)));
            QVERIFY2(dopo > base && dopo < base + kPasso,
                     qPrintable(QStringLiteral("%1: versione %2, prima %3, base %4").arg(nomi.at(i)).arg(dopo).arg(prima.at(i)).arg(base)));
            if (dopo != prima.at(i))
                ++cambiati;
            prima[i] = dopo;
        }
        serie.write("avanti\n");
    }
    QVERIFY(serie.waitForFinished(10000));
    QCOMPARE(serie.exitCode(), 0);
    // Every round saved each file at least once before it was killed; the
    // time goes to the log only.
    QCOMPARE(cambiati, kUccisioni * versioni.size());
    qInfo("%d uccisioni in %lld ms, %d file cambiati", kUccisioni, tempo.elapsed(), cambiati);
}

VARDELLO_TEST_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
