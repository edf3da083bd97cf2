#include "ambientetest.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "datoteca.h"
#include "orologio.h"

#include <QDir>

namespace {

QString base()
{
    return AmbienteTest::home() + QStringLiteral("/.vardello_dati");
}

QString fileAnno(int anno)
{
    return base() + QStringLiteral("/datoteca_%1.ini").arg(anno);
}

QString fileLog()
{
    return base() + QStringLiteral("/log_parametri_critici.csv");
}

// Loads the year afresh, even when it is the loaded one.
void ricarica(int anno)
{
    Datoteca::carica(anno == 2999 ? 2998 : 2999);
    QVERIFY(Datoteca::carica(anno));
}

QMap<QString, Datoteca::VoceContributo> quattroVoci()
{
    QMap<QString, Datoteca::VoceContributo> m;
    for (const QString& c : {QStringLiteral("AVS"), QStringLiteral("AD"), QStringLiteral("CAF"), QStringLiteral("LAINF")})
        m.insert(c, Datoteca::contributo(c));
    return m;
}

} // namespace

class TestDatoteca : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)));
    }

    void predefiniti();
    void aliquotaLPP_data();
    void aliquotaLPP();
    void letturaFile();
    void caricaUnaVolta();
    void salvaERilegge();
    void salvaSenzaModifiche();
    void salvataggioRifiutato_data();
    void salvataggioRifiutato();
    void logNonScritto();
    void parametriAnno_data();
    void parametriAnno();
    void valoriNonValidi();
};

void TestDatoteca::predefiniti()
{
    ricarica(2026);
    QCOMPARE(Datoteca::annoCorrente(), 2026);
    QCOMPARE(Datoteca::codiciContributi(),
             (QStringList{QStringLiteral("AD"), QStringLiteral("AVS"), QStringLiteral("CAF"), QStringLiteral("LAINF")}));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    QCOMPARE(ad.codice, QStringLiteral("AD"));
    QCOMPARE(ad.descrizione, QStringLiteral("Assicurazione disoccupazione"));
    QCOMPARE(ad.aliquotaDipendente, 1.1);
    QCOMPARE(ad.massimale, 148200.0);
    QCOMPARE(Datoteca::contributo(QStringLiteral("CAF")).aliquotaDatore, 0.305);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).massimale, 0.0);
    const Datoteca::VoceContributo ignota = Datoteca::contributo(QStringLiteral("XYZ"));
    QVERIFY(ignota.codice.isEmpty() && ignota.descrizione.isEmpty() && ignota.aliquotaDipendente == 0);
    const Datoteca::ParametriLPP l = Datoteca::lpp();
    QCOMPARE(l.sogliaEntrata, 22680.0);
    QCOMPARE(l.deduzioneCoordinamento, 26460.0);
    QCOMPARE(l.salarioMassimo, 90720.0);
    QCOMPARE(l.coordinatoMinimo, 3780.0);
    QCOMPARE(l.coordinatoMassimo, 64260.0);
    QCOMPARE(Datoteca::guadagnoMassimo(), 148200.0);
}

void TestDatoteca::aliquotaLPP_data()
{
    // Minimum savings credits of the federal pension law by age.
    QTest::addColumn<int>("eta");
    QTest::addColumn<double>("aliquota");
    QTest::newRow("17") << 17 << 0.0;
    QTest::newRow("18") << 18 << 0.0;
    QTest::newRow("24") << 24 << 0.0;
    QTest::newRow("25") << 25 << 7.0;
    QTest::newRow("34") << 34 << 7.0;
    QTest::newRow("35") << 35 << 10.0;
    QTest::newRow("44") << 44 << 10.0;
    QTest::newRow("45") << 45 << 15.0;
    QTest::newRow("54") << 54 << 15.0;
    QTest::newRow("55") << 55 << 18.0;
    QTest::newRow("65") << 65 << 18.0;
    QTest::newRow("66") << 66 << 0.0;
    QTest::newRow("-1") << -1 << 0.0;
}

void TestDatoteca::aliquotaLPP()
{
    QFETCH(int, eta);
    QFETCH(double, aliquota);
    ricarica(2026);
    QCOMPARE(Datoteca::aliquotaLPP(eta), aliquota);
}

void TestDatoteca::letturaFile()
{
    ricarica(2026); // IGM 148200 and the default age bands
    AmbienteTest::scrivi(fileAnno(2030), QByteArray("# comment\n"
                                                    "chiave=fuori da ogni gruppo\n"
                                                    "  [AD]  \n"
                                                    " aliquotaDipendente = 1.4 \n"
                                                    "massimale=abc\n"
                                                    "riga senza uguale\n"
                                                    "[LPP]\r\n"
                                                    "sogliaEntrata=23000\r\n"
                                                    "coordinatoMassimo=70000\n"
                                                    "[LPP_ETA]\n"
                                                    "40-30=99\n"
                                                    "50=99\n"
                                                    "1-2-3=99\n"
                                                    "x-y=99\n"
                                                    "20-21=3.5\n"
                                                    "21-22=4\n"
                                                    "[AD]\n"
                                                    "descrizione=Disoccupazione = AD\n"
                                                    "aliquotaDatore=1.3\n"
                                                    "[ZZ]\n"));
    ricarica(2030);
    // No [IGM]: the maximum insured earnings of the year loaded before.
    QCOMPARE(Datoteca::guadagnoMassimo(), 148200.0);
    // A group given again is damage (reported below); as read, the later
    // group of the same code replaces the whole entry.
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    QCOMPARE(ad.descrizione, QStringLiteral("Disoccupazione = AD"));
    QCOMPARE(ad.aliquotaDipendente, 0.0);
    QCOMPARE(ad.aliquotaDatore, 1.3);
    QCOMPARE(Datoteca::codiciContributi(), (QStringList{QStringLiteral("AD"), QStringLiteral("ZZ")}));
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente, 0.0);
    const Datoteca::ParametriLPP l = Datoteca::lpp();
    QCOMPARE(l.sogliaEntrata, 23000.0);
    QCOMPARE(l.deduzioneCoordinamento, 0.0);
    QCOMPARE(l.coordinatoMassimo, 70000.0);
    // Bands: a reversed band and malformed keys set nothing; later lines win;
    // ages the file does not set keep the table of the year before.
    QCOMPARE(Datoteca::aliquotaLPP(35), 10.0);
    QCOMPARE(Datoteca::aliquotaLPP(50), 15.0);
    QCOMPARE(Datoteca::aliquotaLPP(20), 3.5);
    QCOMPARE(Datoteca::aliquotaLPP(21), 4.0);
    QCOMPARE(Datoteca::aliquotaLPP(22), 4.0);
    // Every line that could not be read, by file and line.
    const QString problemi = Datoteca::problemiCaricamento().join(QLatin1Char('\n'));
    QCOMPARE(Datoteca::problemiCaricamento().size(), 7);
    QVERIFY2(problemi.contains(fileAnno(2030) + QStringLiteral(", riga 17: gruppo ripetuto: [AD], già alla riga 3")),
             qPrintable(problemi));
    for (const int riga : {2, 5, 6, 12, 13, 14})
        QVERIFY2(problemi.contains(fileAnno(2030) + QStringLiteral(", riga %1: ").arg(riga)), qPrintable(problemi));

    // A band reaching absurd ages fills no memory.
    AmbienteTest::scrivi(fileAnno(2031), QByteArray("[IGM]\nvalore=160000\n[LPP_ETA]\n0-2000000000=5\n"));
    ricarica(2031);
    QCOMPARE(Datoteca::guadagnoMassimo(), 160000.0);
    QCOMPARE(Datoteca::aliquotaLPP(100), 5.0);
}

void TestDatoteca::caricaUnaVolta()
{
    ricarica(2032);
    QCOMPARE(Datoteca::annoCorrente(), 2032);
    AmbienteTest::scrivi(fileAnno(2032), QByteArray("[AD]\naliquotaDipendente=9\n"));
    QVERIFY(Datoteca::carica(2032));
    QVERIFY(Datoteca::carica(0));
    QCOMPARE(Datoteca::annoCorrente(), 2032);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 1.1); // not read again
    ricarica(2032);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 9.0);
}

void TestDatoteca::salvaERilegge()
{
    ricarica(2027);
    QMap<QString, Datoteca::VoceContributo> voci = quattroVoci();
    voci[QStringLiteral("AD")].aliquotaDipendente = 1.2;
    voci[QStringLiteral("AVS")].descrizione = QStringLiteral("AVS\n[LPP]\nsogliaEntrata=1");
    Datoteca::ParametriLPP l = Datoteca::lpp();
    l.coordinatoMinimo = 4000; // saved, not logged
    QVERIFY(Datoteca::salvaCon(voci, l, 150000, 2027));
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 1.2);
    QCOMPARE(Datoteca::guadagnoMassimo(), 150000.0);

    const QString testo = QString::fromUtf8(AmbienteTest::leggi(fileAnno(2027)));
    QVERIFY(testo.startsWith(QStringLiteral("# Datoteca GS - parametri ufficiali 2027\n")));
    QVERIFY(testo.contains(QStringLiteral("[META]\nanno=2027\ndata_modifica=2026-03-14\n")));
    QVERIFY(testo.contains(QStringLiteral("[AD]\ndescrizione=Assicurazione disoccupazione\naliquotaDipendente=1.2\n"
                                          "aliquotaDatore=1.1\nmassimale=148200\n\n[AVS]\n")));
    QVERIFY(testo.contains(QStringLiteral("[CAF]\ndescrizione=Contributo famiglie\naliquotaDipendente=0.305\n"
                                          "aliquotaDatore=0.305\n\n")));
    QVERIFY(testo.contains(QStringLiteral("[LPP]\nsogliaEntrata=22680\ndeduzioneCoordinamento=26460\n"
                                          "salarioMassimo=90720\ncoordinatoMinimo=4000\ncoordinatoMassimo=64260\n\n"
                                          "[IGM]\nvalore=150000\n\n"
                                          "[LPP_ETA]\n18-24=0\n25-34=7\n35-44=10\n45-54=15\n55-65=18\n")));
    QVERIFY(!QDir(base() + QStringLiteral("/backup")).entryList(QDir::Files).size()); // nothing to back up

    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(fileLog())),
             QStringLiteral("2026-03-14T09:26:53,home,AD.aliquotaDipendente,1.1,1.2\n"
                            "2026-03-14T09:26:53,home,IGM.valore,148200,150000\n"));

    ricarica(2027);
    QCOMPARE(Datoteca::codiciContributi(), (QStringList{QStringLiteral("AD"), QStringLiteral("AVS"), QStringLiteral("CAF"),
                                                        QStringLiteral("LAINF"), QStringLiteral("META")}));
    QCOMPARE(Datoteca::contributo(QStringLiteral("META")).aliquotaDipendente, 0.0);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 1.2);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).descrizione, QStringLiteral("AVS [LPP] sogliaEntrata=1"));
    QCOMPARE(Datoteca::lpp().sogliaEntrata, 22680.0);
    QCOMPARE(Datoteca::lpp().coordinatoMinimo, 4000.0);
    QCOMPARE(Datoteca::guadagnoMassimo(), 150000.0);
    QCOMPARE(Datoteca::aliquotaLPP(30), 7.0);

    // A year of 2000 or less saves the loaded year.
    voci[QStringLiteral("CAF")].aliquotaDatore = 0.4;
    QVERIFY(Datoteca::salvaCon(voci, Datoteca::lpp(), 150000, 0));
    ricarica(2027);
    QCOMPARE(Datoteca::contributo(QStringLiteral("CAF")).aliquotaDatore, 0.4);
}

void TestDatoteca::salvaSenzaModifiche()
{
    ricarica(2028);
    QVERIFY(Datoteca::salva());
    Orologio::imposta(QDateTime(QDate(2026, 3, 15), QTime(8, 0, 0)));
    QVERIFY(Datoteca::salva());
    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(fileLog())),
             QStringLiteral("2026-03-14T09:26:53,home,nessuna_modifica,,\n"
                            "2026-03-15T08:00:00,home,nessuna_modifica,,\n"));
    QCOMPARE(QDir(base() + QStringLiteral("/backup")).entryList(QDir::Files),
             QStringList{QStringLiteral("datoteca_2028.ini.20260315_080000")});
    QVERIFY(AmbienteTest::leggi(fileAnno(2028)).contains("data_modifica=2026-03-15"));
}

void TestDatoteca::salvataggioRifiutato_data()
{
    QTest::addColumn<QString>("ostacolo"); // what stands in the way
    QTest::newRow("closed year") << "chiuso";
    QTest::newRow("parameter file cannot be written") << "file";
    // The parameters live in the default folder: a year closed there stays
    // closed after another data folder is chosen.
    QTest::newRow("year closed in the parameters' folder") << "chiusoPredefinita";
    QTest::newRow("value not finite") << "infinito";
}

void TestDatoteca::salvataggioRifiutato()
{
    QFETCH(QString, ostacolo);
    ricarica(2029);
    AmbienteTest::scrivi(fileAnno(2029), QByteArray("[AD]\naliquotaDipendente=1.1\n"));
    ricarica(2029);
    if (ostacolo == QLatin1String("chiuso")) {
        QVERIFY(ChiusuraAnnuale::chiudiAnno(2029, QStringLiteral("Test"), QString()));
    } else if (ostacolo == QLatin1String("chiusoPredefinita")) {
        AmbienteTest::scrivi(base() + QStringLiteral("/chiusure_annuali/2029.ini"), "anno=2029\nchiuso=1\n");
        QVERIFY(Config::setCartellaDati(AmbienteTest::home() + QStringLiteral("/altri_dati")));
        QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(2029));
    } else if (ostacolo == QLatin1String("infinito")) {
        // set below
    } else {
        // A folder in place of the file; the backup copy of this moment
        // exists already, so only the write itself fails.
        QFile::remove(fileAnno(2029));
        QVERIFY(QDir().mkpath(fileAnno(2029)));
        AmbienteTest::scrivi(base() + QStringLiteral("/backup/datoteca_2029.ini.20260314_092653"), "copia");
    }

    QMap<QString, Datoteca::VoceContributo> voci = quattroVoci();
    voci[QStringLiteral("AD")].aliquotaDipendente = 2.5;
    const double igm = ostacolo == QLatin1String("infinito") ? qInf() : 1.0;
    QVERIFY(!Datoteca::salvaCon(voci, Datoteca::lpp(), igm, 2029));

    // Nothing is reported as saved, the tables keep their values and the
    // old file stays as it was.
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 1.1);
    QCOMPARE(Datoteca::guadagnoMassimo(), 148200.0);
    if (ostacolo != QLatin1String("file"))
        QCOMPARE(AmbienteTest::leggi(fileAnno(2029)), QByteArray("[AD]\naliquotaDipendente=1.1\n"));
    // The log takes its lines before the file is replaced: only a save that
    // got as far as the file itself has logged the attempt.
    if (ostacolo == QLatin1String("chiuso") || ostacolo == QLatin1String("chiusoPredefinita")
        || ostacolo == QLatin1String("infinito"))
        QVERIFY(AmbienteTest::leggi(fileLog()).isEmpty());
    else if (ostacolo == QLatin1String("file"))
        QVERIFY(AmbienteTest::leggi(fileLog()).contains(",AD.aliquotaDipendente,1.1,2.5\n"));
    if (ostacolo != QLatin1String("file"))
        QVERIFY(QDir(base() + QStringLiteral("/backup")).entryList(QDir::Files).isEmpty());
}

void TestDatoteca::logNonScritto()
{
    // A folder in place of the change log: the values are saved all the same
    // and the caller learns that the log was not written.
    ricarica(2033);
    QVERIFY(QDir().mkpath(fileLog()));
    QMap<QString, Datoteca::VoceContributo> voci = quattroVoci();
    voci[QStringLiteral("AD")].aliquotaDipendente = 2.5;
    bool logScritto = true;
    QVERIFY(Datoteca::salvaCon(voci, Datoteca::lpp(), 150000, 2033, &logScritto));
    QVERIFY(!logScritto);
    ricarica(2033);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente, 2.5);
    QCOMPARE(Datoteca::guadagnoMassimo(), 150000.0);

    // With the log back in place the same save says so.
    QVERIFY(QDir(fileLog()).removeRecursively());
    QVERIFY(Datoteca::salvaCon(voci, Datoteca::lpp(), 150000, 2033, &logScritto));
    QVERIFY(logScritto);
    QVERIFY(AmbienteTest::leggi(fileLog()).contains("nessuna_modifica"));

    // A log that ends mid-line: the next line goes on a line of its own.
    const QByteArray troncata = "2026-03-14T09:00:00,home,AD.aliquotaDip";
    AmbienteTest::scrivi(fileLog(), troncata);
    voci[QStringLiteral("AD")].aliquotaDipendente = 2.6;
    QVERIFY(Datoteca::salvaCon(voci, Datoteca::lpp(), 150000, 2033, &logScritto));
    QVERIFY(logScritto);
    QCOMPARE(AmbienteTest::leggi(fileLog()), troncata + "\n2026-03-14T09:26:53,home,AD.aliquotaDipendente,2.5,2.6\n");
}

void TestDatoteca::parametriAnno_data()
{
    QTest::addColumn<QByteArray>("file"); // the year's file; empty: the built-in defaults
    QTest::addColumn<double>("franchigia");
    QTest::addColumn<double>("ore");
    QTest::addColumn<QString>("annuali"); // the cantons of the annual withholding-tax model
    QTest::addColumn<QString>("problemi");

    const QString romandi = QStringLiteral("FR,GE,TI,VD,VS");
    QTest::newRow("built-in") << QByteArray() << 1400.0 << 42.0 << romandi << "";
    QTest::newRow("set by the year") << QByteArray("[PENSIONATI]\nfranchigia=1500\n[ORARIO]\noreSettimanali=40.5\n"
                                                   "[IMPOSTA_FONTE]\ncantoniModelloAnnuale=vd, GE ZH\n")
                                     << 1500.0 << 40.5 << "GE,VD,ZH" << "";
    // No canton in the annual model: every canton taxes month by month.
    QTest::newRow("none annual") << QByteArray("[IMPOSTA_FONTE]\ncantoniModelloAnnuale=\n") << 1400.0 << 42.0 << ""
                                 << "";
    // A year written before these values existed: the legal defaults.
    QTest::newRow("not set") << QByteArray("[AD]\naliquotaDipendente=1.1\n") << 1400.0 << 42.0 << romandi << "";
    QTest::newRow("not numbers") << QByteArray("[PENSIONATI]\nfranchigia=tanta\n[ORARIO]\noreSettimanali=0\n")
                                 << 1400.0 << 42.0 << romandi << "riga 2: valore non valido per PENSIONATI/franchigia: \"tanta\"";
    // A canton that is no two letters keeps the default and is reported.
    QTest::newRow("not a canton") << QByteArray("[IMPOSTA_FONTE]\ncantoniModelloAnnuale=GE,Ticino\n") << 1400.0
                                  << 42.0 << romandi
                                  << "riga 2: valore non valido per IMPOSTA_FONTE/cantoniModelloAnnuale: \"GE,Ticino\"";
}

void TestDatoteca::parametriAnno()
{
    QFETCH(QByteArray, file);
    QFETCH(double, franchigia);
    QFETCH(double, ore);
    QFETCH(QString, annuali);
    QFETCH(QString, problemi);

    ricarica(2034);
    if (!file.isEmpty())
        AmbienteTest::scrivi(fileAnno(2035), file);
    ricarica(2035);
    QCOMPARE(Datoteca::franchigiaPensionati(), franchigia);
    QCOMPARE(Datoteca::oreSettimanaliNormali(), ore);
    QCOMPARE(Datoteca::cantoniModelloAnnuale().join(QLatin1Char(',')), annuali);
    // Each problem names the file and its line.
    const QString trovati = Datoteca::problemiCaricamento().join(QLatin1Char(','));
    if (problemi.isEmpty())
        QVERIFY2(trovati.isEmpty(), qPrintable(trovati));
    else
        QVERIFY2(trovati.startsWith(fileAnno(2035) + QStringLiteral(", ")) && trovati.endsWith(problemi),
                 qPrintable(trovati));
    QCOMPARE(Datoteca::modelloAnnuale(QStringLiteral(" ge ")), annuali.contains(QLatin1String("GE")));
    QCOMPARE(Datoteca::modelloAnnuale(QStringLiteral("ZH")), annuali.contains(QLatin1String("ZH")));
    // None becomes a contribution entry.
    QVERIFY(!Datoteca::codiciContributi().contains(QStringLiteral("PENSIONATI")));
    QVERIFY(!Datoteca::codiciContributi().contains(QStringLiteral("ORARIO")));
    QVERIFY(!Datoteca::codiciContributi().contains(QStringLiteral("IMPOSTA_FONTE")));

    // A year file that did not read cleanly is never saved over.
    if (!Datoteca::problemiCaricamento().isEmpty()) {
        QVERIFY(!Datoteca::salvaCon(quattroVoci(), Datoteca::lpp(), Datoteca::guadagnoMassimo(), 2035));
        QCOMPARE(AmbienteTest::leggi(fileAnno(2035)), file);
        return;
    }
    // Saving the year keeps them.
    QVERIFY(Datoteca::salvaCon(quattroVoci(), Datoteca::lpp(), Datoteca::guadagnoMassimo(), 2035));
    ricarica(2035);
    QCOMPARE(Datoteca::franchigiaPensionati(), franchigia);
    QCOMPARE(Datoteca::oreSettimanaliNormali(), ore);
    QCOMPARE(Datoteca::cantoniModelloAnnuale().join(QLatin1Char(',')), annuali);
}

// Values that are no finite number are reported by file, line, group and
// key and read as 0; a NUL in a description is reported and does not end the
// file.
void TestDatoteca::valoriNonValidi()
{
    AmbienteTest::scrivi(fileAnno(2031), QByteArray("[AVS]\ndescrizione=a\0b\naliquotaDipendente=inf\n"
                                                    "aliquotaDatore=5.3\n[AD]\nmassimale=nan\n"
                                                    "[IGM]\nvalore=1e309\n[LPP_ETA]\n25-34=7\n",
                                                    120));
    ricarica(2031);
    const QString f = fileAnno(2031);
    QCOMPARE(Datoteca::problemiCaricamento(),
             (QStringList{f + QStringLiteral(", riga 2: carattere NUL"),
                          f + QStringLiteral(", riga 3: valore non valido per AVS/aliquotaDipendente: \"inf\""),
                          f + QStringLiteral(", riga 6: valore non valido per AD/massimale: \"nan\""),
                          f + QStringLiteral(", riga 8: valore non valido per IGM/valore: \"1e309\"")}));
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente, 0.0);
    QCOMPARE(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDatore, 5.3);
    QCOMPARE(Datoteca::aliquotaLPP(30), 7.0);
    ricarica(2032);
    QVERIFY(Datoteca::problemiCaricamento().isEmpty());
}

VARDELLO_TEST_MAIN(TestDatoteca)
#include "tst_datoteca.moc"
