#pragma once

#include "movimenti.h"

#include <QList>
#include <QString>

// Social contributions on an amount, employee and employer parts.
struct ContributiSociali
{
    double avsDip = 0.0;
    double avsDat = 0.0;
    double adDip = 0.0;
    double adDat = 0.0;
    double totaleDip = 0.0;
    double totaleDat = 0.0;
    double cafDip = 0.0;
    double cafDat = 0.0;
    double lainfDip = 0.0;
    double lainfDat = 0.0;
};

// An annual summary of pay, contributions, pension, tax and net.
struct RiepilogoAnnuo
{
    double lordo = 0.0;
    double contributiDip = 0.0;
    double contributiDat = 0.0;
    double lpp = 0.0;
    double netto = 0.0;
    double imposta = 0.0;
    double lordoMovimenti = 0.0;
    double contributiMovimenti = 0.0;
};

// Formulas over the contribution parameters of the loaded year. Nothing here
// rounds.
class CalcoloPaga
{
public:
    // Contributions on one month's pay: the annual ceilings of unemployment
    // and accident insurance count one twelfth.
    static ContributiSociali calcolaAVSAD(double importo);

    // The employee's annual occupational-pension contribution: half of the
    // savings credit on the coordinated salary.
    static double calcolaLPP(double salarioAnnuo, int eta);

    static double calcolaNetto(double mensile, int eta);
    static RiepilogoAnnuo riepilogoAnnuo(double mensile, int eta);
    static RiepilogoAnnuo riepilogoAnnuoConImposta(double mensile, int eta, const QString& cantone,
                                                   const QString& tariffa);
    static RiepilogoAnnuo riepilogoAnnuoConImpostaEMensilita(double mensile, int eta, const QString& cantone,
                                                             const QString& tariffa, int mensilita);
    static RiepilogoAnnuo riepilogoAnnuoConMovimenti(double mensile, int eta, const QString& cantone,
                                                     const QString& tariffa, int mensilita,
                                                     const QList<MovimentoStipendio>& movimenti, int mesi);

    // Age reached on 31 December of `anno` from a "dd/MM/yyyy" birth date;
    // -1 for an empty or invalid date.
    static int etaDaDataNascita(const QString& dataNascita, int anno);
};
