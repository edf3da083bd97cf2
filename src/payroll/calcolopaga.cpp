#include "calcolopaga.h"

#include "datoteca.h"
#include "impostafonte.h"

#include <QDate>

namespace {

// Base of a capped contribution: the amount, or the ceiling when one is set
// and the amount exceeds it.
double baseConMassimale(double importo, double massimale)
{
    return massimale > 0 && importo > massimale ? massimale : importo;
}

// The savings credit of the age on the coordinated salary, of which the
// employee pays half and the employer at least the other half.
double accreditoLPP(double salarioAnnuo, int eta)
{
    const Datoteca::ParametriLPP l = Datoteca::lpp();
    if (l.sogliaEntrata > salarioAnnuo)
        return 0.0;
    const double minimo = l.coordinatoMinimo > 0 ? l.coordinatoMinimo : 3780.0;
    const double massimo = l.coordinatoMassimo > 0 ? l.coordinatoMassimo : 64260.0;
    double coordinato = salarioAnnuo - l.deduzioneCoordinamento;
    if (coordinato < minimo)
        coordinato = minimo;
    if (coordinato > massimo)
        coordinato = massimo;
    return Datoteca::aliquotaLPP(eta) * coordinato / 100.0;
}

} // namespace

ContributiSociali CalcoloPaga::calcolaAVSAD(double importo)
{
    ContributiSociali c;
    if (importo <= 0)
        return c;
    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));

    c.avsDip = importo * avs.aliquotaDipendente / 100.0;
    c.avsDat = importo * avs.aliquotaDatore / 100.0;

    // The ceilings are annual; the amount is one month's pay.
    const double baseAD = baseConMassimale(importo, ad.massimale / 12.0);
    c.adDip = baseAD * ad.aliquotaDipendente / 100.0;
    c.adDat = baseAD * ad.aliquotaDatore / 100.0;

    c.cafDip = importo * caf.aliquotaDipendente / 100.0;
    c.cafDat = importo * caf.aliquotaDatore / 100.0;

    const double baseLAINF = baseConMassimale(importo, lainf.massimale / 12.0);
    c.lainfDip = baseLAINF * lainf.aliquotaDipendente / 100.0;
    c.lainfDat = baseLAINF * lainf.aliquotaDatore / 100.0;

    c.totaleDip = c.avsDip + c.adDip + c.cafDip + c.lainfDip;
    c.totaleDat = c.avsDat + c.adDat + c.cafDat + c.lainfDat;
    return c;
}

double CalcoloPaga::calcolaLPP(double salarioAnnuo, int eta)
{
    return accreditoLPP(salarioAnnuo, eta) / 2.0;
}

double CalcoloPaga::calcolaNetto(double mensile, int eta)
{
    return mensile - calcolaAVSAD(mensile).totaleDip - calcolaLPP(12.0 * mensile, eta) / 12.0;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuo(double mensile, int eta)
{
    const ContributiSociali c = calcolaAVSAD(mensile);
    RiepilogoAnnuo r;
    r.lordo = 12.0 * mensile;
    r.contributiDip = 12.0 * c.totaleDip;
    r.contributiDat = 12.0 * c.totaleDat;
    r.lpp = calcolaLPP(12.0 * mensile, eta);
    r.netto = r.lordo - r.contributiDip - r.lpp;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConImposta(double mensile, int eta, const QString& cantone,
                                                     const QString& tariffa)
{
    RiepilogoAnnuo r = riepilogoAnnuo(mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(mensile, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConImpostaEMensilita(double mensile, int eta, const QString& cantone,
                                                               const QString& tariffa, int mensilita)
{
    const int n = qMax(mensilita, 12);
    const ContributiSociali c = calcolaAVSAD(mensile);
    RiepilogoAnnuo r;
    r.lordo = n * mensile;
    r.contributiDip = n * c.totaleDip;
    r.contributiDat = n * c.totaleDat;
    r.lpp = calcolaLPP(n * mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(r.lordo / 12.0, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    return r;
}

RiepilogoAnnuo CalcoloPaga::riepilogoAnnuoConMovimenti(double mensile, int eta, const QString& cantone,
                                                       const QString& tariffa, int mensilita,
                                                       const QList<MovimentoStipendio>& movimenti, int mesi)
{
    RiepilogoAnnuo r = riepilogoAnnuoConImpostaEMensilita(mensile, eta, cantone, tariffa, mensilita);
    const int n = qMax(mensilita, 12);

    const Datoteca::VoceContributo avs = Datoteca::contributo(QStringLiteral("AVS"));
    const Datoteca::VoceContributo ad = Datoteca::contributo(QStringLiteral("AD"));
    const Datoteca::VoceContributo caf = Datoteca::contributo(QStringLiteral("CAF"));
    const Datoteca::VoceContributo lainf = Datoteca::contributo(QStringLiteral("LAINF"));

    double dip = 0.0;
    double dat = 0.0;
    double baseLPP = 0.0;
    for (const MovimentoStipendio& m : movimenti) {
        const double v = m.importo;
        r.lordoMovimenti += v;
        if (v <= 0)
            continue;
        if (m.soggettoAVS) {
            dip += v * avs.aliquotaDipendente / 100.0;
            dat += v * avs.aliquotaDatore / 100.0;
        }
        if (m.soggettoAD) {
            // A single movement is compared with the annual ceiling.
            const double base = m.applicaMassimaleAD ? baseConMassimale(v, ad.massimale) : v;
            dip += base * ad.aliquotaDipendente / 100.0;
            dat += base * ad.aliquotaDatore / 100.0;
        }
        if (m.soggettoCAF) {
            dip += v * caf.aliquotaDipendente / 100.0;
            dat += v * caf.aliquotaDatore / 100.0;
        }
        if (m.soggettoLAINF) {
            const double base = m.applicaMassimaleLAINF ? baseConMassimale(v, lainf.massimale) : v;
            dip += base * lainf.aliquotaDipendente / 100.0;
            dat += base * lainf.aliquotaDatore / 100.0;
        }
        if (m.soggettoLPP)
            baseLPP += v;
    }
    r.lordo += r.lordoMovimenti;
    r.contributiMovimenti = dip;
    r.contributiDip += dip;
    r.contributiDat += dat;
    r.lpp = calcolaLPP(baseLPP + n * mensile, eta);
    r.imposta = 12.0 * ImpostaFonte::calcolaMensile(r.lordo / 12.0, cantone, tariffa);
    r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;

    if (mesi > 0 && mesi <= 11) {
        const double f = mesi / 12.0;
        r.lordo *= f;
        r.contributiDip *= f;
        r.contributiDat *= f;
        r.lpp *= f;
        r.imposta *= f;
        r.netto = r.lordo - r.contributiDip - r.lpp - r.imposta;
    }
    return r;
}

int CalcoloPaga::etaDaDataNascita(const QString& dataNascita, int anno)
{
    if (dataNascita.isEmpty())
        return -1;
    const QDate d = QDate::fromString(dataNascita, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        return -1;
    return anno - d.year();
}
