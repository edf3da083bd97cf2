#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "storicopaghe.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <array>

namespace {

QString Importi2(double v)
{
    return QString::number(v, 'f', 2);
}

StoricoPaghe::PagaMese mese(int anno, int m, double netto, const QString& testo = QString())
{
    StoricoPaghe::PagaMese p;
    p.anno = anno;
    p.mese = m;
    p.lordoImponibile = 5000 + m;
    p.contributiDipendente = 335.25;
    p.lppDipendente = 209.65;
    p.assegniFamiliari = 215;
    p.impostaTrattenuta = 120.5;
    p.netto = netto;
    p.comunicazioni = testo;
    return p;
}

QList<int> numeri(const QList<StoricoPaghe::PagaMese>& mesi)
{
    QList<int> n;
    for (const auto& p : mesi)
        n.append(p.mese);
    return n;
}

QString cartellaPaghe()
{
    return Config::cartellaDati() + QStringLiteral("/paghe");
}

} // namespace

class TestStoricoPaghe : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void primoMese();
    void ordineESostituzione_data();
    void ordineESostituzione();
    void caricaFileMalformato_data();
    void caricaFileMalformato();
    void annoChiuso();
    void rifiuti_data();
    void rifiuti();
    void rifiutiDellaChiusura_data();
    void rifiutiDellaChiusura();
    void figliDelMese_data();
    void figliDelMese();
    void comunicazioniSuPiuRighe();
    void scritturaFallita();
    void ytd();
    void guadagniAssicurati();
    void righeDelMese();
};

void TestStoricoPaghe::primoMese()
{
    const QString id = QStringLiteral("Rossi Mario.txt");
    StoricoPaghe::PagaMese p = mese(2026, 1, 1234.5, QStringLiteral("Buone feste, è così"));
    p.impostaTrattenuta = -0.001; // written as 0.00, never "-0.00"
    QVERIFY(StoricoPaghe::salvaMese(id, p));

    const QString percorso = cartellaPaghe() + QStringLiteral("/Rossi_Mario/2026.ini");
    QCOMPARE(StoricoPaghe::percorsoFile(id, 2026), percorso);
    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(percorso)),
             QStringLiteral("# Storico paghe 2026 - Rossi Mario.txt\n\n"
                            "[1]\nlordoImponibile=5001.00\ncontributiDipendente=335.25\nlppDipendente=209.65\n"
                            "assegniFamiliari=215.00\nimpostaTrattenuta=0.00\nnetto=1234.50\n"
                            "comunicazioni=Buone feste, è così\n\n"));

    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti));
    QCOMPARE(letti.size(), 1);
    QCOMPARE(letti.at(0).anno, 2026);
    QCOMPARE(letti.at(0).comunicazioni, p.comunicazioni);
    QCOMPARE(letti.at(0).netto, 1234.5);

    // Another year has no file yet: an empty year, false.
    QVERIFY(!StoricoPaghe::caricaAnno(id, 2025, letti));
    QVERIFY(letti.isEmpty());
}

void TestStoricoPaghe::ordineESostituzione_data()
{
    QTest::addColumn<QList<int>>("presenti");
    QTest::addColumn<int>("nuovo");
    QTest::addColumn<QList<int>>("attesi");

    QTest::newRow("between") << QList<int>{1, 2, 4} << 3 << QList<int>{1, 2, 3, 4};
    QTest::newRow("replace") << QList<int>{1, 2, 4} << 2 << QList<int>{1, 2, 4};
    QTest::newRow("append at end") << QList<int>{1} << 12 << QList<int>{1, 12};
    QTest::newRow("before all") << QList<int>{5, 6} << 1 << QList<int>{1, 5, 6};
}

void TestStoricoPaghe::ordineESostituzione()
{
    QFETCH(QList<int>, presenti);
    QFETCH(int, nuovo);
    QFETCH(QList<int>, attesi);

    const QString id = QStringLiteral("Bianchi_Anna.txt");
    for (int m : presenti)
        QVERIFY(StoricoPaghe::salvaMese(id, mese(2026, m, 100.0 * m, QStringLiteral("vecchio"))));
    QVERIFY(StoricoPaghe::salvaMese(id, mese(2026, nuovo, 7777.7, QStringLiteral("nuovo"))));

    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti));
    QCOMPARE(numeri(letti), attesi);
    for (const auto& p : letti) {
        const bool ilNuovo = p.mese == nuovo;
        QCOMPARE(p.comunicazioni, ilNuovo ? QStringLiteral("nuovo") : QStringLiteral("vecchio"));
        QCOMPARE(Importi2(p.netto), ilNuovo ? QStringLiteral("7777.70") : QString::number(100.0 * p.mese, 'f', 2));
    }
}

// A clean file loads and a save keeps every month; a damaged one reports
// each damaged line with the file and is never saved over. The same file
// with CRLF line ends loads as its LF twin.
void TestStoricoPaghe::caricaFileMalformato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QList<int>>("mesiCaricati");
    QTest::addColumn<QStringList>("nettiCaricati");
    QTest::addColumn<QStringList>("danni"); // "riga N: ..." per damaged line; none: clean
    QTest::addColumn<QList<int>>("mesiDopoSalvataggio"); // after saving month 3 (netto 1.00)
    QTest::addColumn<QStringList>("nettiDopo");

    QTest::newRow("out of order: file order on load")
        << QByteArray("[4]\nnetto=4\n[1]\nnetto=1\n") << QList<int>{4, 1} << QStringList{"4.00", "1.00"}
        << QStringList{} << QList<int>{1, 3, 4} << QStringList{"1.00", "1.00", "4.00"};
    // The store writes every month once: a month or a key seen again is
    // damage, and the file is not saved over.
    QTest::newRow("month 3 twice")
        << QByteArray("[3]\nnetto=30\n[3]\nnetto=31\n") << QList<int>{3, 3} << QStringList{"30.00", "31.00"}
        << QStringList{"riga 3: gruppo ripetuto: [3], già alla riga 1"} << QList<int>{} << QStringList{};
    QTest::newRow("[03] beside [3]: one month")
        << QByteArray("[3]\nnetto=30\n[1]\nnetto=1\n[03]\nnetto=31\n") << QList<int>{3, 1, 3}
        << QStringList{"30.00", "1.00", "31.00"} << QStringList{"riga 5: gruppo ripetuto: [03], già alla riga 1"}
        << QList<int>{} << QStringList{};
    QTest::newRow("key twice in a month: the last one read")
        << QByteArray("[2]\nnetto=20\n[3]\nnetto=30\nlordoImponibile=1\nnetto=31\n[4]\nnetto=40\n")
        << QList<int>{2, 3, 4} << QStringList{"20.00", "31.00", "40.00"}
        << QStringList{"riga 6: chiave ripetuta: netto, già alla riga 4"} << QList<int>{} << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QList<int>{} << QStringList{} << QStringList{} << QList<int>{3}
                                << QStringList{"1.00"};
    // Month 3 lost its "]": its amounts never become month 2's.
    QTest::newRow("header without ]")
        << QByteArray("[2]\nnetto=2\n[3\nnetto=3\n") << QList<int>{2} << QStringList{"2.00"}
        << QStringList{"riga 3: intestazione di gruppo senza \"]\""} << QList<int>{} << QStringList{};
    QTest::newRow("group not a month")
        << QByteArray("[marzo]\nnetto=9\n[2]\nnetto=2\n[13]\nnetto=13\n") << QList<int>{2} << QStringList{"2.00"}
        << QStringList{"riga 1: mese non valido", "riga 5: mese non valido"} << QList<int>{} << QStringList{};
    QTest::newRow("stray lines, keys before groups")
        << QByteArray("netto=55\n# c\n[1]\nnetto=7\nriga senza uguale\naltro=5\n=6\nlordoImponibile= 12.5 \n")
        << QList<int>{1} << QStringList{"7.00"}
        << QStringList{"riga 1: chiave fuori da ogni gruppo", "riga 5: riga che non", "riga 7: chiave senza nome"}
        << QList<int>{} << QStringList{};
    QTest::newRow("junk after a number") << QByteArray("[1]\nlordoImponibile=5000\nnetto=4000.00abc\n")
                                         << QList<int>{1} << QStringList{"0.00"}
                                         << QStringList{"riga 3: importo non valido per netto"} << QList<int>{}
                                         << QStringList{};
    QTest::newRow("a child's allowance cut short")
        << QByteArray("[12]\nnetto=12\nassegnoFiglio1=215.00;7\nassegnoFiglio2=x;6;figli;01/01/2020;Ugo\n")
        << QList<int>{12} << QStringList{"12.00"}
        << QStringList{"riga 3: riga non valida: assegnoFiglio1", "riga 4: importo non valido per assegnoFiglio2",
                       "riga 1: assegni dei figli senza cantone: [12]"}
        << QList<int>{} << QStringList{};
    // December's children as the pay count saves them, then one damage each:
    // what the documents would print as figures is reported instead.
    const QByteArray dicembre("[12]\nnetto=12\nassegniFamiliari=483.00\ncantoneAssegni=TI\n"
                              "assegnoFiglio1=215.00;7;figli;10/03/2019;Rossi Anna\n"
                              "assegnoFiglio2=268.00;17;formazione;01/02/2009;Rossi Ugo\n");
    const auto danno = [&dicembre](const char* da, const char* a) { return QByteArray(dicembre).replace(da, a); };
    QTest::newRow("December's children") << dicembre << QList<int>{12} << QStringList{"12.00"} << QStringList{}
                                         << QList<int>{3, 12} << QStringList{"1.00", "12.00"};
    QTest::newRow("month saved before the children were kept")
        << QByteArray("[12]\nnetto=12\nassegniFamiliari=483.00\n") << QList<int>{12} << QStringList{"12.00"}
        << QStringList{} << QList<int>{3, 12} << QStringList{"1.00", "12.00"};
    // {row, text replaced, by, damage}
    const QList<std::array<const char*, 4>> danni = {
        {"a digit added to a child", "=215.00;", "=2150.00;", "riga 1: gli assegni dei figli (2418.00) non danno"},
        {"a child's key damaged", "assegnoFiglio2", "assegnoFigxio2", "riga 1: gli assegni dei figli (215.00) non danno"},
        {"canton not one of the 26", "=TI", "=ZX", "riga 4: cantone non valido: \"ZX\""},
        {"canton key damaged", "cantoneAssegni", "cantoneAssegnx", "riga 1: assegni dei figli senza cantone: [12]"},
        {"impossible birth date", "10/03/2019", "41/02/2016",
         "riga 5: data di nascita non valida per assegnoFiglio1: \"41/02/2016\""},
        {"age no whole number", ";7;", ";7.5;", "riga 5: età non valida per assegnoFiglio1: \"7.5\""},
        // The age the birth date gives in December, and the date the age gives.
        {"age a digit changed", ";7;", ";1;", "riga 5: età non valida per assegnoFiglio1: \"1\""},
        {"birth year a digit changed", "10/03/2019", "10/03/2016", "riga 5: età non valida per assegnoFiglio1: \"7\""},
        {"kind the table does not know", ";figli;", ";figlii;", "riga 5: tipo di assegno non valido per assegnoFiglio1"},
        {"children numbered with a gap", "assegnoFiglio2", "assegnoFiglio3", "riga 6: figlio fuori sequenza: assegnoFiglio3"}};
    for (const auto& d : danni)
        QTest::newRow(d[0]) << danno(d[1], d[2]) << QList<int>{12} << QStringList{"12.00"}
                            << QStringList{QString::fromUtf8(d[3])} << QList<int>{} << QStringList{};
    // -15.00 + 268.00 is the month's 253.00: the amount alone is damage.
    QTest::newRow("negative allowance")
        << danno("=215.00;", "=-15.00;").replace("=483.00", "=253.00") << QList<int>{12} << QStringList{"12.00"}
        << QStringList{"riga 5: importo non valido per assegnoFiglio1: \"-15.00\""} << QList<int>{} << QStringList{};
    QTest::newRow("canton without children")
        << QByteArray("[12]\nnetto=12\ncantoneAssegni=TI\n") << QList<int>{12} << QStringList{"12.00"}
        << QStringList{"riga 3: cantone degli assegni senza figli"} << QList<int>{} << QStringList{};
}

void TestStoricoPaghe::caricaFileMalformato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QList<int>, mesiCaricati);
    QFETCH(QStringList, nettiCaricati);
    QFETCH(QStringList, danni);
    QFETCH(QList<int>, mesiDopoSalvataggio);
    QFETCH(QStringList, nettiDopo);

    const QString id = QStringLiteral("x.txt");
    const QString file = StoricoPaghe::percorsoFile(id, 2026);
    const auto netti = [](const QList<StoricoPaghe::PagaMese>& mesi) {
        QStringList n;
        for (const auto& m : mesi)
            n.append(Importi2(m.netto));
        return n;
    };
    for (const bool crlf : {true, false}) {
        AmbienteTest::scrivi(file, crlf ? QByteArray(contenuto).replace("\n", "\r\n") : contenuto);
        QList<StoricoPaghe::PagaMese> letti;
        QString errore;
        QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti, &errore));
        QCOMPARE(numeri(letti), mesiCaricati);
        QCOMPARE(netti(letti), nettiCaricati);
        QCOMPARE(errore.count(file + QStringLiteral(", riga")), danni.size());
        for (const QString& d : danni)
            QVERIFY2(errore.contains(file + QStringLiteral(", ") + d), qPrintable(errore));
    }

    StoricoPaghe::PagaMese p = mese(2026, 3, 1.0);
    QString errore;
    if (!danni.isEmpty()) {
        QVERIFY(!StoricoPaghe::salvaMese(id, p, &errore));
        QVERIFY2(errore.contains(file + QStringLiteral(", ") + danni.first()), qPrintable(errore));
        QCOMPARE(AmbienteTest::leggi(file), contenuto);
        return;
    }
    QVERIFY2(StoricoPaghe::salvaMese(id, p, &errore), qPrintable(errore));
    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti));
    QCOMPARE(numeri(letti), mesiDopoSalvataggio);
    QCOMPARE(netti(letti), nettiDopo);
}

void TestStoricoPaghe::annoChiuso()
{
    const QString id = QStringLiteral("Verdi.txt");
    QVERIFY(StoricoPaghe::salvaMese(id, mese(2025, 1, 10)));
    const QByteArray prima = AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2025));
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2025, QStringLiteral("test"), QString()));

    QVERIFY(!StoricoPaghe::salvaMese(id, mese(2025, 1, 99)));
    QVERIFY(!StoricoPaghe::salvaMese(id, mese(2025, 2, 99)));
    QCOMPARE(AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2025)), prima);
    // Another year stays open.
    QVERIFY(StoricoPaghe::salvaMese(id, mese(2026, 1, 10)));
}

void TestStoricoPaghe::rifiuti_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("guasto"); // a stored amount that is no number

    QTest::newRow("month 0") << "Neri.txt" << 0 << "";
    QTest::newRow("month 13") << "Neri.txt" << 13 << "";
    QTest::newRow("dot-dot") << "..txt.txt" << 1 << "";   // ".." once ".txt" is gone
    QTest::newRow("parent path") << "../fuori.txt" << 1 << "";
    QTest::newRow("sub folder") << "a/b.txt" << 1 << "";
    QTest::newRow("absolute") << "/tmp/x.txt" << 1 << "";
    QTest::newRow("only extension") << ".txt" << 1 << "";
    // Every amount the month stores for its slip is checked, not only the totals.
    QTest::newRow("slip line not finite") << "Neri.txt" << 1 << "voce";
    QTest::newRow("deducted rate not finite") << "Neri.txt" << 1 << "aliquota";
    QTest::newRow("insured earnings not finite") << "Neri.txt" << 1 << "guadagno";
}

void TestStoricoPaghe::rifiuti()
{
    QFETCH(QString, id);
    QFETCH(int, m);
    QFETCH(QString, guasto);

    const QString dati = Config::cartellaDati();
    StoricoPaghe::PagaMese p = mese(2026, m, 1);
    if (guasto == QLatin1String("voce"))
        p.dettaglio.vociSalario = {{QStringLiteral("Salario mensile"), qInf()}};
    else if (guasto == QLatin1String("aliquota"))
        p.dettaglio.avs.aliquota = qQNaN();
    else if (guasto == QLatin1String("guadagno"))
        p.guadagnoAssicuratoAD = qInf();
    if (!guasto.isEmpty())
        p.dettaglio.presente = true;
    QVERIFY(!StoricoPaghe::salvaMese(id, p));
    // Nothing was written anywhere below the home folder but the data folder itself.
    QStringList file;
    QDirIterator it(AmbienteTest::home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        if (!f.contains(QStringLiteral("/.config/")))
            file.append(f);
    }
    QVERIFY2(file.isEmpty(), qPrintable(file.join(QLatin1Char(' '))));
    QList<StoricoPaghe::PagaMese> letti;
    if (m == 1)
        QVERIFY(!StoricoPaghe::caricaAnno(id, 2026, letti));
}

// A month with a child saved and read back: its canton one of the 26, its
// age the one the birth date gives in the month; anything else is refused
// and nothing is written.
void TestStoricoPaghe::figliDelMese_data()
{
    QTest::addColumn<QString>("cantone");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<int>("anno");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("eta");
    QTest::addColumn<bool>("salvato");

    for (const char* c : {"ZH", "BE", "LU", "UR", "SZ", "OW", "NW", "GL", "ZG", "FR", "SO", "BS", "BL",
                          "SH", "AR", "AI", "SG", "GR", "AG", "TG", "TI", "VD", "VS", "NE", "GE", "JU"})
        QTest::addRow("canton %s", c) << c << "10/03/2019" << 2026 << 12 << 7 << true;
    QTest::newRow("the country's code, no canton") << "CH" << "10/03/2019" << 2026 << 12 << 7 << false;
    // A child born on the last day of a month is a year older on that day:
    // in that month the age then, in the month before one less; a year more
    // is refused in either. 29 February in a leap year is its month's last.
    struct Nascita
    {
        const char* data;
        int anno, mese, eta;
    };
    for (const Nascita& n : {Nascita{"31/12/2019", 2026, 12, 7}, Nascita{"29/02/2020", 2024, 2, 4},
                             Nascita{"31/01/2020", 2026, 1, 6}}) {
        const QDate prima = QDate(n.anno, n.mese, 1).addMonths(-1);
        QTest::addRow("born %s, %d/%d at %d", n.data, n.mese, n.anno, n.eta)
            << "TI" << n.data << n.anno << n.mese << n.eta << true;
        QTest::addRow("born %s, %d/%d at %d", n.data, n.mese, n.anno, n.eta + 1)
            << "TI" << n.data << n.anno << n.mese << n.eta + 1 << false;
        QTest::addRow("born %s, %d/%d at %d", n.data, prima.month(), prima.year(), n.eta - 1)
            << "TI" << n.data << prima.year() << prima.month() << n.eta - 1 << true;
        QTest::addRow("born %s, %d/%d at %d", n.data, prima.month(), prima.year(), n.eta)
            << "TI" << n.data << prima.year() << prima.month() << n.eta << false;
    }
}

void TestStoricoPaghe::figliDelMese()
{
    QFETCH(QString, cantone);
    QFETCH(QString, nascita);
    QFETCH(int, anno);
    QFETCH(int, m);
    QFETCH(int, eta);
    QFETCH(bool, salvato);

    const QString id = QStringLiteral("Gialli_Eva.txt");
    StoricoPaghe::PagaMese p = mese(anno, m, 4000); // family allowances 215.00
    p.cantoneAssegni = cantone;
    p.figliAssegni = {{QStringLiteral("Gialli Ada"), nascita, QStringLiteral("figli"), 215, eta}};
    QString errore;
    QCOMPARE(StoricoPaghe::salvaMese(id, p, &errore), salvato);
    if (!salvato) {
        QVERIFY2(errore.contains(QStringLiteral("Gli assegni dei figli del mese non sono validi")), qPrintable(errore));
        QVERIFY(!QFileInfo::exists(StoricoPaghe::percorsoFile(id, anno)));
        return;
    }
    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, anno, letti, &errore));
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QCOMPARE(numeri(letti), QList<int>{m});
}

// The refusals of the closing beside the year's file: recorded, cleared,
// each damaged line reported with the file and never written over.
void TestStoricoPaghe::rifiutiDellaChiusura_data()
{
    QTest::addColumn<QByteArray>("contenuto"); // empty: no file
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("motivo");       // recorded; empty: cleared
    QTest::addColumn<QStringList>("dopo");     // "<month>:<reason>"
    QTest::addColumn<QStringList>("danni");

    QTest::newRow("first refusal") << QByteArray() << 12 << "tariffa Z9" << QStringList{"12:tariffa Z9"}
                                   << QStringList{};
    QTest::newRow("clearing without a refusal writes nothing") << QByteArray() << 1 << "" << QStringList{}
                                                               << QStringList{};
    QTest::newRow("counted again: cleared, the others kept")
        << QByteArray("[12]\nmotivo=x\n[3]\nmotivo=y\n") << 12 << "" << QStringList{"3:y"} << QStringList{};
    QTest::newRow("a reason on one line") << QByteArray("[03]\nmotivo=y\n") << 1 << "a\nb" << QStringList{"1:a b", "3:y"}
                                          << QStringList{};
    QTest::newRow("damaged")
        << QByteArray("[12]\nmotivo=x\n[13]\nmotivo=z\n[4]\naltro=1\n[5]\n") << 12 << ""
        << QStringList{}
        << QStringList{"riga 3: mese non valido", "riga 5: mese senza motivo", "riga 6: riga non valida: altro",
                       "riga 7: mese senza motivo"};
}

void TestStoricoPaghe::rifiutiDellaChiusura()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(int, m);
    QFETCH(QString, motivo);
    QFETCH(QStringList, dopo);
    QFETCH(QStringList, danni);

    const QString id = QStringLiteral("Neri.txt");
    const QString file = StoricoPaghe::percorsoRifiuti(id, 2026);
    if (!contenuto.isEmpty())
        AmbienteTest::scrivi(file, contenuto);
    QString errore;
    StoricoPaghe::caricaRifiuti(id, 2026, &errore);
    QCOMPARE(errore.count(file + QStringLiteral(", riga")), danni.size());
    for (const QString& d : danni)
        QVERIFY2(errore.contains(file + QStringLiteral(", ") + d), qPrintable(errore));
    QCOMPARE(StoricoPaghe::segnaRifiuto(id, 2026, m, motivo, &errore), danni.isEmpty());
    if (!danni.isEmpty()) {
        QVERIFY(errore.contains(file));
        QCOMPARE(AmbienteTest::leggi(file), contenuto);
        return;
    }
    QCOMPARE(QFileInfo::exists(file), !contenuto.isEmpty() || !dopo.isEmpty());
    const QMap<int, QString> letti = StoricoPaghe::caricaRifiuti(id, 2026, &errore);
    QCOMPARE(errore, QString());
    QStringList testi;
    for (auto it = letti.cbegin(); it != letti.cend(); ++it)
        testi << QString::number(it.key()) + QLatin1Char(':') + it.value();
    QCOMPARE(testi, dopo);
    QVERIFY(!QFileInfo::exists(StoricoPaghe::percorsoFile(id, 2026))); // no month saved or deleted
}

void TestStoricoPaghe::comunicazioniSuPiuRighe()
{
    const QString id = QStringLiteral("Gialli.txt");
    QVERIFY(StoricoPaghe::salvaMese(id, mese(2026, 1, 1, QStringLiteral("prima\n[2]\nnetto=999\r\nfine"))));
    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti));
    QCOMPARE(letti.size(), 1);
    QCOMPARE(letti.at(0).netto, 1.0);
    QCOMPARE(letti.at(0).comunicazioni, QStringLiteral("prima [2] netto=999  fine"));
}

void TestStoricoPaghe::scritturaFallita()
{
    const QString id = QStringLiteral("Blu.txt");
    const QString percorso = StoricoPaghe::percorsoFile(id, 2026);
    QDir().mkpath(percorso); // a folder where the file should be
    QVERIFY(!StoricoPaghe::salvaMese(id, mese(2026, 1, 1)));
    QVERIFY(QFileInfo(percorso).isDir());
}

void TestStoricoPaghe::ytd()
{
    StoricoPaghe::Ytd vuoto = StoricoPaghe::calcolaYtd({});
    QCOMPARE(vuoto.mesi, 0);
    QCOMPARE(vuoto.lordoImponibile, 0.0);
    QCOMPARE(vuoto.impostaTrattenuta, 0.0);

    QList<StoricoPaghe::PagaMese> mesi;
    for (int m = 1; m <= 12; ++m)
        mesi.append(mese(2026, m, 1));
    const StoricoPaghe::Ytd y = StoricoPaghe::calcolaYtd(mesi);
    QCOMPARE(y.mesi, 12);
    QCOMPARE(Importi2(y.lordoImponibile), QStringLiteral("60078.00"));
    QCOMPARE(Importi2(y.contributiDipendente), QStringLiteral("4023.00"));
    QCOMPARE(Importi2(y.lppDipendente), QStringLiteral("2515.80"));
    QCOMPARE(Importi2(y.assegniFamiliari), QStringLiteral("2580.00"));
    QCOMPARE(Importi2(y.impostaTrattenuta), QStringLiteral("1446.00"));
}

void TestStoricoPaghe::guadagniAssicurati()
{
    // A month saved before the insured earnings were kept, then a month
    // with them: the old month is written back without the keys (its
    // earnings are unknown, not 0), the new one with them.
    const QString id = QStringLiteral("Verdi_Ugo.txt");
    AmbienteTest::scrivi(StoricoPaghe::percorsoFile(id, 2026), "[1]\nlordoImponibile=9000.00\nnetto=8000.00\n");
    StoricoPaghe::PagaMese p = mese(2026, 2, 4000);
    p.guadagniAssicurati = true;
    p.lordoSoggettoAD = 14000;
    p.guadagnoAssicuratoAD = 12350.004;
    p.lordoSoggettoLAINF = 14000;
    p.guadagnoAssicuratoLAINF = 12350;
    // The employer's contributions of the month, kept with two decimals.
    p.datore.presente = true;
    p.datore.avs = 742.0000000001;
    p.datore.ad = 135.85;
    p.datore.caf = 42.7;
    p.datore.lainf = 123.5;
    QVERIFY(StoricoPaghe::salvaMese(id, p));

    const QString testo = QString::fromUtf8(AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2026)));
    QVERIFY(testo.contains(QStringLiteral("comunicazioni=\nlordoSoggettoAD=14000.00\nguadagnoAssicuratoAD=12350.00\n"
                                          "lordoSoggettoLAINF=14000.00\nguadagnoAssicuratoLAINF=12350.00\n"
                                          "avsDatore=742.00\nadDatore=135.85\ncafDatore=42.70\nlainfDatore=123.50\n\n")));
    QCOMPARE(testo.count(QStringLiteral("Datore=")), 4); // the old month has none
    QCOMPARE(testo.count(QStringLiteral("guadagnoAssicuratoAD")), 1);

    QList<StoricoPaghe::PagaMese> letti;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, letti));
    QCOMPARE(letti.size(), 2);
    QVERIFY(!letti.at(0).guadagniAssicurati);
    QCOMPARE(letti.at(0).guadagnoAssicuratoAD, 0.0);
    QVERIFY(letti.at(1).guadagniAssicurati);
    QCOMPARE(Importi2(letti.at(1).lordoSoggettoAD), QStringLiteral("14000.00"));
    QCOMPARE(Importi2(letti.at(1).guadagnoAssicuratoAD), QStringLiteral("12350.00"));
    QCOMPARE(Importi2(letti.at(1).lordoSoggettoLAINF), QStringLiteral("14000.00"));
    QCOMPARE(Importi2(letti.at(1).guadagnoAssicuratoLAINF), QStringLiteral("12350.00"));
    QVERIFY(!letti.at(0).datore.presente);
    QCOMPARE(Importi2(letti.at(1).datore.totale()), QStringLiteral("1044.05"));
}

VARDELLO_TEST_MAIN(TestStoricoPaghe)
// The lines of a month come back as stored; a month saved before they were
// stored gets none when another month of the year is saved; a group without
// a net is told apart.
void TestStoricoPaghe::righeDelMese()
{
    const QString id = QStringLiteral("Rossi_Mario.txt");
    AmbienteTest::scrivi(StoricoPaghe::percorsoFile(id, 2026),
                         "[1]\nlordoImponibile=6000.00\ncontributiDipendente=400.00\nnetto=5600.00\n\n"
                         "[2]\nlordoImponibile=6000.00\n");
    StoricoPaghe::PagaMese letto;
    QVERIFY(StoricoPaghe::caricaMese(id, 2026, 1, &letto) && letto.conNetto);
    QVERIFY(StoricoPaghe::caricaMese(id, 2026, 2, &letto) && !letto.conNetto);

    StoricoPaghe::PagaMese p = mese(2026, 3, 4300);
    StoricoPaghe::Dettaglio& x = p.dettaglio;
    x.presente = true;
    x.avs = {678.4, 12800, 5.3};
    x.ad = {135.85, 12350, 1.1};
    x.caf = {39.04, 12800, 0.305};
    x.infortuni = {138.3, 12350, 1.12};
    x.aliquotaLpp = 5;
    x.vociSalario = {{QStringLiteral("Salario mensile"), 6000}, {QStringLiteral("Premio; quota=2\nbis"), 300, 3}};
    x.altreVoci = {{QStringLiteral("Rimborso spese"), 200}, {QStringLiteral("Acconto"), -500}};
    p.cantoneAssegni = QStringLiteral("ZH");
    p.figliAssegni = {{QStringLiteral("Rossi; Anna\nbis"), QStringLiteral("10/03/2019"), QStringLiteral("figli"), 143.334, 7},
                      {QStringLiteral("Rossi Ugo"), QStringLiteral("28/12/2025"), QStringLiteral("figli"), 143.33, 0}};
    // Children the reader would refuse (not adding up to the month's
    // allowances) are not written.
    const QByteArray prima = AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2026));
    QString errore;
    QVERIFY(!StoricoPaghe::salvaMese(id, p, &errore));
    QVERIFY2(errore.contains(QStringLiteral("Gli assegni dei figli del mese non sono validi")), qPrintable(errore));
    QCOMPARE(AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2026)), prima);
    p.assegniFamiliari = 286.66; // the children's amounts as written
    QVERIFY(StoricoPaghe::salvaMese(id, p));

    QList<StoricoPaghe::PagaMese> mesi;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
    QCOMPARE(numeri(mesi), (QList<int>{1, 2, 3}));
    QVERIFY(!mesi.at(0).dettaglio.presente);
    QVERIFY(!mesi.at(1).dettaglio.presente);
    const QString testo = QString::fromUtf8(AmbienteTest::leggi(StoricoPaghe::percorsoFile(id, 2026)));
    QCOMPARE(testo.count(QStringLiteral("avsDipendente=")), 1);

    const StoricoPaghe::Dettaglio& y = mesi.at(2).dettaglio;
    QVERIFY(y.presente);
    QVERIFY(mesi.at(2).conNetto);
    const auto trattenuta = [](const StoricoPaghe::Trattenuta& t) {
        return QStringList{Importi2(t.importo), Importi2(t.imponibile), QString::number(t.aliquota)}.join('|');
    };
    QCOMPARE((QStringList{trattenuta(y.avs), trattenuta(y.ad), trattenuta(y.caf), trattenuta(y.infortuni)}),
             (QStringList{"678.40|12800.00|5.3", "135.85|12350.00|1.1", "39.04|12800.00|0.305",
                          "138.30|12350.00|1.12"}));
    QCOMPARE(y.aliquotaLpp, 5.0);
    QStringList voci;
    for (const auto& v : y.vociSalario + y.altreVoci)
        voci << v.descrizione + QLatin1Char('|') + Importi2(v.importo);
    // A line break in a description would start a line of its own.
    QCOMPARE(voci, (QStringList{"Salario mensile|6000.00", "Premio; quota=2 bis|300.00", "Rimborso spese|200.00",
                                "Acconto|-500.00"}));
    // A movement's line keeps its certificate category; the others have none.
    QCOMPARE(y.vociSalario.at(0).categoriaCertificato, -1);
    QCOMPARE(y.vociSalario.at(1).categoriaCertificato, 3);
    // The children's allowances the month paid, with their canton; none for
    // the months saved before.
    QVERIFY(mesi.at(0).figliAssegni.isEmpty() && mesi.at(0).cantoneAssegni.isEmpty());
    QCOMPARE(mesi.at(2).cantoneAssegni, QStringLiteral("ZH"));
    QStringList figli;
    for (const auto& f : mesi.at(2).figliAssegni)
        figli << QStringList{f.nome, f.dataNascita, f.tipo, Importi2(f.importo), QString::number(f.eta)}.join('|');
    QCOMPARE(figli, (QStringList{"Rossi; Anna bis|10/03/2019|figli|143.33|7", "Rossi Ugo|28/12/2025|figli|143.33|0"}));
}

#include "tst_storicopaghe.moc"
