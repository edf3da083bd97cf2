#pragma once

#include <QString>

class QMainWindow;

// The menu bar of the main window, built once at start-up after the role is
// read: the role decides whether the "Amministrazione" menu exists.
namespace MenuPrincipale {

void costruisci(QMainWindow* finestra, const QString& aziendaAvvio, const QString& lingua, bool amministratore);

} // namespace MenuPrincipale
