#include "ambientetest.h"
#include "config.h"
#include "conteggiosalario.h"
#include "datoteca.h"
#include "dipendente.h"
#include "gestionestipendi.h"
#include "nazioni.h"
#include "orologio.h"
#include "schedadipendente.h"
#include "storicostipendi.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>

Q_DECLARE_METATYPE(PeriodoStipendio)

// The salary periods window over the salary history, and the new salary year.
class TestGestioneStipendi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica()); }
    void init();

    void aggiungiPeriodo_data();
    void aggiungiPeriodo();
    void salvaERiapri();
    void noteEMovimentiConservati();
    void nuovoAnnoStipendi();
    void celleDigitate_data();
    void celleDigitate();
    void apriScheda();
    void unaFinestraPerDipendente();
    void aumentoPagato();
    void fileDanneggiato();

private:
    static QStringList riga(QTableWidget* t, int r)
    {
        QStringList celle;
        for (int c = 0; c < t->columnCount(); ++c)
            celle << (t->item(r, c) ? t->item(r, c)->text() : QString());
        return celle;
    }
    static QTableWidget* tabella(QDialog& d) { return d.findChild<QTableWidget*>(QStringLiteral("tabella")); }
    static void clic(QWidget& w, const char* nome) { w.findChild<QPushButton*>(QLatin1String(nome))->click(); }
    static void scriviCella(QTableWidget* t, int r, int c, const QString& testo) { t->item(r, c)->setText(testo); }
    static PeriodoStipendio periodo(const QString& inizio, const QString& fine, double salario)
    {
        PeriodoStipendio p;
        p.dataInizio = inizio;
        p.dataFine = fine;
        p.salarioMensile = salario;
        return p;
    }

    const QString id = QStringLiteral("Rossi_Mario.txt");
};

void TestGestioneStipendi::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 3, 5), QTime(9, 0)));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
    QVERIFY(Datoteca::carica(2026));
    DatiDipendente d;
    d.nome = QStringLiteral("Mario");
    d.cognome = QStringLiteral("Rossi");
    d.dataNascita = QStringLiteral("14/04/1988");
    d.cantone = QStringLiteral("TI");
    d.sesso = QStringLiteral("M");
    d.statoCivile = QStringLiteral("coniugato");
    d.salarioMensile = 5200;
    d.mensilitaAggiuntive = 1;
    d.figli = {Figlio(), Figlio()};
    QVERIFY(Dipendente::salva(d, id));
}

// Each row: the history in the file; the row "Aggiungi periodo" appends.
void TestGestioneStipendi::aggiungiPeriodo_data()
{
    QTest::addColumn<QVector<PeriodoStipendio>>("storico");
    QTest::addColumn<QString>("fineUltima"); // typed into the last row first; empty: as loaded
    QTest::addColumn<QString>("salarioUltima");
    QTest::addColumn<QStringList>("nuova");

    QTest::newRow("empty history") << QVector<PeriodoStipendio>{} << "" << ""
                                   << QStringList{"01/01/2026", "31/12/2026", "5200.00", "13"};
    const QVector<PeriodoStipendio> uno{periodo(QStringLiteral("01/01/2027"), QStringLiteral("31/12/2027"), 5400)};
    QTest::newRow("following year, salary as typed") << uno << "" << "5'600"
                                                     << QStringList{"01/01/2028", "31/12/2028", "5'600", "13"};
    QTest::newRow("end not a number: year 1") << uno << "31/12/abcd" << ""
                                              << QStringList{"01/01/1", "31/12/1", "5400.00", "13"};
}

void TestGestioneStipendi::aggiungiPeriodo()
{
    QFETCH(QVector<PeriodoStipendio>, storico);
    QFETCH(QString, fineUltima);
    QFETCH(QString, salarioUltima);
    QFETCH(QStringList, nuova);

    QVERIFY(StoricoStipendi::salva(id, storico));
    GestioneStipendi g(id);
    QTableWidget* t = tabella(g);
    QCOMPARE(t->rowCount(), storico.size());
    if (!fineUltima.isEmpty())
        scriviCella(t, t->rowCount() - 1, 1, fineUltima);
    if (!salarioUltima.isEmpty())
        scriviCella(t, t->rowCount() - 1, 2, salarioUltima);
    clic(g, "aggiungiPeriodo");
    QCOMPARE(riga(t, t->rowCount() - 1), nuova);
    QVERIFY(!(t->item(t->rowCount() - 1, 3)->flags() & Qt::ItemIsEditable));
}

// A period added, saved and read back with its snapshot, the parameters of
// the loaded year and the monthly results.
void TestGestioneStipendi::salvaERiapri()
{
    RegistroMessaggi registro;
    {
        GestioneStipendi g(id);
        QCOMPARE(g.windowTitle(), QStringLiteral("Storico stipendi - Mario Rossi")); // the person, not the file
        clic(g, "aggiungiPeriodo");
        clic(g, "salva");
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salvato"));
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Periodi salvati."));
    }
    GestioneStipendi g(id);
    QCOMPARE(riga(tabella(g), 0), (QStringList{"01/01/2026", "31/12/2026", "5200.00", "13"}));

    QVector<PeriodoStipendio> v;
    QVERIFY(StoricoStipendi::carica(id, v));
    QCOMPARE(v.size(), 1);
    const PeriodoStipendio& p = v.first();
    QCOMPARE((QStringList{QString::number(p.mensilita), QString::number(p.dip.eta), p.dip.cantone, p.dip.tabellaIF,
                          QString::number(p.dip.figli)}),
             (QStringList{"13", "38", "TI", "A0", "2"}));
    // The parameters come back as saved, not as 0.
    QCOMPARE((QList<double>{p.par.avsDip, p.par.massimaleAD, p.par.lppAliquota}), (QList<double>{5.3, 148200, 10}));
    QCOMPARE(QString::number(p.ris.lordo, 'f', 2), QStringLiteral("5633.33")); // 13 x 5200 over 12 months
    // The single contributions add up to the total of the employee's.
    QCOMPARE(QString::number(p.ris.avs + p.ris.ad + p.ris.caf + p.ris.lainf, 'f', 2),
             QString::number(p.ris.totaleContributiDip, 'f', 2));
    QCOMPARE(QString::number(p.ris.avs, 'f', 2), QStringLiteral("298.57")); // 5.3 % of 67600 over 12 months
}

// The note and movements of a period loaded from the file survive a save;
// a row added in the window has none.
void TestGestioneStipendi::noteEMovimentiConservati()
{
    PeriodoStipendio p = periodo(QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025"), 5000);
    p.note = QStringLiteral("Aumento concordato");
    MovimentoPeriodo m;
    m.tipo = QStringLiteral("Gratifica");
    m.importo = 1000;
    p.movimenti = {m};
    PeriodoStipendio secondo = periodo(QStringLiteral("01/01/2026"), QString(), 5100);
    secondo.note = QStringLiteral("Secondo");
    QVERIFY(StoricoStipendi::salva(id, {p, secondo}));

    RegistroMessaggi registro;
    GestioneStipendi g(id);
    QTableWidget* t = tabella(g);
    scriviCella(t, 1, 2, QStringLiteral("5300"));
    t->setCurrentCell(0, 0);
    registro.rispondi(QMessageBox::Yes);
    clic(g, "eliminaPeriodo");
    clic(g, "aggiungiPeriodo");
    clic(g, "salva");

    QVector<PeriodoStipendio> v;
    QVERIFY(StoricoStipendi::carica(id, v));
    QCOMPARE(v.size(), 2);
    QCOMPARE(v.at(0).note, QStringLiteral("Secondo"));
    QCOMPARE(v.at(0).salarioMensile, 5300.0);
    QVERIFY(v.at(0).movimenti.isEmpty());
    QCOMPARE(v.at(1).note, QString());

    // The first period, saved once more, keeps its movement.
    QVERIFY(StoricoStipendi::salva(id, {p}));
    GestioneStipendi ancora(id);
    clic(ancora, "salva");
    QVERIFY(StoricoStipendi::carica(id, v));
    QCOMPARE(v.at(0).note, QStringLiteral("Aumento concordato"));
    QCOMPARE(v.at(0).movimenti.size(), 1);
    QCOMPARE(v.at(0).movimenti.at(0).tipo, QStringLiteral("Gratifica"));
}

// "Nuovo anno stipendi...": each last period is closed on 31 December and
// the new year opens with the same salary; a second run does nothing.
void TestGestioneStipendi::nuovoAnnoStipendi()
{
    RegistroMessaggi registro;
    {
        GestioneStipendi g(id);
        clic(g, "aggiungiPeriodo");
        scriviCella(tabella(g), 0, 1, QString()); // still running
        scriviCella(tabella(g), 0, 2, QStringLiteral("5'250.50"));
        clic(g, "salva");
    }
    DatiDipendente altro;
    altro.nome = QStringLiteral("Anna");
    QVERIFY(Dipendente::salva(altro, QStringLiteral("Bianchi_Anna.txt")));
    QVERIFY(StoricoStipendi::salva(QStringLiteral("Bianchi_Anna.txt"),
                                   {periodo(QStringLiteral("01/01/2027"), QStringLiteral("31/12/2027"), 4000)}));
    const QByteArray anna = AmbienteTest::leggi(StoricoStipendi::percorsoFile(QStringLiteral("Bianchi_Anna.txt")));

    QVERIFY(StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
    const QByteArray dopo = AmbienteTest::leggi(StoricoStipendi::percorsoFile(id));
    {
        GestioneStipendi g(id);
        QTableWidget* t = tabella(g);
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(riga(t, 0), (QStringList{"01/01/2026", "31/12/2026", "5250.50", "13"}));
        QCOMPARE(riga(t, 1), (QStringList{"01/01/2027", "31/12/2027", "5250.50", "13"}));
    }
    // Already in the new year: untouched.
    QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(QStringLiteral("Bianchi_Anna.txt"))), anna);

    QVERIFY(!StoricoStipendi::nuovoAnnoPerTutti(2026, 2027));
    QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), dopo);
}

// What is typed into the cells must be readable: nothing is stored as 0 or
// as an unreadable date by mistake.
void TestGestioneStipendi::celleDigitate_data()
{
    QTest::addColumn<int>("colonna");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("salvato"); // empty: refused, nothing written; "<errore>": the write fails

    QTest::newRow("grouped salary") << 2 << "5'100.50" << "5100.50";
    QTest::newRow("half a centime") << 2 << "6'200.005" << "6200.01";
    QTest::newRow("the file cannot be written") << 2 << "5'300" << "<errore>";
    QTest::newRow("salary in words") << 2 << "cinquemila" << "";
    QTest::newRow("date with dots") << 0 << "1.2.2026" << "01/02/2026";
    QTest::newRow("day that does not exist") << 1 << "31/06/2026" << "";
    QTest::newRow("negative salary") << 2 << "-500" << "";
    QTest::newRow("salary 0") << 2 << "0" << "0.00";
    QTest::newRow("end before the start") << 1 << "31/12/2025" << "";
    QTest::newRow("one day long") << 1 << "01/01/2026" << "01/01/2026";
    QTest::newRow("the disk is full") << 2 << "5'400" << "<pieno>";
}

void TestGestioneStipendi::celleDigitate()
{
    QFETCH(int, colonna);
    QFETCH(QString, digitato);
    QFETCH(QString, salvato);

    QVERIFY(StoricoStipendi::salva(id, {periodo(QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"), 5000)}));
    const QByteArray prima = AmbienteTest::leggi(StoricoStipendi::percorsoFile(id));
    RegistroMessaggi registro;
    GestioneStipendi g(id);
    scriviCella(tabella(g), 0, colonna, digitato);
    if (salvato == QLatin1String("<errore>")) { // a folder where the file goes
        QVERIFY(QFile::remove(StoricoStipendi::percorsoFile(id)));
        QVERIFY(QDir().mkpath(StoricoStipendi::percorsoFile(id)));
    }
    if (salvato == QLatin1String("<pieno>")) { // the file reads, nothing more can be written
        {
            LimiteFile pieno(0);
            clic(g, "salva");
        }
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), prima);
        return;
    }
    clic(g, "salva");

    if (salvato == QLatin1String("<errore>")) {
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        QVERIFY(registro.ultimoTesto().startsWith(QStringLiteral("Impossibile salvare.")));
        QVERIFY(!registro.contiene(QStringLiteral("Periodi salvati.")));
        return;
    }
    if (salvato.isEmpty()) {
        QCOMPARE(registro.richieste.size(), 1);
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Attenzione"));
        const QString campo = QStringList{"Inizio", "Fine", "Salario mensile"}.at(colonna == 0 ? 1 : colonna);
        QVERIFY2(registro.ultimoTesto().contains(campo + QStringLiteral(", riga 1")), qPrintable(registro.ultimoTesto()));
        QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), prima);
        return;
    }
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Periodi salvati."));
    QVector<PeriodoStipendio> v;
    QVERIFY(StoricoStipendi::carica(id, v));
    const QStringList valori{v.at(0).dataInizio, v.at(0).dataFine, QString::number(v.at(0).salarioMensile, 'f', 2)};
    QCOMPARE(valori.at(colonna), salvato);
    QCOMPARE(tabella(g)->item(0, colonna)->text(), salvato); // the table shows what is stored
}

// The employee card opened from here: unsaved rows are saved or dropped
// first, and afterwards the table is reloaded, so the number of salaries
// follows the card.
void TestGestioneStipendi::apriScheda()
{
    QVERIFY(StoricoStipendi::salva(id, {periodo(QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"), 5000)}));
    RegistroMessaggi registro;
    GestioneStipendi g(id);
    clic(g, "aggiungiPeriodo");
    QCOMPARE(tabella(g)->rowCount(), 2);
    clic(g, "apriScheda"); // "Annulla": the window stays with its row
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Modifiche non salvate"));
    QCOMPARE(tabella(g)->rowCount(), 2);
    registro.rispondi(QMessageBox::Discard);

    quandoAperto([&] {
        auto* scheda = finestraAperta<SchedaDipendente>();
        QVERIFY(scheda);
        QCOMPARE(scheda->parentWidget(), &g);
        auto* mensilita = scheda->findChild<QComboBox*>(QStringLiteral("mensilitaAggiuntive"));
        mensilita->setCurrentIndex(mensilita->findData(2));
        scheda->findChild<QPushButton*>(QStringLiteral("salva"))->click();
    });
    clic(g, "apriScheda");
    QCOMPARE(tabella(g)->rowCount(), 1);
    QCOMPARE(riga(tabella(g), 0).last(), QStringLiteral("14"));

    // "Chiudi" asks about the new row; "Non salvare" saves nothing.
    clic(g, "aggiungiPeriodo");
    registro.rispondi(QMessageBox::Discard);
    clic(g, "chiudi");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
    QCOMPARE(g.result(), int(QDialog::Accepted));
    QVector<PeriodoStipendio> v;
    QVERIFY(StoricoStipendi::carica(id, v));
    QCOMPARE(v.size(), 1);
}

// One card and one salary history per employee: the history opened from a
// card goes back to that card instead of opening a second one (asking about
// its own unsaved rows as it closes), and the other way round.
void TestGestioneStipendi::unaFinestraPerDipendente()
{
    RegistroMessaggi registro;
    {
        SchedaDipendente scheda(Dipendente::percorsoFile(id)); // as the list opens it
        scheda.show();
        GestioneStipendi g(id, &scheda);
        g.show();
        clic(g, "aggiungiPeriodo");
        registro.rispondi(QMessageBox::Discard);
        clic(g, "apriScheda");
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Chiudere?"));
        QVERIFY(!g.isVisible());
        QVERIFY(scheda.isVisible());
        QVERIFY(!finestraAperta<SchedaDipendente>() || finestraAperta<SchedaDipendente>() == &scheda);
    }
    GestioneStipendi g(id);
    bool seconda = false;
    quandoModale<SchedaDipendente>([&](SchedaDipendente* scheda) {
        quandoAperto([&] { // a second history would be the modal window now
            auto* altra = qobject_cast<GestioneStipendi*>(QApplication::activeModalWidget());
            seconda = altra;
            if (altra)
                altra->QDialog::reject();
        });
        clic(*scheda, "storicoStipendi");
        QVERIFY(!scheda->isVisible());
    });
    clic(g, "apriScheda");
    QTest::qWait(20);
    QVERIFY(!seconda);
}

// A raise from July typed into the window and saved is what the pay count
// pays from July (the card says 5200): August at 7,800, June at 7,350.50. A
// save that fails leaves the file and the pay as they were.
void TestGestioneStipendi::aumentoPagato()
{
    QVERIFY(StoricoStipendi::salva(id, {periodo(QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"), 7350.50)}));
    RegistroMessaggi registro;
    {
        GestioneStipendi g(id);
        QTableWidget* t = tabella(g);
        scriviCella(t, 0, 1, QStringLiteral("30/06/2026"));
        clic(g, "aggiungiPeriodo");
        scriviCella(t, 1, 0, QStringLiteral("1.7.2026"));
        scriviCella(t, 1, 1, QStringLiteral("31/12/2026"));
        scriviCella(t, 1, 2, QStringLiteral("7'800"));
        clic(g, "salva");
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Periodi salvati."));
    }
    DatiDipendente d;
    QVERIFY(Dipendente::carica(id, d));
    const auto lordo = [&](int mese) {
        const RisultatoConteggio r = ConteggioSalario::genera(id, d, 2026, mese, false, 0);
        return r.errore.isEmpty() ? QString::number(r.lordoContributivo, 'f', 2) : r.errore;
    };
    QCOMPARE(lordo(8), QStringLiteral("7800.00"));
    QCOMPARE(lordo(6), QStringLiteral("7350.50"));

    // A full disk: the raise typed over is not saved, August still pays 7800.
    const QByteArray prima = AmbienteTest::leggi(StoricoStipendi::percorsoFile(id));
    {
        GestioneStipendi g(id);
        scriviCella(tabella(g), 1, 2, QStringLiteral("8100"));
        LimiteFile limite(64);
        clic(g, "salva");
    }
    QCOMPARE(AmbienteTest::leggi(StoricoStipendi::percorsoFile(id)), prima);
    QCOMPARE(lordo(8), QStringLiteral("7800.00"));
}

// A history with a damaged line: the window says so as it opens, shows what
// did read, and its save changes no byte.
void TestGestioneStipendi::fileDanneggiato()
{
    QVERIFY(StoricoStipendi::salva(id, {periodo(QStringLiteral("01/01/2026"), QString(), 5200)}));
    const QString file = StoricoStipendi::percorsoFile(id);
    AmbienteTest::scrivi(file, AmbienteTest::leggi(file) + "periodo1.salarioMensile=5'2x0\n");
    const QByteArray prima = AmbienteTest::leggi(file);
    RegistroMessaggi registro;
    {
        GestioneStipendi g(id);
        QTRY_VERIFY(registro.contiene(file));
        QCOMPARE(tabella(g)->rowCount(), 1);
        scriviCella(tabella(g), 0, 2, QStringLiteral("6000"));
        clic(g, "salva");
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    }
    QCOMPARE(AmbienteTest::leggi(file), prima);
}

VARDELLO_TEST_MAIN(TestGestioneStipendi)
#include "tst_gestionestipendi.moc"
