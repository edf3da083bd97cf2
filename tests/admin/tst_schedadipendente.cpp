#include "ambientetest.h"
#include "config.h"
#include "dialogamministrativi.h"
#include "dialogfigli.h"
#include "dialogperiodirapporto.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "gestionestipendi.h"
#include "impostafonte.h"
#include "inizializzazione.h"
#include "inputsvizzero.h"
#include "linkaiuto.h"
#include "nap.h"
#include "nazioni.h"
#include "orologio.h"
#include "rotellaprotetta.h"
#include "schedadipendente.h"
#include "schedavariabilidipendente.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTableWidget>

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
    void apertoESalvato_data();
    void apertoESalvato();
    void inputDigitati_data();
    void inputDigitati();
    void fuoriLimite_data();
    void fuoriLimite();
    void salarioDelloStorico_data();
    void salarioDelloStorico();
    void elimina();
    void idSenzaFile();
    void datiAmministrativi();
    void intestazioneEChiudi();
    void ccl();
    void minimoCcl_data();
    void minimoCcl();
    void minimoCclTabellaDanneggiata();
    void finestreAperte();
    void fileDanneggiato_data();
    void fileDanneggiato();
    void rotellaSenzaFuoco_data();
    void rotellaSenzaFuoco();
    void modificatoAltrove_data();
    void modificatoAltrove();

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
    // The record's value shown by a widget of the card, as inputDigitati
    // compares it.
    static QString valore(const DatiDipendente& dopo, const QString& widget);
    // A Swiss employee with a little of everything.
    static DatiDipendente base();
    // What the card writes besides the user's input: country, partner and
    // further activities, with their defaults.
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
    d.statoCivile = QStringLiteral("coniugato");
    d.cap = QStringLiteral("6900");
    d.localita = QStringLiteral("Lugano");
    d.cantone = QStringLiteral("TI");
    d.numeroAVS = QStringLiteral("756.1111.2222.39");
    d.permessoLavoro = QStringLiteral("CH");
    d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
    d.tipoContratto = QStringLiteral("indeterminato");
    d.mensilitaAggiuntive = 1;
    d.professione = QStringLiteral("Muratore");
    d.figli = {Figlio()};
    d.salarioMensile = 5200;
    d.modalitaPagamento = QStringLiteral("banca");
    d.iban = QStringLiteral("CH9300762011623852957");
    d.extra.insert(QStringLiteral("tabellaIF"), QStringLiteral("B1"));
    d.extra.insert(QStringLiteral("codiceTariffa"), QStringLiteral("B1"));
    d.extra.insert(QStringLiteral("partitaIva"), QStringLiteral("CHE-1"));
    d.extra.insert(QStringLiteral("chiaveDiAltri"), QStringLiteral("resta"));
    return d;
}

void TestSchedaDipendente::chiaviDellaScheda(DatiDipendente& d)
{
    for (const auto& c : {qMakePair(QStringLiteral("nazione"), QStringLiteral("CH")),
                          qMakePair(QStringLiteral("coniugeLavora"), QStringLiteral("no")),
                          qMakePair(QStringLiteral("altreAttivita"), QStringLiteral("0"))}) {
        if (!d.extra.contains(c.first))
            d.extra.insert(c.first, c.second);
    }
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
}

// A record opened and saved without input: what the card shows and what the
// save keeps (each row: the stored record, a widget and what it shows, the
// record after "Salva").
void TestSchedaDipendente::apertoESalvato_data()
{
    QTest::addColumn<Modifica>("salvato");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("mostrato"); // text, or the combo's current data ("<none>": no item)
    QTest::addColumn<Modifica>("atteso");

    const Modifica niente = [](DatiDipendente&) {};
    QTest::newRow("every field kept") << niente << "partitaIva" << "CHE-1" << niente;
    QTest::newRow("unknown permit: saved empty")
        << Modifica([](DatiDipendente& d) { d.permessoLavoro = QStringLiteral("X"); }) << "permessoLavoro"
        << "<none>" << Modifica([](DatiDipendente& d) { d.permessoLavoro.clear(); });
    const Modifica italia = [](DatiDipendente& d) { d.extra[QStringLiteral("nazione")] = QStringLiteral("IT"); };
    QTest::newRow("other country: canton cleared") << italia << "nazione" << "IT" << Modifica([=](DatiDipendente& d) {
        italia(d);
        d.cantone.clear();
    });
    QTest::newRow("tariff under the old key only") << Modifica([](DatiDipendente& d) {
        d.extra.remove(QStringLiteral("tabellaIF"));
        d.extra[QStringLiteral("codiceTariffa")] = QStringLiteral("b2");
    }) << "tariffa" << "b2" << Modifica([](DatiDipendente& d) {
        d.extra[QStringLiteral("tabellaIF")] = QStringLiteral("B2");
        d.extra[QStringLiteral("codiceTariffa")] = QStringLiteral("B2");
    });
    const Modifica senzaNascita = [](DatiDipendente& d) { d.dataNascita = QStringLiteral("1988"); };
    QTest::newRow("unreadable birth date kept, not 01/01/2000")
        << senzaNascita << "gradoOccupazione" << "100" << senzaNascita;
    QTest::newRow("Swiss birth date written dd/MM/yyyy")
        << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("4.3.1990"); }) << "nome" << "Mario"
        << Modifica([](DatiDipendente& d) { d.dataNascita = QStringLiteral("04/03/1990"); });
}

void TestSchedaDipendente::apertoESalvato()
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
    if (auto* c = scheda.findChild<QComboBox*>(widget))
        QCOMPARE(c->currentIndex() < 0 ? QStringLiteral("<none>") : c->currentData().toString(), mostrato);
    else
        QCOMPARE(testo(scheda, qPrintable(widget)), mostrato);
    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));

    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    DatiDipendente attesa = base();
    atteso(attesa);
    chiaviDellaScheda(attesa);
    QCOMPARE(dopo, attesa);
}

// Every field the card saves, typed (or chosen) on the card and read back
// from the saved file. Amounts, degree and dates in the Swiss forms are read;
// anything else is refused with a message and nothing is written; an invalid
// AVS number of a Swiss employee is refused too. A save that fails says so.
void TestSchedaDipendente::inputDigitati_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("digitato"); // text; a combo's item data; "1"/"0" for a box
    QTest::addColumn<QString>("salvato");  // the record's value after saving; empty: refused; "<errore>": save fails

    QTest::newRow("first name") << "nome" << "Luigi" << "Luigi";
    QTest::newRow("surname") << "cognome" << "Bianchi" << "Bianchi";
    QTest::newRow("birth date") << "dataNascita" << "02/03/1990" << "02/03/1990";
    QTest::newRow("born yesterday") << "dataNascita" << "04/03/2026" << "04/03/2026";
    QTest::newRow("born today") << "dataNascita" << "05/03/2026" << "";
    QTest::newRow("sex") << "sesso" << "F" << "F";
    QTest::newRow("civil status") << "statoCivile" << "divorziato" << "divorziato";
    QTest::newRow("civil status date, dots") << "statoCivileDal" << "1.2.2020" << "01/02/2020";
    QTest::newRow("civil status date, no such day") << "statoCivileDal" << "31/02/2020" << "";
    QTest::newRow("mobile") << "cellulare" << "079 123 45 67" << "079 123 45 67";
    QTest::newRow("e-mail") << "email" << " mario.rossi@esempio.ch " << "mario.rossi@esempio.ch";
    QTest::newRow("nationality") << "nazionalita" << "italiana" << "italiana";
    QTest::newRow("country") << "nazione" << "DE" << "DE";
    QTest::newRow("address") << "indirizzo" << "Via Cantonale 5" << "Via Cantonale 5";
    QTest::newRow("postcode") << "cap" << "6500" << "6500";
    QTest::newRow("town") << "localita" << "Bellinzona" << "Bellinzona";
    QTest::newRow("canton") << "cantone" << "GR" << "GR";
    QTest::newRow("VAT number") << "partitaIva" << "CHE-123.456.789" << "CHE-123.456.789";
    QTest::newRow("work permit") << "permessoLavoro" << "B" << "B";
    QTest::newRow("partner works") << "coniugeLavora" << "estero" << "estero";
    QTest::newRow("further activities") << "altreAttivita" << "1" << "1";
    QTest::newRow("tariff, lower case") << "tariffa" << " c1 " << "C1";
    QTest::newRow("degree") << "gradoOccupazione" << "80" << "80";
    QTest::newRow("degree 1") << "gradoOccupazione" << "1" << "1";
    QTest::newRow("degree with decimals") << "gradoOccupazione" << "80.5" << "";
    QTest::newRow("contract") << "tipoContratto" << "determinato" << "determinato";
    QTest::newRow("extra salaries") << "mensilitaAggiuntive" << "2" << "2";
    QTest::newRow("pay type") << "tipoPaga" << "1" << "1";
    QTest::newRow("grouped amount") << "salarioMensile" << "5'000.50" << "5000.50";
    QTest::newRow("letters in an amount") << "salarioMensile" << "5000 CHF" << "";
    QTest::newRow("pension, decimal comma") << "lppManuale" << "250,5" << "250.50";
    QTest::newRow("hourly rate") << "pagaOraria" << "32.75" << "32.75";
    QTest::newRow("hourly rate, letters") << "pagaOraria" << "32 l'ora" << "";
    QTest::newRow("agreement") << "ccl" << "Pulizie" << "Pulizie";
    QTest::newRow("agreement category") << "categoriaCcl" << "Qualificato_A" << "Qualificato_A";
    QTest::newRow("payment by") << "modalitaPagamento" << "posta" << "posta";
    QTest::newRow("IBAN") << "iban" << " CH5604835012345678009 " << "CH5604835012345678009";
    QTest::newRow("account holder") << "intestatarioConto" << "Maria Rossi" << "Maria Rossi";
    QTest::newRow("bank") << "banca" << "Banca dello Stato" << "Banca dello Stato";
    QTest::newRow("BIC") << "bicSwift" << "BSCTCH22" << "BSCTCH22";
    QTest::newRow("foreign bank") << "bancaEstera" << "1" << "1";
    QTest::newRow("AVS number") << "numeroAVS" << "756.9217.0769.85" << "756.9217.0769.85";
    QTest::newRow("AVS, wrong check digit") << "numeroAVS" << "756.1111.2222.38" << "";
    QTest::newRow("the file cannot be written") << "email" << "a@esempio.ch" << "<errore>";
    QTest::newRow("the disk is full") << "email" << "a@esempio.ch" << "<pieno>";
}

void TestSchedaDipendente::inputDigitati()
{
    QFETCH(QString, widget);
    QFETCH(QString, digitato);
    QFETCH(QString, salvato);

    DatiDipendente d = base();
    d.statoCivileDal = QStringLiteral("non ricordo"); // as another window stored it
    d.ccl = QStringLiteral("Edilizia_principale");
    d.categoriaCcl = QStringLiteral("Manovale");
    QVERIFY(Dipendente::salva(d, id));
    const QByteArray prima = AmbienteTest::leggi(Dipendente::percorsoFile(id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    QWidget* w = scheda.findChild<QWidget*>(widget);
    QVERIFY2(w, qPrintable(widget));
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(digitato);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        int i = c->count() - 1;
        while (i >= 0 && c->itemData(i).toString() != digitato)
            --i;
        QVERIFY2(i >= 0, qPrintable(digitato));
        c->setCurrentIndex(i);
    } else if (auto* b = qobject_cast<QCheckBox*>(w)) {
        b->setChecked(digitato == QLatin1String("1"));
    } else {
        auto* data = qobject_cast<QDateEdit*>(w);
        QVERIFY(data);
        data->setDate(QDate::fromString(digitato, QStringLiteral("dd/MM/yyyy")));
    }
    if (salvato == QLatin1String("<errore>")) {
        // A folder where the file goes: the write cannot be committed.
        QVERIFY(QFile::remove(Dipendente::percorsoFile(id)));
        QVERIFY(QDir().mkpath(Dipendente::percorsoFile(id)));
    }
    if (salvato == QLatin1String("<pieno>")) {
        // The file reads, but nothing more can be written, as on a full disk.
        {
            LimiteFile pieno(0);
            clic(scheda, "salva");
        }
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Salvataggio non riuscito.\nImpossibile scrivere il file %1.")
                                             .arg(Dipendente::percorsoFile(id)));
        QVERIFY(!registro.contiene(QStringLiteral("Dipendente salvato.")));
        QVERIFY(scheda.modificato());
        return;
    }
    clic(scheda, "salva");
    if (salvato == QLatin1String("<errore>")) {
        QCOMPARE(scheda.result(), int(QDialog::Rejected));
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        // A folder in place of the file: it cannot be read, so it is never
        // replaced, and the user is told.
        QVERIFY(registro.ultimoTesto().endsWith(QStringLiteral("Il file non viene sovrascritto.")));
        QVERIFY(!registro.contiene(QStringLiteral("Dipendente salvato.")));
        QVERIFY(scheda.modificato());
        return;
    }
    if (salvato.isEmpty()) {
        QCOMPARE(scheda.result(), int(QDialog::Rejected));
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), prima);
        return;
    }
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(valore(dopo, widget), salvato);
    // The untouched text of another window is kept as it was.
    if (widget != QLatin1String("statoCivileDal"))
        QCOMPARE(dopo.statoCivileDal, QStringLiteral("non ricordo"));
}

QString TestSchedaDipendente::valore(const DatiDipendente& dopo, const QString& widget)
{
    auto importo = [](double x) { return QString::number(x, 'f', 2); };
    const QMap<QString, QString> valori{
        {QStringLiteral("nome"), dopo.nome},
        {QStringLiteral("cognome"), dopo.cognome},
        {QStringLiteral("dataNascita"), dopo.dataNascita},
        {QStringLiteral("sesso"), dopo.sesso},
        {QStringLiteral("statoCivile"), dopo.statoCivile},
        {QStringLiteral("statoCivileDal"), dopo.statoCivileDal},
        {QStringLiteral("cellulare"), dopo.cellulare},
        {QStringLiteral("email"), dopo.email},
        {QStringLiteral("nazionalita"), dopo.nazionalita},
        {QStringLiteral("nazione"), dopo.extra.value(QStringLiteral("nazione"))},
        {QStringLiteral("indirizzo"), dopo.indirizzo},
        {QStringLiteral("cap"), dopo.cap},
        {QStringLiteral("localita"), dopo.localita},
        {QStringLiteral("cantone"), dopo.cantone},
        {QStringLiteral("partitaIva"), dopo.extra.value(QStringLiteral("partitaIva"))},
        {QStringLiteral("permessoLavoro"), dopo.permessoLavoro},
        {QStringLiteral("coniugeLavora"), dopo.extra.value(QStringLiteral("coniugeLavora"))},
        {QStringLiteral("altreAttivita"), dopo.extra.value(QStringLiteral("altreAttivita"))},
        {QStringLiteral("tariffa"), dopo.extra.value(QStringLiteral("tabellaIF"))},
        {QStringLiteral("gradoOccupazione"), QString::number(dopo.gradoOccupazione)},
        {QStringLiteral("tipoContratto"), dopo.tipoContratto},
        {QStringLiteral("mensilitaAggiuntive"), QString::number(dopo.mensilitaAggiuntive)},
        {QStringLiteral("tipoPaga"), QString::number(dopo.tipoPaga)},
        {QStringLiteral("salarioMensile"), importo(dopo.salarioMensile)},
        {QStringLiteral("lppManuale"), importo(dopo.lppManuale)},
        {QStringLiteral("pagaOraria"), importo(dopo.pagaOraria)},
        {QStringLiteral("ccl"), dopo.ccl},
        {QStringLiteral("categoriaCcl"), dopo.categoriaCcl},
        {QStringLiteral("modalitaPagamento"), dopo.modalitaPagamento},
        {QStringLiteral("iban"), dopo.iban},
        {QStringLiteral("intestatarioConto"), dopo.intestatarioConto},
        {QStringLiteral("banca"), dopo.banca},
        {QStringLiteral("bicSwift"), dopo.bicSwift},
        {QStringLiteral("bancaEstera"), dopo.bancaEstera ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("numeroAVS"), dopo.numeroAVS},
        {QStringLiteral("<figli>"), QString::number(dopo.figli.size())}};
    return valori.value(widget, QStringLiteral("<no such widget>"));
}

// Two cards of one employee, each saving what it changed: the second save
// keeps what the first wrote, and a field both changed is named and taken
// from the card saving last only when the user says so.
void TestSchedaDipendente::modificatoAltrove_data()
{
    // changed and saved first on another card; "<figli>" (a child) and
    // "<file>key" (that key and the mobile) by another program
    QTest::addColumn<QString>("altrove");
    QTest::addColumn<QString>("valoreAltrove");
    QTest::addColumn<QString>("qui"); // then changed and saved on this card
    QTest::addColumn<QString>("valoreQui");
    QTest::addColumn<int>("risposta");    // to the question, if asked
    QTest::addColumn<QString>("nominato"); // the field named by the question; empty: nothing asked
    QTest::addColumn<QString>("atteso");   // the file's value of `qui` afterwards

    const int salva = QMessageBox::Save;
    const int annulla = QMessageBox::Cancel;
    QTest::newRow("mobile there, e-mail here: both kept")
        << "cellulare" << "079 222 33 44" << "email" << "mario@esempio.ch" << salva << "" << "mario@esempio.ch";
    QTest::newRow("the same mobile on both") << "cellulare" << "079 222 33 44" << "cellulare" << "079 222 33 44" << salva
                                             << "" << "079 222 33 44";
    QTest::newRow("two mobiles, this card's saved") << "cellulare" << "079 222 33 44" << "cellulare" << "078 555 66 77"
                                                    << salva << "Cellulare" << "078 555 66 77";
    QTest::newRow("two mobiles, Annulla") << "cellulare" << "079 222 33 44" << "cellulare" << "078 555 66 77" << annulla
                                          << "Cellulare" << "079 222 33 44";
    QTest::newRow("two permits") << "permessoLavoro" << "B" << "permessoLavoro" << "C" << salva
                                 << "Permesso di lavoro" << "C";
    QTest::newRow("a child added elsewhere, a name here")
        << "<figli>" << "2" << "nome" << "Marco" << salva << "" << "Marco";
    // Keys the file never held and the card fills in with its defaults are
    // no change of this card's: another program's values stay.
    QTest::newRow("partner works set by another program, e-mail here")
        << "<file>coniugeLavora" << "CH" << "email" << "mario@esempio.ch" << salva << "" << "mario@esempio.ch";
    QTest::newRow("further activities set by another program, e-mail here")
        << "<file>altreAttivita" << "1" << "email" << "mario@esempio.ch" << salva << "" << "mario@esempio.ch";
    QTest::newRow("partner works set there and here")
        << "<file>coniugeLavora" << "CH" << "coniugeLavora" << "estero" << salva << "Coniuge/partner lavora"
        << "estero";
}

void TestSchedaDipendente::modificatoAltrove()
{
    QFETCH(QString, altrove);
    QFETCH(QString, valoreAltrove);
    QFETCH(QString, qui);
    QFETCH(QString, valoreQui);
    QFETCH(int, risposta);
    QFETCH(QString, nominato);
    QFETCH(QString, atteso);
    const auto cambia = [](SchedaDipendente& s, const QString& widget, const QString& valore) {
        if (auto* c = combo(s, qPrintable(widget)))
            c->setCurrentIndex(c->findData(valore));
        else
            scrivi(s, qPrintable(widget), valore);
    };
    QVERIFY(Dipendente::salva(base(), id));
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::StandardButton(risposta));
    SchedaDipendente scheda(id);
    if (altrove == QLatin1String("<figli>")) {
        DatiDipendente d = base();
        d.figli.append(Figlio());
        QVERIFY(Dipendente::salva(d, id));
    } else if (altrove.startsWith(QLatin1String("<file>"))) {
        DatiDipendente d = base();
        d.extra.insert(altrove.mid(6), valoreAltrove);
        d.cellulare = QStringLiteral("079 999 88 77");
        QVERIFY(Dipendente::salva(d, id));
    } else {
        SchedaDipendente seconda(id);
        cambia(seconda, altrove, valoreAltrove);
        clic(seconda, "salva");
    }
    registro.richieste.clear();
    cambia(scheda, qui, valoreQui);
    clic(scheda, "salva");

    const Messaggi::Richiesta domanda = registro.richieste.first();
    QCOMPARE(domanda.titolo == QLatin1String("Dipendente modificato altrove"), !nominato.isEmpty());
    QVERIFY2(nominato.isEmpty() || domanda.testo.contains(QStringLiteral("\n- ") + nominato + QLatin1Char('\n')),
             qPrintable(domanda.testo));
    QCOMPARE(scheda.result(), int(risposta == QMessageBox::Save ? QDialog::Accepted : QDialog::Rejected));
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(valore(dopo, qui), atteso);
    const QString chiaveAltrove = altrove.startsWith(QLatin1String("<file>")) ? altrove.mid(6) : altrove;
    if (chiaveAltrove != qui)
        QCOMPARE(valore(dopo, chiaveAltrove), valoreAltrove);
    if (chiaveAltrove != altrove)
        QCOMPARE(dopo.cellulare, QStringLiteral("079 999 88 77"));
}

// A value outside its field's range is refused with a message naming the
// field, nothing is written, and the card opens again clean with what the
// file held.
void TestSchedaDipendente::fuoriLimite_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("campo"); // named in the warning

    QTest::newRow("negative salary") << "salarioMensile" << "-6'500" << "Salario mensile (CHF)";
    QTest::newRow("salary beyond any file") << "salarioMensile" << "1'000'000'001" << "Salario mensile (CHF)";
    QTest::newRow("negative pension") << "lppManuale" << "-0.05" << "LPP trattenuta (CHF)";
    QTest::newRow("negative hourly rate") << "pagaOraria" << "-32.75" << "Paga oraria (CHF/h)";
    QTest::newRow("degree above 100") << "gradoOccupazione" << "150" << "Grado di occupazione (%)";
    QTest::newRow("degree 0") << "gradoOccupazione" << "0" << "Grado di occupazione (%)";
    // CH93 0076 2011 6238 5295 7 is valid: the last digit changed.
    QTest::newRow("IBAN, wrong check digit") << "iban" << "CH93 0076 2011 6238 5295 8" << "IBAN";
    QTest::newRow("birth date tomorrow") << "dataNascita" << "06/03/2026" << "Data di nascita";
    QTest::newRow("birth date today") << "dataNascita" << "05/03/2026" << "Data di nascita";
    QTest::newRow("born today, as stored") << "<nascita>" << "05/03/2026" << "Data di nascita";
    // The dialogs' dates as the file holds them (the dialogs refuse such
    // dates themselves).
    QTest::newRow("employment ends before it starts, as stored") << "<periodo>" << "31/12/2019" << "Periodi di rapporto";
    // A second period running from 01/03/2026 while the first, from
    // 01/01/2020, still runs: employed twice over.
    QTest::newRow("second running period, as stored") << "<secondo periodo>" << "01/03/2026" << "Periodi di rapporto";
    // The second starts on the first one's last day, 31/12/2025.
    QTest::newRow("periods sharing a day, as stored") << "<periodo chiuso>" << "31/12/2025" << "Periodi di rapporto";
    QTest::newRow("child born tomorrow, as stored") << "<figlio>" << "06/03/2026" << "Figli";
}

void TestSchedaDipendente::fuoriLimite()
{
    QFETCH(QString, widget);
    QFETCH(QString, digitato);
    QFETCH(QString, campo);
    DatiDipendente d = base();
    if (widget == QLatin1String("<figlio>"))
        d.figli.first().dataNascita = digitato;
    else if (widget == QLatin1String("<nascita>"))
        d.dataNascita = digitato;
    else if (widget == QLatin1String("<periodo>"))
        d.periodi.first().uscita = digitato;
    else if (widget == QLatin1String("<secondo periodo>"))
        d.periodi.append({digitato, QString()});
    else if (widget == QLatin1String("<periodo chiuso>"))
        d.periodi = {{QStringLiteral("01/01/2020"), QStringLiteral("31/12/2025")}, {digitato, QString()}};
    const bool comeNelFile = widget.startsWith(QLatin1Char('<'));
    QVERIFY(Dipendente::salva(d, id));
    const QByteArray prima = AmbienteTest::leggi(Dipendente::percorsoFile(id));
    {
        RegistroMessaggi registro;
        SchedaDipendente scheda(id);
        if (comeNelFile) {
            scrivi(scheda, "nome", QStringLiteral("Luigi"));
        } else if (auto* data = scheda.findChild<QDateEdit*>(widget)) {
            data->setDate(QDate::fromString(digitato, QStringLiteral("dd/MM/yyyy")));
        } else {
            scrivi(scheda, qPrintable(widget), digitato);
        }
        clic(scheda, "salva");
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QVERIFY2(registro.ultimoTesto().contains(QLatin1Char('"') + campo + QLatin1Char('"')),
                 qPrintable(registro.ultimoTesto()));
        QCOMPARE(scheda.result(), int(QDialog::Rejected));
        QVERIFY(scheda.modificato());
        QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), prima);
    }
    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scheda.show();
    QTest::qWait(10);
    QVERIFY(registro.richieste.isEmpty()); // no "Dati non validi"
    QCOMPARE(testo(scheda, "nome"), QStringLiteral("Mario"));
    QCOMPARE(scheda.datiCorrenti().periodi, d.periodi);
    QCOMPARE(testo(scheda, "salarioMensile"), QStringLiteral("5200.00"));
    QCOMPARE(testo(scheda, "gradoOccupazione"), QStringLiteral("100"));
    QCOMPARE(testo(scheda, "iban"), QStringLiteral("CH9300762011623852957"));
    QCOMPARE(scheda.findChild<QDateEdit*>(QStringLiteral("dataNascita"))->date(),
             InputSvizzero::leggiData(d.dataNascita));
}

// The card shows the salary of the salary period covering the current
// month, and saving it stores the salary into that period too (its monthly
// results recomputed); the other periods stay as they were.
void TestSchedaDipendente::salarioDelloStorico_data()
{
    QTest::addColumn<QString>("storico");   // "inizio-fine:salario" periods, ";" between them; "!": damaged
    QTest::addColumn<int>("tipoPaga");
    QTest::addColumn<QString>("mostrato");  // the salary the card shows in August 2026
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("salari");    // the periods' salaries after saving; empty: the file unchanged
    QTest::addColumn<bool>("salvato");      // the employee file written
    QTest::addColumn<QString>("finestra");  // typed for August in the salary periods window first; "": not opened
    // saved for August in the history by another copy of the program while
    // the card is open ("<file>": in the employee file only), an e-mail then
    // typed on the card; "": none
    QTest::addColumn<QString>("altraCopia");

    const QString aumento = QStringLiteral("01/01/2026-30/06/2026:7350.50;01/07/2026-31/12/2026:7800.00");
    QTest::newRow("raise from July shown in August") << aumento << 0 << "7800.00" << "7900" << "7350.50;7900.00"
                                                     << true << "" << "";
    QTest::newRow("shown salary saved again: history untouched") << aumento << 0 << "7800.00" << "7800" << ""
                                                                 << true << "" << "";
    QTest::newRow("no period covers August") << QStringLiteral("01/01/2026-30/06/2026:7350.50") << 0 << "5200.00"
                                             << "5300" << "" << true << "" << "";
    QTest::newRow("hourly pay: the card's salary") << aumento << 1 << "5200.00" << "5300" << "" << true << "" << "";
    QTest::newRow("damaged history: nothing saved") << aumento + QLatin1Char('!') << 0 << "5200.00" << "5300" << ""
                                                    << false << "" << "";
    // The card shows what the window saved, and its save keeps it.
    QTest::newRow("periods window's salary kept by the card's save")
        << aumento << 0 << "7950.00" << "" << "7350.50;7950.00" << true << "7'950" << "";
    QTest::newRow("typed on the card after the periods window") << aumento << 0 << "7950.00" << "8000"
                                                                << "7350.50;8000.00" << true << "7950" << "";
    // A salary the clerk did not type is not the card's to write: the one
    // another copy saved in the history stays; one typed goes in.
    QTest::newRow("another copy's salary kept by a save of the e-mail")
        << aumento << 0 << "7800.00" << "" << "7350.50;8100.00" << true << "" << "8100";
    QTest::newRow("another copy's salary, a salary typed on the card")
        << aumento << 0 << "7800.00" << "7900" << "7350.50;7900.00" << true << "" << "8100";
    QTest::newRow("another program's salary in the employee file only: history untouched")
        << aumento << 0 << "7800.00" << "" << "" << true << "" << "<file>8100";
}

void TestSchedaDipendente::salarioDelloStorico()
{
    QFETCH(QString, storico);
    QFETCH(int, tipoPaga);
    QFETCH(QString, mostrato);
    QFETCH(QString, digitato);
    QFETCH(QString, salari);
    QFETCH(bool, salvato);
    QFETCH(QString, finestra);
    QFETCH(QString, altraCopia);
    Orologio::imposta(QDateTime(QDate(2026, 8, 10), QTime(9, 0)));
    DatiDipendente d = base();
    d.tipoPaga = tipoPaga;
    QVERIFY(Dipendente::salva(d, id));
    const bool danneggiato = storico.endsWith(QLatin1Char('!'));
    if (danneggiato)
        storico.chop(1);
    QVector<PeriodoStipendio> periodi;
    for (const QString& testo : storico.split(QLatin1Char(';'))) {
        PeriodoStipendio p;
        p.dataInizio = testo.left(10);
        p.dataFine = testo.mid(11, 10);
        p.salarioMensile = testo.mid(22).toDouble();
        periodi << p;
    }
    QVERIFY(StoricoStipendi::salva(id, periodi));
    if (danneggiato)
        AmbienteTest::scrivi(StoricoStipendi::percorsoFile(id),
                             AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)) + "periodo0.oreMensili=molte\n");
    const QByteArray storicoPrima = AmbienteTest::leggi(StoricoStipendi::percorsoFile(id));
    const QByteArray dipendentePrima = AmbienteTest::leggi(Dipendente::percorsoFile(id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    if (!finestra.isEmpty()) {
        quandoAperto([&] {
            auto* g = finestraAperta<GestioneStipendi>();
            QVERIFY(g);
            g->findChild<QTableWidget*>(QStringLiteral("tabella"))->item(1, 2)->setText(finestra);
            clic(*g, "salva");
            clic(*g, "chiudi");
        });
        clic(scheda, "storicoStipendi");
    }
    QCOMPARE(testo(scheda, "salarioMensile"), mostrato);
    QVERIFY(!scheda.modificato());
    if (altraCopia.startsWith(QLatin1String("<file>"))) {
        DatiDipendente altro = d;
        altro.salarioMensile = altraCopia.mid(6).toDouble();
        QVERIFY(Dipendente::salva(altro, id));
    } else if (!altraCopia.isEmpty()) {
        QVERIFY(StoricoStipendi::carica(id, periodi));
        periodi.last().salarioMensile = altraCopia.toDouble();
        GestioneStipendi::completaPeriodo(&periodi.last(), d);
        QVERIFY(StoricoStipendi::salva(id, periodi));
    }
    if (!altraCopia.isEmpty())
        scrivi(scheda, "email", QStringLiteral("mario@esempio.ch"));
    if (!digitato.isEmpty())
        scrivi(scheda, tipoPaga == 1 ? "pagaOraria" : "salarioMensile", digitato);
    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto() == QStringLiteral("Dipendente salvato."), salvato);
    if (!salvato) {
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), dipendentePrima);
    }
    if (salari.isEmpty()) {
        QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), storicoPrima);
        return;
    }
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    // The record keeps the salary the card saved.
    QCOMPARE(QString::number(dopo.salarioMensile, 'f', 2),
             digitato.isEmpty() ? mostrato : QString::number(digitato.toDouble(), 'f', 2));
    QVector<PeriodoStipendio> v;
    QString errore;
    QVERIFY(StoricoStipendi::carica(id, v, &errore));
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QStringList letti;
    for (const PeriodoStipendio& p : v)
        letti << QString::number(p.salarioMensile, 'f', 2);
    QCOMPARE(letti.join(QLatin1Char(';')), salari);
    QCOMPARE(v.last().dataInizio, QStringLiteral("01/07/2026"));
    // 13 salaries (one extra) over 12 months: 7'900 x 13 / 12 = 8'558.33.
    QCOMPARE(QString::number(v.last().ris.lordo, 'f', 2),
             QString::number(v.last().salarioMensile * 13 / 12, 'f', 2));
    QCOMPARE(v.last().mensilita, 13);
    if (finestra.isEmpty())
        QCOMPARE(v.first().ris.lordo, 0.0); // the July period alone was recomputed
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

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    registro.rispondi(QMessageBox::No);
    clic(scheda, "elimina");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Eliminare definitivamente questo dipendente?"));
    QVERIFY(QFileInfo::exists(Dipendente::percorsoFile(id)));

    registro.rispondi(QMessageBox::Yes);
    clic(scheda, "elimina");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente eliminato."));
    QCOMPARE(scheda.result(), int(QDialog::Accepted));
    QVERIFY(!QFileInfo::exists(Dipendente::percorsoFile(id)));
    for (const QString& f : {StoricoStipendi::percorsoFile(id), VariabiliMensili::percorsoFile(id, 2026),
                             StoricoPaghe::percorsoFile(id, 2026)})
        QVERIFY2(QFileInfo::exists(f), qPrintable(f));
}

// A card opened on an id without a file shows an empty employee and creates
// the file on saving.
void TestSchedaDipendente::idSenzaFile()
{
    const QString nuovo = QStringLiteral("Nuovo_Tizio.txt");
    RegistroMessaggi registro;
    SchedaDipendente scheda(nuovo);
    QCOMPARE(testo(scheda, "gradoOccupazione"), QStringLiteral("100"));
    QCOMPARE(testo(scheda, "salarioMensile"), QStringLiteral("0.00"));
    QCOMPARE(combo(scheda, "tipoContratto")->currentIndex(), -1);
    scrivi(scheda, "nome", QStringLiteral("Tizio"));
    clic(scheda, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));

    DatiDipendente d;
    QVERIFY(Dipendente::carica(nuovo, d));
    QCOMPARE(d.nome, QStringLiteral("Tizio"));
    QCOMPARE(d.dataNascita, QString()); // never the editor's own default date
    QVERIFY(!AmbienteTest::leggi(Dipendente::percorsoFile(nuovo)).contains("tipoContratto="));
}

// What the user changed last wins: the card's rows go into the dialog, and
// what the dialog changed comes back into the rows and reaches the file.
void TestSchedaDipendente::datiAmministrativi()
{
    QVERIFY(Dipendente::salva(base(), id));
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
        clic(*dialogo, "salva");
    });
    clic(scheda, "datiAmministrativi");
    QCOMPARE(cellulareNelDialogo, QStringLiteral("079 111 22 33"));
    QCOMPARE(testo(scheda, "email"), QStringLiteral("nuova@esempio.ch"));

    // A dialog closed without saving changes nothing ("Non salvare").
    registro.rispondi(QMessageBox::Discard);
    quandoAperto([&] {
        auto* dialogo = finestraAperta<DialogAmministrativi>();
        dialogo->findChild<QLineEdit*>(QStringLiteral("email"))->setText(QStringLiteral("persa@esempio.ch"));
        clic(*dialogo, "chiudi");
    });
    clic(scheda, "datiAmministrativi");

    clic(scheda, "salva");
    DatiDipendente dopo;
    QVERIFY(Dipendente::carica(id, dopo));
    QCOMPARE(dopo.email, QStringLiteral("nuova@esempio.ch"));
    QCOMPARE(dopo.cellulare, QStringLiteral("079 111 22 33"));
    QCOMPARE(dopo.statoCivileDal, QStringLiteral("01/06/2019"));
    QCOMPARE(dopo.professione, QStringLiteral("Muratore"));
}

// Names in the header are text, never markup; "Chiudi" asks whenever the
// card holds input not saved, the salary included.
void TestSchedaDipendente::intestazioneEChiudi()
{
    DatiDipendente d = base();
    d.nome = QStringLiteral("<i>Anna</i>");
    d.cognome = QStringLiteral("Rossi & Co");
    QVERIFY(Dipendente::salva(d, id));
    const QByteArray prima = AmbienteTest::leggi(Dipendente::percorsoFile(id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    QCOMPARE(scheda.findChild<QLabel*>(QStringLiteral("intestazione"))->text(),
             QStringLiteral("<b>Dipendente:</b> &lt;i&gt;Anna&lt;/i&gt; Rossi &amp; Co"));
    clic(scheda, "chiudi");
    QVERIFY(registro.richieste.isEmpty());

    scrivi(scheda, "salarioMensile", QStringLiteral("7000"));
    registro.rispondi(QMessageBox::Discard);
    clic(scheda, "chiudi");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
    QCOMPARE(scheda.result(), int(QDialog::Rejected));
    QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), prima);
}

// The agreements and categories of the collective-agreement table; the
// user's copy takes the place of the built-in one.
void TestSchedaDipendente::ccl()
{
    DatiDipendente d = base();
    d.ccl = QStringLiteral("Pulizie");
    d.categoriaCcl = QStringLiteral("Con_AFC_ora");
    QVERIFY(Dipendente::salva(d, id));
    {
        RegistroMessaggi registro;
        SchedaDipendente scheda(id);
        QCOMPARE(combo(scheda, "categoriaCcl")->currentText(), QStringLiteral("Con_AFC_ora"));
        combo(scheda, "ccl")->setCurrentIndex(0);
        QCOMPARE(combo(scheda, "categoriaCcl")->count(), 0);
        clic(scheda, "salva");
    }
    QVERIFY(Dipendente::carica(id, d));
    QCOMPARE(d.ccl + d.categoriaCcl, QString());

    AmbienteTest::scrivi(Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini"),
                         "[Mio_CCL]\nApprendista=1000\nOperaio=4000\n");
    SchedaDipendente scheda(id);
    combo(scheda, "ccl")->setCurrentIndex(1);
    QCOMPARE(combo(scheda, "ccl")->count(), 2);
    QCOMPARE(combo(scheda, "categoriaCcl")->itemText(1), QStringLiteral("Operaio"));
}

void TestSchedaDipendente::minimoCcl_data()
{
    QTest::addColumn<QString>("categoria"); // "agreement/category", the building trade's when no "/"
    QTest::addColumn<QString>("salario");
    QTest::addColumn<QString>("oraria");
    QTest::addColumn<QString>("avviso"); // empty: no warning
    QTest::addColumn<QString>("imposta"); // "permit:canton of the tables loaded:tariff typed"; "": a Swiss employee

    QTest::newRow("one centime under") << "Manovale" << "4746.99" << "0"
                                       << "ATTENZIONE: salario CHF 4746.99 inferiore al minimo CCL Edilizia_principale "
                                          "(Manovale) = CHF 4747.00/mese. Possibile violazione CCL. Procedere a proprio "
                                          "rischio." << "";
    QTest::newRow("at the minimum") << "Manovale" << "4747.00" << "0" << "" << "";
    QTest::newRow("above") << "Qualificato_A" << "5'700" << "0" << "" << "";
    // An hourly category holds the hourly rate: 19.50 is under its 20.00 an
    // hour, whatever the monthly salary.
    QTest::newRow("hourly category under its rate") << "Pulizie/Non_qualificato_ora" << "5000" << "19.50"
                                                    << "ATTENZIONE: salario CHF 19.50 inferiore al minimo CCL Pulizie "
                                                       "(Non_qualificato_ora) = CHF 20.00/ora. Possibile violazione "
                                                       "CCL. Procedere a proprio rischio." << "";
    // The tariff the closing will look up, against the canton's tables.
    const QString salvaComunque = QStringLiteral("\nIl dipendente viene salvato, ma la chiusura mensile non lo conteggia "
                                                 "finche' la sua tariffa non si trova nelle tabelle caricate.");
    QTest::newRow("taxed at source, tariff in the tables") << "Manovale" << "4747.00" << "0" << "" << "B:TI:b1";
    QTest::newRow("taxed at source, tariff not in the tables")
        << "Manovale" << "4747.00" << "0"
        << "La tariffa Z9 non si trova nelle tabelle dell'imposta alla fonte caricate per il cantone TI." + salvaComunque
        << "B:TI:Z9";
    QTest::newRow("taxed at source, canton without tables")
        << "Manovale" << "4747.00" << "0"
        << "Nessuna tabella dell'imposta alla fonte e' caricata per il cantone TI: la tariffa B1 non puo' essere "
           "controllata." + salvaComunque
        << "G:ZH:";
    QTest::newRow("taxed at source, tariff damaged in the file")
        << "Manovale" << "4747.00" << "0"
        << "Il file delle tariffe del cantone TI contiene la tariffa C1 danneggiata o in contraddizione con se stessa: "
           "non viene usata." + salvaComunque
        << "B:TI:C1";
    QTest::newRow("settlement permit: no tariff looked up") << "Manovale" << "4747.00" << "0" << "" << "C:TI:Z9";
}

// Saving the card warns when the salary is below the agreement's minimum, and
// saves all the same.
void TestSchedaDipendente::minimoCcl()
{
    QFETCH(QString, categoria);
    QFETCH(QString, salario);
    QFETCH(QString, oraria);
    QFETCH(QString, avviso);
    QFETCH(QString, imposta);
    DatiDipendente d = base();
    d.ccl = categoria.contains(QLatin1Char('/')) ? categoria.section(QLatin1Char('/'), 0, 0)
                                                 : QStringLiteral("Edilizia_principale");
    d.categoriaCcl = categoria.section(QLatin1Char('/'), -1);
    if (!imposta.isEmpty())
        d.permessoLavoro = imposta.section(QLatin1Char(':'), 0, 0);
    QVERIFY(Dipendente::salva(d, id));
    // The tables of one canton: A0N and B1N; C1N twice from 0, which
    // contradicts itself.
    if (!imposta.isEmpty()) {
        const QByteArray cantone = imposta.section(QLatin1Char(':'), 1, 1).toLatin1();
        QByteArray righe;
        for (const char* codice : {"A0N", "B1N", "C1N", "C1N"})
            righe += "0601" + cantone + QByteArray(codice).leftJustified(10, ' ')
                + "20260101000000000000005000 0000000000000300   \r\n";
        AmbienteTest::scrivi(AmbienteTest::home() + QStringLiteral("/tariffe/tar26xx.txt"), righe);
        QVERIFY(ImpostaFonte::caricaDa(AmbienteTest::home() + QStringLiteral("/tariffe")));
    }

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scrivi(scheda, "salarioMensile", salario);
    scrivi(scheda, "pagaOraria", oraria);
    scrivi(scheda, "tariffa", imposta.section(QLatin1Char(':'), 2));
    clic(scheda, "salva");
    QStringList avvisi;
    for (const Messaggi::Richiesta& r : qAsConst(registro.richieste)) {
        if (r.tipo == Messaggi::Tipo::Avviso)
            avvisi << r.testo;
    }
    QCOMPARE(avvisi, avviso.isEmpty() ? QStringList() : QStringList{avviso});
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));
}

// An agreement table that does not read cleanly: the card says which file
// and line, and saves all the same (the minimum is advice).
void TestSchedaDipendente::minimoCclTabellaDanneggiata()
{
    const QString tabella = Config::cartellaDatiPredefinita() + QStringLiteral("/ccl_minimi.ini");
    AmbienteTest::scrivi(tabella, "[Edilizia_principale]\nManovale=4747\n[Pulizie\nManovale=20\n");
    DatiDipendente d = base();
    d.ccl = QStringLiteral("Edilizia_principale");
    d.categoriaCcl = QStringLiteral("Manovale");
    QVERIFY(Dipendente::salva(d, id));

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scrivi(scheda, "salarioMensile", QStringLiteral("5000.00"));
    clic(scheda, "salva");
    QVERIFY(registro.contiene(tabella + QStringLiteral(", riga 3: intestazione di gruppo senza \"]\"")));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Dipendente salvato."));
}

// The buttons open their windows over the card; the help button the manual.
void TestSchedaDipendente::finestreAperte()
{
    QVERIFY(Dipendente::salva(base(), id));
    SchedaDipendente scheda(id);
    QStringList aperte;
    auto chiudiAperta = [&](QDialog* finestra) {
        QVERIFY(finestra);
        QCOMPARE(finestra->parentWidget(), &scheda);
        aperte << finestra->windowTitle();
        finestra->reject();
    };
    quandoAperto([&] { chiudiAperta(finestraAperta<DialogPeriodiRapporto>()); });
    clic(scheda, "periodi");
    QVERIFY(!scheda.modificato()); // closed without a change
    quandoAperto([&] { chiudiAperta(finestraAperta<DialogFigli>()); });
    clic(scheda, "figli");
    QVERIFY(!scheda.modificato());
    // The administrative data saved as they were: no change either.
    quandoAperto([&] {
        auto* dialogo = finestraAperta<DialogAmministrativi>();
        QVERIFY(dialogo);
        clic(*dialogo, "salva");
    });
    clic(scheda, "datiAmministrativi");
    QVERIFY(!scheda.modificato());
    quandoAperto([&] { chiudiAperta(finestraAperta<GestioneStipendi>()); });
    clic(scheda, "storicoStipendi");
    quandoAperto([&] { chiudiAperta(finestraAperta<SchedaVariabiliDipendente>()); });
    clic(scheda, "variabiliMensili");
    QCOMPARE(aperte, (QStringList{"Periodi di rapporto", "Figli", "Storico stipendi - Mario Rossi",
                                  "Variabili mensili dipendente - Rossi Mario"}));

    QStringList aiuti;
    LinkAiuto::impostaVisore([&](const QString& codice) { aiuti << codice; });
    clic(scheda, "aiuto");
    QCOMPARE(aiuti, QStringList{"D03"});

    // Nothing was changed in any of them: the card closes unasked.
    RegistroMessaggi registro;
    clic(scheda, "chiudi");
    QVERIFY(registro.richieste.isEmpty());
}

// A file with a value that is not valid for its field is shown with a
// warning naming the field; a file too large to read is never replaced by
// what the card shows.
void TestSchedaDipendente::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("avviso"); // part of the warning on opening; "" for none
    QTest::addColumn<bool>("salvato");
    QTest::newRow("clean, CRLF") << QByteArray("nome=Mario\r\ncognome=Rossi\r\n") << "" << true;
    // The card shows 0 where the file holds "inf": saving would lose it.
    QTest::newRow("salary inf") << QByteArray("nome=Mario\ncognome=Rossi\nsalarioMensile=inf\n") << "salarioMensile"
                                << false;
    QTest::newRow("line of no key") << QByteArray("nome=Mario\ncognome=Rossi\nVia Lunga 3\n") << "riga 3: \"Via Lunga 3\""
                                    << false;
    QTest::newRow("too large") << QByteArray("nome=Mario\n") + QByteArray(FileSicuri::kLimiteRecord, '#') << "KB"
                               << false;
}

void TestSchedaDipendente::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, avviso);
    QFETCH(bool, salvato);
    AmbienteTest::scrivi(Dipendente::percorsoFile(id), contenuto);

    RegistroMessaggi registro;
    SchedaDipendente scheda(id);
    scheda.show();
    if (!avviso.isEmpty()) {
        QTRY_VERIFY(registro.contiene(avviso));
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Dati non validi"));
    }
    scrivi(scheda, "nome", QStringLiteral("Maria"));
    clic(scheda, "salva");
    DatiDipendente dopo;
    if (salvato) {
        QVERIFY(Dipendente::carica(id, dopo));
        QCOMPARE(dopo.nome, QStringLiteral("Maria"));
        QCOMPARE(dopo.salarioMensile, 0.0);
    } else {
        QVERIFY(registro.ultimoTesto().contains(QStringLiteral("Il file non viene sovrascritto.")));
        QCOMPARE(AmbienteTest::leggi(Dipendente::percorsoFile(id)), contenuto);
    }
}

void TestSchedaDipendente::rotellaSenzaFuoco_data()
{
    QTest::addColumn<QString>("campo");
    QTest::addColumn<bool>("fuoco");
    QTest::newRow("permit without focus") << "permessoLavoro" << false;
    QTest::newRow("permit with focus") << "permessoLavoro" << true;
    QTest::newRow("birth date without focus") << "dataNascita" << false;
    QTest::newRow("birth date with focus") << "dataNascita" << true;
}

// The wheel over a drop-down or a date field of the card that has no focus
// changes nothing, gives it no focus and scrolls the card; once the field
// has the focus, the wheel changes it.
void TestSchedaDipendente::rotellaSenzaFuoco()
{
    QFETCH(QString, campo);
    QFETCH(bool, fuoco);
    QVERIFY(Dipendente::salva(base(), id));
    RotellaProtetta::installa();
    SchedaDipendente scheda(id);
    scheda.resize(scheda.width(), 500);
    scheda.show();
    QApplication::setActiveWindow(&scheda);
    QVERIFY(QTest::qWaitForWindowActive(&scheda));
    auto* w = scheda.findChild<QWidget*>(campo);
    QVERIFY(w);
    const auto valore = [w] {
        auto* c = qobject_cast<QComboBox*>(w);
        return c ? c->currentText() : qobject_cast<QAbstractSpinBox*>(w)->text();
    };
    const QString prima = valore();
    QWidget* conFuoco = fuoco ? w : scheda.findChild<QLineEdit*>(QStringLiteral("nome"));
    conFuoco->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(conFuoco->hasFocus());
    QScrollBar* barra = scheda.findChild<QScrollArea*>(QStringLiteral("area"))->verticalScrollBar();
    QVERIFY(barra->maximum() > 0);
    const int posizione = barra->value();

    // As the mouse sends it: only a wheel of the system gives the focus.
    const QPoint centro = w->rect().center();
    QWheelEvent rotella(QPointF(centro), QPointF(w->mapToGlobal(centro)), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&rotella);
    qApp->notify(w, &rotella);
    QCOMPARE(valore() != prima, fuoco);
    QCOMPARE(w->hasFocus(), fuoco);
    QCOMPARE(scheda.modificato(), fuoco);
    QCOMPARE(barra->value() > posizione, !fuoco);
}

VARDELLO_TEST_MAIN(TestSchedaDipendente)
#include "tst_schedadipendente.moc"
