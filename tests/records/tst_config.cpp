#include "ambientetest.h"
#include "config.h"

#include <QDir>
#include <QFileInfo>

class TestConfig : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void cartellaDati_data();
    void cartellaDati();
    void setCartellaDati();
    void cartelleAzienda_data();
    void cartelleAzienda();
    void spostaDipendentiPiatti();
};

void TestConfig::cartellaDati_data()
{
    QTest::addColumn<QString>("contenuto"); // path file content; "<none>": no file
    QTest::addColumn<bool>("creaCartella");
    QTest::addColumn<bool>("attesaConfigurata");

    QTest::newRow("no path file") << "<none>" << false << false;
    QTest::newRow("existing folder, line end and blanks") << "%1\n  " << true << true;
    QTest::newRow("missing folder") << "%1" << false << false;
    QTest::newRow("empty file") << "" << false << false;
}

void TestConfig::cartellaDati()
{
    QFETCH(QString, contenuto);
    QFETCH(bool, creaCartella);
    QFETCH(bool, attesaConfigurata);

    const QString configurata = AmbienteTest::home() + QStringLiteral("/altrove/dati");
    if (creaCartella)
        QDir().mkpath(configurata);
    if (contenuto != QLatin1String("<none>"))
        AmbienteTest::scrivi(Config::percorsoFileConfig(), contenuto.arg(configurata).toUtf8());

    const QString attesa = attesaConfigurata ? configurata : AmbienteTest::home() + QStringLiteral("/.vardello_dati");
    QCOMPARE(Config::cartellaDati(), attesa);
    QVERIFY(QFileInfo(attesa).isDir());
    if (!creaCartella)
        QVERIFY(!QFileInfo::exists(configurata)); // reading never creates the configured folder
}

void TestConfig::setCartellaDati()
{
    const QString nuova = AmbienteTest::home() + QStringLiteral("/nuova cartella/è");
    QVERIFY(Config::setCartellaDati(nuova));
    QCOMPARE(AmbienteTest::leggi(Config::percorsoFileConfig()), nuova.toUtf8());
    QCOMPARE(Config::cartellaDati(), nuova);

    // A path file that cannot be written is reported, and the folder is still made.
    QFile::remove(Config::percorsoFileConfig());
    QDir().mkpath(Config::percorsoFileConfig()); // a folder in its place
    const QString altra = AmbienteTest::home() + QStringLiteral("/altra");
    QVERIFY(!Config::setCartellaDati(altra));
    QVERIFY(QFileInfo(altra).isDir());
}

void TestConfig::cartelleAzienda_data()
{
    QTest::addColumn<QString>("azienda");
    QTest::addColumn<QString>("cartella"); // relative to the data folder

    QTest::newRow("none") << "" << "";
    QTest::newRow(".txt") << "Alfa_SA.txt" << "aziende/Alfa_SA/";
    QTest::newRow(".TXT kept") << "Beta.TXT" << "aziende/Beta.TXT/";
    QTest::newRow("outside refused") << "../x.txt" << "";
    QTest::newRow("dot-dot refused") << ".." << "";
}

void TestConfig::cartelleAzienda()
{
    QFETCH(QString, azienda);
    QFETCH(QString, cartella);
    if (!azienda.isEmpty())
        Config::setAziendaCorrente(azienda);
    const QString dati = Config::cartellaDati() + QLatin1Char('/') + cartella;
    QCOMPARE(Config::cartellaExportAzienda(), dati + QStringLiteral("export"));
    QCOMPARE(Config::cartellaDipendenti(), dati + QStringLiteral("dipendenti"));
    QVERIFY(QFileInfo(dati + QStringLiteral("export")).isDir());
    QVERIFY(QFileInfo(dati + QStringLiteral("dipendenti")).isDir());
}

void TestConfig::spostaDipendentiPiatti()
{
    const QString dati = Config::cartellaDati();
    AmbienteTest::scrivi(dati + QStringLiteral("/dipendenti/Rossi_Mario.txt"), "nome=Mario\n");
    AmbienteTest::scrivi(dati + QStringLiteral("/dipendenti/note.csv"), "x");
    QDir().mkpath(dati + QStringLiteral("/dipendenti/sub.txt"));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));

    const QString cartella = Config::cartellaDipendenti();
    QCOMPARE(QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Rossi_Mario.txt"});
    QVERIFY(QFileInfo::exists(dati + QStringLiteral("/dipendenti/Rossi_Mario.txt")));

    // Once the company's folder exists nothing more is copied.
    AmbienteTest::scrivi(dati + QStringLiteral("/dipendenti/Bianchi_Ugo.txt"), "nome=Ugo\n");
    Config::cartellaDipendenti();
    QVERIFY(!QFileInfo::exists(cartella + QStringLiteral("/Bianchi_Ugo.txt")));
}

VARDELLO_TEST_MAIN(TestConfig)
#include "tst_config.moc"
