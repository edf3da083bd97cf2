#pragma once

#include <functional>

class QWidget;

// The one question every window that edits data asks when it is closed with
// unsaved edits, whatever closes it (its "Chiudi" button, the close box, Esc):
// "Salva" / "Non salvare" / "Annulla". A window overrides QDialog::reject()
// and closes only when this answers true.
namespace ModificheNonSalvate {

// True when the window may close: nothing is unsaved, the user chose
// "Non salvare", or chose "Salva" and the save succeeded. "Annulla" (and a
// failed save) answers false: the window stays open with its edits.
bool puoChiudere(QWidget* finestra, bool modificato, const std::function<bool()>& salva);

// The same question before the window replaces what it shows (another
// month, year or employee) or opens a window that may write the same file:
// true when the window may go on.
bool puoCambiare(QWidget* finestra, bool modificato, const std::function<bool()>& salva);

}
