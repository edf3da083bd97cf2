#include "ambientetest.h"
#include "config.h"
#include "csvdipendenti.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "piattaformatest.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
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
    void controlli_data();
    void controlli();
    void esportaNominaEsclusi();
    void righe_data();
    void righe();
    void fallimenti();
};

void TestCsvDipendenti::esportaEReimporta()
{
    Inizializzazione::esegui();
    const QStringList prima = Dipendente::elencoDipendenti(false);
    // Into a folder of the user's: the import later starts there.
    const QString cartella = AmbienteTest::home() + QStringLiteral("/fogli");
    const QString file = cartella + QStringLiteral("/dipendenti.csv");
    QVERIFY(QDir().mkpath(cartella));

    // Through the menu entries, as the user does.
    QMainWindow principale;
    RegistroMessaggi messaggi;
    rispondiDialogoFile(file);
    messaggi.rispondi(QMessageBox::Yes); // saving outside the company's export folder
    CsvDipendenti::azioneEsporta(&principale);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("CSV salvato in:\n") + file);
    QVERIFY(AmbienteTest::leggi(file).startsWith(kIntestazione));
    // The same file again: everybody is already in the company, nobody doubles.
    QString cartellaInizio;
    rispondiDialogoFile(file, [&](QFileDialog* d) { cartellaInizio = d->directory().absolutePath(); });
    CsvDipendenti::azioneImporta(&principale);
    QCOMPARE(cartellaInizio, cartella); // where the export went
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Importato"));
    QVERIFY2(messaggi.ultimoTesto().startsWith(QStringLiteral("Importati: 0\nSaltati: 7\n\nRighe saltate di ") + file),
             qPrintable(messaggi.ultimoTesto()));
    QVERIFY(messaggi.contiene(QStringLiteral("riga 2: Luca Bernasconi gia' presente nell'azienda")));
    QCOMPARE(Dipendente::elencoDipendenti(false), prima);

    // Into an empty company each travels whole.
    Config::setAziendaCorrente(QStringLiteral("Vuota.txt"));
    int importati = 0;
    QVERIFY(CsvDipendenti::importa(file, &importati, nullptr));
    QCOMPARE(importati, 7);
    for (const QString& id : prima) {
        Config::setAziendaCorrente(Inizializzazione::fileAziendaDimostrativa());
        DatiDipendente originale, copia;
        QVERIFY(Dipendente::carica(id, originale));
        Config::setAziendaCorrente(QStringLiteral("Vuota.txt"));
        const QStringList copie = Dipendente::elencoDipendenti(false).filter(id.left(id.size() - 4));
        QCOMPARE(copie.size(), 1);
        QVERIFY(Dipendente::carica(copie.first(), copia));
        QCOMPARE(viaggiano(copia), viaggiano(originale));
    }
}

void TestCsvDipendenti::controlli_data()
{
    QTest::addColumn<QByteArray>("righe"); // after the header
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QStringList>("cognomi"); // of the company afterwards

    const QByteArray buona = "Anna,Neri,02/03/1990,F,,,,,,,756.9217.0769.85,,01/01/2026,,1\n";
    auto con = [](const char* campo, int colonna) {
        QStringList f = QString("Anna,Neri,02/03/1990,F,,,,,,,,,01/01/2026,,1").split(',');
        f[colonna] = QString::fromUtf8(campo);
        return f.join(',').toUtf8() + '\n';
    };
    QTest::newRow("extra salaries 5") << con("5", 14) << "riga 2: mensilita aggiuntive \"5\" non valide (da 0 a 2)"
                                      << QStringList{"Bianchi"};
    QTest::newRow("birth date 31/02") << con("31/02/1990", 2) << "riga 2: data di nascita \"31/02/1990\" non valida"
                                      << QStringList{"Bianchi"};
    QTest::newRow("born after today") << con("01/01/2090", 2) << "riga 2: data di nascita \"01/01/2090\" dopo oggi"
                                      << QStringList{"Bianchi"};
    QTest::newRow("hiring date text") << con("domani", 12) << "riga 2: data di assunzione \"domani\" non valida"
                                      << QStringList{"Bianchi"};
    QTest::newRow("sex X") << con("X", 3) << "riga 2: sesso \"X\" non valido (M o F)" << QStringList{"Bianchi"};
    QTest::newRow("AVS check digit") << con("756.9217.0769.84", 10)
                                     << "riga 2: numero AVS \"756.9217.0769.84\" non valido" << QStringList{"Bianchi"};
    QTest::newRow("12 fields") << QByteArray("Anna,Neri,,,,,,,,,,\n") << "riga 2: 12 campi invece di 15"
                               << QStringList{"Bianchi"};
    QTest::newRow("16 fields") << con("indeterminato,80%", 13) << "riga 2: 16 campi invece di 15"
                               << QStringList{"Bianchi"};
    // Bianchi Carlo, born 01/01/1980, is in the company without an AVS number.
    QTest::newRow("same person, other case and blanks")
        << QByteArray(" carlo , BIANCHI ,1.1.1980,,,,,,,,,,,,\n") << "riga 2: carlo BIANCHI gia' presente nell'azienda"
        << QStringList{"Bianchi"};
    QTest::newRow("same AVS twice in the file")
        << buona + buona << "riga 3: Anna Neri gia' presente nell'azienda" << QStringList{"Bianchi", "Neri"};
    // A spreadsheet's leading blank: trimmed before the id is built.
    QTest::newRow("leading blank") << con(" Neri", 1) << "" << QStringList{"Bianchi", "Neri"};
    // A NUL at the end of row 1 of 3: that row is named, the others come in.
    QTest::newRow("NUL ends the first row")
        << QByteArrayLiteral("Anna,Neri,,,,,,,,,,,,,1\0\nLia,Verdi,,,,,,,,,,,,,0\nEva,Rossi,,,,,,,,,,,,,2\n")
        << "riga 2: carattere non ammesso (NUL o di controllo)" << QStringList{"Bianchi", "Rossi", "Verdi"};
}

// Each bad value skips its row, named with the reason; the counts say how
// many came in and how many not.
void TestCsvDipendenti::controlli()
{
    QFETCH(QByteArray, righe);
    QFETCH(QString, messaggio);
    QFETCH(QStringList, cognomi);
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    DatiDipendente bianchi;
    bianchi.nome = QStringLiteral("Carlo");
    bianchi.cognome = QStringLiteral("Bianchi");
    bianchi.dataNascita = QStringLiteral("01/01/1980");
    QVERIFY(Dipendente::salva(bianchi, QStringLiteral("Bianchi_Carlo.txt")));
    AmbienteTest::scrivi(csv(), kIntestazione + righe);

    QMainWindow principale;
    RegistroMessaggi messaggi;
    rispondiDialogoFile(csv());
    CsvDipendenti::azioneImporta(&principale);
    const int importati = cognomi.size() - 1;
    const int saltati = messaggio.isEmpty() ? 0 : 1;
    QString atteso = QStringLiteral("Importati: %1\nSaltati: %2").arg(importati).arg(saltati);
    if (!messaggio.isEmpty())
        atteso += QStringLiteral("\n\nRighe saltate di ") + csv() + QStringLiteral(":\n") + messaggio;
    QCOMPARE(messaggi.ultimoTesto(), atteso);

    QStringList presenti;
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        QVERIFY2(Dipendente::carica(id, d), qPrintable(id));
        presenti << d.cognome;
        if (d.cognome == QLatin1String("Neri")) {
            QCOMPARE(d.nome + QLatin1Char('|') + QString::number(d.mensilitaAggiuntive), QStringLiteral("Anna|1"));
            QCOMPARE(id, QStringLiteral("Neri_Anna.txt"));
        }
    }
    presenti.sort();
    QCOMPARE(presenti, cognomi);
}

// An employee whose file has an unreadable value is left out of the export,
// and named.
void TestCsvDipendenti::esportaNominaEsclusi()
{
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    for (const QString& id : {QStringLiteral("Dubois_Marc.txt"), QStringLiteral("Verdi_Lia.txt")}) {
        DatiDipendente d;
        d.cognome = id.section(QLatin1Char('_'), 0, 0);
        d.nome = id.section(QLatin1Char('_'), 1).chopped(4);
        QVERIFY(Dipendente::salva(d, id));
    }
    QByteArray guasto = AmbienteTest::leggi(Dipendente::percorsoFile(QStringLiteral("Dubois_Marc.txt")));
    guasto.replace("mensilitaAggiuntive=0", "mensilitaAggiuntive=x");
    AmbienteTest::scrivi(Dipendente::percorsoFile(QStringLiteral("Dubois_Marc.txt")), guasto);

    QMainWindow principale;
    RegistroMessaggi messaggi;
    rispondiDialogoFile(csv());
    messaggi.rispondi(QMessageBox::Yes); // outside the export folder
    CsvDipendenti::azioneEsporta(&principale);
    QVERIFY2(messaggi.ultimoTesto().startsWith(QStringLiteral("CSV salvato in:\n") + csv()
                                               + QStringLiteral("\n\nNon esportati (file non leggibile):\n"
                                                                "Marc Dubois (Dubois_Marc.txt): ")),
             qPrintable(messaggi.ultimoTesto()));
    const QByteArray file = AmbienteTest::leggi(csv());
    QVERIFY(file.contains("Lia,Verdi,") && !file.contains("Dubois"));
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
    QTest::addColumn<QByteArray>("intestazione");
    QTest::addColumn<QByteArray>("righe"); // after the header
    QTest::addColumn<int>("importati");
    QTest::addColumn<int>("saltati");
    QTest::addColumn<QStringList>("file");

    QTest::newRow("13 fields skipped, 14 taken")
        << kIntestazione << QByteArray("Mario,Rossi,,,,,,,,,,,\nMario,Rossi,,,,,,,,,,,01/01/2026,indeterminato\n") << 1
        << 1 << QStringList{"Rossi_Mario.txt"};
    QTest::newRow("path in the surname") << kIntestazione
                                         << QByteArray("x,../../x,,,,,,,,,,,,,0\nA B,C\\D,,,,,,,,,,,,,\n") << 2 << 0
                                         << QStringList{"C_D_A_B.txt", "_.._x_x.txt"};
    QTest::newRow("empty surname skipped") << kIntestazione << QByteArray("Mario,,,,,,,,,,,,,,\n,,,,,,,,,,,,,,\n") << 0
                                           << 2 << QStringList();
    QTest::newRow("blank lines not counted") << kIntestazione << QByteArray("\n   \n") << 0 << 0 << QStringList();
    // A file without its header: the first row is named as skipped, not
    // lost unseen.
    QTest::newRow("no header") << QByteArray("Mario,Rossi,,,,,,,,,,,,,\n") << QByteArray("Lia,Verdi,,,,,,,,,,,,,\n") << 1
                               << 1 << QStringList{"Verdi_Lia.txt"};
    QTest::newRow("header of 14 columns, capitals, blanks")
        << QByteArray("NOME, Cognome,dataNascita,sesso,statoCivile,nazionalita,indirizzo,cap,localita,cantone,"
                      "numeroAVS,permessoLavoro,dataAssunzione,tipoContratto\n")
        << QByteArray("Lia,Verdi,,,,,,,,,,,,,\n") << 1 << 0 << QStringList{"Verdi_Lia.txt"};
    // An unquoted comma in a text: the 16th field is never dropped unseen;
    // empty fields after the 15th are harmless.
    QTest::newRow("16 fields") << kIntestazione
                               << QByteArray("Lia,Verdi,,,,,Via Roma, 5,,,,,,,,1\nEva,Neri,,,,,,,,,,,,,1,,\n") << 1 << 1
                               << QStringList{"Neri_Eva.txt"};
}

void TestCsvDipendenti::righe()
{
    QFETCH(QByteArray, intestazione);
    QFETCH(QByteArray, righe);
    QFETCH(int, importati);
    QFETCH(int, saltati);
    QFETCH(QStringList, file);
    Config::setAziendaCorrente(QStringLiteral("Prova.txt"));
    // With a byte-order mark and Windows line ends.
    QByteArray contenuto = "\xEF\xBB\xBF" + intestazione + righe;
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
