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
    QTest::addColumn<QString>("presente"); // a text the PDF shows
    QTest::addColumn<int>("pagine"); // 1: exactly one; more: at least that many

    QTest::newRow("markup shown literally") << "Rendiconto <Salari> & \"Co\""
                                            << "Netto <b>1'234.50</b> & \"dati\" &amp;"
                                            << "Netto <b>1'234.50</b> & \"dati\" &amp;" << 1;
    QTest::newRow("several pages") << "Lungo" << QString("riga\n").repeated(200) + "FINE" << "FINE" << 3;
    QTest::newRow("long line wrapped, not cut") << "Largo" << QString("parola ").repeated(60) + "ULTIMA"
                                                << "ULTIMA" << 1;
    QTest::newRow("empty text") << "Solo titolo" << "" << "" << 1;
}

void TestEsportaPdf::testo()
{
    QFETCH(QString, titolo);
    QFETCH(QString, testo);
    QFETCH(QString, presente);
    QFETCH(int, pagine);

    const QString path = AmbienteTest::home() + QStringLiteral("/testo.pdf");
    QVERIFY(EsportaPdf::salvaTestoPdf(path, titolo, testo));

    const InfoPdf pdf = leggiPdf(path);
    QVERIFY(pdf.valido);
    QVERIFY2(pagine == 1 ? pdf.pagine == 1 : pdf.pagine >= pagine, qPrintable(QString::number(pdf.pagine)));
    QCOMPARE(pdf.titolo, titolo);
    QVERIFY2(pdf.testo.startsWith(titolo + QLatin1Char('\n')), qPrintable(pdf.testo));
    QVERIFY2(pdf.testo.contains(presente), qPrintable(pdf.testo));
    if (testo.isEmpty())
        QCOMPARE(pdf.testo.simplified(), titolo + QStringLiteral(" 1")); // title and page number
}

void TestEsportaPdf::html()
{
    const QString path = AmbienteTest::home() + QStringLiteral("/formulario.pdf");
    const QString html = QStringLiteral("<table><tr><td><b>Cantone</b></td><td>TI</td></tr></table><p>Tom &amp; Jerry</p>");
    QVERIFY(EsportaPdf::salvaHtmlPdf(path, QStringLiteral("Assegni <2026> & \"figli\""), html));

    const InfoPdf pdf = leggiPdf(path);
    QVERIFY(pdf.valido);
    QVERIFY(pdf.a4Orizzontale());
    QCOMPARE(pdf.pagine, 1);
    // The title is escaped here; the caller's HTML is taken as HTML.
    QVERIFY2(pdf.testo.startsWith(QStringLiteral("Assegni <2026> & \"figli\"\n")), qPrintable(pdf.testo));
    QVERIFY(pdf.testo.contains(QStringLiteral("Cantone")));
    QVERIFY(pdf.testo.contains(QStringLiteral("Tom & Jerry")));
    QVERIFY(!pdf.testo.contains(QStringLiteral("<b>")));
}

void TestEsportaPdf::fallimenti_data()
{
    QTest::addColumn<QString>("path"); // below the home folder
    QTest::addColumn<bool>("html");

    QTest::newRow("text, missing folder") << "/manca/a.pdf" << false;
    QTest::newRow("html, missing folder") << "/manca/a.pdf" << true;
    QTest::newRow("path is a folder") << "/cartella" << false;
}

void TestEsportaPdf::fallimenti()
{
    QFETCH(QString, path);
    QFETCH(bool, html);

    // No success without a written PDF, and no folder made on the way.
    QDir().mkpath(AmbienteTest::home() + QStringLiteral("/cartella"));
    const QString completo = AmbienteTest::home() + path;
    QVERIFY(!(html ? EsportaPdf::salvaHtmlPdf(completo, QStringLiteral("T"), QStringLiteral("<p>x</p>"))
                   : EsportaPdf::salvaTestoPdf(completo, QStringLiteral("T"), QStringLiteral("x"))));
    QVERIFY(!QFileInfo::exists(AmbienteTest::home() + QStringLiteral("/manca")));
    QVERIFY(QFileInfo(AmbienteTest::home() + QStringLiteral("/cartella")).isDir());
}

VARDELLO_TEST_MAIN(TestEsportaPdf)
#include "tst_esportapdf.moc"
