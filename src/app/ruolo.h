#pragma once

#include <QString>

// The user's role, from the role file utente.txt in the default data folder
// (placed there from outside; the program never writes it). Without the
// file the user holds every right.
struct Ruolo
{
    bool fileLetto = false; // the role file could be opened
    QString ruolo;          // trimmed, lower case; empty without a "ruolo=" line

    // The "Amministrazione" menu exists: no file, no role, or "admin".
    bool amministratore() const;

    // The contribution parameters open: no file, or the role "admin".
    bool accessoParametri() const;

    // Reads the role file ~/.vardello_dati/utente.txt, or the given file.
    static Ruolo leggi();
    static Ruolo leggiDa(const QString& percorso);
    static QString percorsoFile();
};
