// Readers of the record files faced with damaged or hostile files: NUL bytes,
// numbers that are no finite amount, typed INI values, huge counts and files
// above the size a reader accepts. Nothing that was on disk may be lost.
#include "ambientetest.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "dipendente.h"
#include "fileini.h"
#include "filesicuri.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QElapsedTimer>
#include <QSettings>

namespace {

const QString kId = QStringLiteral("verdi.txt");

QString percorso(const QString& genere)
{
    if (genere == QLatin1String("dipendente"))
        return Dipendente::percorsoFile(kId);
    if (genere == QLatin1String("azienda"))
        return Config::cartellaDati() + QStringLiteral("/ditta.txt");
    if (genere == QLatin1String("variabili"))
        return VariabiliMensili::percorsoFile(kId, 2026);
    if (genere == QLatin1String("paghe"))
        return StoricoPaghe::percorsoFile(kId, 2026);
    if (genere == QLatin1String("movimenti"))
        return Movimenti::percorsoFile(QStringLiteral("verdi"));
    return StoricoStipendi::percorsoFile(kId);
}

// A read-modify-write of a file that did not load cleanly is refused, says
// why and leaves the file as it was.
void nonRiscritto(const QString& genere, const QString& motivo)
{
    const QByteArray prima = AmbienteTest::leggi(percorso(genere));
    QString errore;
    bool salvato;
    if (genere == QLatin1String("paghe")) {
        StoricoPaghe::PagaMese p;
        p.anno = 2026;
        p.mese = 2;
        salvato = StoricoPaghe::salvaMese(kId, p, &errore);
    } else if (genere == QLatin1String("variabili")) {
        salvato = VariabiliMensili::salvaAnno(kId, 2026, VariabiliMensili::caricaAnno(kId, 2026), &errore);
    } else {
        QVector<PeriodoStipendio> v;
        StoricoStipendi::carica(kId, v);
        salvato = StoricoStipendi::salva(kId, v, &errore);
    }
    QVERIFY(!salvato);
    QVERIFY2(errore.contains(motivo), qPrintable(errore));
    QCOMPARE(AmbienteTest::leggi(percorso(genere)), prima);
}

} // namespace

class TestLettori : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void nulNelloStoricoPaghe();
    void nulNelDipendenteENelloStato();
    void importiNonFiniti_data();
    void importiNonFiniti();
    void variabiliConValoreTipizzato();
    void iniComeIlFormatoDiSempre_data();
    void iniComeIlFormatoDiSempre();
    void conteggiEnormi();
    void fileTroppoGrandi_data();
    void fileTroppoGrandi();
};

// A NUL in month 3's communication: every month loads, the NUL is reported
// with its line, and saving month 4 is refused with the file left as it was.
void TestLettori::nulNelloStoricoPaghe()
{
    QByteArray b;
    for (int m = 1; m <= 12; ++m) {
        b += "[" + QByteArray::number(m) + "]\nlordoImponibile=5000.00\nnetto=" + QByteArray::number(4000 + m)
            + ".00\ncomunicazioni=mese" + (m == 3 ? QByteArray("\0dopo", 5) : QByteArray()) + "\n\n";
    }
    AmbienteTest::scrivi(percorso(QStringLiteral("paghe")), b);
    QList<StoricoPaghe::PagaMese> mesi;
    QString errore;
    QVERIFY(StoricoPaghe::caricaAnno(kId, 2026, mesi, &errore));
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(mesi.at(11).netto, 4012.0);
    QVERIFY2(errore.contains(percorso(QStringLiteral("paghe")) + QStringLiteral(", riga 14: ")), qPrintable(errore));
    nonRiscritto(QStringLiteral("paghe"), QStringLiteral("riga 14"));
}

// A NUL in the surname loses nothing after it; one before "chiuso=1" leaves
// the year closed.
void TestLettori::nulNelDipendenteENelloStato()
{
    AmbienteTest::scrivi(percorso(QStringLiteral("dipendente")),
                         "nome=Anna\ncognome=Bian" + QByteArray(1, '\0')
                             + "chi\nnPeriodi=1\nperiodo1_entrata=01/01/2020\nsalarioMensile=5200.00\n"
                               "iban=CH9300762011623852957\n");
    DatiDipendente d;
    QVERIFY(Dipendente::carica(kId, d));
    QCOMPARE(d.salarioMensile, 5200.0);
    QCOMPARE(d.iban, QStringLiteral("CH9300762011623852957"));
    QCOMPARE(d.periodi.size(), 1);
    QVERIFY(Dipendente::salva(d, kId));
    DatiDipendente riletto;
    QVERIFY(Dipendente::carica(kId, riletto));
    QCOMPARE(riletto, d);

    AmbienteTest::scrivi(ChiusuraAnnuale::percorsoStatoAnno(2025), "anno=2025\nnote=a" + QByteArray(1, '\0') + "b\nchiuso=1\n");
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2025));
    StoricoPaghe::PagaMese p;
    p.anno = 2025;
    p.mese = 1;
    QVERIFY(!StoricoPaghe::salvaMese(kId, p));
}

// Every amount or rate that is not a finite number in range is reported by
// its key, read as 0, and never written back over the file.
void TestLettori::importiNonFiniti_data()
{
    QTest::addColumn<QString>("genere");
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("chiave");
    const QList<std::array<const char*, 3>> generi = {
        {"dipendente", "nome=Ugo\nsalarioMensile=%1\n", "salarioMensile"},
        {"azienda", "Ditta SA\nVia 1\n6900\nLugano\nTI\nCH\nlainfINPuomoPerMille=%1\n", "lainfINPuomoPerMille"},
        {"variabili", "[Mese_2]\nrimborsoSpese=%1\n", "Mese_2/rimborsoSpese"},
        {"paghe", "[1]\nnetto=%1\n", "netto"},
        {"movimenti", "data=2026-01-31\nimporto=%1\n", "importo"},
        {"stipendi", "periodo1.dataInizio=01/01/2026\nperiodo1.salarioMensile=%1\n", "periodo1.salarioMensile"}};
    for (const char* v : {"inf", "1e309", "nan", "-inf", "2e12"}) {
        for (const auto& g : generi)
            QTest::addRow("%s %s", g[0], v) << g[0] << QByteArray(g[1]).replace("%1", v) << g[2];
    }
    // The month's value is named with its line.
    QTest::newRow("variabili junk after a number")
        << "variabili" << QByteArray("[Mese_1]\nacconti=5\n\n[Mese_2]\nrimborsoSpese=12abc\n")
        << "Mese_2/rimborsoSpese (riga 5)";
    QTest::newRow("stipendi text") << "stipendi"
                                   << QByteArray("periodo1.dataInizio=01/01/2026\nperiodo1.salarioMensile=cinquemila\n")
                                   << "periodo1.salarioMensile";
}

void TestLettori::importiNonFiniti()
{
    QFETCH(QString, genere);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, chiave);
    AmbienteTest::scrivi(percorso(genere), contenuto);
    QString errore;
    double letto = -1;
    QVector<PeriodoStipendio> stipendi;
    if (genere == QLatin1String("dipendente")) {
        DatiDipendente d;
        QVERIFY(!Dipendente::carica(kId, d, &errore));
        letto = d.salarioMensile;
    } else if (genere == QLatin1String("azienda")) {
        letto = Azienda::carica(QStringLiteral("ditta.txt"), &errore).lainfINPuomoPerMille;
    } else if (genere == QLatin1String("variabili")) {
        letto = VariabiliMensili::caricaMese(kId, 2026, 2, &errore).rimborsoSpese;
    } else if (genere == QLatin1String("paghe")) {
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(kId, 2026, mesi, &errore));
        letto = mesi.value(0).netto;
    } else if (genere == QLatin1String("movimenti")) {
        const QList<MovimentoStipendio> m = Movimenti::carica(QStringLiteral("verdi"), &errore);
        QCOMPARE(m.size(), 1);
        letto = m.at(0).importo;
    } else {
        QVERIFY(StoricoStipendi::carica(kId, stipendi, &errore));
        letto = stipendi.value(0).salarioMensile;
    }
    QVERIFY2(errore.contains(chiave), qPrintable(errore));
    QCOMPARE(letto, 0.0);
    if (genere == QLatin1String("paghe") || genere == QLatin1String("variabili") || genere == QLatin1String("stipendi"))
        nonRiscritto(genere, chiave.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), -1));
    if (genere == QLatin1String("stipendi")) {
        // Nor is a value saved that would not come back as written.
        AmbienteTest::scrivi(percorso(genere), QByteArray());
        stipendi.first().salarioMensile = qInf();
        QVERIFY(!StoricoStipendi::salva(kId, stipendi, &errore));
    }
}

// The 52-byte file that made the toolkit's reader ask for gigabytes: the
// typed value is unreadable, reported, and the file is not written over.
void TestLettori::variabiliConValoreTipizzato()
{
    AmbienteTest::scrivi(percorso(QStringLiteral("variabili")),
                         QByteArray("[Mese_1]\nacconti=@Variant(\0\0\0\x0b\x7f\xff\xff\xff)\n", 35));
    QString errore;
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(kId, 2026, &errore);
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(mesi.at(0).acconti, 0.0);
    QVERIFY(errore.contains(QLatin1String("Mese_1/acconti")));
    nonRiscritto(QStringLiteral("variabili"), QStringLiteral("riga 2"));
}

// The files written by the toolkit's settings class read the same with the
// program's reader, and what the program writes reads the same there.
void TestLettori::iniComeIlFormatoDiSempre_data()
{
    QTest::addColumn<QString>("valore");
    QTest::newRow("comma list") << QStringLiteral("a, b, c");
    QTest::newRow("semicolon and equals") << QStringLiteral("x=1; y=2");
    QTest::newRow("quotes and backslash") << QStringLiteral("il \"capo\" C:\\dati");
    QTest::newRow("blanks around") << QStringLiteral("  spazi  ");
    QTest::newRow("line breaks and tab") << QStringLiteral("riga 1\nriga 2\r\n\tfine");
    QTest::newRow("accents") << QStringLiteral("Zürich, Genève");
    // The toolkit writes a character outside the first plane as nothing; the
    // program's writer keeps it.
    QTest::newRow("emoji") << QStringLiteral("ok \U0001F600");
    QTest::newRow("at sign") << QStringLiteral("@Variant(finto)");
    QTest::newRow("control then digit") << QString(QStringLiteral("a")) + QChar(1) + QStringLiteral("2b");
    QTest::newRow("empty") << QString();
}

void TestLettori::iniComeIlFormatoDiSempre()
{
    QFETCH(QString, valore);
    const QString file = AmbienteTest::home() + QStringLiteral("/prova.ini");
    {
        QSettings s(file, QSettings::IniFormat);
        s.setIniCodec("UTF-8");
        s.setValue(QStringLiteral("Mese_3/comunicazioni"), valore);
        s.setValue(QStringLiteral("Mese_3/acconti"), 12.5);
    }
    const FileIni ini = FileIni::leggi(AmbienteTest::leggi(file));
    if (QTest::currentDataTag() != QLatin1String("emoji")) {
        const QVariant atteso = QSettings(file, QSettings::IniFormat).value(QStringLiteral("Mese_3/comunicazioni"));
        QCOMPARE(ini.valore(QStringLiteral("Mese_3"), QStringLiteral("comunicazioni")),
                 atteso.type() == QVariant::StringList ? atteso.toStringList().join(QStringLiteral(", ")) : atteso.toString());
        QCOMPARE(ini.valore(QStringLiteral("Mese_3"), QStringLiteral("acconti")), QStringLiteral("12.5"));
    }

    FileIni nuovo;
    nuovo.imposta(QStringLiteral("Mese_1"), QStringLiteral("comunicazioni"), valore);
    AmbienteTest::scrivi(file, nuovo.scrivi());
    QSettings s(file, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    QCOMPARE(s.value(QStringLiteral("Mese_1/comunicazioni")).toString(), valore);
    QCOMPARE(FileIni::leggi(nuovo.scrivi()).valore(QStringLiteral("Mese_1"), QStringLiteral("comunicazioni")), valore);
}

// A count far beyond any real record, over a million empty lines: cut to
// its limit and reported, the line after them still read; the record saved
// again stays small. The time goes to the log only.
void TestLettori::conteggiEnormi()
{
    AmbienteTest::scrivi(percorso(QStringLiteral("dipendente")),
                         "nome=Ugo\nfigli_count=999999999\nnPeriodi=999999999\nsalarioMensile=4000\n"
                             + QByteArray(1000000, '\n') + "cognome=Rossi\n");
    QElapsedTimer t;
    t.start();
    DatiDipendente d;
    QString errore;
    QVERIFY(!Dipendente::carica(kId, d, &errore));
    QVERIFY(errore.contains(QLatin1String("figli_count")) && errore.contains(QLatin1String("nPeriodi")));
    QCOMPARE(d.figli.size(), Dipendente::kFigliMassimi);
    QCOMPARE(d.periodi.size(), Dipendente::kPeriodiMassimi);
    QCOMPARE(d.cognome, QStringLiteral("Rossi"));
    QVERIFY(Dipendente::salva(d, kId));
    QVERIFY(QFileInfo(percorso(QStringLiteral("dipendente"))).size() < 200 * 1024);
    qInfo("a million empty lines read and saved in %lld ms", t.elapsed());
}

// Files above the size a reader takes are refused whole, never cut, and a
// read-modify-write leaves them as they are.
void TestLettori::fileTroppoGrandi_data()
{
    QTest::addColumn<QString>("genere");
    QTest::newRow("year state") << "stato";
    QTest::newRow("employee") << "dipendente";
    QTest::newRow("pay history") << "paghe";
    QTest::newRow("variables") << "variabili";
}

void TestLettori::fileTroppoGrandi()
{
    QFETCH(QString, genere);
    const QByteArray riempitivo(FileSicuri::kLimiteRecord, '#');
    QString errore;
    if (genere == QLatin1String("stato")) {
        // The closing line sits past the first megabyte: the year stays locked.
        AmbienteTest::scrivi(ChiusuraAnnuale::percorsoStatoAnno(2024),
                             "anno=2024\n" + QByteArray(1024 * 1024, '\n') + "chiuso=1\n");
        QVERIFY(!ChiusuraAnnuale::statoAnno(2024).errore.isEmpty());
        QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2024));
    } else if (genere == QLatin1String("dipendente")) {
        AmbienteTest::scrivi(percorso(genere), "nome=Ugo\n" + riempitivo);
        DatiDipendente d;
        QVERIFY(!Dipendente::carica(kId, d, &errore));
        QVERIFY(errore.contains(QLatin1String("KB")));
    } else if (genere == QLatin1String("paghe")) {
        AmbienteTest::scrivi(percorso(genere), "[1]\nnetto=1.00\n" + riempitivo);
        nonRiscritto(genere, QStringLiteral("KB"));
    } else {
        AmbienteTest::scrivi(percorso(genere), "[Mese_1]\n" + riempitivo);
        VariabiliMensili::caricaAnno(kId, 2026, &errore);
        QVERIFY(errore.contains(QLatin1String("KB")));
        nonRiscritto(genere, QStringLiteral("KB"));
    }
}

VARDELLO_TEST_MAIN(TestLettori)
#include "tst_lettori.moc"
