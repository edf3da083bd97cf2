#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Safe file handling shared by every store.
namespace FileSicuri {

// Writes the whole file through QSaveFile: either the new content is
// committed completely or the old file stays as it was. Creates the parent
// folder when missing. False when anything failed.
bool scrivi(const QString& percorso, const QByteArray& contenuto);

// Appends to a file (logs); false when it cannot be opened or written. A
// file that ends mid-line (its last append was cut) first gets a line end,
// so what is appended starts on a line of its own; a file that ends with a
// line end, is empty or missing gets none.
bool aggiungi(const QString& percorso, const QByteArray& contenuto);

// Whether a relative name (id, file name) stays inside its folder: not empty,
// not "." or "..", without "/" or "\" and without a NUL.
bool nomeSicuro(const QString& nome);

// The largest record file a reader accepts: a real employee, company, pay
// history, variables or parameters file holds a few kilobytes.
constexpr qint64 kLimiteRecord = 4 * 1024 * 1024;

// How reading a whole file went.
enum class Esito { Letto, Mancante, TroppoGrande, Illeggibile };

// Reads a whole file of at most `limite` bytes. A larger file is refused
// whole (never cut): `contenuto` stays empty and the result says why.
Esito leggiFile(const QString& percorso, QByteArray* contenuto, qint64 limite = kLimiteRecord);

// Reads a whole file; false when it cannot be opened or is larger than
// `limite` (then nothing is read).
bool leggi(const QString& percorso, QByteArray* contenuto, qint64 limite = kLimiteRecord);

// The message for a file that could not be read (empty for Letto).
QString messaggio(Esito esito, const QString& percorso, qint64 limite = kLimiteRecord);

// The bytes of a file as text, UTF-8, every byte of it: a NUL is kept as a
// character and never ends the text.
QString testo(const QByteArray& contenuto);

// A number read from a file: finite, within [minimo, massimo] and written as
// a plain number (dot as decimal separator). False otherwise (value
// untouched).
bool numero(const QString& testo, double minimo, double massimo, double* valore);
bool intero(const QString& testo, int minimo, int massimo, int* valore);

// The widest amount any field holds, in francs (also hours and days).
constexpr double kImportoMassimo = 1e9;

// Makes a text safe for one key=value line: every line break (CR, LF and the
// Unicode line and paragraph separators) becomes a blank.
QString unaRiga(const QString& testo);

} // namespace FileSicuri
