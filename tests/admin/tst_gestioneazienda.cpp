#include "ambientetest.h"
#include "azienda.h"
#include "chiusuramensile.h"
#include "config.h"
#include "filesicuri.h"
#include "gestioneazienda.h"
#include "inizializzazione.h"
#include "nap.h"
#include "nazioni.h"
#include "orologio.h"
#include "piattaformatest.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

void digita(QWidget& f, const char* nome, const QString& testo)
{
    auto* e = f.findChild<QLineEdit*>(QLatin1String(nome));
    QVERIFY2(e, nome);
    e->clear();
    QTest::keyClicks(e, testo);
}

void clic(QWidget& f, const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); }

const QString kFile = QStringLiteral("Prova_SA.txt");

DatiAzienda aziendaProva()
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Prova SA");
    return a;
}

QString percorso() { return Config::cartellaDati() + QLatin1Char('/') + kFile; }

} // namespace

class TestGestioneAzienda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica() && NAP::carica()); }
    void init() { AmbienteTest::svuota(); }
    void salvaConserva();
    void controlli_data();
    void controlli();
    void fileBancaDaiDatiAzienda();
    void elimina();
    void fileDanneggiato_data();
    void fileDanneggiato();
};

void TestGestioneAzienda::salvaConserva()
{
    AmbienteTest::scrivi(percorso(), "Prova SA\nVia Roma 1\n6900\nLugano\nTI\nCH\nlainfMassimale=150000\n"
                                     "tredicesimaAutomatica=0\nnotaInterna=da tenere\nuid=CHE-1\n");
    GestioneAzienda f(kFile);
    f.show();
    QVERIFY(!f.modificato());
    RegistroMessaggi messaggi;
    digita(f, "ragioneSociale", QStringLiteral("Prova Nuova SA"));
    digita(f, "indirizzo", QStringLiteral("Via Nassa 5"));
    digita(f, "cap", QStringLiteral("1204")); // fills Genf and GE
    digita(f, "partitaIva", QStringLiteral("CHE-123.456.789 IVA"));
    digita(f, "iban", QStringLiteral("CH93 0076 2011 6238 5295 7"));
    digita(f, "bic", QStringLiteral("UBSWCHZH80A"));
    digita(f, "lainfIPperMille", QStringLiteral("6.5"));
    digita(f, "lainfINPuomoPerMille", QStringLiteral("12.0055"));
    digita(f, "lainfINPdonnaPerMille", QStringLiteral("9,4"));
    digita(f, "lainfMassimale", QStringLiteral("148'200.005"));
    digita(f, "cantone", QStringLiteral("ge"));
    clic(f, "salva");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Dati salvati."));
    QVERIFY(!f.modificato());
    // The form shows what the file holds.
    QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("lainfMassimale"))->text(), QStringLiteral("148200.01"));
    QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("cantone"))->text(), QStringLiteral("GE"));
    QCOMPARE(f.findChild<QLineEdit*>(QStringLiteral("lainfINPuomoPerMille"))->text(), QStringLiteral("12.006"));

    const DatiAzienda a = Azienda::carica(kFile);
    QCOMPARE(a.ragioneSociale + a.indirizzo + a.cap + a.localita + a.cantone,
             QStringLiteral("Prova Nuova SAVia Nassa 51204GenfGE"));
    QCOMPARE((QList<double>{a.lainfIPperMille, a.lainfINPuomoPerMille, a.lainfINPdonnaPerMille, a.lainfMassimale}),
             (QList<double>{6.5, 12.006, 9.4, 148200.01}));
    QVERIFY(!a.tredicesimaAutomatica);
    QStringList campi;
    for (const char* k : {"notaInterna", "uid", "partitaIva", "iban", "bic"})
        campi << a.campi.value(QLatin1String(k));
    QCOMPARE(campi, (QStringList{"da tenere", "CHE-1", "CHE-123.456.789 IVA", "CH93 0076 2011 6238 5295 7", "UBSWCHZH80A"}));
    QCOMPARE(Azienda::elencoAziende(), QStringList{kFile});

    // A full disk: the failure is shown and the file stays as it was.
    const QByteArray salvato = AmbienteTest::leggi(percorso());
    digita(f, "lainfINPdonnaPerMille", QStringLiteral("11"));
    {
        LimiteFile pieno(64);
        clic(f, "salva");
    }
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Salvataggio non riuscito.\nImpossibile scrivere il file %1.").arg(percorso()));
    QCOMPARE(AmbienteTest::leggi(percorso()), salvato);
    QVERIFY(f.modificato());

    // A folder where the record file should be: the failure is shown, and
    // closing with "Salva" fails again and keeps the form open with the input.
    QVERIFY(QFile::remove(percorso()) && QDir().mkpath(percorso()));
    digita(f, "cap", QStringLiteral("6500"));
    clic(f, "salva");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Salvataggio non riuscito.\nImpossibile scrivere il file %1.").arg(percorso()));
    messaggi.rispondi(QMessageBox::Save);
    clic(f, "chiudi");
    QVERIFY(f.isVisible() && f.modificato());
    messaggi.rispondi(QMessageBox::Discard);
    f.reject();
    QVERIFY(!f.isVisible());
}

void TestGestioneAzienda::controlli_data()
{
    QTest::addColumn<QString>("cap");
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("iban");
    QTest::addColumn<QString>("premio"); // non-occupational premium for men, per mille
    QTest::addColumn<QString>("errore"); // empty: saved
    QTest::newRow("0000") << "0000" << "TI" << "" << "0" << "Il CAP deve essere di 4 cifre.";
    QTest::newRow("3 digits") << "650" << "TI" << "" << "0" << "Il CAP deve essere di 4 cifre.";
    QTest::newRow("one-letter canton") << "6500" << "T" << "" << "0" << "Il cantone deve essere di 2 lettere (es. TI).";
    QTest::newRow("IBAN one digit wrong") << "6500" << "TI" << "CH93 0076 2011 6238 5295 8" << "0"
                                          << "L'IBAN dell'azienda non è valido: controlla le cifre.";
    QTest::newRow("premium 13,5x") << "6500" << "TI" << "" << "13,5x"
                                   << QString::fromUtf8("Il valore \"13,5x\" in \"Premio infortuni non professionali, "
                                                        "uomini (‰)\" non e' un numero valido.");
    QTest::newRow("premium 200.01") << "6500" << "TI" << "" << "200.01"
                                    << QString::fromUtf8("Il valore in \"Premio infortuni non professionali, uomini (‰)\" "
                                                         "deve essere tra 0 e 200.");
    QTest::newRow("6500, ti, no IBAN, premium 200") << "6500" << "ti" << "" << "200" << "";
}

void TestGestioneAzienda::controlli()
{
    QFETCH(QString, cap);
    QFETCH(QString, cantone);
    QFETCH(QString, iban);
    QFETCH(QString, premio);
    QFETCH(QString, errore);
    QVERIFY(Azienda::salva(aziendaProva(), kFile));
    const QByteArray prima = AmbienteTest::leggi(percorso());

    GestioneAzienda f(kFile);
    RegistroMessaggi messaggi;
    digita(f, "cap", cap);
    digita(f, "cantone", cantone); // after the postcode's own fill
    digita(f, "iban", iban);
    digita(f, "lainfINPuomoPerMille", premio);
    clic(f, "salva");
    QCOMPARE(messaggi.ultimoTesto(), errore.isEmpty() ? QStringLiteral("Dati salvati.") : errore);
    const DatiAzienda a = Azienda::carica(kFile);
    if (errore.isEmpty()) {
        QCOMPARE(a.cap + a.cantone + a.localita, QStringLiteral("6500TIBellinzona"));
        QCOMPARE(a.lainfINPuomoPerMille, 200.0);
    }
    else
        QCOMPARE(AmbienteTest::leggi(percorso()), prima);
}

void TestGestioneAzienda::fileBancaDaiDatiAzienda()
{
    // February: in January the closing preselects the December before.
    Orologio::imposta(QDateTime(QDate(2026, 2, 26), QTime(9, 0)));
    Inizializzazione::esegui();
    RegistroMessaggi messaggi;
    {
        GestioneAzienda f(Inizializzazione::fileAziendaDimostrativa());
        digita(f, "iban", QStringLiteral("CH93 0076 2011 6238 5295 7"));
        digita(f, "bic", QStringLiteral("UBSWCHZH80A"));
        clic(f, "salva");
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Dati salvati."));
    }
    ChiusuraMensile chiusura;
    clic(chiusura, "generaTutti");
    clic(chiusura, "selezionaTutti");
    RegistroPiattaforma piattaforma;
    const QString file = AmbienteTest::home() + QStringLiteral("/banca.xml");
    piattaforma.risposteSalva = QStringList{file};
    clic(chiusura, "fileBanca");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Fatto"));
    QString uscita;
    QVERIFY2(validaPain001(file, &uscita), qPrintable(uscita));
    const QString xml = QString::fromUtf8(AmbienteTest::leggi(file));
    QVERIFY(xml.contains(QStringLiteral("<IBAN>CH9300762011623852957</IBAN>")));
    QVERIFY(xml.contains(QStringLiteral("<BICFI>UBSWCHZH80A</BICFI>")));
}

void TestGestioneAzienda::elimina()
{
    QVERIFY(Azienda::salva(aziendaProva(), kFile));
    RegistroMessaggi messaggi;
    for (const char* esito : {"Azienda eliminata.", "Eliminazione non riuscita."}) {
        GestioneAzienda f(kFile);
        messaggi.rispondi(QMessageBox::Yes);
        clic(f, "elimina");
        QCOMPARE(messaggi.ultimoTesto(), QString::fromUtf8(esito));
        QVERIFY(Azienda::elencoAziende().isEmpty());
    }
}

// A file that did not read cleanly: the form shows what read, names the file
// and the line, and neither "Salva" nor the save asked on closing writes a
// byte. CR LF line ends are no damage: an edit of the address alone is asked
// about on closing and saved.
void TestGestioneAzienda::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("avviso"); // part of the warning on opening; empty: none
    const QByteArray fissi = "Prova SA\nVia Roma 1\n6900\nLugano\nTI\nCH\n";
    const QByteArray chiavi = "iban=CH9300762011623852957\nlainfINPuomoPerMille=13.500\nlainfIPperMille=1.250\n"
                              "lainfMassimale=148200.00\ntredicesimaAutomatica=0";
    QTest::newRow("rate with a comma") << fissi + QByteArray(chiavi).replace("13.500", "13,5")
                                       << "riga 8: lainfINPuomoPerMille";
    QTest::newRow("empty line among the fixed ones") << QByteArray(fissi).replace("Lugano\n", "\nLugano\n") + chiavi
                                                     << "riga 7";
    QTest::newRow("too large") << fissi + chiavi + QByteArray(FileSicuri::kLimiteRecord, ' ') << "KB";
    QTest::newRow("CR LF") << QByteArray(fissi + chiavi).replace("\n", "\r\n") << "";
}

void TestGestioneAzienda::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, avviso);
    AmbienteTest::scrivi(percorso(), contenuto);
    RegistroMessaggi messaggi;
    GestioneAzienda f(kFile);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, "indirizzo", QStringLiteral("Via Nassa 5"));
    if (avviso.isEmpty()) {
        // A full disk: reported, the file as it was.
        LimiteFile disco(50);
        clic(f, "salva");
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Salvataggio non riuscito.\nImpossibile scrivere il file %1.").arg(percorso()));
        QCOMPARE(AmbienteTest::leggi(percorso()), contenuto);
    }
    messaggi.rispondi(QMessageBox::Save);
    f.reject();
    if (avviso.isEmpty()) {
        QCOMPARE(messaggi.richieste.at(1).titolo, QStringLiteral("Chiudere?"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Dati salvati."));
        QVERIFY(!f.isVisible());
        QString errore;
        const DatiAzienda a = Azienda::carica(kFile, &errore);
        QCOMPARE(errore, QString());
        QCOMPARE(a.indirizzo + a.cantone + a.nazione, QStringLiteral("Via Nassa 5TICH"));
        QCOMPARE(a.lainfINPuomoPerMille, 13.5);
        return;
    }
    QVERIFY(messaggi.contiene(avviso) && messaggi.contiene(percorso()));
    QVERIFY(f.isVisible());
    clic(f, "salva");
    QVERIFY(messaggi.ultimoTesto().contains(avviso));
    QVERIFY(messaggi.ultimoTesto().endsWith(QStringLiteral("Il file non viene sovrascritto: correggerlo prima di salvare.")));
    QCOMPARE(AmbienteTest::leggi(percorso()), contenuto);
}

VARDELLO_TEST_MAIN(TestGestioneAzienda)
#include "tst_gestioneazienda.moc"
