#include "ambientetest.h"
#include "anteprimastampa.h"
#include "azienda.h"
#include "config.h"
#include "conteggiosalario.h"
#include "documentichiusura.h"
#include "dialoganno.h"
#include "dipendente.h"
#include "ferie.h"
#include "nazioni.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "scegliconteggio.h"
#include "schedadipendente.h"
#include "stampescheda.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

// The printouts of the employee card: the pay slip rebuilt from a saved pay
// count, and the variables of a year.
class TestStampeScheda : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica()); }
    void init();
    void cleanup();

    void righeFoglioPaga_data();
    void righeFoglioPaga();
    void intestazioniFoglioPaga();
    void foglioPagaDallaScheda();
    void foglioPagaSenzaScelta_data();
    void foglioPagaSenzaScelta();
    void righeComeLaChiusura();
    void variabiliDallaScheda_data();
    void variabiliDallaScheda();

private:
    static QString svizzero(double v) { return QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2); }
    static QString sfr(double v) { return QStringLiteral("SFr. ") + svizzero(v); }
    static void scriviPaghe(int anno, const QByteArray& contenuto)
    {
        AmbienteTest::scrivi(Config::cartellaDati() + QStringLiteral("/paghe/Rossi_Mario/%1.ini").arg(anno),
                             contenuto);
    }
    static QStringList righe(const QList<FoglioPaga::Voce>& voci)
    {
        QStringList r;
        for (const FoglioPaga::Voce& v : voci)
            r << QStringList{v.descrizione, v.imponibile, v.aliquota, QString::number(v.importo, 'f', 2)}.join('|');
        return r;
    }
    // Closes the preview that opens next, after noting its title, its
    // proposed file name and the text of the PDF it showed.
    void quandoAnteprima(QString* titolo, QString* nomeFile, InfoPdf* pdf);

    RegistroPiattaforma piattaforma;
    const QString id = QStringLiteral("Rossi_Mario.txt");
};

void TestStampeScheda::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));

    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa & Figli SA");
    a.indirizzo = QStringLiteral("Via Cantonale 10");
    a.cap = QStringLiteral("6900");
    a.localita = QStringLiteral("Lugano");
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));

    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("14/04/1988");
    d.indirizzo = QStringLiteral("Via Roma 1");
    d.cap = QStringLiteral("6500");
    d.localita = QStringLiteral("Bellinzona");
    d.numeroAVS = QStringLiteral("756.1111.2222.39");
    d.periodi = {{QStringLiteral("01/02/2020"), QStringLiteral("31/12/2026")}};
    d.banca = QStringLiteral("Banca Esempio");
    d.iban = QStringLiteral("CH9300762011623852957");
    QVERIFY(Dipendente::salva(d, id));
}

void TestStampeScheda::cleanup()
{
    for (const QUrl& u : piattaforma.urlAperti) // the temporary previews
        QFile::remove(u.toLocalFile());
    piattaforma.urlAperti.clear();
}

void TestStampeScheda::quandoAnteprima(QString* titolo, QString* nomeFile, InfoPdf* pdf)
{
    quandoAperto([=] {
        auto* a = finestraAperta<AnteprimaStampa>();
        QVERIFY(a);
        *titolo = a->windowTitle();
        *nomeFile = a->nomeFilePredefinito;
        QCOMPARE(a->cartellaPredefinita, AmbienteTest::home());
        if (!piattaforma.urlAperti.isEmpty())
            *pdf = leggiPdf(piattaforma.urlAperti.last().toLocalFile());
        a->accept();
    });
}

// Each row: the month's group of the pay history, the birth date; the
// earnings and deduction rows as description|base|rate|amount.
void TestStampeScheda::righeFoglioPaga_data()
{
    QTest::addColumn<QByteArray>("gruppo");
    QTest::addColumn<QString>("nascita");
    QTest::addColumn<QStringList>("lordi");
    QTest::addColumn<QStringList>("deduzioni");
    QTest::addColumn<double>("totaleDeduzioni");

    // AVS 5.3 %, AD 1.1 %, accident insurance 1.0 %; age 38 in 2026: 10 %.
    QTest::newRow("regular month")
        << QByteArray("lordoImponibile=6200.00\ncontributiDipendente=400.00\nlppDipendente=250.00\n"
                      "impostaTrattenuta=300.00\nnetto=5250.00\n")
        << "14/04/1988" << QStringList{"Salario imponibile|||6200.00"}
        << QStringList{"AVS-AI-IPG|" + sfr(6200) + "|5.3000%|328.60", "AD|" + sfr(6200) + "|1.1000%|68.20",
                       "Infortuni non professionali|" + sfr(6200) + "|0.0516%|3.20",
                       "Cassa pensione (LPP)||10.0000%|250.00", "Imposte alla fonte|" + sfr(6200) + "|4.8387%|300.00"}
        << 950.0;

    QTest::newRow("allowances above the gross")
        << QByteArray("lordoImponibile=200.00\nassegniFamiliari=300.00\ncontributiDipendente=50.00\nnetto=450\n")
        << "14/04/1988" << QStringList{"Salario imponibile|||0.00", "Assegni familiari|||300.00"}
        << QStringList{"AVS-AI-IPG|SFr. -|5.3000%|0.00", "AD|SFr. -|1.1000%|0.00",
                       "Infortuni non professionali|SFr. -|1.0000%|50.00", "Cassa pensione (LPP)|||0.00",
                       "Imposte alla fonte|SFr. -|-|0.00"}
        << 50.0;

    QTest::newRow("no tax, contributions within AVS and AD, no birth date")
        << QByteArray("lordoImponibile=5000\ncontributiDipendente=300\nlppDipendente=100\nnetto=4600\n") << ""
        << QStringList{"Salario imponibile|||5000.00"}
        << QStringList{"AVS-AI-IPG|" + sfr(5000) + "|5.3000%|265.00", "AD|" + sfr(5000) + "|1.1000%|55.00",
                       "Infortuni non professionali|SFr. -|-|0.00", "Cassa pensione (LPP)|||100.00",
                       "Imposte alla fonte|SFr. -|-|0.00"}
        << 420.0;
}

void TestStampeScheda::righeFoglioPaga()
{
    QFETCH(QByteArray, gruppo);
    QFETCH(QString, nascita);
    QFETCH(QStringList, lordi);
    QFETCH(QStringList, deduzioni);
    QFETCH(double, totaleDeduzioni);

    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d));
    d.dataNascita = nascita;
    QVERIFY(Dipendente::salva(d, id));
    // Another month before and after: only the chosen group counts.
    scriviPaghe(2026, "[2]\nlordoImponibile=1.00\nnetto=1\n\n[3]\n" + gruppo + "\n[4]\nlordoImponibile=9999\n");

    const FoglioPaga f = StampeScheda::foglioPaga(id, 2026, 3);
    QCOMPARE(righe(f.vociLorde), lordi);
    QCOMPARE(righe(f.deduzioni), deduzioni);
    QCOMPARE(QString::number(f.totaleDeduzioni, 'f', 2), QString::number(totaleDeduzioni, 'f', 2));
    QCOMPARE(f.totaleParziale, 0.0); // the slip computes it
}

void TestStampeScheda::intestazioniFoglioPaga()
{
    scriviPaghe(2026, "[3]\nlordoImponibile=6200.00\nnetto=5250.00\nimportoContanti=100.50\n"
                      "comunicazioni=  Auguri, buone feste  \n");
    Ferie ferie(QStringLiteral("Rossi_Mario"));
    Ferie::AnnoFerie anno;
    anno.legaliDiritto = 25;
    anno.aggiuntiveDiritto = 3;
    anno.legaliPrese = 4;
    anno.regalatePrese = 1;
    ferie.scriviAnno(2026, anno);

    // The card opened from the employee list passes the full path.
    const FoglioPaga f = StampeScheda::foglioPaga(Dipendente::percorsoFile(id), 2026, 3);
    QCOMPARE((QStringList{f.azienda, f.aziendaLocalita, f.dipendente, f.dipendenteLocalita, f.dataEntrata, f.mese,
                          f.luogoData, f.comunicazioni}),
             (QStringList{"Alfa & Figli SA", "6900 Lugano", "Mario Rossi", "6500 Bellinzona", "01/02/2020",
                          "marzo 2026", "Lugano, 5 marzo 2026", "Auguri, buone feste"}));
    QCOMPARE(f.importoContanti, 100.5);
    // Holidays: 4 weeks (no "vacanzeSettimane": the default of the pay
    // count too) x 5 = 20 days + 3 additional = 23; taken 4 + 1 = 5, none
    // in the variables; balance 23 - 5 = 18.
    QCOMPARE((QList<double>{f.giorniVacanzeAnno, f.vacanzeMaturate, f.vacanzePrese, f.saldoVacanze,
                            f.settimaneVacanze}),
             (QList<double>{23, 23, 5, 18, 4}));
}

void TestStampeScheda::foglioPagaDallaScheda()
{
    StoricoPaghe::PagaMese paga;
    paga.anno = 2026;
    paga.mese = 2;
    paga.lordoImponibile = 6200;
    paga.contributiDipendente = 400;
    paga.impostaTrattenuta = 300;
    paga.netto = 5500;
    QVERIFY(StoricoPaghe::salvaMese(id, paga));

    SchedaDipendente scheda(id);
    QString titolo, nomeFile;
    InfoPdf pdf;
    RegistroMessaggi messaggi;
    const auto stampa = [&] {
        quandoAperto([&] {
            auto* scelta = finestraAperta<ScegliConteggio>();
            QVERIFY(scelta);
            QCOMPARE(scelta->annoSelezionato(), 2026);
            QCOMPARE(scelta->meseSelezionato(), 2);
            quandoAnteprima(&titolo, &nomeFile, &pdf);
            scelta->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        scheda.findChild<QPushButton*>(QStringLiteral("stampaFoglioPaga"))->click();
    };
    stampa();
    QVERIFY(messaggi.richieste.isEmpty());

    QCOMPARE(titolo, QStringLiteral("Anteprima foglio paga"));
    QCOMPARE(nomeFile, QStringLiteral("2026-03-05_paga_Rossi_Mario_2026_2.pdf"));
    QVERIFY(pdf.a4Verticale());
    QCOMPARE(pdf.pagine, 1);
    for (const QString& atteso :
         {QStringLiteral("Stipendio mese di febbraio 2026"), QStringLiteral("Alfa & Figli SA"),
          QStringLiteral("Numero AVS: 756.1111.2222.39"), QStringLiteral("Mario Rossi"),
          QStringLiteral("Lugano, 5 marzo 2026"), QStringLiteral("AVS-AI-IPG"), QStringLiteral("5.3000%"),
          QStringLiteral("Imposte alla fonte"), sfr(-300), QStringLiteral("Totale deduzioni"), sfr(-700),
          QStringLiteral("Totale parziale"), sfr(5500), QStringLiteral("Banca Esempio - CH9300762011623852957")})
        QVERIFY2(pdf.testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + pdf.testo));

    // A damaged line in the year: the slip still previews, after a warning
    // naming the file and the line.
    const QString file = StoricoPaghe::percorsoFile(id, 2026);
    AmbienteTest::scrivi(file, AmbienteTest::leggi(file) + "riga rotta\n");
    pdf = InfoPdf();
    stampa();
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Foglio paga"));
    QVERIFY2(messaggi.ultimoTesto().contains(file + QStringLiteral(", riga ")), qPrintable(messaggi.ultimoTesto()));
    QVERIFY(pdf.testo.contains(sfr(5500)));
}

// Cancelling the chooser, or confirming it without a saved count, prints
// nothing.
void TestStampeScheda::foglioPagaSenzaScelta_data()
{
    QTest::addColumn<QByteArray>("conteggi");
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("rifiuto"); // January's last closing refused it
    QTest::newRow("cancelled") << QByteArray("[1]\nnetto=1\n") << "annulla" << "" << "";
    QTest::newRow("no saved count") << QByteArray() << "ok" << "" << "";
    // A group written by hand without a net would print a slip of zeros.
    QTest::newRow("month without a net") << QByteArray("[1]\nlordoImponibile=5000\n") << "ok"
                                         << "Nessun conteggio salvato per gennaio 2026." << "";
    // The month saved before was not paid: no slip shows it paid.
    QTest::newRow("month refused by its last closing")
        << QByteArray("[1]\nlordoImponibile=5000\nnetto=4808.15\n") << "ok"
        << "gennaio 2026 non e' stato pagato: l'ultima chiusura del mese non ha potuto conteggiarlo.\ntariffa Z9 "
           "mancante\n\nIl foglio paga si stampa quando una chiusura conteggia di nuovo il mese."
        << "tariffa Z9 mancante";
}

void TestStampeScheda::foglioPagaSenzaScelta()
{
    QFETCH(QByteArray, conteggi);
    QFETCH(QString, pulsante);
    QFETCH(QString, messaggio);
    QFETCH(QString, rifiuto);
    if (!conteggi.isEmpty())
        scriviPaghe(2026, conteggi);
    if (!rifiuto.isEmpty())
        QVERIFY(StoricoPaghe::segnaRifiuto(id, 2026, 1, rifiuto));
    RegistroMessaggi messaggi;
    SchedaDipendente scheda(id);
    quandoAperto([&] { finestraAperta<ScegliConteggio>()->findChild<QPushButton*>(pulsante)->click(); });
    scheda.findChild<QPushButton*>(QStringLiteral("stampaFoglioPaga"))->click();
    QVERIFY(piattaforma.urlAperti.isEmpty());
    QCOMPARE(messaggi.ultimoTesto(), messaggio);
}

// A month the pay count saved with its lines: the card's slip has the lines
// of the closing's slip, each salary item by name.
void TestStampeScheda::righeComeLaChiusura()
{
    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d));
    d.salarioMensile = 6000;
    QVERIFY(Dipendente::salva(d, id));
    QList<VariabileMese> variabili = VariabiliMensili::caricaAnno(id, 2026);
    variabili[2].rimborsoSpese = 120;
    QVERIFY(VariabiliMensili::salvaAnno(id, 2026, variabili));
    QVERIFY(ConteggioSalario::genera(id, d, 2026, 3, true, 0).errore.isEmpty());

    const FoglioPaga carta = StampeScheda::foglioPaga(id, 2026, 3);
    FoglioPaga chiusura;
    QVERIFY(DocumentiChiusura::foglioPaga(id, 2026, 3, QString(), &chiusura));
    QCOMPARE(righe(carta.vociLorde), righe(chiusura.vociLorde));
    QCOMPARE(righe(carta.deduzioni), righe(chiusura.deduzioni));
    QCOMPARE(righe(carta.altreVoci), righe(chiusura.altreVoci));
    QCOMPARE(righe(carta.vociLorde).first(), QStringLiteral("Salario mensile|||6000.00"));
    QCOMPARE(righe(carta.altreVoci).first(), QStringLiteral("Rimborso spese|||120.00"));
    QCOMPARE(carta.importoVersato, chiusura.importoVersato);
}

// Both variables printouts draw the variables sheet of the chosen year; the
// yearly summary follows it with the page of the year's totals of the saved
// pay counts.
void TestStampeScheda::variabiliDallaScheda_data()
{
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("titoloAnno");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("nomeFile");
    QTest::addColumn<bool>("orario");
    QTest::addColumn<QByteArray>("danno"); // added to the year's pay history; "rifiuto": February refused
    QTest::newRow("monthly sheet") << "stampaVariabiliMese" << "Stampa variabili mese" << "Anteprima variabili mese"
                                   << "2026-03-05_variabili_Rossi_Mario_2025.pdf" << false << QByteArray();
    QTest::newRow("yearly summary, hourly pay")
        << "riepilogoAnnuale" << "Riepilogo annuale" << "Anteprima riepilogo annuale"
        << "2026-03-05_riepilogo_Rossi_Mario_2025.pdf" << true << QByteArray();
    // The summary warns of the damaged line 7 and shows what was read.
    QTest::newRow("yearly summary, damaged history")
        << "riepilogoAnnuale" << "Riepilogo annuale" << "Anteprima riepilogo annuale"
        << "2026-03-05_riepilogo_Rossi_Mario_2025.pdf" << false << QByteArray("riga rotta\n");
    // February saved, then refused by its last closing: named with the reason.
    QTest::newRow("yearly summary, month refused")
        << "riepilogoAnnuale" << "Riepilogo annuale" << "Anteprima riepilogo annuale"
        << "2026-03-05_riepilogo_Rossi_Mario_2025.pdf" << false << QByteArray("rifiuto");
}

void TestStampeScheda::variabiliDallaScheda()
{
    QFETCH(QString, pulsante);
    QFETCH(QString, titoloAnno);
    QFETCH(QString, titolo);
    QFETCH(QString, nomeFile);
    QFETCH(bool, orario);
    QFETCH(QByteArray, danno);

    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d));
    d.tipoPaga = orario ? 1 : 0;
    QVERIFY(Dipendente::salva(d, id));
    QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, 2025);
    mesi[2].oreFatte = 160;
    mesi[2].importiImponibili = 1500;
    mesi[2].vacanzePrese = 2.125; // printed with the decimals it holds
    QVERIFY(VariabiliMensili::salvaAnno(id, 2025, mesi));
    // Two saved counts: gross 6'200 + 6'300 = 12'500.00, net 5'250 + 5'300.50
    // = 10'550.50; another year's count is not added.
    const bool rifiuto = danno == "rifiuto";
    scriviPaghe(2025, "[1]\nlordoImponibile=6200.00\nnetto=5250.00\n[2]\nlordoImponibile=6300.00\nnetto=5300.50\n"
                          + (rifiuto ? QByteArray() : danno));
    QVERIFY(!rifiuto || StoricoPaghe::segnaRifiuto(id, 2025, 2, QStringLiteral("tariffa Z9 mancante")));
    scriviPaghe(2024, "[12]\nlordoImponibile=999.00\nnetto=888.00\n");
    const bool riepilogo = pulsante == QLatin1String("riepilogoAnnuale");

    RegistroMessaggi messaggi;
    SchedaDipendente scheda(id);
    QString titoloVisto, nomeVisto, titoloDialogo;
    InfoPdf pdf;
    quandoAperto([&] {
        auto* dialogo = finestraAperta<DialogAnno>();
        QVERIFY(dialogo);
        titoloDialogo = dialogo->windowTitle();
        QCOMPARE(dialogo->anno(), 2026);
        dialogo->findChild<QSpinBox*>(QStringLiteral("spinAnno"))->setValue(2025);
        quandoAnteprima(&titoloVisto, &nomeVisto, &pdf);
        dialogo->findChild<QPushButton*>(QStringLiteral("pulsanteOk"))->click();
    });
    scheda.findChild<QPushButton*>(pulsante)->click();

    QCOMPARE(titoloDialogo, titoloAnno);
    if (danno.isEmpty())
        QVERIFY(messaggi.richieste.isEmpty());
    else
        QVERIFY2(messaggi.ultimoTesto().contains(rifiuto ? QStringLiteral("\nfebbraio 2025: tariffa Z9 mancante")
                                                         : StoricoPaghe::percorsoFile(id, 2025)
                                                     + QStringLiteral(", riga 7: ")),
                 qPrintable(messaggi.ultimoTesto()));
    QCOMPARE(titoloVisto, titolo);
    QCOMPARE(nomeVisto, nomeFile);
    QCOMPARE(pdf.pagine, riepilogo ? 2 : 1);
    const QString totali = pdf.testo.section(QStringLiteral("Riepilogo annuale - Anno 2025"), 1);
    QCOMPARE(!totali.isEmpty(), riepilogo);
    if (riepilogo) {
        // A refused February was not paid: out of the totals, named below them.
        for (const QString& atteso : {QStringLiteral("Lordo"), QStringLiteral("Netto"), QStringLiteral("Totale annuo"),
                                      svizzero(rifiuto ? 6200 : 12500), svizzero(rifiuto ? 5250 : 10550.5)})
            QVERIFY2(totali.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + totali));
        QVERIFY(!totali.contains(svizzero(999)));
        QCOMPARE(totali.contains(QStringLiteral("febbraio 2025: tariffa Z9 mancante")), rifiuto);
        QCOMPARE(totali.contains(svizzero(12500)), !rifiuto);
    }
    for (const QString& atteso :
         {QStringLiteral("Inserimento variabili mese - Anno 2025"), QStringLiteral("Dipendente: Rossi Mario"),
          QStringLiteral("Alfa & Figli SA"), QStringLiteral("Lugano, 5 marzo 2026"),
          orario ? svizzero(160) : svizzero(1500), QStringLiteral("2.125"), QStringLiteral("Totale annuo")})
        QVERIFY2(pdf.testo.contains(atteso), qPrintable(atteso + QStringLiteral("\n---\n") + pdf.testo));
    QCOMPARE(pdf.testo.contains(QStringLiteral("Ext 25%")), orario);
}

VARDELLO_TEST_MAIN(TestStampeScheda)
#include "tst_stampescheda.moc"
