// Backups, pruning and restores killed at random moments, 200 times each (25
// in a sanitizer build): at the next start every listed backup is complete
// and every data folder holds either what it held before the restore or the
// backup, never a mix.
#include "ambientetest.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

class TestBackupUccisioni : public QObject
{
    Q_OBJECT

private slots:
    void uccisi_data();
    void uccisi();
    void cleanupTestCase();

private:
    qint64 m_totale = 0;
};

void TestBackupUccisioni::uccisi_data()
{
    QTest::addColumn<QString>("modo");
    QTest::newRow("backup") << QStringLiteral("backup");
    QTest::newRow("pruning") << QStringLiteral("potatura");
    QTest::newRow("restore") << QStringLiteral("ripristino");
}

void TestBackupUccisioni::uccisi()
{
    QFETCH(QString, modo);
    // A home in memory when the system has one: the kills do not wait for
    // a busy disk.
    const QFileInfo memoria(QStringLiteral("/dev/shm"));
    QTemporaryDir casa((memoria.isDir() && memoria.isWritable() ? memoria.filePath() : AmbienteTest::home())
                       + QStringLiteral("/vardello_uccisioni_XXXXXX"));
    QVERIFY(casa.isValid());
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), casa.path());
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.path() + QStringLiteral("/.config"));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa.path() + QStringLiteral("/.local/share"));

    // Under the sanitizers every round ends too, only slower: a round takes
    // about eight times as long, most of it in the forks, which copy what
    // the child holds, and AddressSanitizer's quarantine of freed memory
    // grows it to some 200 MB. That build looks for memory faults, which
    // every kind of operation, kill and resumption meets within a few
    // rounds; the plain build's 200 a series look for the unlucky moment.
    // So 25 kills a series, and a child with a quarantine of 16 MB (an
    // ASAN_OPTIONS of the caller's that sets its own has the last word).
#if defined(VARDELLO_SANITIZE) || defined(__SANITIZE_ADDRESS__)
    constexpr int kUccisioni = 25;
    const QString asan = ambiente.value(QStringLiteral("ASAN_OPTIONS"));
    ambiente.insert(QStringLiteral("ASAN_OPTIONS"),
                    QStringLiteral("quarantine_size_mb=16") + (asan.isEmpty() ? QString() : QLatin1Char(':') + asan));
#else
    constexpr int kUccisioni = 200;
#endif
    QElapsedTimer tempo;
    tempo.start();
    QProcess figlio;
    figlio.setProcessEnvironment(ambiente);
    figlio.start(QStringLiteral(VARDELLO_FIGLIO_BACKUP),
                 {modo, QString::number(kUccisioni), QStringLiteral("20260308")});
    // No time limit of its own: a busy machine only makes it slower, and the
    // suite's limit stops a child that hangs.
    QVERIFY(figlio.waitForFinished(-1));
    QVERIFY2(figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0,
             figlio.readAllStandardError().constData());
    const QStringList esito = QString::fromLatin1(figlio.readAllStandardOutput()).split(QLatin1Char(' '));
    QCOMPARE(esito.value(0) + QLatin1Char(' ') + esito.value(1), QStringLiteral("ok %1").arg(kUccisioni));
    m_totale += tempo.elapsed();
    qInfo("%s: %d uccisioni (%d finite prima) in %lld ms", qPrintable(modo), kUccisioni,
          esito.value(2).trimmed().toInt(), tempo.elapsed());
}

// The time of the three series goes to the log only (about 10 s on an idle
// machine): what each series must show is that every kill was survived.
void TestBackupUccisioni::cleanupTestCase()
{
    qInfo("the three kill series took %lld ms", m_totale);
}

VARDELLO_TEST_MAIN(TestBackupUccisioni)
#include "tst_backupuccisioni.moc"
