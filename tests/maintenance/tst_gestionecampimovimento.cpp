#include "ambientetest.h"
#include "campimovimento.h"
#include "gestionecampimovimento.h"
#include "orologio.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QDateTime kOra(QDate(2026, 3, 8), QTime(14, 15, 2));

QTableWidget* tabella(QDialog& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
void clic(QDialog& f, const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); }

QLineEdit* editorAperto(QTableWidget* t)
{
    const auto e = t->viewport()->findChildren<QLineEdit*>();
    const auto i = std::find_if(e.begin(), e.end(), [](QLineEdit* l) { return l->isVisible(); });
    return i == e.end() ? nullptr : *i;
}

// Types into a cell as a user would, then Enter.
void digita(QDialog& f, int riga, int colonna, const QString& testo)
{
    QTableWidget* t = tabella(f);
    if (!editorAperto(t) || t->currentRow() != riga || t->currentColumn() != colonna) {
        t->setCurrentCell(riga, colonna);
        t->editItem(t->item(riga, colonna));
    }
    QLineEdit* editor = editorAperto(t);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!editorAperto(t));
}

// Every field of every kind, one line each.
QStringList righe(const QList<CampoMovimento>& campi)
{
    QStringList r;
    for (const CampoMovimento& c : campi) {
        QString f;
        for (bool b : {c.soggetto, c.avs, c.ad, c.applicaMassimaleAD, c.caf, c.lainf, c.applicaMassimaleLAINF, c.lpp,
                       c.soggettoIF, c.massimaleAuto})
            f += b ? QLatin1Char('1') : QLatin1Char('0');
        r << QStringList{c.nome, c.tipo, c.importoTipo, f, QString::number(c.categoriaCertificato), c.dataScadenza,
                         QString::number(c.importoTotale, 'f', 2), c.pianoRientro, c.dataInizio}
                 .join(QLatin1Char('|'));
    }
    return r;
}

// Two kinds with values in the fields the window has no column for.
void catalogoUtente()
{
    CampoMovimento p;
    p.nome = QStringLiteral("Pignoramento");
    p.tipo = QStringLiteral("voce_salariale");
    p.importoTipo = QStringLiteral("fisso");
    p.soggetto = p.avs = p.caf = p.lpp = p.applicaMassimaleAD = true;
    p.massimaleAuto = true;
    CampoMovimento r;
    r.nome = QStringLiteral("Rimborso_prestito");
    r.tipo = QStringLiteral("rimborso_prestito");
    r.importoTotale = 12000.375; // a third decimal, kept while untouched
    r.pianoRientro = QStringLiteral("24 rate");
    r.dataInizio = QStringLiteral("01/02/2026");
    QVERIFY(CampiMovimento::scrivi({p, r}));
}

QStringList fileAppData()
{
    return QDir(QFileInfo(CampiMovimento::percorsoUtente()).absolutePath()).entryList(QDir::Files);
}

} // namespace

class TestGestioneCampiMovimento : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Orologio::imposta(kOra);
    }
    void catalogoPredefinito();
    void modificaSalvaRiapri();
    void nomiRifiutati_data();
    void nomiRifiutati();
    void salvataggioFallito();
    void fileDanneggiato_data();
    void fileDanneggiato();
};

// A user copy without a kind falls back to the built-in catalogue.
void TestGestioneCampiMovimento::catalogoPredefinito()
{
    AmbienteTest::scrivi(CampiMovimento::percorsoUtente(), "; vuoto\n");
    QCOMPARE(CampiMovimento::tutti().size(), 3);
}

// Every column typed, a row added, saved, and the window opened again (as at
// the next start): the edits are there, and the fields without a column kept.
void TestGestioneCampiMovimento::modificaSalvaRiapri()
{
    catalogoUtente();
    // The change log ends mid-line: the fragment stays, the save's line whole after it.
    const QString log = QFileInfo(CampiMovimento::percorsoUtente()).absolutePath() + QStringLiteral("/log_parametri_critici.csv");
    AmbienteTest::scrivi(log, "2026-03-08T14:00:00,admin,salvataggio_ca");
    RegistroMessaggi registro;
    {
        GestioneCampiMovimento f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(tabella(f)->rowCount(), 2);
        // Each cell other than what is stored: every flag flipped.
        const QStringList celle = {"Pignoramento_AB", "deduzione_legale", "percentuale", "No", "0", "1", "0", "1",
                                   "0", "1", "0", "1", "7", "30/06/2028", "12,50"};
        for (int c = 0; c < celle.size(); ++c)
            QVERIFY(tabella(f)->item(0, c)->text() != celle.at(c));
        for (int c = 0; c < celle.size(); ++c)
            digita(f, 0, c, celle.at(c));
        clic(f, "aggiungi");
        QVERIFY(editorAperto(tabella(f)));
        digita(f, 2, 0, QStringLiteral("Bonus"));
        registro.rispondi(QMessageBox::Yes);
        clic(f, "salva");
        QCOMPARE(registro.richieste.first().titolo, QStringLiteral("Conferma salvataggio"));
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Campi movimento salvati."));
        QCOMPARE(tabella(f)->item(1, 14)->text(), QStringLiteral("12.50")); // as stored, in the file's order
        f.reject(); // saved: closes without asking
        QVERIFY(!f.isVisible());
    }
    QCOMPARE(registro.richieste.size(), 2);

    QCOMPARE(righe(CampiMovimento::tutti()),
             (QStringList{"Bonus|voce_salariale|fisso|0000000000|3||0.00||",
                          "Pignoramento_AB|deduzione_legale|percentuale|0010011011|7|30/06/2028|12.50||",
                          "Rimborso_prestito|rimborso_prestito|fisso|0000000000|3||12000.38|24 rate|01/02/2026"}));
    QCOMPARE(CampiMovimento::tutti().at(2).importoTotale, 12000.375);
    const QString percorso = CampiMovimento::percorsoUtente();
    QVERIFY(QFileInfo::exists(percorso + QStringLiteral(".20260308_141502.bak")));
    QCOMPARE(AmbienteTest::leggi(log), QByteArray("2026-03-08T14:00:00,admin,salvataggio_ca\n"
                                                  "2026-03-08T14:15:02,admin,salvataggio_campi_movimento,3 voci,\n"));
    GestioneCampiMovimento riaperta;
    QCOMPARE(tabella(riaperta)->item(1, 14)->text(), QStringLiteral("12.50"));
}

void TestGestioneCampiMovimento::nomiRifiutati_data()
{
    QTest::addColumn<int>("colonna");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("slash") << 0 << "Pigno/ramento" << "non puo' contenere";
    QTest::newRow("backslash") << 0 << "Pigno\\ramento" << "non puo' contenere";
    QTest::newRow("same name") << 0 << "Rimborso_prestito" << "compare piu' volte";
    QTest::newRow("same name, other case") << 0 << "rimborso_PRESTITO" << "compare piu' volte";
    // The total of the second row, once stored as 0.
    QTest::newRow("total that is no amount") << 14 << "abc"
                                             << "L'importo \"abc\" in \"Importo totale, riga 2\" non e' valido";
    QTest::newRow("total with its currency") << 14 << "12.50 CHF"
                                             << "L'importo \"12.50 CHF\" in \"Importo totale, riga 2\" non e' valido";
}

// A refused name or amount is told and changes no byte: no catalogue, copy or log line.
void TestGestioneCampiMovimento::nomiRifiutati()
{
    QFETCH(int, colonna);
    QFETCH(QString, nome);
    QFETCH(QString, motivo);
    catalogoUtente();
    const QByteArray prima = AmbienteTest::leggi(CampiMovimento::percorsoUtente());
    const QStringList file = fileAppData();

    RegistroMessaggi registro;
    registro.rispondi(QMessageBox::Yes);
    GestioneCampiMovimento f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, colonna == 0 ? 0 : 1, colonna, nome);
    clic(f, "salva");
    QVERIFY2(registro.ultimoTesto().contains(motivo), qPrintable(registro.ultimoTesto()));
    QCOMPARE(AmbienteTest::leggi(CampiMovimento::percorsoUtente()), prima);
    QCOMPARE(fileAppData(), file);
}

// A save that cannot be written is told, leaves the old catalogue, and the
// closing question's "Salva" then keeps the window open.
void TestGestioneCampiMovimento::salvataggioFallito()
{
    catalogoUtente();
    const QByteArray prima = AmbienteTest::leggi(CampiMovimento::percorsoUtente());
    RegistroMessaggi registro;
    GestioneCampiMovimento f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, 13, QStringLiteral("31/12/2030"));

    // A full disk.
    {
        LimiteFile limite(64);
        registro.rispondi(QMessageBox::Yes);
        clic(f, "salva");
        QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
        QVERIFY(registro.ultimoTesto().startsWith(QStringLiteral("Salvataggio non riuscito.")));
        QCOMPARE(AmbienteTest::leggi(CampiMovimento::percorsoUtente()), prima);

        registro.rispondi(QMessageBox::Save);
        clic(f, "chiudi");
        QVERIFY(f.isVisible());
    }
    registro.rispondi(QMessageBox::Save);
    clic(f, "chiudi");
    QVERIFY(!f.isVisible());
    QCOMPARE(CampiMovimento::tutti().first().dataScadenza, QStringLiteral("31/12/2030"));
}

// A user copy that did not read cleanly: the window says which file and line
// as it opens, and its save changes no byte in the folder (no copy, no log
// line). A typed value never aborts.
void TestGestioneCampiMovimento::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QString>("danno"); // "" for a clean file
    const QByteArray base = "[Bonus]\ntipo=voce_salariale\navs=1\nimportoTotale=0\n";
    QTest::newRow("clean, BOM, comments") << "\xEF\xBB\xBF; catalogo\n# utente\n" + base << "";
    // The literal holds NULs: its length is taken from the array, not counted.
    static const char tipizzato[] = "[Prestito]\nimportoTotale=@Variant(\0\0\0\x0b\x7f\xff\xff\xff)\n";
    QTest::newRow("typed value") << base + QByteArray(tipizzato, sizeof(tipizzato) - 1) << "riga 6: carattere NUL";
    QTest::newRow("typed value, no NUL") << base + "[Prestito]\ntipo=@Variant(AAAA)\n"
                                         << "riga 6: valore non valido per Prestito/tipo";
    // The loan lost its "]": its keys never join the bonus.
    QTest::newRow("header without ]") << base + "[Prestito\ntipo=rimborso_prestito\nimportoTotale=12000\n"
                                      << "riga 5: intestazione di gruppo senza \"]\"";
    // A kind that lost its whole header line: its keys fit no kind, and a
    // save would drop them.
    QTest::newRow("keys before any group") << "tipo=rimborso_prestito\nimportoTotale=12000\n" + base
                                           << "riga 1: chiave fuori da ogni gruppo";
    QTest::newRow("junk after a number") << QByteArray(base).replace("importoTotale=0", "importoTotale=12000abc")
                                         << "riga 4: valore non valido per Bonus/importoTotale";
}

void TestGestioneCampiMovimento::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, danno);
    const QString file = CampiMovimento::percorsoUtente();
    AmbienteTest::scrivi(file, contenuto);
    QVERIFY(righe(CampiMovimento::tutti()).first().startsWith(QStringLiteral("Bonus|voce_salariale|fisso|0")));
    const QStringList cartella = fileAppData();

    RegistroMessaggi registro;
    GestioneCampiMovimento f;
    const QString atteso = file + QStringLiteral(", ") + danno;
    if (!danno.isEmpty())
        QVERIFY2(registro.ultimoTesto().contains(atteso), qPrintable(registro.ultimoTesto()));
    else
        QVERIFY(registro.richieste.isEmpty());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, 13, QStringLiteral("31/12/2030"));
    registro.rispondi(QMessageBox::Yes);
    clic(f, "salva");
    if (danno.isEmpty()) {
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Campi movimento salvati."));
        QCOMPARE(CampiMovimento::tutti().first().dataScadenza, QStringLiteral("31/12/2030"));
        return;
    }
    QVERIFY2(registro.ultimoTesto().contains(atteso), qPrintable(registro.ultimoTesto()));
    QCOMPARE(AmbienteTest::leggi(file), contenuto);
    QCOMPARE(fileAppData(), cartella);
    QString errore;
    QVERIFY(!CampiMovimento::scrivi(CampiMovimento::tutti(), &errore));
    QVERIFY(errore.contains(atteso));
    QCOMPARE(AmbienteTest::leggi(file), contenuto);
    registro.rispondi(QMessageBox::Discard);
    f.reject();
}

VARDELLO_TEST_MAIN(TestGestioneCampiMovimento)
#include "tst_gestionecampimovimento.moc"
