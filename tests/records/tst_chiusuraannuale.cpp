#include "ambientetest.h"
#include "certificato.h"
#include "chiusuraannuale.h"
#include "storicopaghe.h"
#include "config.h"
#include "orologio.h"

#include <QCryptographicHash>
#include <QFile>
#include <QDir>
#include <QFileInfo>

class TestChiusuraAnnuale : public QObject
{
    Q_OBJECT

private:
    static QString dati() { return Config::cartellaDati(); }
    static void datiAnno();

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2027, 1, 15), QTime(10, 30, 5)));
    }

    void chiudiERiapri();
    void limitiAnno_data();
    void limitiAnno();
    void statoLetto_data();
    void statoLetto();
    void motivazione_data();
    void motivazione();
    void sigilloVuoto();
    void sigilloCambia_data();
    void sigilloCambia();
    void ordineDelSigillo();
    void noteSuPiuRighe();
    void sigilloAltrove();
};

void TestChiusuraAnnuale::datiAnno()
{
    AmbienteTest::scrivi(dati() + QStringLiteral("/paghe/Rossi_Mario/2026.ini"), "[1]\nnetto=4000\n");
    AmbienteTest::scrivi(dati() + QStringLiteral("/paghe/Bianchi_Ugo/2026.ini"), "[1]\nnetto=3000\n");
    AmbienteTest::scrivi(dati() + QStringLiteral("/paghe/Bianchi_Ugo/2025.ini"), "[1]\nnetto=2900\n");
    AmbienteTest::scrivi(dati() + QStringLiteral("/variabili/Rossi_Mario_2026.ini"), "[Mese_1]\nacconti=0\n");
    AmbienteTest::scrivi(dati() + QStringLiteral("/variabili/Rossi_Mario_2025.ini"), "[Mese_1]\nacconti=0\n");
    AmbienteTest::scrivi(dati() + QStringLiteral("/datoteca_2026.ini"), "[AVS]\n");
}

void TestChiusuraAnnuale::chiudiERiapri()
{
    datiAnno();
    // The audit log ends mid-line: the fragment stays, each entry whole after it.
    const QString troncata = QStringLiteral("2027-01-10T08:00:00 | ANNO=2025 | AZIONE=CHIUS");
    AmbienteTest::scrivi(ChiusuraAnnuale::percorsoAudit(), troncata.toUtf8());
    QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(2026));
    QString errore;
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("  "), QStringLiteral(" fine anno "), &errore));
    int n = 0;
    const QString sigillo = ChiusuraAnnuale::calcolaImprontaAnno(2026, &n);
    QCOMPARE(n, 4); // two pay histories, one variables file, the parameters (found twice, counted once)
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2026));

    const QString stato = QString::fromUtf8(AmbienteTest::leggi(ChiusuraAnnuale::percorsoStatoAnno(2026)));
    QCOMPARE(stato, QStringLiteral("anno=2026\nchiuso=1\ndataChiusura=2027-01-15T10:30:05\noperatore=Amministratore\n"
                                   "note=fine anno\nfileSigillati=4\nsha256=%1\nrifiutiSigillati=1\n").arg(sigillo));
    const StatoEsercizio s = ChiusuraAnnuale::statoAnno(2026);
    QCOMPARE(s.sha256, sigillo);
    QCOMPARE(s.fileSigillati, 4);

    QVERIFY(!ChiusuraAnnuale::chiudiAnno(2026, QString(), QString(), &errore));
    QCOMPARE(errore, QStringLiteral("L'esercizio 2026 risulta già chiuso."));

    QVERIFY(ChiusuraAnnuale::riapriAnno(2026, QStringLiteral("Pia"), QStringLiteral("  errore nel conteggio di marzo "), &errore));
    const StatoEsercizio r = ChiusuraAnnuale::statoAnno(2026);
    QVERIFY(!r.chiuso);
    QVERIFY(r.sha256.isEmpty() && r.note.isEmpty() && r.dataChiusura.isEmpty());
    QCOMPARE(r.operatore, QStringLiteral("Pia"));
    QCOMPARE(QString::fromUtf8(AmbienteTest::leggi(ChiusuraAnnuale::percorsoStatoAnno(2026))),
             QStringLiteral("anno=2026\nchiuso=0\ndataRiapertura=2027-01-15T10:30:05\noperatore=Pia\n"
                            "motivazioneRiapertura=errore nel conteggio di marzo\nsha256Precedente=%1\n").arg(sigillo));
    QVERIFY(!ChiusuraAnnuale::riapriAnno(2026, QString(), QStringLiteral("ancora una volta"), &errore));
    QCOMPARE(errore, QStringLiteral("L'esercizio 2026 è già aperto."));

    const QStringList audit = QString::fromUtf8(AmbienteTest::leggi(ChiusuraAnnuale::percorsoAudit())).split(QLatin1Char('\n'));
    QCOMPARE(audit, (QStringList{troncata,
        QStringLiteral("2027-01-15T10:30:05 | ANNO=2026 | AZIONE=CHIUSURA_ESERCIZIO | OPERATORE=Amministratore | SHA256=%1 | NOTE=File sigillati: 4. fine anno").arg(sigillo),
        QStringLiteral("2027-01-15T10:30:05 | ANNO=2026 | AZIONE=RIAPERTURA_STRAORDINARIA | OPERATORE=Pia | SHA256=%1 | NOTE=errore nel conteggio di marzo").arg(sigillo),
        QString()}));
}

void TestChiusuraAnnuale::limitiAnno_data()
{
    QTest::addColumn<int>("anno");
    QTest::addColumn<bool>("ok");
    QTest::newRow("1999") << 1999 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2100") << 2100 << true;
    QTest::newRow("2101") << 2101 << false;
}

void TestChiusuraAnnuale::limitiAnno()
{
    QFETCH(int, anno);
    QFETCH(bool, ok);
    QString errore;
    QCOMPARE(ChiusuraAnnuale::chiudiAnno(anno, QString(), QString(), &errore), ok);
    if (!ok)
        QCOMPARE(errore, QStringLiteral("Anno non valido."));
    QCOMPARE(ChiusuraAnnuale::isAnnoChiuso(anno), ok);
}

// A state file that exists but does not read cleanly counts as closed, says
// what is wrong by file and line, and is neither closed nor reopened over.
void TestChiusuraAnnuale::statoLetto_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("chiuso"); // as the "chiuso" line reads
    QTest::addColumn<int>("fileSigillati");
    QTest::addColumn<QString>("danno"); // "" for a clean file
    QTest::newRow("true, blanks") << QByteArray("  chiuso  =  TRUE  \n") << true << 0 << "";
    QTest::newRow("reopened") << QByteArray("anno=2030\nchiuso=0\ndataRiapertura=x\nmotivazioneRiapertura=y\n"
                                            "sha256Precedente=z\n")
                              << false << 0 << "";
    QTest::newRow("sealed with the refusals") << QByteArray("chiuso=1\nrifiutiSigillati=1\n") << true << 0 << "";
    QTest::newRow("refusals mark neither 1 nor 0") << QByteArray("chiuso=1\nrifiutiSigillati=si\n") << true << 0
                                                   << "riga 2: valore non valido per rifiutiSigillati";
    QTest::newRow("CRLF") << QByteArray("chiuso=1\r\nfileSigillati=3\r\n") << true << 3 << "";
    QTest::newRow("key damaged") << QByteArray("anno=2030\nchiusO=1\n") << false << 0 << "riga 2: chiave sconosciuta";
    QTest::newRow("NUL before the line") << QByteArray("anno=2030\nnote=a\0b\nchiuso=1\n", 28) << true << 0
                                         << "riga 2: carattere NUL";
    QTest::newRow("yes is no value") << QByteArray("chiuso=si\n") << false << 0 << "riga 1: valore non valido per chiuso";
    QTest::newRow("line starting with =") << QByteArray("=chiuso=1\n") << false << 0 << "riga 1: chiave senza nome";
    QTest::newRow("repeated line") << QByteArray("chiuso=1\nchiuso=0\n") << true << 0 << "riga 2: chiave ripetuta";
    QTest::newRow("count not a number") << QByteArray("chiuso=1\nfileSigillati=tanti\n") << true << 0
                                        << "riga 2: valore non valido per fileSigillati";
    QTest::newRow("another year's file") << QByteArray("anno=2029\nchiuso=0\n") << false << 0
                                         << "riga 1: valore non valido per anno";
    QTest::newRow("a group") << QByteArray("[2030]\nchiuso=0\n") << false << 0 << "riga 1: intestazione di gruppo";
    QTest::newRow("no chiuso line") << QByteArray("anno=2030\n") << false << 0 << "manca la riga \"chiuso\"";
}

void TestChiusuraAnnuale::statoLetto()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, chiuso);
    QFETCH(int, fileSigillati);
    QFETCH(QString, danno);
    const QString percorso = ChiusuraAnnuale::percorsoStatoAnno(2030);
    AmbienteTest::scrivi(percorso, file);
    const StatoEsercizio s = ChiusuraAnnuale::statoAnno(2030);
    QCOMPARE(s.anno, 2030);
    QCOMPARE(s.chiuso, chiuso);
    QCOMPARE(s.fileSigillati, fileSigillati);
    QCOMPARE(ChiusuraAnnuale::isAnnoChiuso(2030), chiuso || !danno.isEmpty());
    QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(0));
    QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(-5));
    if (danno.isEmpty()) {
        QVERIFY2(s.errore.isEmpty(), qPrintable(s.errore));
        return;
    }
    QVERIFY2(s.errore.contains(percorso) && s.errore.contains(danno), qPrintable(s.errore));
    // Its pay history cannot be saved, and the year is neither closed nor
    // reopened over the damaged file.
    StoricoPaghe::PagaMese p;
    p.anno = 2030;
    p.mese = 1;
    QVERIFY(!StoricoPaghe::salvaMese(QStringLiteral("rossi.txt"), p));
    QString errore;
    QVERIFY(!ChiusuraAnnuale::chiudiAnno(2030, QString(), QString(), &errore));
    QVERIFY2(errore.contains(danno), qPrintable(errore));
    QVERIFY(!ChiusuraAnnuale::riapriAnno(2030, QString(), QStringLiteral("motivo lungo"), &errore));
    QVERIFY2(errore.contains(danno), qPrintable(errore));
    QCOMPARE(AmbienteTest::leggi(percorso), file);
}

void TestChiusuraAnnuale::motivazione_data()
{
    QTest::addColumn<QString>("motivo");
    QTest::addColumn<bool>("ok");
    QTest::newRow("four letters in blanks") << "    abcd     " << false;
    QTest::newRow("five letters") << "abcde" << true;
    QTest::newRow("empty") << "" << false;
}

void TestChiusuraAnnuale::motivazione()
{
    QFETCH(QString, motivo);
    QFETCH(bool, ok);
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("Ugo"), QString()));
    QString errore;
    QCOMPARE(ChiusuraAnnuale::riapriAnno(2026, QStringLiteral("Ugo"), motivo, &errore), ok);
    QCOMPARE(ChiusuraAnnuale::isAnnoChiuso(2026), !ok);
    if (!ok)
        QCOMPARE(errore, QStringLiteral("Inserire una motivazione dettagliata (almeno 5 caratteri) per il registro di audit."));
}

void TestChiusuraAnnuale::sigilloVuoto()
{
    int n = -1;
    const QString sigillo = ChiusuraAnnuale::calcolaImprontaAnno(2026, &n);
    QCOMPARE(n, 0);
    QCOMPARE(sigillo, QString::fromLatin1(QCryptographicHash::hash("KORMANTEL_ANNO_2026\n", QCryptographicHash::Sha256).toHex()));
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QString(), QString()));
    QVERIFY(ChiusuraAnnuale::statoAnno(2026).rifiutiSigillati);
    // A refusals file added by hand to a year closed without any breaks the
    // seal; a state of an earlier version, without the mark, still takes a
    // seal without the refusals.
    AmbienteTest::scrivi(dati() + QStringLiteral("/paghe/Rossi_Mario/2026.rifiuti"), "[12]\nmotivo=a mano\n");
    QVERIFY(!ChiusuraAnnuale::sigilloIntegro(ChiusuraAnnuale::statoAnno(2026)));
    const QString stato = ChiusuraAnnuale::percorsoStatoAnno(2026);
    AmbienteTest::scrivi(stato, AmbienteTest::leggi(stato).replace("rifiutiSigillati=1\n", ""));
    QVERIFY(ChiusuraAnnuale::statoAnno(2026).errore.isEmpty());
    QVERIFY(ChiusuraAnnuale::sigilloIntegro(ChiusuraAnnuale::statoAnno(2026)));
}

void TestChiusuraAnnuale::sigilloCambia_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contenuto"); // empty: remove the file
    QTest::addColumn<bool>("cambia");
    QTest::newRow("one byte of a pay history") << "paghe/Rossi_Mario/2026.ini" << QByteArray("[1]\nnetto=4001\n") << true;
    QTest::newRow("one byte of the variables") << "variabili/Rossi_Mario_2026.ini" << QByteArray("[Mese_1]\nacconti=1\n") << true;
    QTest::newRow("new pay history") << "paghe/Verdi_Pia/2026.ini" << QByteArray("[2]\n") << true;
    QTest::newRow("other year") << "paghe/Bianchi_Ugo/2025.ini" << QByteArray("[1]\nnetto=1\n") << false;
    QTest::newRow("variables of another year") << "variabili/Rossi_Mario_2025.ini" << QByteArray("x") << false;
    QTest::newRow("certificate of the year") << "certificati/certificato_Rossi_Mario_2026.txt" << QByteArray("cifra1=1") << true;
    QTest::newRow("certificate of another year") << "certificati/certificato_Rossi_Mario_2025.txt" << QByteArray("cifra1=1") << false;
    QTest::newRow("nested variables not sealed") << "variabili/vecchi/Rossi_Mario_2026.ini" << QByteArray("x") << false;
    // The months the closings refused: what the year paid.
    QTest::newRow("refusals of the year") << "paghe/Rossi_Mario/2026.rifiuti" << QByteArray("[11]\nmotivo=y\n") << true;
    QTest::newRow("refusals of the year deleted") << "paghe/Rossi_Mario/2026.rifiuti" << QByteArray() << true;
    QTest::newRow("refusals of another year") << "paghe/Rossi_Mario/2025.rifiuti" << QByteArray("[1]\nmotivo=y\n") << false;
}

void TestChiusuraAnnuale::sigilloCambia()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    QFETCH(bool, cambia);
    datiAnno();
    QVERIFY(StoricoPaghe::segnaRifiuto(QStringLiteral("Rossi_Mario.txt"), 2026, 11, QStringLiteral("tariffa Z9")));
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QString(), QString()));
    const QString sigillo = ChiusuraAnnuale::statoAnno(2026).sha256;
    QCOMPARE(ChiusuraAnnuale::calcolaImprontaAnno(2026), sigillo);
    if (contenuto.isEmpty())
        QVERIFY(QFile::remove(dati() + QLatin1Char('/') + file));
    else
        AmbienteTest::scrivi(dati() + QLatin1Char('/') + file, contenuto);
    QCOMPARE(ChiusuraAnnuale::calcolaImprontaAnno(2026) != sigillo, cambia);
    QCOMPARE(ChiusuraAnnuale::sigilloIntegro(ChiusuraAnnuale::statoAnno(2026)), !cambia);
}

void TestChiusuraAnnuale::ordineDelSigillo()
{
    datiAnno();
    // The seal hashes the sorted full paths: datoteca_ before paghe/ before variabili/.
    QByteArray atteso = "KORMANTEL_ANNO_2026\n";
    for (const char* f : {"datoteca_2026.ini", "paghe/Bianchi_Ugo/2026.ini", "paghe/Rossi_Mario/2026.ini",
                          "variabili/Rossi_Mario_2026.ini"}) {
        atteso += QByteArray(f) + '\n' + AmbienteTest::leggi(dati() + QLatin1Char('/') + QLatin1String(f)) + "\n---\n";
    }
    QCOMPARE(ChiusuraAnnuale::calcolaImprontaAnno(2026),
             QString::fromLatin1(QCryptographicHash::hash(atteso, QCryptographicHash::Sha256).toHex()));
}

void TestChiusuraAnnuale::noteSuPiuRighe()
{
    // A note or operator with line breaks cannot add keys to the state file.
    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QStringLiteral("Ugo\nchiuso=0"), QStringLiteral("nota\nchiuso=0\r\nsha256=x")));
    QVERIFY(ChiusuraAnnuale::isAnnoChiuso(2026));
    const StatoEsercizio s = ChiusuraAnnuale::statoAnno(2026);
    QCOMPARE(s.note, QStringLiteral("nota chiuso=0  sha256=x"));
    QCOMPARE(s.sha256.size(), 64);
    QVERIFY(ChiusuraAnnuale::riapriAnno(2026, QString(), QStringLiteral("motivo\nchiuso=1")));
    QVERIFY(!ChiusuraAnnuale::isAnnoChiuso(2026));
    const QStringList audit = QString::fromUtf8(AmbienteTest::leggi(ChiusuraAnnuale::percorsoAudit())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(audit.size(), 2);
}

// With a data folder chosen elsewhere the seal still covers the year's
// parameters and certificates in the default folder, and a certificate of a
// closed year is refused like its pay history. Every sealed file is one the
// restore recognises as the year's.
void TestChiusuraAnnuale::sigilloAltrove()
{
    const QString predefinita = Config::cartellaDatiPredefinita();
    QVERIFY(Config::setCartellaDati(AmbienteTest::home() + QStringLiteral("/altrove")));
    datiAnno();
    AmbienteTest::scrivi(predefinita + QStringLiteral("/datoteca_2026.ini"), "[AVS]\n");
    Certificato::DatiCertificato c;
    c.idDipendente = QStringLiteral("Rossi_Mario.txt");
    c.annoValidita = 2026;
    QVERIFY(Certificato::salva(c));
    // paghe x2, variabili, datoteca in each folder, the certificate.
    const QStringList file = ChiusuraAnnuale::fileAnno(2026);
    QCOMPARE(file.size(), 6);
    QVERIFY(file.contains(Certificato::percorsoFile(c)));
    for (const QString& f : file)
        QVERIFY2(ChiusuraAnnuale::fileDellAnno(f, 2026, dati()), qPrintable(f));
    QVERIFY(!ChiusuraAnnuale::fileDellAnno(dati() + QStringLiteral("/paghe/Bianchi_Ugo/2025.ini"), 2026, dati()));

    QVERIFY(ChiusuraAnnuale::chiudiAnno(2026, QString(), QString()));
    QCOMPARE(ChiusuraAnnuale::statoAnno(2026).fileSigillati, 6);
    const QByteArray prima = AmbienteTest::leggi(Certificato::percorsoFile(c));
    c.cifra1 = 1000.0;
    QString errore;
    QVERIFY(!Certificato::salva(c, &errore));
    QVERIFY2(errore.contains(QString::fromUtf8("L'esercizio 2026 è chiuso e bloccato")), qPrintable(errore));
    QCOMPARE(AmbienteTest::leggi(Certificato::percorsoFile(c)), prima);
    QCOMPARE(ChiusuraAnnuale::calcolaImprontaAnno(2026), ChiusuraAnnuale::statoAnno(2026).sha256);
    c.annoValidita = 2025;
    QVERIFY(Certificato::salva(c));
}

VARDELLO_TEST_MAIN(TestChiusuraAnnuale)
#include "tst_chiusuraannuale.moc"
