#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The employees of the current company as a CSV file (UTF-8, comma separated,
// a header line, 15 fields a row) and back. The import only creates new
// employees; it never changes an existing one.
namespace CsvDipendenti {

// Writes every readable employee through the safe write; false when the file
// could not be written (an existing file then stays as it was). `esclusi`
// (may be null) receives, for each employee left out, who he is and why.
bool esporta(const QString& percorso, QStringList* esclusi = nullptr);

// Creates one employee per accepted row; stores the numbers of employees
// created and of rows skipped (either pointer may be null). False when the
// file cannot be read, with the counters untouched. Names and values are
// trimmed; a row is skipped when a value is not valid for its field (dates,
// sex, AVS number, extra monthly salaries 0 to 2), when it holds a NUL or
// another control character, or when its person is already in the company
// (same AVS number, or without one same surname, first name and birth
// date). `motivi` (may be null) receives "riga N: why" for each skipped row.
bool importa(const QString& percorso, int* importati, int* saltati, QStringList* motivi = nullptr);

// The base of a new employee's file name: surname "_" first name, with
// blanks, "/", "\" and control characters turned into "_" and without
// leading dots, so the file stays inside the employees folder and is never
// hidden. Empty when the surname is empty.
QString nomeBase(const QString& cognome, const QString& nome);

// The menu entries: file dialog, operation, message (parent `finestra`).
void azioneEsporta(QWidget* finestra);
void azioneImporta(QWidget* finestra);

} // namespace CsvDipendenti
