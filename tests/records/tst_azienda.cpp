#include "ambientetest.h"
#include "azienda.h"
#include "config.h"

#include <QDir>
#include <QFileInfo>

class TestAzienda : public QObject
{
    Q_OBJECT

private:
    static QString percorso(const QString& nome) { return Config::cartellaDati() + QLatin1Char('/') + nome; }

private slots:
    void init() { AmbienteTest::svuota(); }

    void andataRitorno();
    void numeriEOrdine();
    void lettura_data();
    void lettura();
    void nomiFuoriCartella_data();
    void nomiFuoriCartella();
    void chiaviIniettate();
    void elenco();
};

void TestAzienda::andataRitorno()
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa & Figli SA");
    a.indirizzo = QStringLiteral("Via Cantonale 1\nStabile B");
    a.cap = QStringLiteral("6900");
    a.localita = QStringLiteral("Lugano");
    a.cantone = QStringLiteral("TI");
    a.nazione = QStringLiteral("CH");
    a.campi = {{QStringLiteral("iban"), QStringLiteral("CH9300762011623852957")},
               {QStringLiteral("bic"), QStringLiteral("BSCTCH22")},
               {QStringLiteral("vuoto"), QString()}};
    a.lainfIPperMille = 0.5;
    a.lainfINPuomoPerMille = 14.2;
    a.lainfMassimale = 148200;
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa_Figli_SA.txt")));
    QVERIFY(!AmbienteTest::leggi(percorso(QStringLiteral("Alfa_Figli_SA.txt"))).endsWith('\n'));

    const DatiAzienda b = Azienda::carica(QStringLiteral("Alfa_Figli_SA.txt"));
    QCOMPARE(b.ragioneSociale, a.ragioneSociale);
    QCOMPARE(b.indirizzo, QStringLiteral("Via Cantonale 1 Stabile B"));
    QCOMPARE(b.cap, a.cap);
    QCOMPARE(b.localita, a.localita);
    QCOMPARE(b.cantone, a.cantone);
    QCOMPARE(b.nazione, a.nazione);
    QCOMPARE(b.campi.value(QStringLiteral("iban")), a.campi.value(QStringLiteral("iban")));
    QVERIFY(b.campi.contains(QStringLiteral("vuoto")));
    QCOMPARE(b.lainfIPperMille, 0.5);
    QCOMPARE(b.lainfINPuomoPerMille, 14.2);
    QCOMPARE(b.lainfMassimale, 148200.0);
    QVERIFY(b.tredicesimaAutomatica);
}

void TestAzienda::numeriEOrdine()
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Beta");
    a.lainfINPuomoPerMille = 3.5;
    a.lainfINPdonnaPerMille = 12.345;
    a.tredicesimaAutomatica = false;
    a.campi.insert(QStringLiteral("zz"), QStringLiteral("ultimo"));
    a.campi.insert(QStringLiteral("bic"), QStringLiteral("primo"));
    QVERIFY(Azienda::salva(a, QStringLiteral("Beta.txt")));
    const QStringList righe = QString::fromUtf8(AmbienteTest::leggi(percorso(QStringLiteral("Beta.txt")))).split(QLatin1Char('\n'));
    const QStringList attese = {"Beta", "", "", "", "", "", "bic=primo",
                                "lainfINPdonnaPerMille=12.345", "lainfINPuomoPerMille=3.500",
                                "lainfIPperMille=0.000", "lainfMassimale=148200.00",
                                "tredicesimaAutomatica=0", "zz=ultimo"};
    QCOMPARE(righe, attese);
    const DatiAzienda b = Azienda::carica(QStringLiteral("Beta.txt"));
    QCOMPARE(b.lainfINPdonnaPerMille, 12.345);
    QVERIFY(!b.tredicesimaAutomatica);
}

void TestAzienda::lettura_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("ip");
    QTest::addColumn<double>("massimale");
    QTest::addColumn<bool>("tredicesima");
    QTest::addColumn<QString>("nazione");

    QTest::newRow("six lines only") << QByteArray("A\nB\nC\nD\nTI\nCH") << 0.0 << 148200.0 << true << "CH";
    QTest::newRow("two lines") << QByteArray("Solo\nVia") << 0.0 << 148200.0 << true << "";
    QTest::newRow("numbers unreadable")
        << QByteArray("A\n\n\n\n\nCH\nlainfIPperMille=tanto\nlainfMassimale=?\ntredicesimaAutomatica=no")
        << 0.0 << 148200.0 << true << "CH";
    QTest::newRow("CRLF, flag off") << QByteArray("A\r\n\r\n\r\n\r\n\r\nIT\r\nlainfIPperMille=1.25\r\ntredicesimaAutomatica=0\r\n")
                                    << 1.25 << 148200.0 << false << "IT";
    QTest::newRow("five lines then keys")
        << QByteArray("A\nB\nC\nD\nE\nlainfMassimale=100000\nlainfIPperMille=2") << 2.0 << 148200.0 << true
        << "lainfMassimale=100000";
    QTest::newRow("empty") << QByteArray() << 0.0 << 148200.0 << true << "";
}

void TestAzienda::lettura()
{
    QFETCH(QByteArray, file);
    QFETCH(double, ip);
    QFETCH(double, massimale);
    QFETCH(bool, tredicesima);
    QFETCH(QString, nazione);
    AmbienteTest::scrivi(percorso(QStringLiteral("A.txt")), file);
    const DatiAzienda a = Azienda::carica(QStringLiteral("A.txt"));
    QCOMPARE(a.lainfIPperMille, ip);
    QCOMPARE(a.lainfMassimale, massimale);
    QCOMPARE(a.tredicesimaAutomatica, tredicesima);
    QCOMPARE(a.nazione, nazione);
}

void TestAzienda::nomiFuoriCartella_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("parent") << "../x.txt";
    QTest::newRow("sub folder") << "a/b.txt";
    QTest::newRow("dot-dot") << "..";
    QTest::newRow("empty") << "";
}

void TestAzienda::nomiFuoriCartella()
{
    QFETCH(QString, nome);
    const QString fuori = QFileInfo(Config::cartellaDati()).absolutePath() + QStringLiteral("/x.txt");
    AmbienteTest::scrivi(fuori, "Esterna\n");
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Intrusa");
    QVERIFY(!Azienda::salva(a, nome));
    QCOMPARE(Azienda::carica(nome).ragioneSociale, QString());
    QCOMPARE(AmbienteTest::leggi(fuori), QByteArray("Esterna\n"));
}

void TestAzienda::chiaviIniettate()
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Gamma\nlainfIPperMille=99");
    a.campi.insert(QStringLiteral("nota"), QStringLiteral("uno\nlainfMassimale=1"));
    a.campi.insert(QStringLiteral("k=v"), QStringLiteral("x"));
    a.campi.insert(QStringLiteral(" chiave "), QStringLiteral(" valore "));
    QVERIFY(Azienda::salva(a, QStringLiteral("G.txt")));
    const DatiAzienda b = Azienda::carica(QStringLiteral("G.txt"));
    QCOMPARE(b.ragioneSociale, QStringLiteral("Gamma lainfIPperMille=99"));
    QCOMPARE(b.lainfIPperMille, 0.0);
    QCOMPARE(b.lainfMassimale, 148200.0);
    QCOMPARE(b.campi.value(QStringLiteral("nota")), QStringLiteral("uno lainfMassimale=1"));
    QVERIFY(!b.campi.contains(QStringLiteral("k")));
    // Blanks next to "=" survive; outer blanks of the line do not.
    QCOMPARE(b.campi.value(QStringLiteral("chiave ")), QStringLiteral(" valore"));
}

void TestAzienda::elenco()
{
    const QString dati = Config::cartellaDati();
    for (const char* nome : {"Zeta.txt", "alfa.txt", "BETA.TXT", "valute.txt", "utente.txt", "Valute.txt", ".nascosta.txt", "note.csv"})
        AmbienteTest::scrivi(dati + QLatin1Char('/') + QLatin1String(nome), "x");
    QDir().mkpath(dati + QStringLiteral("/cartella.txt"));
    QCOMPARE(Azienda::elencoAziende(), (QStringList{"alfa.txt", "BETA.TXT", "Valute.txt", "Zeta.txt"}));
}

VARDELLO_TEST_MAIN(TestAzienda)
#include "tst_azienda.moc"
