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
};

// Every column typed, a row deleted, saved; after a restart the user's file
// holds: the edits, the deletion, and the hidden flag it had.
void TestGestioneGeneri::modificaEliminaRiavvia()
{
    AmbienteTest::scrivi(GeneriSalario::percorsoFileUtente(),
                         "# utente\n[100]\ndescrizione=Base\ntipo=base\navs=1\ncaf=1\nlainf=1\nlpp=1\nigm=1\n\n"
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
        // The flags are check marks, shown without a raw "1"; CAF and LPP
        // cleared, AVS and LAINF kept.
        for (int c = 3; c < 7; ++c) {
            QTableWidgetItem* flag = tabella(f)->item(0, c);
            QVERIFY(flag->text().isEmpty() && (flag->flags() & Qt::ItemIsUserCheckable));
            QCOMPARE(flag->checkState(), Qt::Checked);
            if (c == 4 || c == 6)
                flag->setCheckState(Qt::Unchecked);
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
    QCOMPARE(catalogo(), (QStringList{"100|Base|base|11111", QString::fromUtf8("110|Salario più alto|base|10100")}));
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

VARDELLO_TEST_MAIN(TestGestioneGeneri)
#include "tst_gestionegeneri.moc"
