#include "ambientetest.h"
#include "fogliopaga.h"
#include "piattaformatest.h"

#include <QPrinter>

#include <QLocale>
#include <QProcess>

class TestFoglioPaga : public QObject
{
    Q_OBJECT

private:
    static QString svizzero(double v) { return QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2); }
    static QString testoPdf(const QString& percorso);

private slots:
    void init() { AmbienteTest::svuota(); }

    void importi_data();
    void importi();
    void parziale_data();
    void parziale();
    void versamento_data();
    void versamento();
    void nomeMese_data();
    void nomeMese();
    void pdf();
    void pdfNonScrivibile();

    void annoPaghe_data();
    void annoPaghe();
    void annoPagheNonScrivibile();
};

namespace {

// The words of the sheet's line that begins with `inizio`.
QStringList rigaPdf(const QString& testo, const QString& inizio)
{
    for (const QString& riga : testo.split(QLatin1Char('\n'))) {
        if (riga.trimmed().startsWith(inizio))
            return riga.simplified().split(QLatin1Char(' '));
    }
    return {};
}

} // namespace

QString TestFoglioPaga::testoPdf(const QString& percorso)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), percorso, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestFoglioPaga::importi_data()
{
    QTest::addColumn<double>("importo");
    QTest::addColumn<QString>("riga");
    QTest::addColumn<QString>("totale");
    QTest::newRow("almost zero") << 0.004 << "SFr. -" << "SFr. " + svizzero(0);
    QTest::newRow("deduction") << -123.45 << "SFr. " + svizzero(-123.45) << "SFr. " + svizzero(-123.45);
    QTest::newRow("thousands") << 5432.1 << "SFr. " + svizzero(5432.1) << "SFr. " + svizzero(5432.1);
}

void TestFoglioPaga::importi()
{
    QFETCH(double, importo);
    QFETCH(QString, riga);
    QFETCH(QString, totale);
    QCOMPARE(FoglioPaga::testoImporto(importo), riga);
    QCOMPARE(FoglioPaga::testoTotale(importo), totale);
}

void TestFoglioPaga::parziale_data()
{
    QTest::addColumn<double>("parziale");
    QTest::addColumn<double>("atteso");
    QTest::newRow("computed") << 0.0 << 4359.80;
    QTest::newRow("tiny counts as none") << 0.0005 << 4359.80;
    QTest::newRow("given") << 4000.0 << 4000.0;
}

void TestFoglioPaga::parziale()
{
    QFETCH(double, parziale);
    QFETCH(double, atteso);
    FoglioPaga f;
    f.totaleLordo = 5000;
    f.totaleDeduzioni = 640.20;
    f.totaleParziale = parziale;
    QCOMPARE(QString::number(f.parzialeMostrato(), 'f', 2), QString::number(atteso, 'f', 2));
}

void TestFoglioPaga::versamento_data()
{
    QTest::addColumn<QString>("banca");
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("etichetta");
    QTest::newRow("none") << "" << "" << "Importo versato sul conto";
    QTest::newRow("bank only") << "BancaStato" << "" << "Importo versato sul conto BancaStato -";
    QTest::newRow("both") << "UBS" << "CH93" << "Importo versato sul conto UBS - CH93";
}

void TestFoglioPaga::versamento()
{
    QFETCH(QString, banca);
    QFETCH(QString, iban);
    QFETCH(QString, etichetta);
    FoglioPaga f;
    f.banca = banca;
    f.iban = iban;
    QCOMPARE(f.etichettaVersamento(), etichetta);
}

void TestFoglioPaga::nomeMese_data()
{
    QTest::addColumn<int>("mese");
    QTest::addColumn<QString>("testo");
    QTest::newRow("January") << 1 << "gennaio 2026";
    QTest::newRow("December") << 12 << "dicembre 2026";
    QTest::newRow("no month: its number") << 13 << "13 2026";
}

void TestFoglioPaga::nomeMese()
{
    QFETCH(int, mese);
    QFETCH(QString, testo);
    QCOMPARE(FoglioPaga::nomeMese(mese, 2026), testo);
}

void TestFoglioPaga::pdf()
{
    FoglioPaga f;
    f.azienda = QStringLiteral("Alfa & Figli SA");
    f.dipendente = QStringLiteral("Mario Rossi");
    f.mese = FoglioPaga::nomeMese(1, 2026);
    f.vociLorde = {{QStringLiteral("Salario mensile"), QString(), QString(), 5000}};
    f.totaleLordo = 5000;
    f.deduzioni = {{QStringLiteral("AVS/AI/IPG"), QStringLiteral("5000.00"), QStringLiteral("5.30%"), 265},
                   {QStringLiteral("AD"), QStringLiteral("5000.00"), QStringLiteral("1.10%"), 55}};
    f.totaleDeduzioni = 320;
    f.importoVersato = 4680;
    f.giorniVacanzeAnno = 25;
    f.comunicazioni = QStringLiteral("Buone <feste> & auguri");
    const QString percorso = AmbienteTest::home() + QStringLiteral("/busta.pdf");
    QVERIFY(f.stampaPdf(percorso));
    const QString testo = testoPdf(percorso);
    for (const QString& atteso : {QStringLiteral("Stipendio mese di gennaio 2026"), QStringLiteral("Alfa & Figli SA"),
                                  QStringLiteral("SFr. ") + svizzero(5000), QStringLiteral("SFr. ") + svizzero(-265),
                                  QStringLiteral("SFr. ") + svizzero(-320), QStringLiteral("SFr. ") + svizzero(4680),
                                  QStringLiteral("Diritto vacanze per anno: 5.0 settimane"), QStringLiteral("25.0 giorni"),
                                  QStringLiteral("Buone <feste> & auguri")})
        QVERIFY2(testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + testo));
    QVERIFY(!testo.contains(QStringLiteral("Importo versato in contanti")));
}

void TestFoglioPaga::pdfNonScrivibile()
{
    FoglioPaga f;
    QVERIFY(!f.stampaPdf(AmbienteTest::home() + QStringLiteral("/manca/cartella/busta.pdf")));
}

// The pay-history year sheet: empty cells for months not saved, totals over
// the saved ones, and the optional second page with the totals alone.
void TestFoglioPaga::annoPaghe_data()
{
    QTest::addColumn<bool>("riepilogo");
    QTest::addColumn<int>("pagine");
    QTest::newRow("one page") << false << 1;
    QTest::newRow("with summary page") << true << 2;
}

void TestFoglioPaga::annoPaghe()
{
    QFETCH(bool, riepilogo);
    QFETCH(int, pagine);

    StoricoPaghe::PagaMese gennaio;
    gennaio.mese = 1;
    gennaio.lordoImponibile = 6200;
    gennaio.contributiDipendente = 400.15;
    gennaio.netto = 5500;
    StoricoPaghe::PagaMese febbraio = gennaio;
    febbraio.mese = 2;
    febbraio.netto = 5000;

    const QString percorso = AmbienteTest::home() + QStringLiteral("/anno.pdf");
    QVERIFY(FoglioPaga::stampaVariabiliMese(percorso, QStringLiteral("Alfa SA"), QStringLiteral("Rossi Mario"), 2026,
                                            QStringLiteral("Lugano, 3 marzo 2026"), {gennaio, febbraio}, riepilogo));
    const InfoPdf pdf = leggiPdf(percorso);
    QCOMPARE(pdf.pagine, pagine);
    QVERIFY(pdf.testo.contains(QStringLiteral("Inserimento variabili mese - Anno 2026")));
    QCOMPARE(rigaPdf(pdf.testo, QStringLiteral("Gennaio")),
             (QStringList{"Gennaio", svizzero(6200), svizzero(400.15), svizzero(0), svizzero(0), svizzero(0),
                          svizzero(5500)}));
    QCOMPARE(rigaPdf(pdf.testo, QStringLiteral("Marzo")), QStringList{"Marzo"});
    const QStringList totale{"Totale", "annuo", svizzero(12400), svizzero(800.30), svizzero(0), svizzero(0),
                             svizzero(0), svizzero(10500)};
    QCOMPARE(rigaPdf(pdf.testo, QStringLiteral("Totale annuo")), totale);
    QCOMPARE(pdf.testo.contains(QStringLiteral("Inserimento variabili mese - Riepilogo annuale - Anno 2026")),
             riepilogo);
    QCOMPARE(pdf.testo.count(QStringLiteral("Totale annuo")), pagine);
}

void TestFoglioPaga::annoPagheNonScrivibile()
{
    QVERIFY(!FoglioPaga::stampaVariabiliMese(AmbienteTest::home() + QStringLiteral("/manca/anno.pdf"),
                                             QStringLiteral("A"), QStringLiteral("B"), 2026, QString(), {}, false));
}

VARDELLO_TEST_MAIN(TestFoglioPaga)
#include "tst_fogliopaga.moc"
