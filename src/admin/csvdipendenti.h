#pragma once

#include <QString>

class QWidget;

// The employees of the current company as a CSV file (UTF-8, comma separated,
// a header line, 15 fields a row) and back. The import only creates new
// employees; it never changes an existing one.
namespace CsvDipendenti {

// Writes every readable employee through the safe write; false when the file
// could not be written (an existing file then stays as it was).
bool esporta(const QString& percorso);

// Creates one employee per accepted row; stores the numbers of employees
// created and of rows skipped (either pointer may be null). False when the
// file cannot be read, with the counters untouched.
bool importa(const QString& percorso, int* importati, int* saltati);

// The base of a new employee's file name: surname "_" first name, with
// blanks, "/", "\" and control characters turned into "_" and without
// leading dots, so the file stays inside the employees folder and is never
// hidden. Empty when the surname is empty.
QString nomeBase(const QString& cognome, const QString& nome);

// The menu entries: file dialog, operation, message (parent `finestra`).
void azioneEsporta(QWidget* finestra);
void azioneImporta(QWidget* finestra);

} // namespace CsvDipendenti
