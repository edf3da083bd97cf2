#include "ambientetest.h"
#include "filesicuri.h"
#include "azienda.h"
#include "config.h"
#include "conteggiosalario.h"
#include "decimali.h"
#include "dipendente.h"
#include "gestionemovimenti.h"
#include "movimenti.h"
#include "movimentimodel.h"
#include "orologio.h"
#include "storicopaghe.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

const QString kId = QStringLiteral("Verdi_Paolo.txt");

MovimentoStipendio movimento(const QString& data, const QString& tipo, double importo)
{
    MovimentoStipendio m;
    m.data = data;
    m.tipo = tipo;
    m.importo = importo;
    Movimenti::applicaPreset(m);
    return m;
}

// Every field of a list, one line per movement.
QString testo(const QList<MovimentoStipendio>& lista)
{
    QStringList righe;
    for (const MovimentoStipendio& m : lista) {
        QString f;
        for (bool b : {m.soggettoAVS, m.soggettoAD, m.applicaMassimaleAD, m.soggettoCAF, m.soggettoLAINF,
                       m.applicaMassimaleLAINF, m.soggettoLPP, m.soggettoIF})
            f += b ? QLatin1Char('1') : QLatin1Char('0');
        righe << QStringList{m.data, m.tipo, QString::number(m.importo, 'f', 2),
                             QString::number(m.categoriaCertificato), f, m.descrizione}
                     .join(QLatin1Char('|'));
    }
    return righe.join(QLatin1Char('\n'));
}

DatiDipendente dipendente()
{
    DatiDipendente d;
    d.nome = QStringLiteral("Paolo");
    d.cognome = QStringLiteral("Verdi");
    d.dataNascita = QStringLiteral("10/05/1986");
    d.cantone = QStringLiteral("TI");
    d.salarioMensile = 5000;
    d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
    return d;
}

} // namespace

class TestGestioneMovimenti : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void aggiungiApreTipo_data();
    void aggiungiApreTipo();
    void importoDigitato_data();
    void importoDigitato();
    void elimina_data();
    void elimina();
    void modificaSalvaRicarica();
    void salvaVuoto();
    void salvaImpossibile();
    void bonusAlzaConteggioDiMarzo();
    void maiPagato_data();
    void maiPagato();
    void dataDigitata_data();
    void dataDigitata();
    void fileDanneggiato_data();
    void fileDanneggiato();

private:
    static QTableView* vista(GestioneMovimenti& f) { return f.findChild<QTableView*>(QStringLiteral("tabella")); }
    static MovimentiModel* modello(GestioneMovimenti& f) { return qobject_cast<MovimentiModel*>(vista(f)->model()); }
    static void clic(GestioneMovimenti& f, const char* nome)
    {
        QTest::mouseClick(f.findChild<QPushButton*>(QLatin1String(nome)), Qt::LeftButton);
    }
    // The cell editor open in the table, if any.
    static QLineEdit* editorAperto(GestioneMovimenti& f)
    {
        for (QLineEdit* e : vista(f)->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible())
                return e;
        }
        return nullptr;
    }
    // Types into the cell's editor as a user would, then Enter.
    static void digita(GestioneMovimenti& f, int riga, int colonna, const QString& testo);
};

void TestGestioneMovimenti::init()
{
    AmbienteTest::svuota();
    Orologio::imposta(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Alfa SA");
    QVERIFY(Azienda::salva(a, QStringLiteral("Alfa.txt")));
    Config::setAziendaCorrente(QStringLiteral("Alfa.txt"));
    QVERIFY(Dipendente::salva(dipendente(), kId));
}

void TestGestioneMovimenti::digita(GestioneMovimenti& f, int riga, int colonna, const QString& testo)
{
    QTableView* v = vista(f);
    const QModelIndex cella = v->model()->index(riga, colonna);
    if (!editorAperto(f) || v->currentIndex() != cella) {
        v->setCurrentIndex(cella);
        v->edit(cella);
    }
    QLineEdit* editor = editorAperto(f);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!editorAperto(f)); // the view commits on its next turn
}

void TestGestioneMovimenti::aggiungiApreTipo_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("preset"); // category and flags the typed kind sets
    QTest::newRow("Rimborso spese") << "Rimborso spese" << "131|00000001";
    QTest::newRow("Spesen") << "Spesen" << "131|00000001";
    QTest::newRow("Remboursement de frais") << "Remboursement de frais" << "131|00000001";
}

void TestGestioneMovimenti::aggiungiApreTipo()
{
    QFETCH(QString, tipo);
    QFETCH(QString, preset);
    GestioneMovimenti f(kId, kId, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    clic(f, "aggiungi");
    QTableView* v = vista(f);
    QCOMPARE(modello(f)->rowCount(), 1);
    QCOMPARE(v->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(v->selectionModel()->selectedRows().first().row(), 0);
    QVERIFY(editorAperto(f));
    QCOMPARE(QApplication::focusWidget(), editorAperto(f));
    QCOMPARE(v->currentIndex(), modello(f)->index(0, MovimentiModel::ColTipo));

    digita(f, 0, MovimentiModel::ColTipo, tipo);
    QCOMPARE(testo(modello(f)->lista()), QStringLiteral("2026-03-15|%1|0.00|%2|").arg(tipo, preset));
}

void TestGestioneMovimenti::importoDigitato_data()
{
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("mostrato");
    QTest::addColumn<bool>("avviso");

    QTest::newRow("apostrofi") << "1'000" << "1000.00" << false;
    QTest::newRow("virgola") << "12,50" << "12.50" << false;
    QTest::newRow("punto") << "-80.5" << "-80.50" << false;
    QTest::newRow("parola") << "mille" << "250.00" << true;
    QTest::newRow("due separatori") << "1.250,50" << "250.00" << true;
    // Francs hold centimes: half a centime goes away from zero.
    QTest::newRow("three decimals, half up") << "19.825" << "19.83" << false;
    QTest::newRow("three decimals, negative") << "-456,275" << "-456.28" << false;
    QTest::newRow("half a centime") << "0.005" << "0.01" << false;
    QTest::newRow("under half a centime") << "1.004" << "1.00" << false;
}

void TestGestioneMovimenti::importoDigitato()
{
    QFETCH(QString, digitato);
    QFETCH(QString, mostrato);
    QFETCH(bool, avviso);

    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-03-01"), QStringLiteral("Premio"), 250)}));
    RegistroMessaggi registro;
    GestioneMovimenti f(kId, kId, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, MovimentiModel::ColImporto, digitato);
    QTest::qWait(20); // the refusal is shown once the editor has closed
    QCOMPARE(modello(f)->data(modello(f)->index(0, MovimentiModel::ColImporto)).toString(), mostrato);
    QCOMPARE(registro.richieste.size(), avviso ? 1 : 0);
    if (avviso) {
        QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Avviso);
        QVERIFY(registro.ultimoTesto().contains(digitato));
    }
    // The file holds the amount shown.
    clic(f, "salva");
    QVERIFY(AmbienteTest::leggi(Movimenti::percorsoFile(kId)).contains("\nimporto=" + mostrato.toLatin1() + "\n"));
    QCOMPARE(Decimali::testo(Movimenti::carica(kId).first().importo), mostrato);
}

void TestGestioneMovimenti::elimina_data()
{
    QTest::addColumn<int>("corrente"); // -1: no current cell
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("domande");
    QTest::addColumn<QString>("restano");

    QTest::newRow("nessuna cella") << -1 << int(QMessageBox::Yes) << 0 << "A,B,C";
    QTest::newRow("no") << 1 << int(QMessageBox::No) << 1 << "A,B,C";
    QTest::newRow("si") << 1 << int(QMessageBox::Yes) << 1 << "A,C";
}

void TestGestioneMovimenti::elimina()
{
    QFETCH(int, corrente);
    QFETCH(int, risposta);
    QFETCH(int, domande);
    QFETCH(QString, restano);

    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-01-01"), QStringLiteral("A"), 1),
                                   movimento(QStringLiteral("2026-02-01"), QStringLiteral("B"), 2),
                                   movimento(QStringLiteral("2026-03-01"), QStringLiteral("C"), 3)}));
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::StandardButton(risposta));
    GestioneMovimenti f(kId, kId, nullptr);
    QTableView* v = vista(f);
    if (corrente >= 0) {
        // Several rows selected: only the current one goes.
        v->selectRow(0);
        v->selectionModel()->setCurrentIndex(modello(f)->index(corrente, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(v->selectionModel()->selectedRows().size(), 2);
    }
    clic(f, "elimina");
    QCOMPARE(registro.richieste.size(), domande);
    if (domande)
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Eliminare la riga selezionata?"));
    QStringList tipi;
    for (const MovimentoStipendio& m : modello(f)->lista())
        tipi << m.tipo;
    QCOMPARE(tipi.join(QLatin1Char(',')), restano);
    QCOMPARE(Movimenti::carica(kId).size(), 3); // nothing saved by deleting
}

void TestGestioneMovimenti::modificaSalvaRicarica()
{
    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 500),
                                   movimento(QStringLiteral("2026-02-28"), QStringLiteral("Trasferta"), 80)}));
    RegistroMessaggi registro;
    QString salvato;
    {
        GestioneMovimenti f(kId, kId, nullptr);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        clic(f, "aggiungi");
        digita(f, 2, MovimentiModel::ColTipo, QStringLiteral("Spese forfettarie"));
        digita(f, 2, MovimentiModel::ColImporto, QStringLiteral("1'200.40"));
        digita(f, 2, MovimentiModel::ColDescrizione, QStringLiteral("Rappresentanza, 2026"));
        digita(f, 0, MovimentiModel::ColData, QStringLiteral("2026-01-30"));
        QVERIFY(modello(f)->setData(modello(f)->index(1, MovimentiModel::ColLPP), true));
        clic(f, "salva");
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salva"));
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
        salvato = testo(modello(f)->lista());
    }
    QCOMPARE(salvato, QStringLiteral("2026-01-30|Gratifica|500.00|3|11111111|\n"
                                     "2026-02-28|Trasferta|80.00|131|00000011|\n"
                                     "2026-03-15|Spese forfettarie|1200.40|132|00000001|Rappresentanza, 2026"));
    GestioneMovimenti riaperta(kId, kId, nullptr);
    QCOMPARE(testo(modello(riaperta)->lista()), salvato);
}

void TestGestioneMovimenti::salvaVuoto()
{
    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 500)}));
    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Yes);
    GestioneMovimenti f(kId, kId, nullptr);
    vista(f)->setCurrentIndex(modello(f)->index(0, 0));
    clic(f, "elimina");
    clic(f, "salva");
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
    QVERIFY(QFileInfo::exists(Movimenti::percorsoFile(kId)));
    QCOMPARE(QFileInfo(Movimenti::percorsoFile(kId)).size(), 0);
}

void TestGestioneMovimenti::salvaImpossibile()
{
    RegistroMessaggi registro;
    GestioneMovimenti f(QStringLiteral("../fuori.txt"), QStringLiteral("fuori"), nullptr);
    clic(f, "aggiungi");
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salva"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Impossibile salvare.\nCodice dipendente non utilizzabile come nome di file."));
    QCOMPARE(modello(f)->rowCount(), 1); // kept for another try
}

void TestGestioneMovimenti::bonusAlzaConteggioDiMarzo()
{
    const DatiDipendente d = dipendente();
    const RisultatoConteggio marzoPrima = ConteggioSalario::genera(kId, d, 2026, 3, false, 0);
    const RisultatoConteggio aprilePrima = ConteggioSalario::genera(kId, d, 2026, 4, false, 0);
    QVERIFY(marzoPrima.errore.isEmpty());

    RegistroMessaggi registro;
    {
        GestioneMovimenti f(kId, kId, nullptr);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        clic(f, "aggiungi"); // dated today, 15 March 2026
        digita(f, 0, MovimentiModel::ColTipo, QStringLiteral("Bonus annuale"));
        digita(f, 0, MovimentiModel::ColImporto, QStringLiteral("1'000"));
        clic(f, "salva");
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
    }

    const RisultatoConteggio marzo = ConteggioSalario::genera(kId, d, 2026, 3, false, 0);
    const RisultatoConteggio aprile = ConteggioSalario::genera(kId, d, 2026, 4, false, 0);
    QCOMPARE(QString::number(marzo.lordoContributivo - marzoPrima.lordoContributivo, 'f', 2), QStringLiteral("1000.00"));
    QCOMPARE(QString::number(marzo.lordoImponibile - marzoPrima.lordoImponibile, 'f', 2), QStringLiteral("1000.00"));
    QVERIFY(marzo.contributiDipendente > marzoPrima.contributiDipendente);
    QVERIFY(marzo.netto > marzoPrima.netto);
    QCOMPARE(QString::number(aprile.netto, 'f', 2), QString::number(aprilePrima.netto, 'f', 2));
}

// A movement the count never pays is saved as typed and named on saving,
// with why; a movement it pays is not.
void TestGestioneMovimenti::maiPagato_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("importo");
    QTest::addColumn<bool>("senzaCaselle"); // every box cleared
    QTest::addColumn<QString>("nominato");  // empty: no such message
    QTest::addColumn<QString>("salvato");

    QTest::newRow("negative") << "Bonus" << "-200" << false
                              << "riga 2, Bonus -200.00 CHF: l'importo e' zero o negativo"
                              << "2026-03-15|Bonus|-200.00|3|11111111|";
    QTest::newRow("zero") << "Premio" << "0" << false << "riga 2, Premio 0.00 CHF: l'importo e' zero o negativo"
                          << "2026-03-15|Premio|0.00|3|11111111|";
    QTest::newRow("refund, every box cleared")
        << "Rimborso spese" << "120" << true
        << "riga 2, Rimborso spese 120.00 CHF: nessuna casella spuntata tra AVS, AD, CAF, LAINF, LPP e IF"
        << "2026-03-15|Rimborso spese|120.00|131|00000000|";
    QTest::newRow("refund") << "Rimborso spese" << "120" << false << ""
                            << "2026-03-15|Rimborso spese|120.00|131|00000001|";
}

void TestGestioneMovimenti::maiPagato()
{
    QFETCH(QString, tipo);
    QFETCH(QString, importo);
    QFETCH(bool, senzaCaselle);
    QFETCH(QString, nominato);
    QFETCH(QString, salvato);

    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-03-01"), QStringLiteral("Premio"), 250)}));
    RegistroMessaggi registro;
    GestioneMovimenti f(kId, kId, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    clic(f, "aggiungi");
    digita(f, 1, MovimentiModel::ColTipo, tipo);
    digita(f, 1, MovimentiModel::ColImporto, importo);
    if (senzaCaselle) {
        for (int c = MovimentiModel::ColAVS; c <= MovimentiModel::ColIF; ++c)
            QVERIFY(modello(f)->setData(modello(f)->index(1, c), Qt::Unchecked, Qt::CheckStateRole));
    }
    clic(f, "salva");
    QCOMPARE(registro.richieste.size(), 1);
    if (nominato.isEmpty()) {
        QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Informazione);
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
    } else {
        QCOMPARE(registro.richieste.first().tipo, Messaggi::Tipo::Avviso);
        QCOMPARE(registro.ultimoTesto(),
                 QStringLiteral("Movimenti salvati.\n\nQuesti movimenti restano salvati come scritti, ma il conteggio "
                                "del salario non li paga mai:\n- ")
                     + nominato);
    }
    const QList<MovimentoStipendio> letti = Movimenti::carica(kId);
    QCOMPARE(letti.size(), 2);
    QCOMPARE(testo({letti.at(1)}), salvato);
}

void TestGestioneMovimenti::dataDigitata_data()
{
    QTest::addColumn<QString>("digitata");
    QTest::addColumn<QString>("salvata"); // empty: refused, nothing written
    // January and the month saved before: by hand (no slip lines) or by the
    // count; ", poi N": January's bonus of 500 is then typed as N.
    QTest::addColumn<QString>("mesiSalvati");
    QTest::addColumn<QString>("nonPagato"); // named by the save: its month must be counted again

    QTest::newRow("Swiss with slashes") << "15/12/2026" << "2026-12-15" << "" << "";
    QTest::newRow("Swiss with dots, one digit") << "5.12.2026" << "2026-12-05" << "" << "";
    QTest::newRow("stored form") << "2026-12-15" << "2026-12-15" << "" << "";
    QTest::newRow("no such day") << "31/02/2026" << "" << "" << "";
    QTest::newRow("stored form, no such day") << "2026-02-30" << "" << "" << "";
    QTest::newRow("words") << "meta dicembre" << "" << "" << "";
    QTest::newRow("into December counted before") << "15/12/2026" << "2026-12-15" << "conteggio"
                                                  << "dicembre 2026: Bonus 250.00 CHF";
    QTest::newRow("into December saved by hand") << "15/12/2026" << "2026-12-15" << "a mano"
                                                 << "dicembre 2026: Bonus 250.00 CHF";
    QTest::newRow("into November, December saved") << "15/11/2026" << "2026-11-15" << "conteggio" << "";
    // The saved January paid its bonus at 500: raised since, it is named,
    // the same description notwithstanding.
    QTest::newRow("January's bonus raised after the count") << "15/11/2026" << "2026-11-15" << "conteggio, poi 800"
                                                             << "gennaio 2026: Gratifica 800.00 CHF";
    QTest::newRow("January's bonus raised after a save by hand") << "15/11/2026" << "2026-11-15" << "a mano, poi 800"
                                                                  << "gennaio 2026: Gratifica 800.00 CHF";
}

void TestGestioneMovimenti::dataDigitata()
{
    QFETCH(QString, digitata);
    QFETCH(QString, salvata);
    QFETCH(QString, mesiSalvati);
    QFETCH(QString, nonPagato);
    const QString poi = mesiSalvati.section(QStringLiteral(", poi "), 1);
    mesiSalvati = mesiSalvati.section(QStringLiteral(", poi "), 0, 0);

    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 500)}));
    const QByteArray prima = AmbienteTest::leggi(Movimenti::percorsoFile(kId));
    const DatiDipendente d = dipendente();
    for (int mese : {1, 12}) {
        StoricoPaghe::PagaMese paga;
        paga.anno = 2026;
        paga.mese = mese;
        paga.netto = 4000;
        if (mesiSalvati == QLatin1String("a mano"))
            QVERIFY(StoricoPaghe::salvaMese(kId, paga));
        else if (mesiSalvati == QLatin1String("conteggio"))
            QVERIFY(ConteggioSalario::genera(kId, d, 2026, mese, true, 0).errore.isEmpty());
    }
    // The month of the new bonus (December when it is refused).
    const int meseBonus = salvata.isEmpty() ? 12 : QDate::fromString(salvata, Qt::ISODate).month();
    const RisultatoConteggio dicembrePrima = ConteggioSalario::genera(kId, d, 2026, meseBonus, false, 0);

    RegistroMessaggi registro;
    GestioneMovimenti f(kId, kId, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    clic(f, "aggiungi");
    digita(f, 1, MovimentiModel::ColTipo, QStringLiteral("Bonus"));
    digita(f, 1, MovimentiModel::ColImporto, QStringLiteral("250"));
    digita(f, 1, MovimentiModel::ColData, digitata);
    if (!poi.isEmpty())
        digita(f, 0, MovimentiModel::ColImporto, poi);
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Salva"));
    if (salvata.isEmpty()) {
        QCOMPARE(registro.ultimoTesto(),
                 QStringLiteral("Riga 2: la data \"%1\" non e' valida: scrivere ad esempio 31/12/2026.").arg(digitata));
        QCOMPARE(AmbienteTest::leggi(Movimenti::percorsoFile(kId)), prima);
        QCOMPARE(vista(f)->currentIndex().row(), 1);
        // Closing still asks: the new row is not saved.
        registro.rispondi(QMessageBox::Cancel);
        f.close();
        QVERIFY(f.isVisible());
        return;
    }
    // January's bonus, in the file when January was saved, is not named.
    if (nonPagato.isEmpty())
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
    else
        QCOMPARE(registro.ultimoTesto(),
                 QStringLiteral("Movimenti salvati.\n\nQuesti movimenti sono datati in un mese gia' salvato nello "
                                "storico paghe e non sono ancora pagati: per pagarli il mese va conteggiato di nuovo "
                                "(Chiusura mensile, \"Genera tutti e salva\").\n- ")
                     + nonPagato);
    const QList<MovimentoStipendio> letti = Movimenti::carica(kId);
    QCOMPARE(letti.size(), 2);
    QCOMPARE(letti.at(0).data, QStringLiteral("2026-01-31"));
    QCOMPARE(letti.at(1).data, salvata);
    // The count of its month takes the bonus in.
    const RisultatoConteggio dicembre = ConteggioSalario::genera(kId, d, 2026, meseBonus, false, 0);
    QCOMPARE(QString::number(dicembre.lordoImponibile - dicembrePrima.lordoImponibile, 'f', 2), QStringLiteral("250.00"));
}

// A file that did not read cleanly: the window shows what read, names the
// file and the line, and neither its save nor the save asked on closing
// writes a byte; a file with CR LF line ends is no damage.
void TestGestioneMovimenti::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("avviso"); // part of the warning on opening; empty: none
    QTest::addColumn<int>("righe");
    QVERIFY(Movimenti::salva(kId, {movimento(QStringLiteral("2026-01-31"), QStringLiteral("Gratifica"), 500),
                                   movimento(QStringLiteral("2026-02-28"), QStringLiteral("Bonus"), 201)}));
    const QByteArray buono = AmbienteTest::leggi(Movimenti::percorsoFile(kId));
    QTest::newRow("block split by an empty line") << QByteArray(buono).replace("importo=201", "\nimporto=201")
                                                  << "riga 15: il movimento non ha importo" << 3;
    QTest::newRow("NUL") << QByteArray(buono).replace("tipo=Bonus", QByteArray("tipo=\0Bonus", 11)) << "riga 16" << 2;
    QTest::newRow("too large") << buono + QByteArray(FileSicuri::kLimiteRecord, '\n') << "KB" << 0;
    QTest::newRow("CR LF") << QByteArray(buono).replace("\n", "\r\n") << "" << 2;
}

void TestGestioneMovimenti::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, avviso);
    const QString percorso = Movimenti::percorsoFile(kId);
    AmbienteTest::scrivi(percorso, contenuto);
    RegistroMessaggi registro;
    GestioneMovimenti f(kId, kId, nullptr);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTEST(modello(f)->rowCount(), "righe");
    clic(f, "aggiungi");
    digita(f, modello(f)->rowCount() - 1, MovimentiModel::ColImporto, QStringLiteral("75"));
    if (avviso.isEmpty()) {
        QVERIFY(registro.richieste.isEmpty());
        {
            // A full disk: reported, the file as it was, the edit kept.
            LimiteFile disco(100);
            clic(f, "salva");
        }
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Impossibile salvare.\nImpossibile scrivere il file %1.").arg(percorso));
        QCOMPARE(AmbienteTest::leggi(percorso), contenuto);
        QCOMPARE(modello(f)->rowCount(), 3);
        clic(f, "salva");
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Movimenti salvati."));
        QString errore;
        QCOMPARE(Movimenti::carica(kId, &errore).size(), 3);
        QCOMPARE(errore, QString());
        return;
    }
    QVERIFY(registro.contiene(avviso) && registro.contiene(percorso));
    clic(f, "salva");
    QVERIFY(registro.ultimoTesto().contains(avviso));
    QVERIFY(registro.ultimoTesto().endsWith(QStringLiteral("Il file non viene sovrascritto: correggerlo prima di salvare.")));
    QCOMPARE(AmbienteTest::leggi(percorso), contenuto);
    registro.rispondi(QMessageBox::Save);
    f.reject();
    QVERIFY(f.isVisible());
    QCOMPARE(AmbienteTest::leggi(percorso), contenuto);
}

VARDELLO_TEST_MAIN(TestGestioneMovimenti)
#include "tst_gestionemovimenti.moc"
