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

    QTest::newRow("hourly under") << QByteArray() << "Pulizie" << "Con_AFC_ora" << 25.75 << true << true
                                  << "ATTENZIONE: salario CHF 25.75 inferiore al minimo CCL Pulizie (Con_AFC_ora) = "
                                     "CHF 25.80/mese. Possibile violazione CCL. Procedere a proprio rischio.";
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
}

VARDELLO_TEST_MAIN(TestCCL)
#include "tst_ccl.moc"
