#include "modifichenonsalvate.h"

#include "messaggi.h"

#include <QCoreApplication>

namespace ModificheNonSalvate {

bool puoChiudere(QWidget* finestra, bool modificato, const std::function<bool()>& salva)
{
    if (!modificato)
        return true;
    const auto tr = [](const char* testo) { return QCoreApplication::translate("ModificheNonSalvate", testo); };
    const QMessageBox::StandardButton scelta = Messaggi::scelta(
        finestra, tr("Chiudere?"), tr("Ci sono modifiche non salvate.\nSalvare prima di chiudere?"),
        {{QMessageBox::Save, tr("Salva")},
         {QMessageBox::Discard, tr("Non salvare")},
         {QMessageBox::Cancel, tr("Annulla")}});
    if (scelta == QMessageBox::Discard)
        return true;
    if (scelta == QMessageBox::Save)
        return salva && salva();
    return false;
}

}
