#pragma once

#include <QString>

#include <functional>

class QHBoxLayout;
class QLabel;
class QWidget;

// The help row's link of the administration and maintenance windows: a grey,
// underlined link whose target and text are the manual section code.
namespace LinkAiuto {

// The label with the link; activating it opens the manual at `codice`; a
// message about the manual opens over the label's window.
QLabel* crea(const QString& codice, QWidget* parent);

// The help row that ends a window: a stretch, then the link.
QHBoxLayout* riga(const QString& codice, QWidget* parent);

// Opens the manual section through the installed viewer; `finestra` (may be
// null) is the window its messages open over.
void apri(const QString& codice, QWidget* finestra = nullptr);

// Replaces the manual viewer that apri() calls (tests record with it); an
// empty function restores the manual viewer.
void impostaVisore(std::function<void(const QString& codice)> visore);

} // namespace LinkAiuto
