#pragma once

#include "dipendente.h"
#include "movimenti.h"
#include "storicopaghe.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

// Monthly family allowances for the children on the employee card, with the
// amounts of the canton from the allowance table (the user copy
// ~/.vardello_dati/assegni_familiari.ini when present, else the built-in one).
class AssegniFamiliari
{
    Q_DECLARE_TR_FUNCTIONS(AssegniFamiliari)

public:
    // One child's allowance: as the pay history keeps it with the month.
    using DettaglioFiglio = StoricoPaghe::AssegnoFiglio;

    struct Risultato
    {
        double totale = 0.0;
        int numFigli = 0;
        int numFormazione = 0;
        QList<DettaglioFiglio> dettagli;
        QString messaggio; // empty when the table was applied
        // Set (and in `messaggio`) when the table did not read cleanly, by
        // file and line: no allowance can be counted from it.
        QString errore;
    };

    // `data` is the reference date (the pay count passes the last day of the
    // month); the allowances are those of the month of that date.
    static Risultato calcola(const QString& cantone, const QList<Figlio>& figli, double redditoMensile,
                             const QDate& data);

    // The allowances of a result as one extra movement of kind "Assegno
    // familiare" dated `data`; an empty movement when the total is not above 0.
    static MovimentoStipendio generaMovimento(const Risultato& r, const QDate& data);
};
