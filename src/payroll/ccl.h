#pragma once

#include <QCoreApplication>
#include <QString>

// The outcome of a collective-agreement minimum check.
struct EsitoCCL
{
    bool trovato = false;     // the agreement and category are in the table
    bool sottoMinimo = false; // the salary is below the minimum
    double minimo = 0.0;      // francs per month (per hour for "_ora" categories)
    QString chiave;           // agreement + "/" + category, when found
    QString messaggio;        // the warning or the not-found note
    // Set (and in `messaggio`) when the table did not read cleanly, by file
    // and line: no minimum is checked.
    QString errore;
};

// The minimum wages of the collective labour agreements, from the table
// "ccl_minimi.ini" (the user's copy in ~/.vardello_dati, else the built-in
// one), read at every check. Advice only: nothing is refused.
class CCL
{
    Q_DECLARE_TR_FUNCTIONS(CCL)

public:
    static EsitoCCL verifica(const QString& ccl, const QString& categoria, double salario);
    static QString percorsoTabella();
};
