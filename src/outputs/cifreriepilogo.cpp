#include "cifreriepilogo.h"

#include "decimali.h"
#include "dipendente.h"
#include "documentichiusura.h"
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

namespace {

// The row of a saved month: its amounts as the closing saved them (the
// employer pays the same pension as the employee), then `stato`.
QString rigaSalvata(const QString& periodo, const QString& id, const QString& cantone,
                    const StoricoPaghe::PagaMese& p, const QString& stato)
{
    const StoricoPaghe::ContributiDatore dip = PagheAnno::contributiDipendente(p);
    const StoricoPaghe::ContributiDatore dat = PagheAnno::contributiDatore(p);
    QStringList campi = {periodo, id, cantone};
    for (double v : {p.lordoImponibile, dip.avs, dat.avs, dip.ad, dat.ad, dip.caf, dat.caf, dip.lainf, dat.lainf,
                     p.lppDipendente, p.lppDipendente, p.impostaTrattenuta, p.netto, p.assegniFamiliari})
        campi << dueDecimali(v);
    campi << stato;
    return riga(campi);
}

// Why an employee has no row of amounts: no amount is made up for a month
// that was not saved.
QString statoSenzaMese(const QString& errore, bool scheda, const DatiDipendente& d, int anno, int mese)
{
    if (!errore.isEmpty())
        return QStringLiteral("storico paghe illeggibile: ") + errore;
    if (!scheda)
        return QStringLiteral("scheda illeggibile");
    if (!PagheAnno::inServizio(d, anno, mese))
        return QStringLiteral("fuori periodo di rapporto");
    return QStringLiteral("mese non salvato");
}

} // namespace

QByteArray CifreRiepilogo::testoCsv(const QStringList& ids, int anno, int mese)
{
    const QString periodo = QStringLiteral("%1-%2").arg(anno).arg(mese, 2, 10, QLatin1Char('0'));
    QString pagati;
    QString rifiutati;
    QString senzaMese;
    for (const QString& id : ids) {
        DatiDipendente d;
        const bool scheda = Dipendente::carica(id, d);
        const QString cantone = PagheAnno::cantone(d);
        StoricoPaghe::PagaMese p;
        QString errore;
        if (!PagheAnno::meseSalvato(id, anno, mese, &p, &errore)) {
            QStringList campi = {periodo, id, cantone};
            for (int i = 0; i < kImporti; ++i)
                campi << QString();
            campi << statoSenzaMese(errore, scheda, d, anno, mese);
            senzaMese += riga(campi);
            continue;
        }
        // A month the last closing could not count again is no current pay:
        // its amounts stay, marked with the reason. The pay history is not
        // read again: it read cleanly.
        const QString motivo = DocumentiChiusura::motivoEscluso(id, anno, mese, errore);
        if (motivo.isEmpty())
            pagati += rigaSalvata(periodo, id, cantone, p, QStringLiteral("pagato"));
        else
            rifiutati += rigaSalvata(periodo, id, cantone, p, QStringLiteral("rifiutato dall'ultima chiusura: ") + motivo);
    }
    return (intestazioneCsv() + QLatin1Char('\n') + pagati + rifiutati + senzaMese).toUtf8();
}

QStringList CifreRiepilogo::mesiRifiutati(const QStringList& ids, int anno, int mese)
{
    QStringList righe;
    for (const QString& id : ids) {
        StoricoPaghe::PagaMese p;
        QString errore;
        if (!PagheAnno::meseSalvato(id, anno, mese, &p, &errore))
            continue;
        const QString motivo = DocumentiChiusura::motivoEscluso(id, anno, mese, errore);
        if (motivo.isEmpty())
            continue;
        DatiDipendente d;
        Dipendente::carica(id, d); // an unreadable record is named by its id
        righe << PagheAnno::nome(id, d).simplified() + QStringLiteral(": ") + motivo;
    }
    return righe;
}
