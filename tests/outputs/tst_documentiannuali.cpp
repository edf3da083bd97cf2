#include "ambientetest.h"
#include "azienda.h"
#include "certificato.h"
#include "cifreriepilogo.h"
#include "config.h"
#include "conteggiocaf.h"
#include "conteggiosalario.h"
#include "datoteca.h"
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
#include "impostafonte.h"
#include "pagheanno.h"
#include "riepilogopaghe.h"
#include "rss.h"
#include "sceglidipendente.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace {

using Importi::arrotonda2;
using Importi::arrotonda5;

const QString kBernasconi = QStringLiteral("Bernasconi_Luca.txt");

// What the last employee chooser said it was for.
QString istruzioniScelta;

// Ticks `ids` (all when empty) in the employee chooser, then runs `dopo`.
void scegli(const QStringList& ids, std::function<void()> dopo = {})
{
    quandoModale<ScegliDipendente>([ids, dopo](ScegliDipendente* f) {
        istruzioniScelta = f->findChild<QLabel*>(QStringLiteral("istruzioni"))->text();
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

// The saved months of a year, summed to the centime: what was paid.
struct Pagato
{
    double lordo = 0, contributi = 0, datore = 0, lpp = 0, assegni = 0, imposta = 0, netto = 0, salarioCaf = 0;
    double assegniMese[12] = {};
    StoricoPaghe::PagaMese dicembre;
    int mesi = 0;
};

Pagato pagato(const QString& id, int anno)
{
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(id, anno, mesi);
    Pagato s;
    for (const StoricoPaghe::PagaMese& p : mesi) {
        ++s.mesi;
        s.lordo += p.lordoImponibile, s.contributi += p.contributiDipendente, s.lpp += p.lppDipendente;
        s.assegni += p.assegniFamiliari, s.imposta += p.impostaTrattenuta, s.netto += p.netto;
        s.datore += p.datore.avs + p.datore.ad + p.datore.caf + p.datore.lainf;
        s.salarioCaf += p.lordoImponibile - p.assegniFamiliari;
        s.assegniMese[p.mese - 1] = p.assegniFamiliari;
        if (p.mese == 12)
            s.dicembre = p;
    }
    return s;
}

bool centesimi(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

// The test tariffs of Ticino together with the real Geneva file.
bool caricaTariffeTicinoGinevra()
{
    return caricaTariffeTicino({QStringLiteral("tar26ge.txt.gz")})
        && ImpostaFonte::haScala(QStringLiteral("GE"), QStringLiteral("B1"))
        && ImpostaFonte::haScala(QStringLiteral("TI"), QStringLiteral("A0"));
}

// The text of the first element of that name after `dopo` in an XML text.
QString elemento(const QString& xml, const QString& nome, const QString& dopo = QString())
{
    const int da = dopo.isEmpty() ? 0 : xml.indexOf(QLatin1Char('<') + dopo + QLatin1Char('>'));
    return QRegularExpression(QStringLiteral("<%1>([^<]*)</").arg(nome)).match(xml, qMax(da, 0)).captured(1);
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
    void annoCompleto();
    void stimaUguale_data();
    void stimaUguale();
    void stimaMassimali_data();
    void stimaMassimali();
    void storicoIlleggibile();
    void datoreMesiVecchi();
    void figliDicembre_data();
    void figliDicembre();
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
    // A bonus entered for March after March was saved was never paid: no
    // figure counts it, nor in a month saved before its lines kept their
    // category (the lines are matched by amount and text).
    MovimentoStipendio tardi = bonus;
    tardi.data = QStringLiteral("2026-03-09");
    tardi.tipo = QStringLiteral("Gratifica");
    tardi.importo = 250;
    QVERIFY(Movimenti::salva(kBernasconi, {bonus, tardi}));
    const QString storico = StoricoPaghe::percorsoFile(kBernasconi, 2026);
    DatiDipendente b0;
    QVERIFY(Dipendente::carica(kBernasconi, b0));
    for (const bool senzaCategorie : {false, true}) {
        QString testo = QString::fromUtf8(AmbienteTest::leggi(storico));
        QCOMPARE(testo.count(QStringLiteral("categoriaVoce")), 1); // February's bonus
        if (senzaCategorie)
            AmbienteTest::scrivi(storico, testo.remove(QRegularExpression(QStringLiteral("categoriaVoce[0-9]+=3\n"))).toUtf8());
        const Certificato::DatiCertificato dopo = CertificatoAnnuo::calcola(kBernasconi, b0, 2026);
        QCOMPARE(dopo.cifra3, 1000.0);
        QCOMPARE(dopo.cifra8, certificati.value(kBernasconi).cifra8);
    }

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
    QTest::addColumn<bool>("oraria");
    // The statement's pension of the year, estimated on the card's salary (or
    // the one given) and its age (or the one given, 55, for a card without a
    // birth date): 12 x salary less 26,460, at the age's rate, the employee's
    // half, monthly to 0.05.
    QTest::addColumn<double>("lpp");
    // 74,400 - 26,460 = 47,940 at 10 % (38): 4,794, half 2,397.00 (199.75 a month).
    QTest::newRow("complete card") << "14/04/1988" << 6200.0 << 0 << false << 2397.00;
    // The age given: 47,940 at 18 % (55): 8,629.20, half 4,314.60 (359.55 a month).
    QTest::newRow("age unknown") << "" << 6200.0 << 40 << false << 4314.60;
    // The card's age: no savings credit before 25.
    QTest::newRow("aged 14") << "01/01/2012" << 3000.0 << 40 << false << 0.0;
    // The salary given: 51,840 - 26,460 = 25,380 at 10 %: 2,538, half 1,269.00 (105.75 a month).
    QTest::newRow("no salary") << "14/04/1988" << 0.0 << 38 << false << 1269.00;
    // Hourly pay needs no monthly salary; without hours in the year no pension.
    QTest::newRow("hourly with birth date") << "14/04/1988" << 0.0 << 0 << true << 0.0;
    QTest::newRow("hourly without birth date") << "" << 0.0 << 40 << true << 0.0;
}

void TestDocumentiAnnuali::completaSalarioEta()
{
    QFETCH(QString, nascita);
    QFETCH(double, salario);
    QFETCH(int, etaProposta);
    QFETCH(bool, oraria);
    QFETCH(double, lpp);
    const bool domande = etaProposta > 0;
    DatiDipendente d;
    d.nome = QStringLiteral("Marc");
    d.cognome = QStringLiteral("Dubois");
    d.dataNascita = nascita;
    d.salarioMensile = salario;
    d.tipoPaga = oraria ? 1 : 0;
    d.pagaOraria = oraria ? 30 : 0;
    RegistroMessaggi messaggi;
    double s = -1, s2 = -1;
    int e = -1, e2 = -1;
    QString domandaSalario;
    const auto chiediEta = [etaProposta] {
        quandoModale<QInputDialog>([etaProposta](QInputDialog* g) {
            QCOMPARE(g->intValue(), etaProposta);
            g->setIntValue(55);
            g->accept();
        });
    };
    if (domande && oraria) {
        chiediEta(); // the age only
    } else if (domande) {
        quandoModale<QInputDialog>([salario, chiediEta, &domandaSalario](QInputDialog* f) {
            domandaSalario = f->labelText();
            QCOMPARE(f->doubleValue(), salario);
            f->setDoubleValue(4320);
            f->accept();
            chiediEta();
        });
    }
    QVERIFY(DocumentiAnnuali::completaSalarioEta(nullptr, d, 2026, s, e));
    // Asked for one of many: the question names him.
    if (domande && !oraria)
        QCOMPARE(domandaSalario, QStringLiteral("Salario mensile lordo di Marc Dubois (CHF):"));
    QCOMPARE(messaggi.richieste.size(), domande ? 1 : 0);
    if (domande)
        QCOMPARE(messaggi.ultimoTesto(), oraria ? QStringLiteral("La scheda di Marc Dubois e' incompleta: verra' richiesta l'eta.")
                                                : QStringLiteral("La scheda di Marc Dubois e' incompleta: verranno richiesti salario ed eta."));
    QCOMPARE(s, domande && !oraria ? 4320.0 : salario);
    QCOMPARE(e, domande ? 55 : 38);
    // The answers reach the statement.
    QVERIFY(Dipendente::salva(d, QStringLiteral("Dubois_Marc.txt")));
    QCOMPARE(RSS::genera(QStringLiteral("Dubois_Marc.txt"), s, e, QStringLiteral("TI"), QStringLiteral("A0"), 2026).lppAnnuo, lpp);
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

// A whole year closed month by month for four employees: every document
// agrees with the sums of the saved months to the centime. A leaver of 2025
// and a joiner of 2027 have no figures and are in no total.
void TestDocumentiAnnuali::annoCompleto()
{
    QVERIFY(caricaTariffeTicinoGinevra());
    const QString kPedrazzini = QStringLiteral("Pedrazzini_Chiara.txt");
    const QString kColombo = QStringLiteral("Colombo_Sara.txt");
    const QString kMoretti = QStringLiteral("Moretti_Davide.txt");
    const QString kKeller = QStringLiteral("Keller_Thomas.txt");
    const QString kFontana = QStringLiteral("Fontana_Giorgio.txt");
    QVERIFY(Dipendente::elimina(QStringLiteral("Ferreira_Joao.txt")));
    // Colombo works in Geneva, taxed at source with B1, 7,500 a month and a
    // thirteenth; Moretti is paid 160 hours a month and has a child.
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kColombo, d));
    d.cantone = QStringLiteral("GE");
    d.salarioMensile = 7500;
    d.extra.insert(QStringLiteral("tabellaIF"), QStringLiteral("B1"));
    d.extra.insert(QStringLiteral("codiceTariffa"), QStringLiteral("B1"));
    QVERIFY(Dipendente::salva(d, kColombo));
    QVERIFY(Dipendente::carica(kMoretti, d));
    d.figli << d.figli.value(0);
    d.figli.first().nome = QStringLiteral("Noemi");
    d.figli.first().dataNascita = QStringLiteral("01/06/2020");
    d.figli << d.figli.first(); // and Leo, born in December: paid for from December
    d.figli.last().nome = QStringLiteral("Leo");
    d.figli.last().dataNascita = QStringLiteral("05/12/2026");
    QVERIFY(Dipendente::salva(d, kMoretti));
    QList<VariabileMese> ore;
    for (int m = 1; m <= 12; ++m) {
        VariabileMese v;
        v.mese = m;
        v.oreFatte = 160;
        ore << v;
    }
    QVERIFY(VariabiliMensili::salvaAnno(kMoretti, 2026, ore));
    // Keller left on 31/12/2025, Fontana joins on 01/03/2027.
    QVERIFY(Dipendente::carica(kKeller, d));
    d.periodi = {PeriodoRapporto{QStringLiteral("01/01/2019"), QStringLiteral("31/12/2025")}};
    QVERIFY(Dipendente::salva(d, kKeller));
    QVERIFY(Dipendente::carica(kFontana, d));
    d.periodi = {PeriodoRapporto{QStringLiteral("01/03/2027"), QString()}};
    QVERIFY(Dipendente::salva(d, kFontana));
    // Bernasconi: a bonus of 2,000 in March, an irregular benefit (figure 3).
    MovimentoStipendio bonus;
    bonus.data = QStringLiteral("2026-03-20");
    bonus.tipo = QStringLiteral("Bonus");
    bonus.importo = 2000;
    Movimenti::applicaPreset(bonus);
    QVERIFY(Movimenti::salva(kBernasconi, {bonus}));

    const QStringList pagati = {kBernasconi, kPedrazzini, kColombo, kMoretti};
    const QStringList fuori = {kKeller, kFontana};
    for (int m = 1; m <= 12; ++m) {
        for (const QString& id : pagati + fuori) {
            QVERIFY(Dipendente::carica(id, d));
            const RisultatoConteggio r = ConteggioSalario::genera(id, d, 2026, m, true, -1);
            QVERIFY2(r.errore.isEmpty() || (fuori.contains(id) && r.fuoriPeriodo), qPrintable(id + r.errore));
        }
    }
    QMap<QString, Pagato> somme;
    for (const QString& id : pagati) {
        somme.insert(id, pagato(id, 2026));
        QCOMPARE(somme.value(id).mesi, 12);
    }
    QCOMPARE(somme.value(kColombo).dicembre.lordoImponibile, 15000.0); // 7,500 and the thirteenth
    QVERIFY(somme.value(kColombo).dicembre.impostaTrattenuta > 0);
    QVERIFY(somme.value(kMoretti).assegni > 0);
    // Bernasconi's employer contributions, month by month as the closing
    // computed them: AHV 5.3 %, unemployment 1.1 %, family fund 0.305 %,
    // accident 1 %, the last two within the year's ceiling to date (148,200
    // x months / 12), as the employee's share:
    //   10 months of 6,200: 328.60 + 68.20 + 18.91 + 62.00 = 477.71, 4,777.10
    //   March 8,200:        434.60 + 90.20 + 25.01 + 82.00 =         631.81
    //   December 12,400:    657.20 + 136.40 + 37.82 + 124.00 =       955.42
    //   year                                                        6,364.33
    QVERIFY(centesimi(somme.value(kBernasconi).datore, 6364.33));

    RegistroMessaggi messaggi;
    // Certificates: the sums, two decimals in the file, none for the two
    // without a month of employment in 2026.
    scegli({}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 4 certificati di salario.")));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("Keller Thomas: nessun mese di servizio nel 2026")));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("Fontana Giorgio: nessun mese di servizio nel 2026")));
    for (const QString& id : fuori)
        QVERIFY(!QFile::exists(Certificato::percorsoFile(certificato(id))));
    for (const QString& id : pagati) {
        const Pagato& s = somme[id];
        Certificato::DatiCertificato c = certificato(id);
        QVERIFY(Certificato::carica(c, Certificato::percorsoFile(c)));
        QVERIFY(!c.stima);
        QCOMPARE(c.cifra3, id == kBernasconi ? 2000.0 : 0.0);
        QCOMPARE(c.cifra8, arrotonda5(s.lordo));
        QCOMPARE(c.cifra9, arrotonda5(s.contributi));
        QCOMPARE(c.cifra10_1, arrotonda5(s.lpp));
        QCOMPARE(c.cifra12, arrotonda5(s.imposta));
        QVERIFY(centesimi(c.cifra11, c.cifra8 - c.cifra9 - c.cifra10_1));
        for (const QByteArray& riga : AmbienteTest::leggi(Certificato::percorsoFile(c)).split('\n')) {
            if (riga.startsWith("cifra"))
                QVERIFY2(QRegularExpression(QStringLiteral("^cifra[0-9_]+=-?[0-9]+\\.[0-9]{2}$"))
                             .match(QString::fromUtf8(riga)).hasMatch(), riga.constData());
        }

        // The statement: every amount a sum of the saved months.
        const RSS::Rendiconto r = RSS::genera(id, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026);
        QVERIFY(!r.stima);
        QVERIFY(centesimi(r.lordoAnnuo, s.lordo));
        QVERIFY(centesimi(r.contributiDipendente, s.contributi));
        QVERIFY(centesimi(r.contributiDatore, s.datore));
        QVERIFY(centesimi(r.lppAnnuo, s.lpp));
        QVERIFY(centesimi(r.impostaFonte, s.imposta));
        QVERIFY(centesimi(r.nettoAnnuo, s.netto));
    }

    // The XML export: the year's sums, December's tax and net, the
    // employee's own canton and tariff.
    const QString cartellaXml = cartellaExport(QStringLiteral("elm"));
    scegli({}, [cartellaXml] { accettaAnno(2026, [cartellaXml] { rispondiDialogoFile(cartellaXml); }); });
    DocumentiAnnuali::esportaXmlElm(nullptr, Inizializzazione::fileAziendaDimostrativa());
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 4 file XML ELM.")));
    QVERIFY(!QFile::exists(cartellaXml + QStringLiteral("/Keller_Thomas.xml")));
    for (const QString& id : pagati) {
        const Pagato& s = somme[id];
        const QString xml = QString::fromUtf8(AmbienteTest::leggi(cartellaXml + QLatin1Char('/') + QString(id).remove(QStringLiteral(".txt")) + QStringLiteral(".xml")));
        QCOMPARE(elemento(xml, QStringLiteral("Stima")), QStringLiteral("false"));
        QCOMPARE(elemento(xml, QStringLiteral("LordoAnnuo")).toDouble(), arrotonda2(s.lordo));
        // The contributions are their lines' sum; the months' rounding to 0.05 apart.
        const double contributi = elemento(xml, QStringLiteral("ContributiDipendente"), QStringLiteral("RiepilogoAnnuo")).toDouble();
        QVERIFY(centesimi(contributi - elemento(xml, QStringLiteral("Arrotondamento")).toDouble(), s.contributi));
        QCOMPARE(elemento(xml, QStringLiteral("ContributiDatore")).toDouble(), arrotonda2(s.datore));
        QCOMPARE(elemento(xml, QStringLiteral("ImpostaFonteAnnuo")).toDouble(), arrotonda2(s.imposta));
        QCOMPARE(elemento(xml, QStringLiteral("NettoAnnuo")).toDouble(), arrotonda2(s.netto));
        QCOMPARE(elemento(xml, QStringLiteral("ImpostaFonteMensile")).toDouble(), s.dicembre.impostaTrattenuta);
        QCOMPARE(elemento(xml, QStringLiteral("Netto"), QStringLiteral("SalarioMensile")).toDouble(), s.dicembre.netto);
        if (id == kColombo) {
            QCOMPARE(elemento(xml, QStringLiteral("Cantone")), QStringLiteral("GE"));
            QCOMPARE(elemento(xml, QStringLiteral("TabellaImposta")), QStringLiteral("B1"));
        }
        if (id == kBernasconi) { // the employer's AHV: 5.3 % of 10 x 6,200 + 8,200 + 12,400 = 82,600: 4,377.80
            QCOMPARE(elemento(xml, QStringLiteral("Datore"), QStringLiteral("AVS")).toDouble(), 4377.80);
            // The employer's accident premium, 1 % of the same 82,600.
            QCOMPARE(elemento(xml, QStringLiteral("Datore"), QStringLiteral("LAINF")).toDouble(), 826.00);
            // The employee's lines (AHV 5.3 %, unemployment 1.1 %, family fund
            // 0.305 %, accident 11.2 per mille to 0.05) against the month's
            // deduction to 0.05:
            //   6,200:  328.60 + 68.20 + 18.91 + 69.45 = 485.16, 485.15: 0.01, ten months 0.10
            //   8,200:  434.60 + 90.20 + 25.01 + 91.85 = 641.66, 641.65: 0.01
            //   12,400: 657.20 + 136.40 + 37.82 + 138.30 (12,350) = 969.72, 969.70: 0.02
            QCOMPARE(elemento(xml, QStringLiteral("Arrotondamento")).toDouble(), 0.13);
            QVERIFY(elemento(xml, QStringLiteral("DataUscita")).isEmpty());
        }
    }

    // The pay summary: one row per employee, the two without figures in no total.
    RiepilogoPaghe f;
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2026);
    auto* t = f.findChild<QTableWidget*>(QStringLiteral("tabella"));
    double totaleLordo = 0;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QString id = t->item(r, 1)->data(Qt::UserRole).toString();
        if (fuori.contains(id)) {
            QCOMPARE(t->item(r, 4)->text(), QStringLiteral("-"));
            QCOMPARE(t->item(r, 8)->text(), QStringLiteral("nessun mese nell'anno"));
            continue;
        }
        const Pagato& s = somme[id];
        QCOMPARE(t->item(r, 8)->text(), QStringLiteral("mesi salvati"));
        QCOMPARE(t->item(r, 4)->text().toDouble(), arrotonda2(s.lordo));
        QCOMPARE(t->item(r, 5)->text().toDouble(), arrotonda2(s.contributi));
        QCOMPARE(t->item(r, 6)->text().toDouble(), arrotonda2(s.imposta));
        QCOMPARE(t->item(r, 7)->text().toDouble(), arrotonda2(s.netto));
        totaleLordo += s.lordo;
    }
    f.findChild<QPushButton*>(QStringLiteral("ricalcola"))->click();
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Totali (4 dipendenti)"));
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Lordo annuo: %1 CHF").arg(arrotonda2(totaleLordo), 0, 'f', 2)));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("Keller Thomas: nessun mese di servizio nel 2026")));

    // The accounting CSV of December: the saved month of each, hourly staff
    // included; the two without it apart, with no amount.
    const QString csv = cartellaExport(QStringLiteral("csv")) + QStringLiteral("/dicembre.csv");
    quandoModale<QDialog>([csv](QDialog* mese) {
        mese->findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2026);
        mese->findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(11);
        rispondiDialogoFile(csv);
        mese->accept();
    });
    f.esportaCsv();
    const QStringList righe = QString::fromUtf8(AmbienteTest::leggi(csv)).split(QLatin1Char('\n'));
    QCOMPARE(righe.size(), 1 + 6 + 1);
    for (int i = 1; i <= 6; ++i) {
        const QStringList c = righe.at(i).split(QLatin1Char(';'));
        QCOMPARE(c.size(), 18);
        QCOMPARE(c.at(0), QStringLiteral("2026-12"));
        if (i > 4) { // listed after those paid
            QVERIFY(fuori.contains(c.at(1)));
            QCOMPARE(c.at(17), QStringLiteral("fuori periodo di rapporto"));
            QVERIFY(c.mid(3, 14).join(QString()).isEmpty());
            continue;
        }
        const StoricoPaghe::PagaMese& dic = somme[c.at(1)].dicembre;
        QCOMPARE(c.at(17), QStringLiteral("pagato"));
        QCOMPARE(c.at(2), c.at(1) == kColombo ? QStringLiteral("GE") : QStringLiteral("TI"));
        QCOMPARE(c.at(3).toDouble(), dic.lordoImponibile);
        QCOMPARE(c.at(14).toDouble(), dic.impostaTrattenuta); // 0.00 for those not taxed at source
        QCOMPARE(c.at(15).toDouble(), dic.netto);
        QCOMPARE(c.at(16).toDouble(), dic.assegniFamiliari);
        QCOMPARE(c.at(12).toDouble(), dic.lppDipendente);
        // The employee's items add up to the month's contributions.
        QVERIFY(centesimi(arrotonda5(c.at(4).toDouble() + c.at(6).toDouble() + c.at(8).toDouble() + c.at(10).toDouble()),
                          dic.contributiDipendente));
        QVERIFY(centesimi(c.at(5).toDouble() + c.at(7).toDouble() + c.at(9).toDouble() + c.at(11).toDouble(),
                          dic.datore.avs + dic.datore.ad + dic.datore.caf + dic.datore.lainf));
        if (c.at(1) == kBernasconi) { // December 12,400: hand computed above
            QCOMPARE(c.at(5), QStringLiteral("657.20"));
            QCOMPARE(c.at(11), QStringLiteral("124.00")); // 1 % of 12,400, within the year's ceiling
            QCOMPARE(c.at(14), QStringLiteral("0.00"));
        }
    }

    // The allowance form: Moretti's allowances month by month as paid.
    const QString formulario = FormularioAssegni::html(2026);
    const int sezione = formulario.indexOf(QStringLiteral("Moretti Davide"));
    QVERIFY(sezione > 0);
    const QList<QStringList> tabella = righeTabelle(
        QStringLiteral("<x>") + formulario.mid(formulario.indexOf(QStringLiteral("<table"), sezione)).section(QStringLiteral("</table>"), 0, 0)
        + QStringLiteral("</table></x>"));
    for (int m = 0; m < 12; ++m)
        QCOMPARE(tabella.at(1).at(m).toDouble(), somme[kMoretti].assegniMese[m]);
    QCOMPARE(tabella.at(1).at(12).toDouble(), arrotonda2(somme[kMoretti].assegni));
    // Hourly pay detailed by what December paid (160 h x 34.50 = 5,520, above
    // 630): Noemi, 6 in December, the TI child allowance of 215.
    const QStringList noemi{"Noemi", "01/06/2020", "6", "figli", "215.00"};
    const QStringList leo{"Leo", "05/12/2026", "0", "figli", "215.00"};
    QVERIFY(righeTabelle(formulario).contains(noemi));
    QVERIFY(righeTabelle(formulario).contains(leo));
    QCOMPARE(somme[kMoretti].assegniMese[11], 430.0); // the detail adds up to December's allowances
    QVERIFY(formulario.contains(QStringLiteral("Keller Thomas: nessun mese di servizio nel 2026")));

    // The family-fund count: every salary subject to the fund, the
    // allowances paid.
    double salari = 0, assegni = 0;
    for (const QString& id : pagati)
        salari += somme[id].salarioCaf, assegni += somme[id].assegni;
    const QList<QStringList> caf = righeTabelle(ConteggioCAF::html(2026));
    QCOMPARE(caf.last().at(0).toDouble(), arrotonda2(salari));
    QCOMPARE(caf.last().at(1).toDouble(), arrotonda2(assegni));
    int righeDipendenti = 0;
    for (const QStringList& r : caf)
        righeDipendenti += r.size() == 5 && r.first() != QLatin1String("Dipendente") && r.first() != QLatin1String("Totale cantone");
    QCOMPARE(righeDipendenti, 4);
    QVERIFY(caf.contains(QStringList{"Moretti Davide"} + noemi));
    QVERIFY(caf.contains(QStringList{"Moretti Davide"} + leo));
}

void TestDocumentiAnnuali::stimaUguale_data()
{
    QTest::addColumn<QString>("entrata");
    QTest::addColumn<QString>("uscita");
    QTest::addColumn<double>("movimento"); // two movements of this amount: a bonus in March, a fringe benefit in June
    QTest::addColumn<double>("salario");
    QTest::addColumn<double>("cifra8");
    QTest::addColumn<double>("ad");      // the employee's unemployment contribution of the year
    QTest::addColumn<double>("aumento"); // above 0: the salary history pays `salario` to June, this from July
    QTest::addColumn<int>("mensilita");
    // The XML's rounding: the employee's lines of each month (AHV 5.3 %,
    // unemployment 1.1 %, family fund 0.305 %, accident 11.2 per mille to
    // 0.05) less its deduction to 0.05; 6,200 a month: 328.60 + 68.20 + 18.91
    // + 69.45 = 485.16 against 485.15, 0.01.
    QTest::addColumn<double>("arrotondamento");
    // The months closed, in order, before the figures (none: the estimate);
    // a month closed again was closed first at 1,000 more.
    QTest::addColumn<QList<int>>("chiusi");
    QTest::addColumn<double>("cifra2"); // the movements of the months counted
    QTest::addColumn<double>("cifra3");
    QTest::addColumn<double>("acconto");  // a June movement of kind "13a mensilità"
    QTest::addColumn<bool>("automatica"); // the company pays the extra salaries automatically
    const QList<int> nessuno;
    // 6,200 x 12 + a thirteenth of 6,200 = 80,600; unemployment 1.1 % = 886.60.
    // Rounding: eleven months 0.11; December 12,400: 657.20 + 136.40 + 37.82
    // + 138.90 = 970.32 against 970.30, 0.02: 0.13.
    QTest::newRow("whole year") << "01/01/2020" << "" << 0.0 << 6200.0 << 80600.0 << 886.60 << 0.0 << 1 << 0.13
                                << nessuno << 0.0 << 0.0 << 0.0 << true;
    // Joins on 1 February: 11 x 6,200 + 6,200 x 11 / 12 = 73,883.33 (figure 1
    // to 0.05: 73,883.35); unemployment 1.1 % of 73,883.33 = 812.72.
    // Rounding: ten months 0.10; December 11,883.35: 629.82 + 130.72 + 36.24
    // + 133.10 = 929.88 against 929.90, -0.02: 0.08.
    // Leaves on 31 December: the same year, the exit date in the XML.
    QTest::newRow("leaves 31 December") << "01/01/2020" << "31/12/2026" << 0.0 << 6200.0 << 80600.0 << 886.60 << 0.0
                                        << 1 << 0.13 << nessuno << 0.0 << 0.0 << 0.0 << true;
    QTest::newRow("11 months, joins") << "01/02/2026" << "" << 0.0 << 6200.0 << 73883.35 << 812.72 << 0.0 << 1 << 0.08
                                      << nessuno << 0.0 << 0.0 << 0.0 << true;
    // Leaves on 30 November: the same eleven months, the thirteenth pro rata
    // (5,683.35 to 0.05): 73,883.35; unemployment on it 812.72.
    // Rounding: ten months of 6,200 at 7.82513 %: 485.16 deducted as 485.15,
    // 0.01 each; November, the leaving month, pays the salary and the
    // thirteenth pro rata (11/12 of 6,200 = 5,683.35) in one count: 11,883.35
    // x 7.82513 % = 929.88 deducted as 929.90, -0.02; 0.08.
    QTest::newRow("11 months, leaves") << "01/01/2020" << "30/11/2026" << 0.0 << 6200.0 << 73883.35 << 812.72 << 0.0
                                       << 1 << 0.08 << nessuno << 0.0 << 0.0 << 0.0 << true;
    // Leaves on 30 June without a thirteenth: 6 x 6,200 = 37,200;
    // unemployment 6 x 68.20 = 409.20; rounding 6 x 0.01 = 0.06.
    QTest::newRow("6 months, leaves 30 June") << "01/01/2020" << "30/06/2026" << 0.0 << 6200.0 << 37200.0 << 409.20
                                              << 0.0 << 0 << 0.06 << nessuno << 0.0 << 0.0 << 0.0 << true;
    // 10,000 x 13 + two movements of 15,000 = 160,000: the unemployment
    // insurance stops at the ceiling of 148,200: 1.1 % = 1,630.20.
    // Rounding: 10,000 530 + 110 + 30.50 + 112 = 782.50, March 25,000 and
    // December 20,000 as exact: 0.00.
    QTest::newRow("two movements over the ceiling") << "01/01/2020" << "" << 15000.0 << 10000.0 << 160000.0 << 1630.20
                                                    << 0.0 << 1 << 0.0 << nessuno << 15000.0 << 15000.0 << 0.0 << true;
    // Leaves on 30 September with a thirteenth and a fourteenth: 9 x 6,000
    // + each 9/12 of 6,000 = 54,000 + 2 x 4,500 = 63,000; June pays the
    // fourteenth (4,500), September only the thirteenth, not the fourteenth
    // again; unemployment 1.1 % = 693.00. Rounding: 318.00 + 66.00 + 18.30 +
    // 67.20 = 469.50 a month, exact; June and September 10,500: 556.50 +
    // 115.50 + 32.03 (32.025 kept to the centime, as the month keeps it) +
    // 117.60 = 821.63 against 821.65, -0.02 each: -0.04, estimated or saved.
    QTest::newRow("leaves 30 September, two extra salaries") << "01/01/2020" << "30/09/2026" << 0.0 << 6000.0
                                                             << 63000.0 << 693.00 << 0.0 << 2 << -0.04 << nessuno
                                                             << 0.0 << 0.0 << 0.0 << true;
    QTest::newRow("leaves 30 September, two extra salaries, saved")
        << "01/01/2020" << "30/09/2026" << 0.0 << 6000.0 << 63000.0 << 693.00 << 0.0 << 2 << -0.04
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 0.0 << 0.0 << 0.0 << true;
    // 6,000 to June and 6,600 from July, the fourteenth in June at June's
    // salary: 6 x 6,000 + 6 x 6,600 + 6,000 + 6,600 = 88,200, nothing owed
    // beyond what June and December pay; unemployment 1.1 % = 970.20.
    // Rounding: 6,000 and 12,000 exact; 6,600: 349.80 + 72.60 + 20.13 + 73.90
    // = 516.43 against 516.45, five months -0.10; December 13,200: 699.60 +
    // 145.20 + 40.26 + 147.85 = 1,032.91 against 1,032.90, 0.01: -0.09.
    QTest::newRow("raise in July, fourteenth in June") << "01/01/2020" << "" << 0.0 << 6000.0 << 88200.0 << 970.20
                                                       << 6600.0 << 2 << -0.09 << nessuno << 0.0 << 0.0 << 0.0 << true;
    // Joins on 1 July at 15,000: the ceiling of six months is 148,200 x 6 /
    // 12 = 74,100 of the 90,000 paid; unemployment 1.1 % = 815.10.
    // Rounding: 795.00 + 165.00 + 45.75 + 168.00 = 1,173.75, exact: 0.00.
    QTest::newRow("six months over the ceiling of six") << "01/07/2026" << "" << 0.0 << 15000.0 << 90000.0 << 815.10
                                                        << 0.0 << 0 << 0.0 << nessuno << 0.0 << 0.0 << 0.0 << true;
    // January to March closed: 3 x 6,200 + March's bonus of 1,000 = 19,600;
    // unemployment 1.1 % = 215.60. June's fringe benefit is in no month
    // counted: figure 2 stays 0. Rounding: two months 0.01 each; March
    // 7,200: 381.60 + 79.20 + 21.96 + 80.65 = 563.41 against 563.40: 0.03.
    QTest::newRow("closed to March: June's movement apart") << "01/01/2020" << "" << 1000.0 << 6200.0 << 19600.0
                                                            << 215.60 << 0.0 << 1 << 0.03 << QList<int>{1, 2, 3} << 0.0
                                                            << 1000.0 << 0.0 << true;
    // March closed at 7,200, then again at 6,200: 3 x 6,200 = 18,600,
    // unemployment 1.1 % = 204.60; March counts once, as last closed.
    // Rounding: three months 0.01 each: 0.03.
    QTest::newRow("March closed twice") << "01/01/2020" << "" << 0.0 << 6200.0 << 18600.0 << 204.60 << 0.0 << 1 << 0.03
                                        << QList<int>{1, 2, 3, 3} << 0.0 << 0.0 << 0.0 << true;
    // A June advance of 3,000 on the thirteenth, leaves on 30 September:
    // 9 x 6,000 + 9/12 of 6,000 = 58,500, the advance counted once;
    // unemployment 1.1 % = 643.50. Rounding: June 9,000 exact (704.25);
    // September 7,500: 397.50 + 82.50 + 22.875 + 84.00 = 586.875 against
    // 586.90: -0.02.
    QTest::newRow("advance in June, leaves 30 September") << "01/01/2020" << "30/09/2026" << 0.0 << 6000.0 << 58500.0
                                                          << 643.50 << 0.0 << 1 << -0.02 << nessuno << 0.0 << 0.0
                                                          << 3000.0 << true;
    // As the row with two extra salaries above, the company paying none
    // automatically: both owed all the same, 63,000, added at September's
    // rates (the months' lines exact: rounding 0).
    QTest::newRow("leaves 30 September, two extra salaries, not automatic")
        << "01/01/2020" << "30/09/2026" << 0.0 << 6000.0 << 63000.0 << 693.00 << 0.0 << 2 << 0.0 << nessuno << 0.0
        << 0.0 << 0.0 << false;
    // Six months of 20,000 and a thirteenth not paid automatically: the
    // 10,000 owed for the six months, added after the last month, come under
    // the ceiling of those six months, 74,100 of the 130,000: unemployment
    // 1.1 % = 815.10 on each side, the employer's accident premium 1 % =
    // 741.00. Rounding: the months' lines exact (1,395.15 a month), the
    // thirteenth's at half of them, 697.575, deducted as 697.60: -0.03.
    QTest::newRow("joins 1 July at 20,000, thirteenth not automatic")
        << "01/07/2026" << "" << 0.0 << 20000.0 << 130000.0 << 815.10 << 0.0 << 1 << -0.03 << nessuno << 0.0 << 0.0
        << 0.0 << false;
    QTest::newRow("leaves 30 June at 20,000, thirteenth not automatic")
        << "01/01/2020" << "30/06/2026" << 0.0 << 20000.0 << 130000.0 << 815.10 << 0.0 << 1 << -0.03 << nessuno
        << 0.0 << 0.0 << 0.0 << false;
}

// Every document shows the same year figures: for a year without saved
// months the estimate, marked, for the months of employment in the year
// only; else the sums of the months closed, each once.
void TestDocumentiAnnuali::stimaUguale()
{
    QFETCH(QString, entrata);
    QFETCH(QString, uscita);
    QFETCH(double, movimento);
    QFETCH(double, salario);
    QFETCH(double, cifra8);
    QFETCH(double, ad);
    QFETCH(double, aumento);
    QFETCH(int, mensilita);
    QFETCH(double, arrotondamento);
    QFETCH(QList<int>, chiusi);
    const bool stima = chiusi.isEmpty();
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    d.periodi = {PeriodoRapporto{entrata, uscita}};
    d.salarioMensile = aumento > 0 ? aumento : salario;
    d.mensilitaAggiuntive = mensilita;
    QVERIFY(Dipendente::salva(d, kBernasconi));
    QList<MovimentoStipendio> movimenti;
    for (const char* data : {"2026-03-10", "2026-06-10"}) {
        MovimentoStipendio m;
        m.data = QLatin1String(data);
        m.tipo = QStringLiteral("Bonus");
        m.importo = movimento;
        Movimenti::applicaPreset(m);
        m.categoriaCertificato = m.data.endsWith(QLatin1String("06-10")) ? 2 : 3;
        if (movimento > 0)
            movimenti << m;
    }
    QFETCH(double, acconto);
    if (acconto > 0) {
        MovimentoStipendio m;
        m.data = QStringLiteral("2026-06-20");
        m.tipo = QStringLiteral("13a mensilità");
        m.importo = acconto;
        Movimenti::applicaPreset(m);
        movimenti << m;
    }
    QVERIFY(Movimenti::salva(kBernasconi, movimenti));
    QFETCH(bool, automatica);
    DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    azienda.tredicesimaAutomatica = automatica;
    QVERIFY(Azienda::salva(azienda, Config::aziendaCorrente()));
    // A salary period of another year does not count: 2026 is paid 6,200.
    PeriodoStipendio vecchio;
    vecchio.dataInizio = QStringLiteral("01/01/2024");
    vecchio.dataFine = QStringLiteral("31/12/2024");
    vecchio.salarioMensile = 99999;
    vecchio.ris.lordo = 99999;
    QVector<PeriodoStipendio> storico = {vecchio};
    if (aumento > 0) {
        PeriodoStipendio primo;
        primo.dataInizio = QStringLiteral("01/01/2026");
        primo.dataFine = QStringLiteral("30/06/2026");
        primo.salarioMensile = primo.ris.lordo = salario;
        PeriodoStipendio secondo;
        secondo.dataInizio = QStringLiteral("01/07/2026");
        secondo.salarioMensile = secondo.ris.lordo = aumento;
        storico << primo << secondo;
    }
    QVERIFY(StoricoStipendi::salva(kBernasconi, storico));
    for (int i = 0; i < chiusi.size(); ++i) {
        DatiDipendente delMese = d;
        if (chiusi.mid(i + 1).contains(chiusi.at(i)))
            delMese.salarioMensile += 1000;
        QVERIFY(ConteggioSalario::genera(kBernasconi, delMese, 2026, chiusi.at(i), true, -1).errore.isEmpty());
    }

    const PagheAnno::Somme s = PagheAnno::cifre(kBernasconi, 2026);
    QCOMPARE(s.stima(), stima);
    const Certificato::DatiCertificato c = CertificatoAnnuo::calcola(kBernasconi, d, 2026);
    QCOMPARE(c.stima, stima);
    QCOMPARE(c.cifra8, cifra8);
    QCOMPARE(arrotonda2(s.adDip), ad);
    QCOMPARE(arrotonda2(s.adDat), ad); // the employer's, at the same rate
    // The accident premium, 11.2 per mille for a man, is charged on the same
    // insured earnings (the ceilings are both 148,200), each month's rounded
    // to 0.05: at most 0.025 apart a month.
    QVERIFY2(qAbs(s.lainfDip - ad / 1.1 * 1.12) <= 0.025 * 13, qPrintable(QString::number(s.lainfDip)));
    // The employer's, 1 %, on those insured earnings too, a thirteenth's
    // month included.
    QVERIFY2(qAbs(s.lainfDat - ad / 1.1) < 0.01, qPrintable(QString::number(s.lainfDat)));
    QTEST(c.cifra2, "cifra2");
    QTEST(c.cifra3, "cifra3");
    if (!stima) {
        // A history holding a month twice (edited by hand) never counts it
        // twice: once, or not at all as a history that did not read cleanly.
        const QString file = StoricoPaghe::percorsoFile(kBernasconi, 2026);
        const QByteArray testo = AmbienteTest::leggi(file);
        AmbienteTest::scrivi(file, testo + testo.mid(testo.lastIndexOf("\n[")));
        const PagheAnno::Somme doppio = PagheAnno::cifre(kBernasconi, 2026);
        QVERIFY(doppio.origine == PagheAnno::Origine::Illeggibile
                || (doppio.mesi == s.mesi && doppio.lordo == s.lordo && doppio.adDip == s.adDip));
        AmbienteTest::scrivi(file, testo);
    }

    const RSS::Rendiconto r = RSS::genera(kBernasconi, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026);
    QCOMPARE(r.stima, stima);
    QCOMPARE(RSS::formattaTesto(r).contains(QStringLiteral("(stima)")), stima);
    QCOMPARE(arrotonda5(r.lordoAnnuo), cifra8);
    QCOMPARE(arrotonda5(r.contributiDipendente), c.cifra9);
    QCOMPARE(arrotonda5(r.impostaFonte), c.cifra12);
    QVERIFY(centesimi(r.contributiDatore, s.contributiDat));
    const QString xml = GeneratoreELM().generaXML(kBernasconi, QString(), 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026);
    QCOMPARE(elemento(xml, QStringLiteral("Stima")), stima ? QStringLiteral("true") : QStringLiteral("false"));
    QCOMPARE(arrotonda5(elemento(xml, QStringLiteral("LordoAnnuo")).toDouble()), cifra8);
    QCOMPARE(elemento(xml, QStringLiteral("Dipendente"), QStringLiteral("AD")).toDouble(), ad);
    QCOMPARE(elemento(xml, QStringLiteral("Datore"), QStringLiteral("LAINF")).toDouble(), arrotonda2(s.lainfDat));
    QCOMPARE(elemento(xml, QStringLiteral("Cifra9_Contributi")).toDouble(), c.cifra9);
    // A leaver of the year has his exit date; each side's lines add up to its
    // total, the months' rounding to 0.05 a line of its own.
    QCOMPARE(elemento(xml, QStringLiteral("DataUscita")), uscita);
    if (!uscita.isEmpty()) {
        // A contract from the next 1 January is another employment: the exit stays.
        DatiDipendente seguito = d;
        seguito.periodi.append({QStringLiteral("01/01/2027"), QString()});
        QVERIFY(Dipendente::salva(seguito, kBernasconi));
        const QString conSeguito = GeneratoreELM().generaXML(kBernasconi, QString(), 0, 40, QStringLiteral("TI"),
                                                             QStringLiteral("A0"), 2026);
        QCOMPARE(elemento(conSeguito, QStringLiteral("DataUscita")), uscita);
        QVERIFY(Dipendente::salva(d, kBernasconi));
    }
    double dipendente = 0, datore = 0;
    for (const char* voce : {"AVS", "AD", "CAF", "LAINF"}) {
        dipendente += elemento(xml, QStringLiteral("Dipendente"), voce).toDouble();
        datore += elemento(xml, QStringLiteral("Datore"), voce).toDouble();
    }
    const double contributi = elemento(xml, QStringLiteral("ContributiDipendente"), QStringLiteral("RiepilogoAnnuo")).toDouble();
    QVERIFY(centesimi(dipendente, contributi));
    QVERIFY(centesimi(datore, elemento(xml, QStringLiteral("ContributiDatore")).toDouble()));
    QCOMPARE(elemento(xml, QStringLiteral("Arrotondamento")).toDouble(), arrotondamento);
    QVERIFY(centesimi(contributi - arrotondamento, s.contributiDip));
    QCOMPARE(CertificatoAnnuo::testoPdf(kBernasconi, d, 2026).contains(QStringLiteral("(stima)")), stima);

    RiepilogoPaghe f;
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2026);
    auto* t = f.findChild<QTableWidget*>(QStringLiteral("tabella"));
    for (int i = 0; i < t->rowCount(); ++i) {
        if (t->item(i, 1)->data(Qt::UserRole).toString() != kBernasconi)
            continue;
        QCOMPARE(t->item(i, 8)->text(), stima ? QStringLiteral("stima") : QStringLiteral("mesi salvati"));
        QCOMPARE(arrotonda5(t->item(i, 4)->text().toDouble()), cifra8);
        QCOMPARE(t->item(i, 5)->text().toDouble(), arrotonda2(r.contributiDipendente));
    }
    RegistroMessaggi messaggi;
    f.findChild<QPushButton*>(QStringLiteral("ricalcola"))->click();
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("importi stimati (stima)")));

    // Each export computes every employee's year figures once: the seven
    // certificate PDFs 7, the seven XML files 7; the pay summary's CSV of a
    // month none (the table already shows the year).
    const int dipendenti = Dipendente::elencoDipendenti(false).size();
    QCOMPARE(dipendenti, 7);
    const QString pdf = cartellaExport(QStringLiteral("conta_pdf"));
    int prima = PagheAnno::calcoli();
    scegli({}, [pdf] { accettaAnno(2026, [pdf] { rispondiDialogoFile(pdf); }); });
    DocumentiAnnuali::esportaCertificatiPdf(nullptr);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati 7 certificati PDF."));
    QCOMPARE(istruzioniScelta, QStringLiteral("Spunta i dipendenti di cui esportare il certificato di salario in PDF:"));
    QCOMPARE(PagheAnno::calcoli() - prima, dipendenti);
    const QString cartellaXml = cartellaExport(QStringLiteral("conta_xml"));
    prima = PagheAnno::calcoli();
    scegli({}, [cartellaXml] { accettaAnno(2026, [cartellaXml] { rispondiDialogoFile(cartellaXml); }); });
    DocumentiAnnuali::esportaXmlElm(nullptr, Inizializzazione::fileAziendaDimostrativa());
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Esportati 7 file XML ELM."));
    QCOMPARE(istruzioniScelta, QStringLiteral("Spunta i dipendenti da esportare in XML ELM:"));
    QCOMPARE(PagheAnno::calcoli() - prima, dipendenti);
    const QString csv = cartellaExport(QStringLiteral("conta_csv")) + QStringLiteral("/r.csv");
    prima = PagheAnno::calcoli();
    quandoModale<QDialog>([csv](QDialog* mese) { rispondiDialogoFile(csv); mese->accept(); });
    f.findChild<QPushButton*>(QStringLiteral("esportaCsv"))->click();
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("CSV salvato in:\n") + csv));
    QCOMPARE(PagheAnno::calcoli() - prima, 0);
}

// The estimate carries its months over the year as the closings carry the
// saved ones: the unemployment and accident ceilings to date catch up, and
// the year equals the same months saved.
void TestDocumentiAnnuali::stimaMassimali_data()
{
    QTest::addColumn<double>("salario");
    QTest::addColumn<double>("bonus"); // a movement in March
    QTest::addColumn<int>("mensilita");
    QTest::addColumn<double>("lainfDat"); // the employer's accident premium of the year, 1 %
    QTest::addColumn<double>("adDip");    // the employee's unemployment contribution, 1.1 %
    // Taxed at source (permit B) in Ticino, whose annual model withholds
    // each month the tax to date less what the months before withheld.
    QTest::addColumn<bool>("fonte");
    QTest::addColumn<QStringList>("periodi"); // entry and exit of each employment
    // 12 x 10,000 + 30,000 = 150,000: March insures only to 37,050 to
    // date, the months after catch up to the ceiling of 148,200.
    const QStringList sempre{"01/01/2020", ""};
    QTest::newRow("10,000, a bonus of 30,000 in March")
        << 10000.0 << 30000.0 << 0 << 1482.00 << 1630.20 << false << sempre;
    // 13 x 14,000 = 182,000: each month 12,350, December the rest of 148,200.
    QTest::newRow("14,000 with a thirteenth: the unemployment ceiling")
        << 14000.0 << 0.0 << 1 << 1482.00 << 1630.20 << false << sempre;
    QTest::newRow("the same bonus, taxed at source")
        << 10000.0 << 30000.0 << 0 << 1482.00 << 1630.20 << true << sempre;
    // Entry on 16 March: the ceiling of the months employed, 9.5 of them.
    QTest::newRow("entry on 16 March, the bonus in March")
        << 20000.0 << 30000.0 << 0 << -1.0 << -1.0 << false << QStringList{"16/03/2026", ""};
    QTest::newRow("two periods, the bonus in the first")
        << 16000.0 << 30000.0 << 1 << -1.0 << -1.0 << false
        << QStringList{"01/01/2026", "30/04/2026", "01/07/2026", ""};
    // 5,432.10 x 1 % = 54.321, kept as 54.32 by each month, December
    // 108.64 with the thirteenth: 706.16, not 13 x 54.321 = 706.17.
    // Unemployment 59.75 a month, December 119.51: 776.76.
    QTest::newRow("5,432.10 with a thirteenth: each month's premium to the centime")
        << 5432.10 << 0.0 << 1 << 706.16 << 776.76 << false << sempre;
}

void TestDocumentiAnnuali::stimaMassimali()
{
    QFETCH(double, salario);
    QFETCH(double, bonus);
    QFETCH(int, mensilita);
    QFETCH(bool, fonte);
    QFETCH(QStringList, periodi);
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    if (fonte)
        d.permessoLavoro = QStringLiteral("B");
    d.periodi.clear();
    for (int i = 0; i + 1 < periodi.size(); i += 2)
        d.periodi << PeriodoRapporto{periodi.at(i), periodi.at(i + 1)};
    d.salarioMensile = salario;
    d.mensilitaAggiuntive = mensilita;
    QVERIFY(Dipendente::salva(d, kBernasconi));
    DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    azienda.tredicesimaAutomatica = true;
    QVERIFY(Azienda::salva(azienda, Config::aziendaCorrente()));
    QList<MovimentoStipendio> movimenti;
    if (bonus > 0) {
        MovimentoStipendio m;
        m.data = QStringLiteral("2026-03-20");
        m.tipo = QStringLiteral("Bonus");
        m.importo = bonus;
        Movimenti::applicaPreset(m);
        movimenti << m;
    }
    QVERIFY(Movimenti::salva(kBernasconi, movimenti));

    const PagheAnno::Somme stima = PagheAnno::cifre(kBernasconi, 2026);
    QVERIFY(stima.stima());
    QVERIFY(Datoteca::modelloAnnuale(QStringLiteral("TI")));
    QCOMPARE(stima.imposta > 0, fonte);
    for (int mese = 1; mese <= 12; ++mese) {
        if (PagheAnno::inServizio(d, 2026, mese))
            QVERIFY(ConteggioSalario::genera(kBernasconi, d, 2026, mese, true, -1).errore.isEmpty());
    }
    const PagheAnno::Somme salvati = PagheAnno::cifre(kBernasconi, 2026);
    QCOMPARE(salvati.origine, PagheAnno::Origine::MesiSalvati);
    QFETCH(double, lainfDat);
    if (lainfDat >= 0) {
        QTEST(arrotonda2(stima.lainfDat), "lainfDat");
        QTEST(arrotonda2(salvati.lainfDat), "lainfDat");
        QTEST(arrotonda2(stima.adDip), "adDip");
        QTEST(arrotonda2(salvati.adDip), "adDip");
    }
    const auto importi = [](const PagheAnno::Somme& s) {
        return QList<double>{arrotonda2(s.lordo),   arrotonda2(s.contributiDip), arrotonda2(s.contributiDat),
                             arrotonda2(s.adDat),   arrotonda2(s.lainfDip),      arrotonda2(s.imposta),
                             arrotonda2(s.netto)};
    };
    QCOMPARE(importi(stima), importi(salvati));
}

// A pay history that cannot be read is no year without saved months: the
// documents name the employee instead of estimating.
void TestDocumentiAnnuali::storicoIlleggibile()
{
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    QVERIFY(ConteggioSalario::genera(kBernasconi, d, 2026, 1, true, -1).errore.isEmpty());
    const QString file = StoricoPaghe::percorsoFile(kBernasconi, 2026);
    QByteArray testo = AmbienteTest::leggi(file);
    testo.replace("netto=", "netto=abc");
    AmbienteTest::scrivi(file, testo);

    const PagheAnno::Somme s = PagheAnno::cifre(kBernasconi, 2026);
    QCOMPARE(s.origine, PagheAnno::Origine::Illeggibile);
    QVERIFY(s.errore.contains(QStringLiteral("Bernasconi Luca")));
    QVERIFY(!CertificatoAnnuo::calcola(kBernasconi, d, 2026).stima);
    const RSS::Rendiconto r = RSS::genera(kBernasconi, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026);
    QVERIFY(!r.stima && r.lordoAnnuo == 0.0);
    QVERIFY(RSS::formattaTesto(r).contains(QStringLiteral("Bernasconi Luca: escluso")));
    RegistroMessaggi messaggi;
    scegli({kBernasconi}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 0 certificati di salario.")));
    QVERIFY(messaggi.ultimoTesto().contains(file));
    QVERIFY(ConteggioCAF::html(2026).contains(QStringLiteral("Bernasconi Luca: escluso")));
    // The accounting CSV marks the month, with no amounts.
    const QString csv = QString::fromUtf8(CifreRiepilogo::testoCsv({kBernasconi}, 2026, 1));
    const QString rigaCsv = csv.section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(rigaCsv.contains(QRegularExpression(QStringLiteral(";\"?storico paghe illeggibile"))), qPrintable(rigaCsv));

    // Taxed at source in Bern without a Bern tariff: every closing refuses
    // her, and the estimate shows no tax of 0 but names her and the tariff.
    const QString kColombo = QStringLiteral("Colombo_Sara.txt");
    DatiDipendente c;
    QVERIFY(Dipendente::carica(kColombo, c));
    c.cantone = QStringLiteral("BE");
    QVERIFY(Dipendente::salva(c, kColombo));
    QVERIFY(ConteggioSalario::genera(kColombo, c, 2026, 1, true, -1).errore.contains(QStringLiteral("cantone BE")));
    QCOMPARE(PagheAnno::cifre(kColombo, 2026).origine, PagheAnno::Origine::ImpostaMancante);
    const QString xml = GeneratoreELM().generaXML(kColombo, QString(), 0, 40, QStringLiteral("BE"), QStringLiteral("A0"), 2026);
    QVERIFY2(elemento(xml, QStringLiteral("Esclusione")).contains(QStringLiteral("Colombo Sara: nessun mese salvato")), qPrintable(xml));
    QVERIFY(elemento(xml, QStringLiteral("Esclusione")).contains(QStringLiteral("mancano le tabelle del cantone BE")));
    QVERIFY(!xml.contains(QStringLiteral("ImpostaFonte")) && !xml.contains(QStringLiteral("LordoAnnuo")));
    scegli({kColombo}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QVERIFY(messaggi.ultimoTesto().startsWith(QStringLiteral("Esportati 0 certificati di salario.")));
    QVERIFY(messaggi.ultimoTesto().contains(QStringLiteral("imposta alla fonte della stima mancante")));
    QVERIFY(RSS::formattaTesto(RSS::genera(kColombo, 0, 40, QStringLiteral("BE"), QStringLiteral("A0"), 2026))
                .contains(QStringLiteral("tabelle del cantone BE")));
}

// Months saved before the employer's contributions were stored: recomputed
// on the month's gross without the allowances, as the closing does.
void TestDocumentiAnnuali::datoreMesiVecchi()
{
    // 9,200 with 200 of allowances: the base is 9,000. AHV 5.3 % 477.00,
    // unemployment 1.1 % 99.00, family fund 0.305 % 27.45, accident 1 %
    // (below 12,350 a month) 90.00: 693.45 a month, 1,386.90 for two.
    AmbienteTest::scrivi(StoricoPaghe::percorsoFile(kBernasconi, 2026),
                         "[1]\nlordoImponibile=9200.00\nassegniFamiliari=200.00\ncontributiDipendente=600.00\nnetto=8000.00\n\n"
                         "[2]\nlordoImponibile=9200.00\nassegniFamiliari=200.00\ncontributiDipendente=600.00\nnetto=8000.00\n");
    const PagheAnno::Somme s = PagheAnno::cifre(kBernasconi, 2026);
    QCOMPARE(s.origine, PagheAnno::Origine::MesiSalvati);
    QCOMPARE(s.contributiDat, 1386.90);
    QCOMPARE(s.adDat, 198.00);
    QCOMPARE(s.salarioCaf, 18000.00);
    QCOMPARE(RSS::genera(kBernasconi, 0, 40, QStringLiteral("TI"), QStringLiteral("A0"), 2026).contributiDatore, 1386.90);
}

VARDELLO_TEST_MAIN(TestDocumentiAnnuali)
// The December detail of the allowance form and of the family-fund count is
// what the saved December paid, whatever the card says afterwards; a
// December not saved, or saved before its children were kept, is the card's.
void TestDocumentiAnnuali::figliDicembre_data()
{
    QTest::addColumn<QStringList>("nascite"); // the children on the card when December is counted
    QTest::addColumn<QString>("uscita");
    QTest::addColumn<bool>("salvato");        // December saved
    QTest::addColumn<QString>("dopo");        // then on the card: "figlio" born 28/12, "cantone" GE
    QTest::addColumn<QString>("storico");     // December's group: "vecchio" without the children's keys,
                                              // "danneggiato" a digit added to a child's amount
    QTest::addColumn<QStringList>("dettaglio");
    QTest::addColumn<QString>("cantone");

    const QStringList una{"10/03/2019"};
    QTest::newRow("child added after December was saved")
        << una << "" << true << "figlio" << "" << QStringList{"Uno 215.00"} << "ZH";
    QTest::newRow("moved to Geneva after December was saved")
        << una << "" << true << "cantone" << "" << QStringList{"Uno 215.00"} << "ZH";
    // 430 for 20 days: 286.67, the last child the centime the rounding leaves.
    QTest::newRow("leaves 20 December: the children add up to December's")
        << QStringList{"10/03/2019", "05/05/2021"} << "20/12/2026" << true << "figlio" << ""
        << QStringList{"Uno 143.33", "Due 143.34"} << "ZH";
    QTest::newRow("December saved before the children were kept: the card")
        << una << "" << true << "figlio" << "vecchio" << QStringList{"Uno 215.00", "Nuovo 215.00"} << "ZH";
    // The employee is left out, with the file and line, never printed.
    QTest::newRow("a saved December's child damaged")
        << una << "" << true << "figlio" << "danneggiato" << QStringList{} << "ZH";
    QTest::newRow("no month saved: the estimate from the card")
        << una << "" << false << "cantone" << "" << QStringList{"Uno 311.00"} << "GE";
    // A later closing refused December: its saved figures stay, and the
    // certificate, the wage statement and the family-fund count name it.
    QTest::newRow("December refused after it was saved")
        << una << "" << true << "rifiuto" << "" << QStringList{"Uno 215.00"} << "ZH";
    QTest::newRow("refusals that do not read cleanly")
        << una << "" << true << "rifiuti illeggibili" << "" << QStringList{"Uno 215.00"} << "ZH";
}

void TestDocumentiAnnuali::figliDicembre()
{
    QFETCH(QStringList, nascite);
    QFETCH(QString, uscita);
    QFETCH(QString, dopo);
    QFETCH(QStringList, dettaglio);
    QFETCH(QString, cantone);
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kBernasconi, d));
    d.cantone = QStringLiteral("ZH");
    d.periodi = {PeriodoRapporto{QStringLiteral("01/01/2020"), uscita}};
    const QStringList nomi{"Uno", "Due"};
    d.figli.clear();
    for (int i = 0; i < nascite.size(); ++i) {
        Figlio f;
        f.nome = nomi.at(i);
        f.dataNascita = nascite.at(i);
        d.figli << f;
    }
    QVERIFY(Dipendente::salva(d, kBernasconi));
    QFETCH(bool, salvato);
    if (salvato)
        QVERIFY(ConteggioSalario::genera(kBernasconi, d, 2026, 12, true, -1).errore.isEmpty());
    QFETCH(QString, storico);
    const QString file = StoricoPaghe::percorsoFile(kBernasconi, 2026);
    if (storico == QLatin1String("danneggiato"))
        AmbienteTest::scrivi(file, AmbienteTest::leggi(file).replace("=215.00;", "=2150.00;"));
    if (storico == QLatin1String("vecchio")) {
        QString testo = QString::fromUtf8(AmbienteTest::leggi(file));
        testo.remove(QRegularExpression(QStringLiteral("(cantoneAssegni|assegnoFiglio\\d+)=[^\n]*\n")));
        AmbienteTest::scrivi(file, testo.toUtf8());
    }
    if (dopo == QLatin1String("figlio")) {
        Figlio nuovo;
        nuovo.nome = QStringLiteral("Nuovo");
        nuovo.dataNascita = QStringLiteral("28/12/2026");
        d.figli << nuovo;
    } else if (dopo == QLatin1String("rifiuto")) {
        QVERIFY(StoricoPaghe::segnaRifiuto(kBernasconi, 2026, 12, QStringLiteral("tariffa mancante")));
    } else if (dopo == QLatin1String("rifiuti illeggibili")) {
        AmbienteTest::scrivi(StoricoPaghe::percorsoRifiuti(kBernasconi, 2026), "[12]\n");
    } else {
        d.cantone = QStringLiteral("GE");
    }
    QVERIFY(Dipendente::salva(d, kBernasconi));

    double totale = 0;
    QStringList modulo;
    const QString formulario = FormularioAssegni::html(2026);
    if (dettaglio.isEmpty()) {
        QVERIFY2(formulario.contains(file) && formulario.contains(QStringLiteral("gli assegni dei figli (2150.00)")),
                 qPrintable(formulario));
        QVERIFY(!formulario.contains(QStringLiteral("Bernasconi Luca - AVS")));
    } else {
        QVERIFY(formulario.contains(QStringLiteral("Bernasconi Luca - AVS: %1 - Cantone: %2").arg(d.numeroAVS, cantone)));
    }
    for (const QStringList& r : righeTabelle(formulario)) {
        if (r.size() == 5 && (nomi + QStringList{"Nuovo"}).contains(r.first())) {
            modulo << r.first() + QLatin1Char(' ') + r.last();
            totale += r.last().toDouble();
        }
    }
    QCOMPARE(modulo, dettaglio);
    if (salvato && storico.isEmpty()) // what December paid
        QCOMPARE(arrotonda2(totale), PagheAnno::cifre(kBernasconi, 2026).assegniMese[11]);

    const QMap<QString, QList<ConteggioCAF::RigaDip>> caf = ConteggioCAF::righe(2026);
    QStringList conteggio;
    for (const ConteggioCAF::RigaDip& r : caf.value(cantone)) {
        for (const AssegniFamiliari::DettaglioFiglio& f : r.dettagli) {
            if (r.nome == QLatin1String("Bernasconi Luca"))
                conteggio << f.nome + QLatin1Char(' ') + Decimali::testo(f.importo);
        }
    }
    QCOMPARE(conteggio, dettaglio);

    if (!dopo.startsWith(QLatin1String("rifiut")))
        return;
    const QString riga = QStringLiteral("Bernasconi Luca: nelle cifre anche mesi salvati prima che l'ultima chiusura "
                                        "non ha potuto conteggiare: ")
        + (dopo == QLatin1String("rifiuto") ? QStringLiteral("dicembre 2026: tariffa mancante")
                                            : QStringLiteral("i rifiuti dell'ultima chiusura non si leggono "
                                                             "correttamente: ")
                                                  + StoricoPaghe::percorsoRifiuti(kBernasconi, 2026));
    QVERIFY2(CertificatoAnnuo::testoPdf(kBernasconi, d, 2026).contains(riga),
             qPrintable(CertificatoAnnuo::testoPdf(kBernasconi, d, 2026)));
    QVERIFY(RSS::formattaTesto(RSS::genera(kBernasconi, 0, 40, QStringLiteral("ZH"), QStringLiteral("A0"), 2026))
                .contains(riga));
    QVERIFY(ConteggioCAF::html(2026).contains(riga.toHtmlEscaped()));
    RegistroMessaggi messaggi;
    scegli({kBernasconi}, [] { accettaAnno(2026); });
    DocumentiAnnuali::esportaCertificati(nullptr);
    QVERIFY2(messaggi.ultimoTesto().contains(riga), qPrintable(messaggi.ultimoTesto()));
}

#include "tst_documentiannuali.moc"
