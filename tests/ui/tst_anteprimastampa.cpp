#include "ambientetest.h"
#include "anteprimastampa.h"
#include "piattaformatest.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

namespace {

// Draws one line of text 20 mm from the top-left corner of every page, the
// way the program's printouts place things in millimetres.
struct Disegno
{
    int chiamate = 0;
    QString testo = QStringLiteral("Foglio paga <Rossi> & \"Bianchi\"");
    int pagine = 1;

    std::function<void(QPrinter&)> funzione()
    {
        return [this](QPrinter& printer) {
            ++chiamate;
            QPainter p(&printer);
            const QRect r = p.viewport();
            const double mm = r.width() / 210.0;
            p.setFont(QFont(QStringLiteral("Arial"), 12));
            for (int i = 0; i < pagine; ++i) {
                if (i > 0)
                    printer.newPage();
                p.drawText(QPointF(20 * mm, 20 * mm), testo);
            }
        };
    }
};

QString cartellaRicordata()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimoPercorsoStampa"))
        .value(QStringLiteral("cartella"))
        .toString();
}

} // namespace

class TestAnteprimaStampa : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void anteprima();
    void zoom_data();
    void zoom();
    void salvaPdf_data();
    void salvaPdf();
    void cartellaProposta();
    void stampa();
    void pulsanti();
};

void TestAnteprimaStampa::anteprima()
{
    RegistroPiattaforma piattaforma;
    Disegno disegno;
    disegno.pagine = 2;
    AnteprimaStampa prima(nullptr, QStringLiteral("Anteprima foglio paga"), disegno.funzione());
    AnteprimaStampa seconda(nullptr, QStringLiteral("Anteprima foglio paga"), disegno.funzione());

    QCOMPARE(disegno.chiamate, 2);
    QCOMPARE(prima.windowTitle(), QStringLiteral("Anteprima foglio paga"));
    QCOMPARE(piattaforma.urlAperti.size(), 2);
    const QString file = piattaforma.urlAperti.at(0).toLocalFile();
    QVERIFY(piattaforma.urlAperti.at(0).isLocalFile());
    QVERIFY(file != piattaforma.urlAperti.at(1).toLocalFile());
    QCOMPARE(QFileInfo(file).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QVERIFY(QFileInfo(file).fileName().startsWith(QLatin1String("anteprima_")));
    QVERIFY(file.endsWith(QLatin1String(".pdf")));

    const InfoPdf pdf = leggiPdf(file);
    QVERIFY(pdf.valido);
    QVERIFY(pdf.a4Verticale());
    QCOMPARE(pdf.pagine, 2);
    QVERIFY2(pdf.testo.contains(disegno.testo), qPrintable(pdf.testo));

    auto* vista = prima.findChild<QGraphicsView*>(QStringLiteral("vista"));
    QVERIFY(vista);
    QCOMPARE(vista->dragMode(), QGraphicsView::ScrollHandDrag);
    QCOMPARE(vista->scene()->items().size(), 1);
    QVERIFY(prima.windowState() & Qt::WindowMaximized);
    for (const QUrl& u : piattaforma.urlAperti)
        QFile::remove(u.toLocalFile());

    // Without a drawing nothing is rendered or opened.
    AnteprimaStampa vuota(nullptr, QStringLiteral("Vuota"), {});
    QCOMPARE(piattaforma.urlAperti.size(), 2);
    QVERIFY(vuota.findChild<QGraphicsView*>(QStringLiteral("vista"))->scene()->items().isEmpty());
}

void TestAnteprimaStampa::zoom_data()
{
    QTest::addColumn<QString>("passi"); // "+" and "-" clicks in order
    QTest::addColumn<QString>("etichetta");
    QTest::addColumn<double>("fattore");

    QTest::newRow("start") << "" << "100%" << 1.0;
    QTest::newRow("in once") << "+" << "120%" << 1.2;
    QTest::newRow("in three times") << "+++" << "172%" << 1.728;
    QTest::newRow("in stops at 400%") << QString(12, QLatin1Char('+')) << "400%" << 4.0;
    QTest::newRow("in once more at 400%") << QString(13, QLatin1Char('+')) << "400%" << 4.0;
    QTest::newRow("out once") << "-" << "83%" << 1 / 1.2;
    QTest::newRow("out stops at 10%") << QString(20, QLatin1Char('-')) << "10%" << 0.1;
    QTest::newRow("back from 10%") << QString(20, QLatin1Char('-')) + "+" << "12%" << 0.12;
    QTest::newRow("back from 400%") << QString(12, QLatin1Char('+')) + "-" << "333%" << 4 / 1.2;
}

void TestAnteprimaStampa::zoom()
{
    QFETCH(QString, passi);
    QFETCH(QString, etichetta);
    QFETCH(double, fattore);

    RegistroPiattaforma piattaforma;
    Disegno disegno;
    AnteprimaStampa a(nullptr, QStringLiteral("Z"), disegno.funzione());
    auto* piu = a.findChild<QPushButton*>(QStringLiteral("pulsanteZoomPiu"));
    auto* meno = a.findChild<QPushButton*>(QStringLiteral("pulsanteZoomMeno"));
    for (const QChar c : passi)
        (c == QLatin1Char('+') ? piu : meno)->click();

    QCOMPARE(a.findChild<QLabel*>(QStringLiteral("etichettaZoom"))->text(), etichetta);
    const QTransform t = a.findChild<QGraphicsView*>(QStringLiteral("vista"))->transform();
    QVERIFY2(qAbs(t.m11() - fattore) < 1e-9 && qAbs(t.m22() - fattore) < 1e-9, qPrintable(QString::number(t.m11())));
    QCOMPARE(disegno.chiamate, 1); // zooming does not draw again
    QFile::remove(piattaforma.urlAperti.first().toLocalFile());
}

void TestAnteprimaStampa::salvaPdf_data()
{
    QTest::addColumn<QString>("risposta"); // below the home folder; "<cancel>": dialog cancelled
    QTest::addColumn<bool>("conDisegno");
    QTest::addColumn<QString>("scritto");  // file written, empty: none

    QTest::newRow("name with extension") << "/pdf/a.pdf" << true << "/pdf/a.pdf";
    QTest::newRow("extension added") << "/pdf/busta" << true << "/pdf/busta.pdf";
    QTest::newRow("upper-case extension kept") << "/pdf/B.PDF" << true << "/pdf/B.PDF";
    QTest::newRow("missing folder") << "/manca/a.pdf" << true << "";
    QTest::newRow("no drawing") << "/pdf/a.pdf" << false << "";
    QTest::newRow("cancelled") << "<cancel>" << true << "";
}

void TestAnteprimaStampa::salvaPdf()
{
    QFETCH(QString, risposta);
    QFETCH(bool, conDisegno);
    QFETCH(QString, scritto);

    const QString home = AmbienteTest::home();
    QDir().mkpath(home + QStringLiteral("/pdf"));
    RegistroPiattaforma piattaforma;
    if (risposta != QLatin1String("<cancel>"))
        piattaforma.risposteSalva << home + risposta;
    RegistroMessaggi messaggi;
    Disegno disegno;
    AnteprimaStampa a(nullptr, QStringLiteral("Anteprima variabili mese"),
                      conDisegno ? disegno.funzione() : std::function<void(QPrinter&)>());
    a.findChild<QPushButton*>(QStringLiteral("pulsanteSalvaPdf"))->click();

    QCOMPARE(piattaforma.richiesteSalva.size(), 1);
    QCOMPARE(piattaforma.richiesteSalva.first().titolo, QStringLiteral("Salva PDF"));
    QCOMPARE(piattaforma.richiesteSalva.first().filtro, QStringLiteral("PDF (*.pdf)"));
    QCOMPARE(piattaforma.richiesteSalva.first().proposto, home + QStringLiteral("/stampa.pdf"));

    if (risposta == QLatin1String("<cancel>")) {
        QVERIFY(messaggi.richieste.isEmpty());
        QCOMPARE(disegno.chiamate, 1);
    } else if (scritto.isEmpty()) {
        // A PDF that was not written is never reported as saved.
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Avviso);
        QVERIFY(!messaggi.contiene(QStringLiteral("PDF salvato")));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/manca")));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/pdf/a.pdf")));
        QVERIFY(cartellaRicordata().isEmpty());
    } else {
        QCOMPARE(messaggi.richieste.size(), 1);
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Informazione);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("PDF salvato"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("File salvato in:\n") + home + scritto);
        QCOMPARE(disegno.chiamate, 2);
        const InfoPdf pdf = leggiPdf(home + scritto);
        QVERIFY(pdf.valido);
        QVERIFY(pdf.a4Verticale());
        QCOMPARE(pdf.pagine, 1);
        QVERIFY(pdf.testo.contains(disegno.testo));
        QCOMPARE(cartellaRicordata(), home + QStringLiteral("/pdf"));
    }
    if (!piattaforma.urlAperti.isEmpty())
        QFile::remove(piattaforma.urlAperti.first().toLocalFile());
}

void TestAnteprimaStampa::cartellaProposta()
{
    const QString home = AmbienteTest::home();
    const QString ricordata = home + QStringLiteral("/buste");
    const QString predefinita = home + QStringLiteral("/predefinita");
    QDir().mkpath(ricordata);
    RegistroPiattaforma piattaforma;
    RegistroMessaggi messaggi;
    Disegno disegno;

    auto proponi = [&](const QString& nome, const QString& cartella) {
        AnteprimaStampa a(nullptr, QStringLiteral("A"), disegno.funzione());
        a.nomeFilePredefinito = nome;
        a.cartellaPredefinita = cartella;
        a.salvaPdf();
        return piattaforma.richiesteSalva.last().proposto;
    };

    // The caller's folder and name until a PDF was saved.
    QCOMPARE(proponi(QStringLiteral("variabili_rossi_2026.pdf"), predefinita),
             predefinita + QStringLiteral("/variabili_rossi_2026.pdf"));
    // Saved once from any preview: that folder is proposed by every later one.
    piattaforma.risposteSalva << ricordata + QStringLiteral("/x.pdf");
    proponi(QString(), QString());
    QCOMPARE(cartellaRicordata(), ricordata);
    QCOMPARE(proponi(QStringLiteral("y.pdf"), predefinita), ricordata + QStringLiteral("/y.pdf"));
    // Once it is gone, the caller's folder again, or the home folder.
    QVERIFY(QDir(ricordata).removeRecursively());
    QCOMPARE(proponi(QStringLiteral("y.pdf"), predefinita), predefinita + QStringLiteral("/y.pdf"));
    QCOMPARE(proponi(QString(), QString()), home + QStringLiteral("/stampa.pdf"));

    for (const QUrl& u : piattaforma.urlAperti)
        QFile::remove(u.toLocalFile());
}

void TestAnteprimaStampa::stampa()
{
    const QString stampato = AmbienteTest::home() + QStringLiteral("/stampante.pdf");
    RegistroPiattaforma piattaforma;
    piattaforma.stampaSuPdf = stampato;
    Disegno disegno;
    AnteprimaStampa a(nullptr, QStringLiteral("A"), disegno.funzione());

    piattaforma.accettaStampa = false;
    a.findChild<QPushButton*>(QStringLiteral("pulsanteStampa"))->click();
    QCOMPARE(piattaforma.dialoghiStampa, QStringList{QStringLiteral("Stampa")});
    QCOMPARE(disegno.chiamate, 1);
    QVERIFY(!QFileInfo::exists(stampato));

    // Accepted: the drawing goes to the printer chosen in the dialog.
    piattaforma.accettaStampa = true;
    a.findChild<QPushButton*>(QStringLiteral("pulsanteStampa"))->click();
    QCOMPARE(piattaforma.dialoghiStampa.size(), 2);
    QCOMPARE(disegno.chiamate, 2);
    const InfoPdf pdf = leggiPdf(stampato);
    QVERIFY(pdf.valido);
    QVERIFY(pdf.testo.contains(disegno.testo));

    QFile::remove(piattaforma.urlAperti.first().toLocalFile());
}

void TestAnteprimaStampa::pulsanti()
{
    RegistroPiattaforma piattaforma;
    Disegno disegno;
    AnteprimaStampa a(nullptr, QStringLiteral("A"), disegno.funzione());
    quandoAperto([&] { a.findChild<QPushButton*>(QStringLiteral("pulsanteChiudi"))->click(); });
    QCOMPARE(a.exec(), int(QDialog::Accepted));
    QFile::remove(piattaforma.urlAperti.first().toLocalFile());
}

VARDELLO_TEST_MAIN(TestAnteprimaStampa)
#include "tst_anteprimastampa.moc"
