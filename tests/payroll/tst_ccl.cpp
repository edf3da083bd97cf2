#include "ambientetest.h"
#include "ccl.h"
#include "config.h"

class TestCCL : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void verifica_data();
    void verifica();
    void tabellaDanneggiata_data();
    void tabellaDanneggiata();
};

void TestCCL::verifica_data()
{
    QTest::addColumn<QByteArray>("copiaUtente"); // empty: the built-in table
    QTest::addColumn<QString>("ccl");
    QTest::addColumn<QString>("categoria");
    QTest::addColumn<double>("salario");
    QTest::addColumn<bool>("trovato");
    QTest::addColumn<bool>("sotto");
    QTest::addColumn<QString>("messaggio");

    // The hourly categories hold the hourly minimum: the card compares the
    // hourly pay, equal is not below.
    QTest::newRow("hourly at the minimum") << QByteArray() << "Pulizie" << "Con_AFC_ora" << 25.80 << true << false << "";
    QTest::newRow("hourly under") << QByteArray() << "Pulizie" << "Con_AFC_ora" << 25.75 << true << true
                                  << "ATTENZIONE: salario CHF 25.75 inferiore al minimo CCL Pulizie (Con_AFC_ora) = "
                                     "CHF 25.80/ora. Possibile violazione CCL. Procedere a proprio rischio.";
    QTest::newRow("empty category") << QByteArray() << "Pulizie" << "" << 1.0 << false << false
                                    << "CCL Pulizie categoria  non trovato in ccl_minimi.ini";
    QTest::newRow("case counts") << QByteArray() << "pulizie" << "Con_AFC_ora" << 1.0 << false << false
                                 << "CCL pulizie categoria Con_AFC_ora non trovato in ccl_minimi.ini";
    QTest::newRow("no agreement") << QByteArray() << "" << "Manovale" << 1.0 << false << false << "";
    QTest::newRow("user copy wins") << QByteArray("[Edilizia_principale]\nManovale=5000\n") << "Edilizia_principale"
                                    << "Manovale" << 4800.0 << true << true
                                    << "ATTENZIONE: salario CHF 4800.00 inferiore al minimo CCL Edilizia_principale "
                                       "(Manovale) = CHF 5000.00/mese. Possibile violazione CCL. Procedere a proprio "
                                       "rischio.";
    // Edited by hand: an agreement may stand in two groups of its name.
    QTest::newRow("agreement in two groups")
        << QByteArray("[Pulizie]\nCon_AFC_ora=30\n[Edilizia_principale]\nManovale=5000\n[Pulizie]\nStage=10\n")
        << "Pulizie" << "Con_AFC_ora" << 30.0 << true << false << "";
}

// A user copy that does not read cleanly: reported by file and line, no
// minimum checked, and a typed value never aborts ("%F": the user copy).
void TestCCL::tabellaDanneggiata_data()
{
    QTest::addColumn<QByteArray>("copiaUtente");
    QTest::addColumn<QString>("ccl");
    QTest::addColumn<QString>("categoria");
    QTest::addColumn<QString>("danno");
    QTest::newRow("typed value") << QByteArray("[Edilizia_principale]\nManovale=@Variant(\0\0\0\x0b\x7f\xff\xff\xff)\n", 50)
                                 << "Edilizia_principale" << "Manovale" << "%F, riga 2: carattere NUL";
    QTest::newRow("typed value, no NUL") << QByteArray("[Edilizia_principale]\nManovale=@Variant(AAAA)\n")
                                         << "Edilizia_principale" << "Manovale"
                                         << "%F, riga 2: valore non valido per Edilizia_principale/Manovale";
    QTest::newRow("junk after a number") << QByteArray("[Pulizie]\nCon_AFC_ora=25.80 CHF\n") << "Pulizie"
                                         << "Con_AFC_ora" << "%F, riga 2: valore non valido per Pulizie/Con_AFC_ora";
    QTest::newRow("category given twice")
        << QByteArray("[Pulizie]\nCon_AFC_ora=25.80\n[Edilizia_principale]\nManovale=5000\n[Pulizie]\nCon_AFC_ora=20\n")
        << "Pulizie" << "Con_AFC_ora" << "%F, riga 6: chiave ripetuta: Con_AFC_ora, già alla riga 2";
}

void TestCCL::tabellaDanneggiata()
{
    QFETCH(QByteArray, copiaUtente);
    QFETCH(QString, ccl);
    QFETCH(QString, categoria);
    QFETCH(QString, danno);
    const QString file = Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini");
    AmbienteTest::scrivi(file, copiaUtente);
    const EsitoCCL e = CCL::verifica(ccl, categoria, 1.0);
    QVERIFY(!e.trovato && !e.sottoMinimo);
    QVERIFY2(e.errore.contains(QString(danno).replace(QStringLiteral("%F"), file)), qPrintable(e.errore));
    QCOMPARE(e.messaggio, e.errore);
    QCOMPARE(AmbienteTest::leggi(file), copiaUtente);
}

void TestCCL::verifica()
{
    QFETCH(QByteArray, copiaUtente);
    QFETCH(QString, ccl);
    QFETCH(QString, categoria);
    QFETCH(double, salario);
    QFETCH(bool, trovato);
    QFETCH(bool, sotto);
    QFETCH(QString, messaggio);
    if (!copiaUtente.isEmpty())
        AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini"), copiaUtente);

    const EsitoCCL e = CCL::verifica(ccl, categoria, salario);
    QCOMPARE(e.trovato, trovato);
    QCOMPARE(e.sottoMinimo, sotto);
    QCOMPARE(e.chiave, trovato ? ccl + QLatin1Char('/') + categoria : QString());
    QCOMPARE(e.messaggio, messaggio);
    QVERIFY(e.errore.isEmpty());
}

VARDELLO_TEST_MAIN(TestCCL)
#include "tst_ccl.moc"
