#include "ambientetest.h"
#include "azienda.h"
#include "bloccoindirizzo.h"
#include "config.h"
#include "dipendente.h"
#include "gestioneazienda.h"
#include "nuovaazienda.h"
#include "nuovodipendente.h"
#include "schedadipendente.h"
#include "nap.h"
#include "nazioni.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTranslator>

#include <memory>

namespace {

using Tipo = BloccoIndirizzo::Modulo;

// A form wired as the employee and company maintenance forms wire the block.
class Modulo : public QDialog
{
public:
    explicit Modulo(Tipo tipo, const QMap<QString, QString>& valori = {})
    {
        auto* form = new QFormLayout(this);
        nazione = new QComboBox(this);
        if (tipo == Tipo::GestioneAzienda) {
            for (const char* c : {"CH", "IT", "FR", "DE", "ES"})
                nazione->addItem(Nazioni::nome(QLatin1String(c)), QLatin1String(c));
        } else {
            for (const QString& c : Nazioni::codiciDisponibili())
                nazione->addItem(Nazioni::nome(c), c);
        }
        cap = new QLineEdit(this);
        localita = new QLineEdit(this);
        cantone = new QLineEdit(this);
        permesso = new QComboBox(this);
        auto* etichettaCantone = new QLabel(QStringLiteral("Cantone"), this);
        auto* etichettaPermesso = new QLabel(QStringLiteral("Permesso di lavoro"), this);
        form->addRow(QStringLiteral("Nazione"), nazione);
        form->addRow(QStringLiteral("CAP"), cap);
        form->addRow(QStringLiteral("Localita"), localita);
        form->addRow(etichettaCantone, cantone);
        form->addRow(etichettaPermesso, permesso);

        BloccoIndirizzo::Widget w;
        w.nazione = nazione;
        w.cap = cap;
        w.localita = localita;
        w.cantone = cantone;
        w.form = form;
        w.soloSvizzera = {etichettaCantone, cantone, etichettaPermesso, permesso};
        blocco = new BloccoIndirizzo(tipo, w, this, [this] { ++salvataggi; });
        blocco->setValoriIdentificativi(valori);

        if (tipo == Tipo::GestioneAzienda) {
            cap->setText(QStringLiteral("6900"));
            localita->setText(QStringLiteral("Lugano"));
            cantone->setText(QStringLiteral("ti"));
            blocco->cambiaNazione(nazione->currentIndex());
        }
        connect(nazione, QOverload<int>::of(&QComboBox::currentIndexChanged), blocco,
                [this](int i) { blocco->cambiaNazione(i); });
        connect(cap, &QLineEdit::textChanged, blocco, [this] { blocco->aggiornaDaCap(); });
        if (tipo == Tipo::GestioneAzienda) {
            connect(localita, &QLineEdit::editingFinished, blocco, [this] { blocco->aggiornaDaLocalita(); });
            blocco->segnaModificheDi(cantone);
        } else {
            connect(cap, &QLineEdit::editingFinished, blocco, [this] { blocco->verificaCap(); });
            connect(localita, &QLineEdit::textChanged, blocco, [this] { blocco->aggiornaDaLocalita(); });
            connect(localita, &QLineEdit::editingFinished, blocco, [this] { blocco->verificaLocalita(); });
        }
        if (tipo == Tipo::NuovoDipendente)
            blocco->cambiaNazione(0);
        if (tipo == Tipo::SchedaDipendente) {
            blocco->segnaModificheDi(cap);
            blocco->segnaModificheDi(localita);
            blocco->segnaModificheDi(cantone);
            blocco->setInAggiornamento(true);
            blocco->cambiaNazione(nazione->currentIndex());
            blocco->setModificato(false);
            blocco->setInAggiornamento(false);
        }
    }

    QComboBox* nazione;
    QLineEdit* cap;
    QLineEdit* localita;
    QLineEdit* cantone;
    QComboBox* permesso;
    BloccoIndirizzo* blocco;
    int salvataggi = 0;
};

void digita(QLineEdit* campo, const QString& testo)
{
    campo->clear();
    QTest::keyClicks(campo, testo);
}

QStringList chiaviCampi(const BloccoIndirizzo* b)
{
    QStringList k;
    for (const QLineEdit* e : b->campiIdentificativi())
        k << e->objectName();
    return k;
}

} // namespace

class TestBloccoIndirizzo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Nazioni::carica());
        QVERIFY(NAP::carica());
    }
    void init() { AmbienteTest::svuota(); }

    void nuovoDipendenteApertura();
    void localitaDipendente_data();
    void localitaDipendente();
    void capDipendente();
    void cambioNazioneSvuota();
    void schedaSoloIva();
    void schedaSoloIvaTradotta();
    void gestioneAzienda();
    void nessunaNazioneNota();
    void stesseRighe_data();
    void stesseRighe();
};

void TestBloccoIndirizzo::nuovoDipendenteApertura()
{
    Modulo m(Tipo::NuovoDipendente);
    QVERIFY(m.blocco->modificato()); // applying the first country marks the form
    // The employee's own bank rows; the Swiss number is the AVS number.
    QCOMPARE(chiaviCampi(m.blocco), QStringList({"uid", "partitaIva", "iban", "bic"}));
    QCOMPARE(m.blocco->etichetteIdentificative().at(0)->text(), QStringLiteral("Numero AVS"));
    QCOMPARE(m.blocco->etichetteIdentificative().at(2)->text(), QStringLiteral("IBAN"));
    QCOMPARE(m.blocco->campiIdentificativi().at(0)->placeholderText(), QStringLiteral("756.1234.5678.97"));
    QCOMPARE(m.blocco->campiMostrati().size(), 4);
    m.blocco->setModificato(false);
    QTest::keyClicks(m.blocco->campiIdentificativi().at(1), QStringLiteral("x"));
    QVERIFY(m.blocco->modificato()); // identification entries mark employee forms
}

void TestBloccoIndirizzo::localitaDipendente_data()
{
    QTest::addColumn<QString>("capPrima");
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QString>("cap");
    QTest::addColumn<QString>("cantone");

    QTest::newRow("Massagno stays, lowest postcode") << "" << "Massagno" << "6900" << "TI";
    QTest::newRow("two letters") << "" << "Lu" << "" << "";
    QTest::newRow("Genf") << "" << "Genf" << "1201" << "GE";
    QTest::newRow("other postcode of the same city replaced") << "3011" << "Bern" << "3004" << "BE";
}

void TestBloccoIndirizzo::localitaDipendente()
{
    QFETCH(QString, capPrima);
    QFETCH(QString, localita);
    QFETCH(QString, cap);
    QFETCH(QString, cantone);

    RegistroMessaggi registro;
    Modulo m(Tipo::NuovoDipendente);
    if (!capPrima.isEmpty())
        digita(m.cap, capPrima);
    m.cantone->clear();
    digita(m.localita, localita);
    QCOMPARE(m.localita->text(), localita);
    QCOMPARE(m.cap->text(), cap);
    QCOMPARE(m.cantone->text(), cantone);
    emit m.localita->editingFinished();
    QVERIFY(registro.richieste.isEmpty());
}

void TestBloccoIndirizzo::capDipendente()
{
    RegistroMessaggi registro;
    Modulo m(Tipo::NuovoDipendente);
    digita(m.cap, QStringLiteral("1290"));
    QCOMPARE(m.localita->text(), QStringLiteral("Chavannes-des-Bois"));
    QCOMPARE(m.cantone->text(), QStringLiteral("GE"));
    QVERIFY(!m.blocco->inAggiornamento());
    digita(m.cap, QStringLiteral("0000"));
    emit m.cap->editingFinished();
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("CAP inesistente"));
    QCOMPARE(m.localita->text(), QStringLiteral("Chavannes-des-Bois")); // nothing changed
}

void TestBloccoIndirizzo::cambioNazioneSvuota()
{
    Modulo m(Tipo::NuovoDipendente);
    digita(m.cap, QStringLiteral("6900"));
    m.blocco->setModificato(false);
    m.nazione->setCurrentIndex(m.nazione->findData(QStringLiteral("IT")));
    QVERIFY(m.cap->text().isEmpty() && m.localita->text().isEmpty() && m.cantone->text().isEmpty());
    QVERIFY(m.permesso->isHidden());
    QVERIFY(m.blocco->modificato());
    QCOMPARE(chiaviCampi(m.blocco), QStringList({"codiceFiscale", "partitaIva", "rea"}));
    m.nazione->setCurrentIndex(m.nazione->findData(QStringLiteral("CH")));
    QVERIFY(!m.permesso->isHidden());
    // The rows of the previous country are gone.
    QCOMPARE(m.findChildren<QLineEdit*>(QStringLiteral("codiceFiscale")).size(), 0);
    QCOMPARE(m.findChildren<QLineEdit*>(QStringLiteral("uid")).size(), 1);
}

void TestBloccoIndirizzo::schedaSoloIva()
{
    Modulo m(Tipo::SchedaDipendente, {{QStringLiteral("partitaIva"), QStringLiteral("CHE-111.222.333 IVA")},
                                      {QStringLiteral("uid"), QStringLiteral("CHE-1")}});
    QVERIFY(!m.blocco->modificato());
    QCOMPARE(chiaviCampi(m.blocco), QStringList{QStringLiteral("partitaIva")});
    QCOMPARE(m.blocco->campiIdentificativi().first()->text(), QStringLiteral("CHE-111.222.333 IVA"));
    digita(m.cap, QStringLiteral("6900"));
    QVERIFY(m.blocco->modificato()); // typing the postcode marks the card
    QMap<QString, QString> mappa;
    m.blocco->scriviIdentificativi(mappa);
    QCOMPARE(mappa.keys(), QStringList{QStringLiteral("partitaIva")});
}

// A translation whose labels happen to hold "iva" ("privato") shows no other
// field on the employee card than in Italian.
void TestBloccoIndirizzo::schedaSoloIvaTradotta()
{
    class Traduttore : public QTranslator
    {
    public:
        QString translate(const char* contesto, const char* testo, const char*, int) const override
        {
            return qstrcmp(contesto, "Nazioni") == 0 ? QStringLiteral("Numero privato ") + QLatin1String(testo)
                                                     : QString();
        }
        bool isEmpty() const override { return false; }
    } traduttore;
    QCoreApplication::installTranslator(&traduttore);
    Nazioni::azzera();
    const bool caricate = Nazioni::carica();
    QStringList chiavi;
    {
        Modulo m(Tipo::SchedaDipendente);
        chiavi = chiaviCampi(m.blocco);
    }
    QCoreApplication::removeTranslator(&traduttore);
    Nazioni::azzera();
    QVERIFY(Nazioni::carica());
    QVERIFY(caricate);
    QCOMPARE(chiavi, QStringList{QStringLiteral("partitaIva")});
}

void TestBloccoIndirizzo::gestioneAzienda()
{
    RegistroMessaggi registro;
    Modulo m(Tipo::GestioneAzienda);
    // Values written before wiring are kept; applying the country filled nothing.
    QCOMPARE(m.cantone->text(), QStringLiteral("ti"));
    QVERIFY(!m.blocco->modificato());
    digita(m.cap, QStringLiteral("6900"));
    QCOMPARE(m.localita->text(), QStringLiteral("Lugano"));
    QCOMPARE(m.cantone->text(), QStringLiteral("ti")); // same canton, not rewritten
    QVERIFY(!m.blocco->modificato());
    digita(m.cap, QStringLiteral("0000"));
    emit m.cap->editingFinished();
    QVERIFY(registro.richieste.isEmpty()); // this form does not warn
    QCOMPARE(m.localita->text(), QStringLiteral("Lugano"));

    m.localita->setText(QStringLiteral("chur"));
    emit m.localita->editingFinished();
    QCOMPARE(m.cap->text(), QStringLiteral("7000"));
    QCOMPARE(m.cantone->text(), QStringLiteral("GR"));
    QCOMPARE(m.localita->text(), QStringLiteral("chur")); // the fill from the postcode waits for the flag
    QVERIFY(!m.blocco->modificato());
    // No previous rows stay visible after two changes.
    m.nazione->setCurrentIndex(m.nazione->findData(QStringLiteral("DE")));
    m.nazione->setCurrentIndex(m.nazione->findData(QStringLiteral("ES")));
    QCOMPARE(chiaviCampi(m.blocco), QStringList({"nie", "dni"}));
    QCOMPARE(m.findChildren<QLineEdit*>(QStringLiteral("ustId")).size(), 0);
}

void TestBloccoIndirizzo::nessunaNazioneNota()
{
    Modulo m(Tipo::NuovoDipendente);
    m.nazione->addItem(QStringLiteral("Atlantide"), QStringLiteral("XX"));
    m.nazione->setCurrentIndex(m.nazione->count() - 1);
    QVERIFY(m.blocco->campiIdentificativi().isEmpty());
    QVERIFY(m.cantone->isHidden());
}

void TestBloccoIndirizzo::stesseRighe_data()
{
    QTest::addColumn<int>("modulo");
    QTest::addColumn<QString>("lingua"); // of the program's translation; "" Italian
    QTest::newRow("new company") << int(Tipo::NuovaAzienda) << "";
    QTest::newRow("company data") << int(Tipo::GestioneAzienda) << "";
    QTest::newRow("new employee") << int(Tipo::NuovoDipendente) << "";
    QTest::newRow("employee card") << int(Tipo::SchedaDipendente) << "";
    QTest::newRow("new company, German") << int(Tipo::NuovaAzienda) << "de";
    QTest::newRow("employee card, German") << int(Tipo::SchedaDipendente) << "de";
}

// The four address forms build their country and address rows from the same
// piece: the same entries, the country list of companies or of employees,
// and a company's canton of two letters while an employee's stored canton is
// shown whole.
void TestBloccoIndirizzo::stesseRighe()
{
    QFETCH(int, modulo);
    QFETCH(QString, lingua);
    const Tipo tipo = Tipo(modulo);
    // The identification labels are read in the program's language.
    QTranslator traduzione;
    if (!lingua.isEmpty()) {
        QVERIFY(traduzione.load(QStringLiteral(VARDELLO_TRADUZIONI "/vardello_") + lingua));
        QCoreApplication::installTranslator(&traduzione);
    }
    Nazioni::azzera();
    QVERIFY(Nazioni::carica());
    const auto ripristina = qScopeGuard([&traduzione] {
        QCoreApplication::removeTranslator(&traduzione);
        Nazioni::azzera();
        Nazioni::carica();
    });
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Prova SA");
    QVERIFY(Azienda::salva(a, QStringLiteral("Prova.txt")));
    DatiDipendente d;
    d.nome = QStringLiteral("Anna");
    d.cognome = QStringLiteral("Neri");
    d.cantone = QStringLiteral("Ticino");
    QVERIFY(Dipendente::salva(d, QStringLiteral("Neri_Anna.txt")));
    std::unique_ptr<QDialog> f;
    switch (tipo) {
    case Tipo::NuovaAzienda: f.reset(new NuovaAzienda); break;
    case Tipo::GestioneAzienda: f.reset(new GestioneAzienda(QStringLiteral("Prova.txt"))); break;
    case Tipo::NuovoDipendente: f.reset(new NuovoDipendente); break;
    case Tipo::SchedaDipendente: f.reset(new SchedaDipendente(Dipendente::percorsoFile(QStringLiteral("Neri_Anna.txt")))); break;
    }
    for (const char* nome : {"indirizzo", "cap", "localita", "cantone"})
        QCOMPARE(f->findChildren<QLineEdit*>(QLatin1String(nome)).size(), 1);
    const bool azienda = tipo == Tipo::NuovaAzienda || tipo == Tipo::GestioneAzienda;
    auto* nazione = f->findChild<QComboBox*>(QStringLiteral("nazione"));
    QStringList codici;
    for (int i = 0; i < nazione->count(); ++i)
        codici << nazione->itemData(i).toString();
    const QStringList attesi = azienda ? QStringList{"CH", "IT", "FR", "DE", "ES"} : Nazioni::codiciDisponibili();
    QCOMPARE(codici, attesi);
    auto* cantone = f->findChild<QLineEdit*>(QStringLiteral("cantone"));
    QCOMPARE(cantone->maxLength() == 2, azienda);
    if (tipo == Tipo::SchedaDipendente)
        QCOMPARE(cantone->text(), QStringLiteral("Ticino"));

    // The Swiss VAT row in one language only, its example too.
    auto* iva = f->findChild<QLineEdit*>(QStringLiteral("partitaIva"));
    QVERIFY(iva);
    QLabel* etichetta = nullptr;
    for (QFormLayout* form : f->findChildren<QFormLayout*>()) {
        if (!etichetta)
            etichetta = qobject_cast<QLabel*>(form->labelForField(iva));
    }
    QVERIFY(etichetta);
    const bool tedesco = lingua == QLatin1String("de");
    QCOMPARE(etichetta->text(), tedesco ? QStringLiteral("MWST-Nummer") : QStringLiteral("Partita IVA"));
    QCOMPARE(iva->placeholderText(),
             tedesco ? QStringLiteral("CHE-123.456.789 MWST") : QStringLiteral("CHE-123.456.789 IVA"));
}

VARDELLO_TEST_MAIN(TestBloccoIndirizzo)
#include "tst_bloccoindirizzo.moc"
