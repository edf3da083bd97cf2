#include "ambientetest.h"
#include "backup.h"
#include "avvio.h"
#include "inizializzazione.h"
#include "bankprofile.h"
#include "ruolo.h"
#include "scegliazienda.h"
#include "sceglibanca.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QToolButton>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSettings>
#include <QTableView>
#include <QTimer>

#include <map>

namespace {

QVariant impostazione(const char* ambito, const char* chiave)
{
    return QSettings(QStringLiteral("Vardello"), QLatin1String(ambito)).value(QLatin1String(chiave));
}

// Watches the screen while the start-up runs: each modal dialog that comes
// up is noted by its object name and answered by the script's action for
// that name; a dialog without an action is cancelled.
class Copione : public QObject
{
public:
    std::map<QString, std::function<void(QDialog*)>> azioni;
    QStringList visti;
    // Runs once the main window is shown (the event loop is running then).
    std::function<void(QMainWindow*)> finestra;
    Avvio* avvio = nullptr;

    Copione()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { guarda(); });
        timer.start();
    }

private:
    void guarda()
    {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (dialogo == ultimo || !dialogo->isVisible())
                return;
            ultimo = dialogo;
            visti << dialogo->objectName();
            auto it = azioni.find(dialogo->objectName());
            if (it != azioni.end())
                it->second(dialogo);
            else
                dialogo->reject();
            return;
        }
        QMainWindow* f = avvio ? avvio->finestraPrincipale() : nullptr;
        if (f && f->isVisible() && !finestraVista) {
            finestraVista = true;
            visti << f->objectName();
            if (finestra)
                finestra(f);
        }
    }

    QTimer timer;
    QDialog* ultimo = nullptr;
    bool finestraVista = false;
};

void scegliLingua(QDialog* d, const QString& nome)
{
    auto* prompt = qobject_cast<QInputDialog*>(d);
    QVERIFY(prompt);
    prompt->setTextValue(nome);
    prompt->accept();
}

} // namespace

class TestAvvio : public QObject
{
    Q_OBJECT

private slots:
    void init() { AmbienteTest::svuota(); }

    void sequenzaCompleta();
    void percorsi_data();
    void percorsi();
    void preselezione_data();
    void preselezione();
    void linguaSalvataPreselezionata();
    void traduzioniToolkit_data();
    void traduzioniToolkit();
    void ruolo_data();
    void ruolo();
    void righeAlterne();
    void stile();
};

void TestAvvio::sequenzaCompleta()
{
    // The font of a desktop without settings of its own (9 point); the
    // offscreen platform's default is larger than any desktop's.
    const QFont primaFont = QApplication::font();
    QApplication::setFont(QFont(primaFont.family(), 9));
    auto ripristina = qScopeGuard([&] { QApplication::setFont(primaFont); });
    Avvio avvio;
    Copione c;
    c.avvio = &avvio;
    c.azioni[QStringLiteral("lingua")] = [](QDialog* d) {
        auto* prompt = qobject_cast<QInputDialog*>(d);
        QVERIFY(prompt && !prompt->parentWidget());
        QCOMPARE(prompt->windowTitle(), QStringLiteral("Lingua / Sprache / Langue / Language / Idioma"));
        QCOMPARE(prompt->labelText(),
                 QStringLiteral("Scegli la lingua / Sprache wählen / Choisir la langue / Choose language / Elegir idioma"));
        QCOMPARE(prompt->comboBoxItems(), QStringList({"Italiano", "Deutsch", QStringLiteral("Français"), "English",
                                                       QStringLiteral("Español")}));
        QVERIFY(!prompt->isComboBoxEditable());
        scegliLingua(d, QStringLiteral("Italiano"));
    };
    int profili = -1;
    QString idScelto;
    c.azioni[QStringLiteral("ScegliBanca")] = [&](QDialog* d) {
        QVERIFY(!d->parentWidget());
        auto* combo = d->findChild<QComboBox*>(QStringLiteral("banca"));
        profili = combo->count();
        combo->setCurrentIndex(combo->count() - 1);
        idScelto = qobject_cast<ScegliBanca*>(d)->bancaSelezionata().id;
        d->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    };
    c.azioni[QStringLiteral("ScegliAzienda")] = [](QDialog* d) {
        QVERIFY(!d->parentWidget());
        auto* lista = d->findChild<QListWidget*>(QStringLiteral("aziende"));
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), Inizializzazione::aziendaDimostrativa().ragioneSociale);
        lista->setCurrentRow(0);
        d->findChild<QPushButton*>(QStringLiteral("apri"))->click();
    };
    bool finestraControllata = false;
    c.finestra = [&](QMainWindow* f) {
        QCOMPARE(f->windowTitle(), QStringLiteral("Vardello - Alpina Esempio SA"));
        QCOMPARE(f->size(), QSize(900, 600));
        // Every menu shows in the bar at the start size, none behind the
        // extension button.
        QMenuBar* barra = f->menuBar();
        QCOMPARE(barra->actions().size(), 9);
        for (QAction* a : barra->actions()) {
            const QRect r = barra->actionGeometry(a);
            QVERIFY2(!r.isEmpty() && r.right() < barra->width(), qPrintable(a->text()));
        }
        auto* estensione = barra->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(!estensione || estensione->isHidden());
        QVERIFY(!f->parentWidget());
        auto* area = f->findChild<QLabel*>(QStringLiteral("areaDiLavoro"));
        QCOMPARE(area->text(), QStringLiteral("Area di lavoro"));
        QCOMPARE(area->alignment(), Qt::AlignCenter);
        auto* esci = f->findChild<QPushButton*>(QStringLiteral("esci"));
        QCOMPARE(esci->text(), QStringLiteral("ESCI"));
        QVERIFY(esci->geometry().right() > f->width() / 2); // at the right
        QVERIFY(esci->geometry().top() > f->height() / 2);  // at the bottom
        // The wheel filter is in place: the wheel gives a drop-down no focus.
        QComboBox scelta;
        scelta.ensurePolished();
        QCOMPARE(scelta.focusPolicy(), Qt::StrongFocus);
        finestraControllata = true;
        esci->click(); // ends the program
    };
    QCOMPARE(avvio.avvia(), 0);
    QVERIFY(finestraControllata);
    QCOMPARE(c.visti, QStringList({"lingua", "ScegliBanca", "ScegliAzienda", "finestraPrincipale"}));
    QCOMPARE(impostazione("Lingua", "lingua").toString(), QStringLiteral("it"));
    QCOMPARE(profili, 2); // the profiles that come with the program, copied for the user
    QCOMPARE(BankProfile::caricaTutti(BankProfile::cartellaProfili()).size(), 2);
    QVERIFY(!idScelto.isEmpty());
    QCOMPARE(impostazione("Banca", "id").toString(), idScelto);
    QCOMPARE(avvio.aziendaAvvio(), Inizializzazione::fileAziendaDimostrativa());
    QCOMPARE(impostazione("AziendaCorrente", "nomeFile").toString(), Inizializzazione::fileAziendaDimostrativa());
    QVERIFY(avvio.amministratore()); // no role file
    // The start's backup ran after the window was shown, on its own thread.
    avvio.attendiBackup();
    QCOMPARE(Backup::elencoBackup().size(), 1);
}

void TestAvvio::percorsi_data()
{
    QTest::addColumn<QString>("bancaPrima"); // bank id stored before the start
    QTest::addColumn<QString>("lingua");     // item chosen; empty: prompt cancelled
    QTest::addColumn<QString>("banca");      // "ok", "annulla" or "chiudi" (close box)
    QTest::addColumn<QString>("azienda");    // "apri" or "chiudi"
    QTest::addColumn<QStringList>("visti");
    QTest::addColumn<QString>("linguaDopo");
    QTest::addColumn<bool>("bancaDopo"); // a bank id is stored afterwards

    QTest::newRow("language cancelled: nothing stored") << "" << "" << "" << "" << QStringList{"lingua"} << "" << false;
    QTest::newRow("stored bank skips the chooser") << "sps-salari" << "English" << "" << "chiudi"
                                                   << QStringList{"lingua", "ScegliAzienda"} << "en" << true;
    QTest::newRow("company chooser cancelled after the bank") << "" << "Deutsch" << "ok" << "chiudi"
                                                              << QStringList{"lingua", "ScegliBanca", "ScegliAzienda"}
                                                              << "de" << true;
    QTest::newRow("bank rejected: start-up goes on")
        << "" << "Italiano" << "annulla" << "apri"
        << QStringList{"lingua", "ScegliBanca", "ScegliAzienda", "finestraPrincipale"} << "it" << false;
    QTest::newRow("bank chooser closed by its close box")
        << "" << "Italiano" << "chiudi" << "apri"
        << QStringList{"lingua", "ScegliBanca", "ScegliAzienda", "finestraPrincipale"} << "it" << false;
}

void TestAvvio::percorsi()
{
    QFETCH(QString, bancaPrima);
    QFETCH(QString, lingua);
    QFETCH(QString, banca);
    QFETCH(QString, azienda);
    QFETCH(QStringList, visti);
    QFETCH(QString, linguaDopo);
    QFETCH(bool, bancaDopo);

    if (!bancaPrima.isEmpty())
        QSettings(QStringLiteral("Vardello"), QStringLiteral("Banca")).setValue(QStringLiteral("id"), bancaPrima);
    Avvio avvio;
    Copione c;
    c.avvio = &avvio;
    if (!lingua.isEmpty())
        c.azioni[QStringLiteral("lingua")] = [&](QDialog* d) { scegliLingua(d, lingua); };
    c.azioni[QStringLiteral("ScegliBanca")] = [&](QDialog* d) {
        if (banca == QLatin1String("chiudi"))
            d->close();
        else
            d->findChild<QPushButton*>(banca)->click();
    };
    c.azioni[QStringLiteral("ScegliAzienda")] = [&](QDialog* d) {
        d->findChild<QListWidget*>(QStringLiteral("aziende"))->setCurrentRow(0);
        d->findChild<QPushButton*>(azienda)->click();
    };
    c.finestra = [](QMainWindow* f) { f->close(); };

    QCOMPARE(avvio.avvia(), 0);
    QCOMPARE(c.visti, visti);
    QCOMPARE(impostazione("Lingua", "lingua").toString(), linguaDopo);
    QCOMPARE(!impostazione("Banca", "id").toString().isEmpty(), bancaDopo);
    QCOMPARE(avvio.finestraPrincipale() != nullptr, visti.contains(QStringLiteral("finestraPrincipale")));
    // The first run comes before the prompt; its company stays current.
    QVERIFY(QFileInfo::exists(Inizializzazione::percorsoMarcatore()));
    QCOMPARE(impostazione("AziendaCorrente", "nomeFile").toString(), Inizializzazione::fileAziendaDimostrativa());
}

void TestAvvio::preselezione_data()
{
    QTest::addColumn<QString>("salvata");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("posizione");

    QTest::newRow("Swiss German system") << "" << "de_CH" << 1;
    QTest::newRow("Brazilian Portuguese system") << "" << "pt_BR" << 0;
    QTest::newRow("stored fr wins") << "fr" << "de_CH" << 2;
    QTest::newRow("stored es") << "es" << "it_CH" << 4;
    QTest::newRow("stored unknown") << "rm" << "de_CH" << 0;
    QTest::newRow("C locale") << "" << "C" << 0;
    QTest::newRow("English") << "" << "en_US" << 3;
}

void TestAvvio::preselezione()
{
    QFETCH(QString, salvata);
    QFETCH(QString, locale);
    QFETCH(int, posizione);
    QCOMPARE(Avvio::posizionePreselezionata(salvata, locale), posizione);
}

void TestAvvio::linguaSalvataPreselezionata()
{
    QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua")).setValue(QStringLiteral("lingua"), "fr");
    Avvio avvio;
    Copione c;
    QString preselezionata;
    c.azioni[QStringLiteral("lingua")] = [&](QDialog* d) {
        preselezionata = qobject_cast<QInputDialog*>(d)->textValue();
        d->reject();
    };
    QCOMPARE(avvio.avvia(), 0);
    QCOMPARE(preselezionata, QStringLiteral("Français"));
    QCOMPARE(impostazione("Lingua", "lingua").toString(), QStringLiteral("fr")); // unchanged
}

void TestAvvio::traduzioniToolkit_data()
{
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QString>("annulla");

    QTest::newRow("Deutsch") << "Deutsch" << "de" << "Abbrechen";
    QTest::newRow("Italiano") << "Italiano" << "it" << "Annulla";
}

void TestAvvio::traduzioniToolkit()
{
    QFETCH(QString, lingua);
    QFETCH(QString, codice);
    QFETCH(QString, annulla);

    {
        Avvio avvio;
        Copione c;
        c.azioni[QStringLiteral("lingua")] = [&](QDialog* d) { scegliLingua(d, lingua); };
        QVERIFY(avvio.chiediLingua());
        QCOMPARE(avvio.lingua(), codice);
        QCOMPARE(impostazione("Lingua", "lingua").toString(), codice);
        avvio.installaTraduttori();
        // The toolkit's texts come from the running toolkit's translations.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), annulla);
        // The program's own texts come from the translation file built next
        // to the program, and stay Italian without one.
        const bool conFile = codice != QLatin1String("it")
            && QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/translations/vardello_")
                                 + codice + QStringLiteral(".qm"));
        if (conFile)
            QVERIFY(QCoreApplication::translate("QObject", "Area di lavoro") != QLatin1String("Area di lavoro"));
        else
            QCOMPARE(QCoreApplication::translate("QObject", "Area di lavoro"), QStringLiteral("Area di lavoro"));
    }
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestAvvio::ruolo_data()
{
    QTest::addColumn<QByteArray>("contenuto"); // "<none>": no file
    QTest::addColumn<QString>("ruolo");
    QTest::addColumn<bool>("amministratore");
    QTest::addColumn<bool>("parametri");

    QTest::newRow("no file") << QByteArray("<none>") << "" << true << true;
    QTest::newRow("second line, capitals, blanks") << QByteArray("nome=Mario\n  RUOLO= Operatore \n") << "operatore"
                                                   << false << false;
    QTest::newRow("empty role") << QByteArray("ruolo=\n") << "" << true << false;
    QTest::newRow("no role line") << QByteArray("nome=Mario\n") << "" << true << false;
    QTest::newRow("Admin mixed case") << QByteArray("Ruolo=AdMiN\r\n") << "admin" << true << true;
    QTest::newRow("first line decides") << QByteArray("ruolo=contabile\nruolo=admin\n") << "contabile" << false
                                        << false;
    QTest::newRow("empty file") << QByteArray("") << "" << true << false;
}

void TestAvvio::ruolo()
{
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, ruolo);
    QFETCH(bool, amministratore);
    QFETCH(bool, parametri);

    if (contenuto != "<none>")
        AmbienteTest::scrivi(AmbienteTest::home() + QStringLiteral("/.vardello_dati/utente.txt"), contenuto);
    const Ruolo r = Ruolo::leggi();
    QCOMPARE(r.ruolo, ruolo);
    QCOMPARE(r.amministratore(), amministratore);
    QCOMPARE(r.accessoParametri(), parametri);
    QCOMPARE(r.fileLetto, contenuto != "<none>");
}

void TestAvvio::righeAlterne()
{
    Avvio::installaFiltroRighe();
    Avvio::installaFiltroRighe(); // once only
    QDialog d;
    auto* lista = new QListWidget(&d);
    lista->addItems({QStringLiteral("a"), QStringLiteral("b")});
    QTableView tabella;
    QVERIFY(!lista->alternatingRowColors());
    d.show();
    tabella.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(lista->alternatingRowColors());
    QVERIFY(tabella.alternatingRowColors());
    // Events still reach their widgets.
    lista->setCurrentRow(0);
    QTest::keyClick(lista, Qt::Key_Down);
    QCOMPARE(lista->currentRow(), 1);
}

void TestAvvio::stile()
{
    Avvio::applicaStile();
    const QString stile = qApp->styleSheet();
    QVERIFY(stile.contains(QLatin1String("background-color: #FDF6E3")));
    QVERIFY(stile.contains(QLatin1String("QPushButton")));
    QVERIFY(stile.contains(QLatin1String("#4A7C59")));
    QVERIFY(stile.contains(QLatin1String("alternate-background-color: #EFE3BC")));
    QPushButton pulsante(QStringLiteral("ESCI"));
    pulsante.ensurePolished();
    QCOMPARE(pulsante.palette().color(QPalette::Button).name(), QStringLiteral("#4a7c59"));
    qApp->setStyleSheet(QString());
}

VARDELLO_TEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
