#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "variabilimensili.h"

#include <QDir>
#include <QFileInfo>

namespace {

QList<VariabileMese> anno(double base)
{
    QList<VariabileMese> mesi;
    for (int m = 1; m <= 12; ++m) {
        VariabileMese v;
        v.mese = m;
        v.rimborsoSpese = base + m;
        v.rimborsoSpeseDesc = QStringLiteral("Spese, mese %1 (è)").arg(m);
        v.oreFatte = 160.5;
        v.trattenuteUEF = 12.35;
        v.trattenuteUEFDesc = QStringLiteral("UEF \"Lugano\"; 50%");
        v.comunicazioni = QStringLiteral("riga uno\nriga due");
        mesi.append(v);
    }
    return mesi;
}

} // namespace

class TestVariabiliMensili : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void annoSenzaFile();
    void salvaECarica();
    void caricaMese_data();
    void caricaMese();
    void rifiuti_data();
    void rifiuti();
    void perPosizione();
    void fileCondiviso_data();
    void fileCondiviso();
    void valoriIllegibili();
    void chiaveSconosciutaSopravvive();
};

void TestVariabiliMensili::annoSenzaFile()
{
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(QStringLiteral("Rossi.txt"), 2026);
    QCOMPARE(mesi.size(), 12);
    for (int m = 1; m <= 12; ++m) {
        QCOMPARE(mesi.at(m - 1).mese, m);
        QCOMPARE(mesi.at(m - 1).rimborsoSpese, 0.0);
        QVERIFY(mesi.at(m - 1).comunicazioni.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(VariabiliMensili::percorsoFile(QStringLiteral("Rossi.txt"), 2026)));
}

void TestVariabiliMensili::salvaECarica()
{
    const QString id = QStringLiteral("Rossi_Mario.txt");
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno(100)));
    QCOMPARE(VariabiliMensili::percorsoFile(id, 2026),
             Config::cartellaDati() + QStringLiteral("/variabili/Rossi_Mario_2026.ini"));
    const QList<VariabileMese> letti = VariabiliMensili::caricaAnno(id, 2026);
    const QList<VariabileMese> attesi = anno(100);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(letti.at(i).rimborsoSpese, attesi.at(i).rimborsoSpese);
        QCOMPARE(letti.at(i).rimborsoSpeseDesc, attesi.at(i).rimborsoSpeseDesc);
        QCOMPARE(letti.at(i).oreFatte, 160.5);
        QCOMPARE(letti.at(i).trattenuteUEF, 12.35);
        QCOMPARE(letti.at(i).trattenuteUEFDesc, attesi.at(i).trattenuteUEFDesc);
        QCOMPARE(letti.at(i).comunicazioni, attesi.at(i).comunicazioni);
    }
}

void TestVariabiliMensili::caricaMese_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("meseAtteso");
    QTest::addColumn<double>("speseAttese");

    QTest::newRow("January") << 1 << 1 << 101.0;
    QTest::newRow("December") << 12 << 12 << 112.0;
    QTest::newRow("month 0: default record") << 0 << 1 << 0.0;
    QTest::newRow("month 13: default record") << 13 << 1 << 0.0;
}

void TestVariabiliMensili::caricaMese()
{
    QFETCH(int, m);
    QFETCH(int, meseAtteso);
    QFETCH(double, speseAttese);
    QVERIFY(VariabiliMensili::salvaAnno(QStringLiteral("a.txt"), 2026, anno(100)));
    const VariabileMese v = VariabiliMensili::caricaMese(QStringLiteral("a.txt"), 2026, m);
    QCOMPARE(v.mese, meseAtteso);
    QCOMPARE(v.rimborsoSpese, speseAttese);
    // Read with its year: the same month, and the year as caricaAnno gives it.
    QList<VariabileMese> mesiAnno;
    QString errore = QStringLiteral("not cleared");
    const VariabileMese conAnno = VariabiliMensili::caricaMese(QStringLiteral("a.txt"), 2026, m, &errore, &mesiAnno);
    QCOMPARE(conAnno.mese, meseAtteso);
    QCOMPARE(conAnno.rimborsoSpese, speseAttese);
    QCOMPARE(errore, QString());
    QCOMPARE(mesiAnno.size(), 12);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(mesiAnno.at(i).mese, i + 1);
        QCOMPARE(mesiAnno.at(i).rimborsoSpese, 101.0 + i);
    }
}

void TestVariabiliMensili::rifiuti_data()
{
    QTest::addColumn<int>("quanti");
    QTest::addColumn<bool>("chiuso");
    QTest::addColumn<QString>("id");

    QTest::newRow("eleven months") << 11 << false << "a.txt";
    QTest::newRow("no months") << 0 << false << "a.txt";
    QTest::newRow("closed year") << 12 << true << "a.txt";
    QTest::newRow("no file name") << 12 << false << "cartella/";
    QTest::newRow("empty id") << 12 << false << "";
}

void TestVariabiliMensili::rifiuti()
{
    QFETCH(int, quanti);
    QFETCH(bool, chiuso);
    QFETCH(QString, id);

    if (chiuso)
        QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("test"), QString()));
    QList<VariabileMese> mesi = anno(1);
    while (mesi.size() > quanti)
        mesi.removeLast();
    QVERIFY(!VariabiliMensili::salvaAnno(id, 2026, mesi));
    const QString cartella = Config::cartellaDati() + QStringLiteral("/variabili");
    QVERIFY(QDir(cartella).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestVariabiliMensili::perPosizione()
{
    QList<VariabileMese> mesi = anno(100);
    for (VariabileMese& v : mesi)
        v.mese = 7; // wrong months: stored by position
    mesi.append(anno(900).first()); // a thirteenth record is ignored
    QVERIFY(VariabiliMensili::salvaAnno(QStringLiteral("p.txt"), 2026, mesi));
    const QList<VariabileMese> letti = VariabiliMensili::caricaAnno(QStringLiteral("p.txt"), 2026);
    QCOMPARE(letti.at(0).mese, 1);
    QCOMPARE(letti.at(0).rimborsoSpese, 101.0);
    QCOMPARE(letti.at(11).rimborsoSpese, 112.0);
}

void TestVariabiliMensili::fileCondiviso_data()
{
    QTest::addColumn<QString>("altro");
    QTest::newRow("other extension") << "Rossi.dat";
    QTest::newRow("other folder") << "/altrove/Rossi.txt";
    QTest::newRow("no extension") << "Rossi";
}

void TestVariabiliMensili::fileCondiviso()
{
    QFETCH(QString, altro);
    QVERIFY(VariabiliMensili::salvaAnno(QStringLiteral("Rossi.txt"), 2026, anno(100)));
    QCOMPARE(VariabiliMensili::percorsoFile(altro, 2026), VariabiliMensili::percorsoFile(QStringLiteral("Rossi.txt"), 2026));
    QCOMPARE(VariabiliMensili::caricaMese(altro, 2026, 3).rimborsoSpese, 103.0);
}

void TestVariabiliMensili::valoriIllegibili()
{
    const QString id = QStringLiteral("b.txt");
    AmbienteTest::scrivi(VariabiliMensili::percorsoFile(id, 2026),
                         "[Mese_1]\nrimborsoSpese=cento\nacconti=1,5\noreFatte=  42.5\ncomunicazioni=a, b\n"
                         "[Mese_2]\nacconti=\nrimborsoSpeseDesc=ok\n[Mese_x]\nacconti=7\ngarbage line\n");
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, 2026);
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(mesi.at(0).rimborsoSpese, 0.0);
    QCOMPARE(mesi.at(0).acconti, 0.0);
    QCOMPARE(mesi.at(0).oreFatte, 42.5);
    QCOMPARE(mesi.at(0).comunicazioni, QStringLiteral("a, b"));
    QCOMPARE(mesi.at(1).acconti, 0.0);
    QCOMPARE(mesi.at(1).rimborsoSpeseDesc, QStringLiteral("ok"));
    // Read with its year, a month reports what it reports alone: its own
    // fields, not the other months'.
    for (int m : {1, 2}) {
        QString solo;
        QString conAnno;
        QList<VariabileMese> mesiAnno;
        VariabiliMensili::caricaMese(id, 2026, m, &solo);
        VariabiliMensili::caricaMese(id, 2026, m, &conAnno, &mesiAnno);
        QCOMPARE(conAnno, solo);
        QCOMPARE(solo.contains(QStringLiteral("Mese_1/rimborsoSpese")), m == 1);
        QCOMPARE(mesiAnno.at(0).oreFatte, 42.5);
    }
}

void TestVariabiliMensili::chiaveSconosciutaSopravvive()
{
    const QString id = QStringLiteral("c.txt");
    AmbienteTest::scrivi(VariabiliMensili::percorsoFile(id, 2026),
                         "[Mese_3]\nchiaveFutura=42\nacconti=10\n[Altro]\nx=1\n");
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, anno(0)));
    const QString testo = QString::fromUtf8(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)));
    QVERIFY(testo.contains(QStringLiteral("chiaveFutura=42")));
    QVERIFY(testo.contains(QStringLiteral("[Altro]")));
    QCOMPARE(VariabiliMensili::caricaMese(id, 2026, 3).acconti, 0.0);
}

VARDELLO_TEST_MAIN(TestVariabiliMensili)
#include "tst_variabilimensili.moc"
