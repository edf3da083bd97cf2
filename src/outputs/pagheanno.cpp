#include "pagheanno.h"
#include "conteggiosalario.h"

#include "calcolopaga.h"
#include "datetesto.h"
#include "datoteca.h"
#include "importi.h"
#include "storicopaghe.h"

#include <QDate>
#include <QSet>

PagheAnno::Somme PagheAnno::somme(const QString& id, int anno)
{
    Somme s;
    QList<StoricoPaghe::PagaMese> mesi;
    StoricoPaghe::caricaAnno(id, anno, mesi);
    if (mesi.isEmpty())
        return s;
    Datoteca::carica(anno);
    // Each month once: the first group of a month is the one the closing
    // replaces and the pay slip shows.
    QSet<int> visti;
    for (const StoricoPaghe::PagaMese& p : mesi) {
        if (p.mese < 1 || p.mese > 12 || visti.contains(p.mese))
            continue;
        visti.insert(p.mese);
        ++s.mesi;
        s.lordo += p.lordoImponibile;
        s.contributiDip += p.contributiDipendente;
        s.lpp += p.lppDipendente;
        s.assegni += p.assegniFamiliari;
        s.imposta += p.impostaTrattenuta;
        s.netto += p.netto;
        // The history keeps the employee's part only; the employer's is
        // computed on the month's gross without the allowances.
        s.contributiDat += Importi::arrotonda5(
            CalcoloPaga::calcolaAVSAD(p.lordoImponibile - p.assegniFamiliari).totaleDat);
    }
    // The movements the counts of those months added to the taxable gross.
    for (const MovimentoStipendio& m : movimentiAnno(id, anno)) {
        const QDate data = DateTesto::daMovimento(m.data);
        if (!visti.contains(data.month()) || !(m.importo > 0) || !m.soggettoIF)
            continue;
        switch (m.categoriaCertificato) {
        case 2: s.categoria2 += m.importo; break;
        case 3: s.categoria3 += m.importo; break;
        case 131: s.spese131 += m.importo; break;
        case 132: s.spese132 += m.importo; break;
        case 133: s.spese133 += m.importo; break;
        default: break;
        }
    }
    return s;
}

QList<MovimentoStipendio> PagheAnno::movimentiAnno(const QString& id, int anno)
{
    QList<MovimentoStipendio> anno_;
    for (const MovimentoStipendio& m : Movimenti::carica(id)) {
        const QDate data = DateTesto::daMovimento(m.data);
        if (data.isValid() && data.year() == anno)
            anno_.append(m);
    }
    return anno_;
}

bool PagheAnno::inServizio(const DatiDipendente& d, int anno, int mese)
{
    return ConteggioSalario::inServizio(d, anno, mese);
}

int PagheAnno::eta(const DatiDipendente& d, int anno)
{
    const int e = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    return e < 0 ? 40 : e;
}

QString PagheAnno::cantone(const DatiDipendente& d)
{
    return d.cantone.isEmpty() ? QStringLiteral("TI") : d.cantone;
}
