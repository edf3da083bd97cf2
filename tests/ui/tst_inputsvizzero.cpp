#include "ambientetest.h"
#include "inputsvizzero.h"

class TestInputSvizzero : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void importo_data();
    void importo();
    void vuoto();
    void data_data();
    void data();
    void avvisi();
};

void TestInputSvizzero::importo_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("valore"); // two decimals
    QTest::addColumn<QString>("numero"); // read as typed, when not the amount

    QTest::newRow("apostrofi e punto") << "5'000.50" << true << "5000.50" << "";
    QTest::newRow("virgola decimale") << "5000,50" << true << "5000.50" << "";
    QTest::newRow("intero") << "5000" << true << "5000.00" << "";
    QTest::newRow("spazi attorno") << "  1'234'567.05 " << true << "1234567.05" << "";
    QTest::newRow("apostrofo tipografico") << QString::fromUtf8("12\u2019500") << true << "12500.00" << "";
    QTest::newRow("negativo") << "-120.5" << true << "-120.50" << "";
    QTest::newRow("un decimale con virgola") << "0,5" << true << "0.50" << "";
    QTest::newRow("zero") << "0" << true << "0.00" << "";
    // Francs hold centimes, rounded half away from zero on the value typed;
    // a rate or hours keep their decimals.
    QTest::newRow("tre decimali") << "19.825" << true << "19.83" << "19.825";
    QTest::newRow("tre decimali negativo") << "-456.275" << true << "-456.28" << "-456.275";
    QTest::newRow("mezzo centesimo") << "0,005" << true << "0.01" << "0.005";
    QTest::newRow("sotto mezzo centesimo") << "1.004" << true << "1.00" << "1.004";
    QTest::newRow("cambio") << "0.95238" << true << "0.95" << "0.95238";
    // Half a centime rounds up on the digits typed, in both signs and at
    // every size up to the widest amount: times 100 in binary, 1.005 is
    // 100.49999999999999 and 0.285 is 28.499999999999996.
    QTest::newRow("1.005") << "1.005" << true << "1.01" << "1.005";
    QTest::newRow("0.285") << "0.285" << true << "0.29" << "0.285";
    QTest::newRow("1.255") << "1.255" << true << "1.26" << "1.255";
    QTest::newRow("2'048.075") << "2'048.075" << true << "2048.08" << "2048.075";
    QTest::newRow("-2'048.075") << "-2'048.075" << true << "-2048.08" << "-2048.075";
    QTest::newRow("123'456'789.994") << "123'456'789.994" << true << "123456789.99" << "";
    QTest::newRow("999'999'999.995: the maximum") << "999'999'999.995" << true << "1000000000.00" << "";
    QTest::newRow("a centime past the maximum") << "1'000'000'000.01" << false << "" << "";

    QTest::newRow("lettere") << "abc" << false << "" << "";
    QTest::newRow("punto migliaia tedesco") << "5.000,50" << false << "" << "";
    QTest::newRow("virgola migliaia inglese") << "5,000.50" << false << "" << "";
    QTest::newRow("gruppo corto") << "5'00" << false << "" << "";
    QTest::newRow("gruppo lungo") << "50'0000" << false << "" << "";
    QTest::newRow("apostrofo nei decimali") << "5.0'0" << false << "" << "";
    QTest::newRow("separatore finale") << "5000." << false << "" << "";
    QTest::newRow("senza intero") << ".50" << false << "" << "";
    QTest::newRow("valuta") << "CHF 5000" << false << "" << "";
    QTest::newRow("spazio interno") << "5 000" << false << "" << "";
    QTest::newRow("due separatori") << "5.000.50" << false << "" << "";
    QTest::newRow("esponente") << "1e3" << false << "" << "";
    QTest::newRow("infinito") << "inf" << false << "" << "";
    QTest::newRow("solo segno") << "-" << false << "" << "";
}

void TestInputSvizzero::importo()
{
    QFETCH(QString, testo);
    QFETCH(bool, ok);
    QFETCH(QString, valore);
    QFETCH(QString, numero);
    double letto = 777.0;
    QCOMPARE(InputSvizzero::leggiImporto(testo, &letto), ok);
    if (ok)
        QCOMPARE(QString::number(letto, 'f', 2), valore);
    else
        QCOMPARE(letto, 777.0); // untouched, never 0
    double n = 777.0;
    QCOMPARE(InputSvizzero::leggiNumero(testo, &n), ok);
    if (!numero.isEmpty())
        QCOMPARE(QString::number(n, 'f', numero.size() - numero.indexOf(QLatin1Char('.')) - 1), numero);
}

void TestInputSvizzero::vuoto()
{
    double v = 3.0;
    QVERIFY(InputSvizzero::leggiImporto(QStringLiteral("  "), &v));
    QCOMPARE(v, 0.0);
    v = 3.0;
    QVERIFY(!InputSvizzero::leggiImporto(QString(), &v, false));
    QCOMPARE(v, 3.0);
}

void TestInputSvizzero::data_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QDate>("attesa");

    QTest::newRow("punti") << "31.12.2025" << QDate(2025, 12, 31);
    QTest::newRow("barre") << "01/03/2024" << QDate(2024, 3, 1);
    QTest::newRow("cifre singole") << "1.3.2024" << QDate(2024, 3, 1);
    QTest::newRow("bisestile") << "29.02.2024" << QDate(2024, 2, 29);
    QTest::newRow("non bisestile") << "29.02.2025" << QDate();
    QTest::newRow("mese 13") << "01.13.2025" << QDate();
    QTest::newRow("separatori misti") << "01.03/2024" << QDate();
    QTest::newRow("anno corto") << "01.03.24" << QDate();
    QTest::newRow("iso") << "2024-03-01" << QDate();
    QTest::newRow("vuota") << "" << QDate();
    QTest::newRow("testo") << "domani" << QDate();
}

void TestInputSvizzero::data()
{
    QFETCH(QString, testo);
    QFETCH(QDate, attesa);
    QCOMPARE(InputSvizzero::leggiData(testo), attesa);
}

void TestInputSvizzero::avvisi()
{
    RegistroMessaggi registro;
    double v = 9.0;
    QVERIFY(!InputSvizzero::importoOppureAvviso(nullptr, QStringLiteral("Salario"), QStringLiteral("5.000,50"), &v));
    QCOMPARE(v, 9.0);
    QCOMPARE(registro.richieste.size(), 1);
    QVERIFY(registro.ultimoTesto().contains(QStringLiteral("5.000,50")));
    QVERIFY(InputSvizzero::importoOppureAvviso(nullptr, QStringLiteral("Salario"), QStringLiteral("5'000.50"), &v));
    QCOMPARE(registro.richieste.size(), 1);

    QDate d(2020, 1, 1);
    QVERIFY(!InputSvizzero::dataOppureAvviso(nullptr, QStringLiteral("Dal"), QStringLiteral("31.02.2025"), &d));
    QCOMPARE(d, QDate(2020, 1, 1));
    QCOMPARE(registro.richieste.size(), 2);
}

VARDELLO_TEST_MAIN(TestInputSvizzero)
#include "tst_inputsvizzero.moc"
