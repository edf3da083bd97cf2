#include "ambientetest.h"
#include "mostrahelp.h"
#include "piattaformatest.h"

#include <QDir>
#include <QSettings>

namespace {

// "P:name" is a manual next to the program, "H:name" one in the home folder.
QString percorso(const QString& voce)
{
    const QString cartella = voce.startsWith(QLatin1String("P:")) ? QStringLiteral("/programma/manuale/")
                                                                  : QStringLiteral("/01.Vardello/manuale/");
    return AmbienteTest::home() + cartella + voce.mid(2);
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
};

void TestMostraHelp::ricerca_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QStringList>("presenti");
    QTest::addColumn<QString>("atteso"); // empty: no manual

    QTest::newRow("empty language is Italian") << "" << QStringList{"H:manuale_it.html", "P:manuale.html"} << "H:manuale_it.html";
    QTest::newRow("program folder first") << "it" << QStringList{"P:manuale_it.html", "H:manuale_it.html"} << "P:manuale_it.html";
    QTest::newRow("language before generic") << "de" << QStringList{"P:manuale.html", "H:manuale_de.html"} << "H:manuale_de.html";
    QTest::newRow("only generic") << "de" << QStringList{"H:manuale.html", "P:manuale_it.html"} << "H:manuale.html";
    QTest::newRow("language with a path") << "x/../../it" << QStringList{"P:manuale.html"} << "P:manuale.html";
    QTest::newRow("no manual anywhere") << "en" << QStringList{} << "";
}

void TestMostraHelp::ricerca()
{
    QFETCH(QString, lingua);
    QFETCH(QStringList, presenti);
    QFETCH(QString, atteso);

    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).setValue(QStringLiteral("lingua"), lingua);
    for (const QString& p : presenti)
        AmbienteTest::scrivi(percorso(p), "<html></html>");
    RegistroPiattaforma piattaforma;
    piattaforma.cartellaDelProgramma = AmbienteTest::home() + QStringLiteral("/programma/bin");
    QDir().mkpath(piattaforma.cartellaDelProgramma);
    RegistroMessaggi messaggi;

    MostraHelp::apri(QStringLiteral("E01"), nullptr);

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
    QCOMPARE(piattaforma.urlAperti.first().toLocalFile(), percorso(atteso));
    QVERIFY(piattaforma.urlAperti.first().toString().endsWith(QLatin1String("#E01")));
}

void TestMostraHelp::browser_data()
{
    QTest::addColumn<bool>("firefox"); // on the search path
    QTest::addColumn<bool>("riesce");  // the browser starts / the desktop accepts

    QTest::newRow("firefox") << true << true;
    QTest::newRow("firefox fails, no other try") << true << false;
    QTest::newRow("desktop handler") << false << true;
    QTest::newRow("desktop refuses") << false << false;
}

void TestMostraHelp::browser()
{
    QFETCH(bool, firefox);
    QFETCH(bool, riesce);

    const QString manuale = AmbienteTest::home() + QStringLiteral("/01.Vardello/manuale/manuale_it.html");
    AmbienteTest::scrivi(manuale, "<html></html>");
    RegistroPiattaforma piattaforma;
    piattaforma.cartellaDelProgramma = AmbienteTest::home() + QStringLiteral("/bin");
    if (firefox)
        piattaforma.eseguibili.insert(QStringLiteral("firefox"), QStringLiteral("/opt/ff/firefox"));
    piattaforma.esitoAvvio = piattaforma.esitoApriUrl = riesce;
    RegistroMessaggi messaggi;

    MostraHelp::apri(QStringLiteral("D05"), nullptr);

    QCOMPARE(piattaforma.avvii.size(), firefox ? 1 : 0);
    QCOMPARE(piattaforma.urlAperti.size(), firefox ? 0 : 1);
    if (firefox) {
        QCOMPARE(piattaforma.avvii.first().programma, QStringLiteral("/opt/ff/firefox"));
        QCOMPARE(piattaforma.avvii.first().argomenti,
                 (QStringList{"--new-window", QUrl::fromLocalFile(manuale).toString() + "#D05"}));
    }
    QCOMPARE(messaggi.richieste.size(), riesce ? 0 : 1);
    if (!riesce) {
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Avviso);
        // The file is named, so the user can open it himself.
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Impossibile aprire il manuale:\n%1\n\nAprire il file con un browser.")
                                             .arg(QDir::toNativeSeparators(manuale)));
    }
    QVERIFY(!ApriBrowser::apri(QUrl(QStringLiteral("http://a b"), QUrl::StrictMode))); // invalid: nothing starts
    QCOMPARE(piattaforma.avvii.size() + piattaforma.urlAperti.size(), 1);
}

VARDELLO_TEST_MAIN(TestMostraHelp)
#include "tst_mostrahelp.moc"
