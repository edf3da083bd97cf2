#include "ambientetest.h"
#include "ferie.h"

#include <QFileInfo>

class TestFerie : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void senzaFile();
    void saldi_data();
    void saldi();
    void dirittoMaturato_data();
    void dirittoMaturato();
    void proRata_data();
    void proRata();
    void altriAnniIntatti();
    void chiaveFuoriCartella();
};

void TestFerie::senzaFile()
{
    Ferie f(QStringLiteral("Rossi_Mario"));
    f.setAnnoCorrente(2026);
    const Ferie::AnnoFerie a = f.leggiAnno(2026);
    QCOMPARE(a.legaliDiritto, 25);
    QCOMPARE(a.legaliPrese + a.regalateDiritto + a.aggiuntiveDiritto + a.giorniLavorati, 0);
    QCOMPARE(f.saldoTotale(), 25);
    QVERIFY(QFileInfo(AmbienteTest::home() + QStringLiteral("/.vardello_dati/ferie")).isDir());
}

// A count that cannot be read is reported with the file and its line, reads
// as 0, and the year is not written over that file.
void TestFerie::saldi_data()
{
    QTest::addColumn<QByteArray>("gruppo");
    QTest::addColumn<int>("legali");
    QTest::addColumn<int>("totale");
    QTest::addColumn<QString>("errore"); // after the file's path; "" for a clean file
    QTest::newRow("other year only") << QByteArray("[2025]\nlegaliPrese=10\n") << 25 << 25 << "";
    QTest::newRow("more taken than due")
        << QByteArray("[2026]\nlegaliDiritto=20\nlegaliPrese=22\nregalateDiritto=2\naggiuntivePrese=1\n") << -2 << -1
        << "";
    QTest::newRow("CRLF, BOM, trailing blanks")
        << QByteArray("\xEF\xBB\xBF[2026]\r\nlegaliDiritto=20 \r\nlegaliPrese=3\t\r\n") << 17 << 17 << "";
    QTest::newRow("not a number") << QByteArray("[2026]\nlegaliPrese=tanti\n") << 25 << 25
                                  << ", riga 2: valore non valido per 2026/legaliPrese: \"tanti\"";
    QTest::newRow("junk after a number") << QByteArray("[2026]\nlegaliDiritto=20\nlegaliPrese=5 giorni\n") << 20 << 20
                                         << ", riga 3: valore non valido per 2026/legaliPrese: \"5 giorni\"";
    QTest::newRow("header without ]") << QByteArray("[2025]\nlegaliPrese=1\n[2026\nlegaliPrese=4\n") << 25 << 25
                                      << ", riga 3: intestazione di gruppo senza \"]\"";
    QTest::newRow("NUL") << QByteArray("[2026]\nlegaliPrese=4\0\n", 22) << 25 << 25 << ", riga 2: carattere NUL";
    QTest::newRow("above the size limit")
        << QByteArray("[2026]\nlegaliPrese=4\n") + QByteArray(4 * 1024 * 1024, '#') << 25 << 25 << " supera";
}

void TestFerie::saldi()
{
    QFETCH(QByteArray, gruppo);
    QFETCH(int, legali);
    QFETCH(int, totale);
    QFETCH(QString, errore);
    Ferie f(QStringLiteral("Rossi_Mario"));
    f.setAnnoCorrente(2026);
    AmbienteTest::scrivi(f.percorsoFile(), gruppo);
    QCOMPARE(f.saldoLegali(), legali);
    QCOMPARE(f.saldoTotale(), totale);
    QString letto;
    const Ferie::AnnoFerie a = f.leggiAnno(2026, &letto);
    QString scritto;
    const bool salvato = f.scriviAnno(2026, a, &scritto);
    if (errore.isEmpty()) {
        QVERIFY2(letto.isEmpty(), qPrintable(letto));
        QVERIFY(salvato);
        return;
    }
    QVERIFY2(letto.contains(f.percorsoFile() + errore), qPrintable(letto));
    QVERIFY(!salvato);
    QVERIFY(scritto.contains(errore));
    QCOMPARE(AmbienteTest::leggi(f.percorsoFile()), gruppo);
}

// A year employed only part of the time owes entitlement x months / 12, to
// one decimal.
void TestFerie::dirittoMaturato_data()
{
    QTest::addColumn<double>("diritto");
    QTest::addColumn<double>("mesi");
    QTest::addColumn<double>("attesa");
    // 20 x 9.5 / 12 = 15.833 -> 15.8.
    QTest::newRow("entry 16/03: 9.5 months") << 20.0 << 9.5 << 15.8;
    // 20 x 3.5 / 12 = 5.833 -> 5.8.
    QTest::newRow("exit 15/04: 3.5 months") << 20.0 << 3.5 << 5.8;
    // 22.5 x 6 / 12 = 11.25 -> 11.3.
    QTest::newRow("half a year, half days") << 22.5 << 6.0 << 11.3;
    // 25 x 10.2 / 12 = 21.25 (21.2499... in binary) -> 21.3, half up.
    QTest::newRow("entry 25/02: 10.2 months") << 25.0 << (6 / 30.0 + 10) << 21.3;
    // A whole year: as it is, never rounded (21.65 stays).
    QTest::newRow("whole year") << 20.0 << 12.0 << 20.0;
    QTest::newRow("whole year, unrounded") << 21.65 << 12.0 << 21.65;
    QTest::newRow("no month") << 20.0 << 0.0 << 0.0;
}

void TestFerie::dirittoMaturato()
{
    QFETCH(double, diritto);
    QFETCH(double, mesi);
    QFETCH(double, attesa);
    QCOMPARE(Ferie::dirittoMaturato(diritto, mesi), attesa);
}

void TestFerie::proRata_data()
{
    QTest::addColumn<int>("giorni");
    QTest::addColumn<double>("attesa");
    QTest::newRow("182 days") << 182 << 182 * 25 / 365.0;
    QTest::newRow("364 days") << 364 << 364 * 25 / 365.0;
    QTest::newRow("365 days") << 365 << 25.0;
    QTest::newRow("0 days") << 0 << 25.0;
    QTest::newRow("negative") << -3 << 25.0;
}

void TestFerie::proRata()
{
    QFETCH(int, giorni);
    QFETCH(double, attesa);
    Ferie f(QStringLiteral("x"));
    QVERIFY(qFuzzyCompare(f.proRataLegali(giorni), attesa));
}

void TestFerie::altriAnniIntatti()
{
    Ferie f(QStringLiteral("Bianchi_Ugo"));
    Ferie::AnnoFerie vecchio;
    vecchio.legaliPrese = 7;
    vecchio.dataCessazione = QStringLiteral("30/06/2025");
    f.scriviAnno(2025, vecchio);
    Ferie::AnnoFerie nuovo;
    nuovo.legaliDiritto = 30;
    nuovo.giorniLavorati = 200;
    f.scriviAnno(2026, nuovo);
    const Ferie::AnnoFerie letto = f.leggiAnno(2025);
    QCOMPARE(letto.legaliPrese, 7);
    QCOMPARE(letto.dataCessazione, QStringLiteral("30/06/2025"));
    QCOMPARE(f.leggiAnno(2026).giorniLavorati, 200);
}

void TestFerie::chiaveFuoriCartella()
{
    Ferie f(QStringLiteral("../fuori"));
    QVERIFY(f.percorsoFile().isEmpty());
    f.scriviAnno(2026, Ferie::AnnoFerie());
    QVERIFY(!QFileInfo::exists(AmbienteTest::home() + QStringLiteral("/.vardello_dati/fuori.ini")));
    QCOMPARE(f.leggiAnno(2026).legaliDiritto, 25);
}

VARDELLO_TEST_MAIN(TestFerie)
#include "tst_ferie.moc"
