#include "fogliopaga.h"

#include "conteggiosalario.h"
#include "decimali.h"
#include "dipendente.h"
#include "ferie.h"
#include "linguautente.h"
#include "variabilimensili.h"

#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

const QColor kStriscia(242, 244, 246);
const QColor kTotale(230, 234, 239);
const QColor kPiede(110, 110, 110);

QString numeroSvizzero(double v)
{
    return QLocale(QLocale::German, QLocale::Switzerland).toString(Decimali::arrotonda(v, 100.0), 'f', 2);
}

QString giorni(double v)
{
    return Decimali::testo(v, 1) + FoglioPaga::tr(" giorni");
}

// Millimetres to device pixels of one page.
struct Scala
{
    double sx;
    double sy;
    int x(double mm) const { return int(mm * sx); }
    int y(double mm) const { return int(mm * sy); }
};

} // namespace

QString FoglioPaga::testoImporto(double importo)
{
    if (std::fabs(importo) < 0.005)
        return QStringLiteral("SFr. -");
    return QStringLiteral("SFr. ") + numeroSvizzero(importo);
}

QString FoglioPaga::testoTotale(double importo)
{
    return QStringLiteral("SFr. ") + numeroSvizzero(importo);
}

double FoglioPaga::parzialeMostrato() const
{
    if (std::fabs(totaleParziale) > 0.001)
        return totaleParziale;
    return totaleLordo - std::fabs(totaleDeduzioni);
}

QString FoglioPaga::etichettaVersamento() const
{
    QString etichetta = tr("Importo versato sul conto");
    if (!banca.isEmpty() || !iban.isEmpty())
        etichetta += QLatin1Char(' ') + QStringLiteral(" %1 - %2").arg(banca, iban).trimmed();
    return etichetta;
}

QString FoglioPaga::nomeDelMese(int mese)
{
    static const char* const nomi[] = {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno",
                                       "luglio", "agosto", "settembre", "ottobre", "novembre", "dicembre"};
    if (mese < 1 || mese > 12)
        return QString();
    return QLatin1String(nomi[mese - 1]);
}

QString FoglioPaga::nomeMese(int mese, int anno)
{
    const QString nome = LinguaUtente::nomeMese(mese);
    return (nome.isEmpty() ? QString::number(mese) : nome) + QLatin1Char(' ') + QString::number(anno);
}

void FoglioPaga::impostaVacanze(const QString& idDipendente, int anno, int mese)
{
    DatiDipendente d;
    Dipendente::carica(idDipendente, d); // an unreadable record owes the default weeks
    impostaVacanze(idDipendente, d, anno, mese);
}

void FoglioPaga::impostaVacanze(const QString& idDipendente, const DatiDipendente& d, int anno, int mese)
{
    Ferie ferie(QFileInfo(idDipendente).completeBaseName());
    ferie.setAnnoCorrente(anno);
    const Ferie::AnnoFerie a = ferie.leggiAnno(anno);
    settimaneVacanze = Ferie::settimaneVacanze(d);
    const double diritto = settimaneVacanze * Ferie::kGiorniPerSettimana + a.regalateDiritto + a.aggiuntiveDiritto;
    double prese = a.legaliPrese + a.regalatePrese + a.aggiuntivePrese;
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(idDipendente, anno);
    for (const VariabileMese& v : mesi) {
        if (v.mese >= 1 && v.mese <= mese)
            prese += v.vacanzePrese;
    }
    // A year employed only part of the time owes its share: each month
    // counts as the pay count counts its days, on a 30-day month.
    double mesiImpiego = 0.0;
    for (int m = 1; m <= 12; ++m)
        mesiImpiego += ConteggioSalario::giorniDelMese(d, anno, m) / 30.0;
    giorniVacanzeAnno = diritto;
    vacanzeMaturate = Ferie::dirittoMaturato(diritto, mesiImpiego);
    riportoVacanze = 0;
    vacanzePrese = prese;
    saldoVacanze = vacanzeMaturate - prese;
}

void FoglioPaga::disegnaSu(QPrinter& printer) const
{
    QPainter p;
    if (!p.begin(&printer))
        return;
    disegna(p);
    p.end();
}

bool FoglioPaga::stampaPdf(const QString& percorso) const
{
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(percorso);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter p;
        if (!p.begin(&printer))
            return false;
        disegna(p);
        if (!p.end())
            return false;
    }
    const QFileInfo info(percorso);
    return info.exists() && info.size() > 0;
}

void FoglioPaga::disegna(QPainter& p) const
{
    const QPaintDevice* dev = p.device();
    const Scala s{dev->width() / 210.0, dev->height() / 297.0};
    const int L = s.x(20);
    const int W = s.x(170);
    const int pad = s.x(2);
    const int h = s.y(4.6);
    const int c47 = s.x(47);
    const int c45 = s.x(45);

    const QFont normale(QStringLiteral("Arial"), 9);
    QFont grassetto(QStringLiteral("Arial"), 9);
    grassetto.setBold(true);
    QFont titolo(QStringLiteral("Arial"), 13);
    titolo.setBold(true);
    const QFont piccolo(QStringLiteral("Arial"), 7);
    const QPen nero(Qt::black);
    QPen sottile(QColor(150, 150, 150), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    QPen spessa(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    const int sinistraCentro = Qt::AlignLeft | Qt::AlignVCenter;
    const int destraCentro = Qt::AlignRight | Qt::AlignVCenter;

    auto riga = [&](const QPen& pen, int y) {
        p.setPen(pen);
        p.drawLine(L, y, L + W, y);
        p.setPen(nero);
    };
    auto listaVoci = [&](const QList<Voce>& voci, int& y) {
        p.setFont(normale);
        for (int i = 0; i < voci.size(); ++i) {
            if (i % 2 == 1)
                p.fillRect(L, y, W, h, kStriscia);
            p.drawText(QRect(L + pad, y, W - c47, h), sinistraCentro, voci.at(i).descrizione);
            p.drawText(QRect(L + W - c47, y, c47 - pad, h), destraCentro, testoImporto(voci.at(i).importo));
            y = y + h;
        }
    };

    p.setPen(nero);
    // 1. Company block.
    p.setFont(grassetto);
    p.drawText(L, s.y(20), azienda);
    p.setFont(normale);
    p.drawText(L, s.y(24.5), aziendaIndirizzo);
    p.drawText(L, s.y(29), aziendaLocalita);

    // 2. Employee block.
    const int xDip = s.x(115);
    double y0 = 48;
    if (!numeroAVS.isEmpty()) {
        p.setFont(piccolo);
        p.drawText(xDip, s.y(y0), tr("Numero AVS: ") + numeroAVS);
        y0 += 6;
    }
    p.setFont(grassetto);
    p.drawText(xDip, s.y(y0), dipendente);
    p.setFont(normale);
    p.drawText(xDip, s.y(y0 + 4.5), dipendenteIndirizzo);
    p.drawText(xDip, s.y(y0 + 9), dipendenteLocalita);

    // 3-4. Place and date, title.
    p.drawText(QRect(L, s.y(73), W, s.y(5)), destraCentro, luogoData);
    p.setFont(titolo);
    p.drawText(QRect(L, s.y(81), W, s.y(8)), Qt::AlignCenter, tr("Stipendio mese di ") + mese);

    // 5-7. Earnings.
    int y = s.y(93);
    p.setFont(grassetto);
    p.drawText(QRect(L + pad, y, W - c45, h), sinistraCentro, tr("Descrizione"));
    p.drawText(QRect(L + W - c45, y, c45 - pad, h), destraCentro, tr("Importo"));
    riga(spessa, y + h);
    y = y + h;
    listaVoci(vociLorde, y);
    const int hTot = h + s.y(0.6);
    p.fillRect(L, y, W, hTot, kTotale);
    riga(sottile, y);
    riga(spessa, y + hTot);
    p.setFont(grassetto);
    p.drawText(QRect(L + pad, y, W - s.x(75), h), sinistraCentro, tr("Totale lordo"));
    p.drawText(QRect(L + W - c47, y, c47 - pad, h), destraCentro, testoTotale(totaleLordo));

    // 8-10. Deductions.
    y = int(y + h + s.y(4.5));
    const int cDesc = s.x(80);
    const int cBase = s.x(32);
    const int cAliq = s.x(22);
    const int cImp = s.x(36);
    const int xBase = L + cDesc;
    const int xAliq = xBase + cBase;
    const int xImp = xAliq + cAliq;
    const int tre = s.x(134);
    p.setFont(grassetto);
    p.drawText(QRect(L + pad, y, cDesc - pad, h), sinistraCentro, tr("Deduzioni"));
    p.drawText(QRect(xBase, y, cBase - pad, h), destraCentro, tr("Imponibile"));
    p.drawText(QRect(xAliq, y, cAliq - pad, h), destraCentro, tr("Aliquota"));
    p.drawText(QRect(xImp, y, cImp - pad, h), destraCentro, tr("Deduzione"));
    riga(spessa, y + h);
    y = y + h;
    p.setFont(normale);
    for (int i = 0; i < deduzioni.size(); ++i) {
        const Voce& v = deduzioni.at(i);
        if (i % 2 == 1)
            p.fillRect(L, y, W, h, kStriscia);
        p.drawText(QRect(L + pad, y, cDesc - pad, h), sinistraCentro, v.descrizione);
        p.drawText(QRect(xBase, y, cBase - pad, h), destraCentro, v.imponibile);
        p.drawText(QRect(xAliq, y, cAliq - pad, h), destraCentro, v.aliquota);
        p.drawText(QRect(xImp, y, cImp - pad, h), destraCentro, testoImporto(-std::fabs(v.importo)));
        y = y + h;
    }
    p.fillRect(L, y, W, hTot, kTotale);
    riga(sottile, y);
    riga(spessa, y + hTot);
    p.setFont(grassetto);
    p.drawText(QRect(L + pad, y, tre - pad, h), sinistraCentro, tr("Totale deduzioni"));
    const double totDed = std::fabs(totaleDeduzioni) < 0.005 ? 0.0 : -std::fabs(totaleDeduzioni);
    p.drawText(QRect(xImp, y, cImp - pad, h), destraCentro, testoTotale(totDed));

    // 11. Subtotal.
    y = int(y + h + s.y(2.5));
    p.drawText(QRect(L + pad, y, tre - pad, h), sinistraCentro, tr("Totale parziale"));
    p.drawText(QRect(xImp, y, cImp - pad, h), destraCentro, testoTotale(parzialeMostrato()));

    // 12. Rows after the subtotal.
    y = int(y + h + s.y(2.5));
    if (!altreVoci.isEmpty()) {
        listaVoci(altreVoci, y);
        y = int(y + s.y(2));
    }

    // 13. Payment box.
    const int hBox = h + s.y(1);
    p.fillRect(L, y, W, hBox, kTotale);
    riga(spessa, y);
    riga(spessa, y + hBox);
    p.setFont(grassetto);
    p.drawText(QRect(L + pad, y, tre - pad, hBox), sinistraCentro, etichettaVersamento());
    p.drawText(QRect(xImp, y, cImp - pad, hBox), destraCentro, testoTotale(importoVersato));

    // 14. Cash.
    y = int(y + h + s.y(2.5));
    if (importoContanti > 0) {
        p.drawText(QRect(L + pad, y, tre - pad, h), sinistraCentro, tr("Importo versato in contanti"));
        p.drawText(QRect(xImp, y, cImp - pad, h), destraCentro, testoTotale(importoContanti));
        y = int(y + h + s.y(2));
    }

    // 15. Holidays.
    y = int(y + s.y(3));
    riga(sottile, y);
    auto rigaValore = [&](const QString& etichetta, const QString& valore, bool striscia, bool bold) {
        if (striscia)
            p.fillRect(L, y, W, h, kStriscia);
        p.setFont(bold ? grassetto : normale);
        p.drawText(QRect(L + pad, y, W - c47, h), sinistraCentro, etichetta);
        p.drawText(QRect(L + W - c47, y, c47 - pad, h), destraCentro, valore);
        y = y + h;
    };
    const double settimane = settimaneVacanze > 0 ? settimaneVacanze : giorniVacanzeAnno / 5.0;
    rigaValore(tr("Diritto vacanze per anno: %1 settimane").arg(Decimali::testo(settimane, 1)),
               giorni(giorniVacanzeAnno), false, false);
    rigaValore(tr("Vacanze maturate"), giorni(vacanzeMaturate), true, false);
    rigaValore(tr("Riporto saldo vacanze anno precedente"), giorni(riportoVacanze), false, false);
    rigaValore(tr("Vacanze prese nell'anno"), giorni(vacanzePrese), true, false);
    riga(sottile, y);
    rigaValore(tr("Nuovo saldo vacanze"), giorni(saldoVacanze), false, true);
    riga(spessa, y);

    // 16. Communications.
    const QString testo = comunicazioni.trimmed();
    if (!testo.isEmpty()) {
        y = int(y + s.y(3));
        p.setFont(piccolo);
        p.drawText(QRect(L + pad, y, W - 2 * pad, s.y(12)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   tr("Comunicazioni: ") + testo);
    }

    // 17. Footer.
    p.setFont(piccolo);
    p.setPen(kPiede);
    p.drawText(QRect(L, s.y(283), W, s.y(5)), Qt::AlignCenter,
               tr("Conteggio salario allestito con Vardello"));
    p.setPen(nero);
}
