#include "ambientetest.h"
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
    void finestra();
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
    QTest::newRow("no file: built-in") << QByteArray() << 3 << qint64(1000000) << true;
    QTest::newRow("four fields: built-in") << QByteArray("XYZ;Valuta X;X;1200000;\n") << 3 << qint64(1000000) << true;
    QTest::newRow("empty flag") << QByteArray("XYZ;Valuta X;X;1200000;;\n") << 1 << qint64(1200000) << false;
    QTest::newRow("rate 12abc") << QByteArray("XYZ;Valuta X;X;12abc;1") << 1 << qint64(12) << true;
    QTest::newRow("rate -5, sixth field") << QByteArray("XYZ;X;X; -5;1;x\nXYZ;X;X;abc;1\n") << 1 << qint64(-5) << true;
}

void TestGestioneValute::leggi()
{
    QFETCH(QByteArray, contenuto);
    const QString percorso = AmbienteTest::home() + QStringLiteral("/valute.txt");
    if (!contenuto.isEmpty())
        AmbienteTest::scrivi(percorso, contenuto);
    const std::vector<Valuta> v = leggiValute(percorso.toStdString());
    QTEST(int(v.size()), "quante");
    QTEST(qint64(v.front().tasso), "tasso");
    QTEST(v.front().arrotonda5, "arrotonda5");
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
    // Each refused row names row 4 and writes nothing.
    const QList<QStringList> rifiutate = {{" eur ", "Euro bis", "E", "0,95"},
                                          {"GBP", "Sterlina", "£", "0.0000001"},
                                          {"GBP", "Sterlina;UK", "£", "1,15"}};
    for (const QStringList& riga : rifiutate) {
        for (int c = 0; c < 4; ++c)
            t->item(3, c)->setText(riga.at(c));
        clic("salva");
        QVERIFY2(messaggi.ultimoTesto().startsWith(QStringLiteral("Riga 4:")), qPrintable(messaggi.ultimoTesto()));
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
    clic("salva");
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Valute salvate."));
    const QString scritto = QString::fromUtf8(AmbienteTest::leggi(GestioneValute::percorsoFile()));
    QCOMPARE(scritto, QString::fromUtf8("CHF;Franco svizzero;Fr.;1000000;0\nEUR;Euro;EUR;930000;0\n"
                                        "USD;Dollaro USA;USD;880000;0\nGBP; Sterlina ;£;1150000;1\n"));

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

VARDELLO_TEST_MAIN(TestGestioneValute)
#include "tst_gestionevalute.moc"
