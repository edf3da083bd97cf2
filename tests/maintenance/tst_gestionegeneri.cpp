#include "ambientetest.h"
#include "generisalario.h"
#include "gestionegeneri.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QTableWidget* tabella(QDialog& f) { return f.findChild<QTableWidget*>(QStringLiteral("tabella")); }
void clic(QDialog& f, const char* nome) { f.findChild<QPushButton*>(QLatin1String(nome))->click(); }

QLineEdit* editorAperto(QTableWidget* t)
{
    const auto e = t->viewport()->findChildren<QLineEdit*>();
    const auto i = std::find_if(e.begin(), e.end(), [](QLineEdit* l) { return l->isVisible(); });
    return i == e.end() ? nullptr : *i;
}

void digita(QDialog& f, int riga, int colonna, const QString& testo)
{
    QTableWidget* t = tabella(f);
    t->setCurrentCell(riga, colonna);
    t->editItem(t->item(riga, colonna));
    QLineEdit* editor = editorAperto(t);
    QVERIFY(editor);
    editor->selectAll();
    // The test's key events know ASCII only; other letters are inserted.
    if (std::all_of(testo.begin(), testo.end(), [](QChar c) { return c.unicode() < 128; }))
        QTest::keyClicks(editor, testo);
    else
        editor->insert(testo);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!editorAperto(t));
}

// The catalogue, one line per type with every field.
QStringList catalogo()
{
    QStringList r;
    for (const QString& c : GeneriSalario::codiciDisponibili()) {
        const GeneriSalario::GenereSalario g = GeneriSalario::info(c);
        QString f;
        for (bool b : {g.avs, g.caf, g.lainf, g.lpp, g.igm})
            f += b ? QLatin1Char('1') : QLatin1Char('0');
        r << QStringList{g.codice, g.descrizione, g.tipo, f}.join(QLatin1Char('|'));
    }
    return r;
}

// The next start: the table read again.
void riavvia()
{
    GeneriSalario::azzera();
    GeneriSalario::carica();
}

} // namespace

class TestGestioneGeneri : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        riavvia();
    }
    void modificaEliminaRiavvia();
    void salvataggioFallito();
    void fileDanneggiato_data();
    void fileDanneggiato();
};

// Every column typed, a row deleted, saved; after a restart the user's file
// holds: the edits, the deletion, and the hidden flag it had.
void TestGestioneGeneri::modificaEliminaRiavvia()
{
    AmbienteTest::scrivi(GeneriSalario::percorsoFileUtente(),
                         "# utente\n[100]\ndescrizione=Base\ntipo=base\navs=0\ncaf=1\nlainf=0\nlpp=1\nigm=1\n\n"
                         "[300]\ndescrizione=Notte\ntipo=supplemento\navs=1\ncaf=1\nlainf=1\nlpp=1\nigm=0\n");
    riavvia();
    RegistroMessaggi registro;
    {
        GestioneGeneri f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(tabella(f)->rowCount(), 2);
        const QStringList celle = {"110", QString::fromUtf8("Salario più alto"), "base"};
        for (int c = 0; c < celle.size(); ++c)
            digita(f, 0, c, celle.at(c));
        // The flags are check marks, shown without a raw "1"; each is turned
        // from what the file holds (AVS 0, CAF 1, LAINF 0, LPP 1).
        for (int c = 3; c < 7; ++c) {
            QTableWidgetItem* flag = tabella(f)->item(0, c);
            QVERIFY(flag->text().isEmpty() && (flag->flags() & Qt::ItemIsUserCheckable));
            const bool salvato = c == 4 || c == 6;
            QCOMPARE(flag->checkState(), salvato ? Qt::Checked : Qt::Unchecked);
            flag->setCheckState(salvato ? Qt::Unchecked : Qt::Checked);
        }

        tabella(f)->setCurrentCell(1, 0);
        registro.rispondi(QMessageBox::Yes);
        clic(f, "elimina");
        QCOMPARE(tabella(f)->rowCount(), 1);
        registro.rispondi(QMessageBox::Save);
        f.reject(); // the closing question saves
        QVERIFY(!f.isVisible());
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Generi salvati."));
    }
    riavvia();
    // The old code stays as typed once; the renamed row is a new type.
    QCOMPARE(catalogo(), (QStringList{"100|Base|base|01011", QString::fromUtf8("110|Salario più alto|base|10100")}));
}

// A file that cannot be written is told; "Salva" in the closing question then
// keeps the window open with its edits.
void TestGestioneGeneri::salvataggioFallito()
{
    QVERIFY(QDir().mkpath(GeneriSalario::percorsoFileUtente())); // a folder where the file goes
    RegistroMessaggi registro;
    GestioneGeneri f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 1, 1, QStringLiteral("Tredicesima"));
    clic(f, "salva");
    QCOMPARE(registro.ultimoTitolo(), QStringLiteral("Errore"));
    QCOMPARE(registro.ultimoTesto(), QStringLiteral("Salvataggio non riuscito."));

    registro.rispondi(QMessageBox::Save);
    clic(f, "chiudi");
    QVERIFY(f.isVisible());
    QCOMPARE(tabella(f)->item(1, 1)->text(), QStringLiteral("Tredicesima"));
    registro.rispondi(QMessageBox::Discard);
    f.reject();
    QVERIFY(!f.isVisible());
}

// A user's file that did not read cleanly: the window says which file and
// line as it opens, shows what did read, and its save changes nothing on
// disk.
void TestGestioneGeneri::fileDanneggiato_data()
{
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<QStringList>("codici"); // the types that did read
    QTest::addColumn<QString>("danno");      // "" for a clean file
    const QByteArray base = "[100]\ndescrizione=Base\ntipo=base\navs=1\ncaf=1\nlainf=1\nlpp=1\nigm=0\n";
    QTest::newRow("clean, BOM and trailing blanks")
        << "\xEF\xBB\xBF# utente  \n" + base + "[300]  \ndescrizione=Notte \navs=0\n" << QStringList{"100", "300"}
        << "";
    // Type 300 lost its "]": it never merges into type 100.
    QTest::newRow("header without ]") << base + "[300\ndescrizione=Notte\navs=0\n" << QStringList{"100"}
                                      << "riga 9: intestazione di gruppo senza \"]\"";
    QTest::newRow("flag not 0 or 1") << QByteArray(base).replace("caf=1", "caf=si") << QStringList{"100"}
                                     << "riga 5: valore non valido per caf: \"si\"";
    // The window writes every type and key once: one given again is damage.
    QTest::newRow("type given twice") << base + "[100]\ndescrizione=Altra\n" << QStringList{"100"}
                                      << "riga 9: gruppo ripetuto: [100], già alla riga 1";
    QTest::newRow("key given twice") << base + "avs=0\n" << QStringList{"100"}
                                     << "riga 9: chiave ripetuta: avs, già alla riga 4";
}

void TestGestioneGeneri::fileDanneggiato()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QStringList, codici);
    QFETCH(QString, danno);
    const QString file = GeneriSalario::percorsoFileUtente();
    AmbienteTest::scrivi(file, contenuto);
    riavvia();
    QCOMPARE(GeneriSalario::codiciDisponibili(), codici);

    RegistroMessaggi registro;
    GestioneGeneri f;
    const QString atteso = file + QStringLiteral(", ") + danno;
    if (danno.isEmpty())
        QVERIFY(registro.richieste.isEmpty());
    else
        QVERIFY2(registro.ultimoTesto().contains(atteso), qPrintable(registro.ultimoTesto()));
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    digita(f, 0, 1, QStringLiteral("Salario di base"));
    clic(f, "salva");
    if (danno.isEmpty()) {
        QCOMPARE(registro.ultimoTesto(), QStringLiteral("Generi salvati."));
        riavvia();
        QCOMPARE(GeneriSalario::descrizione(QStringLiteral("100")), QStringLiteral("Salario di base"));
        QCOMPARE(GeneriSalario::info(QStringLiteral("300")).avs, false);
        return;
    }
    QVERIFY2(registro.ultimoTesto().contains(atteso), qPrintable(registro.ultimoTesto()));
    QVERIFY(registro.ultimoTesto().contains(QStringLiteral("non viene sovrascritto")));
    QCOMPARE(AmbienteTest::leggi(file), contenuto);
    QVERIFY(!GeneriSalario::salva());
    QCOMPARE(AmbienteTest::leggi(file), contenuto);
    registro.rispondi(QMessageBox::Discard);
    f.reject();
}

VARDELLO_TEST_MAIN(TestGestioneGeneri)
#include "tst_gestionegeneri.moc"
