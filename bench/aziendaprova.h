#pragma once

// The generated company the benches share: "Banco Prova SA" in Ticino, made
// current, and its employees' ids and plain cards.

#include "azienda.h"
#include "config.h"
#include "dipendente.h"

#include <QString>

namespace AziendaProva {

inline QString id(int i)
{
    return QStringLiteral("Dipendente_%1.txt").arg(i, 4, 10, QLatin1Char('0'));
}

// Saves the company with the accident premiums given (per mille) and makes
// it the current one; false when it could not be saved.
inline bool crea(double premioUomo = 0.0, double premioDonna = 0.0)
{
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Banco Prova SA");
    a.cantone = QStringLiteral("TI");
    if (premioUomo > 0)
        a.lainfINPuomoPerMille = premioUomo;
    if (premioDonna > 0)
        a.lainfINPdonnaPerMille = premioDonna;
    if (!Azienda::salva(a, QStringLiteral("BancoProva.txt")))
        return false;
    Config::setAziendaCorrente(QStringLiteral("BancoProva.txt"));
    return true;
}

// Employee i: in Ticino since 2020, 3,000 + i a month with a thirteenth.
inline DatiDipendente dipendente(int i)
{
    DatiDipendente d;
    d.nome = QStringLiteral("Nome%1").arg(i);
    d.cognome = QStringLiteral("Cognome%1").arg(i);
    d.cantone = QStringLiteral("TI");
    d.periodi.append({QStringLiteral("01/01/2020"), QString()});
    d.mensilitaAggiuntive = 1;
    d.salarioMensile = 3000 + i;
    return d;
}

} // namespace AziendaProva
