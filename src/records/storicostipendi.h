#pragma once

#include "movimenti.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// A movement inside a salary period: the fields of an extra movement.
using MovimentoPeriodo = MovimentoStipendio;

// The employee data a salary period was computed with.
struct SnapshotDipendente
{
    int eta = 0;
    QString cantone;
    QString tabellaIF;
    int figli = 0;
    QString statoCivile;
    QString sesso;
};

// The contribution parameters a salary period was computed with.
struct ParametriPeriodo
{
    double avsDip = 0, avsDat = 0;
    double adDip = 0, adDat = 0;
    double cafDip = 0, cafDat = 0;
    double lainfDip = 0, lainfDat = 0;
    double igm = 0;
    double lppAliquota = 0;
    double massimaleAD = 0, massimaleLAINF = 0;
    double lppSoglia = 0, lppDeduzione = 0, lppMax = 0;
};

// The monthly results computed for a salary period, francs.
struct RisultatiPeriodo
{
    double lordo = 0, avs = 0, ad = 0, caf = 0, lainf = 0, igm = 0, lpp = 0, imposta = 0;
    double totaleContributiDip = 0, totaleContributiDat = 0, netto = 0;
};

// One period of an employee's salary history.
struct PeriodoStipendio
{
    QString dataInizio; // "dd/MM/yyyy"
    QString dataFine;   // "dd/MM/yyyy"
    QString note;
    int tipoPaga = 0;
    double salarioMensile = 0;
    double pagaOraria = 0;
    double oreMensili = 0;
    int mensilita = 12;
    SnapshotDipendente dip;
    ParametriPeriodo par;
    QList<MovimentoPeriodo> movimenti;
    RisultatiPeriodo ris;
};

// The salary-history file of each employee: <data>/stipendi/<base name>.txt,
// UTF-8 lines "periodo<N>.<key>=<value>".
class StoricoStipendi
{
    Q_DECLARE_TR_FUNCTIONS(StoricoStipendi)

public:
    // Empty when the id leaves no usable file name.
    static QString percorsoFile(const QString& id);

    // False when there is no file or it cannot be read. `errore` (may be
    // null) names the file and every line that could not be read: a file
    // too large, a line that is no "periodo<N>.<field>=" of a known field (a
    // damaged key would make a period of its own), a repeated key, a NUL, a
    // number or flag that is not valid (it then reads as 0), a period without
    // its start, movements of a period that is not there; the periods are
    // loaded as far as they read, and salva never writes over such a file.
    static bool carica(const QString& id, QVector<PeriodoStipendio>& v, QString* errore = nullptr);

    // Rewrites the whole file. Refused, with the reason in `errore`, when a
    // number is not finite or the file on disk did not read cleanly (so
    // nothing it holds is lost); false when the file cannot be written.
    static bool salva(const QString& id, const QVector<PeriodoStipendio>& v, QString* errore = nullptr);
    static void aggiornaMensilita(QVector<PeriodoStipendio>& v, int mensilita);
    static bool nuovoAnnoPerTutti(int vecchio, int nuovo);
    static bool creaPeriodoIniziale(const QString& id, const QString& dataInizio, double salarioMensile,
                                    int mensilita);

    // The salary period in force in a month: of the periods that touch a day
    // of the month, the one that starts last, so a raise from the 15th pays
    // the new salary for that month. Null when no period touches the month
    // (or a period's start cannot be read).
    static const PeriodoStipendio* periodoDelMese(const QVector<PeriodoStipendio>& v, int anno, int mese);

    static QByteArray serializza(const QVector<PeriodoStipendio>& v);
    // `problemi` (may be null) receives one text per line that could not be
    // read ("riga N: ..."), naming the key where there is one.
    static QVector<PeriodoStipendio> deserializza(const QByteArray& contenuto, QStringList* problemi = nullptr);
};
