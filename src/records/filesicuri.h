#pragma once

#include <QByteArray>
#include <QString>

// Safe file handling shared by every store.
namespace FileSicuri {

// Writes the whole file through QSaveFile: either the new content is
// committed completely or the old file stays as it was. Creates the parent
// folder when missing. False when anything failed.
bool scrivi(const QString& percorso, const QByteArray& contenuto);

// Appends to a file (logs); false when it cannot be opened or written.
bool aggiungi(const QString& percorso, const QByteArray& contenuto);

// Whether a relative name (id, file name) stays inside its folder: not empty,
// not "." or "..", without "/" or "\" and without a NUL.
bool nomeSicuro(const QString& nome);

// Reads a whole file; false when it cannot be opened. At most `limite` bytes
// are read, so a huge or foreign file cannot exhaust memory.
bool leggi(const QString& percorso, QByteArray* contenuto, qint64 limite = 64 * 1024 * 1024);

// Makes a text safe for one key=value line: every line break (CR, LF and the
// Unicode line and paragraph separators) becomes a blank.
QString unaRiga(const QString& testo);

} // namespace FileSicuri
