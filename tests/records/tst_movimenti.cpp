#include "ambientetest.h"
#include "movimenti.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString kId = QStringLiteral("Rossi_Mario.txt");

QString bandiere(const MovimentoStipendio& m)
{
    QString s;
    for (bool b : {m.soggettoAVS, m.soggettoAD, m.applicaMassimaleAD, m.soggettoCAF, m.soggettoLAINF,
                   m.applicaMassimaleLAINF, m.soggettoLPP, m.soggettoIF})
        s += b ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

// One movement as text, for comparisons.
QString descrivi(const MovimentoStipendio& m)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(m.data, m.tipo, QString::number(m.importo, 'f', 2), QString::number(m.categoriaCertificato), bandiere(m),
             m.descrizione);
}

} // namespace

class TestMovimenti : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void percorso();
    void salvaERilegge();
    void testiSuUnaRiga_data();
    void testiSuUnaRiga();
    void lettura_data();
    void lettura();
    void preset_data();
    void preset();
    void salvataggi();
};

void TestMovimenti::percorso()
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/movimenti");
    QCOMPARE(Movimenti::percorsoFile(kId), cartella + QStringLiteral("/Rossi_Mario.txt.txt"));
    QVERIFY(QFileInfo(cartella).isDir());
    QVERIFY(Movimenti::percorsoFile(QStringLiteral("../fuori")).isEmpty());
    QVERIFY(Movimenti::percorsoFile(QString()).isEmpty());
    QVERIFY(!Movimenti::salva(QStringLiteral("../fuori"), {MovimentoStipendio()}));
    QVERIFY(Movimenti::carica(QStringLiteral("..")).isEmpty());
    QVERIFY(Movimenti::carica(kId).isEmpty()); // no file
}

void TestMovimenti::salvaERilegge()
{
    MovimentoStipendio a;
    a.data = QStringLiteral("2026-03-31");
    a.tipo = QStringLiteral("Gratifica");
    a.importo = 1234.567;
    a.descrizione = QStringLiteral("Premio = risultato è ottimo");
    MovimentoStipendio b;
    b.data = QStringLiteral("2026-04-01");
    b.tipo = QStringLiteral("Rimborso spese");
    b.importo = -80;
    Movimenti::applicaPreset(b);
    b.soggettoLAINF = true;

    QVERIFY(Movimenti::salva(kId, {a, b}));
    const QByteArray scritto = AmbienteTest::leggi(Movimenti::percorsoFile(kId));
    QVERIFY(scritto.startsWith("data=2026-03-31\ntipo=Gratifica\nimporto=1234.57\ncategoriaCertificato=3\n"
                               "soggettoAVS=1\nsoggettoAD=1\napplicaMassimaleAD=1\nsoggettoCAF=1\nsoggettoLAINF=1\n"
                               "applicaMassimaleLAINF=1\nsoggettoLPP=1\nsoggettoIF=1\n"));
    QVERIFY(scritto.endsWith("descrizione=\n\n"));

    const QList<MovimentoStipendio> letti = Movimenti::carica(kId);
    QCOMPARE(letti.size(), 2);
    QCOMPARE(descrivi(letti.at(0)),
             QStringLiteral("2026-03-31|Gratifica|1234.57|3|11111111|Premio = risultato è ottimo"));
    QCOMPARE(descrivi(letti.at(1)), QStringLiteral("2026-04-01|Rimborso spese|-80.00|131|00001001|"));
}

void TestMovimenti::testiSuUnaRiga_data()
{
    QTest::addColumn<QString>("testo");
    QTest::newRow("LF and a paid block") << QStringLiteral("nota\n\nimporto=9999\nsoggettoIF=1");
    QTest::newRow("CR LF") << QStringLiteral("nota\r\n\r\nimporto=9999");
    QTest::newRow("lone CR") << QStringLiteral("nota\r\rimporto=9999");
    QTest::newRow("Unicode line separator") << QStringLiteral("nota\u2028\u2028importo=9999");
}

void TestMovimenti::testiSuUnaRiga()
{
    // A line break in a text must not create a second, paid movement on reload.
    QFETCH(QString, testo);
    MovimentoStipendio m;
    m.data = QStringLiteral("2026-05-10");
    m.importo = 100;
    m.tipo = testo;
    m.descrizione = testo;
    QVERIFY(Movimenti::salva(kId, {m}));
    const QList<MovimentoStipendio> letti = Movimenti::carica(kId);
    QCOMPARE(letti.size(), 1);
    QCOMPARE(letti.at(0).importo, 100.0);
    QVERIFY(letti.at(0).descrizione.startsWith(QLatin1String("nota")));
    QVERIFY(letti.at(0).descrizione.contains(QLatin1String("importo=9999")));
    QCOMPARE(letti.at(0).data, QStringLiteral("2026-05-10"));
}

namespace {

// A whole block as the store writes it, with the thirteen keys.
QByteArray blocco(const char* data, const char* importo, const char* bandiere = "11111111")
{
    const char* nomi[] = {"soggettoAVS", "soggettoAD", "applicaMassimaleAD", "soggettoCAF",
                          "soggettoLAINF", "applicaMassimaleLAINF", "soggettoLPP", "soggettoIF"};
    QByteArray b = QByteArray("data=") + data + "\ntipo=Gratifica\nimporto=" + importo + "\ncategoriaCertificato=3\n";
    for (int i = 0; i < 8; ++i)
        b += QByteArray(nomi[i]) + '=' + bandiere[i] + '\n';
    return b + "descrizione=d\n";
}

} // namespace

void TestMovimenti::lettura_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("attesi");
    QTest::addColumn<QString>("difetti"); // every "riga N" of the error; empty: read cleanly

    const QByteArray a = blocco("2026-03-31", "500.00");
    const QByteArray b = blocco("2026-04-30", "80.50", "00000001");
    const QString da = QStringLiteral("2026-03-31|Gratifica|500.00|3|11111111|d");
    const QString db = QStringLiteral("2026-04-30|Gratifica|80.50|3|00000001|d");
    QTest::newRow("last block without empty line") << a + '\n' + b << QStringList{da, db} << "";
    QTest::newRow("several empty lines, BOM, blanks")
        << "\xEF\xBB\xBF\n\n  " + a + " \n\n \t\n" + b << QStringList{da, db} << "";
    QTest::newRow("empty file") << QByteArray() << QStringList() << "";
    // Damage: named by line; what read is still listed.
    QTest::newRow("block split by an empty line")
        << a + '\n' + QByteArray(b).replace("importo=", "\nimporto=")
        << QStringList{da, "2026-04-30|Gratifica|0.00|3|11111111|", "||80.50|3|00000001|d"}
        << "riga 15 riga 18";
    QTest::newRow("empty line missing between blocks") << a + b << QStringList{da, db} << "riga 14";
    QTest::newRow("stray line") << a + "\nriga vagante\n\n" + b << QStringList{da, db} << "riga 15";
    QTest::newRow("unknown or damaged key")
        << QByteArray(a).replace("importo=", "imporo=") << QStringList{"2026-03-31|Gratifica|0.00|3|11111111|d"}
        << "riga 1 riga 3";
    QTest::newRow("junk after the amount") << QByteArray(a).replace("500.00", "500.00abc")
                                           << QStringList{"2026-03-31|Gratifica|0.00|3|11111111|d"} << "riga 3";
    QTest::newRow("flag true") << QByteArray(a).replace("soggettoAD=1", "soggettoAD=true")
                               << QStringList{"2026-03-31|Gratifica|500.00|3|10111111|d"} << "riga 6";
    QTest::newRow("NUL") << QByteArray(a).replace("tipo=Gratifica", QByteArray("tipo=Grat\0ifica", 15))
                         << QStringList{"2026-03-31||500.00|3|11111111|d"} << "riga 1 riga 2";
    QTest::newRow("only an amount") << QByteArray("importo=5.5\n") << QStringList{"||5.50|3|11111111|"} << "riga 1";
}

void TestMovimenti::lettura()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, attesi);
    QFETCH(QString, difetti);
    const QString percorso = Movimenti::percorsoFile(kId);
    auto leggi = [&](const QByteArray& byte, QString* errore) {
        AmbienteTest::scrivi(percorso, byte);
        QStringList letti;
        for (const MovimentoStipendio& m : Movimenti::carica(kId, errore))
            letti.append(descrivi(m));
        return letti;
    };
    QString errore;
    QCOMPARE(leggi(contenuto, &errore), attesi);
    const QRegularExpression riga(QStringLiteral("riga \\d+"));
    QStringList righe;
    for (auto it = riga.globalMatch(errore); it.hasNext();)
        righe.append(it.next().captured());
    QCOMPARE(righe.join(QLatin1Char(' ')), difetti);
    if (!difetti.isEmpty())
        QVERIFY2(errore.contains(percorso), qPrintable(errore));
    // The same file with CR LF line ends reads the same.
    QString erroreCrLf;
    QCOMPARE(leggi(QByteArray(contenuto).replace("\n", "\r\n"), &erroreCrLf), attesi);
    QCOMPARE(erroreCrLf, errore);
}

void TestMovimenti::preset_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QString>("bandiere");
    QTest::addColumn<bool>("ricorrente"); // paid every month: family allowances and flat expenses only

    // Unknown kinds keep the record's values: category 99, flags 01010101;
    // they are payments of their month alone.
    QTest::newRow("Gratifica") << "Gratifica natalizia" << 3 << "11111111" << false;
    QTest::newRow("BONUS") << "BONUS" << 3 << "11111111" << false;
    QTest::newRow("13a") << "13a mensilità" << 1 << "11111111" << false;
    QTest::newRow("14 anything") << "14xyz" << 1 << "11111111" << false;
    QTest::newRow("accented mensilità") << "mensilità" << 99 << "01010101" << false;
    QTest::newRow("rimborso") << "Rimborso km" << 131 << "00000001" << false;
    QTest::newRow("forfettarie") << "Spese forfettarie" << 132 << "00000001" << true;
    QTest::newRow("forfetarie") << "Spese forfetarie" << 132 << "00000001" << true;
    QTest::newRow("spese") << "Spese di viaggio" << 131 << "00000001" << false;
    QTest::newRow("CdA") << "CdA onorario" << 6 << "11111111" << false;
    QTest::newRow("assegni familiari") << "Assegni familiari" << 15 << "00000001" << true;
    QTest::newRow("prefix not at start") << "Una gratifica" << 99 << "01010101" << false;
    // The same groups in the other languages, with or without accents; the
    // longest word that begins the kind decides.
    QTest::newRow("Spesen") << "Spesen" << 131 << "00000001" << false;
    QTest::newRow("Remboursement de frais") << "Remboursement de frais" << 131 << "00000001" << false;
    QTest::newRow("frais de déplacement") << "frais de déplacement" << 131 << "00000001" << false;
    QTest::newRow("Expense refund") << "Expense refund" << 131 << "00000001" << false;
    QTest::newRow("GASTOS de viaje") << "GASTOS de viaje" << 131 << "00000001" << false;
    QTest::newRow("Spesenpauschale") << "Spesenpauschale" << 132 << "00000001" << true;
    QTest::newRow("Frais forfaitaires") << "Frais forfaitaires" << 132 << "00000001" << true;
    QTest::newRow("Prämie") << "Prämie" << 3 << "11111111" << false;
    QTest::newRow("Praemie") << "Praemie" << 3 << "11111111" << false;
    QTest::newRow("prime de fin d'année") << "prime de fin d'année" << 3 << "11111111" << false;
    QTest::newRow("Bonificación") << "Bonificación" << 3 << "11111111" << false;
    QTest::newRow("bonificacion") << "bonificacion" << 3 << "11111111" << false;
    QTest::newRow("Treizième salaire") << "Treizième salaire" << 1 << "11111111" << false;
    QTest::newRow("Weiterbildung") << "Weiterbildung" << 133 << "00000001" << false;
    QTest::newRow("Prévoyance capital") << "Prévoyance capital" << 4 << "00000001" << false;
    QTest::newRow("Verwaltungsrat") << "Verwaltungsratshonorar" << 6 << "11111111" << false;
    QTest::newRow("Ausbildungszulage") << "Ausbildungszulage" << 15 << "00000001" << true;
    QTest::newRow("Allocations familiales") << "Allocations familiales" << 15 << "00000001" << true;
    QTest::newRow("Subsidios familiares") << "Subsidios familiares" << 15 << "00000001" << true;
}

void TestMovimenti::preset()
{
    QFETCH(QString, tipo);
    QFETCH(int, categoria);
    QFETCH(QString, bandiere);
    QFETCH(bool, ricorrente);
    MovimentoStipendio m;
    m.tipo = tipo;
    m.data = QStringLiteral("2026-01-31");
    m.importo = 50;
    m.descrizione = QStringLiteral("d");
    m.categoriaCertificato = 99;
    m.soggettoAVS = m.applicaMassimaleAD = m.soggettoLAINF = m.soggettoLPP = false;
    Movimenti::applicaPreset(m);
    QCOMPARE(m.categoriaCertificato, categoria);
    QCOMPARE(::bandiere(m), bandiere);
    // Date, kind, amount and description stay as they were.
    QCOMPARE(descrivi(m).section(QLatin1Char('|'), 0, 2), QStringLiteral("2026-01-31|%1|50.00").arg(tipo));
    QCOMPARE(m.descrizione, QStringLiteral("d"));
    QCOMPARE(Movimenti::ricorrente(m), ricorrente);
    QCOMPARE(Movimenti::mensilitaAggiuntiva(m), categoria == 1);
}

void TestMovimenti::salvataggi()
{
    QVERIFY(Movimenti::salva(kId, {MovimentoStipendio()}));
    QVERIFY(Movimenti::salva(kId, {}));
    QCOMPARE(QFileInfo(Movimenti::percorsoFile(kId)).size(), 0);
    QVERIFY(Movimenti::carica(kId).isEmpty());

    // A file that cannot be written is reported.
    const QString bloccato = QStringLiteral("Bloccato.txt");
    QVERIFY(QDir().mkpath(Movimenti::percorsoFile(bloccato)));
    QVERIFY(!Movimenti::salva(bloccato, {MovimentoStipendio()}));
}

VARDELLO_TEST_MAIN(TestMovimenti)
#include "tst_movimenti.moc"
