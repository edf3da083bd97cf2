#pragma once

#include "azienda.h"
#include "dipendente.h"

#include <QList>
#include <QPair>
#include <QString>

// First run: the folder tree of the default data folder at every start and,
// once, a demonstration company with seven employees, so that a new user can
// try the monthly closing and the yearly documents at once.
class Inizializzazione
{
public:
    static void esegui();

    // The default data folder ~/.vardello_dati and the first-run marker.
    static QString cartellaBase();
    static QString percorsoMarcatore();

    // The sub-folders made at every start, in order.
    static QStringList sottocartelle();

    // The demonstration company and its file name.
    static DatiAzienda aziendaDimostrativa();
    static QString fileAziendaDimostrativa();

    // The demonstration employees with their ids, in order.
    static QList<QPair<QString, DatiDipendente>> dipendentiDimostrativi();
};
