#include "ambientetest.h"
#include "anteprimastampa.h"
#include "piattaformatest.h"

#include <QDir>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

namespace {

const QString testoDisegnato = QStringLiteral("Foglio paga <Rossi> & \"Bianchi\"");

// Draws one line 20 mm from the corner of each page and counts the calls.
std::function<void(QPrinter&)> disegno(int* chiamate, int pagine = 1)
{
    return [=](QPrinter& printer) {
        ++*chiamate;
        QPainter p(&printer);
        const double mm = p.viewport().width() / 210.0;
        for (int i = 0; i < pagine; ++i) {
            if (i > 0)
                printer.newPage();
            p.drawText(QPointF(20 * mm, 20 * mm), testoDisegnato);
        }
    };
}

QString cartellaRicordata()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("UltimoPercorsoStampa")).value("cartella").toString();
}

} // namespace

class TestAnteprimaStampa : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void cleanup()
    {
        for (const QUrl& u : piattaforma.urlAperti) // the temporary previews
            QFile::remove(u.toLocalFile());
        piattaforma.urlAperti.clear();
        piattaforma.richiesteSalva.clear();
    }

    void anteprima();
    void notaVisualizzatore_data();
    void notaVisualizzatore();
    void zoom_data();
    void zoom();
    void salvaPdf_data();
    void salvaPdf();
    void cartellaProposta();
    void stampa();

private:
    RegistroPiattaforma piattaforma;
};

void TestAnteprimaStampa::anteprima()
{
    int chiamate = 0;
    AnteprimaStampa prima(nullptr, QStringLiteral("Anteprima foglio paga"), disegno(&chiamate, 2));
    AnteprimaStampa seconda(nullptr, QStringLiteral("Anteprima foglio paga"), disegno(&chiamate));
    AnteprimaStampa senzaDisegno(nullptr, QStringLiteral("Vuota"), {}); // renders and opens nothing

    QCOMPARE(chiamate, 2);
    QCOMPARE(piattaforma.urlAperti.size(), 2);
    const QString file = piattaforma.urlAperti.at(0).toLocalFile();
    QVERIFY(file != piattaforma.urlAperti.at(1).toLocalFile());
    QCOMPARE(QFileInfo(file).absolutePath(), QDir(QDir::tempPath()).absolutePath());
    QVERIFY(QFileInfo(file).fileName().startsWith(QLatin1String("anteprima_")));

    const InfoPdf pdf = leggiPdf(file);
    QVERIFY(pdf.a4Verticale());
    QCOMPARE(pdf.pagine, 2);
    QVERIFY2(pdf.testo.contains(testoDisegnato), qPrintable(pdf.testo));
    QCOMPARE(prima.findChild<QGraphicsView*>()->scene()->items().size(), 1);
    QVERIFY(senzaDisegno.findChild<QGraphicsView*>()->scene()->items().isEmpty());
}

void TestAnteprimaStampa::notaVisualizzatore_data()
{
    QTest::addColumn<bool>("aperto"); // whether the desktop took the file

    QTest::newRow("viewer opened") << true;
    QTest::newRow("no viewer on the machine") << false;
}

void TestAnteprimaStampa::notaVisualizzatore()
{
    QFETCH(bool, aperto);

    piattaforma.esitoApriUrl = aperto;
    int chiamate = 0;
    AnteprimaStampa a(nullptr, QStringLiteral("Anteprima"), disegno(&chiamate));
    piattaforma.esitoApriUrl = true;

    const QList<QGraphicsItem*> voci = a.findChild<QGraphicsView*>()->scene()->items();
    QCOMPARE(voci.size(), 1);
    auto* nota = dynamic_cast<QGraphicsTextItem*>(voci.first());
    QVERIFY(nota);
    QCOMPARE(piattaforma.urlAperti.size(), 1);
    const QString file = piattaforma.urlAperti.first().toLocalFile();
    QVERIFY(QFileInfo(file).size() > 0);
    if (aperto)
        QCOMPARE(nota->toPlainText(), QStringLiteral("Anteprima aperta nel visualizzatore PDF di sistema."));
    else
        QCOMPARE(nota->toPlainText(), QStringLiteral("Nessun visualizzatore PDF si e' aperto. L'anteprima e' salvata in:\n")
                                          + QDir::toNativeSeparators(file));
}

void TestAnteprimaStampa::zoom_data()
{
    QTest::addColumn<QString>("passi"); // "+" and "-" clicks in order
    QTest::addColumn<QString>("etichetta");
    QTest::addColumn<double>("fattore");

    QTest::newRow("in three times") << "+++" << "172%" << 1.728;
    QTest::newRow("in stops at 400%") << QString(13, '+') << "400%" << 4.0;
    QTest::newRow("out stops at 10%") << QString(20, '-') << "10%" << 0.1;
    QTest::newRow("back from 400%") << QString(13, '+') + "-" << "333%" << 4 / 1.2;
}

void TestAnteprimaStampa::zoom()
{
    QFETCH(QString, passi);
    QFETCH(QString, etichetta);
    QFETCH(double, fattore);

    int chiamate = 0;
    AnteprimaStampa a(nullptr, QStringLiteral("Z"), disegno(&chiamate));
    for (const QChar c : passi)
        a.findChild<QPushButton*>(c == '+' ? "pulsanteZoomPiu" : "pulsanteZoomMeno")->click();

    QCOMPARE(a.findChild<QLabel*>(QStringLiteral("etichettaZoom"))->text(), etichetta);
    QVERIFY(qAbs(a.findChild<QGraphicsView*>()->transform().m11() - fattore) < 1e-9);
    QCOMPARE(chiamate, 1); // zooming does not draw again
}

void TestAnteprimaStampa::salvaPdf_data()
{
    QTest::addColumn<QString>("risposta"); // below the home folder; empty: dialog cancelled
    QTest::addColumn<bool>("conDisegno");
    QTest::addColumn<QString>("scritto");  // file written; empty: none

    QTest::newRow("extension added") << "/pdf/busta" << true << "/pdf/busta.pdf";
    QTest::newRow("upper-case extension kept") << "/pdf/B.PDF" << true << "/pdf/B.PDF";
    QTest::newRow("missing folder") << "/manca/a.pdf" << true << "";
    QTest::newRow("no drawing") << "/pdf/a.pdf" << false << "";
    QTest::newRow("cancelled") << "" << true << "";
}

void TestAnteprimaStampa::salvaPdf()
{
    QFETCH(QString, risposta);
    QFETCH(bool, conDisegno);
    QFETCH(QString, scritto);

    const QString home = AmbienteTest::home();
    QDir().mkpath(home + QStringLiteral("/pdf"));
    if (!risposta.isEmpty())
        piattaforma.risposteSalva << home + risposta;
    RegistroMessaggi messaggi;
    int chiamate = 0;
    AnteprimaStampa a(nullptr, QStringLiteral("Anteprima variabili mese"),
                      conDisegno ? disegno(&chiamate) : std::function<void(QPrinter&)>());
    a.findChild<QPushButton*>(QStringLiteral("pulsanteSalvaPdf"))->click();

    QCOMPARE(piattaforma.richiesteSalva.size(), 1);
    QCOMPARE(piattaforma.richiesteSalva.first().titolo, QStringLiteral("Salva PDF"));
    QCOMPARE(piattaforma.richiesteSalva.first().filtro, QStringLiteral("PDF (*.pdf)"));
    QCOMPARE(messaggi.richieste.size(), risposta.isEmpty() ? 0 : 1);
    if (!scritto.isEmpty()) {
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("PDF salvato"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("File salvato in:\n") + home + scritto);
        const InfoPdf pdf = leggiPdf(home + scritto);
        QVERIFY(pdf.a4Verticale());
        QVERIFY(pdf.testo.contains(testoDisegnato));
        QCOMPARE(cartellaRicordata(), home + QStringLiteral("/pdf"));
    } else if (!risposta.isEmpty()) {
        // Nothing written is never reported as saved.
        QCOMPARE(messaggi.richieste.first().tipo, Messaggi::Tipo::Avviso);
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/manca")));
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/pdf/a.pdf")));
        QVERIFY(cartellaRicordata().isEmpty());
    }
}

void TestAnteprimaStampa::cartellaProposta()
{
    const QString home = AmbienteTest::home();
    const QString ricordata = home + QStringLiteral("/buste");
    const QString predefinita = home + QStringLiteral("/predefinita");
    QDir().mkpath(ricordata);
    RegistroMessaggi messaggi;
    int chiamate = 0;
    auto proponi = [&](const QString& nome, const QString& cartella) {
        AnteprimaStampa a(nullptr, QStringLiteral("A"), disegno(&chiamate));
        a.nomeFilePredefinito = nome;
        a.cartellaPredefinita = cartella;
        a.salvaPdf();
        return piattaforma.richiesteSalva.last().proposto;
    };

    QCOMPARE(proponi("variabili_rossi_2026.pdf", predefinita), predefinita + "/variabili_rossi_2026.pdf");
    // Saved once from any preview: that folder is proposed by every later one ...
    piattaforma.risposteSalva << ricordata + QStringLiteral("/x.pdf");
    proponi(QString(), QString());
    QCOMPARE(proponi("y.pdf", predefinita), ricordata + "/y.pdf");
    // ... until it is gone.
    QVERIFY(QDir(ricordata).removeRecursively());
    QCOMPARE(proponi("y.pdf", predefinita), predefinita + "/y.pdf");
    QCOMPARE(proponi(QString(), QString()), home + "/stampa.pdf");
}

void TestAnteprimaStampa::stampa()
{
    piattaforma.stampaSuPdf = AmbienteTest::home() + QStringLiteral("/stampante.pdf");
    int chiamate = 0;
    AnteprimaStampa a(nullptr, QStringLiteral("A"), disegno(&chiamate));

    piattaforma.accettaStampa = false;
    a.stampa();
    QCOMPARE(piattaforma.dialoghiStampa, QStringList{QStringLiteral("Stampa")});
    QCOMPARE(chiamate, 1);

    // Accepted: the drawing goes to the printer chosen in the dialog.
    piattaforma.accettaStampa = true;
    a.findChild<QPushButton*>(QStringLiteral("pulsanteStampa"))->click();
    QCOMPARE(chiamate, 2);
    QVERIFY(leggiPdf(piattaforma.stampaSuPdf).testo.contains(testoDisegnato));
}

VARDELLO_TEST_MAIN(TestAnteprimaStampa)
#include "tst_anteprimastampa.moc"
