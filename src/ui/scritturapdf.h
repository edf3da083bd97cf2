#pragma once

#include <QString>

#include <functional>

class QPrinter;

// Writes a PDF file from a drawing on a high-resolution PDF printer. The
// drawing goes first into a temporary file; only a non-empty PDF is then
// written whole to `percorso` (through a save file), so a failed drawing or
// write never leaves a half file and is always reported.
namespace ScritturaPdf {

// `stampa` sets up the page of the printer it gets and draws on it. False
// when `percorso` is empty, its folder does not exist, nothing was drawn or
// the file could not be written.
bool scrivi(const QString& percorso, const std::function<void(QPrinter&)>& stampa);

} // namespace ScritturaPdf
