#include "ambientetest.h"
#include "nap.h"

class TestNap : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { AmbienteTest::svuota(); }

    void elenco();
    void cantone_data();
    void cantone();
    void localita_data();
    void localita();
    void napPerLocalita_data();
    void napPerLocalita();
    void righeScartate_data();
    void righeScartate();
    void fileMancante();
};

void TestNap::initTestCase()
{
    // The real directory the program ships, as built into it.
    NAP::azzera();
    QVERIFY(NAP::carica());
}

void TestNap::elenco()
{
    QVERIFY(NAP::carica()); // already loaded: at once
    const QStringList tutti = NAP::tuttiINap();
    QCOMPARE(tutti.size(), 3190);
    QCOMPARE(tutti.first(), QStringLiteral("1000"));
    QCOMPARE(tutti.last(), QStringLiteral("9658"));
    QStringList ordinati = tutti;
    ordinati.sort();
    QCOMPARE(tutti, ordinati);

    int massimo = 0;
    for (const QString& nap : tutti)
        massimo = qMax(massimo, NAP::localitaPerNap(nap).size());
    QCOMPARE(massimo, 12);
}

void TestNap::cantone_data()
{
    QTest::addColumn<QString>("nap");
    QTest::addColumn<QString>("cantone");

    QTest::newRow("Lugano") << "6900" << "TI";
    QTest::newRow("first row decides: GE before VD") << "1290" << "GE";
    QTest::newRow("Vulliens: VD before FR") << "1085" << "VD";
    QTest::newRow("Liechtenstein has none") << "9490" << "";
    QTest::newRow("leading blank not trimmed") << " 6900" << "";
    QTest::newRow("three digits") << "690" << "";
    QTest::newRow("unknown") << "0000" << "";
}

void TestNap::cantone()
{
    QFETCH(QString, nap);
    QFETCH(QString, cantone);
    QCOMPARE(NAP::cantonePerNap(nap), cantone);
}

void TestNap::localita_data()
{
    QTest::addColumn<QString>("nap");
    QTest::addColumn<QStringList>("localita");

    QTest::newRow("6900") << "6900" << QStringList{"Lugano", "Massagno", "Paradiso"};
    QTest::newRow("1000") << "1000" << QStringList{"Lausanne 25", "Lausanne 26", "Lausanne 27"};
    QTest::newRow("Genève given as Genf") << "1201" << QStringList{"Genf"};
    QTest::newRow("Vaduz") << "9490" << QStringList{"Vaduz"};
    QTest::newRow("in two cantons, each locality once") << "1085" << QStringList{"Vulliens"};
    QTest::newRow("unknown") << "0000" << QStringList{};
}

void TestNap::localita()
{
    QFETCH(QString, nap);
    QFETCH(QStringList, localita);
    QCOMPARE(NAP::localitaPerNap(nap), localita);
}

void TestNap::napPerLocalita_data()
{
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QStringList>("nap");

    const QStringList ginevra = {"1201", "1202", "1203", "1204", "1205", "1206", "1207", "1208", "1209", "1215"};
    QTest::newRow("Genève") << QStringLiteral("Genève") << ginevra;
    QTest::newRow("Genf, the name localitaPerNap gives") << "Genf" << ginevra;
    QTest::newRow("GENF") << "GENF" << ginevra;
    QTest::newRow("lugano with blanks") << "  lugano " << QStringList{"6900"};
    QTest::newRow("Massagno") << "Massagno" << QStringList{"6900"};
    QTest::newRow("Chur, stored in German") << "Chur" << QStringList{"7000"};
    QTest::newRow("part of a name") << "Lugan" << QStringList{};
    QTest::newRow("empty") << "   " << QStringList{};
}

void TestNap::napPerLocalita()
{
    QFETCH(QString, localita);
    QFETCH(QStringList, nap);
    QCOMPARE(NAP::napPerLocalita(localita), nap);
}

void TestNap::righeScartate_data()
{
    QTest::addColumn<QByteArray>("riga");

    QTest::newRow("two fields") << QByteArray("Altrove;1234");
    QTest::newRow("six fields") << QByteArray("Altrove;1234;00;1;Altrove;1");
    QTest::newRow("three digits") << QByteArray("Altrove;123;00;1;Altrove;1;TI;100 %;0;0;it;2008-07-01");
    QTest::newRow("letters") << QByteArray("Altrove;12a4;00;1;Altrove;1;TI;100 %;0;0;it;2008-07-01");
    QTest::newRow("empty locality") << QByteArray(" ;1234;00;1;Altrove;1;TI;100 %;0;0;it;2008-07-01");
}

void TestNap::righeScartate()
{
    QFETCH(QByteArray, riga);

    const QByteArray intestazione = "\xEF\xBB\xBFOrtschaftsname;PLZ4;Zusatzziffer;ZIP_ID;Gemeindename;BFS-Nr;"
                                    "Kantonsk\xC3\xBCrzel;Adressenanteil;E;N;Sprache;Validity\r\n";
    const QByteArray valida = "Z\xC3\xBCrich;8001;00;1;Z\xC3\xBCrich;261;ZH;100 %;0;0;de;2008-07-01\r\n"
                              "Gen\xC3\xA8ve;1201;00;2;Gen\xC3\xA8ve;6621;GE;100 %;0;0;fr;2008-07-01\r\n";
    const QString percorso = AmbienteTest::home() + QStringLiteral("/nap.csv");
    AmbienteTest::scrivi(percorso, intestazione + valida + riga + "\r\n\r\n");

    QTest::ignoreMessage(QtWarningMsg, "NAP::carica - righe scartate: 1");
    QVERIFY(NAP::caricaDa(percorso));
    QCOMPARE(NAP::tuttiINap(), QStringList({"1201", "8001"}));
    QCOMPARE(NAP::localitaPerNap(QStringLiteral("8001")), QStringList{QStringLiteral("Zürich")});
    QCOMPARE(NAP::localitaPerNap(QStringLiteral("1201")), QStringList{QStringLiteral("Genf")});
    QVERIFY(NAP::localitaPerNap(QStringLiteral("1234")).isEmpty());

    // Back to the built-in directory for the other tests.
    NAP::azzera();
    QVERIFY(NAP::carica());
}

void TestNap::fileMancante()
{
    const QString vuoto = AmbienteTest::home() + QStringLiteral("/vuoto.csv");
    AmbienteTest::scrivi(vuoto, "Ortschaftsname;PLZ4\r\n");
    QTest::ignoreMessage(QtWarningMsg, "NAP::carica - nessun NAP valido caricato");
    QVERIFY(!NAP::caricaDa(vuoto));
    QVERIFY(NAP::tuttiINap().isEmpty());
    QVERIFY(NAP::cantonePerNap(QStringLiteral("6900")).isEmpty());

    // Not loaded: a later call reads again.
    QVERIFY(NAP::carica());
    QCOMPARE(NAP::cantonePerNap(QStringLiteral("6900")), QStringLiteral("TI"));

    NAP::azzera();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("impossibile aprire")));
    QVERIFY(!NAP::caricaDa(AmbienteTest::home() + QStringLiteral("/manca.csv")));
    QVERIFY(NAP::carica());
}

VARDELLO_TEST_MAIN(TestNap)
#include "tst_nap.moc"
