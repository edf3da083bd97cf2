#include "menuprincipale.h"

#include <QMainWindow>

void MenuPrincipale::costruisci(QMainWindow* finestra, const QString& aziendaAvvio, const QString& lingua,
                                bool amministratore)
{
    // The menus and their actions are added here.
    Q_UNUSED(finestra);
    Q_UNUSED(aziendaAvvio);
    Q_UNUSED(lingua);
    Q_UNUSED(amministratore);
}
