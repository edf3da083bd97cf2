#include "ambientetest.h"
#include "mostrahelp.h"
#include "piattaformatest.h"

#include <QDir>
#include <QSettings>

namespace {

// "P:" stands for the manual folder next to the program, "H:" for the one
// in the home folder.
QString cartellaManuale(const QString& segno)
{
    return segno == QLatin1String("P") ? AmbienteTest::home() + QStringLiteral("/programma/manuale")
                                       : AmbienteTest::home() + QStringLiteral("/01.Vardello/manuale");
}

QString percorso(const QString& voce)
{
    return cartellaManuale(voce.section(QLatin1Char(':'), 0, 0)) + QLatin1Char('/') + voce.section(QLatin1Char(':'), 1);
}

} // namespace

class TestMostraHelp : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void ricerca_data();
    void ricerca();
    void browser_data();
    void browser();
    void urlNonValido();
};

void TestMostraHelp::ricerca_data()
{
    QTest::addColumn<QString>("lingua"); // "<none>": nothing stored
    QTest::addColumn<QStringList>("presenti");
    QTest::addColumn<QString>("atteso"); // empty: no manual

    QTest::newRow("default Italian") << "<none>" << QStringList{"P:manuale_it.html", "P:manuale.html"} << "P:manuale_it.html";
    QTest::newRow("empty language is Italian") << "" << QStringList{"H:manuale_it.html"} << "H:manuale_it.html";
    QTest::newRow("program folder first") << "it" << QStringList{"P:manuale_it.html", "H:manuale_it.html"} << "P:manuale_it.html";
    QTest::newRow("language before generic") << "de" << QStringList{"P:manuale.html", "H:manuale_de.html"} << "H:manuale_de.html";
    QTest::newRow("only generic") << "de" << QStringList{"H:manuale.html", "P:manuale_it.html"} << "H:manuale.html";
    QTest::newRow("generic, program folder first") << "fr" << QStringList{"H:manuale.html", "P:manuale.html"} << "P:manuale.html";
    QTest::newRow("language with a path is ignored") << "x/../../it" << QStringList{"P:manuale.html"} << "P:manuale.html";
    QTest::newRow("no manual anywhere") << "en" << QStringList{} << "";
}

void TestMostraHelp::ricerca()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, presenti);
    QFETCH(QString, atteso);

    if (lingua != QLatin1String("<none>"))
        QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).setValue(QStringLiteral("lingua"), lingua);
    for (const QString& p : presenti)
        AmbienteTest::scrivi(percorso(p), "<html></html>");
    QDir().mkpath(AmbienteTest::home() + QStringLiteral("/programma/bin"));

    RegistroPiattaforma piattaforma;
    piattaforma.cartellaDelProgramma = AmbienteTest::home() + QStringLiteral("/programma/bin");
    RegistroMessaggi messaggi;
    MostraHelp::apri(QStringLiteral("E01"), nullptr);

    QVERIFY(piattaforma.avvii.isEmpty());
    if (atteso.isEmpty()) {
        QVERIFY(piattaforma.urlAperti.isEmpty());
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Informazione);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Manuale"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("File manuale non trovato."));
        return;
    }
    QVERIFY(messaggi.richieste.isEmpty());
    QCOMPARE(piattaforma.urlAperti.size(), 1);
    const QUrl url = piattaforma.urlAperti.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), percorso(atteso));
    QCOMPARE(url.fragment(), QStringLiteral("E01"));
    QVERIFY(url.toString().endsWith(QLatin1String("#E01")));
}

void TestMostraHelp::browser_data()
{
    QTest::addColumn<bool>("firefox");      // on the search path
    QTest::addColumn<bool>("riesce");       // the browser starts / the desktop accepts
    QTest::addColumn<bool>("viaFirefox");   // started as firefox
    QTest::addColumn<bool>("viaDesktop");   // handed to the desktop

    QTest::newRow("firefox found") << true << true << true << false;
    QTest::newRow("firefox does not start, no other try") << true << false << true << false;
    QTest::newRow("desktop handler") << false << true << false << true;
    QTest::newRow("desktop refuses") << false << false << false << true;
}

void TestMostraHelp::browser()
{
    QFETCH(bool, firefox);
    QFETCH(bool, riesce);
    QFETCH(bool, viaFirefox);
    QFETCH(bool, viaDesktop);

    const QString manuale = AmbienteTest::home() + QStringLiteral("/01.Vardello/manuale/manuale_it.html");
    AmbienteTest::scrivi(manuale, "<html></html>");
    RegistroPiattaforma piattaforma;
    piattaforma.cartellaDelProgramma = AmbienteTest::home() + QStringLiteral("/bin");
    if (firefox)
        piattaforma.eseguibili.insert(QStringLiteral("firefox"), QStringLiteral("/opt/ff/firefox"));
    piattaforma.esitoAvvio = riesce;
    piattaforma.esitoApriUrl = riesce;
    RegistroMessaggi messaggi;

    MostraHelp::apri(QStringLiteral("D05"), nullptr);

    QCOMPARE(piattaforma.avvii.size(), viaFirefox ? 1 : 0);
    if (viaFirefox) {
        QCOMPARE(piattaforma.avvii.first().programma, QStringLiteral("/opt/ff/firefox"));
        QCOMPARE(piattaforma.avvii.first().argomenti,
                 (QStringList{QStringLiteral("--new-window"), QUrl::fromLocalFile(manuale).toString() + "#D05"}));
    }
    QCOMPARE(piattaforma.urlAperti.size(), viaDesktop ? 1 : 0);
    if (riesce) {
        QVERIFY(messaggi.richieste.isEmpty());
    } else {
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Avviso);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Manuale"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile aprire il manuale."));
    }
}

void TestMostraHelp::urlNonValido()
{
    RegistroPiattaforma piattaforma;
    piattaforma.eseguibili.insert(QStringLiteral("firefox"), QStringLiteral("/opt/ff/firefox"));
    QVERIFY(!ApriBrowser::apri(QUrl(QStringLiteral("http://a b"), QUrl::StrictMode)));
    QVERIFY(piattaforma.avvii.isEmpty());
    QVERIFY(piattaforma.urlAperti.isEmpty());
}

VARDELLO_TEST_MAIN(TestMostraHelp)
#include "tst_mostrahelp.moc"
