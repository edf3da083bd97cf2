#include "menuprincipale.h"

#include "nuovodipendente.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

void MenuPrincipale::costruisci(QMainWindow* finestra, const QString& aziendaAvvio, const QString& lingua,
                                bool amministratore)
{
    // The menus and their actions are added here.
    Q_UNUSED(aziendaAvvio);
    Q_UNUSED(lingua);
    Q_UNUSED(amministratore);

    QMenu* dipendenti = finestra->menuBar()->addMenu(QObject::tr("Dipendenti"));
    dipendenti->setObjectName(QStringLiteral("menuDipendenti"));
    QAction* nuovoDipendente = dipendenti->addAction(QObject::tr("Nuovo dipendente..."));
    nuovoDipendente->setObjectName(QStringLiteral("azioneNuovoDipendente"));
    QObject::connect(nuovoDipendente, &QAction::triggered, finestra, [finestra] {
        NuovoDipendente f(finestra);
        f.exec();
    });
}
