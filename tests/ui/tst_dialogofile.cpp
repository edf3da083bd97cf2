#include "ambientetest.h"
#include "config.h"
#include "dialogofile.h"
#include "piattaformatest.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>

namespace {

// "%E" stands for the company's export folder, "%H" for the home folder.
QString espandi(QString percorso)
{
    percorso.replace(QLatin1String("%E"), Config::cartellaExportAzienda());
    percorso.replace(QLatin1String("%H"), AmbienteTest::home());
    return percorso;
}

QString ultimaCartella()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("DialogoFile"))
        .value(QStringLiteral("ultimaCartella"))
        .toString();
}

struct Visto
{
    QString cartella;
    QString nome;
    QStringList filtri;
    bool comboVisibile = false;
    QString annulla;
    QString accetta;
};

Visto guarda(QFileDialog* d)
{
    Visto v;
    v.cartella = d->directory().absolutePath();
    if (auto* nome = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        v.nome = nome->text();
    v.filtri = d->nameFilters();
    if (auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        v.comboVisibile = combo->isVisible();
    if (auto* box = d->findChild<QDialogButtonBox*>()) {
        if (QPushButton* p = box->button(QDialogButtonBox::Cancel))
            v.annulla = p->text();
        if (QPushButton* p = box->button(box->button(QDialogButtonBox::Save) ? QDialogButtonBox::Save
                                                                             : QDialogButtonBox::Open))
            v.accetta = p->text();
    }
    return v;
}

} // namespace

class TestDialogoFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        AmbienteTest::svuota();
        Config::setAziendaCorrente(QStringLiteral("Rossi SA.txt"));
        QDir().mkpath(AmbienteTest::home() + QStringLiteral("/fuori"));
        QDir().mkpath(Config::cartellaExportAzienda() + QStringLiteral("/2026"));
    }

    void salva_data();
    void salva();
    void filtri_data();
    void filtri();
    void apri();
    void cartella();
};

void TestDialogoFile::salva_data()
{
    QTest::addColumn<QString>("suggerito");
    QTest::addColumn<QString>("scelto");       // empty: the user cancels
    QTest::addColumn<QString>("cartellaVista"); // folder the dialog opens in
    QTest::addColumn<QString>("nomeVisto");     // file name preselected
    QTest::addColumn<bool>("domanda");          // "Cartella diversa" asked
    QTest::addColumn<bool>("risposta");         // answer to it
    QTest::addColumn<bool>("restituito");       // the chosen path comes back

    QTest::newRow("export folder and name") << "%E/a.pdf" << "%E/a.pdf" << "%E" << "a.pdf" << false << false << true;
    QTest::newRow("file in a missing folder") << "%H/manca/b.pdf" << "%E/b.pdf" << "%E" << "b.pdf" << false << false << true;
    QTest::newRow("empty suggestion") << "" << "%E/c.pdf" << "%E" << "" << false << false << true;
    QTest::newRow("below the export folder") << "%E/2026" << "%E/2026/d.pdf" << "%E/2026" << "" << false << false << true;
    QTest::newRow("outside folder, No") << "%H/fuori" << "%H/fuori/e.pdf" << "%H/fuori" << "" << true << false << false;
    QTest::newRow("outside folder, Yes") << "%H/fuori" << "%H/fuori/e.pdf" << "%H/fuori" << "" << true << true << true;
    QTest::newRow("sibling of the export folder") << "%E" << "%E2/f.pdf" << "%E" << "" << true << false << false;
    QTest::newRow("cancelled") << "%E/a.pdf" << "" << "%E" << "a.pdf" << false << false << false;
}

void TestDialogoFile::salva()
{
    QFETCH(QString, suggerito);
    QFETCH(QString, scelto);
    QFETCH(QString, cartellaVista);
    QFETCH(QString, nomeVisto);
    QFETCH(bool, domanda);
    QFETCH(bool, risposta);
    QFETCH(bool, restituito);

    scelto = espandi(scelto);
    if (!scelto.isEmpty())
        QDir().mkpath(QFileInfo(scelto).absolutePath());
    RegistroMessaggi messaggi;
    messaggi.rispondi(risposta ? QMessageBox::Yes : QMessageBox::No);
    Visto visto;
    rispondiDialogoFile(scelto, [&](QFileDialog* d) { visto = guarda(d); });

    const QString risultato = DialogoFile::salva(nullptr, QStringLiteral("Salva"), espandi(suggerito),
                                                 QStringLiteral("PDF (*.pdf)"));

    QCOMPARE(visto.cartella, espandi(cartellaVista));
    QCOMPARE(visto.nome, nomeVisto);
    QCOMPARE(visto.annulla, QStringLiteral("Annulla"));
    QCOMPARE(messaggi.richieste.size(), domanda ? 1 : 0);
    if (domanda) {
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Cartella diversa"));
        QVERIFY(messaggi.ultimoTesto().contains(Config::cartellaExportAzienda() + QLatin1Char('\n')));
        QCOMPARE(messaggi.richieste.last().predefinito, QMessageBox::No);
    }
    QCOMPARE(risultato, restituito ? scelto : QString());
    QCOMPARE(ultimaCartella(), restituito ? QFileInfo(scelto).absolutePath() : QString());
}

void TestDialogoFile::filtri_data()
{
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QStringList>("filtriOfferti");
    QTest::addColumn<bool>("comboVisibile");

    QTest::newRow("one type") << "PDF (*.pdf)" << QStringList{"PDF (*.pdf)"} << false;
    QTest::newRow("two types") << "PDF (*.pdf);;CSV (*.csv)" << QStringList{"PDF (*.pdf)"} << true;
    QTest::newRow("empty parts dropped") << "CSV (*.csv);;" << QStringList{"CSV (*.csv)"} << false;
}

void TestDialogoFile::filtri()
{
    QFETCH(QString, filtro);
    QFETCH(QStringList, filtriOfferti);
    QFETCH(bool, comboVisibile);

    for (int modo = 0; modo < 2; ++modo) {
        Visto visto;
        rispondiDialogoFile(QString(), [&](QFileDialog* d) { visto = guarda(d); });
        const QString r = modo == 0 ? DialogoFile::salva(nullptr, QStringLiteral("S"), QString(), filtro)
                                    : DialogoFile::apri(nullptr, QStringLiteral("A"), QString(), filtro);
        QVERIFY(r.isEmpty());
        QCOMPARE(visto.filtri, filtriOfferti);
        QCOMPARE(visto.comboVisibile, comboVisibile);
        QCOMPARE(visto.annulla, QStringLiteral("Annulla"));
    }
}

void TestDialogoFile::apri()
{
    const QString file = AmbienteTest::home() + QStringLiteral("/fuori/dati.csv");
    AmbienteTest::scrivi(file, "a;b\n");

    // Reading from anywhere asks nothing.
    RegistroMessaggi messaggi;
    Visto visto;
    rispondiDialogoFile(file, [&](QFileDialog* d) { visto = guarda(d); });
    QCOMPARE(DialogoFile::apri(nullptr, QStringLiteral("Importa CSV"), AmbienteTest::home() + QStringLiteral("/fuori"),
                               QStringLiteral("CSV (*.csv)")),
             file);
    QCOMPARE(visto.cartella, AmbienteTest::home() + QStringLiteral("/fuori"));
    QVERIFY(messaggi.richieste.isEmpty());
    QCOMPARE(ultimaCartella(), AmbienteTest::home() + QStringLiteral("/fuori"));

    // A missing start folder opens the export folder; cancelling records nothing new.
    rispondiDialogoFile(QString(), [&](QFileDialog* d) { visto = guarda(d); });
    QVERIFY(DialogoFile::apri(nullptr, QStringLiteral("Importa CSV"), QStringLiteral("/non/esiste"),
                              QStringLiteral("CSV (*.csv)"))
                .isEmpty());
    QCOMPARE(visto.cartella, Config::cartellaExportAzienda());
    QCOMPARE(ultimaCartella(), AmbienteTest::home() + QStringLiteral("/fuori"));
}

void TestDialogoFile::cartella()
{
    const QString fuori = AmbienteTest::home() + QStringLiteral("/fuori");
    const QString sotto = fuori + QStringLiteral("/sotto");
    QDir().mkpath(sotto);

    Visto visto;
    QString nomeDopoIngresso;
    bool etichettaTipoVisibile = true;
    quandoAperto([&] {
        auto* d = finestraAperta<QFileDialog>();
        QVERIFY(d);
        visto = guarda(d);
        if (auto* l = d->findChild<QLabel*>(QStringLiteral("fileTypeLabel")))
            etichettaTipoVisibile = l->isVisible();
        // The user enters "sotto" in the list: the name field follows, and
        // accepting then chooses the folder being browsed.
        auto* lista = d->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(lista);
        QModelIndex indice;
        QTRY_VERIFY((indice = lista->model()->index(0, 0, lista->rootIndex())).isValid());
        QCOMPARE(indice.data().toString(), QStringLiteral("sotto"));
        emit lista->activated(indice);
        QCoreApplication::processEvents();
        nomeDopoIngresso = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog*>(d)->accept();
        if (d->isVisible())
            d->reject();
    });
    QCOMPARE(DialogoFile::cartella(nullptr, QStringLiteral("Scegli la cartella per i dati"), fuori), sotto);
    QCOMPARE(visto.cartella, fuori);
    QCOMPARE(visto.nome, fuori);
    QCOMPARE(nomeDopoIngresso, sotto);
    QCOMPARE(visto.accetta, QStringLiteral("Salva"));
    QCOMPARE(visto.annulla, QStringLiteral("Annulla"));
    QVERIFY(!visto.comboVisibile);
    QVERIFY(!etichettaTipoVisibile);
    QCOMPARE(ultimaCartella(), fuori);

    // A folder typed into the name field.
    rispondiDialogoFile(sotto);
    QCOMPARE(DialogoFile::cartella(nullptr, QStringLiteral("Cartella"), QString()), sotto);

    // Cancelled: nothing chosen, nothing recorded anew.
    rispondiDialogoFile(QString());
    QVERIFY(DialogoFile::cartella(nullptr, QStringLiteral("Cartella"), QString()).isEmpty());
    QCOMPARE(ultimaCartella(), fuori);
}

VARDELLO_TEST_MAIN(TestDialogoFile)
#include "tst_dialogofile.moc"
