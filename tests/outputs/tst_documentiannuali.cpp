#include "ambientetest.h"
#include "certificato.h"
#include "config.h"
#include "conteggiocaf.h"
#include "conteggiosalario.h"
#include "dialoganno.h"
#include "dipendente.h"
#include "documentiannuali.h"
#include "formularioassegni.h"
#include "generatoreelm.h"
#include "certificatoannuo.h"
#include "gestionecertificati.h"
#include "importi.h"
#include "inizializzazione.h"
#include "movimenti.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "rss.h"
#include "sceglidipendente.h"
#include "storicopaghe.h"

#include <QCheckBox>
#include <QDir>
#include <QInputDialog>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace {

using Importi::arrotonda5;

const QString kBernasconi = QStringLiteral("Bernasconi_Luca.txt");

// Ticks `ids` (all when empty) in the employee chooser, then runs `dopo`.
void scegli(const QStringList& ids, std::function<void()> dopo = {})
{
    quandoModale<ScegliDipendente>([ids, dopo](ScegliDipendente* f) {
        auto* t = f->findChild<QTableWidget*>(QStringLiteral("tabella"));
        for (int r = 0; r < t->rowCount(); ++r) {
            if (ids.isEmpty() || ids.contains(t->item(r, 0)->data(Qt::UserRole).toString()))
                t->item(r, 0)->setCheckState(Qt::Checked);
        }
        if (dopo)
            dopo();
        f->conferma();
    });
}

// Accepts the year picker with the year it proposes (checked), then `dopo`.
void accettaAnno(int proposto, std::function<void()> dopo = {})
{
    quandoModale<DialogAnno>([proposto, dopo](DialogAnno* f) {
        QCOMPARE(f->anno(), proposto);
        if (dopo)
            dopo();
        f->accept();
    });
}

// The saved months of 2026, summed as the store holds them.
StoricoPaghe::PagaMese sommaStorico(const QString& id)
{
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(id, 2026, mesi);
    StoricoPaghe::PagaMese s;
    for (const StoricoPaghe::PagaMese& p : mesi) {
        s.lordoImponibile += p.lordoImponibile, s.contributiDipendente += p.contributiDipendente;
        s.lppDipendente += p.lppDipendente, s.impostaTrattenuta += p.impostaTrattenuta, s.netto += p.netto;
    }
    return s;
}

// The amount after `etichetta` in a text ("Cifra 11 (netto):   123.45 CHF").
double importoDopo(const QString& testo, const QString& etichetta)
{
    const auto m = QRegularExpression(QRegularExpression::escape(etichetta) + QStringLiteral("\\s*(-?[0-9]+\\.[0-9]{2})"))
                       .match(testo);
    return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
}

// xmllint's complaints about a file; empty when it parses cleanly.
QString xmllint(const QStringList& argomenti)
{
    QProcess p;
    p.start(QStringLiteral("xmllint"), argomenti);
    p.waitForFinished(30000);
    const QString uscita = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode() == 0 && uscita.isEmpty() ? QString() : uscita + QStringLiteral(" (errore)");
}

Certificato::DatiCertificato certificato(const QString& id)
{
    Certificato::DatiCertificato c;
    c.idDipendente = id;
    c.annoValidita = 2026;
    return c;
}

// The cells of every table row of an HTML document, through the XML reader.
QList<QStringList> righeTabelle(const QString& html)
{
    QList<QStringList> righe;
    QXmlStreamReader x(QString(html).replace(QStringLiteral("<meta charset='utf-8'>"), QString()));
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("tr"))
            righe.append(QStringList());
        else if (x.isStartElement() && (x.name() == QLatin1String("td") || x.name() == QLatin1String("th")))
            righe.last().append(x.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return righe;
}

} // namespace

class TestDocumentiAnnuali : public QObject
{
    Q_OBJECT

private:
    static QString cartellaExport(const QString& nome)
    {
        const QString c = Config::cartellaExportAzienda() + QLatin1Char('/') + nome;
        QDir().mkpath(c);
        return c;
    }

private slots:
    void initTestCase() { QVERIFY(caricaTariffeTicino()); }
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2027, 2, 10), QTime(9, 0)));
        Inizializzazione::esegui();
    }

    void fileCertificato_data();
    void fileCertificato();
    void annoProposto_data();
    void annoProposto();
    void trimestreChiuso();
    void destinazioni_data();
    void destinazioni();
    void sovrascriviCertificati();
    void completaSalarioEta_data();
    void completaSalarioEta();
    void uscitaAprile();
    void stimaAnnoParziale();
    void cartellaNonScrivibile();
};

void TestDocumentiAnnuali::fileCertificato_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("osservazioni");
    QTest::addColumn<QString>("file"); // empty: refused
    QTest::newRow("blank in surname") << "De Luca_Anna.txt" << "" << "certificato_De_Luca_Anna_2026.txt";
    QTest::newRow("remark, line break") << "Rossi_Ugo.txt" << "a=b\nannoValidita=1999" << "certificato_Rossi_Ugo_2026.txt";
    QTest::newRow("path in the id") << "../fuori.txt" << "" << "";
    QTest::newRow("backslash in the id") << "a\\b.txt" << "" << "";
}

void TestDocumentiAnnuali::fileCertificato()
{
    QFETCH(QString, id);
    QFETCH(QString, osservazioni);
    QFETCH(QString, file);
    Certificato::DatiCertificato c = certificato(id);
    c.cifra1 = 60000, c.cifra2 = 1500, c.cifra9 = 6500.35, c.cifra10_1 = 3000, c.cifra12 = 12345.67;
    c.osservazioni = osservazioni;
    Certificato::calcolaTotali(c);
    QCOMPARE(c.cifra8, 61500.0);
    QCOMPARE(arrotonda5(c.cifra11), 51999.65);
    if (file.isEmpty()) {
        QVERIFY(Certificato::percorsoFile(c).isEmpty());
        QVERIFY(!Certificato::salva(c));
        QVERIFY(Certificato::elencoCertificati().isEmpty());
        return;
    }
    QVERIFY(Certificato::salva(c));
    QCOMPARE(Certificato::elencoCertificati(), QStringList{file});
    Certificato::DatiCertificato letto;
    QVERIFY(Certificato::carica(letto, Certificato::cartella() + QLatin1Char('/') + file));
    QCOMPARE(letto.annoValidita, 2026);
    QCOMPARE(letto.idDipendente, id);
    QCOMPARE(letto.cifra9, 6500.35);
    QCOMPARE(arrotonda5(letto.cifra11), 51999.65);
    QCOMPARE(letto.osservazioni, QString(osservazioni).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void TestDocumentiAnnuali::annoProposto_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<int>("anno");
    QTest::newRow("January: the year just ended") << QDate(2027, 1, 5) << 2026;
    QTest::newRow("31 March") << QDate(2027, 3, 31) << 2026;
    QTest::newRow("April: the current year") << QDate(2027, 4, 1) << 2027;
}

void TestDocumentiAnnuali::annoProposto()
{
    QFETCH(QDate, oggi);
    QFETCH(int, anno);
    Orologio::imposta(QDateTime(oggi, QTime(9, 0)));
    accettaAnno(anno);
    QCOMPARE(DocumentiAnnuali::chiediAnno(nullptr), anno);
    quandoModale<DialogAnno>([](DialogAnno* f) { f->reject(); });
    QCOMPARE(DocumentiAnnuali::chiediAnno(nullptr), 0);
}

// The demonstration company with January to March closed: certificates,
// manager, PDF sheets, statement and XML carry the sums of the saved months.
void TestDocumentiAnnuali::trimestreChiuso()
{
    // A bonus in February: an irregular benefit, figure 3.
    MovimentoStipendio bonus;
    bonus.data = QStringLiteral("2026-02-20");
    bonus.tipo = QStringLiteral("Bonus");
    bonus.importo = 1000;
    Movimenti::applicaPreset(bonus);
    QVERIFY(Movimenti::salva(kBernasconi, {bonus}));
    const QStringList ids = Dipendente::elencoDipendenti(false);
    for (const QString& id : ids) {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));
        for (int m = 1; m <= 3; ++m)
            QVERIFY(ConteggioSalario::genera(id, d, 2026, m, true, -1).errore.isEmpty());
    }

    RegistroMessaggi messaggi;
    scegli({}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati 7 certificati di salario."));

    QMap<QString, Certificato::DatiCertificato> certificati;
    for (const QString& id : ids) {
        Certificato::DatiCertificato c = certificato(id);
        QVERIFY(Certificato::carica(c, Certificato::percorsoFile(c)));
        const StoricoPaghe::PagaMese s = sommaStorico(id);
        QVERIFY(!c.stima);
        QCOMPARE(c.cifra3, id == kBernasconi ? 1000.0 : 0.0);
        QCOMPARE(arrotonda5(c.cifra1 + c.cifra2 + c.cifra3), arrotonda5(s.lordoImponibile));
        QCOMPARE(arrotonda5(c.cifra8), arrotonda5(c.cifra1 + c.cifra2 + c.cifra3));
        QCOMPARE(arrotonda5(c.cifra9), arrotonda5(s.contributiDipendente));
        QCOMPARE(arrotonda5(c.cifra10_1), arrotonda5(s.lppDipendente));
        QCOMPARE(arrotonda5(c.cifra12), arrotonda5(s.impostaTrattenuta));
        QCOMPARE(arrotonda5(c.cifra11), arrotonda5(c.cifra8 - c.cifra9 - c.cifra10_1 - c.cifra10_2));
        certificati.insert(id, c);
    }
    QVERIFY(certificati.value(QStringLiteral("Colombo_Sara.txt")).cifra12 > 0); // tax at source is summed too

    // The manager lists them, opens one and prints all ticked ones.
    GestioneCertificati g;
    auto* lista = g.findChild<QListWidget*>(QStringLiteral("lista"));
    QCOMPARE(lista->count(), 7);
    lista->setCurrentRow(0);
    g.findChild<QPushButton*>(QStringLiteral("apri"))->click();
    QCOMPARE(importoDopo(messaggi.ultimoTesto(), QStringLiteral("Cifra 11 (netto):")),
             arrotonda5(certificati.value(ids.first()).cifra11));
    g.findChild<QCheckBox*>(QStringLiteral("selezionaTutti"))->setChecked(true);
    const QString cartella = cartellaExport(QStringLiteral("certificati"));
    rispondiDialogoFile(cartella);
    g.findChild<QPushButton*>(QStringLiteral("esportaPdf"))->click();
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati: 7\nErrori: 0\nCartella: %1").arg(cartella));
    const InfoPdf pdf = leggiPdf(cartella + QStringLiteral("/certificato_Bernasconi_Luca_2026.pdf"));
    const Certificato::DatiCertificato b = certificati.value(kBernasconi);
    const struct { const char* etichetta; double valore; } cifre[] = {
        {"Cifra 1 (lordo):", b.cifra1}, {"Cifra 3 (irregolari):", b.cifra3}, {"Cifra 8 (totale):", b.cifra8},
        {"Cifra 9 (contributi):", b.cifra9}, {"Cifra 10.1 (LPP):", b.cifra10_1}, {"Cifra 11 (netto):", b.cifra11},
        {"Cifra 12 (imposta):", b.cifra12}};
    for (const auto& c : cifre)
        QCOMPARE(importoDopo(pdf.testo, QLatin1String(c.etichetta)), arrotonda5(c.valore));
    QVERIFY(!pdf.testo.contains(QStringLiteral("stima")));
    // Deleting the highlighted certificate takes its file and its item.
    messaggi.rispondi(QMessageBox::Yes);
    g.findChild<QPushButton*>(QStringLiteral("elimina"))->click();
    QCOMPARE(lista->count(), 6);
    QCOMPARE(Certificato::elencoCertificati().size(), 6);

    // "Esporta certificato PDF..." for one employee.
    const QString unoPdf = cartellaExport(QStringLiteral("uno")) + QStringLiteral("/b.pdf");
    scegli({kBernasconi}, [unoPdf] { accettaAnno(2026, [unoPdf] { rispondiDialogoFile(unoPdf); }); });
    DocumentiAnnuali::esportaCertificatiPdf(nullptr);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF salvato in:\n") + unoPdf);
    const StoricoPaghe::PagaMese sb = sommaStorico(kBernasconi);
    const QString testoUno = leggiPdf(unoPdf).testo;
    QCOMPARE(importoDopo(testoUno, QStringLiteral("Salario annuo lordo:")), arrotonda5(sb.lordoImponibile));
    QCOMPARE(importoDopo(testoUno, QStringLiteral("Netto annuo:")), arrotonda5(sb.netto));

    // The statement and the XML export: the same annual figures.
    const RSS::Rendiconto r = RSS::genera(kBernasconi, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026);
    QVERIFY(!r.stima);
    QCOMPARE(arrotonda5(r.lordoAnnuo), arrotonda5(b.cifra8));
    QCOMPARE(arrotonda5(r.contributiDipendente), arrotonda5(b.cifra9));
    QCOMPARE(arrotonda5(r.impostaFonte), arrotonda5(b.cifra12));
    const QString xml = cartellaExport(QStringLiteral("elm"));
    scegli({}, [xml] { accettaAnno(2026, [xml] { rispondiDialogoFile(xml); }); });
    DocumentiAnnuali::esportaXmlElm(nullptr, Inizializzazione::fileAziendaDimostrativa());
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati 7 file XML ELM."));
    const QString fileXml = xml + QStringLiteral("/Bernasconi_Luca.xml");
    QCOMPARE(xmllint({QStringLiteral("--noout"), fileXml}), QString());
    const QString testoXml = QString::fromUtf8(AmbienteTest::leggi(fileXml));
    QVERIFY(testoXml.contains(QStringLiteral("<ELM version=\"1.0\" xmlns=\"urn:vardello:elm:semplificato:v1\">")));
    auto valore = [&testoXml](const char* nome) { // the text of the first element of that name
        return QRegularExpression(QStringLiteral("<%1>([^<]*)</").arg(QLatin1String(nome))).match(testoXml).captured(1);
    };
    QCOMPARE(valore("Anno"), QStringLiteral("2026"));
    QCOMPARE(valore("Stima"), QStringLiteral("false"));
    QCOMPARE(valore("LordoAnnuo").toDouble(), arrotonda5(r.lordoAnnuo));
    QCOMPARE(valore("NettoAnnuo").toDouble(), arrotonda5(r.nettoAnnuo));
    QCOMPARE(valore("Cifra1_SalarioLordo").toDouble(), arrotonda5(b.cifra1));
    QCOMPARE(valore("Cifra11_SalarioNetto").toDouble(), arrotonda5(b.cifra11));
}

void TestDocumentiAnnuali::destinazioni_data()
{
    QTest::addColumn<int>("esistenti"); // the first N targets exist
    QTest::addColumn<QList<int>>("risposte");
    QTest::addColumn<QStringList>("attesi");
    const QStringList tre{"A_a.txt", "B_b.txt", "C_c.txt"};
    QTest::newRow("overwrite all") << 1 << QList<int>{QMessageBox::Yes} << tre;
    QTest::newRow("ask, No") << 1 << QList<int>{QMessageBox::No, QMessageBox::No} << QStringList{"B_b.txt", "C_c.txt"};
    QTest::newRow("ask, Yes then Cancel") << 2 << QList<int>{QMessageBox::No, QMessageBox::Yes, QMessageBox::Cancel}
                                          << QStringList();
    QTest::newRow("Cancel") << 1 << QList<int>{QMessageBox::Cancel} << QStringList();
}

void TestDocumentiAnnuali::destinazioni()
{
    QFETCH(int, esistenti);
    QFETCH(QList<int>, risposte);
    QFETCH(QStringList, attesi);
    const QString cartella = cartellaExport(QStringLiteral("dest"));
    const QStringList ids{"A_a.txt", "B_b.txt", "C_c.txt"};
    for (int i = 0; i < esistenti; ++i)
        AmbienteTest::scrivi(cartella + QLatin1Char('/') + ids.at(i).left(3) + QStringLiteral(".xml"), "x");
    RegistroMessaggi messaggi;
    for (int r : risposte)
        messaggi.rispondi(QMessageBox::StandardButton(r));
    rispondiDialogoFile(cartella);
    const QMap<QString, QString> mappa =
        DocumentiAnnuali::scegliDestinazioni(nullptr, ids, QStringLiteral("s"), QStringLiteral("c"),
                                             QStringLiteral("XML (*.xml)"), QStringLiteral(".xml"));
    QCOMPARE(messaggi.richieste.first().testo, QStringLiteral("Nella cartella esistono gia' %1 file su 3 selezionati."
                                                              "\nVuoi sovrascriverli tutti?").arg(esistenti));
    QCOMPARE(messaggi.richieste.first().testiPulsanti.at(1).second, QStringLiteral("Chiedi uno per uno"));
    QCOMPARE(mappa.keys(), attesi);
    for (const QString& id : attesi)
        QCOMPARE(mappa.value(id), cartella + QLatin1Char('/') + id.left(3) + QStringLiteral(".xml"));
}

void TestDocumentiAnnuali::sovrascriviCertificati()
{
    const QStringList tre = Dipendente::elencoDipendenti(false).mid(0, 3);
    for (int i = 0; i < 2; ++i) {
        Certificato::DatiCertificato c = certificato(tre.at(i));
        c.osservazioni = QStringLiteral("vecchio");
        QVERIFY(Certificato::salva(c));
    }
    RegistroMessaggi messaggi;
    for (auto r : {QMessageBox::No, QMessageBox::No, QMessageBox::Yes}) // "Chiedi uno per uno", No, Yes
        messaggi.rispondi(r);
    scegli(tre, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QCOMPARE(messaggi.richieste.first().testo,
             QStringLiteral("Esistono gia' 2 certificati su 3 selezionati.\nVuoi sovrascriverli tutti?"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati 2 certificati di salario."));
    for (int i = 0; i < 3; ++i) {
        Certificato::DatiCertificato c = certificato(tre.at(i));
        QVERIFY(Certificato::carica(c, Certificato::percorsoFile(c)));
        QCOMPARE(c.osservazioni == QLatin1String("vecchio"), i == 0);
    }
}

void TestDocumentiAnnuali::completaSalarioEta_data()
{
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<double>("salario");
    QTest::addColumn<int>("etaProposta"); // 0: a complete card, nothing asked
    QTest::newRow("complete card") << "14/04/1988" << 6200.0 << 0;
    QTest::newRow("age unknown") << "" << 6200.0 << 40;
    QTest::newRow("aged 14") << "01/01/2012" << 3000.0 << 40;
    QTest::newRow("no salary") << "14/04/1988" << 0.0 << 38;
}

void TestDocumentiAnnuali::completaSalarioEta()
{
    QFETCH(QString, nascita);
    QFETCH(double, salario);
    QFETCH(int, etaProposta);
    const bool domande = etaProposta > 0;
    DatiDipendente d;
    d.nome = QStringLiteral("Marc");
    d.cognome = QStringLiteral("Dubois");
    d.dataNascita = nascita;
    d.salarioMensile = salario;
    RegistroMessaggi messaggi;
    double s = -1, s2 = -1;
    int e = -1, e2 = -1;
    QString domandaSalario;
    if (domande) {
        quandoModale<QInputDialog>([salario, etaProposta, &domandaSalario](QInputDialog* f) {
            domandaSalario = f->labelText();
            QCOMPARE(f->doubleValue(), salario);
            f->setDoubleValue(4321.5);
            f->accept();
            quandoModale<QInputDialog>([etaProposta](QInputDialog* g) {
                QCOMPARE(g->intValue(), etaProposta);
                g->setIntValue(50);
                g->accept();
            });
        });
    }
    QVERIFY(DocumentiAnnuali::completaSalarioEta(nullptr, d, 2026, s, e));
    // Asked for one of many: the question names him.
    if (domande)
        QCOMPARE(domandaSalario, QStringLiteral("Salario mensile lordo di Marc Dubois (CHF):"));
    QCOMPARE(messaggi.richieste.size(), domande ? 1 : 0);
    QCOMPARE(s, domande ? 4321.5 : salario);
    QCOMPARE(e, domande ? 50 : 38);
    if (domande) { // cancelled: false, out-values untouched
        quandoModale<QInputDialog>([](QInputDialog* f) { f->reject(); });
        QVERIFY(!DocumentiAnnuali::completaSalarioEta(nullptr, d, 2026, s2, e2));
        QVERIFY(s2 == -1.0 && e2 == -1);
    }
}

// A leaver on 30 April with two children and an unsafe surname: allowances
// January to April only, every text escaped, totals that add up.
void TestDocumentiAnnuali::uscitaAprile()
{
    DatiDipendente d;
    QVERIFY(Dipendente::carica(QStringLiteral("Ferreira_Joao.txt"), d));
    QCOMPARE(d.figli.size(), 2);
    d.cognome = QStringLiteral("Rossi & <b>Co</b>");
    d.periodi = {PeriodoRapporto{QStringLiteral("01/01/2026"), QStringLiteral("30/04/2026")}};
    QVERIFY(Dipendente::salva(d, QStringLiteral("Ferreira_Joao.txt")));

    RegistroMessaggi messaggi;
    const QString formulario = cartellaExport(QStringLiteral("html")) + QStringLiteral("/formulario.html");
    const QString caf = cartellaExport(QStringLiteral("html")) + QStringLiteral("/caf.html");
    for (const QString& file : {formulario, caf}) {
        accettaAnno(2026, [file] { rispondiDialogoFile(file); });
        if (file == formulario)
            DocumentiAnnuali::esportaFormularioAssegni(nullptr);
        else
            DocumentiAnnuali::esportaConteggioCaf(nullptr);
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("HTML salvato in:\n") + file);
        QCOMPARE(xmllint({QStringLiteral("--html"), QStringLiteral("--noout"), file}), QString());
        const QString html = QString::fromUtf8(AmbienteTest::leggi(file));
        QVERIFY(html.contains(QStringLiteral("Rossi &amp; &lt;b&gt;Co&lt;/b&gt;")));
        QVERIFY(!html.contains(QStringLiteral("<b>Co")));
    }

    // The form: the leaver's month row is the one after her heading's table header.
    const QString html = QString::fromUtf8(AmbienteTest::leggi(formulario));
    const int sezione = html.indexOf(QStringLiteral("Rossi &amp;"));
    const QList<QStringList> righe = righeTabelle(
        QStringLiteral("<x>") + html.mid(html.indexOf(QStringLiteral("<table"), sezione)).section(QStringLiteral("</table>"), 0, 0)
        + QStringLiteral("</table></x>"));
    QCOMPARE(righe.size(), 2);
    const QStringList mesi = righe.at(1); // January to December, then the year
    double somma = 0;
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(mesi.at(m).toDouble() > 0, m < 4);
        somma += mesi.at(m).toDouble();
    }
    QCOMPARE(mesi.at(12).toDouble(), arrotonda5(somma));
    QVERIFY(!html.mid(sezione).section(QStringLiteral("<h3>"), 0, 0).contains(QStringLiteral("dicembre")));

    // The count: canton totals are the sums of their rows, grand totals the
    // sums of the canton totals; the leaver's allowances are those of the form.
    const QList<QStringList> conteggio = righeTabelle(QString::fromUtf8(AmbienteTest::leggi(caf)));
    double salari = 0, assegni = 0, salariCantoni = 0, assegniCantoni = 0;
    int leaver = 0;
    for (int i = 0; i < conteggio.size(); ++i) {
        const QStringList& r = conteggio.at(i);
        if (r.size() == 5 && r.first() == QLatin1String("Totale cantone")) {
            QCOMPARE(r.at(2).toDouble(), arrotonda5(salari));
            QCOMPARE(r.at(4).toDouble(), arrotonda5(assegni));
            salariCantoni += r.at(2).toDouble();
            assegniCantoni += r.at(4).toDouble();
            salari = assegni = 0;
        } else if (r.size() == 5 && r.first() != QLatin1String("Dipendente")) {
            salari += r.at(2).toDouble();
            assegni += r.at(4).toDouble();
            if (r.first().startsWith(QStringLiteral("Rossi & <b>Co</b>")) && ++leaver)
                QCOMPARE(r.at(4).toDouble(), mesi.at(12).toDouble());
        } else if (r.size() == 2 && i == conteggio.size() - 1) {
            QCOMPARE(r.at(0).toDouble(), arrotonda5(salariCantoni));
            QCOMPARE(r.at(1).toDouble(), arrotonda5(assegniCantoni));
        }
    }
    QVERIFY(leaver == 1 && assegniCantoni > 0);
}

// No month saved for a leaver on 30 April: every document says "stima" and
// figure 1 counts the four months, as the contributions do.
void TestDocumentiAnnuali::stimaAnnoParziale()
{
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    d.periodi = {PeriodoRapporto{QStringLiteral("01/01/2026"), QStringLiteral("30/04/2026")}};
    QVERIFY(Dipendente::salva(d, kBernasconi));
    const Certificato::DatiCertificato c = CertificatoAnnuo::calcola(kBernasconi, d, 2026);
    QVERIFY(c.stima);
    QCOMPARE(c.cifra1, arrotonda5((12 + d.mensilitaAggiuntive) * d.salarioMensile * 4 / 12.0));
    d.periodi.clear(); // a whole year: three times four months, each figure rounded to 0.05
    const Certificato::DatiCertificato anno = CertificatoAnnuo::calcola(kBernasconi, d, 2026);
    QVERIFY(qAbs(c.cifra9 * 3 - anno.cifra9) <= 0.1);
    QVERIFY(qAbs(c.cifra11 * 3 - anno.cifra11) <= 0.3);
    const QString stima = QStringLiteral("(stima)");
    QVERIFY(CertificatoAnnuo::testoScheda(c).contains(stima));
    QVERIFY(CertificatoAnnuo::testoPdf(kBernasconi, d, 2026).contains(stima));
    // The person, not the file name.
    QVERIFY(CertificatoAnnuo::testoPdf(kBernasconi, d, 2026).startsWith(QStringLiteral("Dipendente: Luca Bernasconi\n")));
    QVERIFY(RSS::formattaTesto(RSS::genera(kBernasconi, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026)).contains(stima));
    QVERIFY(GeneratoreELM().generaXML(kBernasconi, QString(), 6200, 38, QStringLiteral("TI"), QStringLiteral("A0"), 2026)
                .contains(QStringLiteral("<Stima>true</Stima>")));
}

// Files that cannot be written: each failure named, counts of files written.
void TestDocumentiAnnuali::cartellaNonScrivibile()
{
    RegistroMessaggi messaggi;
    const QString xml = cartellaExport(QStringLiteral("elm"));
    const QString cartellaAlPosto = xml + QStringLiteral("/Bernasconi_Luca.xml"); // a folder where a file goes
    QDir().mkpath(cartellaAlPosto);
    messaggi.rispondi(QMessageBox::Yes); // "Sovrascrivi tutti"
    scegli({kBernasconi, QStringLiteral("Keller_Thomas.txt")},
           [xml] { accettaAnno(2026, [xml] { rispondiDialogoFile(xml); }); });
    DocumentiAnnuali::esportaXmlElm(nullptr, Inizializzazione::fileAziendaDimostrativa());
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Errore"));
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 1 file XML ELM.")));
    QVERIFY(messaggi.ultimoTesto().contains(cartellaAlPosto));

    // The certificate folder is a file: nothing can be stored.
    QDir(Certificato::cartella()).removeRecursively();
    AmbienteTest::scrivi(Certificato::cartella(), "non una cartella");
    scegli({kBernasconi}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Errore"));
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 0 certificati di salario.")));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("certificato_Bernasconi_Luca_2026.txt")));

    QVERIFY(!FormularioAssegni::esportaHtml(cartellaAlPosto, 2026));
    QVERIFY(!ConteggioCAF::esportaHtml(cartellaAlPosto, 2026));
}

VARDELLO_TEST_MAIN(TestDocumentiAnnuali)
#include "tst_documentiannuali.moc"
