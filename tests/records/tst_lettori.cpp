// Readers of the record files faced with damaged or hostile files: NUL bytes,
// numbers that are no finite amount, typed INI values, huge counts and files
// above the size a reader accepts. Nothing that was on disk may be lost.
#include "ambientetest.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "dipendente.h"
#include "ferie.h"
#include "fileini.h"
#include "filesicuri.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QElapsedTimer>
#include <QSettings>

namespace {

QString percorsoPaghe(const QString& id, int anno)
{
    return StoricoPaghe::percorsoFile(id, anno);
}

QByteArray annoPaghe(int mesi, int meseConNul)
{
    QByteArray b = "# Storico paghe 2026 - rossi.txt\n\n";
    for (int m = 1; m <= mesi; ++m) {
        b += "[" + QByteArray::number(m) + "]\nlordoImponibile=5000.00\nnetto=" + QByteArray::number(4000 + m)
            + ".00\ncomunicazioni=mese " + QByteArray::number(m);
        if (m == meseConNul)
            b += QByteArray("\0dopo", 5);
        b += "\n\n";
    }
    return b;
}

QByteArray dipendenteCompleto(const QByteArray& cognome)
{
    return "nome=Anna\ncognome=" + cognome
        + "\nnPeriodi=1\nperiodo1_entrata=01/01/2020\nsalarioMensile=5200.00\n"
          "iban=CH9300762011623852957\nfigli_count=0\n";
}

QString percorsoDipendente(const QString& id)
{
    return Dipendente::percorsoFile(id);
}

} // namespace

class TestLettori : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void nulNelloStoricoPaghe();
    void nulNelDipendente();
    void nulPrimaDellaChiusura();
    void importiNonFiniti_data();
    void importiNonFiniti();
    void variabiliConValoreTipizzato();
    void iniComeIlFormatoDiSempre_data();
    void iniComeIlFormatoDiSempre();
    void ferieConservaGliAltriAnni();
    void conteggiEnormi();
    void fileTroppoGrandi_data();
    void fileTroppoGrandi();
    void storicoStipendiNonSovrascritto();
};

// A NUL in month 3's communication: every month loads, and saving month 4
// keeps all twelve.
void TestLettori::nulNelloStoricoPaghe()
{
    const QString id = QStringLiteral("rossi.txt");
    AmbienteTest::scrivi(percorsoPaghe(id, 2026), annoPaghe(12, 3));
    QList<StoricoPaghe::PagaMese> mesi;
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(mesi.at(11).netto, 4012.0);

    StoricoPaghe::PagaMese quarto;
    quarto.anno = 2026;
    quarto.mese = 4;
    quarto.netto = 3999.95;
    QString errore;
    QVERIFY2(StoricoPaghe::salvaMese(id, quarto, &errore), qPrintable(errore));
    QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(QString::number(mesi.at(3).netto, 'f', 2), QStringLiteral("3999.95"));
    QCOMPARE(mesi.at(11).netto, 4012.0);
}

void TestLettori::nulNelDipendente()
{
    const QString id = QStringLiteral("bianchi.txt");
    AmbienteTest::scrivi(percorsoDipendente(id), dipendenteCompleto(QByteArray("Bian\0chi", 8)));
    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d));
    QCOMPARE(d.salarioMensile, 5200.0);
    QCOMPARE(d.iban, QStringLiteral("CH9300762011623852957"));
    QCOMPARE(d.periodi.size(), 1);
    QVERIFY(Dipendente::salva(d, id));
    DatiDipendente riletto;
    QVERIFY(Dipendente::carica(id, riletto));
    QCOMPARE(riletto, d);
}

void TestLettori::nulPrimaDellaChiusura()
{
    AmbienteTest::scrivi(ChiusuraAnnuale::percorsoStatoAnno(2025),
                         QByteArray("anno=2025\nnote=a\0b\nchiuso=1\n", 27));
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2025));
    StoricoPaghe::PagaMese p;
    p.anno = 2025;
    p.mese = 1;
    QVERIFY(!StoricoPaghe::salvaMese(QStringLiteral("rossi.txt"), p));
}

// Every amount or rate that is not a finite number in range is reported by
// its key, never taken as it is.
void TestLettori::importiNonFiniti_data()
{
    QTest::addColumn<QString>("genere");
    QTest::addColumn<QByteArray>("valore");
    for (const char* v : {"inf", "1e309", "nan", "-inf", "2e12"}) {
        QTest::newRow(qPrintable(QStringLiteral("employee %1").arg(QLatin1String(v)))) << "dipendente" << QByteArray(v);
        QTest::newRow(qPrintable(QStringLiteral("company %1").arg(QLatin1String(v)))) << "azienda" << QByteArray(v);
        QTest::newRow(qPrintable(QStringLiteral("variables %1").arg(QLatin1String(v)))) << "variabili" << QByteArray(v);
        QTest::newRow(qPrintable(QStringLiteral("pay history %1").arg(QLatin1String(v)))) << "paghe" << QByteArray(v);
        QTest::newRow(qPrintable(QStringLiteral("movements %1").arg(QLatin1String(v)))) << "movimenti" << QByteArray(v);
        QTest::newRow(qPrintable(QStringLiteral("salary history %1").arg(QLatin1String(v)))) << "stipendi" << QByteArray(v);
    }
}

void TestLettori::importiNonFiniti()
{
    QFETCH(QString, genere);
    QFETCH(QByteArray, valore);
    const QString id = QStringLiteral("verdi.txt");
    QString errore;
    if (genere == QLatin1String("dipendente")) {
        AmbienteTest::scrivi(percorsoDipendente(id), "nome=Ugo\nsalarioMensile=" + valore + "\n");
        DatiDipendente d;
        QVERIFY(!Dipendente::carica(id, d, &errore));
        QVERIFY(errore.contains(QLatin1String("salarioMensile")));
        QCOMPARE(d.salarioMensile, 0.0);
    } else if (genere == QLatin1String("azienda")) {
        AmbienteTest::scrivi(Config::cartellaDati() + QStringLiteral("/ditta.txt"),
                             "Ditta SA\nVia 1\n6900\nLugano\nTI\nCH\nlainfINPuomoPerMille=" + valore + "\n");
        const DatiAzienda a = Azienda::carica(QStringLiteral("ditta.txt"), &errore);
        QVERIFY(errore.contains(QLatin1String("lainfINPuomoPerMille")));
        QCOMPARE(a.lainfINPuomoPerMille, 0.0);
    } else if (genere == QLatin1String("variabili")) {
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(id, 2026), "[Mese_2]\nrimborsoSpese=" + valore + "\n");
        const VariabileMese v = VariabiliMensili::caricaMese(id, 2026, 2, &errore);
        QVERIFY(errore.contains(QLatin1String("Mese_2/rimborsoSpese")));
        QCOMPARE(v.rimborsoSpese, 0.0);
        // The file is not rewritten from what could not be read.
        const QByteArray prima = AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026));
        QVERIFY(!VariabiliMensili::salvaAnno(id, 2026, VariabiliMensili::caricaAnno(id, 2026), &errore));
        QVERIFY(errore.contains(QLatin1String("rimborsoSpese")));
        QCOMPARE(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)), prima);
    } else if (genere == QLatin1String("paghe")) {
        AmbienteTest::scrivi(percorsoPaghe(id, 2026), "[1]\nnetto=" + valore + "\n");
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi, &errore));
        QVERIFY(errore.contains(QLatin1String("netto")));
        const QByteArray prima = AmbienteTest::leggi(percorsoPaghe(id, 2026));
        StoricoPaghe::PagaMese p;
        p.anno = 2026;
        p.mese = 2;
        QVERIFY(!StoricoPaghe::salvaMese(id, p, &errore));
        QVERIFY(errore.contains(QLatin1String("netto")));
        QCOMPARE(AmbienteTest::leggi(percorsoPaghe(id, 2026)), prima);
    } else if (genere == QLatin1String("movimenti")) {
        AmbienteTest::scrivi(Movimenti::percorsoFile(QStringLiteral("verdi")), "data=2026-01-31\nimporto=" + valore + "\n");
        const QList<MovimentoStipendio> m = Movimenti::carica(QStringLiteral("verdi"), &errore);
        QCOMPARE(m.size(), 1);
        QCOMPARE(m.at(0).importo, 0.0);
        QVERIFY(errore.contains(QLatin1String("importo")));
    } else {
        AmbienteTest::scrivi(StoricoStipendi::percorsoFile(id), "periodo1.dataInizio=01/01/2026\nperiodo1.salarioMensile="
                                                                   + valore + "\n");
        QVector<PeriodoStipendio> v;
        QVERIFY(StoricoStipendi::carica(id, v, &errore));
        QVERIFY(errore.contains(QLatin1String("periodo1.salarioMensile")));
        QCOMPARE(v.value(0).salarioMensile, 0.0);
    }
}

// The 52-byte file that made the toolkit's reader ask for gigabytes: the
// typed value is unreadable, reported, and the file is not written over.
void TestLettori::variabiliConValoreTipizzato()
{
    const QString id = QStringLiteral("neri.txt");
    const QByteArray ostile("[Mese_1]\nacconti=@Variant(\0\0\0\x0b\x7f\xff\xff\xff)\n", 35);
    AmbienteTest::scrivi(VariabiliMensili::percorsoFile(id, 2026), ostile);
    QString errore;
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, 2026, &errore);
    QCOMPARE(mesi.size(), 12);
    QCOMPARE(mesi.at(0).acconti, 0.0);
    QVERIFY(errore.contains(QLatin1String("Mese_1/acconti")));
    QVERIFY(!VariabiliMensili::salvaAnno(id, 2026, mesi, &errore));
    QCOMPARE(AmbienteTest::leggi(VariabiliMensili::percorsoFile(id, 2026)), ostile);
}

// The files written by the toolkit's settings class read the same with the
// program's reader, and what the program writes reads the same there.
void TestLettori::iniComeIlFormatoDiSempre_data()
{
    QTest::addColumn<QString>("valore");
    QTest::newRow("plain") << QStringLiteral("Rimborso benzina");
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
    QTest::newRow("number") << QStringLiteral("1234.5");
    QTest::newRow("empty") << QString();
}

void TestLettori::iniComeIlFormatoDiSempre()
{
    QFETCH(QString, valore);
    const QString percorso = AmbienteTest::home() + QStringLiteral("/prova.ini");
    {
        QSettings s(percorso, QSettings::IniFormat);
        s.setIniCodec("UTF-8");
        s.setValue(QStringLiteral("Mese_3/comunicazioni"), valore);
        s.setValue(QStringLiteral("Mese_3/acconti"), 12.5);
        s.sync();
    }
    const FileIni ini = FileIni::leggi(AmbienteTest::leggi(percorso));
    if (QTest::currentDataTag() != QLatin1String("emoji")) {
        const QVariant atteso =
            QSettings(percorso, QSettings::IniFormat).value(QStringLiteral("Mese_3/comunicazioni"));
        const QString attesoTesto = atteso.type() == QVariant::StringList
            ? atteso.toStringList().join(QStringLiteral(", ")) : atteso.toString();
        QCOMPARE(ini.valore(QStringLiteral("Mese_3"), QStringLiteral("comunicazioni")), attesoTesto);
        QCOMPARE(ini.valore(QStringLiteral("Mese_3"), QStringLiteral("acconti")), QStringLiteral("12.5"));
    }

    FileIni nuovo;
    nuovo.imposta(QStringLiteral("Mese_1"), QStringLiteral("comunicazioni"), valore);
    AmbienteTest::scrivi(percorso, nuovo.scrivi());
    QSettings s(percorso, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    QCOMPARE(s.value(QStringLiteral("Mese_1/comunicazioni")).toString(), valore);
    QCOMPARE(FileIni::leggi(nuovo.scrivi()).valore(QStringLiteral("Mese_1"), QStringLiteral("comunicazioni")), valore);
}

void TestLettori::ferieConservaGliAltriAnni()
{
    Ferie f(QStringLiteral("rossi"));
    Ferie::AnnoFerie a;
    a.legaliPrese = 7;
    a.dataCessazione = QStringLiteral("31.12.2025");
    f.scriviAnno(2025, a);
    Ferie::AnnoFerie b;
    b.legaliDiritto = 30;
    f.scriviAnno(2026, b);
    QCOMPARE(f.leggiAnno(2025).legaliPrese, 7);
    QCOMPARE(f.leggiAnno(2025).dataCessazione, QStringLiteral("31.12.2025"));
    QCOMPARE(f.leggiAnno(2026).legaliDiritto, 30);
    QSettings s(f.percorsoFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("2025/legaliPrese")).toInt(), 7);
}

// A count far beyond any real record, over a million empty lines: cut to
// its limit and reported; loading and saving stay fast and small.
void TestLettori::conteggiEnormi()
{
    const QString id = QStringLiteral("gialli.txt");
    QByteArray b = "nome=Ugo\nfigli_count=999999999\nnPeriodi=999999999\nsalarioMensile=4000\n";
    b += QByteArray(1000000, '\n');
    AmbienteTest::scrivi(percorsoDipendente(id), b);
    QElapsedTimer t;
    t.start();
    DatiDipendente d;
    QString errore;
    QVERIFY(!Dipendente::carica(id, d, &errore));
    QVERIFY(errore.contains(QLatin1String("figli_count")));
    QVERIFY(errore.contains(QLatin1String("nPeriodi")));
    QCOMPARE(d.figli.size(), Dipendente::kFigliMassimi);
    QCOMPARE(d.periodi.size(), Dipendente::kPeriodiMassimi);
    QVERIFY(Dipendente::salva(d, id));
    QVERIFY(QFileInfo(percorsoDipendente(id)).size() < 200 * 1024);
    QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
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
    const QString id = QStringLiteral("blu.txt");
    const QByteArray riempitivo(FileSicuri::kLimiteRecord, '#');
    QString errore;
    if (genere == QLatin1String("stato")) {
        // The closing line sits past the first megabyte: the year stays locked.
        AmbienteTest::scrivi(ChiusuraAnnuale::percorsoStatoAnno(2024),
                             "anno=2024\n" + QByteArray(1024 * 1024, '\n') + "chiuso=1\n");
        const StatoEsercizio s = ChiusuraAnnuale::statoAnno(2024);
        QVERIFY(!s.errore.isEmpty());
        QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2024));
    } else if (genere == QLatin1String("dipendente")) {
        AmbienteTest::scrivi(percorsoDipendente(id), "nome=Ugo\n" + riempitivo);
        DatiDipendente d;
        QVERIFY(!Dipendente::carica(id, d, &errore));
        QVERIFY(errore.contains(QLatin1String("KB")));
    } else if (genere == QLatin1String("paghe")) {
        AmbienteTest::scrivi(percorsoPaghe(id, 2026), "[1]\nnetto=1.00\n" + riempitivo);
        StoricoPaghe::PagaMese p;
        p.anno = 2026;
        p.mese = 2;
        QVERIFY(!StoricoPaghe::salvaMese(id, p, &errore));
        QVERIFY(errore.contains(QLatin1String("KB")));
        QCOMPARE(QFileInfo(percorsoPaghe(id, 2026)).size(), qint64(riempitivo.size() + 15));
    } else {
        AmbienteTest::scrivi(VariabiliMensili::percorsoFile(id, 2026), "[Mese_1]\n" + riempitivo);
        VariabiliMensili::caricaAnno(id, 2026, &errore);
        QVERIFY(errore.contains(QLatin1String("KB")));
        QVERIFY(!VariabiliMensili::salvaAnno(id, 2026, VariabiliMensili::caricaAnno(id, 2026), &errore));
        QCOMPARE(QFileInfo(VariabiliMensili::percorsoFile(id, 2026)).size(), qint64(riempitivo.size() + 9));
    }
}

void TestLettori::storicoStipendiNonSovrascritto()
{
    const QString id = QStringLiteral("viola.txt");
    const QByteArray danneggiato = "periodo1.dataInizio=01/01/2026\nperiodo1.salarioMensile=cinquemila\n";
    AmbienteTest::scrivi(StoricoStipendi::percorsoFile(id), danneggiato);
    QVector<PeriodoStipendio> v;
    QString errore;
    QVERIFY(StoricoStipendi::carica(id, v, &errore));
    QVERIFY(!errore.isEmpty());
    QVERIFY(!StoricoStipendi::salva(id, v, &errore));
    QVERIFY(errore.contains(QLatin1String("salarioMensile")));
    QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), danneggiato);
    // A value that would not come back as written is refused too.
    AmbienteTest::scrivi(StoricoStipendi::percorsoFile(id), QByteArray());
    v.first().salarioMensile = qInf();
    QVERIFY(!StoricoStipendi::salva(id, v, &errore));
}

VARDELLO_TEST_MAIN(TestLettori)
#include "tst_lettori.moc"
