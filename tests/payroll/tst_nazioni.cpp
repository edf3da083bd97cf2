#include "ambientetest.h"
#include "nazioni.h"

#include <QTranslator>

namespace {

// Answers the context "Nazioni" with fixed German texts.
class TraduttoreTedesco : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* contesto, const char* testo, const char*, int) const override
    {
        if (qstrcmp(contesto, "Nazioni") != 0)
            return QString();
        static const QHash<QString, QString> voci = {
            {QStringLiteral("Partita IVA"), QStringLiteral("USt-IdNr.")},
            {QStringLiteral("IBAN azienda"), QStringLiteral("IBAN Firma")},
            {QStringLiteral("BIC azienda"), QStringLiteral("BIC Firma")},
            {QStringLiteral("UID"), QStringLiteral("UID")},
            {QStringLiteral("Numéro d'entreprise (BCE/KBO)"), QStringLiteral("Unternehmensnummer (BCE/KBO)")},
            // A label the program does not pass through the catalogue.
            {QStringLiteral("Firmenbuchnummer"), QStringLiteral("NON TRADURRE")},
        };
        return voci.value(QString::fromUtf8(testo));
    }
};

QStringList etichette(const Nazioni::InfoNazione& n)
{
    QStringList e;
    for (const auto& c : n.campi)
        e << c.etichetta;
    return e;
}

QStringList chiavi(const Nazioni::InfoNazione& n)
{
    QStringList k;
    for (const auto& c : n.campi)
        k << c.chiave;
    return k;
}

} // namespace

class TestNazioni : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Nazioni::azzera();
    }

    void tabellaIncorporata();
    void info_data();
    void info();
    void etichetteTradotte_data();
    void etichetteTradotte();
    void copiaUtente_data();
    void copiaUtente();
    void caricaUnaVolta();
};

void TestNazioni::tabellaIncorporata()
{
    QVERIFY(Nazioni::carica());
    QCOMPARE(Nazioni::codiciDisponibili(),
             QStringList({"CH", "IT", "FR", "DE", "AT", "ES", "BE", "NL", "GB", "US"}));
    QCOMPARE(Nazioni::nome(QStringLiteral("CH")), QStringLiteral("Svizzera"));
    QCOMPARE(Nazioni::nome(QStringLiteral("XX")), QStringLiteral("XX"));
    QCOMPARE(Nazioni::nome(QStringLiteral("ch")), QStringLiteral("ch")); // codes are exact
    const Nazioni::InfoNazione ignota = Nazioni::info(QStringLiteral("XX"));
    QVERIFY(ignota.codice.isEmpty() && ignota.nome.isEmpty() && ignota.lingue.isEmpty() && ignota.campi.isEmpty());
}

void TestNazioni::info_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QString>("valuta");
    QTest::addColumn<QStringList>("lingue");
    QTest::addColumn<QStringList>("chiavi");
    QTest::addColumn<QStringList>("etichette");
    QTest::addColumn<QString>("primoPlaceholder");
    QTest::addColumn<QList<bool>>("obbligatori");

    QTest::newRow("CH") << "CH" << "CHF" << QStringList{"it", "de", "fr"}
                        << QStringList{"uid", "partitaIva", "iban", "bic"}
                        << QStringList{"UID", "Partita IVA", "IBAN azienda", "BIC azienda"} << "CHE-123.456.789"
                        << QList<bool>{true, false, false, false};
    QTest::newRow("BE, accented label and two languages")
        << "BE" << "EUR" << QStringList{"fr", "nl"} << QStringList{"bce"}
        << QStringList{QStringLiteral("Numéro d'entreprise (BCE/KBO)")} << "0123.456.789" << QList<bool>{true};
    QTest::newRow("IT") << "IT" << "EUR" << QStringList{"it"} << QStringList{"codiceFiscale", "partitaIva", "rea"}
                        << QStringList{"Codice Fiscale", "Partita IVA", "REA"} << "RSSMRA80A01H501U"
                        << QList<bool>{true, true, false};
    QTest::newRow("GB") << "GB" << "GBP" << QStringList{"en"} << QStringList{"crn", "vat"}
                        << QStringList{"Company Registration Number", "VAT Number"} << "12345678"
                        << QList<bool>{true, true};
}

void TestNazioni::info()
{
    QFETCH(QString, codice);
    QFETCH(QString, valuta);
    QFETCH(QStringList, lingue);
    QFETCH(QStringList, chiavi);
    QFETCH(QStringList, etichette);
    QFETCH(QString, primoPlaceholder);
    QFETCH(QList<bool>, obbligatori);

    QVERIFY(Nazioni::carica());
    const Nazioni::InfoNazione n = Nazioni::info(codice);
    QCOMPARE(n.codice, codice);
    QCOMPARE(n.valuta, valuta);
    QCOMPARE(n.lingue, lingue);
    QCOMPARE(::chiavi(n), chiavi);
    QCOMPARE(::etichette(n), etichette);
    QCOMPARE(n.campi.first().placeholder, primoPlaceholder);
    QList<bool> letti;
    for (const auto& c : n.campi)
        letti << c.obbligatorio;
    QCOMPARE(letti, obbligatori);
}

void TestNazioni::etichetteTradotte_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QStringList>("etichette");

    QTest::newRow("CH in German") << "CH" << QStringList{"UID", "USt-IdNr.", "IBAN Firma", "BIC Firma"};
    QTest::newRow("AT stays as written") << "AT" << QStringList{"Firmenbuchnummer", "UID-Nummer"};
    QTest::newRow("BE in German") << "BE" << QStringList{"Unternehmensnummer (BCE/KBO)"};
}

void TestNazioni::etichetteTradotte()
{
    QFETCH(QString, codice);
    QFETCH(QStringList, etichette);

    TraduttoreTedesco tedesco;
    QCoreApplication::installTranslator(&tedesco);
    QVERIFY(Nazioni::carica());
    QCoreApplication::removeTranslator(&tedesco);
    QCOMPARE(::etichette(Nazioni::info(codice)), etichette);
}

void TestNazioni::copiaUtente_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("codici");
    QTest::addColumn<QString>("nomeCH");

    const QStringList incorporati = {"CH", "IT", "FR", "DE", "AT", "ES", "BE", "NL", "GB", "US"};
    QTest::newRow("only CH") << QByteArray("[generale]\nelenco=CH\n[CH]\nnome=Schweiz\ncampi=uid\n[CH_uid]\n"
                                           "etichetta=UID\nobbligatorio=FALSE\n")
                             << QStringList{"CH"} << "Schweiz";
    QTest::newRow("empty copy") << QByteArray() << incorporati << "Svizzera";
    QTest::newRow("empty list") << QByteArray("[generale]\nelenco=\n") << incorporati << "Svizzera";
    QTest::newRow("empty item skipped") << QByteArray("[generale]\nelenco=CH, , IT\n[CH]\nnome=Svizzera\n")
                                        << QStringList{"CH", "IT"} << "Svizzera";
    QTest::newRow("listed twice, no group") << QByteArray("[generale]\nelenco=CH,XY,CH\n[CH]\nnome=Suisse\n")
                                            << QStringList{"CH", "XY", "CH"} << "Suisse";
}

void TestNazioni::copiaUtente()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, codici);
    QFETCH(QString, nomeCH);

    AmbienteTest::scrivi(Nazioni::percorsoFileUtente(), contenuto);
    QVERIFY(Nazioni::carica());
    QCOMPARE(Nazioni::codiciDisponibili(), codici);
    QCOMPARE(Nazioni::nome(QStringLiteral("CH")), nomeCH);
    if (codici == QStringList{"CH"}) {
        const auto ch = Nazioni::info(QStringLiteral("CH"));
        QCOMPARE(ch.campi.size(), 1);
        QVERIFY(!ch.campi.first().obbligatorio); // "FALSE" in any case is false
        QVERIFY(ch.valuta.isEmpty());
    }
    if (codici.contains(QStringLiteral("XY"))) {
        QVERIFY(Nazioni::info(QStringLiteral("XY")).nome.isEmpty());
        QCOMPARE(Nazioni::nome(QStringLiteral("XY")), QStringLiteral("XY"));
    }
}

void TestNazioni::caricaUnaVolta()
{
    QVERIFY(Nazioni::carica());
    // A user copy that appears later is not read during the same run.
    AmbienteTest::scrivi(Nazioni::percorsoFileUtente(), "[generale]\nelenco=CH\n");
    QVERIFY(Nazioni::carica());
    QCOMPARE(Nazioni::codiciDisponibili().size(), 10);
}

VARDELLO_TEST_MAIN(TestNazioni)
#include "tst_nazioni.moc"
