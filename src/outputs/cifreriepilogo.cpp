#include "cifreriepilogo.h"

#include "decimali.h"
#include "dipendente.h"
#include "pagheanno.h"
#include "storicopaghe.h"

namespace {

QString dueDecimali(double v)
{
    return Decimali::testo(v);
}

const int kImporti = 14; // lordo_mensile .. assegni_familiari

QString riga(const QStringList& campi)
{
    QStringList escapati;
    for (const QString& c : campi)
        escapati << CifreRiepilogo::campoCsv(c);
    return escapati.join(QLatin1Char(';')) + QLatin1Char('\n');
}

} // namespace

int CifreRiepilogo::annoPredefinito(const QDate& oggi)
{
    return oggi.month() <= 3 ? oggi.year() - 1 : oggi.year();
}

QString CifreRiepilogo::intestazioneCsv()
{
    return QStringLiteral("periodo;dipendente;cantone;lordo_mensile;avs_dip;avs_dat;ad_dip;ad_dat;caf_dip;caf_dat;"
                          "lainf_dip;lainf_dat;lpp_dip;lpp_dat;imposta_fonte;netto_mensile;assegni_familiari;stato");
}

QString CifreRiepilogo::campoCsv(const QString& testo)
{
    const bool speciale = testo.contains(QLatin1Char(';')) || testo.contains(QLatin1Char('"'))
        || testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'));
    if (!speciale)
        return testo;
    QString dentro = testo;
    dentro.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + dentro + QLatin1Char('"');
}

QByteArray CifreRiepilogo::testoCsv(const QStringList& ids, int anno, int mese)
{
    const QString periodo = QStringLiteral("%1-%2").arg(anno).arg(mese, 2, 10, QLatin1Char('0'));
    QString pagati;
    QString senzaMese;
    for (const QString& id : ids) {
        DatiDipendente d;
        const bool scheda = Dipendente::carica(id, d);
        const QString cantone = PagheAnno::cantone(d);
        StoricoPaghe::PagaMese p;
        QString errore;
        if (PagheAnno::meseSalvato(id, anno, mese, &p, &errore)) {
            // The amounts of the month as the closing saved them; the
            // employer pays the same pension as the employee.
            const StoricoPaghe::ContributiDatore dip = PagheAnno::contributiDipendente(p);
            const StoricoPaghe::ContributiDatore dat = PagheAnno::contributiDatore(p);
            QStringList campi = {periodo, id, cantone};
            for (double v : {p.lordoImponibile, dip.avs, dat.avs, dip.ad, dat.ad, dip.caf, dat.caf, dip.lainf,
                             dat.lainf, p.lppDipendente, p.lppDipendente, p.impostaTrattenuta, p.netto,
                             p.assegniFamiliari})
                campi << dueDecimali(v);
            campi << QStringLiteral("pagato");
            pagati += riga(campi);
            continue;
        }
        // No amount is made up for a month that was not saved.
        QString stato = QStringLiteral("mese non salvato");
        if (!errore.isEmpty())
            stato = QStringLiteral("storico paghe illeggibile: ") + errore;
        else if (!scheda)
            stato = QStringLiteral("scheda illeggibile");
        else if (!PagheAnno::inServizio(d, anno, mese))
            stato = QStringLiteral("fuori periodo di rapporto");
        QStringList campi = {periodo, id, cantone};
        for (int i = 0; i < kImporti; ++i)
            campi << QString();
        campi << stato;
        senzaMese += riga(campi);
    }
    return (intestazioneCsv() + QLatin1Char('\n') + pagati + senzaMese).toUtf8();
}
