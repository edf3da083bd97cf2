#pragma once

#include <QString>

class QWidget;

// The program's file and folder dialogs: always the toolkit's own dialog (the
// same on every platform, Cancel relabelled "Annulla"), starting in the given
// folder when it exists, else in the current company's export folder. Each
// returns the chosen path, or an empty text when the user cancels, chooses
// nothing or declines the warning about saving outside the export folder.
// The folder of every chosen path is remembered under
// "DialogoFile"/"ultimaCartella".
namespace DialogoFile {

// A file to write. `suggerito` is a folder or a full suggested file path;
// `filtro` a name filter such as "PDF (*.pdf)".
QString salva(QWidget* parent, const QString& titolo, const QString& suggerito, const QString& filtro);

// One existing file to read.
QString apri(QWidget* parent, const QString& titolo, const QString& cartellaIniziale, const QString& filtro);

// A folder.
QString cartella(QWidget* parent, const QString& titolo, const QString& cartellaIniziale);

} // namespace DialogoFile
