// Backups, pruning and restores killed at random moments, 200 times each: at
// the next start every listed backup is complete and every data folder holds
// either what it held before the restore or the backup, never a mix.
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
    QTest::addColumn<uint>("seme");
    QTest::newRow("backup") << QStringLiteral("backup") << 20260308u;
    QTest::newRow("pruning") << QStringLiteral("potatura") << 20260309u;
    QTest::newRow("restore") << QStringLiteral("ripristino") << 20260310u;
}

void TestBackupUccisioni::uccisi()
{
    QFETCH(QString, modo);
    QFETCH(uint, seme);
    // A home in memory when the system has one: the kills do not wait for
    // a busy disk.
    const QString memoria = QStringLiteral("/dev/shm");
    QTemporaryDir casa(QFileInfo(memoria).isDir() && QFileInfo(memoria).isWritable()
                           ? memoria + QStringLiteral("/vardello_backup_XXXXXX")
                           : AmbienteTest::home() + QStringLiteral("/uccisioni_XXXXXX"));
    QVERIFY(casa.isValid());
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("HOME"), casa.path());
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), casa.path() + QStringLiteral("/.config"));
    ambiente.insert(QStringLiteral("XDG_DATA_HOME"), casa.path() + QStringLiteral("/.local/share"));

    constexpr int kUccisioni = 200;
    QElapsedTimer tempo;
    tempo.start();
    QProcess figlio;
    figlio.setProcessEnvironment(ambiente);
    figlio.start(QStringLiteral(VARDELLO_FIGLIO_BACKUP), {modo, QString::number(kUccisioni), QString::number(seme)});
    QVERIFY(figlio.waitForFinished(60000));
    const QString errori = QString::fromLocal8Bit(figlio.readAllStandardError());
    QVERIFY2(figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0, qPrintable(errori));
    const QStringList esito = QString::fromLatin1(figlio.readAllStandardOutput()).split(QLatin1Char(' '));
    QCOMPARE(esito.value(0), QStringLiteral("ok"));
    QCOMPARE(esito.value(1).toInt(), kUccisioni);
    m_totale += tempo.elapsed();
    qInfo("%s: %d uccisioni (%d finite prima) in %lld ms", qPrintable(modo), kUccisioni,
          esito.value(2).trimmed().toInt(), tempo.elapsed());
}

// The three series within 30 s; a sanitizer build runs several times slower.
void TestBackupUccisioni::cleanupTestCase()
{
#if defined(__SANITIZE_ADDRESS__)
    constexpr qint64 kLimiteMs = 150000;
#else
    constexpr qint64 kLimiteMs = 30000;
#endif
    QVERIFY2(m_totale < kLimiteMs, qPrintable(QString::number(m_totale)));
}

VARDELLO_TEST_MAIN(TestBackupUccisioni)
#include "tst_backupuccisioni.moc"
