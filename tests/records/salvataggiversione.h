#pragma once

#include <QString>

// The content the crash test saves: every record kind built from one number
// k, so a file read back tells which save it holds, and whether it holds
// one save whole.
namespace VersioneSalvataggi {

constexpr int kAnno = 2030;
// Each round of saves starts at a multiple of this, far above what the
// round before can have reached.
constexpr int kPasso = 2000;
extern const char* const kId;
extern const char* const kAzienda;

// Saves employee, company, pay month, variables and parameters of version k.
bool salvaTutti(int k);

// Reads the five files back; the version each holds, or -1 when a file does
// not load cleanly or mixes versions (then `errore` says which).
int versioneDipendente(QString* errore);
int versioneAzienda(QString* errore);
int versionePaghe(QString* errore);
int versioneVariabili(QString* errore);
int versioneParametri(QString* errore);

} // namespace VersioneSalvataggi
