#include "ambientetest.h"
#include "config.h"
#include "dialogamministrativi.h"
#include "dialogfigli.h"
#include "dialogperiodirapporto.h"
#include "dipendente.h"
#include "gestionestipendi.h"
#include "inizializzazione.h"
#include "linkaiuto.h"
#include "nap.h"
#include "nazioni.h"
#include "orologio.h"
#include "schedadipendente.h"
#include "schedavariabilidipendente.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Modifica = std::function<void(DatiDipendente&)>;
Q_DECLARE_METATYPE(Modifica)

// The employee card: loading, editing and saving one employee file, deleting
// it, and the windows it opens over its working copy.
class TestSchedaDipendente : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Nazioni::carica());
        QVERIFY(NAP::carica());
    }
    void init();
    void cleanup() { LinkAiuto::impostaVisore({}); }

    void salvaDipendenteDimostrativo();
    void apertoESalvatoSenzaModifiche_data();
    void apertoESalvatoSenzaModifiche();
    void inputDigitati_data();
    void inputDigitati();
    void avs_data();
    void avs();
    void elimina();
    void idSenzaFile();
    void datiAmministrativi();
    void intestazioneSenzaMarkup();
    void chiudi_data();
    void chiudi();
    void pagamentoETipoPaga();
    void ccl();
    void finestreAperte();

private:
    static QString testo(QDialog& d, const char* nome) { return d.findChild<QLineEdit*>(QLatin1String(nome))->text(); }
    static void scrivi(QDialog& d, const char* nome, const QString& t)
    {
        auto* e = d.findChild<QLineEdit*>(QLatin1String(nome));
        QVERIFY2(e, nome);
        e->setText(t);
    }
    static QComboBox* combo(QDialog& d, const char* nome) { return d.findChild<QComboBox*>(QLatin1String(nome)); }
    static void clic(QWidget& w, const char* nome)
    {
        auto* b = w.findChild<QPushButton*>(QLatin1String(nome));
        QVERIFY2(b, nome);
        b->click();
    }
    // A Swiss employee with a little of everything.
    static DatiDipendente base();
    // What the card writes besides the user's input: country, partner and
    // further activities, whose defaults it fills in.
    static void chiaviDellaScheda(DatiDipendente& d);

    const QString id = QStringLiteral("Rossi_Mario.txt");
};

void TestSchedaDipendente::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
}

DatiDipendente TestSchedaDipendente::base()
{
    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("14/04/1988");
    d.sesso = QStringLiteral("M");
    d.statoCivile = QStringLiteral("coniugato");
    d.nazionalita = QStringLiteral("CH");
    d.indirizzo = QStringLiteral("Via Roma 1");
    d.cap = QStringLiteral("6900");
    d.localita = QStringLiteral("Lugano");
    d.cantone = QStringLiteral("TI");
    d.numeroAVS = QStringLiteral("756.1111.2222.39");
    d.permessoLavoro = QStringLiteral("CH");
    d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
    d.tipoContratto = QStringLiteral("indeterminato");
    d.mensilitaAggiuntive = 1;
    d.professione = QStringLiteral("Muratore");
    d.altriDatori = QStringLiteral("Nessuno");
    Figlio f;
    f.nome = QStringLiteral("Luca");
    f.dataNascita = QStringLiteral("01/02/2015");
    d.figli = {f};
    d.salarioMensile = 5200;
    d.modalitaPagamento = QStringLiteral("banca");
    d.iban = QStringLiteral("CH9300762011623852957");
    d.banca = QStringLiteral("Banca Esempio");
    d.extra.insert(QStringLiteral("tabellaIF"), QStringLiteral("B1"));
    d.extra.insert(QStringLiteral("codiceTariffa"), QStringLiteral("B1"));
    d.extra.insert(QStringLiteral("partitaIva"), QStringLiteral("CHE-1"));
    d.extra.insert(QStringLiteral("chiaveDiAltri"), QStringLiteral("resta"));
    return d;
}

void TestSchedaDipendente::chiaviDellaScheda(DatiDipendente& d)
{
    if (!d.extra.contains(QStringLiteral("nazione")))
        d.extra.insert(QStringLiteral("nazione"), QStringLiteral("CH"));
    if (!d.extra.contains(QStringLiteral("coniugeLavora")))
        d.extra.insert(QStringLiteral("coniugeLavora"), QStringLiteral("no"));
    if (!d.extra.contains(QStringLiteral("altreAttivita")))
        d.extra.insert(QStringLiteral("altreAttivita"), QStringLiteral("0"));
}

// A demonstration employee: salary, canton and tariff changed on the card
// reach the file, and nothing else changes.
void TestSchedaDipendente::salvaDipendenteDimostrativo()
{
    Config::setAziendaCorrente(QString());
    Inizializzazione::esegui();
    const QString demo = QStringLiteral("Ferreira_Joao.txt");
    DatiDipendente prima;
    QVERIFY(Dipendente::carica(demo, prima));

    RegistroMessaggi registro;
    SchedaDipendente scheda(demo);
    QCOMPARE(testo(scheda, "salarioMensile"), QStringLiteral("5800.00"));
    QCOMPARE(testo(scheda, "tariffa"), QStringLiteral("B2"));
    scrivi(scheda, "salarioMensile", QStringLiteral("6'350.50"));
    scrivi(scheda, "cantone", QStringLiteral("GR"));
    scrivi(scheda, "tariffa", QStringLiteral(" c1 "));
    clic(scheda, "salva");
    QCOMPARE(scheda.result(), int(QDialog::Accepted));
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salvato"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));

    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(demo, dopo));
    DatiDipendente atteso = prima;
    atteso.salarioMensile = 6350.5;
    atteso.cantone = QStringLiteral("GR");
    atteso.extra[QStringLiteral("tabellaIF")] = QStringLiteral("C1");
    atteso.extra[QStringLiteral("codiceTariffa")] = QStringLiteral("C1");
    chiaviDellaScheda(atteso);
    QCOMPARE(dopo, atteso);

    // The other demonstration employees are untouched.
    DatiDipendente altro;
    QVERIFY(Dipendente::carica(QStringLiteral("Keller_Thomas.txt"), altro));
    QCOMPARE(altro, Inizializzazione::dipendentiDimostrativi().at(3).second);
}

// A record opened and saved as it is: what the card shows, and what the save
// keeps or changes (each row: the stored record, the widget looked at, what
// it shows, the record after "Salva").
void TestSchedaDipendente::apertoESalvatoSenzaModifiche_data()
{
    QTest::addColumn<Modifica>("salvato");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("mostrato"); // text, or current item data of a combo ("<none>": no item)
    QTest::addColumn<Modifica>("atteso");

    const Modifica niente = [](DatiDipendente&) {};
    QTest::newRow("every field kept") << niente << "tariffa"
                                      << "B1" << niente;
    QTest::newRow("unknown permit: no item, saved empty")
        << Modifica([](DatiDipendente& d) { d.permessoLavoro = QStringLiteral("X"); }) << "permessoLavoro"
        << "<none>" << Modifica([](DatiDipendente& d) { d.permessoLavoro.clear(); });
    QTest::newRow("unknown country: the first one")
        << Modifica([](DatiDipendente& d) { d.extra[QStringLiteral("nazione")] = QStringLiteral("ZZ"); }) << "nazione"
        << "CH" << Modifica([](DatiDipendente& d) { d.extra[QStringLiteral("nazione")] = QStringLiteral("CH"); });
    QTest::newRow("other country: canton cleared")
        << Modifica([](DatiDipendente& d) { d.extra[QStringLiteral("nazione")] = QStringLiteral("IT"); }) << "nazione"
        << "IT"
        << Modifica([](DatiDipendente& d) {
               d.extra[QStringLiteral("nazione")] = QStringLiteral("IT");
               d.cantone.clear();
           });
    QTest::newRow("degree 0 shown as 100")
        << Modifica([](DatiDipendente& d) { d.gradoOccupazione = 0; }) << "gradoOccupazione"
        << "100" << Modifica([](DatiDipendente& d) { d.gradoOccupazione = 100; });
    QTest::newRow("tariff under the old key only")
        << Modifica([](DatiDipendente& d) {
               d.extra.remove(QStringLiteral("tabellaIF"));
               d.extra[QStringLiteral("codiceTariffa")] = QStringLiteral("b2");
           })
        << "tariffa"
        << "b2"
        << Modifica([](DatiDipendente& d) {
               d.extra[QStringLiteral("tabellaIF")] = QStringLiteral("B2");
               d.extra[QStringLiteral("codiceTariffa")] = QStringLiteral("B2");
           });
    QTest::newRow("empty birth date stays empty")
        << Modifica([](DatiDipendente& d) { d.dataNascita.clear(); }) << "salarioMensile"
        << "5200.00" << Modifica([](DatiDipendente& d) { d.dataNascita.clear(); });
    QTest::newRow("unreadable birth date stays")
        << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("1988"); }) << "salarioMensile"
        << "5200.00" << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("1988"); });
    QTest::newRow("Swiss birth date written dd/MM/yyyy")
        << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("4.3.1990"); }) << "salarioMensile"
        << "5200.00" << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("04/03/1990"); });
    QTest::newRow("partner working abroad")
        << Modifica([](DatiDipendente& d) { d.extra[QStringLiteral("coniugeLavora")] = QStringLiteral("estero"); })
        << "coniugeLavora"
        << "estero"
        << Modifica([](DatiDipendente& d) { d.extra[QStringLiteral("coniugeLavora")] = QStringLiteral("estero"); });
    QTest::newRow("hourly pay") << Modifica([](DatiDipendente& d) {
        d.tipoPaga = 1;
        d.pagaOraria = 34.5;
    }) << "pagaOraria"
                                << "34.50" << Modifica([](DatiDipendente& d) {
                                       d.tipoPaga = 1;
                                       d.pagaOraria = 34.5;
                                   });
}

void TestSchedaDipendente::apertoESalvatoSenzaModifiche()
{
    QFETCH(Modifica, salvato);
    QFETCH(QString, widget);
    QFETCH(QString, mostrato);
    QFETCH(Modifica, atteso);

    DatiDipendente d = base();
    salvato(d);
    QVERIFY(Dipendente::salva(d, id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    QVERIFY(!scheda.modificato());
    if (auto* c = scheda.findChild<QComboBox*>(widget)) {
        QCOMPARE(c->currentIndex() < 0 ? QStringLiteral("<none>") : c->currentData().toString(), mostrato);
    } else {
        QCOMPARE(testo(scheda, qPrintable(widget)), mostrato);
    }
    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));

    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    DatiDipendente attesa = base();
    atteso(attesa);
    chiaviDellaScheda(attesa);
    QCOMPARE(dopo, attesa);
}

// Amounts, degree and dates typed on the card: Swiss forms are read, anything
// else is refused with a message and nothing is written.
void TestSchedaDipendente::inputDigitati_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("salvato"); // the record's value after saving; empty: refused

    QTest::newRow("grouped amount") << "salarioMensile" << "5'000.50" << "5000.50";
    QTest::newRow("typographic apostrophe") << "salarioMensile" << "5’000.50" << "5000.50";
    QTest::newRow("decimal comma") << "lppManuale" << "250,5" << "250.50";
    QTest::newRow("empty amount") << "lppManuale" << "" << "0.00";
    QTest::newRow("letters in an amount") << "salarioMensile" << "5000 CHF" << "";
    QTest::newRow("two decimal signs") << "pagaOraria" << "1.000,50" << "";
    QTest::newRow("whole degree") << "gradoOccupazione" << "80" << "80";
    QTest::newRow("degree with decimals") << "gradoOccupazione" << "80.5" << "";
    QTest::newRow("empty degree") << "gradoOccupazione" << "" << "";
    QTest::newRow("civil status date, dots") << "statoCivileDal" << "1.2.2020" << "01/02/2020";
    QTest::newRow("civil status date, no day") << "statoCivileDal" << "31/02/2020" << "";
    QTest::newRow("civil status date cleared") << "statoCivileDal" << "" << "<empty>";
}

void TestSchedaDipendente::inputDigitati()
{
    QFETCH(QString, widget);
    QFETCH(QString, digitato);
    QFETCH(QString, salvato);

    DatiDipendente d = base();
    d.statoCivileDal = QStringLiteral("non ricordo"); // as another window stored it
    QVERIFY(Dipendente::salva(d, id));
    const QByteArray prima = AmbienteTest::leggi(Dipendente::percorsoFile(id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scrivi(scheda, qPrintable(widget), digitato);
    clic(scheda, "salva");

    if (salvato.isEmpty()) {
        QCOMPARE(scheda.result(), int(QDialog::Rejected));
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QVERIFY2(registro.ultimoTesto().contains(digitato.trimmed()), qPrintable(registro.ultimoTesto()));
        QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), prima);
        return;
    }
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    const QMap<QString, QString> valori{
        {QStringLiteral("salarioMensile"), QString::number(dopo.salarioMensile, 'f', 2)},
        {QStringLiteral("lppManuale"), QString::number(dopo.lppManuale, 'f', 2)},
        {QStringLiteral("pagaOraria"), QString::number(dopo.pagaOraria, 'f', 2)},
        {QStringLiteral("gradoOccupazione"), QString::number(dopo.gradoOccupazione)},
        {QStringLiteral("statoCivileDal"), dopo.statoCivileDal.isEmpty() ? QStringLiteral("<empty>") : dopo.statoCivileDal}};
    QCOMPARE(valori.value(widget), salvato);
    // The untouched text of another window is kept as it was.
    if (widget != QLatin1String("statoCivileDal"))
        QCOMPARE(dopo.statoCivileDal, QStringLiteral("non ricordo"));
}

void TestSchedaDipendente::avs_data()
{
    QTest::addColumn<QString>("nazione");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("salvato");
    QTest::newRow("Swiss, valid") << "CH" << " 756.1111.2222.39 " << true;
    QTest::newRow("Swiss, empty") << "CH" << "" << true;
    QTest::newRow("Swiss, wrong check digit") << "CH" << "756.1111.2222.38" << false;
    QTest::newRow("other country, unchecked") << "DE" << "12345" << true;
}

void TestSchedaDipendente::avs()
{
    QFETCH(QString, nazione);
    QFETCH(QString, numero);
    QFETCH(bool, salvato);

    QVERIFY(Dipendente::salva(base(), id));
    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    QComboBox* c = combo(scheda, "nazione");
    c->setCurrentIndex(c->findData(nazione));
    scrivi(scheda, "numeroAVS", numero);
    clic(scheda, "salva");

    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(dopo.numeroAVS, salvato ? numero.trimmed() : base().numeroAVS);
    QCOMPARE(registro.ultimoTesto(), salvato ? QStringLiteral("Dipendente salvato.") : QStringLiteral("Numero AVS non valido."));
}

// Deleting asks first and removes the record file only.
void TestSchedaDipendente::elimina()
{
    QVERIFY(Dipendente::salva(base(), id));
    QVERIFY(StoricoStipendi::creaPeriodoIniziale(id, QStringLiteral("01/01/2026"), 5200, 13));
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, VariabiliMensili::caricaAnno(id, 2026)));
    StoricoPaghe::PagaMese paga;
    paga.anno = 2026;
    paga.mese = 1;
    QVERIFY(StoricoPaghe::salvaMese(id, paga));
    const QStringList altri{StoricoStipendi::percorsoFile(id), VariabiliMensili::percorsoFile(id, 2026),
                            StoricoPaghe::percorsoFile(id, 2026)};

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    registro.rispondi(QMessageBox::No);
    clic(scheda, "elimina");
    QCOMPARE(registro.richieste.last().titolo, QStringLiteral("Conferma"));
    QCOMPARE(registro.richieste.last().testo, QStringLiteral("Eliminare definitivamente questo dipendente?"));
    QVERIFY(QFileInfo::exists(Dipendente::percorsoFile(id)));

    registro.rispondi(QMessageBox::Yes);
    clic(scheda, "elimina");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente eliminato."));
    QCOMPARE(scheda.result(), int(QDialog::Accepted));
    QVERIFY(!QFileInfo::exists(Dipendente::percorsoFile(id)));
    for (const QString& f : altri)
        QVERIFY2(QFileInfo::exists(f), qPrintable(f));
}

// A card opened on an id without a file shows an empty employee and creates
// the file on saving.
void TestSchedaDipendente::idSenzaFile()
{
    const QString nuovo = QStringLiteral("Nuovo_Tizio.txt");
    RegistroMessaggi registro;
    SchedaDipendente scheda(nuovo);
    QCOMPARE(testo(scheda, "nome"), QString());
    QCOMPARE(testo(scheda, "gradoOccupazione"), QStringLiteral("100"));
    for (const char* importo : {"salarioMensile", "lppManuale", "pagaOraria"})
        QCOMPARE(testo(scheda, importo), QStringLiteral("0.00"));
    QCOMPARE(combo(scheda, "tipoContratto")->currentIndex(), -1);
    QCOMPARE(combo(scheda, "modalitaPagamento")->currentIndex(), -1);
    QVERIFY(!scheda.modificato());

    scrivi(scheda, "nome", QStringLiteral("Tizio"));
    scrivi(scheda, "cognome", QStringLiteral("Nuovo"));
    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));

    DatiDipendente d;
    QVERIFY(Dipendente::carica(nuovo, d));
    QCOMPARE(d.nome, QStringLiteral("Tizio"));
    QCOMPARE(d.gradoOccupazione, 100);
    QCOMPARE(d.dataNascita, QString()); // never the editor's own default date
    const QByteArray file = AmbienteTest::leggi(Dipendente::percorsoFile(nuovo));
    QVERIFY(!file.contains("tipoContratto="));
    QVERIFY(!file.contains("modalitaPagamento="));
}

// What the user changed last wins: the card's rows go into the dialog, and
// what the dialog changed comes back into the rows and reaches the file.
void TestSchedaDipendente::datiAmministrativi()
{
    DatiDipendente d = base();
    d.email = QStringLiteral("vecchia@esempio.ch");
    QVERIFY(Dipendente::salva(d, id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scrivi(scheda, "cellulare", QStringLiteral("079 111 22 33"));

    QString cellulareNelDialogo;
    quandoAperto([&] {
        auto* dialogo = finestraAperta<DialogAmministrativi>();
        QVERIFY(dialogo);
        cellulareNelDialogo = dialogo->findChild<QLineEdit*>(QStringLiteral("cellulare"))->text();
        dialogo->findChild<QLineEdit*>(QStringLiteral("email"))->setText(QStringLiteral("nuova@esempio.ch"));
        dialogo->findChild<QLineEdit*>(QStringLiteral("statoCivileDal"))->setText(QStringLiteral("01/06/2019"));
        dialogo->findChild<QLineEdit*>(QStringLiteral("professione"))->setText(QStringLiteral("Capocantiere"));
        clic(*dialogo, "salva");
    });
    clic(scheda, "datiAmministrativi");
    QCOMPARE(cellulareNelDialogo, QStringLiteral("079 111 22 33"));
    QCOMPARE(testo(scheda, "email"), QStringLiteral("nuova@esempio.ch"));
    QCOMPARE(testo(scheda, "statoCivileDal"), QStringLiteral("01/06/2019"));
    QVERIFY(scheda.modificato());

    // A dialog closed without saving changes nothing.
    quandoAperto([&] {
        auto* dialogo = finestraAperta<DialogAmministrativi>();
        dialogo->findChild<QLineEdit*>(QStringLiteral("email"))->setText(QStringLiteral("persa@esempio.ch"));
        clic(*dialogo, "chiudi");
    });
    clic(scheda, "datiAmministrativi");
    QCOMPARE(testo(scheda, "email"), QStringLiteral("nuova@esempio.ch"));

    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(dopo.email, QStringLiteral("nuova@esempio.ch"));
    QCOMPARE(dopo.cellulare, QStringLiteral("079 111 22 33"));
    QCOMPARE(dopo.statoCivileDal, QStringLiteral("01/06/2019"));
    QCOMPARE(dopo.professione, QStringLiteral("Capocantiere"));
}

void TestSchedaDipendente::intestazioneSenzaMarkup()
{
    DatiDipendente d = base();
    d.nome = QStringLiteral("<i>Anna</i>");
    d.cognome = QStringLiteral("Rossi & Co");
    QVERIFY(Dipendente::salva(d, id));
    SchedaDipendente scheda(id);
    auto* etichetta = scheda.findChild<QLabel*>(QStringLiteral("intestazione"));
    QCOMPARE(etichetta->text(), QStringLiteral("<b>Dipendente:</b> &lt;i&gt;Anna&lt;/i&gt; Rossi &amp; Co"));
    // Typing the names leaves the header as loaded.
    scrivi(scheda, "nome", QStringLiteral("Anna"));
    QVERIFY(etichetta->text().contains(QStringLiteral("&lt;i&gt;")));
}

// "Chiudi" asks whenever the card holds input not saved, whatever input it is.
void TestSchedaDipendente::chiudi_data()
{
    QTest::addColumn<QString>("widget"); // a line edit changed before "Chiudi"; empty: none
    QTest::addColumn<bool>("chiesto");
    QTest::newRow("nothing changed") << "" << false;
    QTest::newRow("name") << "nome" << true;
    QTest::newRow("salary") << "salarioMensile" << true;
    QTest::newRow("IBAN") << "iban" << true;
    QTest::newRow("tariff") << "tariffa" << true;
}

void TestSchedaDipendente::chiudi()
{
    QFETCH(QString, widget);
    QFETCH(bool, chiesto);
    QVERIFY(Dipendente::salva(base(), id));
    const QByteArray prima = AmbienteTest::leggi(Dipendente::percorsoFile(id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    if (!widget.isEmpty())
        scrivi(scheda, qPrintable(widget), QStringLiteral("7"));
    registro.rispondi(QMessageBox::Discard);
    clic(scheda, "chiudi");
    QCOMPARE(!registro.richieste.isEmpty(), chiesto);
    if (chiesto)
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
    QCOMPARE(scheda.result(), int(QDialog::Rejected));
    QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), prima);
}

void TestSchedaDipendente::pagamentoETipoPaga()
{
    QVERIFY(Dipendente::salva(base(), id));
    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    auto* iban = scheda.findChild<QLineEdit*>(QStringLiteral("iban"));
    auto* estera = scheda.findChild<QCheckBox*>(QStringLiteral("bancaEstera"));
    estera->setChecked(true);

    QComboBox* modalita = combo(scheda, "modalitaPagamento");
    modalita->setCurrentIndex(modalita->findData(QStringLiteral("cash")));
    QVERIFY(!iban->isEnabled());
    QCOMPARE(iban->text(), QString());
    QCOMPARE(testo(scheda, "banca"), QString());
    QVERIFY(estera->isChecked());
    modalita->setCurrentIndex(modalita->findData(QStringLiteral("banca")));
    QVERIFY(iban->isEnabled());
    QCOMPARE(iban->text(), QString()); // not brought back

    QComboBox* tipo = combo(scheda, "tipoPaga");
    tipo->setCurrentIndex(tipo->findData(1));
    QVERIFY(!scheda.findChild<QLineEdit*>(QStringLiteral("salarioMensile"))->isEnabled());
    QVERIFY(scheda.findChild<QLineEdit*>(QStringLiteral("pagaOraria"))->isEnabled());
    scrivi(scheda, "pagaOraria", QStringLiteral("31.20"));
    clic(scheda, "salva");

    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(dopo.tipoPaga, 1);
    QCOMPARE(dopo.salarioMensile, 5200.0); // kept while disabled
    QCOMPARE(dopo.pagaOraria, 31.2);
    QCOMPARE(dopo.iban, QString());
    QCOMPARE(dopo.modalitaPagamento, QStringLiteral("banca"));
}

void TestSchedaDipendente::ccl()
{
    DatiDipendente d = base();
    d.ccl = QStringLiteral("Pulizie");
    d.categoriaCcl = QStringLiteral("Con_AFC_ora");
    QVERIFY(Dipendente::salva(d, id));

    {
        SchedaDipendente scheda(id);
        QCOMPARE(combo(scheda, "ccl")->currentText(), QStringLiteral("Pulizie"));
        QComboBox* categoria = combo(scheda, "categoriaCcl");
        QCOMPARE(categoria->count(), 2);
        QCOMPARE(categoria->currentText(), QStringLiteral("Con_AFC_ora"));
        combo(scheda, "ccl")->setCurrentIndex(0);
        QCOMPARE(categoria->count(), 0);
        RegistroMessaggi registro;
        clic(scheda, "salva");
    }
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(dopo.ccl, QString());
    QCOMPARE(dopo.categoriaCcl, QString());

    // The user's copy of the table takes the place of the built-in one.
    AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini"),
                         "[Mio_CCL]\nApprendista=1000\nOperaio=4000\n");
    SchedaDipendente scheda(id);
    QComboBox* c = combo(scheda, "ccl");
    QCOMPARE(c->count(), 2);
    c->setCurrentIndex(1);
    QCOMPARE(combo(scheda, "categoriaCcl")->itemText(1), QStringLiteral("Operaio"));
}

// The buttons open their windows over the card; the periods and children
// dialogs mark the card modified whatever their end.
void TestSchedaDipendente::finestreAperte()
{
    QVERIFY(Dipendente::salva(base(), id));
    SchedaDipendente scheda(id);

    QStringList aperte;
    auto chiudiAperta = [&](auto* finestra) {
        QVERIFY(finestra);
        QCOMPARE(finestra->parentWidget(), &scheda);
        aperte << finestra->windowTitle();
        finestra->reject();
    };
    quandoAperto([&] { chiudiAperta(finestraAperta<DialogPeriodiRapporto>()); });
    clic(scheda, "periodi");
    QVERIFY(scheda.modificato());
    quandoAperto([&] { chiudiAperta(finestraAperta<DialogFigli>()); });
    clic(scheda, "figli");
    quandoAperto([&] { chiudiAperta(finestraAperta<GestioneStipendi>()); });
    clic(scheda, "storicoStipendi");
    quandoAperto([&] { chiudiAperta(finestraAperta<SchedaVariabiliDipendente>()); });
    clic(scheda, "variabiliMensili");
    QCOMPARE(aperte, (QStringList{"Periodi di rapporto", "Figli", "Storico stipendi - Rossi_Mario.txt",
                                  "Variabili mensili dipendente - Rossi Mario"}));

    QStringList aiuti;
    LinkAiuto::impostaVisore([&](const QString& codice) { aiuti << codice; });
    clic(scheda, "aiuto");
    QCOMPARE(aiuti, QStringList{"D03"});
}

VARDELLO_TEST_MAIN(TestSchedaDipendente)
#include "tst_schedadipendente.moc"
