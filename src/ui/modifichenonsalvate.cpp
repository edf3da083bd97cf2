#include "modifichenonsalvate.h"

#include "messaggi.h"

#include <QCoreApplication>

namespace ModificheNonSalvate {

static bool chiedi(QWidget* finestra, bool modificato, const std::function<bool()>& salva, const QString& titolo,
                   const QString& testo)
{
    if (!modificato)
        return true;
    const auto tr = [](const char* testo) { return QCoreApplication::translate("ModificheNonSalvate", testo); };
    const QMessageBox::StandardButton scelta = Messaggi::scelta(
        finestra, titolo, testo,
        {{QMessageBox::Save, tr("Salva")}, {QMessageBox::Discard, tr("Non salvare")}, {QMessageBox::Cancel, tr("Annulla")}});
    if (scelta == QMessageBox::Discard)
        return true;
    if (scelta == QMessageBox::Save)
        return salva && salva();
    return false;
}

bool puoChiudere(QWidget* finestra, bool modificato, const std::function<bool()>& salva)
{
    const auto tr = [](const char* testo) { return QCoreApplication::translate("ModificheNonSalvate", testo); };
    return chiedi(finestra, modificato, salva, tr("Chiudere?"),
                  tr("Ci sono modifiche non salvate.\nSalvare prima di chiudere?"));
}

bool puoCambiare(QWidget* finestra, bool modificato, const std::function<bool()>& salva)
{
    const auto tr = [](const char* testo) { return QCoreApplication::translate("ModificheNonSalvate", testo); };
    return chiedi(finestra, modificato, salva, tr("Modifiche non salvate"),
                  tr("Ci sono modifiche non salvate.\nSalvarle prima di continuare?"));
}

}
