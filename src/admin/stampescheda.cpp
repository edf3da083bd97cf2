#include "stampescheda.h"

#include "anteprimastampa.h"
#include "azienda.h"
#include "calcolopaga.h"
#include "config.h"
#include "datoteca.h"
#include "dialoganno.h"
#include "dipendente.h"
#include "orologio.h"
#include "scegliconteggio.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>


namespace {

QString base(const QString& id)
{
    return QFileInfo(id).completeBaseName();
}

// The current company's record; defaults when none is chosen or readable.
DatiAzienda aziendaCorrente()
{
    const QString nome = Config::aziendaCorrente();
    return nome.isEmpty() ? DatiAzienda() : Azienda::carica(nome);
}

QString testoAliquota(double r)
{
    return QString::number(r, 'f', 4) + QLatin1Char('%');
}

} // namespace

QString StampeScheda::intestazioneMese(int mese, int anno)
{
    // No month (0) shows no name; a number that is no month shows itself.
    QString nome = FoglioPaga::nomeDelMese(mese);
    if (nome.isEmpty() && mese != 0)
        nome = QString::number(mese);
    return nome + QLatin1Char(' ') + QString::number(anno);
}

QString StampeScheda::luogoData()
{
    return QStringLiteral("Lugano, ")
        + QLocale(QLocale::Italian, QLocale::Italy).toString(Orologio::oggi(), QStringLiteral("d MMMM yyyy"));
}

QString StampeScheda::nomeFilePaga(const QString& id, int anno, int mese)
{
    return Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("_paga_") + base(id)
        + QLatin1Char('_') + QString::number(anno) + QLatin1Char('_') + QString::number(mese) + QStringLiteral(".pdf");
}

QString StampeScheda::nomeFileVariabili(const QString& id, int anno, bool riepilogo)
{
    return Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd"))
        + (riepilogo ? QStringLiteral("_riepilogo_") : QStringLiteral("_variabili_")) + base(id) + QLatin1Char('_')
        + QString::number(anno) + QStringLiteral(".pdf");
}

FoglioPaga StampeScheda::foglioPaga(const QString& id, int anno, int mese)
{
    FoglioPaga f;
    StoricoPaghe::PagaMese paga; // a month not saved shows zeros
    StoricoPaghe::caricaMese(QFileInfo(id).fileName(), anno, mese, &paga);
    const double L = paga.lordoImponibile;
    const double A = paga.assegniFamiliari;
    const double C = paga.contributiDipendente;
    const double P = paga.lppDipendente;
    const double T = paga.impostaTrattenuta;
    const double N = paga.netto;

    // Earnings: the taxable salary without the allowances, then these.
    const double S = L - A > 0 ? L - A : 0.0;
    f.vociLorde.append({tr("Salario imponibile"), QString(), QString(), S});
    if (A > 0)
        f.vociLorde.append({tr("Assegni familiari"), QString(), QString(), A});
    f.totaleLordo = L;

    // Deductions: old-age and unemployment insurance at today's rates; the
    // accident insurance is what the saved contributions leave.
    const double avs = Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente;
    const double ad = Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente;
    const double lainf = Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDipendente;
    const double a = S * avs / 100.0;
    const double d = S * ad / 100.0;
    const double n = C - a - d > 0 ? C - a - d : 0.0;
    const double rn = S > 0 ? n * 100.0 / S : lainf;

    DatiDipendente dip;
    Dipendente::carica(id, dip);
    const int eta = CalcoloPaga::etaDaDataNascita(dip.dataNascita, anno);
    const double rl = P > 0 ? Datoteca::aliquotaLPP(eta) : 0.0;
    const double rt = L > 0 && T > 0 ? T * 100.0 / L : 0.0;

    const QString trattino = QStringLiteral("SFr. -");
    f.deduzioni.append({tr("AVS-AI-IPG"), FoglioPaga::testoImporto(S), testoAliquota(avs), a});
    f.deduzioni.append({tr("AD"), FoglioPaga::testoImporto(S), testoAliquota(ad), d});
    f.deduzioni.append({tr("Infortuni non professionali"), n > 0 ? FoglioPaga::testoImporto(S) : trattino,
                        n > 0 ? testoAliquota(rn) : QStringLiteral("-"), n});
    f.deduzioni.append({tr("Cassa pensione (LPP)"), QString(), rl > 0 ? testoAliquota(rl) : QString(), P});
    f.deduzioni.append({tr("Imposte alla fonte"), T > 0 ? FoglioPaga::testoImporto(L) : trattino,
                        T > 0 ? testoAliquota(rt) : QStringLiteral("-"), T});
    for (const FoglioPaga::Voce& v : qAsConst(f.deduzioni))
        f.totaleDeduzioni += v.importo;

    f.importoVersato = N;
    f.importoContanti = paga.importoContanti;
    f.comunicazioni = paga.comunicazioni.trimmed();

    f.dipendente = dip.nome + QLatin1Char(' ') + dip.cognome;
    f.dipendenteIndirizzo = dip.indirizzo;
    f.dipendenteLocalita = dip.cap + QLatin1Char(' ') + dip.localita;
    f.dataNascita = dip.dataNascita;
    f.numeroAVS = dip.numeroAVS;
    if (!dip.periodi.isEmpty()) {
        f.dataEntrata = dip.periodi.first().entrata;
        f.dataUscita = dip.periodi.first().uscita;
    }
    f.banca = dip.banca;
    f.iban = dip.iban;

    const DatiAzienda azienda = aziendaCorrente();
    f.azienda = azienda.ragioneSociale;
    f.aziendaIndirizzo = azienda.indirizzo;
    f.aziendaLocalita = azienda.cap + QLatin1Char(' ') + azienda.localita;

    f.mese = intestazioneMese(mese, anno);
    f.luogoData = luogoData();

    f.impostaVacanze(id, anno);
    return f;
}

void StampeScheda::stampaFoglioPaga(QWidget* scheda, const QString& id)
{
    // The card may pass the record's full path: the pay history knows the file name.
    ScegliConteggio scelta(StoricoPaghe::cartella(QFileInfo(id).fileName()), scheda);
    if (scelta.exec() != QDialog::Accepted)
        return;
    const int anno = scelta.annoSelezionato();
    const int mese = scelta.meseSelezionato();
    // Confirming an empty chooser chooses nothing.
    if (anno <= 0 || mese <= 0)
        return;

    const FoglioPaga foglio = foglioPaga(id, anno, mese);
    AnteprimaStampa anteprima(scheda, tr("Anteprima foglio paga"),
                              [foglio](QPrinter& printer) { foglio.disegnaSu(printer); });
    anteprima.nomeFilePredefinito = nomeFilePaga(id, anno, mese);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}

void StampeScheda::stampaVariabili(QWidget* scheda, const QString& id, bool riepilogo)
{
    DialogAnno dialogo(scheda, riepilogo ? tr("Riepilogo annuale") : tr("Stampa variabili mese"),
                       Orologio::oggi().year(), 2000, 2100);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const int anno = dialogo.anno();

    DatiDipendente dip;
    Dipendente::carica(id, dip);
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id, anno);
    const QString azienda = aziendaCorrente().ragioneSociale;
    QString dipendente = base(id);
    dipendente.replace(QLatin1Char('_'), QLatin1Char(' '));
    const QString data = luogoData();
    const bool orario = dip.tipoPaga == 1;

    AnteprimaStampa anteprima(scheda, riepilogo ? tr("Anteprima riepilogo annuale") : tr("Anteprima variabili mese"),
                              [=](QPrinter& printer) {
                                  FoglioPaga::disegnaVariabiliRealiSu(printer, azienda, dipendente, anno, data,
                                                                      orario, mesi);
                              });
    anteprima.nomeFilePredefinito = nomeFileVariabili(id, anno, riepilogo);
    anteprima.cartellaPredefinita = QDir::homePath();
    anteprima.exec();
}
