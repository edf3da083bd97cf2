#pragma once

#include <QString>

#include <functional>

class QLabel;
class QWidget;

// The help row's link of the administration and maintenance windows: a grey,
// underlined link whose target and text are the manual section code.
namespace LinkAiuto {

// The label with the link; activating it opens the manual at `codice`
// (no parent window).
QLabel* crea(const QString& codice, QWidget* parent);

// Opens the manual section through the installed viewer.
void apri(const QString& codice);

// The manual viewer that apri() calls; start-up installs it, tests record
// with it. An empty function: activating a link does nothing.
void impostaVisore(std::function<void(const QString& codice)> visore);

} // namespace LinkAiuto
