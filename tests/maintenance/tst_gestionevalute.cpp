#include "ambientetest.h"
#include "filesicuri.h"
#include "gestionevalute.h"
#include "valute.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>

class TestGestioneValute : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }
    void importi_data();
    void importi();
    void leggi_data();
    void leggi();
    void fileDanneggiato_data();
    void fileDanneggiato();
    void finestra();
    void cambioDigitato_data();
    void cambioDigitato();
};

void TestGestioneValute::importi_data()
{
    QTest::addColumn<QString>("risultato");
    QTest::addColumn<QString>("atteso");
    const auto n = [](std::int64_t v) { return QString::number(v); };
    const std::vector<Valuta> base = valuteDiBase();
    const Valuta zero{"ZZZ", "", "", 0, false};
    QTest::newRow("12 -> 10") << n(arrotondaA5(12)) << "10";
    QTest::newRow("13 -> 15") << n(arrotondaA5(13)) << "15";
    QTest::newRow("-13 -> -15") << n(arrotondaA5(-13)) << "-15";
    QTest::newRow("333 at 50 %") << n(percentuale(333, 5000)) << "167";
    QTest::newRow("100 EUR in CHF") << n(converti(100, base[1], base[0])) << "93";
    QTest::newRow("100 CHF in EUR") << n(converti(100, base[0], base[1])) << "108";
    QTest::newRow("into a rate of 0") << n(converti(100, base[0], zero)) << "0";
    QTest::newRow("franc rounds to 5") << n(arrotondaValuta(1013, base[0])) << "1015";
    QTest::newRow("inTesto(-5)") << QString::fromStdString(inTesto(-5)) << "-0.05";
    QTest::newRow("inTesto(12345)") << QString::fromStdString(inTesto(12345)) << "123.45";
}

void TestGestioneValute::importi()
{
    QFETCH(QString, risultato);
    QTEST(risultato, "atteso");
}

void TestGestioneValute::leggi_data()
{
    QTest::addColumn<QByteArray>("contenuto"); // empty: no file
    QTest::addColumn<int>("quante");
    QTest::addColumn<qint64>("tasso"); // of the first currency
    QTest::addColumn<bool>("arrotonda5");
    QTest::addColumn<QString>("difetti"); // "line:kind" of every line not read
    const QByteArray chf = "CHF;Franco svizzero;Fr.;1000000;1\n";
    QTest::newRow("no file: built-in") << QByteArray() << 3 << qint64(1000000) << true << "";
    QTest::newRow("BOM, blanks at the end") << "\xEF\xBB\xBF" + chf.trimmed() + " \t\nEUR;Euro;EUR;930000;0  "
                                            << 2 << qint64(1000000) << true << "";
    QTest::newRow("rate -5 after a blank") << QByteArray("XYZ;X;X; -5 ;1") << 1 << qint64(-5) << true << "";
    QTest::newRow("only blank lines: built-in") << QByteArray("\n \n") << 3 << qint64(1000000) << true << "";
    // Damage: the line is left out and named; nothing else is lost.
    QTest::newRow("last field missing") << chf + "EUR;Euro;EUR;930000\n" << 1 << qint64(1000000) << true
                                        << "2:CampiMancanti";
    QTest::newRow("ends in the fourth ;") << QByteArray("XYZ;Valuta X;X;1200000;\n" + chf) << 1
                                          << qint64(1000000) << true << "1:CampiMancanti";
    QTest::newRow("sixth field") << QByteArray("XYZ;X;X;5;1;x\n") + chf << 1 << qint64(1000000) << true
                                 << "1:CampiInPiu";
    QTest::newRow("junk after the rate") << chf + "EUR;Euro;EUR;930000abc;0\n" << 1 << qint64(1000000) << true
                                         << "2:TassoNonValido";
    QTest::newRow("rate abc, empty, decimal, too big, sign inside")
        << QByteArray("A;A;A;abc;0\nB;B;B;;0\nC;C;C;1.5;0\nD;D;D;99999999999999999999;0\nE;E;E;93-1;0\n") << 0
        << qint64(0) << false << "1:TassoNonValido 2:TassoNonValido 3:TassoNonValido 4:TassoNonValido 5:TassoNonValido";
    QTest::newRow("flag true") << chf + "XYZ;X;X;5;true" << 1 << qint64(1000000) << true << "2:FlagNonValido";
    QTest::newRow("empty code") << chf + " ;X;X;5;0" << 1 << qint64(1000000) << true << "2:CodiceVuoto";
    QTest::newRow("NUL") << chf + QByteArray("EUR;Eu\0ro;EUR;930000;0\n", 23) << 1 << qint64(1000000) << true
                         << "2:Nul";
    QTest::newRow("too large") << chf + QByteArray(FileSicuri::kLimiteRecord, '#') << 0 << qint64(0) << false
                               << "0:TroppoGrande";
}

void TestGestioneValute::leggi()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, difetti);
    const QString percorso = AmbienteTest::home() + QStringLiteral("/valute.txt");
    const char* nomi[] = {"TroppoGrande", "Illeggibile", "CampiMancanti", "CampiInPiu",
                          "TassoNonValido", "FlagNonValido", "CodiceVuoto", "Nul"};
    auto leggi = [&](const QByteArray& byte, QString* trovati) {
        if (!byte.isEmpty())
            AmbienteTest::scrivi(percorso, byte);
        std::vector<ProblemaValute> problemi;
        const std::vector<Valuta> v = leggiValute(percorso.toStdString(), &problemi);
        QStringList elenco;
        for (const ProblemaValute& p : problemi)
            elenco.append(QStringLiteral("%1:%2").arg(p.riga).arg(QLatin1String(nomi[p.tipo])));
        *trovati = elenco.join(QLatin1Char(' '));
        return v;
    };
    QString trovati;
    const std::vector<Valuta> v = leggi(contenuto, &trovati);
    QCOMPARE(trovati, difetti);
    QTEST(int(v.size()), "quante");
    if (!v.empty()) {
        QTEST(qint64(v.front().tasso), "tasso");
        QTEST(v.front().arrotonda5, "arrotonda5");
    }
    // The same file with CR LF line ends reads the same.
    if (!contenuto.isEmpty()) {
        QString trovatiCrLf;
        QCOMPARE(leggi(QByteArray(contenuto).replace("\n", "\r\n"), &trovatiCrLf), v);
        QCOMPARE(trovatiCrLf, difetti);
    }
}

// A file that did not read cleanly: the window shows what read, names the
// file and the line, and its save writes nothing.
void TestGestioneValute::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("avviso"); // part of the warning on opening
    QTest::addColumn<int>("righe");      // shown in the table
    const QByteArray chf = "CHF;Franco svizzero;Fr.;1000000;1\r\n";
    QTest::newRow("last field missing") << chf + "EUR;Euro;EUR;930000\r\nUSD;Dollaro;USD;880000;0\r\n"
                                        << "riga 2: mancano campi" << 2;
    QTest::newRow("too large") << chf + QByteArray(FileSicuri::kLimiteRecord, ' ') << "KB" << 0;
}

void TestGestioneValute::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, avviso);
    AmbienteTest::scrivi(GestioneValute::percorsoFile(), contenuto);
    RegistroMessaggi messaggi;
    GestioneValute f;
    f.show();
    QTRY_VERIFY(messaggi.contiene(avviso));
    QVERIFY(messaggi.ultimoTesto().contains(GestioneValute::percorsoFile()));
    auto* t = f.findChild<QTableWidget*>(QStringLiteral("tabella"));
    QTEST(t->rowCount(), "righe");
    f.findChild<QPushButton*>(QStringLiteral("aggiungi"))->click();
    t->item(t->rowCount() - 1, 0)->setText(QStringLiteral("GBP"));
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    QVERIFY(messaggi.ultimoTesto().contains(avviso));
    QVERIFY(messaggi.ultimoTesto().endsWith(QStringLiteral("Il file non viene sovrascritto: correggerlo prima di salvare.")));
    QCOMPARE(AmbienteTest::leggi(GestioneValute::percorsoFile()), contenuto);
    // Closing asks; "Salva" there refuses too and the window stays open.
    messaggi.rispondi(QMessageBox::Save);
    f.reject();
    QVERIFY(f.isVisible());
    QCOMPARE(AmbienteTest::leggi(GestioneValute::percorsoFile()), contenuto);
}

void TestGestioneValute::finestra()
{
    GestioneValute f;
    f.show();
    auto* t = f.findChild<QTableWidget*>(QStringLiteral("tabella"));
    auto clic = [&f](const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); };
    QCOMPARE(t->rowCount(), 3);
    QVERIFY(!(t->item(0, 0)->flags() & Qt::ItemIsEditable));

    RegistroMessaggi messaggi;
    t->setCurrentCell(0, 1);
    clic("elimina");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Il franco svizzero e' la valuta di base e non si puo' eliminare."));
    clic("aggiungi");
    // Each refused row names the field, row 4 and the value, and writes
    // nothing; a rate finer than the millionth is refused, not rounded.
    const QList<QStringList> rifiutate = {{" eur ", "Euro bis", "E", "0,95", "\"EUR\" in \"Codice, riga 4\""},
                                          {"GBP", "Sterlina", "£", "0.0000001", "\"0.0000001\" in \"Cambio in CHF, riga 4\""},
                                          {"GBP", "Sterlina", "£", "abc", "\"abc\" in \"Cambio in CHF, riga 4\""},
                                          {"GBP", "Sterlina", "£", "1,2345678", "\"1,2345678\" in \"Cambio in CHF, riga 4\""},
                                          {"GBP", "Sterlina;UK", "£", "1,234568", "\"Sterlina;UK\" in \"Nome, riga 4\""}};
    for (const QStringList& riga : rifiutate) {
        for (int c = 0; c < 4; ++c)
            t->item(3, c)->setText(riga.at(c));
        clic("salva");
        QVERIFY2(messaggi.ultimoTesto().contains(riga.at(4)), qPrintable(messaggi.ultimoTesto()));
        QVERIFY(!QFileInfo::exists(GestioneValute::percorsoFile()));
    }
    t->item(3, 1)->setText(QStringLiteral(" Sterlina "));
    t->item(3, 4)->setCheckState(Qt::Checked);
    t->item(0, 4)->setCheckState(Qt::Unchecked);
    // A folder where the file should be: the rename cannot replace it.
    QVERIFY(QDir().mkpath(GestioneValute::percorsoFile()));
    clic("salva");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Salvataggio non riuscito."));
    QVERIFY(!QFileInfo::exists(GestioneValute::percorsoFile() + QStringLiteral(".tmp")));
    QVERIFY(QDir(GestioneValute::percorsoFile()).removeRecursively());
    // The rate is kept to the millionth: 1,234568 -> 1234568.
    clic("salva");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Valute salvate."));
    const QString scritto = QString::fromUtf8(AmbienteTest::leggi(GestioneValute::percorsoFile()));
    QCOMPARE(scritto, QString::fromUtf8("CHF;Franco svizzero;Fr.;1000000;0\nEUR;Euro;EUR;930000;0\n"
                                        "USD;Dollaro USA;USD;880000;0\nGBP; Sterlina ;£;1234568;1\n"));

    // A full disk: the save is reported as failed and the file stays whole.
    t->item(1, 3)->setText(QStringLiteral("1.005"));
    {
        LimiteFile disco(20);
        clic("salva");
    }
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Salvataggio non riuscito."));
    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(GestioneValute::percorsoFile())), scritto);
    QVERIFY(f.modificato());

    // An unsaved deletion asks before closing: "Annulla" stays, "Non salvare" closes.
    t->setCurrentCell(2, 0);
    clic("elimina");
    messaggi.rispondi(QMessageBox::Cancel);
    f.reject();
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Chiudere?"));
    QVERIFY(f.isVisible());
    messaggi.rispondi(QMessageBox::Discard);
    f.reject();
    QVERIFY(!f.isVisible());
    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(GestioneValute::percorsoFile())), scritto);
}

void TestGestioneValute::cambioDigitato_data()
{
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("salvato"); // the stored millionths; empty: refused
    // Six decimals are stored as typed, also where the binary value lies
    // just below the decimal one (0.257227 is 257226.99999999997 millionths).
    QTest::newRow("0.257227, binary below") << "0.257227" << "257227";
    QTest::newRow("0,506817, binary below") << "0,506817" << "506817";
    QTest::newRow("2.011427, binary below") << "2.011427" << "2011427";
    QTest::newRow("large rate") << "33'000.000013" << "33000000013";
    QTest::newRow("trailing zero") << "1.2345670" << "1234567";
    QTest::newRow("seven decimals") << "0.2572275" << "";
}

// A rate typed in the window is stored to the millionth exactly as typed.
void TestGestioneValute::cambioDigitato()
{
    QFETCH(QString, digitato);
    QFETCH(QString, salvato);
    GestioneValute f;
    auto* t = f.findChild<QTableWidget*>(QStringLiteral("tabella"));
    RegistroMessaggi messaggi;
    f.findChild<QPushButton*>(QStringLiteral("aggiungi"))->click();
    const QStringList riga = {QStringLiteral("GBP"), QStringLiteral("Sterlina"), QStringLiteral("L"), digitato};
    for (int c = 0; c < riga.size(); ++c)
        t->item(t->rowCount() - 1, c)->setText(riga.at(c));
    f.findChild<QPushButton*>(QStringLiteral("salva"))->click();
    const QString scritto = QString::fromUtf8(AmbienteTest::leggi(GestioneValute::percorsoFile()));
    if (salvato.isEmpty()) {
        QVERIFY2(messaggi.ultimoTesto().contains(digitato), qPrintable(messaggi.ultimoTesto()));
        QVERIFY(scritto.isEmpty());
    } else {
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Valute salvate."));
        QVERIFY2(scritto.endsWith(QStringLiteral("\nGBP;Sterlina;L;%1;0\n").arg(salvato)), qPrintable(scritto));
    }
}

VARDELLO_TEST_MAIN(TestGestioneValute)
#include "tst_gestionevalute.moc"
