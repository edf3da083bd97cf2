#include "ambientetest.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "importi.h"
#include "inizializzazione.h"
#include "orologio.h"
#include "piattaformatest.h"
#include "riepilogopaghe.h"
#include "storicopaghe.h"
#include "storicostipendi.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWindow>

#include <unistd.h>

namespace {

// The monthly closing of one month for every employee, saved.
void chiudiMese(int anno, int mese)
{
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        QVERIFY(Dipendente::carica(id, d));
        QVERIFY(ConteggioSalario::genera(id, d, anno, mese, true, -1).errore.isEmpty());
    }
}

bool stessiCentesimi(double a, double b)
{
    return qAbs(a - b) < 0.005;
}

// A folder no one can write into, also when the tests run with privileges
// that ignore folder permissions.
QString cartellaNonScrivibile()
{
    if (::geteuid() == 0)
        return QStringLiteral("/proc");
    const QString c = AmbienteTest::home() + QStringLiteral("/sola_lettura");
    QDir().mkpath(c);
    QFile::setPermissions(c, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return c;
}

const QString kIntestazione = QStringLiteral("periodo;dipendente;cantone;lordo_mensile;avs_dip;avs_dat;ad_dip;ad_dat;"
                                             "caf_dip;caf_dat;lainf_dip;lainf_dat;lpp_dip;lpp_dat;imposta_fonte;"
                                             "netto_mensile;assegni_familiari;stato");
const QString kKeller = QStringLiteral("Keller_Thomas.txt");

} // namespace

class TestRiepilogoPaghe : public QObject
{
    Q_OBJECT

private:
    static QTableWidget* tabella(RiepilogoPaghe& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
    static void clic(RiepilogoPaghe& f, const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); }
    static int riga(RiepilogoPaghe& f, const QString& id)
    {
        for (int r = 0; r < tabella(f)->rowCount(); ++r) {
            if (tabella(f)->item(r, 1)->data(Qt::UserRole).toString() == id)
                return r;
        }
        return -1;
    }
    static double cella(RiepilogoPaghe& f, int r, int c) { return tabella(f)->item(r, c)->text().toDouble(); }

private slots:
    void initTestCase() { QVERIFY(caricaTariffeTicino()); }
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(QDateTime(QDate(2026, 1, 30), QTime(9, 0)));
        Inizializzazione::esegui();
    }
    void cleanup() { Orologio::ripristina(); }

    void annoPredefinito_data();
    void annoPredefinito();
    void cifreDaiMesiSalvati();
    void esporta();
    void nessunDipendente();
};

void TestRiepilogoPaghe::annoPredefinito_data()
{
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<int>("anno");
    QTest::newRow("January") << QDate(2026, 1, 5) << 2025;
    QTest::newRow("end of March") << QDate(2026, 3, 31) << 2025;
    QTest::newRow("April") << QDate(2026, 4, 1) << 2026;
    QTest::newRow("December") << QDate(2026, 12, 31) << 2026;
}

void TestRiepilogoPaghe::annoPredefinito()
{
    QFETCH(QDate, oggi);
    QFETCH(int, anno);
    Orologio::imposta(QDateTime(oggi, QTime(8, 0)));
    RiepilogoPaghe f;
    QCOMPARE(f.findChild<QSpinBox*>(QStringLiteral("anno"))->value(), anno);
}

void TestRiepilogoPaghe::cifreDaiMesiSalvati()
{
    chiudiMese(2026, 1);
    chiudiMese(2026, 2);
    // Keller has no saved month: an estimate, the pay count of each month of
    // 2026 with the salary of the period in force (7,250, no thirteenth, no
    // child): 12 x 7,250 = 87,000. A period of 2025 does not count.
    QFile::remove(StoricoPaghe::percorsoFile(kKeller, 2026));
    DatiDipendente schedaKeller;
    QVERIFY(Dipendente::carica(kKeller, schedaKeller));
    schedaKeller.figli.clear();
    QVERIFY(Dipendente::salva(schedaKeller, kKeller));
    PeriodoStipendio vecchio;
    vecchio.dataInizio = QStringLiteral("01/01/2025");
    vecchio.dataFine = QStringLiteral("31/12/2025");
    vecchio.salarioMensile = 9000;
    PeriodoStipendio p;
    p.dataInizio = QStringLiteral("01/01/2026");
    p.dataFine = QStringLiteral("31/12/2026");
    p.salarioMensile = 7250;
    p.ris.lordo = 7100;
    p.ris.totaleContributiDip = 450.25;
    p.ris.imposta = 10.5;
    p.ris.netto = 6000.1;
    QVERIFY(StoricoStipendi::salva(kKeller, {vecchio, p}));
    // A salary period of Bernasconi does not count: his months are saved.
    PeriodoStipendio q = p;
    q.ris.lordo = 1;
    QVERIFY(StoricoStipendi::salva(QStringLiteral("Bernasconi_Luca.txt"), {q}));

    RiepilogoPaghe f;
    QVERIFY(f.findChild<QLabel*>(QStringLiteral("introduzione"))->text().contains(QStringLiteral("periodi registrati")));
    f.findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2026); // January proposes 2025
    QTableWidget* t = tabella(f);
    QCOMPARE(t->rowCount(), 7);

    int tassati = 0;
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        const int r = riga(f, id);
        QVERIFY(r >= 0);
        QCOMPARE(t->item(r, 0)->checkState(), Qt::Checked);
        if (id == kKeller) {
            QCOMPARE(t->item(r, 2)->text(), QStringLiteral("01/01/2026 - 31/12/2026"));
            QCOMPARE(t->item(r, 4)->text(), QStringLiteral("87000.00"));
            QCOMPARE(t->item(r, 6)->text(), QStringLiteral("0.00")); // settled: not taxed at source
            QCOMPARE(t->item(r, 8)->text(), QStringLiteral("stima"));
            continue;
        }
        QCOMPARE(t->item(r, 8)->text(), QStringLiteral("mesi salvati"));
        QList<StoricoPaghe::PagaMese> mesi;
        QVERIFY(StoricoPaghe::caricaAnno(id, 2026, mesi));
        QCOMPARE(mesi.size(), 2);
        const StoricoPaghe::PagaMese& a = mesi.at(0);
        const StoricoPaghe::PagaMese& b = mesi.at(1);
        QVERIFY2(stessiCentesimi(cella(f, r, 4), a.lordoImponibile + b.lordoImponibile), qPrintable(id));
        QVERIFY(stessiCentesimi(cella(f, r, 5), a.contributiDipendente + b.contributiDipendente));
        QVERIFY(stessiCentesimi(cella(f, r, 6), a.impostaTrattenuta + b.impostaTrattenuta));
        QVERIFY(stessiCentesimi(cella(f, r, 7), a.netto + b.netto));
        if (cella(f, r, 6) > 0)
            ++tassati;
    }
    QCOMPARE(tassati, 2); // Ferreira and Colombo pay tax at source

    // Two rows unticked: the totals are those of the five left.
    RegistroMessaggi messaggi;
    const int keller = riga(f, kKeller);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    t->scrollToItem(t->item(keller, 2));
    const QPoint punto = t->viewport()->mapTo(&f, t->visualItemRect(t->item(keller, 2)).center());
    QTest::mouseDClick(f.windowHandle(), Qt::LeftButton, {}, punto);
    QCOMPARE(t->item(keller, 0)->checkState(), Qt::Unchecked);
    t->item(0, 0)->setCheckState(Qt::Unchecked);
    clic(f, "ricalcola");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Totali (5 dipendenti)"));
    double somme[4] = {};
    for (int r = 0; r < t->rowCount(); ++r) {
        if (t->item(r, 0)->checkState() != Qt::Checked)
            continue;
        for (int c = 0; c < 4; ++c)
            somme[c] += cella(f, r, 4 + c);
    }
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Lordo annuo: %1 CHF\nContributi: %2 CHF\nImposta fonte: %3 CHF\n"
                                                    "Netto annuo: %4 CHF")
                                         .arg(QString::number(somme[0], 'f', 2), QString::number(somme[1], 'f', 2),
                                              QString::number(somme[2], 'f', 2), QString::number(somme[3], 'f', 2)));
    // Keller ticked again: the totals say they hold an estimate.
    t->item(keller, 0)->setCheckState(Qt::Checked);
    clic(f, "ricalcola");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Totali (6 dipendenti)"));
    QVERIFY(messaggi.ultimoTesto().endsWith(QStringLiteral("Di cui 1 dipendenti senza mesi salvati: importi stimati (stima).")));
    // February refused by its last closing: the figures stay, the row and the totals say so.
    const QString id = t->item(1, 1)->data(Qt::UserRole).toString();
    QVERIFY(StoricoPaghe::segnaRifiuto(id, 2026, 2, QStringLiteral("tariffa mancante")));
    clic(f, "ricalcola");
    QCOMPARE(t->item(1, 8)->text(), QStringLiteral("mesi salvati, con rifiuti"));
    QCOMPARE(t->item(1, 8)->toolTip(), QStringLiteral("febbraio 2026: tariffa mancante"));
    QVERIFY(messaggi.ultimoTesto().endsWith(t->item(1, 1)->text() + QStringLiteral(": nelle cifre anche mesi salvati prima "
                                                                                  "che l'ultima chiusura non ha potuto "
                                                                                  "conteggiare: febbraio 2026: tariffa mancante")));
}

// January closed, plus an id holding the separator and quotes: the CSV for
// the accountant, the PDF of the ticked rows, and targets that cannot be written.
void TestRiepilogoPaghe::esporta()
{
    chiudiMese(2026, 1);
    DatiDipendente rossi;
    rossi.cognome = QStringLiteral("Rossi");
    rossi.nome = QStringLiteral("Mario");
    rossi.salarioMensile = 5000;
    rossi.dataNascita = QStringLiteral("non valida");
    const QString idRossi = QStringLiteral("Rossi;\"Mario\".txt");
    QVERIFY(Dipendente::salva(rossi, idRossi));

    RiepilogoPaghe f;
    RegistroMessaggi messaggi;
    const QString csv = Config::cartellaExportAzienda() + QStringLiteral("/contabilita.csv");
    // The month is chosen: the summary shows 2025, December is proposed.
    quandoModale<QDialog>([csv](QDialog* mese) {
        QCOMPARE(mese->findChild<QSpinBox*>(QStringLiteral("anno"))->value(), 2025);
        QCOMPARE(mese->findChild<QComboBox*>(QStringLiteral("mese"))->currentIndex(), 11);
        // Named in the user's language (Italian here), not the system's.
        QCOMPARE(mese->findChild<QComboBox*>(QStringLiteral("mese"))->currentText(), QStringLiteral("Dicembre"));
        mese->findChild<QSpinBox*>(QStringLiteral("anno"))->setValue(2026);
        mese->findChild<QComboBox*>(QStringLiteral("mese"))->setCurrentIndex(0);
        rispondiDialogoFile(csv);
        mese->accept();
    });
    clic(f, "esportaCsv");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esportato"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("CSV salvato in:\n") + csv);

    const QStringList righe = QString::fromUtf8(AmbienteTest::leggi(csv)).split(QLatin1Char('\n'));
    QCOMPARE(righe.first(), kIntestazione);
    QCOMPARE(righe.last(), QString()); // every line ends
    QCOMPARE(righe.size(), 1 + 8 + 1);  // Moretti, paid by the hour, is there too
    // Rossi has no saved January: listed after the others, no amount.
    QCOMPARE(righe.at(8), QStringLiteral("2026-01;\"Rossi;\"\"Mario\"\".txt\";TI;;;;;;;;;;;;;;;mese non salvato"));
    QStringList ids;
    for (int i = 1; i < 8; ++i) {
        const QStringList c = righe.at(i).split(QLatin1Char(';'));
        QCOMPARE(c.size(), 18);
        QCOMPARE(c.at(0), QStringLiteral("2026-01"));
        QCOMPARE(c.at(17), QStringLiteral("pagato"));
        ids << c.at(1);
        StoricoPaghe::PagaMese gennaio; // the amounts are those of the saved month
        QVERIFY(StoricoPaghe::caricaMese(c.at(1), 2026, 1, &gennaio));
        QCOMPARE(c.at(12), c.at(13));
        QList<double> v;
        for (int k : {3, 12, 14, 15, 16, 5, 7, 9, 11})
            v << c.at(k).toDouble();
        QCOMPARE(v, (QList<double>{gennaio.lordoImponibile, gennaio.lppDipendente, gennaio.impostaTrattenuta, gennaio.netto,
                                   gennaio.assegniFamiliari, gennaio.datore.avs, gennaio.datore.ad, gennaio.datore.caf, gennaio.datore.lainf}));
    }
    QCOMPARE(ids, Dipendente::elencoDipendenti(false).mid(0, 7));

    // The PDF holds the ticked rows only, each with its figures.
    Orologio::imposta(QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
    QTableWidget* t = tabella(f);
    t->item(riga(f, kKeller), 0)->setCheckState(Qt::Unchecked);
    const QString pdf = Config::cartellaExportAzienda() + QStringLiteral("/riepilogo.pdf");
    QString proposto;
    rispondiDialogoFile(pdf, [&](QFileDialog* d) { proposto = d->selectedFiles().value(0); });
    clic(f, "esportaPdf");
    QCOMPARE(QFileInfo(proposto).fileName(), QStringLiteral("riepilogo_paghe_2026-06-01.pdf"));
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esportato"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("PDF salvato in:\n") + pdf);
    const InfoPdf info = leggiPdf(pdf);
    QVERIFY(info.testo.contains(QStringLiteral("Riepilogo Paghe")));
    for (int r = 0; r < t->rowCount(); ++r) {
        const bool spuntata = t->item(r, 0)->checkState() == Qt::Checked;
        QCOMPARE(info.testo.contains(t->item(r, 1)->text()), spuntata);
        if (spuntata) // the row's figures follow its name
            QVERIFY(info.testo.indexOf(t->item(r, 7)->text(), info.testo.indexOf(t->item(r, 1)->text())) > 0);
    }

    // Targets that cannot be written: an error, never "Esportato", no file.
    const QString bloccata = cartellaNonScrivibile();
    for (const char* pulsante : {"esportaCsv", "esportaPdf"}) {
        const QString file = bloccata + (qstrcmp(pulsante, "esportaCsv") ? "/r.pdf" : "/r.csv");
        messaggi.richieste.clear();
        messaggi.rispondi(QMessageBox::Yes); // saving outside the export folder
        if (qstrcmp(pulsante, "esportaCsv"))
            rispondiDialogoFile(file);
        else
            quandoModale<QDialog>([file](QDialog* mese) { rispondiDialogoFile(file); mese->accept(); });
        clic(f, pulsante);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Errore"));
        QCOMPARE(messaggi.ultimoTesto(), qstrcmp(pulsante, "esportaCsv")
                                             ? QStringLiteral("Impossibile salvare il PDF.")
                                             : QStringLiteral("Impossibile aprire il file per la scrittura."));
        for (const Messaggi::Richiesta& r : qAsConst(messaggi.richieste))
            QVERIFY(r.titolo != QLatin1String("Esportato"));
        QVERIFY(!QFile::exists(file));
    }
}

void TestRiepilogoPaghe::nessunDipendente()
{
    for (const QString& id : Dipendente::elencoDipendenti(false))
        QVERIFY(Dipendente::elimina(id));
    RiepilogoPaghe f;
    QCOMPARE(tabella(f)->rowCount(), 0);
    RegistroMessaggi messaggi;
    clic(f, "ricalcola");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Totali (0 dipendenti)"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Lordo annuo: 0.00 CHF\nContributi: 0.00 CHF\nImposta fonte: 0.00 CHF\n"
                                                    "Netto annuo: 0.00 CHF"));
    const QString csv = Config::cartellaExportAzienda() + QStringLiteral("/vuoto.csv");
    quandoModale<QDialog>([csv](QDialog* mese) { rispondiDialogoFile(csv); mese->accept(); });
    clic(f, "esportaCsv");
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esportato"));
    QCOMPARE(AmbienteTest::leggi(csv), (kIntestazione + QLatin1Char('\n')).toUtf8());
    // A file without a single amount says so.
    QCOMPARE(messaggi.richieste.last().tipo, Messaggi::Tipo::Avviso);
    QVERIFY(messaggi.ultimoTesto().endsWith(QStringLiteral("il file non contiene nessun importo. Esegui prima la chiusura del mese.")));
    // The month dialog cancelled: no file asked, nothing written.
    QFile::remove(csv);
    messaggi.richieste.clear();
    quandoModale<QDialog>([](QDialog* mese) { mese->reject(); });
    clic(f, "esportaCsv");
    QVERIFY(messaggi.richieste.isEmpty() && !QFile::exists(csv));
}

VARDELLO_TEST_MAIN(TestRiepilogoPaghe)
#include "tst_riepilogopaghe.moc"
