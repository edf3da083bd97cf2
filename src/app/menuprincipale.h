#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMainWindow;
class QWidget;

// The menu bar of the main window, built once at start-up after the role is
// read: the role decides whether the "Amministrazione" menu exists. Every
// entry opens one modal window (parent the main window) or runs one
// operation. An entry whose window the program does not have yet is shown
// disabled; its action object is named, so the window is wired in one place.
namespace MenuPrincipale {

void costruisci(QMainWindow* finestra, const QString& aziendaAvvio, const QString& lingua, bool amministratore);

// The per-employee entries: warns when the current company has no employee;
// else lets the user tick employees and calls `apri` for each chosen id in
// the chooser's order, the next after the previous returned.
void perDipendentiScelti(QWidget* finestra, const QString& istruzioni,
                         const std::function<void(const QString& id)>& apri);

// The gate of the contribution parameters: open without a role file or with
// the role "admin"; any other case warns and answers false.
bool accessoParametri(QWidget* finestra);

// The outcome of the start's backup, in the main window's status bar.
void mostraEsitoBackup(QMainWindow* finestra, int esito, const QString& errore,
                       const QStringList& collegamenti = {});

} // namespace MenuPrincipale
