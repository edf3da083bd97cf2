#include "cifreriepilogo.h"

#include "calcolopaga.h"
#include "dipendente.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "storicopaghe.h"

#include <QFileInfo>
#include <QSet>

namespace {

const QString kCantonePredefinito = QStringLiteral("TI");
const QString kTariffa = QStringLiteral("A0");
const int kEtaPredefinita = 40;

QString dueDecimali(double v)
{
    return QString::number(v, 'f', 2);
}

// The age reached in `anno`; 40 when the birth date is missing or invalid.
int eta(const DatiDipendente& d, int anno)
{
    const int e = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    return e < 1 ? kEtaPredefinita : e;
}

} // namespace

int CifreRiepilogo::annoPredefinito(const QDate& oggi)
{
    return oggi.month() <= 3 ? oggi.year() - 1 : oggi.year();
}

bool CifreRiepilogo::sommaMesiSalvati(const QString& id, int anno, CifreAnno* cifre)
{
    *cifre = CifreAnno();
    // Reading must not leave an empty pay-history folder behind for every
    // employee listed.
    const QString cartella = StoricoPaghe::cartella(id);
    if (cartella.isEmpty() || !QFileInfo(cartella + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".ini")).isFile())
        return false;
    QList<StoricoPaghe::PagaMese> mesi;
    if (!StoricoPaghe::caricaAnno(id, anno, mesi))
        return false;
    QSet<int> visti;
    long double lordo = 0, contributi = 0, imposta = 0, netto = 0;
    for (const StoricoPaghe::PagaMese& p : qAsConst(mesi)) {
        // A second group of one month (a hand-edited file) is not the month
        // a new save replaces: the pay count never reads it either.
        if (p.mese < 1 || p.mese > 12 || visti.contains(p.mese))
            continue;
        visti.insert(p.mese);
        lordo += p.lordoImponibile;
        contributi += p.contributiDipendente;
        imposta += p.impostaTrattenuta;
        netto += p.netto;
    }
    if (visti.isEmpty())
        return false;
    cifre->lordo = static_cast<double>(lordo);
    cifre->contributi = static_cast<double>(contributi);
    cifre->imposta = static_cast<double>(imposta);
    cifre->netto = static_cast<double>(netto);
    return true;
}

CifreAnno CifreRiepilogo::daPeriodi(const QVector<PeriodoStipendio>& periodi, int anno, bool* coperto)
{
    CifreAnno c;
    *coperto = false;
    const QDate inizioAnno(anno, 1, 1);
    const QDate fineAnno(anno, 12, 31);
    const QString formato = QStringLiteral("dd/MM/yyyy");
    for (const PeriodoStipendio& p : periodi) {
        const QDate inizio = QDate::fromString(p.dataInizio, formato);
        const QDate fine = QDate::fromString(p.dataFine, formato);
        if (!inizio.isValid() || !fine.isValid())
            continue;
        const QDate da = qMax(inizio, inizioAnno);
        const QDate a = qMin(fine, fineAnno);
        if (da > a)
            continue;
        *coperto = true;
        const int mesi = (a.year() - da.year()) * 12 + (a.month() - da.month()) + 1;
        c.lordo += mesi * p.ris.lordo;
        c.contributi += mesi * p.ris.totaleContributiDip;
        c.imposta += mesi * p.ris.imposta;
        c.netto += mesi * p.ris.netto;
    }
    return c;
}

CifreAnno CifreRiepilogo::cifreAnno(const QString& id, double salario, int anno)
{
    CifreAnno c;
    if (!id.isEmpty() && sommaMesiSalvati(id, anno, &c))
        return c;

    bool coperto = false;
    if (!id.isEmpty()) {
        QVector<PeriodoStipendio> periodi;
        StoricoStipendi::carica(id, periodi);
        c = daPeriodi(periodi, anno, &coperto);
    }
    if (coperto || !(salario > 0))
        return c;

    int etaAnno = kEtaPredefinita;
    int mensilita = 12;
    QString cantone = kCantonePredefinito;
    QList<MovimentoStipendio> movimenti;
    DatiDipendente d;
    if (!id.isEmpty() && Dipendente::carica(id, d)) {
        etaAnno = eta(d, anno);
        mensilita = 12 + d.mensilitaAggiuntive;
        if (!d.cantone.isEmpty())
            cantone = d.cantone;
    }
    if (!id.isEmpty())
        movimenti = Movimenti::carica(id);
    const RiepilogoAnnuo r =
        CalcoloPaga::riepilogoAnnuoConMovimenti(salario, etaAnno, cantone, kTariffa, mensilita, movimenti, 12);
    c.lordo = r.lordo;
    c.contributi = r.contributiDip;
    c.imposta = r.imposta;
    c.netto = r.netto;
    return c;
}

QString CifreRiepilogo::intestazioneCsv()
{
    return QStringLiteral("periodo;dipendente;cantone;lordo_mensile;avs_dip;avs_dat;ad_dip;ad_dat;caf_dip;caf_dat;"
                          "lainf_dip;lainf_dat;lpp_dip;lpp_dat;imposta_fonte;netto_mensile");
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

QByteArray CifreRiepilogo::testoCsv(const QList<DipendenteCsv>& dipendenti, const QString& periodo, int anno)
{
    QString testo = intestazioneCsv() + QLatin1Char('\n');
    for (const DipendenteCsv& dip : dipendenti) {
        const double salario = dip.salario;
        if (!(salario > 0))
            continue;
        QString cantone = kCantonePredefinito;
        int etaAnno = kEtaPredefinita;
        int mensilita = 12;
        double lppManuale = 0.0;
        DatiDipendente d;
        if (!dip.id.isEmpty() && Dipendente::carica(dip.id, d)) {
            if (!d.cantone.isEmpty())
                cantone = d.cantone;
            etaAnno = eta(d, anno);
            mensilita = 12 + d.mensilitaAggiuntive;
            lppManuale = d.lppManuale;
        }
        const ContributiSociali c = CalcoloPaga::calcolaAVSAD(salario);
        // The employee's half, as the pay count deducts it: the pension of
        // the year's salaries (extra monthly salaries included) by month, or
        // the amount entered by hand. The employer pays the same.
        const double lpp = lppManuale > 0 ? lppManuale : CalcoloPaga::calcolaLPP(mensilita * salario, etaAnno) / 12.0;
        const double imposta = ImpostaFonte::calcolaMensile(salario, cantone, kTariffa);
        const double netto = salario - c.totaleDip - lpp - imposta;

        QStringList campi = {periodo, dip.id, cantone};
        for (double v : {salario, c.avsDip, c.avsDat, c.adDip, c.adDat, c.cafDip, c.cafDat, c.lainfDip, c.lainfDat,
                         lpp, lpp, imposta, netto})
            campi << dueDecimali(v);
        for (QString& campo : campi)
            campo = campoCsv(campo);
        testo += campi.join(QLatin1Char(';')) + QLatin1Char('\n');
    }
    return testo.toUtf8();
}
