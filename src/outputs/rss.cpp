#include "rss.h"

#include "calcolopaga.h"
#include "certificatoannuo.h"
#include "datoteca.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "pagheanno.h"
#include "storicostipendi.h"

RSS::Rendiconto RSS::genera(const QString& id, double salarioRiserva, int etaRiserva,
                            const QString& cantoneRiserva, const QString& tariffa, int anno)
{
    Rendiconto r;
    r.idFile = id;
    r.anno = anno;
    DatiDipendente d;
    int n = 12;
    double salario = salarioRiserva;
    int eta = etaRiserva;
    QString cantone = cantoneRiserva;
    if (Dipendente::carica(id, d)) {
        r.nome = d.nome + QLatin1Char(' ') + d.cognome;
        n = 12 + d.mensilitaAggiuntive;
        if (d.salarioMensile > 0)
            salario = d.salarioMensile;
        const int e = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
        if (e >= 1)
            eta = e;
        if (!d.cantone.isEmpty())
            cantone = d.cantone;
    } else {
        r.nome = id;
    }

    const PagheAnno::Somme s = PagheAnno::somme(id, anno);
    if (s.mesi > 0) {
        r.lordoAnnuo = s.lordo;
        r.contributiDipendente = s.contributiDip;
        r.contributiDatore = s.contributiDat;
        r.lppAnnuo = s.lpp;
        r.impostaFonte = s.imposta;
        r.nettoAnnuo = s.netto;
        return r;
    }
    r.stima = true;
    QVector<PeriodoStipendio> periodi;
    StoricoStipendi::carica(id, periodi);
    if (!periodi.isEmpty()) {
        const RisultatiPeriodo& ris = periodi.last().ris;
        r.lordoAnnuo = 12 * ris.lordo;
        r.contributiDipendente = 12 * ris.totaleContributiDip;
        r.contributiDatore = 12 * ris.totaleContributiDat;
        r.lppAnnuo = 12 * ris.lpp;
        r.impostaFonte = 12 * ris.imposta;
        r.nettoAnnuo = 12 * ris.netto;
        return r;
    }
    Datoteca::carica(anno);
    const RiepilogoAnnuo a = CalcoloPaga::riepilogoAnnuoConMovimenti(
        salario, eta, cantone, tariffa, n, PagheAnno::movimentiAnno(id, anno), Dipendente::mesiLavorati(d, anno));
    r.lordoAnnuo = a.lordo;
    r.contributiDipendente = a.contributiDip;
    r.contributiDatore = a.contributiDat;
    r.lppAnnuo = a.lpp;
    r.impostaFonte = a.imposta;
    r.nettoAnnuo = a.netto;
    return r;
}

QString RSS::formattaTesto(const Rendiconto& r)
{
    auto importo = [](double v) { return QString::number(v, 'f', 2); };
    QString t = tr("=== RENDICONTO SALARI %1 ===").arg(r.anno) + QLatin1Char('\n');
    t += tr("Dipendente: ") + r.nome + QLatin1Char('\n');
    t += tr("ID file:    ") + r.idFile + QStringLiteral("\n\n");
    t += tr("Lordo annuo:         %1 CHF").arg(importo(r.lordoAnnuo)) + QLatin1Char('\n');
    t += tr("Contributi dip.:     %1 CHF").arg(importo(r.contributiDipendente)) + QLatin1Char('\n');
    t += tr("Contributi datore:   %1 CHF").arg(importo(r.contributiDatore)) + QLatin1Char('\n');
    t += tr("LPP annuo:           %1 CHF").arg(importo(r.lppAnnuo)) + QLatin1Char('\n');
    t += tr("Imposta alla fonte:  %1 CHF").arg(importo(r.impostaFonte)) + QLatin1Char('\n');
    t += tr("Netto annuo:         %1 CHF").arg(importo(r.nettoAnnuo)) + QLatin1Char('\n');
    if (r.stima)
        t += CertificatoAnnuo::rigaStima() + QLatin1Char('\n');
    return t;
}

bool RSS::salvaSuFile(const Rendiconto& r, const QString& percorso)
{
    return FileSicuri::scrivi(percorso, formattaTesto(r).toUtf8());
}
