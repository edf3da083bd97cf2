#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

class QMainWindow;
class QThread;

// Gives every item view alternating row colours when it is polished; never
// swallows an event.
class AltRowFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

// The start-up sequence: first run, style sheet, language, translators, bank
// profile, reference tables, company, main window, role, menus, the
// row-colour filter, the wheel filter, the shown window, the backup and the event loop. Each step is a function of its own,
// run in order by prepara(), so a test can walk through them.
class Avvio
{
public:
    // Creates the application object and runs the whole sequence; the exit
    // code.
    static int esegui(int argc, char** argv);

    Avvio();
    ~Avvio();
    Avvio(const Avvio&) = delete;
    Avvio& operator=(const Avvio&) = delete;

    // Everything after the application object: 0 when the language prompt
    // or the company chooser is cancelled, else the event loop's result.
    int avvia();

    // The steps up to the shown main window; false when the program ends
    // here (exit code 0).
    bool prepara();

    // The steps, in their order.
    static void primoAvvio();
    static void applicaStile();
    bool chiediLingua();
    void installaTraduttori();
    static void preparaBanche();
    static void caricaTabelle();
    bool scegliAzienda();
    void creaFinestraPrincipale();
    void leggiRuolo();
    void costruisciMenu();
    // The automatic backup, on the calling thread; a failure is one line in
    // the log.
    static void backupAutomatico();
    // The same after the main window is shown, off the window's thread; the
    // outcome goes into the status bar. The program waits for it at exit.
    void avviaBackup();
    // Waits until the backup started by avviaBackup is done.
    void attendiBackup();
    void mostraTuttiIMenu();
    static void installaFiltroRighe();

    QString lingua() const { return m_lingua; }
    QString aziendaAvvio() const { return m_aziendaAvvio; }
    bool amministratore() const { return m_amministratore; }
    QMainWindow* finestraPrincipale() const { return m_finestra.get(); }

    // The languages of the prompt and of the "Lingua" menu, in order.
    static QStringList nomiLingue();
    static QStringList codiciLingue();

    // The position preselected in the prompt: the stored code, else the
    // first two letters of the system locale's name; 0 for any other code.
    static int posizionePreselezionata(const QString& linguaSalvata, const QString& nomeLocaleSistema);

    // Where the default bank profiles come with the program: "data/banche"
    // next to it, else "../data/banche".
    static QString cartellaBanchePredefinite();

    // The main window's title: "Vardello - " and the name of the company.
    static QString titoloFinestra(const QString& nomeFileAzienda);

    // The application translator, alive for the whole run.
    static QTranslator& traduttore();

private:
    QString m_lingua;
    QString m_aziendaAvvio;
    bool m_amministratore = true;
    QTranslator m_traduttoreQt;
    std::unique_ptr<QMainWindow> m_finestra;
    std::unique_ptr<QThread> m_backup;
};
