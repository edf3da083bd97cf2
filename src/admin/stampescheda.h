#pragma once

#include "fogliopaga.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// The printouts of the employee card: the pay slip of a saved monthly pay
// count, and the monthly variables of a year: the monthly sheet alone, or
// as the yearly summary followed by a page with the year's totals of the
// saved pay counts. Each shows the print preview;
// nothing is written but what the user saves from it.
class StampeScheda
{
    Q_DECLARE_TR_FUNCTIONS(SchedaDipendente)

public:
    // "Stampa foglio paga": asks for a saved pay count, then previews its slip.
    static void stampaFoglioPaga(QWidget* scheda, const QString& id);
    // "Stampa variabili mese" (`riepilogo` false) and "Riepilogo annuale".
    static void stampaVariabili(QWidget* scheda, const QString& id, bool riepilogo);

    // The slip of month `mese` of year `anno` as saved in the pay history,
    // with the employee, company and holiday data of today.
    static FoglioPaga foglioPaga(const QString& id, int anno, int mese);
    // The same from the saved month `paga` already read.
    static FoglioPaga foglioPaga(const QString& id, int anno, int mese, const StoricoPaghe::PagaMese& paga);

    // The file names the previews propose.
    static QString nomeFilePaga(const QString& id, int anno, int mese);
    static QString nomeFileVariabili(const QString& id, int anno, bool riepilogo);

    // The slip's month heading: the month's name in the user's language, a
    // blank, the year.
    static QString intestazioneMese(int mese, int anno);
    // "Lugano, " and today's date in the user's language ("3 marzo 2026").
    static QString luogoData();
};
