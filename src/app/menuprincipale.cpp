#include "menuprincipale.h"

#include "avvio.h"
#include "chiusuraannualedialog.h"
#include "backup.h"
#include "azienda.h"
#include "chiusuramensile.h"
#include "config.h"
#include "csvdipendenti.h"
#include "dialogofile.h"
#include "dialogparametricritici.h"
#include "dipendente.h"
#include "gestioneazienda.h"
#include "documentiannuali.h"
#include "gestionecertificati.h"
#include "gestionecampimovimento.h"
#include "gestionegeneri.h"
#include "gestionemovimenti.h"
#include "gestionestipendi.h"
#include "gestionevalute.h"
#include "gestionevariabili.h"
#include "listadipendenti.h"
#include "loginadmin.h"
#include "messaggi.h"
#include "nuovaazienda.h"
#include "nuovodipendente.h"
#include "orologio.h"
#include "riepilogopaghe.h"
#include "ruolo.h"
#include "scegliazienda.h"
#include "sceglidipendente.h"
#include "storicostipendi.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMainWindow>
#include <QStatusBar>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace {

QMenu* menu(QMainWindow* finestra, const QString& titolo, const char* nome)
{
    QMenu* m = finestra->menuBar()->addMenu(titolo);
    m->setObjectName(QLatin1String(nome));
    return m;
}

QAction* voce(QMenu* menu, const QString& testo, const char* nome)
{
    QAction* a = menu->addAction(testo);
    a->setObjectName(QLatin1String(nome));
    return a;
}

// An entry that runs `azione` with the main window as parent.
void voce(QMenu* menu, const QString& testo, const char* nome, QMainWindow* finestra,
          const std::function<void()>& azione)
{
    QObject::connect(voce(menu, testo, nome), &QAction::triggered, finestra, azione);
}

template <typename Finestra>
void apri(QMainWindow* finestra)
{
    Finestra f(finestra);
    f.exec();
}

// One year asked for in "Nuovo anno stipendi..."; 0 when cancelled.
int chiediAnno(QWidget* finestra, const char* nome, const QString& titolo, const QString& etichetta, int iniziale)
{
    QInputDialog chiedi(finestra);
    chiedi.setObjectName(QLatin1String(nome));
    chiedi.setWindowTitle(titolo);
    chiedi.setLabelText(etichetta);
    chiedi.setInputMode(QInputDialog::IntInput);
    chiedi.setIntRange(2000, 2100);
    chiedi.setIntStep(1);
    chiedi.setIntValue(iniziale);
    chiedi.setOkButtonText(QObject::tr("OK"));
    chiedi.setCancelButtonText(QObject::tr("Annulla"));
    return chiedi.exec() == QDialog::Accepted ? chiedi.intValue() : 0;
}

void menuLingua(QMainWindow* finestra, const QString& lingua)
{
    QMenu* m = menu(finestra, QObject::tr("Lingua"), "menuLingua");
    auto* gruppo = new QActionGroup(m);
    gruppo->setExclusive(true);
    const QStringList nomi = Avvio::nomiLingue();
    const QStringList codici = Avvio::codiciLingue();
    for (int i = 0; i < nomi.size(); ++i) {
        // The language names are never translated.
        QAction* a = m->addAction(nomi.at(i));
        a->setObjectName(QStringLiteral("lingua_") + codici.at(i));
        a->setCheckable(true);
        a->setData(codici.at(i));
        a->setChecked(codici.at(i) == lingua);
        gruppo->addAction(a);
        QObject::connect(a, &QAction::triggered, finestra, [finestra, codice = codici.at(i)] {
            QSettings s(QStringLiteral("Vardello"), QStringLiteral("Lingua"));
            s.setValue(QStringLiteral("lingua"), codice);
            s.sync();
            Messaggi::informazione(finestra, QObject::tr("Lingua"),
                                   QObject::tr("La lingua verra' applicata al prossimo avvio."));
        });
    }
}

void nuovoAnnoStipendi(QMainWindow* finestra)
{
    // The first year is where the current salary periods end (31 December),
    // not a year the yearly closing locks.
    const QString titolo = QObject::tr("Nuovo anno stipendi");
    const int vecchio = chiediAnno(finestra, "annoDaChiudere", titolo,
                                   QObject::tr("Anno in cui finiscono i periodi di salario attuali (es. 2026):"), 2026);
    if (vecchio == 0)
        return;
    const int nuovo = chiediAnno(finestra, "annoNuovo", titolo,
                                 QObject::tr("Anno dei nuovi periodi di salario (es. 2027):"), vecchio + 1);
    if (nuovo == 0)
        return;
    if (StoricoStipendi::nuovoAnnoPerTutti(vecchio, nuovo))
        Messaggi::informazione(finestra, QObject::tr("Fatto"), QObject::tr("Periodi aggiornati per il nuovo anno."));
    else
        Messaggi::informazione(finestra, QObject::tr("Nessuna modifica"),
                               QObject::tr("Nessun dipendente da aggiornare."));
}

void scegliCartellaDati(QMainWindow* finestra)
{
    const QString cartella =
        DialogoFile::cartella(finestra, QObject::tr("Scegli la cartella per i dati"), Config::cartellaDati());
    if (cartella.isEmpty())
        return;
    // Only a written path file moves the data folder; otherwise the old one
    // stays in use and the user must know it.
    if (Config::setCartellaDati(cartella))
        Messaggi::informazione(finestra, QObject::tr("Cartella dati"),
                               QObject::tr("Cartella dati impostata su:\n") + cartella);
    else
        Messaggi::avviso(finestra, QObject::tr("Cartella dati"),
                         QObject::tr("Impossibile impostare la cartella dati su:\n%1\n\nLa cartella dati resta:\n%2")
                             .arg(cartella, Config::cartellaDati()));
}

// What a backup's outcome says to the user, with the links it left out.
QString testoEsitoBackup(Backup::Esito esito, const QString& errore, const QStringList& collegamenti)
{
    QString testo;
    switch (esito) {
    case Backup::Esito::Eseguito:
        testo = QObject::tr("Backup eseguito.");
        break;
    case Backup::Esito::Invariato:
        testo = QObject::tr("Nessuna modifica dall'ultimo backup: nessun nuovo backup.");
        break;
    case Backup::Esito::Vuoto:
        testo = QObject::tr("La cartella dati e' vuota.");
        break;
    case Backup::Esito::Fallito:
        testo = QObject::tr("Backup non riuscito: %1").arg(errore);
        break;
    }
    if (!collegamenti.isEmpty())
        testo += QLatin1Char(' ')
            + QObject::tr("Collegamenti non copiati: %1").arg(collegamenti.join(QStringLiteral(", ")));
    return testo;
}

// "Backup" tells its outcome, so a failed backup never looks like a good one.
void backupDaMenu(QMainWindow* finestra)
{
    QString errore;
    QStringList collegamenti;
    const Backup::Esito esito = Backup::esegui(&errore, &collegamenti);
    const QString testo = testoEsitoBackup(esito, errore, collegamenti);
    if (esito == Backup::Esito::Fallito)
        Messaggi::avviso(finestra, QObject::tr("Backup"), testo);
    else
        Messaggi::informazione(finestra, QObject::tr("Backup"), testo);
}

} // namespace

void MenuPrincipale::mostraEsitoBackup(QMainWindow* finestra, int esito, const QString& errore,
                                       const QStringList& collegamenti)
{
    finestra->statusBar()->showMessage(testoEsitoBackup(Backup::Esito(esito), errore, collegamenti));
}

void MenuPrincipale::perDipendentiScelti(QWidget* finestra, const QString& istruzioni,
                                         const std::function<void(const QString&)>& apri)
{
    if (Dipendente::elencoDipendenti(false).isEmpty()) {
        Messaggi::avviso(finestra, QObject::tr("Nessun dipendente"), QObject::tr("Crea prima un dipendente."));
        return;
    }
    ScegliDipendente scelta(finestra, false, true, istruzioni);
    if (scelta.exec() != QDialog::Accepted)
        return;
    for (const QString& id : scelta.idsSelezionati())
        apri(id);
}

bool MenuPrincipale::accessoParametri(QWidget* finestra)
{
    if (Ruolo::leggi().accessoParametri())
        return true;
    Messaggi::avviso(finestra, QObject::tr("Accesso riservato"),
                     QObject::tr("Questa sezione e' riservata all'amministratore."));
    return false;
}

void MenuPrincipale::costruisci(QMainWindow* finestra, const QString& aziendaAvvio, const QString& lingua,
                                bool amministratore)
{
    // The start-up company goes to "Dati azienda" and to the ELM export.

    menuLingua(finestra, lingua);

    QMenu* azienda = menu(finestra, QObject::tr("Azienda"), "menuAzienda");
    voce(azienda, QObject::tr("Dati azienda"), "azioneDatiAzienda", finestra, [finestra, aziendaAvvio] {
        GestioneAzienda dati(aziendaAvvio, finestra);
        dati.exec();
    });
    voce(azienda, QObject::tr("Nuova azienda"), "azioneNuovaAzienda", finestra, [finestra] {
        apri<NuovaAzienda>(finestra);
    });
    voce(azienda, QObject::tr("Cambia azienda..."), "azioneCambiaAzienda", finestra, [finestra] {
        // The chooser stores the new current company; the program ends and
        // the next start's chooser highlights it. The user is told first, so
        // the end does not look like a crash.
        ScegliAzienda scelta(finestra);
        if (scelta.exec() != QDialog::Accepted)
            return;
        QString nome = Azienda::carica(scelta.aziendaSelezionata()).ragioneSociale.trimmed();
        if (nome.isEmpty())
            nome = scelta.aziendaSelezionata();
        Messaggi::informazione(finestra, QObject::tr("Cambia azienda"),
                               QObject::tr("Vardello si chiude: riavvialo per lavorare con %1.").arg(nome));
        finestra->close();
    });

    QMenu* dipendenti = menu(finestra, QObject::tr("Dipendenti"), "menuDipendenti");
    voce(dipendenti, QObject::tr("Storico stipendi..."), "azioneStoricoStipendi", finestra, [finestra] {
        const QString istruzioni = QObject::tr("Spunta i dipendenti di cui aprire lo storico stipendi:");
        perDipendentiScelti(finestra, istruzioni, [finestra](const QString& id) {
            GestioneStipendi stipendi(id, finestra);
            stipendi.exec();
        });
    });
    voce(dipendenti, QObject::tr("Movimenti straordinari..."), "azioneMovimentiStraordinari", finestra, [finestra] {
        const QString istruzioni = QObject::tr("Spunta i dipendenti di cui gestire i movimenti straordinari:");
        perDipendentiScelti(finestra, istruzioni, [finestra](const QString& id) {
            GestioneMovimenti movimenti(id, Dipendente::nomeCognome(id), finestra);
            movimenti.exec();
        });
    });
    voce(dipendenti, QObject::tr("Nuovo dipendente..."), "azioneNuovoDipendente", finestra, [finestra] {
        apri<NuovoDipendente>(finestra);
    });
    voce(dipendenti, QObject::tr("Lista dipendenti..."), "azioneListaDipendenti", finestra, [finestra] {
        apri<ListaDipendenti>(finestra);
    });

    QMenu* elaborazione = menu(finestra, QObject::tr("Elaborazione stipendi"), "menuElaborazioneStipendi");
    voce(elaborazione, QObject::tr("Variabili mensili..."), "azioneVariabiliMensili", finestra, [finestra] {
        GestioneVariabili variabili(QString(), Orologio::oggi().year(), finestra);
        variabili.exec();
    });
    voce(elaborazione, QObject::tr("Chiusura mensile..."), "azioneChiusuraMensile", finestra, [finestra] {
        apri<ChiusuraMensile>(finestra);
    });

    QMenu* fineAnno = menu(finestra, QObject::tr("Chiusure di fine anno"), "menuChiusureFineAnno");
    voce(fineAnno, QObject::tr("Nuovo anno stipendi..."), "azioneNuovoAnnoStipendi", finestra, [finestra] {
        nuovoAnnoStipendi(finestra);
    });
    voce(fineAnno, QObject::tr("Chiusura esercizio / Blocco annuale..."), "azioneChiusuraEsercizio", finestra,
         [finestra] { apri<ChiusuraAnnualeDialog>(finestra); });
    voce(fineAnno, QObject::tr("Riepilogo Paghe..."), "azioneRiepilogoPaghe", finestra, [finestra] {
        apri<RiepilogoPaghe>(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta CSV contabilità..."), "azioneEsportaCsvContabilita", finestra, [finestra] {
        // The summary is filled and computed when it is built; it is never shown.
        RiepilogoPaghe riepilogo(finestra);
        riepilogo.esportaCsv();
    });
    voce(fineAnno, QObject::tr("Esporta RSS..."), "azioneEsportaRss", finestra, [finestra] {
        DocumentiAnnuali::esportaRss(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta RSS PDF..."), "azioneEsportaRssPdf", finestra, [finestra] {
        DocumentiAnnuali::esportaRssPdf(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta certificato di salario..."), "azioneEsportaCertificato", finestra, [finestra] {
        DocumentiAnnuali::esportaCertificati(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta certificato PDF..."), "azioneEsportaCertificatoPdf", finestra, [finestra] {
        DocumentiAnnuali::esportaCertificatiPdf(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta formulario assegni familiari (HTML)..."), "azioneEsportaFormularioAssegni",
         finestra, [finestra] { DocumentiAnnuali::esportaFormularioAssegni(finestra); });
    voce(fineAnno, QObject::tr("Esporta conteggio CAF (HTML)..."), "azioneEsportaConteggioCaf", finestra, [finestra] {
        DocumentiAnnuali::esportaConteggioCaf(finestra);
    });
    voce(fineAnno, QObject::tr("Gestione certificati..."), "azioneGestioneCertificati", finestra, [finestra] {
        GestioneCertificati::apriGestione(finestra);
    });
    voce(fineAnno, QObject::tr("Esporta XML ELM..."), "azioneEsportaXmlElm", finestra, [finestra, aziendaAvvio] {
        DocumentiAnnuali::esportaXmlElm(finestra, aziendaAvvio);
    });

    QMenu* valute = menu(finestra, QObject::tr("Valute"), "menuValute");
    voce(valute, QObject::tr("Gestione valute"), "azioneGestioneValute", finestra, [finestra] {
        apri<GestioneValute>(finestra);
    });

    QMenu* generi = menu(finestra, QObject::tr("Generi di salario"), "menuGeneriSalario");
    voce(generi, QObject::tr("Gestione generi..."), "azioneGestioneGeneri", finestra, [finestra] {
        apri<GestioneGeneri>(finestra);
    });

    QMenu* dati = menu(finestra, QObject::tr("Dati"), "menuDati");
    voce(dati, QObject::tr("Backup"), "azioneBackup", finestra, [finestra] { backupDaMenu(finestra); });
    voce(dati, QObject::tr("Parametri AVS/SUVA/LPP..."), "azioneParametri", finestra, [finestra] {
        if (!accessoParametri(finestra))
            return;
        DialogParametriCritici parametri(finestra, false);
        parametri.exec();
    });
    voce(dati, QObject::tr("Scegli cartella dati..."), "azioneScegliCartellaDati", finestra, [finestra] {
        scegliCartellaDati(finestra);
    });
    voce(dati, QObject::tr("Esporta dipendenti CSV..."), "azioneEsportaDipendentiCsv", finestra, [finestra] {
        CsvDipendenti::azioneEsporta(finestra);
    });
    voce(dati, QObject::tr("Importa dipendenti CSV..."), "azioneImportaDipendentiCsv", finestra, [finestra] {
        CsvDipendenti::azioneImporta(finestra);
    });

    if (amministratore) {
        QMenu* amministrazione = menu(finestra, QObject::tr("Amministrazione"), "menuAmministrazione");
        voce(amministrazione, QObject::tr("Gestione campi movimento..."), "azioneGestioneCampiMovimento", finestra,
             [finestra] {
                 if (LoginAdmin::accedi(finestra))
                     apri<GestioneCampiMovimento>(finestra);
             });
    }
}
