#include "ambientetest.h"
#include "config.h"
#include "csvdipendenti.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "piattaformatest.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

namespace {

const QByteArray kIntestazione = "nome,cognome,dataNascita,sesso,statoCivile,nazionalita,indirizzo,cap,localita,"
                                 "cantone,numeroAVS,permessoLavoro,dataAssunzione,tipoContratto,mensilitaAggiuntive\n";

QString csv()
{
    return AmbienteTest::home() + QStringLiteral("/dipendenti.csv");
}

// The fields that travel through the file.
QStringList viaggiano(const DatiDipendente& d)
{
    return {d.nome, d.cognome, d.dataNascita, d.sesso, d.statoCivile, d.nazionalita, d.indirizzo, d.cap, d.localita,
            d.cantone, d.numeroAVS, d.permessoLavoro, Dipendente::dataAssunzione(d), d.tipoContratto,
            QString::number(d.mensilitaAggiuntive)};
}

} // namespace

class TestCsvDipendenti : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void esportaEReimporta();
    void virgoleEVirgolette();
    void righe_data();
    void righe();
    void fallimenti();
};

void TestCsvDipendenti::esportaEReimporta()
{
    Inizializzazione::esegui();
    const QStringList prima = Dipendente::elencoDipendenti(false);

    // Through the menu entries, as the user does.
    QMainWindow principale;
    RegistroMessaggi messaggi;
    rispondiDialogoFile(csv());
    messaggi.rispondi(QMessageBox::Yes); // saving outside the company's export folder
    CsvDipendenti::azioneEsporta(&principale);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("CSV salvato in:\n") + csv());
    QVERIFY(AmbienteTest::leggi(csv()).startsWith(kIntestazione));
    rispondiDialogoFile(csv());
    CsvDipendenti::azioneImporta(&principale);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Importato"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Importati: 7\nSaltati: 0"));

    QCOMPARE(Dipendente::elencoDipendenti(false).size(), 14);
    for (const QString& id : prima) {
        const QString nuovo = id.left(id.size() - 4) + QStringLiteral("_1.txt");
        DatiDipendente originale, copia;
        QVERIFY(Dipendente::carica(id, originale));
        QVERIFY2(Dipendente::carica(nuovo, copia), qPrintable(nuovo));
        QCOMPARE(viaggiano(copia), viaggiano(originale));
    }
}

void TestCsvDipendenti::virgoleEVirgolette()
{
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    DatiDipendente d;
    d.cognome = QStringLiteral("Ro,ssi");
    d.nome = QStringLiteral("a\"b");
    d.indirizzo = QString::fromUtf8("Via Öhringen 3");
    d.mensilitaAggiuntive = 1;
    Dipendente::setDataAssunzione(d, QStringLiteral("01/02/2026"));
    QVERIFY(Dipendente::salva(d, QStringLiteral("Rossi.txt")));
    QVERIFY(CsvDipendenti::esporta(csv()));
    QVERIFY(AmbienteTest::leggi(csv()).contains(QByteArray("\"a\"\"b\",\"Ro,ssi\",")));
    QVERIFY(QFile::remove(Dipendente::percorsoFile(QStringLiteral("Rossi.txt"))));

    int importati = -1;
    QVERIFY(CsvDipendenti::importa(csv(), &importati, nullptr));
    QCOMPARE(importati, 1);
    DatiDipendente letto;
    QVERIFY(Dipendente::carica(QStringLiteral("Ro,ssi_a\"b.txt"), letto));
    QCOMPARE(viaggiano(letto), viaggiano(d));
}

void TestCsvDipendenti::righe_data()
{
    QTest::addColumn<QByteArray>("righe"); // after the header
    QTest::addColumn<int>("importati");
    QTest::addColumn<int>("saltati");
    QTest::addColumn<QStringList>("file");

    QTest::newRow("13 fields skipped, 14 taken")
        << QByteArray("Mario,Rossi,,,,,,,,,,,\nMario,Rossi,,,,,,,,,,,01/01/2026,indeterminato\n") << 1 << 1
        << QStringList{"Rossi_Mario.txt"};
    QTest::newRow("path in the surname") << QByteArray("x,../../x,,,,,,,,,,,,,0\nA B,C\\D,,,,,,,,,,,,,\n") << 2 << 0
                                         << QStringList{"C_D_A_B.txt", "_.._x_x.txt"};
    QTest::newRow("empty surname skipped") << QByteArray("Mario,,,,,,,,,,,,,,\n,,,,,,,,,,,,,,\n") << 0 << 2
                                           << QStringList();
    QTest::newRow("blank lines not counted") << QByteArray("\n   \n") << 0 << 0 << QStringList();
}

void TestCsvDipendenti::righe()
{
    QFETCH(QByteArray, righe);
    QFETCH(int, importati);
    QFETCH(int, saltati);
    QFETCH(QStringList, file);
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    // With a byte-order mark and Windows line ends.
    QByteArray contenuto = "\xEF\xBB\xBF" + kIntestazione + righe;
    contenuto.replace("\n", "\r\n");
    AmbienteTest::scrivi(csv(), contenuto);

    int n = -1, s = -1;
    QVERIFY(CsvDipendenti::importa(csv(), &n, &s));
    QCOMPARE(n, importati);
    QCOMPARE(s, saltati);
    QCOMPARE(QDir(Config::cartellaDipendenti()).entryList(QDir::Files | QDir::Hidden, QDir::Name), file);
    for (const QString& id : file) {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));
        // An empty hiring date gives no period.
        QCOMPARE(d.periodi.size(), Dipendente::dataAssunzione(d).isEmpty() ? 0 : 1);
    }
}

void TestCsvDipendenti::fallimenti()
{
    Inizializzazione::esegui();
    QVERIFY(QDir().mkpath(csv())); // a folder where the file should be
    QVERIFY(!CsvDipendenti::esporta(csv()));
    int n = 5;
    QVERIFY(!CsvDipendenti::importa(AmbienteTest::home() + QStringLiteral("/manca.csv"), &n, nullptr));
    QCOMPARE(n, 5);
}

VARDELLO_TEST_MAIN(TestCsvDipendenti)
#include "tst_csvdipendenti.moc"
