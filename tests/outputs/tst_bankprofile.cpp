#include "ambientetest.h"
#include "bankprofile.h"
#include "sceglibanca.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>

namespace {

QByteArray profiloCompleto(const QByteArray& id, const QByteArray& nota = "Nota")
{
    return "{\"id\":\"" + id + "\",\"nome\":\"Banca " + id
        + "\",\"versionePain\":\"pain.001.001.09\",\"namespace\":\"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09\","
          "\"note\":\"" + nota + "\"}";
}

QString cartellaDefault()
{
    // The profiles shipped with the program (copied next to the build).
    return QStringLiteral(VARDELLO_BANCHE);
}

} // namespace

class TestBankProfile : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void caricaDaFile_data();
    void caricaDaFile();
    void caricaTutti();
    void copiaPredefiniti();
    void salvaERileggi();
    void profiliDistribuiti();
    void scegliBanca();
    void scegliBancaNomiInteri();
    void scegliBancaVuota();
};

void TestBankProfile::caricaDaFile_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("usaSala");
    QTest::addColumn<int>("giorni");
    QTest::addColumn<bool>("strutturati");
    QTest::addColumn<QStringList>("campi");

    QTest::newRow("flags and days missing: defaults")
        << profiloCompleto("a") << true << true << 90 << true << QStringList{};
    QTest::newRow("every key")
        << QByteArray("{\"id\":\"b\",\"nome\":\"B\",\"versionePain\":\"v\",\"namespace\":\"n\",\"usaSala\":false,"
                      "\"msgIdUnivocoGiorni\":30,\"indirizziStrutturati\":false,\"campiObbligatori\":[\"IBAN\",\"BIC\"]}")
        << true << false << 30 << false << QStringList{"IBAN", "BIC"};
    QTest::newRow("wrong types give defaults")
        << QByteArray("{\"id\":\"c\",\"nome\":\"C\",\"versionePain\":\"v\",\"namespace\":\"n\",\"usaSala\":\"no\","
                      "\"msgIdUnivocoGiorni\":\"30\",\"indirizziStrutturati\":0,\"campiObbligatori\":[1,\"X\",null]}")
        << true << true << 90 << true << QStringList{"", "X", ""};
    QTest::newRow("empty namespace: incomplete")
        << QByteArray("{\"id\":\"d\",\"nome\":\"D\",\"versionePain\":\"v\",\"namespace\":\"\"}") << false << true << 90
        << true << QStringList{};
    QTest::newRow("id not a string: incomplete")
        << QByteArray("{\"id\":7,\"nome\":\"D\",\"versionePain\":\"v\",\"namespace\":\"n\"}") << false << true << 90
        << true << QStringList{};
    QTest::newRow("broken JSON") << QByteArray("{\"id\":\"e\",") << false << true << 90 << true << QStringList{};
    QTest::newRow("an array, not an object") << QByteArray("[1,2]") << false << true << 90 << true << QStringList{};
    QTest::newRow("random bytes") << QByteArray("\x00\xff\xfe{{", 5) << false << true << 90 << true << QStringList{};
}

void TestBankProfile::caricaDaFile()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, ok);
    QFETCH(bool, usaSala);
    QFETCH(int, giorni);
    QFETCH(bool, strutturati);
    QFETCH(QStringList, campi);

    const QString percorso = AmbienteTest::home() + QStringLiteral("/p.json");
    AmbienteTest::scrivi(percorso, json);
    bool letto = !ok;
    const BankProfile p = BankProfile::caricaDaFile(percorso, &letto);
    QCOMPARE(letto, ok);
    QCOMPARE(p.valido(), ok);
    QCOMPARE(p.usaSala, usaSala);
    QCOMPARE(p.msgIdUnivocoGiorni, giorni);
    QCOMPARE(p.indirizziStrutturati, strutturati);
    QCOMPARE(p.campiObbligatori, campi);

    bool mancante = true;
    BankProfile::caricaDaFile(AmbienteTest::home() + QStringLiteral("/manca.json"), &mancante);
    QVERIFY(!mancante);
}

void TestBankProfile::caricaTutti()
{
    const QString cartella = AmbienteTest::home() + QStringLiteral("/banche");
    QVERIFY(BankProfile::caricaTutti(cartella).isEmpty()); // missing folder
    AmbienteTest::scrivi(cartella + QStringLiteral("/uno.json"), profiloCompleto("uno"));
    AmbienteTest::scrivi(cartella + QStringLiteral("/due.json"), profiloCompleto("due"));
    AmbienteTest::scrivi(cartella + QStringLiteral("/rotto.json"), "{");
    AmbienteTest::scrivi(cartella + QStringLiteral("/altro.txt"), profiloCompleto("altro"));
    QDir().mkpath(cartella + QStringLiteral("/cartella.json"));
    QStringList ids;
    for (const BankProfile& p : BankProfile::caricaTutti(cartella))
        ids << p.id;
    ids.sort();
    QCOMPARE(ids, QStringList({"due", "uno"}));
}

void TestBankProfile::copiaPredefiniti()
{
    const QString sorgente = AmbienteTest::home() + QStringLiteral("/sorgente");
    const QString destinazione = AmbienteTest::home() + QStringLiteral("/utente/banche");

    // A missing source copies nothing and makes no target.
    QVERIFY(!BankProfile::copiaPredefiniti(sorgente, destinazione));
    QVERIFY(!QFileInfo::exists(destinazione));

    AmbienteTest::scrivi(sorgente + QStringLiteral("/a.json"), profiloCompleto("a", "nuova"));
    AmbienteTest::scrivi(sorgente + QStringLiteral("/b.json"), profiloCompleto("b"));
    AmbienteTest::scrivi(sorgente + QStringLiteral("/leggimi.txt"), "x");
    AmbienteTest::scrivi(destinazione + QStringLiteral("/a.json"), profiloCompleto("a", "modificata"));

    QVERIFY(BankProfile::copiaPredefiniti(sorgente, destinazione));
    // The user's edited profile stays; the missing one is added; other files are not copied.
    QCOMPARE(AmbienteTest::leggi(destinazione + QStringLiteral("/a.json")), profiloCompleto("a", "modificata"));
    QCOMPARE(AmbienteTest::leggi(destinazione + QStringLiteral("/b.json")), profiloCompleto("b"));
    QVERIFY(!QFileInfo::exists(destinazione + QStringLiteral("/leggimi.txt")));
}

void TestBankProfile::salvaERileggi()
{
    BankProfile p;
    p.id = QStringLiteral("x");
    p.nome = QStringLiteral("Banca \"X\" & Cie");
    p.versionePain = QStringLiteral("pain.001.001.09");
    p.namespace_ = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:pain.001.001.09");
    p.usaSala = false;
    p.msgIdUnivocoGiorni = 45;
    p.indirizziStrutturati = false;
    p.campiObbligatori = QStringList{QStringLiteral("IBAN")};
    p.note = QStringLiteral("Riga 1\nRiga 2");
    const QString percorso = AmbienteTest::home() + QStringLiteral("/nuova/x.json");
    QVERIFY(p.salvaSuFile(percorso));
    bool ok = false;
    const BankProfile letto = BankProfile::caricaDaFile(percorso, &ok);
    QVERIFY(ok);
    QCOMPARE(letto.nome, p.nome);
    QCOMPARE(letto.usaSala, false);
    QCOMPARE(letto.msgIdUnivocoGiorni, 45);
    QCOMPARE(letto.indirizziStrutturati, false);
    QCOMPARE(letto.campiObbligatori, p.campiObbligatori);
    QCOMPARE(letto.note, p.note);

    QDir().mkpath(AmbienteTest::home() + QStringLiteral("/cartella.json"));
    QVERIFY(!p.salvaSuFile(AmbienteTest::home() + QStringLiteral("/cartella.json")));
}

void TestBankProfile::profiliDistribuiti()
{
    const QList<BankProfile> profili = BankProfile::caricaTutti(cartellaDefault());
    QVERIFY(profili.size() >= 1);
    for (const BankProfile& p : profili) {
        QCOMPARE(p.versionePain, QStringLiteral("pain.001.001.09"));
        QCOMPARE(p.namespace_, QStringLiteral("urn:iso:std:iso:20022:tech:xsd:pain.001.001.09"));
        QVERIFY(!p.note.isEmpty());
    }
    // Every shipped file is a complete profile.
    QCOMPARE(profili.size(), QDir(cartellaDefault()).entryList({QStringLiteral("*.json")}, QDir::Files).size());
}

void TestBankProfile::scegliBanca()
{
    const QString cartella = BankProfile::cartellaProfili();
    AmbienteTest::scrivi(cartella + QStringLiteral("/uno.json"), profiloCompleto("uno", "Nota uno"));
    AmbienteTest::scrivi(cartella + QStringLiteral("/due.json"), profiloCompleto("due", "Nota <b>due</b>"));
    AmbienteTest::scrivi(cartella + QStringLiteral("/vuoto.json"),
                         "{\"id\":\"v\",\"nome\":\"V\",\"versionePain\":\"v\",\"namespace\":\"\"}");

    ScegliBanca finestra;
    QCOMPARE(finestra.windowTitle(), QStringLiteral("Scegli la banca"));
    auto* combo = finestra.findChild<QComboBox*>(QStringLiteral("banca"));
    auto* note = finestra.findChild<QLabel*>(QStringLiteral("note"));
    QVERIFY(combo && note);
    QCOMPARE(combo->count(), 2); // the incomplete profile is left out
    for (int i = 0; i < combo->count(); ++i) {
        combo->setCurrentIndex(i);
        const BankProfile scelto = finestra.bancaSelezionata();
        QCOMPARE(combo->currentText(), scelto.nome);
        QCOMPARE(note->text(), scelto.note); // shown at once
    }
    QCOMPARE(note->textFormat(), Qt::PlainText);
}

// The shipped profiles differ in "senza" in the middle of their names: the
// box is as wide as the longest name and its list shortens none.
void TestBankProfile::scegliBancaNomiInteri()
{
    const QString cartella = BankProfile::cartellaProfili();
    for (const QString& f : QDir(cartellaDefault()).entryList({QStringLiteral("*.json")}, QDir::Files))
        AmbienteTest::scrivi(cartella + QLatin1Char('/') + f, AmbienteTest::leggi(cartellaDefault() + QLatin1Char('/') + f));
    ScegliBanca finestra;
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    auto* combo = finestra.findChild<QComboBox*>(QStringLiteral("banca"));
    QCOMPARE(combo->count(), 2);
    QVERIFY2(combo->width() >= combo->sizeHint().width(), qPrintable(QString::number(combo->width())));
    QCOMPARE(combo->view()->textElideMode(), Qt::ElideNone);
    for (int i = 0; i < combo->count(); ++i)
        QCOMPARE(combo->itemData(i, Qt::ToolTipRole).toString(), combo->itemText(i));
}

void TestBankProfile::scegliBancaVuota()
{
    ScegliBanca finestra;
    auto* combo = finestra.findChild<QComboBox*>(QStringLiteral("banca"));
    QCOMPARE(combo->count(), 0);
    QVERIFY(finestra.findChild<QLabel*>(QStringLiteral("note"))->text().isEmpty());
    QVERIFY(finestra.bancaSelezionata().id.isEmpty());
    QVERIFY(!finestra.bancaSelezionata().valido());
}

VARDELLO_TEST_MAIN(TestBankProfile)
#include "tst_bankprofile.moc"
