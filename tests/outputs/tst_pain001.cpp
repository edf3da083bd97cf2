#include "ambientetest.h"
#include "orologio.h"
#include "pain001.h"
#include "piattaformatest.h"

#include <QRegularExpression>

class TestPain001 : public QObject
{
    Q_OBJECT

private:
    static Pain001 esempio();

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 1, 26), QTime(8, 0, 0)));
    }

    void messaggio();
    void valido_data();
    void valido();
    void identificativiDiversi();
    void sommaControllo_data();
    void sommaControllo();
    void iban_data();
    void iban();
    void problemi_data();
    void problemi();
};

Pain001 TestPain001::esempio()
{
    Pain001 p;
    p.nomeDebitore = QStringLiteral("Alfa & Figli SA");
    p.ibanDebitore = QStringLiteral("CH93 0076 2011 6238 5295 7");
    p.bicDebitore = QStringLiteral("bsctch22");
    p.dataEsecuzione = QStringLiteral("2026-01-26");
    p.pagamenti = {{QStringLiteral("Rossi Mario"), QStringLiteral("CH56 0483 5012 3456 7800 9"), 3250.4, QStringLiteral("Salario 01/2026")},
                   {QStringLiteral("Bianchi <Ugo>"), QStringLiteral("ch5604835012345678009"), 4100, QString()}};
    return p;
}

void TestPain001::messaggio()
{
    const QString xml = esempio().generaXml();
    QCOMPARE(xml.count(QStringLiteral("<NbOfTxs>2</NbOfTxs>")), 2);
    QCOMPARE(xml.count(QStringLiteral("<CtrlSum>7350.40</CtrlSum>")), 2);
    QVERIFY(xml.contains(QStringLiteral("<InstdAmt Ccy=\"CHF\">3250.40</InstdAmt>")));
    QVERIFY(xml.contains(QStringLiteral("<InstdAmt Ccy=\"CHF\">4100.00</InstdAmt>")));
    QVERIFY(xml.contains(QStringLiteral("<IBAN>CH9300762011623852957</IBAN>")));
    QVERIFY(xml.contains(QStringLiteral("<BICFI>BSCTCH22</BICFI>")));
    QVERIFY(xml.contains(QStringLiteral("<Nm>Alfa &amp; Figli SA</Nm>")));
    QVERIFY(xml.contains(QStringLiteral("<Nm>Bianchi &lt;Ugo&gt;</Nm>")));
    QCOMPARE(xml.count(QStringLiteral("<RmtInf>")), 1);
    QVERIFY(xml.contains(QStringLiteral("<CreDtTm>2026-01-26T08:00:00</CreDtTm>")));
    QVERIFY(xml.contains(QRegularExpression(QStringLiteral("<MsgId>MSG-20260126080000-[0-9a-f]{8}</MsgId>"))));
    QVERIFY(xml.contains(QStringLiteral("<PmtInfId>PMT-MSG-20260126080000-")));
    QVERIFY(xml.contains(QStringLiteral("<Cd>SALA</Cd>")));
    QVERIFY(xml.startsWith(QStringLiteral("<?xml version=\"1.0\"?>")));
}

void TestPain001::valido_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("iban");
    QTest::newRow("plain") << "Rossi Mario" << "CH5604835012345678009";
    QTest::newRow("accents and ampersand") << QString::fromUtf8("Müller & Söhne Ğ") << "CH56-0483-5012-3456-7800-9";
    QTest::newRow("200 characters") << QString(200, QLatin1Char('x')) << "ch56 0483 5012 3456 7800 9";
    QTest::newRow("line break and tab") << "Riga\nDue\tTre\x01" << "CH56\t0483 5012 3456 7800 9";
    QTest::newRow("emoji at the limit") << QString(139, QLatin1Char('a')) + QString::fromUtf8("😀😀") << "CH5604835012345678009";
    QTest::newRow("half a surrogate pair, non-characters")
        << QStringLiteral("Rossi ") + QChar(0xD83D) + QStringLiteral(" Mario") + QChar(0xFFFF) + QChar(0xFFFE)
        << "CH5604835012345678009";
}

void TestPain001::valido()
{
    QFETCH(QString, nome);
    QFETCH(QString, iban);
    Pain001 p = esempio();
    p.nomeDebitore = nome;
    p.pagamenti[0].nomeBeneficiario = nome;
    p.pagamenti[0].ibanBeneficiario = iban;
    p.pagamenti[0].causale = nome;
    QVERIFY(p.problemi().isEmpty());
    const QString percorso = AmbienteTest::home() + QStringLiteral("/pain.xml");
    QVERIFY(p.salvaSuFile(percorso));
    QString uscita;
    QVERIFY2(validaPain001(percorso, &uscita), qPrintable(uscita));
}

void TestPain001::identificativiDiversi()
{
    const Pain001 p = esempio();
    const QRegularExpression re(QStringLiteral("<MsgId>([^<]*)</MsgId>"));
    const QString a = re.match(p.generaXml()).captured(1);
    const QString b = re.match(p.generaXml()).captured(1);
    QVERIFY(!a.isEmpty());
    QVERIFY(a != b);
}

void TestPain001::sommaControllo_data()
{
    QTest::addColumn<QList<double>>("importi");
    QTest::addColumn<QString>("somma");
    QTest::newRow("two salaries") << QList<double>{3250.4, 4100} << "7350.40";
    // Each amount to the centime on its decimal value, half away from zero
    // (1.005 is 1.00499... in binary): 1.01 + 1.01 + 2.68.
    QTest::newRow("halves of a centime") << QList<double>{1.005, 1.005, 2.675} << "4.70";
    QTest::newRow("ten times 0.1") << QVector<double>(10, 0.1).toList() << "1.00";
}

// The bank checks the control sum against the amounts as written.
void TestPain001::sommaControllo()
{
    QFETCH(QList<double>, importi);
    QFETCH(QString, somma);
    Pain001 p = esempio();
    p.pagamenti.clear();
    for (double v : importi)
        p.pagamenti.append({QStringLiteral("Rossi Mario"), QStringLiteral("CH5604835012345678009"), v, QString()});
    const QString xml = p.generaXml();
    qint64 centesimi = 0;
    auto it = QRegularExpression(QStringLiteral("<InstdAmt Ccy=\"CHF\">([0-9]+)\\.([0-9]{2})</InstdAmt>")).globalMatch(xml);
    while (it.hasNext()) {
        const auto m = it.next();
        centesimi += m.captured(1).toLongLong() * 100 + m.captured(2).toLongLong();
    }
    const QString atteso = QStringLiteral("<CtrlSum>") + somma + QStringLiteral("</CtrlSum>");
    QCOMPARE(xml.count(atteso), 2);
    QCOMPARE(QString::number(centesimi / 100.0, 'f', 2), somma);
}

void TestPain001::iban_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<bool>("valido");
    QTest::newRow("Swiss, blanks") << "CH93 0076 2011 6238 5295 7" << true;
    QTest::newRow("lower case, dashes") << "ch93-0076-2011-6238-5295-7" << true;
    QTest::newRow("German") << "DE89 3704 0044 0532 0130 00" << true;
    QTest::newRow("wrong check digit") << "CH94 0076 2011 6238 5295 7" << false;
    QTest::newRow("too short") << "CH9" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters for digits") << "CHAB0076201162385295" << false;
}

void TestPain001::iban()
{
    QFETCH(QString, iban);
    QFETCH(bool, valido);
    QCOMPARE(Pain001::ibanValido(iban), valido);
}

void TestPain001::problemi_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("valore");
    QTest::newRow("no company name") << "nome" << " ";
    QTest::newRow("bad company BIC") << "bic" << "BSC";
    QTest::newRow("bad company IBAN") << "iban" << "CH00 1234";
    QTest::newRow("bad date") << "data" << "26.01.2026";
    QTest::newRow("zero amount") << "importo" << "0";
    QTest::newRow("below a centime") << "importo" << "0.004";
    QTest::newRow("no payments") << "pagamenti" << "";
}

void TestPain001::problemi()
{
    QFETCH(QString, campo);
    QFETCH(QString, valore);
    Pain001 p = esempio();
    if (campo == QLatin1String("nome")) p.nomeDebitore = valore;
    if (campo == QLatin1String("bic")) p.bicDebitore = valore;
    if (campo == QLatin1String("iban")) p.ibanDebitore = valore;
    if (campo == QLatin1String("data")) p.dataEsecuzione = valore;
    if (campo == QLatin1String("importo")) p.pagamenti[1].importo = valore.toDouble();
    if (campo == QLatin1String("pagamenti")) p.pagamenti.clear();
    QCOMPARE(p.problemi().size(), 1);
}

VARDELLO_TEST_MAIN(TestPain001)
#include "tst_pain001.moc"
