#include "rss.h"

#include "calcolopaga.h"
#include "certificatoannuo.h"
#include "decimali.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "pagheanno.h"

#include <QDate>

RSS::Rendiconto RSS::genera(const QString& id, double salarioRiserva, int etaRiserva,
                            const QString& cantoneRiserva, const QString& tariffa, int anno)
{
    Q_UNUSED(cantoneRiserva)
    Q_UNUSED(tariffa)
    Rendiconto r;
    r.idFile = id;
    r.anno = anno;
    DatiDipendente d;
    PagheAnno::Somme s;
    if (Dipendente::carica(id, d)) {
        r.nome = d.nome + QLatin1Char(' ') + d.cognome;
        // The salary and the age asked for a record without them stand in
        // for them in the estimate: the age as a birth date in the year that
        // gives it (the pay count reads the age by the year of birth). The
        // canton and tariff are the record's, as the pay count takes them.
        if (d.tipoPaga != 1 && !(d.salarioMensile > 0) && salarioRiserva > 0)
            d.salarioMensile = salarioRiserva;
        if (CalcoloPaga::etaDaDataNascita(d.dataNascita, anno) < 1 && etaRiserva > 0)
            d.dataNascita = QDate(anno - etaRiserva, 1, 1).toString(QStringLiteral("dd/MM/yyyy"));
        s = PagheAnno::cifre(id, d, anno);
    } else {
        r.nome = id;
        s = PagheAnno::cifre(id, anno);
    }
    r.stima = s.stima();
    if (!s.conCifre()) {
        r.esclusione = PagheAnno::rigaEsclusione(PagheAnno::nome(id, d), s, anno);
        return r;
    }
    r.lordoAnnuo = s.lordo;
    r.contributiDipendente = s.contributiDip;
    r.contributiDatore = s.contributiDat;
    r.lppAnnuo = s.lpp;
    r.impostaFonte = s.imposta;
    r.nettoAnnuo = s.netto;
    r.rifiuti = PagheAnno::rigaRifiuti(PagheAnno::nome(id, d), s);
    return r;
}

QString RSS::formattaTesto(const Rendiconto& r)
{
    auto importo = [](double v) { return Decimali::testo(v); };
    QString t = tr("=== RENDICONTO SALARI %1 ===").arg(r.anno) + QLatin1Char('\n');
    t += tr("Dipendente: ") + r.nome + QLatin1Char('\n');
    t += tr("ID file:    ") + r.idFile + QStringLiteral("\n\n");
    if (!r.esclusione.isEmpty())
        return t + r.esclusione + QLatin1Char('\n');
    t += tr("Lordo annuo:         %1 CHF").arg(importo(r.lordoAnnuo)) + QLatin1Char('\n');
    t += tr("Contributi dip.:     %1 CHF").arg(importo(r.contributiDipendente)) + QLatin1Char('\n');
    t += tr("Contributi datore:   %1 CHF").arg(importo(r.contributiDatore)) + QLatin1Char('\n');
    t += tr("LPP annuo:           %1 CHF").arg(importo(r.lppAnnuo)) + QLatin1Char('\n');
    t += tr("Imposta alla fonte:  %1 CHF").arg(importo(r.impostaFonte)) + QLatin1Char('\n');
    t += tr("Netto annuo:         %1 CHF").arg(importo(r.nettoAnnuo)) + QLatin1Char('\n');
    if (r.stima)
        t += CertificatoAnnuo::rigaStima() + QLatin1Char('\n');
    if (!r.rifiuti.isEmpty())
        t += r.rifiuti + QLatin1Char('\n');
    return t;
}

bool RSS::salvaSuFile(const Rendiconto& r, const QString& percorso)
{
    return FileSicuri::scrivi(percorso, formattaTesto(r).toUtf8());
}
