#pragma once

#include <QString>

class QDialog;
class QWidget;

// One window per record: a window that edits a record file registers itself
// under that file while it is open, and a request to open a window of the
// same class on the same file goes to the open one instead of opening a
// second, which would write back what the first one read.
namespace FinestreAperte {

// `finestra` (of its own class) edits the file `percorso` from now until it
// closes or is destroyed.
void registra(QWidget* finestra, const QString& percorso);

// The open window of class `classe` (the class name) on `percorso`, or null.
QWidget* aperta(const char* classe, const QString& percorso);

// When a window of class `classe` is open on `percorso`, the user is taken
// to it from `da` and true is returned: when it opened `da` (the windows are
// modal), `da` closes as its close box would close it, asking about unsaved
// edits; otherwise it is raised. False when none is open.
bool mostra(const char* classe, const QString& percorso, QDialog* da);

}
