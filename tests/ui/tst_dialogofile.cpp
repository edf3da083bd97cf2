#include "ambientetest.h"
#include "config.h"
#include "dialogofile.h"
#include "piattaformatest.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>

namespace {

// "%E" stands for the company's export folder, "%H" for the home folder.
QString espandi(QString percorso)
{
    return percorso.replace(QLatin1String("%E"), Config::cartellaExportAzienda())
        .replace(QLatin1String("%H"), AmbienteTest::home());
}

QString ultimaCartella()
{
    return QSettings(QStringLiteral("Vardello"), QStringLiteral("DialogoFile")).value("ultimaCartella").toString();
}

// What the user sees: folder, name field, offered types, type box, Cancel and accept buttons.
QStringList guarda(QFileDialog* d)
{
    auto* box = d->findChild<QDialogButtonBox*>();
    auto* accetta = box->button(QDialogButtonBox::Save) ? box->button(QDialogButtonBox::Save)
                                                        : box->button(QDialogButtonBox::Open);
    return {d->directory().absolutePath(), d->findChild<QLineEdit*>("fileNameEdit")->text(),
            d->nameFilters().join(";;"), d->findChild<QComboBox*>("fileTypeCombo")->isVisible() ? "box" : "no box",
            box->button(QDialogButtonBox::Cancel)->text(), accetta->text().remove('&')};
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
        QDir().mkpath(Config::cartellaExportAzienda() + QStringLiteral("2"));
    }

    void salva_data();
    void salva();
    void apri();
    void cartella();
};

void TestDialogoFile::salva_data()
{
    QTest::addColumn<QString>("suggerito");
    QTest::addColumn<QString>("filtro");
    QTest::addColumn<QString>("scelto");   // empty: the user cancels
    QTest::addColumn<QStringList>("visto"); // as returned by guarda()
    QTest::addColumn<QString>("risposta"); // answer to "Cartella diversa"; empty: not asked
    QTest::addColumn<bool>("restituito");

    const QString pdf = QStringLiteral("PDF (*.pdf)");
    QTest::newRow("export folder and name") << "%E/a.pdf" << pdf << "%E/a.pdf"
        << QStringList{"%E", "a.pdf", pdf, "no box", "Annulla", "Save"} << "" << true;
    QTest::newRow("file in a missing folder") << "%H/manca/b.pdf" << pdf << "%E/b.pdf"
        << QStringList{"%E", "b.pdf", pdf, "no box", "Annulla", "Save"} << "" << true;
    QTest::newRow("two types: box kept, first type only") << "" << pdf + ";;CSV (*.csv)" << ""
        << QStringList{"%E", "", pdf, "box", "Annulla", "Save"} << "" << false;
    QTest::newRow("outside folder, No") << "%H/fuori" << pdf << "%H/fuori/e.pdf"
        << QStringList{"%H/fuori", "", pdf, "no box", "Annulla", "Save"} << "No" << false;
    QTest::newRow("outside folder, Yes") << "%H/fuori" << pdf << "%H/fuori/e.pdf"
        << QStringList{"%H/fuori", "", pdf, "no box", "Annulla", "Save"} << "Yes" << true;
    QTest::newRow("sibling of the export folder") << "%E2" << pdf << "%E2/f.pdf"
        << QStringList{"%E2", "", pdf, "no box", "Annulla", "Save"} << "No" << false;
}

void TestDialogoFile::salva()
{
    QFETCH(QString, suggerito);
    QFETCH(QString, filtro);
    QFETCH(QString, scelto);
    QFETCH(QStringList, visto);
    QFETCH(QString, risposta);
    QFETCH(bool, restituito);

    scelto = espandi(scelto);
    RegistroMessaggi messaggi;
    messaggi.rispondi(risposta == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No);
    QStringList guardato;
    rispondiDialogoFile(scelto, [&](QFileDialog* d) { guardato = guarda(d); });

    const QString risultato = DialogoFile::salva(nullptr, QStringLiteral("Salva"), espandi(suggerito), filtro);

    QCOMPARE(guardato.replaceInStrings(Config::cartellaExportAzienda(), "%E").replaceInStrings(AmbienteTest::home(), "%H"),
             visto);
    QCOMPARE(messaggi.richieste.size(), risposta.isEmpty() ? 0 : 1);
    if (!risposta.isEmpty()) {
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Cartella diversa"));
        QVERIFY(messaggi.ultimoTesto().contains(Config::cartellaExportAzienda() + QLatin1Char('\n')));
        QCOMPARE(messaggi.richieste.last().predefinito, QMessageBox::No);
    }
    QCOMPARE(risultato, restituito ? scelto : QString());
    QCOMPARE(ultimaCartella(), restituito ? QFileInfo(scelto).absolutePath() : QString());
}

void TestDialogoFile::apri()
{
    const QString file = AmbienteTest::home() + QStringLiteral("/fuori/dati.csv");
    AmbienteTest::scrivi(file, "a;b\n");
    RegistroMessaggi messaggi;
    QStringList guardato;

    // Reading from anywhere asks nothing.
    rispondiDialogoFile(file, [&](QFileDialog* d) { guardato = guarda(d); });
    QCOMPARE(DialogoFile::apri(nullptr, "Importa CSV", AmbienteTest::home() + "/fuori", "CSV (*.csv)"), file);
    QCOMPARE(guardato.at(0), AmbienteTest::home() + QStringLiteral("/fuori"));
    QCOMPARE(guardato.at(4), QStringLiteral("Annulla"));
    QVERIFY(messaggi.richieste.isEmpty());
    QCOMPARE(ultimaCartella(), AmbienteTest::home() + QStringLiteral("/fuori"));

    // A missing start folder opens the export folder; cancelling records nothing.
    rispondiDialogoFile(QString(), [&](QFileDialog* d) { guardato = guarda(d); });
    QVERIFY(DialogoFile::apri(nullptr, "Importa CSV", "/non/esiste", "CSV (*.csv)").isEmpty());
    QCOMPARE(guardato.at(0), Config::cartellaExportAzienda());
    QCOMPARE(ultimaCartella(), AmbienteTest::home() + QStringLiteral("/fuori"));
}

void TestDialogoFile::cartella()
{
    const QString fuori = AmbienteTest::home() + QStringLiteral("/fuori");
    const QString sotto = fuori + QStringLiteral("/sotto");
    QDir().mkpath(sotto);

    QStringList guardato;
    QString nomeDopoIngresso;
    quandoAperto([&] {
        auto* d = finestraAperta<QFileDialog>();
        QVERIFY(d);
        guardato = guarda(d);
        QVERIFY(!d->findChild<QWidget*>("fileTypeLabel")->isVisible());
        // The user enters "sotto": the name field follows, and accepting
        // chooses the folder being browsed.
        auto* lista = d->findChild<QListView*>(QStringLiteral("listView"));
        QModelIndex indice;
        QTRY_VERIFY((indice = lista->model()->index(0, 0, lista->rootIndex())).isValid());
        emit lista->activated(indice);
        QCoreApplication::processEvents();
        nomeDopoIngresso = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog*>(d)->accept();
    });
    QCOMPARE(DialogoFile::cartella(nullptr, QStringLiteral("Scegli la cartella per i dati"), fuori), sotto);
    QCOMPARE(guardato, (QStringList{fuori, fuori, "All Files (*)", "no box", "Annulla", "Salva"}));
    QCOMPARE(nomeDopoIngresso, sotto);
    QCOMPARE(ultimaCartella(), fuori);

    rispondiDialogoFile(QString());
    QVERIFY(DialogoFile::cartella(nullptr, QStringLiteral("Cartella"), QString()).isEmpty());
}

VARDELLO_TEST_MAIN(TestDialogoFile)
#include "tst_dialogofile.moc"
