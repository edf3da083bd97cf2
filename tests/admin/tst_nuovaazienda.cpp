#include "ambientetest.h"
#include "azienda.h"
#include "config.h"
#include "conteggiosalario.h"
#include "datoteca.h"
#include "nap.h"
#include "nazioni.h"
#include "nuovaazienda.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T>
T* figlio(QWidget& w, const char* nome)
{
    T* t = w.findChild<T*>(QLatin1String(nome));
    if (!t)
        qFatal("widget %s not found", nome);
    return t;
}

// Types into an entry as the user does, one key at a time (accented
// letters, which the key simulation lacks, in one go).
void digita(QLineEdit* campo, const QString& testo)
{
    campo->clear();
    bool ascii = true;
    for (const QChar c : testo)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        QTest::keyClicks(campo, testo);
    else
        campo->setText(testo);
}

// What leaving the entry does.
void lascia(QLineEdit* campo)
{
    emit campo->editingFinished();
}

QStringList campiVisibili(QWidget& w)
{
    QStringList nomi;
    for (const char* chiave : {"uid", "partitaIva", "iban", "bic", "codiceFiscale", "rea", "siren", "tva", "siret",
                               "handelsregister", "ustId", "nie", "dni"}) {
        for (QLineEdit* e : w.findChildren<QLineEdit*>(QLatin1String(chiave))) {
            if (!e->isHidden())
                nomi << e->objectName();
        }
    }
    nomi.sort();
    return nomi;
}

} // namespace

class TestNuovaAzienda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(Nazioni::carica());
        QVERIFY(NAP::carica());
    }
    void init() { AmbienteTest::svuota(); }

    void apertura();
    void nazione_data();
    void nazione();
    void capCompilaLocalita_data();
    void capCompilaLocalita();
    void localitaCompilaCap_data();
    void localitaCompilaCap();
    void infortuni_data();
    void infortuni();
    void salva_data();
    void salva();
    void identificativi();
    void conto_data();
    void conto();
    void aziendaEsistente();
    void erroreScrittura();
    void chiudi_data();
    void chiudi();
};

void TestNuovaAzienda::apertura()
{
    NuovaAzienda f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Nuova Azienda"));
    QCOMPARE(f.minimumWidth(), 450);
    QCOMPARE(figlio<QComboBox>(f, "nazione")->currentData().toString(), QStringLiteral("CH"));
    QCOMPARE(figlio<QComboBox>(f, "valuta")->currentData().toString(), QStringLiteral("CHF"));
    QCOMPARE(figlio<QComboBox>(f, "lingua")->currentData().toString(), QStringLiteral("it"));
    QVERIFY(!figlio<QLineEdit>(f, "cantone")->isHidden());
    QVERIFY(figlio<QLineEdit>(f, "provincia")->isHidden());
    QCOMPARE(figlio<QLineEdit>(f, "cantone")->maxLength(), 2);
    QCOMPARE(campiVisibili(f), QStringList({"bic", "iban", "partitaIva", "uid"}));
    QCOMPARE(figlio<QLineEdit>(f, "uid")->placeholderText(), QStringLiteral("CHE-123.456.789"));
    QVERIFY(!f.modificato());
}

void TestNuovaAzienda::nazione_data()
{
    QTest::addColumn<QStringList>("codici"); // chosen one after the other
    QTest::addColumn<QString>("valuta");
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QStringList>("campi");
    QTest::addColumn<bool>("modificato");

    QTest::newRow("IT") << QStringList{"IT"} << "EUR" << "it" << QStringList{"codiceFiscale", "partitaIva", "rea"}
                        << true;
    QTest::newRow("FR: language follows") << QStringList{"FR"} << "EUR" << "fr"
                                          << QStringList{"siren", "tva", "siret"} << true;
    QTest::newRow("twice: only the last rows") << QStringList{"DE", "ES"} << "EUR" << "es"
                                               << QStringList{"nie", "dni"} << true;
    QTest::newRow("back to CH") << QStringList{"IT", "CH"} << "CHF" << "it"
                                << QStringList{"uid", "partitaIva", "iban", "bic"} << true;
}

void TestNuovaAzienda::nazione()
{
    QFETCH(QStringList, codici);
    QFETCH(QString, valuta);
    QFETCH(QString, lingua);
    QFETCH(QStringList, campi);
    QFETCH(bool, modificato);

    NuovaAzienda f;
    auto* nazione = figlio<QComboBox>(f, "nazione");
    for (const QString& c : codici)
        nazione->setCurrentIndex(nazione->findData(c));
    QCOMPARE(figlio<QComboBox>(f, "valuta")->currentData().toString(), valuta);
    QCOMPARE(figlio<QComboBox>(f, "lingua")->currentData().toString(), lingua);
    campi.sort();
    QCOMPARE(campiVisibili(f), campi);
    QCOMPARE(f.modificato(), modificato);
    const bool ch = codici.last() == QLatin1String("CH");
    QCOMPARE(figlio<QLineEdit>(f, "cantone")->isHidden(), !ch);
    QCOMPARE(figlio<QLineEdit>(f, "provincia")->isHidden(), ch);

    // Outside Switzerland nothing is filled and nothing is warned about.
    if (!ch) {
        RegistroMessaggi registro;
        digita(figlio<QLineEdit>(f, "cap"), QStringLiteral("6900"));
        lascia(figlio<QLineEdit>(f, "cap"));
        digita(figlio<QLineEdit>(f, "localita"), QStringLiteral("Nowhere"));
        lascia(figlio<QLineEdit>(f, "localita"));
        QVERIFY(figlio<QLineEdit>(f, "cantone")->text().isEmpty());
        QCOMPARE(figlio<QLineEdit>(f, "localita")->text(), QStringLiteral("Nowhere"));
        QVERIFY(registro.richieste.isEmpty());
    }
}

void TestNuovaAzienda::capCompilaLocalita_data()
{
    QTest::addColumn<QString>("cap");
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("avviso"); // empty: none

    QTest::newRow("6900") << "6900" << "Lugano" << "TI" << "";
    QTest::newRow("blanks around") << " 6900 " << "Lugano" << "TI" << "";
    QTest::newRow("Geneva in German") << "1201" << "Genf" << "GE" << "";
    QTest::newRow("unknown") << "0000" << "" << ""
                             << "Il CAP 0000 non corrisponde a nessuna localita svizzera.";
    QTest::newRow("three characters") << "690" << "" << "" << "";
    QTest::newRow("five characters") << "69000" << "" << "" << "";
    QTest::newRow("Liechtenstein, no canton") << "9490" << "" << ""
                                              << "Il CAP 9490 non corrisponde a nessuna localita svizzera.";
}

void TestNuovaAzienda::capCompilaLocalita()
{
    QFETCH(QString, cap);
    QFETCH(QString, localita);
    QFETCH(QString, cantone);
    QFETCH(QString, avviso);

    RegistroMessaggi registro;
    NuovaAzienda f;
    auto* editCap = figlio<QLineEdit>(f, "cap");
    editCap->setText(cap); // the whole text at once: a fifth digit typed after four would fill first
    QCOMPARE(figlio<QLineEdit>(f, "localita")->text(), localita);
    QCOMPARE(figlio<QLineEdit>(f, "cantone")->text(), cantone);
    QVERIFY(!f.modificato()); // the postcode and the fills never mark the form
    lascia(editCap);
    if (avviso.isEmpty()) {
        QVERIFY(registro.richieste.isEmpty());
    } else {
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("CAP inesistente"));
        QCOMPARE(registro.ultimoTesto(), avviso);
    }
    // Leaving the locality the form filled draws no warning.
    if (!localita.isEmpty()) {
        lascia(figlio<QLineEdit>(f, "localita"));
        QVERIFY(registro.richieste.isEmpty());
    }
}

void TestNuovaAzienda::localitaCompilaCap_data()
{
    QTest::addColumn<QString>("capPrima");
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QString>("cap");
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("avviso");

    QTest::newRow("Lugano") << "" << "Lugano" << "6900" << "TI" << "";
    QTest::newRow("typed locality stays") << "" << "Massagno" << "6900" << "TI" << "";
    QTest::newRow("Genf finds Geneva") << "" << "Genf" << "1201" << "GE" << "";
    QTest::newRow("postcode of the locality kept") << "1205" << "Genève" << "1205" << "GE" << "";
    QTest::newRow("other postcode replaced") << "6900" << "Chur" << "7000" << "GR" << "";
    QTest::newRow("unknown locality") << "" << "Atlantide" << "" << ""
                                      << "La localita \"Atlantide\" non corrisponde a nessun CAP svizzero.";
    QTest::newRow("two letters: no warning") << "" << "Xy" << "" << "" << "";
}

void TestNuovaAzienda::localitaCompilaCap()
{
    QFETCH(QString, capPrima);
    QFETCH(QString, localita);
    QFETCH(QString, cap);
    QFETCH(QString, cantone);
    QFETCH(QString, avviso);

    RegistroMessaggi registro;
    NuovaAzienda f;
    auto* editLocalita = figlio<QLineEdit>(f, "localita");
    if (!capPrima.isEmpty())
        digita(figlio<QLineEdit>(f, "cap"), capPrima);
    digita(editLocalita, localita);
    QCOMPARE(editLocalita->text(), localita);
    QCOMPARE(figlio<QLineEdit>(f, "cap")->text(), cap);
    QCOMPARE(figlio<QLineEdit>(f, "cantone")->text(), cantone);
    lascia(editLocalita);
    QCOMPARE(registro.ultimoTesto(), avviso);
}

void TestNuovaAzienda::salva_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("file"); // empty: refused
    QTest::addColumn<QString>("messaggio");

    const QString obbligatoria = QStringLiteral("La ragione sociale è obbligatoria.");
    const QString inutilizzabile = QStringLiteral("nome di file utilizzabile");
    QTest::newRow("plain") << "Beta SA" << "Beta_SA.txt" << "";
    QTest::newRow("ampersand and dots") << "Alfa & Beta S.A." << "Alfa__Beta_SA.txt" << "";
    QTest::newRow("accents dropped, blanks trimmed") << QStringLiteral("  Società Più ") << "Societ_Pi.txt" << "";
    QTest::newRow("path upwards") << "../../fuori" << "fuori.txt" << "";
    QTest::newRow("slashes") << "a/b\\c" << "abc.txt" << "";
    QTest::newRow("empty") << "" << "" << obbligatoria;
    QTest::newRow("blanks only") << "   " << "" << obbligatoria;
    QTest::newRow("dots only") << "..." << "" << inutilizzabile;
    QTest::newRow("slash only") << "/" << "" << inutilizzabile;
    QTest::newRow("accents only") << QStringLiteral("Çà") << "" << inutilizzabile;
    QTest::newRow("currency file") << "Valute" << "" << inutilizzabile;
    QTest::newRow("role file") << "utente" << "" << inutilizzabile;
}

void TestNuovaAzienda::salva()
{
    QFETCH(QString, nome);
    QFETCH(QString, file);
    QFETCH(QString, messaggio);

    RegistroMessaggi registro;
    NuovaAzienda f;
    figlio<QLineEdit>(f, "ragioneSociale")->setText(nome);
    figlio<QLineEdit>(f, "indirizzo")->setText(QStringLiteral("Via Roma 1"));
    digita(figlio<QLineEdit>(f, "cap"), QStringLiteral("6900"));
    figlio<QLineEdit>(f, "cantone")->setText(QStringLiteral("ti"));
    figlio<QPushButton>(f, "salva")->click();

    const QString dati = Config::cartellaDati();
    if (file.isEmpty()) {
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(f.nomeFileCreato().isEmpty());
        QVERIFY(registro.ultimoTesto().contains(messaggio));
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        QVERIFY(Azienda::elencoAziende().isEmpty());
        QCOMPARE(QDir(dati).entryList(QDir::Files | QDir::Hidden).size(), 0);
        return;
    }
    QVERIFY(registro.richieste.isEmpty());
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.nomeFileCreato(), file);
    QCOMPARE(Azienda::elencoAziende(), QStringList{file});
    const DatiAzienda a = Azienda::carica(file);
    QCOMPARE(a.ragioneSociale, nome.trimmed());
    QCOMPARE(a.indirizzo, QStringLiteral("Via Roma 1"));
    QCOMPARE(a.cap, QStringLiteral("6900"));
    QCOMPARE(a.localita, QStringLiteral("Lugano"));
    QCOMPARE(a.cantone, QStringLiteral("ti")); // as typed
    QCOMPARE(a.nazione, QStringLiteral("CH"));
    QCOMPARE(a.lainfMassimale, 148200.0);
    QVERIFY(a.tredicesimaAutomatica);
    // Nothing outside the data folder.
    QVERIFY(!QFileInfo::exists(QFileInfo(dati).absolutePath() + QStringLiteral("/fuori.txt")));
    QVERIFY(!QFileInfo::exists(AmbienteTest::home() + QStringLiteral("/fuori.txt")));
}

void TestNuovaAzienda::identificativi()
{
    NuovaAzienda f;
    auto* nazione = figlio<QComboBox>(f, "nazione");
    // The canton typed while CH was chosen stays in the record; the province does not.
    figlio<QLineEdit>(f, "cantone")->setText(QStringLiteral("TI"));
    nazione->setCurrentIndex(nazione->findData(QStringLiteral("IT")));
    figlio<QLineEdit>(f, "ragioneSociale")->setText(QStringLiteral("Gamma Srl"));
    figlio<QLineEdit>(f, "provincia")->setText(QStringLiteral("CO"));
    figlio<QLineEdit>(f, "codiceFiscale")->setText(QStringLiteral("  RSSMRA80A01H501U "));
    figlio<QLineEdit>(f, "partitaIva")->setText(QStringLiteral("12345678901"));
    figlio<QPushButton>(f, "salva")->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));
    const DatiAzienda a = Azienda::carica(QStringLiteral("Gamma_Srl.txt"));
    QCOMPARE(a.nazione, QStringLiteral("IT"));
    QCOMPARE(a.cantone, QStringLiteral("TI"));
    QCOMPARE(a.campi.value(QStringLiteral("codiceFiscale")), QStringLiteral("RSSMRA80A01H501U"));
    QCOMPARE(a.campi.value(QStringLiteral("partitaIva")), QStringLiteral("12345678901"));
    QVERIFY(a.campi.contains(QStringLiteral("rea"))); // empty values are stored too
    QVERIFY(!a.campi.contains(QStringLiteral("uid")));
    QVERIFY(!AmbienteTest::leggi(Config::cartellaDati() + QStringLiteral("/Gamma_Srl.txt")).contains("CO"));
}

void TestNuovaAzienda::conto_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("bic");
    QTest::addColumn<QString>("messaggio"); // empty: saved

    QTest::newRow("both right") << "CH93 0076 2011 6238 5295 7" << "UBSWCHZH80A" << "";
    QTest::newRow("BIC of eight") << "ch9300762011623852957" << "UBSWCHZH" << "";
    QTest::newRow("both empty") << "" << "" << "";
    QTest::newRow("IBAN too short") << "CH12 3456" << "" << "L'IBAN \"CH12 3456\" non e' valido";
    QTest::newRow("IBAN check digits") << "CH94 0076 2011 6238 5295 7" << "UBSWCHZH80A"
                                       << "L'IBAN \"CH94 0076 2011 6238 5295 7\" non e' valido";
    QTest::newRow("BIC of three") << "CH93 0076 2011 6238 5295 7" << "ABC" << "Il BIC \"ABC\" non e' valido";
    QTest::newRow("BIC of nine") << "" << "UBSWCHZH8" << "Il BIC \"UBSWCHZH8\" non e' valido";
}

void TestNuovaAzienda::conto()
{
    QFETCH(QString, iban);
    QFETCH(QString, bic);
    QFETCH(QString, messaggio);

    RegistroMessaggi registro;
    NuovaAzienda f;
    figlio<QLineEdit>(f, "ragioneSociale")->setText(QStringLiteral("Beta Test SA"));
    figlio<QLineEdit>(f, "iban")->setText(iban);
    figlio<QLineEdit>(f, "bic")->setText(bic);
    figlio<QPushButton>(f, "salva")->click();
    if (messaggio.isEmpty()) {
        QVERIFY(registro.richieste.isEmpty());
        QCOMPARE(f.result(), int(QDialog::Accepted));
        const DatiAzienda a = Azienda::carica(QStringLiteral("Beta_Test_SA.txt"));
        QCOMPARE(a.campi.value(QStringLiteral("iban")), iban);
        QCOMPARE(a.campi.value(QStringLiteral("bic")), bic);
        return;
    }
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
    QVERIFY2(registro.ultimoTesto().startsWith(messaggio), qPrintable(registro.ultimoTesto()));
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QVERIFY(Azienda::elencoAziende().isEmpty());
}

void TestNuovaAzienda::aziendaEsistente()
{
    {
        NuovaAzienda prima;
        figlio<QLineEdit>(prima, "ragioneSociale")->setText(QStringLiteral("Alfa S.A."));
        figlio<QPushButton>(prima, "salva")->click();
        QCOMPARE(prima.nomeFileCreato(), QStringLiteral("Alfa_SA.txt"));
    }
    const QString percorso = Config::cartellaDati() + QStringLiteral("/Alfa_SA.txt");
    const QByteArray originale = AmbienteTest::leggi(percorso);

    RegistroMessaggi registro;
    NuovaAzienda seconda;
    figlio<QLineEdit>(seconda, "ragioneSociale")->setText(QStringLiteral("Alfa SA"));
    figlio<QPushButton>(seconda, "salva")->click();
    // Asked, answered with the default (no): nothing replaced, the form stays open.
    QCOMPARE(registro.richieste.size(), 1);
    QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Domanda);
    QCOMPARE(registro.richieste.first().predefinito, QMessageBox::No);
    QVERIFY(registro.ultimoTesto().contains(QStringLiteral("Alfa_SA.txt")));
    QCOMPARE(seconda.result(), int(QDialog::Rejected));
    QCOMPARE(AmbienteTest::leggi(percorso), originale);

    registro.rispondi(QMessageBox::Yes);
    figlio<QPushButton>(seconda, "salva")->click();
    QCOMPARE(seconda.result(), int(QDialog::Accepted));
    QCOMPARE(Azienda::carica(QStringLiteral("Alfa_SA.txt")).ragioneSociale, QStringLiteral("Alfa SA"));
}

void TestNuovaAzienda::erroreScrittura()
{
    QDir().mkpath(Config::cartellaDati() + QStringLiteral("/Delta_SA.txt")); // a folder in the way
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Yes); // replace it
    NuovaAzienda f;
    figlio<QLineEdit>(f, "ragioneSociale")->setText(QStringLiteral("Delta SA"));
    figlio<QPushButton>(f, "salva")->click();
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Impossibile salvare i dati.\nImpossibile scrivere il file %1/Delta_SA.txt.")
                                         .arg(Config::cartellaDati()));
    QCOMPARE(registro.richieste.last().tipo, Messaggi::Tipo::Critico);
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QVERIFY(f.nomeFileCreato().isEmpty());
    QVERIFY(f.modificato());
}

void TestNuovaAzienda::infortuni_data()
{
    // Typed into the four accident rows; "=" leaves the value shown.
    QTest::addColumn<QStringList>("digitati");
    QTest::addColumn<QList<double>>("salvati"); // empty: refused
    QTest::addColumn<QString>("messaggio");

    // The year's parameters: employee 1.0 % and employer 1.0 %, ceiling 148200.
    QTest::newRow("year's values") << QStringList{"=", "=", "=", "="} << QList<double>{10, 10, 10, 148200} << "";
    QTest::newRow("typed, comma and apostrophe")
        << QStringList{"6.5", "12.005", "9,4", "148'200.55"} << QList<double>{6.5, 12.005, 9.4, 148200.55} << "";
    QTest::newRow("no number") << QStringList{"=", "abc", "=", "="} << QList<double>()
                               << QString::fromUtf8("Il valore \"abc\" in \"Premio infortuni non professionali, uomini (‰)\" "
                                                    "non e' un numero valido.");
}

// The accident premiums are shown from the year's parameters, typed and saved;
// the staff of the new company pays the non-occupational premium.
void TestNuovaAzienda::infortuni()
{
    QFETCH(QStringList, digitati);
    QFETCH(QList<double>, salvati);
    QFETCH(QString, messaggio);
    Datoteca::carica(2026);

    RegistroMessaggi registro;
    NuovaAzienda f;
    figlio<QLineEdit>(f, "ragioneSociale")->setText(QStringLiteral("Beta SA"));
    const char* nomi[] = {"lainfIPperMille", "lainfINPuomoPerMille", "lainfINPdonnaPerMille", "lainfMassimale"};
    QStringList mostrati;
    for (int i = 0; i < 4; ++i) {
        mostrati << figlio<QLineEdit>(f, nomi[i])->text();
        if (digitati.at(i) != QLatin1String("="))
            digita(figlio<QLineEdit>(f, nomi[i]), digitati.at(i));
    }
    QCOMPARE(mostrati, (QStringList{"10", "10", "10", "148200"}));
    figlio<QPushButton>(f, "salva")->click();
    if (salvati.isEmpty()) {
        QCOMPARE(registro.ultimoTesto(), messaggio);
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(Azienda::elencoAziende().isEmpty());
        return;
    }
    QVERIFY(registro.richieste.isEmpty());
    const DatiAzienda a = Azienda::carica(QStringLiteral("Beta_SA.txt"));
    QCOMPARE((QList<double>{a.lainfIPperMille, a.lainfINPuomoPerMille, a.lainfINPdonnaPerMille, a.lainfMassimale}),
             salvati);

    // A man earning 5000 in January 2026: AVS 5.3 % 265.00, AD 1.1 % 55.00,
    // CAF 0.305 % 15.25 and the non-occupational premium of the company
    // (10 per mille: 50.00; 12.005 per mille: 60.025, 60.05 rounded).
    Config::setAziendaCorrente(QStringLiteral("Beta_SA.txt"));
    DatiDipendente d;
    d.nome = QStringLiteral("Luca");
    d.cognome = QStringLiteral("Neri");
    d.sesso = QStringLiteral("M");
    d.dataNascita = QStringLiteral("01/05/1980");
    d.permessoLavoro = QStringLiteral("C");
    d.salarioMensile = 5000;
    Dipendente::setDataAssunzione(d, QStringLiteral("01/01/2026"));
    QVERIFY(Dipendente::salva(d, QStringLiteral("Neri_Luca.txt")));
    const RisultatoConteggio r = ConteggioSalario::genera(QStringLiteral("Neri_Luca.txt"), d, 2026, 1, false, 0);
    QVERIFY2(r.errore.isEmpty(), qPrintable(r.errore));
    const double premio = salvati.at(1) == 10 ? 50.00 : 60.05;
    QCOMPARE(QString::number(r.dettaglio.infortuni.importo, 'f', 2), QString::number(premio, 'f', 2));
    QCOMPARE(QString::number(r.contributiDipendente, 'f', 2), QString::number(335.25 + premio, 'f', 2));
}

void TestNuovaAzienda::chiudi_data()
{
    QTest::addColumn<bool>("modifica");
    QTest::addColumn<int>("risposta");
    QTest::addColumn<bool>("chiede");
    QTest::addColumn<int>("risultato"); // -1: still open
    QTest::addColumn<bool>("salvato");

    QTest::newRow("unmodified closes") << false << 0 << false << int(QDialog::Rejected) << false;
    QTest::newRow("Annulla keeps it open") << true << int(QMessageBox::Cancel) << true << -1 << false;
    QTest::newRow("Non salvare closes") << true << int(QMessageBox::Discard) << true << int(QDialog::Rejected)
                                        << false;
    QTest::newRow("Salva saves") << true << int(QMessageBox::Save) << true << int(QDialog::Accepted) << true;
}

void TestNuovaAzienda::chiudi()
{
    QFETCH(bool, modifica);
    QFETCH(int, risposta);
    QFETCH(bool, chiede);
    QFETCH(int, risultato);
    QFETCH(bool, salvato);

    RegistroMessaggi registro;
    if (risposta)
        registro.rispondi(QMessageBox::StandardButton(risposta));
    NuovaAzienda f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    if (modifica)
        QTest::keyClicks(figlio<QLineEdit>(f, "ragioneSociale"), QStringLiteral("Epsilon SA"));
    QCOMPARE(f.modificato(), modifica);
    figlio<QPushButton>(f, "chiudi")->click();

    QCOMPARE(!registro.richieste.isEmpty(), chiede);
    if (chiede) {
        const Messaggi::Richiesta& r = registro.richieste.first();
        QCOMPARE(r.titolo, QStringLiteral("Chiudere?"));
        QCOMPARE(r.testo, QStringLiteral("Ci sono modifiche non salvate.\nSalvare prima di chiudere?"));
        QCOMPARE(r.testiPulsanti.size(), 3);
        QCOMPARE(r.testiPulsanti.at(0).second, QStringLiteral("Salva"));
        QCOMPARE(r.testiPulsanti.at(1).second, QStringLiteral("Non salvare"));
        QCOMPARE(r.testiPulsanti.at(2).second, QStringLiteral("Annulla"));
    }
    if (risultato < 0) {
        QVERIFY(f.isVisible());
        QCOMPARE(figlio<QLineEdit>(f, "ragioneSociale")->text(), QStringLiteral("Epsilon SA"));
    } else {
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), risultato);
    }
    QCOMPARE(QFileInfo::exists(Config::cartellaDati() + QStringLiteral("/Epsilon_SA.txt")), salvato);
}

VARDELLO_TEST_MAIN(TestNuovaAzienda)
#include "tst_nuovaazienda.moc"
