#include "ambientetest.h"
#include "impostafonte.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

namespace {

// A record of type 06 or 11 in the federal layout, 62 characters.
QByteArray record(const char* tipo, const char* cantone, const char* codice, double da, double aliquota,
                  double minimo = 0, int figli = 0, const char* data = "20260101")
{
    QByteArray r = QByteArray(tipo) + "01" + cantone + QByteArray(codice).leftJustified(10, ' ') + data;
    r += QByteArray::number(qRound64(da * 100)).rightJustified(9, '0');
    r += "000005000 ";
    r += QByteArray::number(figli).rightJustified(2, '0');
    r += QByteArray::number(qRound64(minimo * 100)).rightJustified(9, '0');
    r += QByteArray::number(qRound64(aliquota * 100)).rightJustified(5, '0');
    r += "   ";
    return r;
}

QString cartellaTariffe()
{
    return AmbienteTest::home() + QStringLiteral("/tariffe");
}

void scriviTariffa(const QString& nome, const QList<QByteArray>& righe, const QByteArray& fineRiga = "\r\n")
{
    QByteArray testo;
    for (const QByteArray& r : righe)
        testo += r + fineRiga;
    AmbienteTest::scrivi(cartellaTariffe() + QLatin1Char('/') + nome, testo);
}

QByteArray testata(const char* cantone)
{
    return QByteArray("00") + cantone + QByteArray(15, ' ') + "20251101" + QByteArray(83, ' ');
}

// The closing record: canton at 18-19, record count at 20-27.
QByteArray chiusura(const char* cantone, int conteggio)
{
    return QByteArray("99") + QByteArray(15, ' ') + cantone + QByteArray::number(conteggio).rightJustified(8, '0')
        + QByteArray(12, ' ');
}

// The warnings of the last load but those about the closing record.
QStringList avvisiSenzaRecordFinale()
{
    QStringList avvisi = ImpostaFonte::avvisi();
    avvisi.erase(std::remove_if(avvisi.begin(), avvisi.end(),
                                [](const QString& a) { return a.contains(QLatin1String("record finale")); }),
                 avvisi.end());
    return avvisi;
}

} // namespace

class TestImpostaFonte : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void fileGinevra_data();
    void fileGinevra();
    void scaglioni_data();
    void scaglioni();
    void altreFunzioni();
    void dueAnniDelloStessoCantone();
    void dannoDiUnAnno_data();
    void dannoDiUnAnno();
    void inputDifettoso_data();
    void inputDifettoso();
    void cartelle();
    void recordFinale_data();
    void recordFinale();
};

void TestImpostaFonte::fileGinevra_data()
{
    QTest::addColumn<QString>("tariffa");
    QTest::addColumn<double>("reddito");
    QTest::addColumn<double>("aliquota"); // rate of the matched line, percent

    QTest::newRow("A0N 5,000.00") << "A0N" << 5000.0 << 7.62;
    QTest::newRow("A0 without church letter finds A0N") << "A0" << 5000.0 << 7.62;
    QTest::newRow("A0N 2,450.00 starts its bracket") << "A0N" << 2450.0 << 0.09;
    QTest::newRow("A0N 2,449.95 still in the first") << "A0N" << 2449.95 << 0.0;
    QTest::newRow("first bracket from 0.00") << "A0N" << 0.0 << 0.0;
    QTest::newRow("B2N 6,501.00") << "B2N" << 6501.0 << 0.0;
    QTest::newRow("open last bracket") << "A0N" << 9000000.0 << 40.52;
    QTest::newRow("fixed single line E0N") << "E0" << 3000.0 << 5.0;
}

void TestImpostaFonte::fileGinevra()
{
    QFETCH(QString, tariffa);
    QFETCH(double, reddito);
    QFETCH(double, aliquota);

    static QTemporaryDir cartella;
    static bool pronto = false;
    if (!pronto) {
        const QString gz = qEnvironmentVariable("VARDELLO_DATI_TEST") + QStringLiteral("/tariffs/tar26ge.txt.gz");
        QVERIFY2(QFileInfo::exists(gz), qPrintable(gz));
        QProcess gzip;
        gzip.setStandardOutputFile(cartella.path() + QStringLiteral("/tar26ge.txt"));
        gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), gz});
        QVERIFY(gzip.waitForFinished(30000));
        QCOMPARE(gzip.exitCode(), 0);
        pronto = true;
    }
    QVERIFY(ImpostaFonte::caricaDa(cartella.path()));
    QVERIFY2(ImpostaFonte::avvisi().isEmpty(), qPrintable(ImpostaFonte::avvisi().join(QLatin1Char('\n'))));

    QCOMPARE(ImpostaFonte::cantoniDisponibili(), QStringList{QStringLiteral("GE")});
    QCOMPARE(ImpostaFonte::scalePerCantone(QStringLiteral("GE")).size(), 49);
    QCOMPARE(ImpostaFonte::categoriePerCantone(QStringLiteral("GE")),
             (QStringList{QStringLiteral("HEN"), QStringLiteral("MEN"), QStringLiteral("NON")}));
    QCOMPARE(ImpostaFonte::infoScala(QStringLiteral("GE"), QStringLiteral("A0")),
             QStringLiteral("GE/A0N: 1446 scaglioni, figli=0, chiesa=N"));
    QCOMPARE(ImpostaFonte::infoScala(QStringLiteral("GE"), QStringLiteral("H1")),
             QStringLiteral("GE/H1N: 1375 scaglioni, figli=1, chiesa=N"));

    const double imposta = ImpostaFonte::calcolaMensile(reddito, QStringLiteral("GE"), tariffa);
    QCOMPARE(QString::number(imposta, 'f', 4), QString::number(reddito * aliquota / 100.0, 'f', 4));
    QCOMPARE(ImpostaFonte::aliquotaMensile(reddito, QStringLiteral("GE"), tariffa), aliquota);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(10000, QStringLiteral("GE"), QStringLiteral("HE")), 2500.0);
}

void TestImpostaFonte::scaglioni_data()
{
    QTest::addColumn<QList<QByteArray>>("righe");
    QTest::addColumn<QString>("tariffa");
    QTest::addColumn<double>("reddito");
    QTest::addColumn<double>("imposta");

    const QList<QByteArray> ordinati = {record("06", "TI", "A0N", 1000, 1), record("06", "TI", "A0N", 2000, 2),
                                        record("06", "TI", "A0N", 3000, 3)};
    QTest::newRow("income equal to a threshold") << ordinati << "A0N" << 2000.0 << 40.0;
    QTest::newRow("just below a threshold") << ordinati << "A0N" << 1999.99 << 19.9999;
    QTest::newRow("above the last threshold") << ordinati << "A0N" << 10000.0 << 300.0;
    QTest::newRow("below the first threshold") << ordinati << "A0N" << 500.0 << 5.0;
    QTest::newRow("first bracket minimum applies")
        << QList<QByteArray>{record("06", "TI", "A0N", 1000, 1, 25), record("06", "TI", "A0N", 2000, 2)} << "A0N"
        << 500.0 << 25.0;
    QTest::newRow("minimum below the rate amount")
        << QList<QByteArray>{record("06", "TI", "A0N", 0, 10, 25)} << "A0N" << 1000.0 << 100.0;
    QTest::newRow("out of order: the scale counts as missing")
        << QList<QByteArray>{record("06", "TI", "A0N", 1000, 1), record("06", "TI", "A0N", 5000, 5),
                             record("06", "TI", "A0N", 3000, 3)}
        << "A0N" << 4000.0 << 0.0;
    QTest::newRow("out of order, above every threshold: missing too")
        << QList<QByteArray>{record("06", "TI", "A0N", 1000, 1), record("06", "TI", "A0N", 5000, 5),
                             record("06", "TI", "A0N", 3000, 3)}
        << "A0N" << 6000.0 << 0.0;
    QTest::newRow("scales interleaved, each rising")
        << QList<QByteArray>{record("06", "TI", "A0N", 0, 1), record("06", "TI", "B0N", 0, 2),
                             record("06", "TI", "A0N", 3000, 3), record("06", "TI", "B0N", 1000, 4)}
        << "A0N" << 4000.0 << 120.0;
    QTest::newRow("B1 finds B1Y") << QList<QByteArray>{record("06", "TI", "B1Y", 0, 4)} << "B1" << 1000.0 << 40.0;
    QTest::newRow("B1 without letter preferred")
        << QList<QByteArray>{record("06", "TI", "B1Y", 0, 4), record("06", "TI", "B1", 0, 3)} << "B1" << 1000.0
        << 30.0;
    QTest::newRow("N before Y")
        << QList<QByteArray>{record("06", "TI", "B1Y", 0, 4), record("06", "TI", "B1N", 0, 2)} << "B1" << 1000.0
        << 20.0;
    QTest::newRow("unknown code") << ordinati << "C0" << 5000.0 << 0.0;
    QTest::newRow("code case as in the file") << ordinati << "a0n" << 5000.0 << 0.0;
    QTest::newRow("record type other than 06 ignored")
        << QList<QByteArray>{record("06", "TI", "A0N", 0, 1), record("12", "TI", "A0N", 100, 9),
                             record("13", "TI", "A0N", 100, 9)}
        << "A0N" << 1000.0 << 10.0;
    QTest::newRow("two dates of one scale in one file: missing")
        << QList<QByteArray>{record("06", "TI", "A0N", 0, 1, 0, 0, "20250101"),
                             record("06", "TI", "A0N", 0, 2, 0, 0, "20260101"),
                             record("06", "TI", "A0N", 500, 7, 0, 0, "20250101")}
        << "A0N" << 1000.0 << 0.0;
}

void TestImpostaFonte::scaglioni()
{
    QFETCH(QList<QByteArray>, righe);
    QFETCH(QString, tariffa);
    QFETCH(double, reddito);
    QFETCH(double, imposta);

    scriviTariffa(QStringLiteral("tar26ti.txt"), righe);
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));
    QCOMPARE(QString::number(ImpostaFonte::calcolaMensile(reddito, QStringLiteral("TI"), tariffa), 'f', 4),
             QString::number(imposta, 'f', 4));
}

void TestImpostaFonte::altreFunzioni()
{
    scriviTariffa(QStringLiteral("tar26ti.txt"),
                  {record("06", "TI", "A0N", 0, 0, 10), record("06", "TI", "A0N", 1000, 5),
                   record("06", "TI", "A0N", 3000, 10), record("06", "TI", "B0N", 0, 2, 0, 0),
                   record("06", "TI", "H2Y", 0, 2, 0, 2), record("11", "TI", "HEN", 0, 25),
                   record("11", "TI", "HEN", 0, 20), record("11", "TI", "MEN", 0, 31.5)});
    scriviTariffa(QStringLiteral("tar26zh.txt"), {record("11", "ZH", "NON", 0, 0)});
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));

    const QString ti = QStringLiteral("TI");
    const QString a0 = QStringLiteral("A0");
    // Annual: 12 x the tax of the average month.
    QCOMPARE(ImpostaFonte::calcolaAnnuale(24000, ti, a0), 12 * 100.0);
    QCOMPARE(ImpostaFonte::calcolaAnnuale(6000, ti, a0), 12 * 10.0); // minimum of the first bracket
    QCOMPARE(ImpostaFonte::conguaglioAnnuale(48000, 1000, ti, a0), 12 * 400.0 - 1000);
    QCOMPARE(ImpostaFonte::conguaglioAnnuale(48000, 1000, ti, QStringLiteral("Z9")), -1000.0);
    QCOMPARE(ImpostaFonte::calcolaParziale(6000, 3, ti, a0), 3 * 100.0);
    QCOMPARE(ImpostaFonte::calcolaParziale(6000, 0, ti, a0), 0.0);
    QCOMPARE(ImpostaFonte::calcolaParziale(6000, -2, ti, a0), 0.0);
    // The bracket's rate, 0 where its minimum is the tax or without a scale.
    QCOMPARE(ImpostaFonte::aliquotaMensile(2000, ti, a0), 5.0);
    QCOMPARE(ImpostaFonte::aliquotaMensile(500, ti, a0), 0.0);
    QCOMPARE(ImpostaFonte::aliquotaMensile(2000, ti, QStringLiteral("Z9")), 0.0);
    // Fixed-rate categories: a later record replaces, no minimum, suffixes.
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(1000, ti, QStringLiteral("HE")), 200.0);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(1000, ti, QStringLiteral("MEN")), 315.0);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(1000, ti, QStringLiteral("A0N")), 0.0);

    QCOMPARE(ImpostaFonte::infoScala(ti, QStringLiteral("H2")), QStringLiteral("TI/H2Y: 1 scaglioni, figli=2, chiesa=Y"));
    QCOMPARE(ImpostaFonte::infoScala(ti, QStringLiteral("X")), QStringLiteral("(scala non trovata)"));
    QCOMPARE(ImpostaFonte::scalePerCantone(ti),
             (QStringList{QStringLiteral("A0N"), QStringLiteral("B0N"), QStringLiteral("H2Y")}));
    QCOMPARE(ImpostaFonte::categoriePerCantone(ti), (QStringList{QStringLiteral("HEN"), QStringLiteral("MEN")}));
    QCOMPARE(ImpostaFonte::scalePerCantone(QStringLiteral("T")), QStringList());
    QCOMPARE(ImpostaFonte::cantoniDisponibili(), (QStringList{ti, QStringLiteral("ZH")}));
}

void TestImpostaFonte::dueAnniDelloStessoCantone()
{
    // Files of two years for one canton: the newest valid-from date holds,
    // whatever the order the files are read in.
    scriviTariffa(QStringLiteral("tar25ti.txt"),
                  {record("06", "TI", "A0N", 0, 1, 0, 0, "20250101"), record("06", "TI", "A0N", 4000, 4, 0, 0, "20250101"),
                   record("06", "TI", "C0N", 0, 3, 0, 0, "20250101"), record("11", "TI", "HEN", 0, 30, 0, 0, "20250101")});
    scriviTariffa(QStringLiteral("tar26ti.txt"),
                  {record("06", "TI", "A0N", 0, 2), record("06", "TI", "A0N", 5000, 5), record("11", "TI", "HEN", 0, 25)});
    scriviTariffa(QStringLiteral("tar24ti.txt"), {record("06", "TI", "A0N", 0, 9, 0, 0, "20240101"),
                                                  record("11", "TI", "HEN", 0, 9, 0, 0, "20240101")});
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));
    QCOMPARE(ImpostaFonte::infoScala(QStringLiteral("TI"), QStringLiteral("A0")),
             QStringLiteral("TI/A0N: 2 scaglioni, figli=0, chiesa=N"));
    QCOMPARE(ImpostaFonte::calcolaMensile(4500, QStringLiteral("TI"), QStringLiteral("A0")), 90.0);
    QCOMPARE(ImpostaFonte::calcolaMensile(6000, QStringLiteral("TI"), QStringLiteral("A0")), 300.0);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(100, QStringLiteral("TI"), QStringLiteral("HEN")), 25.0);
    // A scale only the older file has stays available.
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, QStringLiteral("TI"), QStringLiteral("C0")), 30.0);
}

// A scale or category damaged in one year's file counts as missing only
// where no clean file of a later year replaces it.
void TestImpostaFonte::dannoDiUnAnno_data()
{
    QTest::addColumn<QList<QByteArray>>("righe25");
    QTest::addColumn<QList<QByteArray>>("righe26");
    QTest::addColumn<double>("imposta"); // ZH A0 at 1000; 0 when the scale is missing
    QTest::addColumn<double>("fissa");   // ZH HE at 1000
    QTest::addColumn<QString>("file");   // the file the warnings name

    const auto r25 = [](const char* tipo, const char* codice, double da, double aliquota) {
        return record(tipo, "ZH", codice, da, aliquota, 0, 0, "20250101");
    };
    const QList<QByteArray> puliti25 = {r25("06", "A0N", 0, 1), r25("06", "A0N", 2000, 2), r25("11", "HEN", 0, 20)};
    const QList<QByteArray> puliti26 = {record("06", "ZH", "A0N", 0, 3), record("06", "ZH", "A0N", 2000, 4),
                                        record("11", "ZH", "HEN", 0, 25)};
    const QList<QByteArray> contraddizione25 = {r25("06", "A0N", 2000, 2), r25("06", "A0N", 1000, 1),
                                                r25("11", "HEN", 0, 20)};
    QTest::newRow("contradiction in 2025, clean 2026") << contraddizione25 << puliti26 << 30.0 << 250.0
                                                       << "tar25zh.txt";
    QTest::newRow("damaged 2025 record, clean 2026")
        << QList<QByteArray>{r25("06", "A0N", 0, 1).replace(56, 1, "x"), r25("11", "HEN", 0, 20).replace(56, 1, "x")}
        << puliti26 << 30.0 << 250.0 << "tar25zh.txt";
    QTest::newRow("2025 file without a readable date: the year of its name")
        << QList<QByteArray>{r25("06", "A0N", 0, 1).replace(20, 1, "O")} << puliti26 << 30.0 << 250.0
        << "tar25zh.txt";
    QTest::newRow("clean 2025, contradiction in 2026")
        << puliti25
        << QList<QByteArray>{record("06", "ZH", "A0N", 2000, 4), record("06", "ZH", "A0N", 0, 3),
                             record("11", "ZH", "HEN", 0, 25)}
        << 0.0 << 250.0 << "tar26zh.txt";
    QTest::newRow("contradiction in 2025, 2026 without the scale")
        << contraddizione25 << QList<QByteArray>{record("06", "ZH", "B0N", 0, 3)} << 0.0 << 200.0 << "tar25zh.txt";
}

void TestImpostaFonte::dannoDiUnAnno()
{
    QFETCH(QList<QByteArray>, righe25);
    QFETCH(QList<QByteArray>, righe26);
    QFETCH(double, imposta);
    QFETCH(double, fissa);
    QFETCH(QString, file);

    const QString zh = QStringLiteral("ZH");
    scriviTariffa(QStringLiteral("tar25zh.txt"), righe25);
    scriviTariffa(QStringLiteral("tar26zh.txt"), righe26);
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, zh, QStringLiteral("A0")), imposta);
    QCOMPARE(ImpostaFonte::haScala(zh, QStringLiteral("A0")), imposta != 0.0);
    QCOMPARE(ImpostaFonte::scalaDanneggiata(zh, QStringLiteral("A0")), imposta == 0.0);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(1000, zh, QStringLiteral("HE")), fissa);

    const QStringList avvisi = avvisiSenzaRecordFinale();
    QVERIFY(!avvisi.isEmpty());
    for (const QString& a : qAsConst(avvisi))
        QVERIFY2(a.contains(QStringLiteral("file %1, riga").arg(file)), qPrintable(a));
}

// A damaged bracket or category record is reported with its file and line,
// and the scale or category it belongs to counts as missing; the other
// scales of the file load as they are.
void TestImpostaFonte::inputDifettoso_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<bool>("caricato");
    QTest::addColumn<double>("imposta"); // TI `tariffa` at 1000; 0 when the scale is missing
    QTest::addColumn<QString>("tariffa");
    QTest::addColumn<double>("impostaB0"); // TI B0 at 1000
    QTest::addColumn<double>("fissa");     // TI HE at 1000
    QTest::addColumn<QStringList>("danni"); // "riga N: what is wrong", or the whole warning

    const QByteArray buona = record("06", "TI", "A0N", 0, 3);
    QTest::newRow("empty file") << QByteArray() << false << 0.0 << "A0N" << 0.0 << 0.0 << QStringList();
    QTest::newRow("short lines only") << QByteArray("06\r\n0601TIA0N\r\n\r\n") << true << 0.0 << "A0N" << 0.0 << 0.0
                                      << QStringList{"riga 1: 2 byte invece di 62", "riga 2: 9 byte invece di 62"};
    QTest::newRow("last line without line end") << QByteArray("00TI\r\n" + buona) << true << 30.0 << "A0N" << 0.0
                                                << 0.0 << QStringList();
    QTest::newRow("LF line ends") << QByteArray(buona + "\n") << true << 30.0 << "A0N" << 0.0 << 0.0 << QStringList();
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" + buona) << true << 30.0 << "A0N" << 0.0 << 0.0
                                     << QStringList();
    QTest::newRow("non-numeric threshold and minimum")
        << QByteArray(QByteArray(buona).replace(24, 9, "ABCDEFGHI").replace(45, 9, "---------")) << true << 0.0
        << "A0N" << 0.0 << 0.0 << QStringList{"riga 1: campo non numerico alle posizioni 25-33: \"ABCDEFGHI\""};
    QTest::newRow("blank numeric fields")
        << QByteArray(QByteArray(buona).replace(24, 35, QByteArray(35, ' '))) << true << 0.0 << "A0N" << 0.0 << 0.0
        << QStringList{"riga 1: campo non numerico alle posizioni 25-33: \"         \""};
    QTest::newRow("very long line") << QByteArray(buona + QByteArray(5000000, 'x')) << true << 0.0 << "A0N" << 0.0
                                    << 0.0 << QStringList{"riga 1: 5000062 byte invece di 62"};
    QTest::newRow("accented letter in the code")
        << QByteArray("0601TIA0N \xC3\xA8     20260101000000000000005000 0000000000000300   ") << true << 0.0
        << QString::fromUtf8("A0N \xC3\xA8") << 0.0 << 0.0 << QStringList{"riga 1: carattere non valido alla posizione 11"};
    QTest::newRow("NUL bytes") << QByteArray(200, '\0') << true << 0.0 << "A0N" << 0.0 << 0.0
                               << QStringList{"riga 1: carattere non valido alla posizione 1"};

    // Header, A0N from 0 at 1 %, A0N from 2000 at 2 %, B0N at 3 %, HEN at
    // 25 %, closing record: clean, A0N at 1000 is 10.00, B0N 30.00, HEN 250.00.
    const QList<QByteArray> righe = {testata("TI"), record("06", "TI", "A0N", 0, 1), record("06", "TI", "A0N", 2000, 2),
                                     record("06", "TI", "B0N", 0, 3), record("11", "TI", "HEN", 0, 25),
                                     chiusura("TI", 6)};
    // The file with line `n` (from 1) changed.
    const auto file = [&righe](int n, const QByteArray& riga) {
        QList<QByteArray> r = righe;
        r[n - 1] = riga;
        return r.join("\r\n");
    };
    const QByteArray a2 = righe.at(2); // rate "00200" at 55-59, threshold "000200000" at 25-33
    QTest::newRow("clean") << righe.join("\r\n") << true << 10.0 << "A0" << 30.0 << 250.0 << QStringList();
    QTest::newRow("letter in a rate") << file(3, QByteArray(a2).replace(56, 1, "x")) << true << 0.0 << "A0" << 30.0
                                      << 250.0 << QStringList{"riga 3: campo non numerico alle posizioni 55-59: \"00x00\""};
    QTest::newRow("byte 0xB1 in a rate") << file(3, QByteArray(a2).replace(56, 1, "\xB1")) << true << 0.0 << "A0"
                                         << 30.0 << 250.0
                                         << QStringList{"riga 3: carattere non valido alla posizione 57"};
    QTest::newRow("letter O in a threshold")
        << file(3, QByteArray(a2).replace(26, 1, "O")) << true << 0.0 << "A0" << 30.0 << 250.0
        << QStringList{"riga 3: campo non numerico alle posizioni 25-33: \"00O200000\""};
    QTest::newRow("byte 0xB1 in a threshold") << file(3, QByteArray(a2).replace(27, 1, "\xB1")) << true << 0.0 << "A0"
                                              << 30.0 << 250.0
                                              << QStringList{"riga 3: carattere non valido alla posizione 28"};
    QTest::newRow("NUL inside a line") << file(3, QByteArray(a2).insert(30, '\0')) << true << 0.0 << "A0" << 30.0
                                       << 250.0 << QStringList{"riga 3: carattere non valido alla posizione 31"};
    QTest::newRow("short record") << file(3, a2.left(59)) << true << 0.0 << "A0" << 30.0 << 250.0
                                  << QStringList{"riga 3: 59 byte invece di 62"};
    QTest::newRow("letter in the children") << file(4, record("06", "TI", "B0N", 0, 3).replace(44, 1, "X")) << true
                                            << 10.0 << "A0" << 0.0 << 250.0
                                            << QStringList{"riga 4: campo non numerico alle posizioni 44-45: \"0X\""};
    QTest::newRow("damaged category") << file(5, record("11", "TI", "HEN", 0, 25).replace(58, 1, "-")) << true << 10.0
                                      << "A0" << 30.0 << 0.0
                                      << QStringList{"riga 5: campo non numerico alle posizioni 55-59: \"0250-\""};
    // A code or record type that cannot be read: the scales of the records
    // before (A0N) and after (B0N) count as missing.
    QTest::newRow("byte 0xB1 in the code") << file(3, QByteArray(a2).replace(7, 1, "\xB1")) << true << 0.0 << "A0"
                                           << 0.0 << 250.0
                                           << QStringList{"riga 3: carattere non valido alla posizione 8"};
    QTest::newRow("unknown record type") << file(3, QByteArray(a2).replace(1, 1, "7")) << true << 0.0 << "A0" << 0.0
                                         << 250.0 << QStringList{"riga 3: tipo di record sconosciuto: \"07\""};
    // A0N damaged, A0Y whole: A0 finds nothing rather than A0Y.
    QTest::newRow("no other church letter instead")
        << file(4, record("06", "TI", "A0Y", 0, 3)) + "\r\n" + QByteArray(a2).replace(56, 1, "x") << true << 0.0 << "A0"
        << 0.0 << 250.0
        << QStringList{"riga 7: campo non numerico alle posizioni 55-59: \"00x00\""};
    // A scale that contradicts itself: one warning at the first record that
    // does, the scale missing, the others as they are.
    const QString contraddice = QStringLiteral("Tariffe TI, file tar26ti.txt, riga %1: la tariffa %2 si contraddice (%3); "
                                               "la tariffa non viene usata.");
    QTest::newRow("threshold falling") << file(2, record("06", "TI", "A0N", 2500, 1)) << true << 0.0 << "A0" << 30.0
                                       << 250.0
                                       << QStringList{contraddice.arg(3).arg("A0N", "reddito da 2000.00 non superiore "
                                                                                    "a 2500.00 del record precedente")};
    QTest::newRow("threshold repeated") << file(3, record("06", "TI", "A0N", 0, 2)) << true << 0.0 << "A0" << 30.0
                                        << 250.0
                                        << QStringList{contraddice.arg(3).arg("A0N", "reddito da 0.00 non superiore a "
                                                                                     "0.00 del record precedente")};
    QTest::newRow("two valid-from dates in one scale")
        << file(3, record("06", "TI", "A0N", 2000, 2, 0, 0, "20260109")) << true << 0.0 << "A0" << 30.0 << 250.0
        << QStringList{contraddice.arg(3).arg("A0N", "valida dal 09/01/2026, i record precedenti dal 01/01/2026")};
    QTest::newRow("only the first contradiction of a scale")
        << file(6, record("06", "TI", "B0N", 0, 2, 0, 0, "20270101") + "\r\n" + record("06", "TI", "B0N", 0, 2)) << true
        << 10.0 << "A0" << 0.0 << 250.0
        << QStringList{contraddice.arg(6).arg("B0N", "valida dal 01/01/2027, i record precedenti dal 01/01/2026")};
}

void TestImpostaFonte::inputDifettoso()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, caricato);
    QFETCH(double, imposta);
    QFETCH(QString, tariffa);
    QFETCH(double, impostaB0);
    QFETCH(double, fissa);
    QFETCH(QStringList, danni);

    const QString ti = QStringLiteral("TI");
    AmbienteTest::scrivi(cartellaTariffe() + QStringLiteral("/tar26ti.txt"), contenuto);
    QCOMPARE(ImpostaFonte::caricaDa(cartellaTariffe()), caricato);
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, ti, tariffa), imposta);
    QCOMPARE(ImpostaFonte::haScala(ti, tariffa), imposta != 0.0);
    // A scale left out for contradicting itself is told apart from a code the files lack.
    if (imposta != 0.0 || danni.isEmpty() || danni.first().contains(QLatin1String("si contraddice")))
        QCOMPARE(ImpostaFonte::scalaDanneggiata(ti, tariffa), imposta == 0.0 && !danni.isEmpty());
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, ti, QStringLiteral("B0")), impostaB0);
    QCOMPARE(ImpostaFonte::calcolaCategoriaFissa(1000, ti, QStringLiteral("HE")), fissa);

    const QString cantone = contenuto.startsWith("00TI") ? ti : QStringLiteral("?");
    QStringList attesi;
    for (const QString& d : qAsConst(danni)) {
        if (d.startsWith(QLatin1String("Tariffe"))) {
            attesi << d;
            continue;
        }
        const int due = d.indexOf(QLatin1String(": "));
        attesi << QStringLiteral("Tariffe %1, file tar26ti.txt, %2: record danneggiato (%3); la sua tariffa non viene usata.")
                      .arg(cantone, d.left(due), d.mid(due + 2));
    }
    const QStringList avvisi = avvisiSenzaRecordFinale();
    QCOMPARE(avvisi, attesi);
}

void TestImpostaFonte::cartelle()
{
    // A missing folder, an empty folder, files of random bytes: nothing
    // loaded, every tax 0, no crash.
    QVERIFY(!ImpostaFonte::caricaDa(AmbienteTest::home() + QStringLiteral("/nessuna")));
    QVERIFY(!ImpostaFonte::caricaDa(QString()));
    QDir().mkpath(cartellaTariffe());
    QVERIFY(!ImpostaFonte::caricaDa(cartellaTariffe()));

    QRandomGenerator caso(7);
    for (int i = 0; i < 5; ++i) {
        QByteArray casuale(200000, '\0');
        for (char& c : casuale)
            c = char(caso.bounded(256));
        AmbienteTest::scrivi(cartellaTariffe() + QStringLiteral("/tar%1xx.txt").arg(i), casuale);
    }
    ImpostaFonte::caricaDa(cartellaTariffe());
    QCOMPARE(ImpostaFonte::calcolaMensile(5000, QStringLiteral("TI"), QStringLiteral("A0")), 0.0);

    // Only tar*.txt files are read; a failed load leaves the tables empty.
    scriviTariffa(QStringLiteral("altro.txt"), {record("06", "VD", "A0N", 0, 3)});
    scriviTariffa(QStringLiteral("tar26vd.txt"), {record("06", "VD", "A0N", 0, 5)});
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, QStringLiteral("VD"), QStringLiteral("A0")), 50.0);
    QVERIFY(!ImpostaFonte::caricaDa(AmbienteTest::home() + QStringLiteral("/nessuna")));
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, QStringLiteral("VD"), QStringLiteral("A0")), 0.0);

    // Start-up: ./dati_afc first, else ~/01.Vardello/dati_afc.
    const QString attuale = QDir::currentPath();
    QDir().mkpath(AmbienteTest::home() + QStringLiteral("/lavoro"));
    QDir::setCurrent(AmbienteTest::home() + QStringLiteral("/lavoro"));
    AmbienteTest::scrivi(AmbienteTest::home() + QStringLiteral("/01.Vardello/dati_afc/tar26ne.txt"),
                         record("06", "NE", "A0N", 0, 4));
    QVERIFY(ImpostaFonte::carica());
    QCOMPARE(ImpostaFonte::cantoniDisponibili(), QStringList{QStringLiteral("NE")});
    AmbienteTest::scrivi(AmbienteTest::home() + QStringLiteral("/lavoro/dati_afc/tar26ju.txt"),
                         record("06", "JU", "A0N", 0, 4));
    QVERIFY(ImpostaFonte::carica());
    QCOMPARE(ImpostaFonte::cantoniDisponibili(), QStringList{QStringLiteral("JU")});
    QDir::setCurrent(attuale);
}

// The closing record carries the number of records with header and itself:
// a file whose end is missing, or whose count differs, is reported by
// canton and file; its records are loaded all the same.
void TestImpostaFonte::recordFinale_data()
{
    QTest::addColumn<QList<QByteArray>>("righe");
    QTest::addColumn<QString>("avviso"); // empty: none

    const QList<QByteArray> corpo = {testata("TI"), record("06", "TI", "A0N", 0, 1),
                                     record("06", "TI", "A0N", 3000, 5), record("11", "TI", "HEN", 0, 25)};
    QTest::newRow("whole") << (corpo + QList<QByteArray>{chiusura("TI", 5)}) << "";
    QTest::newRow("end missing") << corpo
                                 << "Tariffe TI, file tar26ti.txt: manca il record finale, il file può essere incompleto.";
    QTest::newRow("records lost") << (corpo + QList<QByteArray>{chiusura("TI", 32073)})
                                  << "Tariffe TI, file tar26ti.txt: il record finale indica 32073 record, il file ne contiene 5.";
    QTest::newRow("records after the end")
        << (corpo + QList<QByteArray>{chiusura("TI", 5), record("06", "TI", "B0N", 0, 2)})
        << "Tariffe TI, file tar26ti.txt: il record finale indica 5 record, il file ne contiene 6.";
    QTest::newRow("count not a number") << (corpo + QList<QByteArray>{QByteArray("99               TI0000x005")})
                                        << "Tariffe TI, file tar26ti.txt: manca il record finale, il file può essere incompleto.";
}

void TestImpostaFonte::recordFinale()
{
    QFETCH(QList<QByteArray>, righe);
    QFETCH(QString, avviso);
    scriviTariffa(QStringLiteral("tar26ti.txt"), righe);
    scriviTariffa(QStringLiteral("tar26zh.txt"),
                  {testata("ZH"), record("06", "ZH", "A0N", 0, 2), chiusura("ZH", 3)}, "\n");
    QVERIFY(ImpostaFonte::caricaDa(cartellaTariffe()));
    QCOMPARE(ImpostaFonte::avvisi(), avviso.isEmpty() ? QStringList() : QStringList{avviso});
    QCOMPARE(ImpostaFonte::calcolaMensile(4000, QStringLiteral("TI"), QStringLiteral("A0")), 200.0);
    QCOMPARE(ImpostaFonte::calcolaMensile(1000, QStringLiteral("ZH"), QStringLiteral("A0")), 20.0);
}

VARDELLO_TEST_MAIN(TestImpostaFonte)
#include "tst_impostafonte.moc"
