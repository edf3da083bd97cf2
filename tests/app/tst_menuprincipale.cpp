#include "ambientetest.h"
#include "avvio.h"
#include "azienda.h"
#include "chiusuramensile.h"
#include "config.h"
#include "dipendente.h"
#include "inizializzazione.h"
#include "menuprincipale.h"
#include "nazioni.h"
#include "nuovodipendente.h"
#include "piattaformatest.h"
#include "ruolo.h"
#include "scegliazienda.h"
#include "sceglidipendente.h"
#include "storicostipendi.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTableWidget>

namespace {

QStringList titoliMenu(QMainWindow& finestra)
{
    QStringList titoli;
    for (QAction* a : finestra.menuBar()->actions())
        titoli << a->text();
    return titoli;
}

} // namespace

class TestMenuPrincipale : public QObject
{
    Q_OBJECT

private:
    static QAction* azione(QMainWindow& finestra, const char* nome)
    {
        return finestra.findChild<QAction*>(QLatin1String(nome));
    }

private slots:
    void initTestCase() { QVERIFY(Nazioni::carica()); }
    void init() { AmbienteTest::svuota(); }

    void voci_data();
    void voci();
    void amministrazione_data();
    void amministrazione();
    void lingua();
    void apreFinestre_data();
    void apreFinestre();
    void cambiaAzienda_data();
    void cambiaAzienda();
    void cartellaDati_data();
    void cartellaDati();
    void nuovoAnnoStipendi();
    void esportaCsvContabilita();
    void certificatiNessuno();
    void perDipendentiScelti();
    void perDipendenteApre_data();
    void perDipendenteApre();
    void accessoParametri_data();
    void accessoParametri();
};

void TestMenuPrincipale::voci_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<QStringList>("attive"); // the entries that work already

    QTest::newRow("Lingua") << "Lingua"
                            << QStringList{"Italiano", "Deutsch", QString::fromUtf8("Français"), "English",
                                           QString::fromUtf8("Español")}
                            << QStringList{"Italiano", "Deutsch", QString::fromUtf8("Français"), "English",
                                           QString::fromUtf8("Español")};
    QTest::newRow("Azienda") << "Azienda" << QStringList{"Dati azienda", "Nuova azienda", "Cambia azienda..."}
                             << QStringList{"Dati azienda", "Nuova azienda", "Cambia azienda..."};
    QTest::newRow("Dipendenti") << "Dipendenti"
                                << QStringList{"Storico stipendi...", "Movimenti straordinari...",
                                               "Nuovo dipendente...", "Lista dipendenti..."}
                                << QStringList{"Storico stipendi...", "Movimenti straordinari...",
                                               "Nuovo dipendente...", "Lista dipendenti..."};
    QTest::newRow("Elaborazione stipendi") << "Elaborazione stipendi"
                                           << QStringList{"Variabili mensili...", "Chiusura mensile..."}
                                           << QStringList{"Variabili mensili...", "Chiusura mensile..."};
    QTest::newRow("Chiusure di fine anno")
        << "Chiusure di fine anno"
        << QStringList{"Nuovo anno stipendi...",
                       "Chiusura esercizio / Blocco annuale...",
                       "Riepilogo Paghe...",
                       QString::fromUtf8("Esporta CSV contabilità..."),
                       "Esporta RSS...",
                       "Esporta RSS PDF...",
                       "Esporta certificato di salario...",
                       "Esporta certificato PDF...",
                       "Esporta formulario assegni familiari (HTML)...",
                       "Esporta conteggio CAF (HTML)...",
                       "Gestione certificati...",
                       "Esporta XML ELM..."}
        << QStringList{"Nuovo anno stipendi...",
                       "Chiusura esercizio / Blocco annuale...",
                       "Riepilogo Paghe...",
                       QString::fromUtf8("Esporta CSV contabilità..."),
                       "Esporta RSS...",
                       "Esporta RSS PDF...",
                       "Esporta certificato di salario...",
                       "Esporta certificato PDF...",
                       "Esporta formulario assegni familiari (HTML)...",
                       "Esporta conteggio CAF (HTML)...",
                       "Gestione certificati...",
                       "Esporta XML ELM..."};
    QTest::newRow("Valute") << "Valute" << QStringList{"Gestione valute"} << QStringList{"Gestione valute"};
    QTest::newRow("Generi di salario") << "Generi di salario" << QStringList{"Gestione generi..."}
                                       << QStringList{"Gestione generi..."};
    QTest::newRow("Dati") << "Dati"
                          << QStringList{"Backup", "Parametri AVS/SUVA/LPP...", "Scegli cartella dati...",
                                         "Esporta dipendenti CSV...", "Importa dipendenti CSV..."}
                          << QStringList{"Backup", "Parametri AVS/SUVA/LPP...", "Scegli cartella dati...",
                                         "Esporta dipendenti CSV...", "Importa dipendenti CSV..."};
    QTest::newRow("Amministrazione") << "Amministrazione" << QStringList{"Gestione campi movimento..."}
                                     << QStringList{"Gestione campi movimento..."};
}

void TestMenuPrincipale::voci()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, voci);
    QFETCH(QStringList, attive);

    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), true);
    QCOMPARE(titoliMenu(principale),
             (QStringList{"Lingua", "Azienda", "Dipendenti", "Elaborazione stipendi", "Chiusure di fine anno",
                          "Valute", "Generi di salario", "Dati", "Amministrazione"}));

    QMenu* m = nullptr;
    for (QAction* a : principale.menuBar()->actions()) {
        if (a->text() == menu)
            m = a->menu();
    }
    QVERIFY(m);
    QStringList testi;
    QStringList abilitate;
    for (QAction* a : m->actions()) {
        QVERIFY(!a->objectName().isEmpty());
        testi << a->text();
        if (a->isEnabled())
            abilitate << a->text();
    }
    QCOMPARE(testi, voci);
    QCOMPARE(abilitate, attive);
}

void TestMenuPrincipale::amministrazione_data()
{
    QTest::addColumn<QByteArray>("fileRuolo"); // empty: no role file
    QTest::addColumn<bool>("esiste");
    QTest::newRow("no role file") << QByteArray() << true;
    QTest::newRow("operatore") << QByteArray("nome=x\n  RUOLO= Operatore \n") << false;
    QTest::newRow("empty role") << QByteArray("ruolo=\n") << true;
    QTest::newRow("Admin") << QByteArray("Ruolo=ADMIN\n") << true;
}

void TestMenuPrincipale::amministrazione()
{
    QFETCH(QByteArray, fileRuolo);
    QFETCH(bool, esiste);
    if (!fileRuolo.isEmpty())
        AmbienteTest::scrivi(Ruolo::percorsoFile(), fileRuolo);

    Avvio avvio;
    avvio.creaFinestraPrincipale();
    avvio.leggiRuolo();
    avvio.costruisciMenu();
    QCOMPARE(titoliMenu(*avvio.finestraPrincipale()).contains(QStringLiteral("Amministrazione")), esiste);
    QCOMPARE(titoliMenu(*avvio.finestraPrincipale()).size(), esiste ? 9 : 8);
}

void TestMenuPrincipale::lingua()
{
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    QAction* italiano = azione(principale, "lingua_it");
    QAction* tedesco = azione(principale, "lingua_de");
    QVERIFY(italiano->isChecked());
    QVERIFY(!tedesco->isChecked());
    QCOMPARE(tedesco->data().toString(), QStringLiteral("de"));

    RegistroMessaggi messaggi;
    tedesco->trigger();
    QVERIFY(tedesco->isChecked());
    QVERIFY(!italiano->isChecked());
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Lingua"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("La lingua verra' applicata al prossimo avvio."));
    // The interface stays as it is; the next start's prompt preselects it.
    QCOMPARE(principale.findChild<QMenu*>(QStringLiteral("menuDati"))->title(), QStringLiteral("Dati"));
    const QString salvata = QSettings(QStringLiteral("Vardello"), QStringLiteral("Lingua"))
                                .value(QStringLiteral("lingua"))
                                .toString();
    QCOMPARE(salvata, QStringLiteral("de"));
    QCOMPARE(Avvio::posizionePreselezionata(salvata, QStringLiteral("it_CH")), 1);
}

void TestMenuPrincipale::apreFinestre_data()
{
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("classe");
    QTest::newRow("Nuova azienda") << "azioneNuovaAzienda" << "NuovaAzienda";
    QTest::newRow("Nuovo dipendente...") << "azioneNuovoDipendente" << "NuovoDipendente";
    QTest::newRow("Chiusura mensile...") << "azioneChiusuraMensile" << "ChiusuraMensile";
    QTest::newRow("Variabili mensili...") << "azioneVariabiliMensili" << "GestioneVariabili";
    QTest::newRow("Dati azienda") << "azioneDatiAzienda" << "GestioneAzienda";
    QTest::newRow("Lista dipendenti...") << "azioneListaDipendenti" << "ListaDipendenti";
    QTest::newRow("Gestione valute") << "azioneGestioneValute" << "GestioneValute";
    QTest::newRow("Parametri AVS/SUVA/LPP...") << "azioneParametri" << "DialogParametriCritici";
    QTest::newRow("Chiusura esercizio") << "azioneChiusuraEsercizio" << "ChiusuraAnnualeDialog";
    QTest::newRow("Riepilogo Paghe...") << "azioneRiepilogoPaghe" << "RiepilogoPaghe";
    QTest::newRow("Gestione generi...") << "azioneGestioneGeneri" << "GestioneGeneri";
}

void TestMenuPrincipale::apreFinestre()
{
    QFETCH(QString, voce);
    QFETCH(QString, classe);
    Inizializzazione::esegui();
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), false);
    RegistroMessaggi messaggi; // the parameters' warning
    QString aperta;
    bool figlia = false;
    quandoModale<QDialog>([&](QDialog* f) {
        auto chiudi = qScopeGuard([f] { f->QDialog::reject(); }); // no close question
        aperta = QString::fromLatin1(f->metaObject()->className());
        figlia = f->parentWidget() == &principale;
    });
    principale.findChild<QAction*>(voce)->trigger();
    QCOMPARE(aperta, classe);
    QVERIFY(figlia);
}

void TestMenuPrincipale::esportaCsvContabilita()
{
    // The summary is never shown: only the file dialog and the result appear.
    Inizializzazione::esegui();
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), false);
    RegistroMessaggi messaggi;
    const QString csv = Config::cartellaExportAzienda() + QStringLiteral("/contabilita.csv");
    QString titolo;
    // The month is asked first, then the file.
    quandoModale<QDialog>([&](QDialog* mese) {
        QCOMPARE(mese->objectName(), QStringLiteral("meseContabilita"));
        rispondiDialogoFile(csv, [&](QFileDialog* d) { titolo = d->windowTitle(); });
        mese->accept();
    });
    azione(principale, "azioneEsportaCsvContabilita")->trigger();
    QCOMPARE(titolo, QStringLiteral("Salva CSV"));
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Esportato"));
    const QList<QByteArray> righe = AmbienteTest::leggi(csv).split('\n');
    QVERIFY(righe.first().startsWith("periodo;dipendente;cantone;"));
    QCOMPARE(righe.size(), 1 + 7 + 1); // every employee, each line ended
    for (int i = 1; i < righe.size() - 1; ++i) // no month closed: no amount made up
        QVERIFY2(righe.at(i).endsWith(";;;;;;;;;;;;;;mese non salvato"), righe.at(i).constData());
    QVERIFY(principale.findChildren<QDialog*>().isEmpty()); // destroyed after the export
}

// Without saved certificates the manager sends the user to the menu entry
// that makes them, by the words the menu really shows.
void TestMenuPrincipale::certificatiNessuno()
{
    Inizializzazione::esegui();
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), false);
    RegistroMessaggi messaggi;
    azione(principale, "azioneGestioneCertificati")->trigger();
    QAction* esporta = azione(principale, "azioneEsportaCertificato");
    const auto* menu = qobject_cast<QMenu*>(esporta->associatedWidgets().value(0));
    QVERIFY(menu);
    QCOMPARE(messaggi.ultimoTesto(),
             QStringLiteral("Non ci sono certificati salvati.\nUsa ") + menu->title() + QStringLiteral(" > ") + esporta->text());
}

void TestMenuPrincipale::cambiaAzienda_data()
{
    QTest::addColumn<bool>("accetta");
    QTest::newRow("cancelled") << false;
    QTest::newRow("accepted") << true;
}

void TestMenuPrincipale::cambiaAzienda()
{
    QFETCH(bool, accetta);
    Inizializzazione::esegui();
    DatiAzienda seconda;
    seconda.ragioneSociale = QStringLiteral("Beta Servizi Sagl");
    QVERIFY(Azienda::salva(seconda, QStringLiteral("Beta.txt")));
    Config::setAziendaCorrente(Inizializzazione::fileAziendaDimostrativa());
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), true);
    principale.show();
    RegistroMessaggi messaggi;
    quandoModale<ScegliAzienda>([accetta](ScegliAzienda* scelta) {
        if (!accetta) {
            scelta->reject();
            return;
        }
        auto* lista = scelta->findChild<QListWidget*>(QStringLiteral("aziende"));
        lista->setCurrentItem(lista->findItems(QStringLiteral("Beta Servizi Sagl"), Qt::MatchExactly).value(0));
        scelta->findChild<QPushButton*>(QStringLiteral("apri"))->click();
    });
    azione(principale, "azioneCambiaAzienda")->trigger();
    QCOMPARE(principale.isVisible(), !accetta);
    QCOMPARE(Config::aziendaCorrente(),
             accetta ? QStringLiteral("Beta.txt") : Inizializzazione::fileAziendaDimostrativa());
    if (!accetta) {
        QVERIFY(messaggi.richieste.isEmpty());
        return;
    }
    // Told before the end; the next start's chooser highlights the company.
    QCOMPARE(messaggi.richieste.size(), 1);
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Vardello si chiude: riavvialo per lavorare con Beta Servizi Sagl."));
    ScegliAzienda prossimo;
    QCOMPARE(prossimo.findChild<QListWidget*>(QStringLiteral("aziende"))->currentItem()->text(),
             QStringLiteral("Beta Servizi Sagl"));
}

void TestMenuPrincipale::cartellaDati_data()
{
    QTest::addColumn<bool>("scrivibile");
    QTest::newRow("path file written") << true;
    QTest::newRow("path file cannot be written") << false;
}

void TestMenuPrincipale::cartellaDati()
{
    QFETCH(bool, scrivibile);
    if (!scrivibile) // a folder where the path file should be
        QVERIFY(QDir().mkpath(Config::percorsoFileConfig()));
    const QString prima = Config::cartellaDati();
    const QString nuova = AmbienteTest::home() + QStringLiteral("/altri_dati");
    QVERIFY(QDir().mkpath(nuova));

    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    RegistroMessaggi messaggi;
    QString titolo;
    rispondiDialogoFile(nuova, [&](QFileDialog* d) { titolo = d->windowTitle(); });
    azione(principale, "azioneScegliCartellaDati")->trigger();
    QCOMPARE(titolo, QStringLiteral("Scegli la cartella per i dati"));
    QCOMPARE(messaggi.richieste.size(), 1);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Cartella dati"));
    if (scrivibile) {
        QCOMPARE(int(messaggi.richieste.first().tipo), int(Messaggi::Tipo::Informazione));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Cartella dati impostata su:\n") + nuova);
        QCOMPARE(Config::cartellaDati(), nuova);
    } else {
        QCOMPARE(int(messaggi.richieste.first().tipo), int(Messaggi::Tipo::Avviso));
        QVERIFY(messaggi.ultimoTesto().endsWith(QStringLiteral("La cartella dati resta:\n") + prima));
        QCOMPARE(Config::cartellaDati(), prima);
    }
}

void TestMenuPrincipale::nuovoAnnoStipendi()
{
    Inizializzazione::esegui();
    const QString id = QStringLiteral("Keller_Thomas.txt");
    QVERIFY(StoricoStipendi::creaPeriodoIniziale(id, QStringLiteral("01/01/2026"), 7100, 12));

    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    RegistroMessaggi messaggi;
    int propostoNuovo = 0;
    quandoModale<QInputDialog>([&](QInputDialog* primo) {
        QCOMPARE(primo->windowTitle(), QStringLiteral("Nuovo anno stipendi"));
        QCOMPARE(primo->labelText(), QStringLiteral("Anno in cui finiscono i periodi di salario attuali (es. 2026):"));
        QCOMPARE(primo->intValue(), 2026);
        quandoModale<QInputDialog>([&](QInputDialog* secondo) {
            QCOMPARE(secondo->labelText(), QStringLiteral("Anno dei nuovi periodi di salario (es. 2027):"));
            propostoNuovo = secondo->intValue();
            secondo->setIntValue(2028);
            secondo->accept();
        });
        primo->setIntValue(2030);
        primo->accept();
    });
    azione(principale, "azioneNuovoAnnoStipendi")->trigger();
    QCOMPARE(propostoNuovo, 2031);
    QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Fatto"));
    QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Periodi aggiornati per il nuovo anno."));
    QVector<PeriodoStipendio> periodi;
    QVERIFY(StoricoStipendi::carica(id, periodi));
    QCOMPARE(periodi.size(), 2);
    QCOMPARE(periodi.first().dataFine, QStringLiteral("31/12/2030"));
    QCOMPARE(periodi.last().dataInizio, QStringLiteral("01/01/2028"));

    // Cancelling the first question ends the entry without a message.
    messaggi.richieste.clear();
    quandoModale<QInputDialog>([](QInputDialog* primo) { primo->reject(); });
    azione(principale, "azioneNuovoAnnoStipendi")->trigger();
    QVERIFY(messaggi.richieste.isEmpty());
}

void TestMenuPrincipale::perDipendentiScelti()
{
    QMainWindow principale;
    QStringList aperti;
    auto apri = [&](const QString& id) { aperti << id; };
    {
        RegistroMessaggi messaggi;
        MenuPrincipale::perDipendentiScelti(&principale, QString(), apri);
        QCOMPARE(messaggi.ultimoTitolo(), QStringLiteral("Nessun dipendente"));
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Crea prima un dipendente."));
    }

    Inizializzazione::esegui();
    bool multipla = false;
    QString istruzioni;
    quandoModale<ScegliDipendente>([&](ScegliDipendente* scelta) {
        auto* t = scelta->findChild<QTableWidget*>(QStringLiteral("tabella"));
        multipla = t->columnCount() == 5 && scelta->parentWidget() == &principale;
        istruzioni = scelta->findChild<QLabel*>(QStringLiteral("istruzioni"))->text();
        t->item(4, 0)->setCheckState(Qt::Checked);
        t->item(1, 0)->setCheckState(Qt::Checked);
        scelta->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    });
    MenuPrincipale::perDipendentiScelti(&principale, QStringLiteral("Spunta per lo storico:"), apri);
    QVERIFY(multipla);
    QCOMPARE(istruzioni, QStringLiteral("Spunta per lo storico:")); // the chooser says what it is for
    QCOMPARE(aperti, (QStringList{QStringLiteral("Colombo_Sara.txt"), QStringLiteral("Keller_Thomas.txt")}));
}

void TestMenuPrincipale::perDipendenteApre_data()
{
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("classe");
    QTest::newRow("Storico stipendi...") << "azioneStoricoStipendi" << "GestioneStipendi";
    QTest::newRow("Movimenti straordinari...") << "azioneMovimentiStraordinari" << "GestioneMovimenti";
}

void TestMenuPrincipale::perDipendenteApre()
{
    QFETCH(QString, voce);
    QFETCH(QString, classe);
    Inizializzazione::esegui();
    QMainWindow principale;
    MenuPrincipale::costruisci(&principale, Inizializzazione::fileAziendaDimostrativa(), QStringLiteral("it"), false);
    QString aperta;
    quandoModale<ScegliDipendente>([&](ScegliDipendente* scelta) {
        scelta->findChild<QTableWidget*>(QStringLiteral("tabella"))->item(0, 0)->setCheckState(Qt::Checked);
        quandoModale<QDialog>([&](QDialog* f) {
            aperta = QString::fromLatin1(f->metaObject()->className());
            f->reject();
        });
        scelta->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    });
    principale.findChild<QAction*>(voce)->trigger();
    QCOMPARE(aperta, classe);
}

void TestMenuPrincipale::accessoParametri_data()
{
    QTest::addColumn<QByteArray>("fileRuolo");
    QTest::addColumn<bool>("accesso");
    QTest::newRow("no role file") << QByteArray() << true;
    QTest::newRow("Admin in capitals") << QByteArray("ruolo=ADMIN\n") << true;
    QTest::newRow("operatore") << QByteArray("ruolo=operatore\n") << false;
    QTest::newRow("no role line") << QByteArray("nome=Mario\n") << false;
}

void TestMenuPrincipale::accessoParametri()
{
    QFETCH(QByteArray, fileRuolo);
    QFETCH(bool, accesso);
    if (!fileRuolo.isEmpty())
        AmbienteTest::scrivi(Ruolo::percorsoFile(), fileRuolo);
    QMainWindow principale;
    RegistroMessaggi messaggi;
    QCOMPARE(MenuPrincipale::accessoParametri(&principale), accesso);
    QCOMPARE(messaggi.richieste.isEmpty(), accesso);
    if (!accesso)
        QCOMPARE(messaggi.ultimoTesto(), QStringLiteral("Questa sezione e' riservata all'amministratore."));

    // Through the menu: refused, nothing opens (a window would block here).
    MenuPrincipale::costruisci(&principale, QString(), QStringLiteral("it"), true);
    messaggi.richieste.clear();
    QString aperta;
    if (accesso) {
        quandoModale<QDialog>([&](QDialog* f) {
            aperta = QString::fromLatin1(f->metaObject()->className());
            f->reject();
        });
    }
    azione(principale, "azioneParametri")->trigger();
    QCOMPARE(aperta, accesso ? QStringLiteral("DialogParametriCritici") : QString());
    QCOMPARE(messaggi.ultimoTitolo(), accesso ? QStringLiteral("Attenzione") : QStringLiteral("Accesso riservato"));
}

VARDELLO_TEST_MAIN(TestMenuPrincipale)
#include "tst_menuprincipale.moc"
