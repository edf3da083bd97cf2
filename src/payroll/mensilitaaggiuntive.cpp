#include "mensilitaaggiuntive.h"

#include "conteggiosalario.h"
#include "datetesto.h"
#include "importi.h"
#include "movimenti.h"

#include <QDate>
#include <QSet>

#include <algorithm>

namespace {

// The names the count gave its own lines in months saved before it stored
// what it paid of the extra salaries with the month.
const char* const kRigheProprie[] = {"13a mensilità", "14a mensilità", "13a mensilità pro rata",
                                     "13a/14a mensilità pro rata"};

bool rigaPropria(const QString& descrizione)
{
    return std::any_of(std::begin(kRigheProprie), std::end(kRigheProprie),
                       [&](const char* nome) { return descrizione == QString::fromUtf8(nome); });
}

// The movement's date when it pays an extra salary in the year; invalid
// otherwise: a movement the count never pays (no amount above 0, no box
// ticked) pays none of it.
QDate dataMensilita(const MovimentoStipendio& m, int anno)
{
    const QDate data = DateTesto::daMovimento(m.data);
    return data.isValid() && data.year() == anno && Movimenti::scarto(m) == Movimenti::Scarto::Nessuno
            && Movimenti::mensilitaAggiuntiva(m)
        ? data
        : QDate();
}

// A movement of the thirteenth's kind: an advance of the thirteenth is due
// in December and does not lessen June's fourteenth.
bool diTredicesima(const MovimentoStipendio& m)
{
    return m.tipo.trimmed().startsWith(QLatin1String("13"));
}

// What the count paid by itself in a saved month. A month saved before it
// was stored with the month: its own lines, less those of the movements that
// carry the same name (a movement without description is named by its kind).
double proprieDelMese(const StoricoPaghe::PagaMese& p, const QList<MovimentoStipendio>& movimenti)
{
    if (p.conMensilita)
        return p.mensilitaConteggio;
    double proprie = 0.0;
    for (const StoricoPaghe::Voce& v : p.dettaglio.vociSalario)
        proprie += rigaPropria(v.descrizione) ? v.importo : 0.0;
    for (const MovimentoStipendio& m : movimenti) {
        if (dataMensilita(m, p.anno).month() == p.mese && m.soggettoIF && m.descrizione.trimmed().isEmpty()
            && rigaPropria(m.tipo.trimmed()))
            proprie -= m.importo;
    }
    return std::max(0.0, proprie);
}

} // namespace

double MensilitaAggiuntive::quota(const DatiDipendente& d, int anno, double salarioMensile)
{
    return Importi::arrotonda5(Dipendente::mesiLavorati(d, anno) / 12.0 * salarioMensile);
}

QList<StoricoPaghe::PagaMese> MensilitaAggiuntive::mesiPrecedenti(const QString& codice, int anno, int mese)
{
    QList<StoricoPaghe::PagaMese> tutti;
    StoricoPaghe::caricaAnno(codice, anno, tutti);
    return mesiPrecedenti(tutti, mese);
}

QList<StoricoPaghe::PagaMese> MensilitaAggiuntive::mesiPrecedenti(const QList<StoricoPaghe::PagaMese>& mesiAnno,
                                                                  int mese)
{
    QList<StoricoPaghe::PagaMese> precedenti;
    QSet<int> visti;
    for (const StoricoPaghe::PagaMese& p : mesiAnno) {
        if (p.mese >= 1 && p.mese < mese && !visti.contains(p.mese)) {
            visti.insert(p.mese);
            precedenti.append(p);
        }
    }
    return precedenti;
}

MensilitaAggiuntive::Pagato MensilitaAggiuntive::pagato(const QString& codice, int anno, int mese,
                                                        const QList<StoricoPaghe::PagaMese>& precedenti,
                                                        bool conMeseCorrente)
{
    return pagato(Movimenti::carica(codice), VariabiliMensili::caricaAnno(codice, anno), anno, mese, precedenti,
                  conMeseCorrente);
}

MensilitaAggiuntive::Pagato MensilitaAggiuntive::pagato(const QList<MovimentoStipendio>& movimenti,
                                                        const QList<VariabileMese>& variabili, int anno, int mese,
                                                        const QList<StoricoPaghe::PagaMese>& precedenti,
                                                        bool conMeseCorrente)
{
    Pagato p;
    // A month saved with what its movements paid counts that; a month saved
    // before it kept it, or not saved, counts the movements dated in it.
    QSet<int> salvati;
    for (const StoricoPaghe::PagaMese& saldo : precedenti) {
        p.mensilita += proprieDelMese(saldo, movimenti);
        if (saldo.conMovimenti && !salvati.contains(saldo.mese)) {
            salvati.insert(saldo.mese);
            p.mensilita += saldo.mensilitaMovimenti;
            p.tredicesime += saldo.tredicesimaMovimenti;
        }
    }
    for (const MovimentoStipendio& m : movimenti) {
        const QDate data = dataMensilita(m, anno);
        if (!data.isValid() || data.month() > mese || salvati.contains(data.month()))
            continue;
        p.mensilita += m.importo;
        p.tredicesime += diTredicesima(m) ? m.importo : 0.0;
    }
    for (const VariabileMese& v : variabili) {
        if (v.mese > mese || (v.mese == mese && !conMeseCorrente))
            continue;
        p.mensilita += liquidata(v);
        p.gratifiche += v.tredicesimaGratifica - liquidata(v);
    }
    return p;
}

double MensilitaAggiuntive::delMese(const DatiDipendente& d, int anno, int mese, double quota, const Pagato& p)
{
    const int dovute = dovuteNelMese(d, mese);
    if (dovute <= 0)
        return 0.0;
    const double giaPagato = mese == 6 ? p.mensilita - p.tredicesime : p.mensilita;
    // December pays its thirteenth; the fourteenth as well when June, which
    // pays it, fell outside the employment (an entry after June).
    const int delDicembre = dovute == 2 && !ConteggioSalario::inServizio(d, anno, 6) ? 2 : 1;
    return std::clamp(Importi::arrotonda5(dovute * quota - giaPagato), 0.0, delDicembre * quota);
}

int MensilitaAggiuntive::dovuteNelMese(const DatiDipendente& d, int mese)
{
    // The extra salaries due by the month: the fourteenth in June, both in
    // December (a third one only when an employment ends).
    return mese == 12 ? std::max(0, std::min(d.mensilitaAggiuntive, 2)) : mese == 6 && d.mensilitaAggiuntive >= 2;
}

double MensilitaAggiuntive::resto(const DatiDipendente& d, double quota, const Pagato& p, double giaNelMese)
{
    const double dovute = std::max(0, d.mensilitaAggiuntive) * quota;
    return std::max(0.0, Importi::arrotonda5(dovute - p.mensilita - p.gratifiche - giaNelMese));
}

double MensilitaAggiuntive::daLiquidare(const QString& codice, const DatiDipendente& d, int anno, int mese,
                                        double salarioMensile)
{
    // Hourly pay is paid its thirteenth with each month's hours, and a month
    // outside the employment is not counted: neither would pay a payout.
    if (d.tipoPaga == 1 || !ConteggioSalario::inServizio(d, anno, mese))
        return 0.0;
    const Pagato p = pagato(codice, anno, mese, mesiPrecedenti(codice, anno, mese), false);
    return resto(d, quota(d, anno, salarioMensile), p);
}

double MensilitaAggiuntive::liquidata(const VariabileMese& v)
{
    return std::clamp(v.tredicesimaLiquidata, 0.0, std::max(0.0, v.tredicesimaGratifica));
}

void MensilitaAggiuntive::movimentiDelMese(const QList<MovimentoStipendio>& movimenti, int anno, int mese,
                                          double* tutte, double* tredicesime)
{
    *tutte = 0.0;
    *tredicesime = 0.0;
    for (const MovimentoStipendio& m : movimenti) {
        if (dataMensilita(m, anno).month() != mese)
            continue;
        *tutte += m.importo;
        *tredicesime += diTredicesima(m) ? m.importo : 0.0;
    }
}
