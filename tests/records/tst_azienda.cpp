#include "ambientetest.h"
#include "azienda.h"
#include "config.h"
#include "filesicuri.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

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
    QTest::addColumn<QString>("difetti"); // every "riga N" of the error; empty: read cleanly

    const QByteArray fissi = "Ditta SA\nVia Roma 1\n6900\nLugano\nTI\nCH\n";
    const QByteArray chiavi = "iban=CH9300762011623852957\nlainfINPuomoPerMille=13.500\nlainfIPperMille=1.250\n"
                              "lainfMassimale=148200.00\ntredicesimaAutomatica=0";
    QTest::newRow("six lines only") << QByteArray("A\nB\nC\nD\nTI\nCH") << 0.0 << 148200.0 << true << "CH" << "";
    QTest::newRow("whole file") << fissi + chiavi << 1.25 << 148200.0 << false << "CH" << "";
    QTest::newRow("BOM, blanks, empty lines, empty fields")
        << "\xEF\xBB\xBF" + QByteArray("A  \n\n\n\n\nIT\n\n  lainfIPperMille=1.25 \n\n") << 1.25 << 148200.0 << true
        << "IT" << "";
    // Damage: named by line; what read is still there.
    QTest::newRow("two lines") << QByteArray("Solo\nVia") << 0.0 << 148200.0 << true << "" << "riga 2";
    QTest::newRow("empty") << QByteArray() << 0.0 << 148200.0 << true << "" << "riga 1";
    QTest::newRow("numbers unreadable")
        << QByteArray("A\n\n\n\n\nCH\nlainfIPperMille=tanto\nlainfMassimale=?\ntredicesimaAutomatica=no")
        << 0.0 << 148200.0 << true << "CH" << "riga 7 riga 8 riga 9";
    QTest::newRow("junk after a number") << fissi + QByteArray(chiavi).replace("1.250", "1.250x") << 0.0 << 148200.0
                                         << false << "CH" << "riga 9";
    QTest::newRow("empty line among the fixed ones") << QByteArray(fissi).replace("6900\n", "\n6900\n") + chiavi
                                                     << 1.25 << 148200.0 << false << "TI" << "riga 5 riga 7";
    QTest::newRow("empty line before the country") << QByteArray(fissi).replace("TI\n", "TI\n\n") + chiavi
                                                   << 1.25 << 148200.0 << false << "" << "riga 7";
    QTest::newRow("five lines then keys")
        << QByteArray("A\nB\nC\nD\nE\nlainfMassimale=100000\nlainfIPperMille=2") << 2.0 << 148200.0 << true
        << "lainfMassimale=100000" << "riga 6";
    QTest::newRow("line without =") << fissi + "appunto a mano\n" + chiavi << 1.25 << 148200.0 << false << "CH"
                                    << "riga 7";
    QTest::newRow("repeated key") << fissi + chiavi + "\nlainfIPperMille=9" << 1.25 << 148200.0 << false << "CH"
                                  << "riga 12 riga 9";
    QTest::newRow("NUL") << fissi + QByteArray(chiavi).replace("iban=CH93", QByteArray("iban=CH\0", 8)) << 1.25
                         << 148200.0 << false << "CH" << "riga 7";
    QTest::newRow("thirteenth flag O") << fissi + QByteArray(chiavi).replace("tredicesimaAutomatica=0", "tredicesimaAutomatica=O")
                                       << 1.25 << 148200.0 << true << "CH" << "riga 11";
    QTest::newRow("too large") << fissi + chiavi + QByteArray(FileSicuri::kLimiteRecord, '\n') << 0.0 << 148200.0
                               << true << "" << "";
}

void TestAzienda::lettura()
{
    QFETCH(QByteArray, file);
    QFETCH(double, ip);
    QFETCH(double, massimale);
    QFETCH(bool, tredicesima);
    QFETCH(QString, nazione);
    QFETCH(QString, difetti);
    const QString nome = QStringLiteral("A.txt");
    auto leggi = [&](const QByteArray& byte, QString* errore) {
        AmbienteTest::scrivi(percorso(nome), byte);
        return Azienda::carica(nome, errore);
    };
    QString errore;
    const DatiAzienda a = leggi(file, &errore);
    QCOMPARE(a.lainfIPperMille, ip);
    QCOMPARE(a.lainfMassimale, massimale);
    QCOMPARE(a.tredicesimaAutomatica, tredicesima);
    QCOMPARE(a.nazione, nazione);
    const QRegularExpression riga(QStringLiteral("riga \\d+"));
    QStringList righe;
    for (auto it = riga.globalMatch(errore); it.hasNext();)
        righe.append(it.next().captured());
    QCOMPARE(righe.join(QLatin1Char(' ')), difetti);
    QCOMPARE(errore.isEmpty(), difetti.isEmpty() && QByteArray(QTest::currentDataTag()) != "too large");
    if (!errore.isEmpty())
        QVERIFY2(errore.contains(percorso(nome)), qPrintable(errore));
    // The same file with CR LF line ends reads the same.
    QString erroreCrLf;
    const DatiAzienda b = leggi(QByteArray(file).replace("\n", "\r\n"), &erroreCrLf);
    QCOMPARE(Azienda::serializza(b), Azienda::serializza(a));
    QCOMPARE(erroreCrLf.isEmpty(), errore.isEmpty());
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
