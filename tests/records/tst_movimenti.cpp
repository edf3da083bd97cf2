#include "ambientetest.h"
#include "movimenti.h"

#include <QDir>
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

void TestMovimenti::lettura_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("attesi");

    QTest::newRow("last block without empty line")
        << QByteArray("importo=10\n\nimporto=20\ntipo=x") << QStringList{"||10.00|3|11111111|", "|x|20.00|3|11111111|"};
    QTest::newRow("only an amount: defaults")
        << QByteArray("importo=5.5\n") << QStringList{"||5.50|3|11111111|"};
    QTest::newRow("stray line makes a default movement")
        << QByteArray("importo=1\n\nriga vagante\n\nimporto=2\n\n")
        << QStringList{"||1.00|3|11111111|", "||0.00|3|11111111|", "||2.00|3|11111111|"};
    QTest::newRow("several empty lines, CR LF, blanks")
        << QByteArray("\r\n\r\n  importo=7\r\n\r\n\r\n   \r\nimporto=8\r\n")
        << QStringList{"||7.00|3|11111111|", "||8.00|3|11111111|"};
    QTest::newRow("only 1 is true")
        << QByteArray("soggettoAVS=true\nsoggettoAD=0\nsoggettoIF= 1\nsoggettoLPP=1\n")
        << QStringList{"||0.00|3|00111110|"};
    QTest::newRow("bad numbers read as 0, unknown keys ignored")
        << QByteArray("importo=dieci\ncategoriaCertificato=x\naltro=5\ndescrizione=a=b\n")
        << QStringList{"||0.00|0|11111111|a=b"};
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestMovimenti::lettura()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, attesi);
    AmbienteTest::scrivi(Movimenti::percorsoFile(kId), contenuto);
    QStringList letti;
    for (const MovimentoStipendio& m : Movimenti::carica(kId))
        letti.append(descrivi(m));
    QCOMPARE(letti, attesi);
}

void TestMovimenti::preset_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("categoria");
    QTest::addColumn<QString>("bandiere");

    // Unknown kinds keep the record's values: category 99, flags 01010101.
    QTest::newRow("Gratifica") << "Gratifica natalizia" << 3 << "11111111";
    QTest::newRow("BONUS") << "BONUS" << 3 << "11111111";
    QTest::newRow("13a") << "13a mensilità" << 1 << "11111111";
    QTest::newRow("14 anything") << "14xyz" << 1 << "11111111";
    QTest::newRow("accented mensilità") << "mensilità" << 99 << "01010101";
    QTest::newRow("rimborso") << "Rimborso km" << 131 << "00000001";
    QTest::newRow("forfettarie") << "Spese forfettarie" << 132 << "00000001";
    QTest::newRow("CdA") << "CdA onorario" << 6 << "11111111";
    QTest::newRow("assegni familiari") << "Assegni familiari" << 15 << "00000001";
    QTest::newRow("prefix not at start") << "Una gratifica" << 99 << "01010101";
}

void TestMovimenti::preset()
{
    QFETCH(QString, tipo);
    QFETCH(int, categoria);
    QFETCH(QString, bandiere);
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
