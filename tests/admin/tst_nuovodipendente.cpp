#include "ambientetest.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "nap.h"
#include "nazioni.h"
#include "nuovodipendente.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "sceglidipendente.h"
#include "storicopaghe.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>

namespace {

const QDate kOggi(2025, 6, 16);
const QDate kNato(1985, 4, 12);
const QString kAVS = QStringLiteral("756.1234.5678.97");

template <typename T>
T* figlio(QWidget& w, const QString& nome)
{
    T* t = w.findChild<T*>(nome);
    if (!t)
        qFatal("widget %s not found", qPrintable(nome));
    return t;
}

QLineEdit* campo(QWidget& w, const char* nome)
{
    return figlio<QLineEdit>(w, QLatin1String(nome));
}

// Types as the user does (accented letters, which the key simulation
// lacks, in one go).
void digita(QLineEdit* e, const QString& testo)
{
    e->clear();
    bool ascii = true;
    for (const QChar c : testo)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(e, testo);
    else
        e->setText(testo);
}

void scegli(QWidget& w, const char* combo, const QVariant& dato)
{
    auto* c = figlio<QComboBox>(w, QLatin1String(combo));
    const int i = c->findData(dato);
    QVERIFY2(i >= 0, combo);
    c->setCurrentIndex(i);
}

// Types the birth date into its field, as the user does.
void nascita(QWidget& w, const QString& cifre = QStringLiteral("12041985"))
{
    QTest::keyClicks(figlio<QDateEdit>(w, QStringLiteral("dataNascita")), cifre);
}

void clic(QWidget& w, const char* nome)
{
    QTest::mouseClick(figlio<QPushButton>(w, QLatin1String(nome)), Qt::LeftButton);
}

QStringList file()
{
    return QDir(Config::cartellaDipendenti()).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestNuovoDipendente : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Nazioni::carica());
        QVERIFY(NAP::carica());
    }
    void init();

    void rifiuti_data();
    void rifiuti();
    void nomeFile_data();
    void nomeFile();
    void completoSiRilegge();
    void estero();
    void capInesistenteNonBlocca();
    void fileEsistente_data();
    void fileEsistente();
    void avsDoppio_data();
    void avsDoppio();
    void erroreScrittura();
    void invioNonSalva();
    void chiudi_data();
    void chiudi();
};

void TestNuovoDipendente::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(kOggi, QTime(8, 0)));
    Config::setAziendaCorrente(QStringLiteral("Prova SA.txt"));
}

// A form filled with a valid Swiss employee, then one input changed.
void TestNuovoDipendente::rifiuti_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("cognome");
    QTest::addColumn<QString>("nazione");
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("messaggio"); // empty: saved
    QTest::addColumn<QString>("id");
    QTest::addColumn<QDate>("nascita"); // invalid: left empty
    QTest::addColumn<QString>("iban");

    const QString obbligatori = QStringLiteral("Nome e cognome sono obbligatori.");
    const QString avs = QStringLiteral("Numero AVS non valido.");
    const QString nomeFile = QStringLiteral("Nome e cognome non danno un nome di file utilizzabile: usare anche lettere o cifre.");
    QTest::newRow("valido") << "Anna Maria" << "Rota" << "CH" << kAVS << "" << "Rota_Anna Maria.txt" << kNato << QString();
    QTest::newRow("AVS senza punti, spazi attorno") << "Anna" << "Rota" << "CH" << " 7561234567897 " << "" << "Rota_Anna.txt" << kNato << QString();
    QTest::newRow("nome vuoto") << "" << "Rota" << "CH" << kAVS << obbligatori << "" << kNato << QString();
    QTest::newRow("cognome di soli spazi") << "Anna" << "   " << "CH" << kAVS << obbligatori << "" << kNato << QString();
    QTest::newRow("AVS vuoto") << "Anna" << "Rota" << "CH" << "" << avs << "" << kNato << QString();
    QTest::newRow("AVS cifra di controllo") << "Anna" << "Rota" << "CH" << "756.1234.5678.98" << avs << "" << kNato << QString();
    QTest::newRow("AVS 12 cifre") << "Anna" << "Rota" << "CH" << "756.1234.5678.9" << avs << "" << kNato << QString();
    QTest::newRow("estero senza controllo") << "Anna" << "Rota" << "IT" << "" << "" << "Rota_Anna.txt" << kNato << QString();
    QTest::newRow("cognome di sole barre") << "Anna" << "//" << "CH" << kAVS << nomeFile << "" << kNato << QString();
    QTest::newRow("percorso nel cognome") << "Anna" << "../../Rota" << "CH" << kAVS << "" << "Rota_Anna.txt" << kNato << QString();
    // Today is 16/06/2025: the card refuses a birth date of today or after,
    // so does the form; it has none until the user gives one.
    QTest::newRow("nata domani") << "Anna" << "Rota" << "CH" << kAVS
                                 << QStringLiteral("\"Data di nascita\": il 17/06/2025 non e' prima di oggi.") << "" << QDate(2025, 6, 17) << QString();
    QTest::newRow("nata oggi") << "Anna" << "Rota" << "CH" << kAVS
                               << QStringLiteral("\"Data di nascita\": il 16/06/2025 non e' prima di oggi.") << "" << kOggi << QString();
    QTest::newRow("senza data di nascita") << "Anna" << "Rota" << "IT" << "" << QStringLiteral("\"Data di nascita\": campo obbligatorio.")
                                           << "" << QDate() << QString();
    QTest::newRow("nata ieri") << "Anna" << "Rota" << "CH" << kAVS << "" << "Rota_Anna.txt" << QDate(2025, 6, 15) << QString();
    // The employee's IBAN is checked as on the card: CH93 0076 2011 6238 5295 7
    // is valid, its last digit changed fails the check digits.
    QTest::newRow("IBAN errato") << "Anna" << "Rota" << "CH" << kAVS
                                 << QStringLiteral("\"IBAN\": CH93 0076 2011 6238 5295 8 non e' un IBAN valido, controlla le cifre.")
                                 << "" << kNato << "CH93 0076 2011 6238 5295 8";
}

void TestNuovoDipendente::rifiuti()
{
    QFETCH(QString, nome);
    QFETCH(QString, cognome);
    QFETCH(QString, nazione);
    QFETCH(QString, uid);
    QFETCH(QString, messaggio);
    QFETCH(QString, id);
    QFETCH(QDate, nascita);
    QFETCH(QString, iban);

    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    if (nascita.isValid())
        figlio<QDateEdit>(f, QStringLiteral("dataNascita"))->setDate(nascita);
    scegli(f, "nazione", nazione);
    digita(campo(f, "nome"), nome);
    digita(campo(f, "cognome"), cognome);
    if (nazione == QLatin1String("CH")) {
        digita(campo(f, "uid"), uid);
        digita(campo(f, "iban"), iban);
    }
    clic(f, "salva");

    if (messaggio.isEmpty()) {
        QVERIFY2(registro.richieste.isEmpty(), qPrintable(registro.ultimoTesto()));
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(f.idCreato(), id);
        QCOMPARE(file(), QStringList{id});
        DatiDipendente letto;
        QVERIFY(Dipendente::carica(id, letto));
        QCOMPARE(letto.dataNascita, nascita.toString(QStringLiteral("dd/MM/yyyy")));
    } else {
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QCOMPARE(registro.ultimoTesto(), messaggio);
        QVERIFY(f.isVisible());
        QVERIFY(f.idCreato().isEmpty());
        QVERIFY(file().isEmpty());
        QVERIFY(!QDir(Config::cartellaDati()).exists(QStringLiteral("Rota.txt")));
    }
    // Nothing ever lands outside the employees folder.
    QVERIFY(!QFileInfo::exists(Config::cartellaDati() + QStringLiteral("/aziende/Rota_Anna.txt")));
}

void TestNuovoDipendente::nomeFile_data()
{
    QTest::addColumn<QString>("cognome");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("file");

    QTest::newRow("spazi e accenti restano") << QString::fromUtf8("Müller Rossi") << QString::fromUtf8("Jürg") << QString::fromUtf8("Müller Rossi_Jürg.txt");
    QTest::newRow("barre tolte") << "A/C\\D" << "Ugo" << "ACD_Ugo.txt";
    QTest::newRow("unita disco") << "C:" << "x" << "C_x.txt";
    QTest::newRow("punto iniziale") << ".Rota" << "Anna" << "Rota_Anna.txt";
    QTest::newRow("trattino basso iniziale") << "_Rota" << "Anna" << "Rota_Anna.txt";
    QTest::newRow("risalita") << "../.." << "x" << "";
    QTest::newRow("a capo") << "Ro\nta" << "An\tna" << "Rota_Anna.txt";
    QTest::newRow("punti nel nome restano") << "Rota" << ".." << "Rota_...txt";
    QTest::newRow("nome vuoto dopo la pulizia") << "Rota" << " / " << "";
}

void TestNuovoDipendente::nomeFile()
{
    QFETCH(QString, cognome);
    QFETCH(QString, nome);
    QFETCH(QString, file);
    const QString id = NuovoDipendente::nomeFileDa(cognome, nome);
    QCOMPARE(id, file);
    if (!id.isEmpty()) {
        QVERIFY(FileSicuri::nomeSicuro(id));
        QCOMPARE(QFileInfo(Dipendente::percorsoFile(id)).absolutePath(), QDir(Config::cartellaDipendenti()).absolutePath());
    }
}

void TestNuovoDipendente::completoSiRilegge()
{
    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    digita(campo(f, "nome"), QStringLiteral("  Anna Maria "));
    digita(campo(f, "cognome"), QStringLiteral("Rota"));
    nascita(f); // 12041985
    scegli(f, "sesso", QStringLiteral("F"));
    scegli(f, "statoCivile", QStringLiteral("coniugato"));
    digita(campo(f, "nazionalita"), QStringLiteral("svizzera"));
    digita(campo(f, "indirizzo"), QStringLiteral("Via Nassa 5"));
    digita(campo(f, "cap"), QStringLiteral("6900")); // fills locality and canton
    QCOMPARE(campo(f, "localita")->text(), QStringLiteral("Lugano"));
    QCOMPARE(campo(f, "cantone")->text(), QStringLiteral("TI"));
    emit campo(f, "cap")->editingFinished();
    scegli(f, "permessoLavoro", QStringLiteral("B"));
    figlio<QDateEdit>(f, QStringLiteral("dataAssunzione"))->setDate(QDate(2025, 6, 1));
    scegli(f, "tipoContratto", QStringLiteral("determinato"));
    scegli(f, "mensilitaAggiuntive", 2);
    digita(campo(f, "uid"), QStringLiteral(" ") + kAVS);
    digita(campo(f, "partitaIva"), QStringLiteral("CHE-111.222.333 IVA"));
    // The Swiss employee's number is asked as the AVS number.
    QCOMPARE(campo(f, "uid")->placeholderText(), QStringLiteral("756.1234.5678.97"));
    QStringList etichette;
    for (const QLabel* l : f.findChildren<QLabel*>())
        etichette << l->text();
    QVERIFY(etichette.contains(QStringLiteral("Numero AVS")));
    QVERIFY(!etichette.contains(QStringLiteral("UID")));
    // The bank rows are the employee's own, saved in the record's fields.
    digita(campo(f, "iban"), QStringLiteral("CH93 0076 2011 6238 5295 7"));
    digita(campo(f, "bic"), QStringLiteral("BSCTCH22"));
    clic(f, "salva");
    QVERIFY2(registro.richieste.isEmpty(), qPrintable(registro.ultimoTesto()));
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.idCreato(), QStringLiteral("Rota_Anna Maria.txt"));

    DatiDipendente atteso;
    atteso.nome = QStringLiteral("Anna Maria");
    atteso.cognome = QStringLiteral("Rota");
    atteso.dataNascita = QStringLiteral("12/04/1985");
    atteso.sesso = QStringLiteral("F");
    atteso.statoCivile = QStringLiteral("coniugato");
    atteso.nazionalita = QStringLiteral("svizzera");
    atteso.indirizzo = QStringLiteral("Via Nassa 5");
    atteso.cap = QStringLiteral("6900");
    atteso.localita = QStringLiteral("Lugano");
    atteso.cantone = QStringLiteral("TI");
    atteso.numeroAVS = kAVS; // also in the record's own field
    atteso.permessoLavoro = QStringLiteral("B");
    atteso.periodi = {{QStringLiteral("01/06/2025"), QString()}};
    atteso.tipoContratto = QStringLiteral("determinato");
    atteso.mensilitaAggiuntive = 2;
    atteso.iban = QStringLiteral("CH93 0076 2011 6238 5295 7");
    atteso.bicSwift = QStringLiteral("BSCTCH22");
    atteso.extra = {{QStringLiteral("nazione"), QStringLiteral("CH")},
                    {QStringLiteral("uid"), kAVS},
                    {QStringLiteral("partitaIva"), QStringLiteral("CHE-111.222.333 IVA")}};
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(f.idCreato(), letto));
    QCOMPARE(letto.extra, atteso.extra);
    QVERIFY(letto == atteso);

    // The chooser lists the new employee with the number.
    ScegliDipendente scelta(nullptr, false, false);
    QCOMPARE(figlio<QTableWidget>(scelta, QStringLiteral("tabella"))->item(0, 0)->text(), kAVS);

    // Given a salary on the card, the pay count of the current month runs
    // and is saved (the permit B taxes at source: Ticino's tariff is there).
    QVERIFY(caricaTariffeTicino());
    letto.salarioMensile = 5000;
    QVERIFY(Dipendente::salva(letto, f.idCreato()));
    const RisultatoConteggio r = ConteggioSalario::genera(f.idCreato(), letto, kOggi.year(), kOggi.month(), true, -1);
    QVERIFY2(r.errore.isEmpty(), qPrintable(r.errore));
    QCOMPARE(QString::number(r.lordoContributivo - r.tredicesima, 'f', 2), QStringLiteral("5000.00"));
    QVERIFY(r.netto > 0 && r.netto < r.lordoContributivo);
    QList<StoricoPaghe::PagaMese> mesi;
    QVERIFY(StoricoPaghe::caricaAnno(f.idCreato(), kOggi.year(), mesi));
    QCOMPARE(mesi.size(), 1);
    QCOMPARE(mesi.first().mese, kOggi.month());
}

void TestNuovoDipendente::estero()
{
    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    digita(campo(f, "cap"), QStringLiteral("6900"));
    QCOMPARE(campo(f, "cantone")->text(), QStringLiteral("TI"));
    scegli(f, "permessoLavoro", QStringLiteral("G"));
    scegli(f, "nazione", QStringLiteral("IT"));
    // The country change empties the address and replaces the rows.
    QVERIFY(campo(f, "cap")->text().isEmpty());
    QVERIFY(campo(f, "localita")->text().isEmpty());
    QVERIFY(campo(f, "cantone")->text().isEmpty());
    QVERIFY(campo(f, "cantone")->isHidden());
    QVERIFY(figlio<QComboBox>(f, QStringLiteral("permessoLavoro"))->isHidden());
    QVERIFY(!f.findChild<QLineEdit*>(QStringLiteral("uid")));
    digita(campo(f, "cap"), QStringLiteral("20100"));
    digita(campo(f, "localita"), QStringLiteral("Milano"));
    emit campo(f, "localita")->editingFinished();
    digita(campo(f, "codiceFiscale"), QStringLiteral("RSSMRA80A01H501U"));
    digita(campo(f, "nome"), QStringLiteral("Mario"));
    digita(campo(f, "cognome"), QStringLiteral("Rossi"));
    nascita(f, QStringLiteral("01011980"));
    clic(f, "salva");
    QVERIFY(registro.richieste.isEmpty());

    DatiDipendente letto;
    QVERIFY(Dipendente::carica(QStringLiteral("Rossi_Mario.txt"), letto));
    QCOMPARE(letto.cap, QStringLiteral("20100"));
    QCOMPARE(letto.localita, QStringLiteral("Milano"));
    QVERIFY(letto.cantone.isEmpty());
    QCOMPARE(letto.permessoLavoro, QStringLiteral("G")); // what the hidden combo held
    QVERIFY(letto.numeroAVS.isEmpty());
    QCOMPARE(letto.extra, (QMap<QString, QString>{{QStringLiteral("nazione"), QStringLiteral("IT")},
                                                  {QStringLiteral("codiceFiscale"), QStringLiteral("RSSMRA80A01H501U")}}));
}

void TestNuovoDipendente::capInesistenteNonBlocca()
{
    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    digita(campo(f, "nome"), QStringLiteral("Anna"));
    digita(campo(f, "cognome"), QStringLiteral("Rota"));
    digita(campo(f, "uid"), kAVS);
    nascita(f);
    digita(campo(f, "cap"), QStringLiteral("0000"));
    emit campo(f, "cap")->editingFinished(); // the user leaves the entry
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("CAP inesistente"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Il CAP 0000 non corrisponde a nessuna localita svizzera."));
    QVERIFY(f.isVisible());
    clic(f, "salva");
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(f.result(), int(QDialog::Accepted));
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(QStringLiteral("Rota_Anna.txt"), letto));
    QCOMPARE(letto.cap, QStringLiteral("0000"));
}

void TestNuovoDipendente::fileEsistente_data()
{
    QTest::addColumn<QString>("azienda");   // company of the employee already there
    QTest::addColumn<QString>("esistente"); // that employee's id
    QTest::addColumn<QString>("cognome");   // typed surname of the new one
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("atteso");    // id the new one gets

    const QString rota = QStringLiteral("Rota_Anna.txt");
    QTest::newRow("same company") << "Prova SA.txt" << rota << "Rota" << "Anna" << "Rota_Anna_1.txt";
    QTest::newRow("another company") << "Beta SA.txt" << rota << "Rota" << "Anna" << "Rota_Anna_1.txt";
    // "Rota Bianchi_Anna" and "Rota_Bianchi Anna" would share one pay-history folder.
    QTest::newRow("surname and name split differently")
        << "Prova SA.txt" << "Rota_Bianchi Anna.txt" << "Rota Bianchi" << "Anna" << "Rota Bianchi_Anna_1.txt";
    QTest::newRow("surname too long for a file name")
        << "" << "" << QString(300, QLatin1Char('R')) << "Anna" << QString(120, QLatin1Char('R')) + ".txt";
}

void TestNuovoDipendente::fileEsistente()
{
    QFETCH(QString, azienda);
    QFETCH(QString, esistente);
    QFETCH(QString, cognome);
    QFETCH(QString, nome);
    QFETCH(QString, atteso);

    QString percorsoVecchio;
    QByteArray prima;
    if (!azienda.isEmpty()) {
        DatiDipendente vecchio;
        vecchio.nome = QStringLiteral("Anna");
        vecchio.cognome = QStringLiteral("Rota");
        vecchio.salarioMensile = 6500;
        Config::setAziendaCorrente(azienda);
        QVERIFY(Dipendente::salva(vecchio, esistente));
        percorsoVecchio = Dipendente::percorsoFile(esistente);
        prima = AmbienteTest::leggi(percorsoVecchio);
        Config::setAziendaCorrente(QStringLiteral("Prova SA.txt"));
    }

    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    digita(campo(f, "nome"), nome);
    if (cognome.size() > 100)
        campo(f, "cognome")->setText(cognome);
    else
        digita(campo(f, "cognome"), cognome);
    digita(campo(f, "uid"), kAVS);
    nascita(f);
    clic(f, "salva");
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.idCreato(), atteso);
    // The form says which name it chose, since it is not the typed one.
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Informazione);
    QVERIFY(registro.ultimoTesto().contains(atteso));

    DatiDipendente letto;
    QVERIFY(Dipendente::carica(atteso, letto));
    QCOMPARE(letto.cognome, cognome); // the whole name stays in the record
    QCOMPARE(letto.numeroAVS, kAVS);
    if (!percorsoVecchio.isEmpty())
        QCOMPARE(AmbienteTest::leggi(percorsoVecchio), prima);
}

void TestNuovoDipendente::avsDoppio_data()
{
    QTest::addColumn<QString>("azienda"); // company of the employee with the same number
    QTest::addColumn<QString>("avs");     // as typed in the new form
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("domanda");
    QTest::addColumn<bool>("salvato");

    QTest::newRow("same company, No") << "Prova SA.txt" << kAVS << int(QMessageBox::No) << true << false;
    QTest::newRow("same company, other separators, Yes")
        << "Prova SA.txt" << "7561234567897" << int(QMessageBox::Yes) << true << true;
    QTest::newRow("another company") << "Beta SA.txt" << kAVS << int(QMessageBox::No) << false << true;
}

void TestNuovoDipendente::avsDoppio()
{
    QFETCH(QString, azienda);
    QFETCH(QString, avs);
    QFETCH(int, risposta);
    QFETCH(bool, domanda);
    QFETCH(bool, salvato);

    DatiDipendente primo;
    primo.nome = QStringLiteral("Ugo");
    primo.cognome = QStringLiteral("Verdi");
    primo.numeroAVS = kAVS;
    Config::setAziendaCorrente(azienda);
    QVERIFY(Dipendente::salva(primo, QStringLiteral("Verdi_Ugo.txt")));
    Config::setAziendaCorrente(QStringLiteral("Prova SA.txt"));

    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::StandardButton(risposta));
    NuovoDipendente f;
    f.show();
    digita(campo(f, "nome"), QStringLiteral("Anna"));
    digita(campo(f, "cognome"), QStringLiteral("Rota"));
    digita(campo(f, "uid"), avs);
    nascita(f);
    clic(f, "salva");
    QCOMPARE(!registro.richieste.isEmpty() && registro.richieste.first().tipo == Messaggi::Tipo::Domanda, domanda);
    if (domanda) {
        QCOMPARE(registro.richieste.first().predefinito, QMessageBox::No);
        QVERIFY(registro.richieste.first().testo.contains(QStringLiteral("Verdi Ugo")));
    }
    QCOMPARE(QFileInfo::exists(Dipendente::percorsoFile(QStringLiteral("Rota_Anna.txt"))), salvato);
    QCOMPARE(f.isVisible(), !salvato);
}

void TestNuovoDipendente::erroreScrittura()
{
    // A file where the employees folder should be: nothing can be written.
    const QString cartella = Config::cartellaDipendenti();
    QVERIFY(QDir(cartella).removeRecursively());
    AmbienteTest::scrivi(cartella, "occupato");
    RegistroMessaggi registro;
    NuovoDipendente f;
    f.show();
    digita(campo(f, "nome"), QStringLiteral("Anna"));
    digita(campo(f, "cognome"), QStringLiteral("Rota"));
    digita(campo(f, "uid"), kAVS);
    nascita(f);
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Impossibile salvare i dati del dipendente.\nImpossibile scrivere il file %1.")
                                         .arg(Dipendente::percorsoFile(QStringLiteral("Rota_Anna.txt"))));
    QVERIFY(f.isVisible());
    QCOMPARE(campo(f, "nome")->text(), QStringLiteral("Anna"));
    QVERIFY(f.modificato());
}

void TestNuovoDipendente::invioNonSalva()
{
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Discard);
    NuovoDipendente f;
    quandoAperto([&f] {
        auto chiudi = qScopeGuard([&f] { f.QDialog::reject(); });
        digita(campo(f, "nome"), QStringLiteral("Anna"));
        digita(campo(f, "cognome"), QStringLiteral("Rota"));
        digita(campo(f, "uid"), kAVS);
        nascita(f);
        QTest::keyClick(campo(f, "cognome"), Qt::Key_Return);
        QVERIFY(f.isVisible());
        QVERIFY(file().isEmpty());
        QTest::keyClick(campo(f, "cognome"), Qt::Key_Escape); // asks first
    });
    QCOMPARE(f.exec(), int(QDialog::Rejected));
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
    QVERIFY(file().isEmpty());
}

void TestNuovoDipendente::chiudi_data()
{
    QTest::addColumn<bool>("compilato");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("aperta");
    QTest::addColumn<bool>("scritto");
    // A form just opened holds nothing of the user's: it closes unasked.
    QTest::newRow("appena aperto") << false << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("Non salvare") << true << int(QMessageBox::Discard) << false << false;
    QTest::newRow("Salva") << true << int(QMessageBox::Save) << false << true;
}

void TestNuovoDipendente::chiudi()
{
    QFETCH(bool, compilato);
    QFETCH(int, risposta);
    QFETCH(bool, aperta);
    QFETCH(bool, scritto);
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::StandardButton(risposta));
    NuovoDipendente f;
    f.show();
    if (compilato) {
        digita(campo(f, "nome"), QStringLiteral("Anna"));
        digita(campo(f, "cognome"), QStringLiteral("Rota"));
        digita(campo(f, "uid"), kAVS);
        nascita(f);
    }
    clic(f, "chiudi");
    QCOMPARE(registro.richieste.size(), compilato ? 1 : 0);
    if (compilato)
        QCOMPARE(registro.richieste.first().titolo, QStringLiteral("Chiudere?"));
    QCOMPARE(f.isVisible(), aperta);
    QCOMPARE(file().size(), scritto ? 1 : 0);
}

VARDELLO_TEST_MAIN(TestNuovoDipendente)
#include "tst_nuovodipendente.moc"
