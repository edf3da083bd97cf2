#include "ambientetest.h"
#include "esportapdf.h"
#include "piattaformatest.h"

#include <QDir>
#include <QFileInfo>

class TestEsportaPdf : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void testo_data();
    void testo();
    void html();
    void fallimenti_data();
    void fallimenti();
};

void TestEsportaPdf::testo_data()
{
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("presenti"); // texts the PDF shows
    QTest::addColumn<QStringList>("assenti");  // texts it must not show
    QTest::addColumn<int>("pagineMinime");

    QTest::newRow("markup shown literally")
        << QStringLiteral("Rendiconto <Salari> & \"Co\"")
        << QStringLiteral("Netto <b>1'234.50</b> & \"dati\"\nAVS     5.30%   <i>")
        << QStringList{"Rendiconto <Salari> & \"Co\"", "Netto <b>1'234.50</b> & \"dati\"", "<i>"}
        << QStringList{"&amp;", "&lt;", "&quot;"} << 1;
    QTest::newRow("columns kept")
        << QStringLiteral("Riepilogo")
        << QStringLiteral("Nome        Lordo\nRossi     5000.00\nBianchi   4200.00")
        << QStringList{"Rossi", "5000.00", "Bianchi", "4200.00"} << QStringList{} << 1;
    QTest::newRow("several pages")
        << QStringLiteral("Lungo") << (QStringLiteral("riga\n").repeated(200) + QStringLiteral("FINE"))
        << QStringList{"FINE"} << QStringList{} << 3;
    QTest::newRow("long line wrapped, nothing cut")
        << QStringLiteral("Largo")
        << (QStringLiteral("parola ").repeated(60) + QStringLiteral("ULTIMA"))
        << QStringList{"ULTIMA"} << QStringList{} << 1;
    QTest::newRow("empty text") << QStringLiteral("Solo titolo") << QString()
        << QStringList{"Solo titolo"} << QStringList{} << 1;
}

void TestEsportaPdf::testo()
{
    QFETCH(QString, titolo);
    QFETCH(QString, testo);
    QFETCH(QStringList, presenti);
    QFETCH(QStringList, assenti);
    QFETCH(int, pagineMinime);

    const QString path = AmbienteTest::home() + QStringLiteral("/export/testo.pdf");
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(EsportaPdf::salvaTestoPdf(path, titolo, testo));

    const InfoPdf pdf = leggiPdf(path);
    QVERIFY(pdf.valido);
    QVERIFY2(pdf.pagine >= pagineMinime, qPrintable(QString::number(pdf.pagine)));
    QCOMPARE(pdf.titolo, titolo);
    for (const QString& p : presenti)
        QVERIFY2(pdf.testo.contains(p), qPrintable(p + QStringLiteral(" missing in:\n") + pdf.testo));
    for (const QString& a : assenti)
        QVERIFY2(!pdf.testo.contains(a), qPrintable(a));
    if (testo.isEmpty())
        QCOMPARE(pdf.testo.simplified(), titolo + QStringLiteral(" 1")); // title and page number
    if (testo.contains(QLatin1String("Lordo"))) {
        // A monospaced font keeps the amounts right-aligned.
        const QStringList righe = pdf.testo.split(QLatin1Char('\n'));
        int fine[2] = {-1, -1};
        for (const QString& r : righe) {
            if (r.contains(QLatin1String("Rossi")))
                fine[0] = r.indexOf(QLatin1String("5000.00"));
            if (r.contains(QLatin1String("Bianchi")))
                fine[1] = r.indexOf(QLatin1String("4200.00"));
        }
        QVERIFY(fine[0] > 0);
        QCOMPARE(fine[0], fine[1]);
    }
    if (testo.contains(QLatin1String("ULTIMA")))
        QVERIFY(pdf.testo.count(QLatin1Char('\n')) > 2); // wrapped onto several lines
}

void TestEsportaPdf::html()
{
    const QString path = AmbienteTest::home() + QStringLiteral("/formulario.pdf");
    const QString html = QStringLiteral("<table border=\"1\"><tr><td><b>Cantone</b></td><td>TI</td></tr>"
                                        "<tr><td>Importo</td><td>200.00</td></tr></table><p>Tom &amp; Jerry</p>");
    QVERIFY(EsportaPdf::salvaHtmlPdf(path, QStringLiteral("Assegni <2026> & \"figli\""), html));

    const InfoPdf pdf = leggiPdf(path);
    QVERIFY(pdf.valido);
    QVERIFY2(pdf.a4Orizzontale(), qPrintable(QStringLiteral("%1 x %2").arg(pdf.pagina.width()).arg(pdf.pagina.height())));
    QCOMPARE(pdf.pagine, 1);
    // The title is escaped here; the caller's HTML is taken as HTML.
    QVERIFY2(pdf.testo.contains(QStringLiteral("Assegni <2026> & \"figli\"")), qPrintable(pdf.testo));
    QVERIFY(pdf.testo.contains(QStringLiteral("Cantone")));
    QVERIFY(pdf.testo.contains(QStringLiteral("Tom & Jerry")));
    QVERIFY(!pdf.testo.contains(QStringLiteral("<b>")));
    QVERIFY(!pdf.testo.contains(QStringLiteral("&amp;")));
}

void TestEsportaPdf::fallimenti_data()
{
    QTest::addColumn<QString>("path"); // below the home folder
    QTest::addColumn<bool>("html");

    QTest::newRow("text, missing folder") << "/manca/a.pdf" << false;
    QTest::newRow("html, missing folder") << "/manca/a.pdf" << true;
    QTest::newRow("text, path is a folder") << "/cartella" << false;
    QTest::newRow("text, empty path") << "" << false;
}

void TestEsportaPdf::fallimenti()
{
    QFETCH(QString, path);
    QFETCH(bool, html);

    QDir().mkpath(AmbienteTest::home() + QStringLiteral("/cartella"));
    const QString completo = path.isEmpty() ? QString() : AmbienteTest::home() + path;
    const bool esito = html ? EsportaPdf::salvaHtmlPdf(completo, QStringLiteral("T"), QStringLiteral("<p>x</p>"))
                            : EsportaPdf::salvaTestoPdf(completo, QStringLiteral("T"), QStringLiteral("x"));
    QVERIFY(!esito);
    QVERIFY(!QFileInfo::exists(AmbienteTest::home() + QStringLiteral("/manca")));
    QVERIFY(QFileInfo(AmbienteTest::home() + QStringLiteral("/cartella")).isDir());
}

VARDELLO_TEST_MAIN(TestEsportaPdf)
#include "tst_esportapdf.moc"
