#include "fogliopaga.h"

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
    return QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2);
}

QString giorni(double v)
{
    return QString::number(v, 'f', 1) + QStringLiteral(" giorni");
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

QString FoglioPaga::nomeMese(int mese, int anno)
{
    static const char* const nomi[] = {"gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno",
                                       "luglio", "agosto", "settembre", "ottobre", "novembre", "dicembre"};
    if (mese < 1 || mese > 12)
        return QString::number(anno);
    return QLatin1String(nomi[mese - 1]) + QLatin1Char(' ') + QString::number(anno);
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
    rigaValore(tr("Diritto vacanze per anno: %1 settimane").arg(QString::number(settimane, 'f', 1)),
               giorni(giorniVacanzeAnno), false, false);
    rigaValore(tr("Vacanze maturate"), giorni(vacanzeMaturate), true, false);
    rigaValore(tr("Riporto saldo vacanze anno precedente"), giorni(riportoVacanze), false, false);
    rigaValore(tr("Vacanze prese nel mese corrente"), giorni(vacanzePrese), true, false);
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

// ---------------------------------------------------------------------------
// Yearly sheets of one employee.

namespace {

const QColor kIntestazione(230, 234, 239);

// One column of the monthly variables sheet.
struct ColonnaVariabili
{
    const char* intestazione;
    double VariabileMese::*campo; // null: the month name
    double larghezza;             // mm
};

const ColonnaVariabili kColonneOrarie[] = {
    {"Mese", nullptr, 22},
    {"Ore", &VariabileMese::oreFatte, 15},
    {"Ext 25%", &VariabileMese::oreExtra25, 15},
    {"Ext 50%", &VariabileMese::oreExtra50, 15},
    {"Malattia", &VariabileMese::rimborsoMalattia, 16},
    {"Infort.", &VariabileMese::rimborsoInfortunio, 16},
    {"IPG", &VariabileMese::rimborsoIPG, 15},
    {"Spese", &VariabileMese::rimborsoSpese, 16},
    {"Acconti", &VariabileMese::acconti, 16},
    {"Prestiti", &VariabileMese::rimborsoPrestiti, 17},
    {"Vac.(gg)", &VariabileMese::vacanzePrese, 17},
};

const ColonnaVariabili kColonneMensili[] = {
    {"Mese", nullptr, 24},
    {"Imp. imp.", &VariabileMese::importiImponibili, 18},
    {"Non imp.", &VariabileMese::importiNonImponibili, 18},
    {"Spese", &VariabileMese::rimborsoSpese, 17},
    {"Trasferte", &VariabileMese::rimborsoTrasferte, 17},
    {"Assenze", &VariabileMese::deduzioneAssenze, 17},
    {"Rimb.Ass.", &VariabileMese::rimborsoAssicurativo, 18},
    {"13a/Grat.", &VariabileMese::tredicesimaGratifica, 18},
    {"Acconti", &VariabileMese::acconti, 17},
    {"Vac(gg)", &VariabileMese::vacanzePrese, 16},
};

// One column of the pay-history year sheet.
struct ColonnaPaghe
{
    const char* intestazione;
    double StoricoPaghe::PagaMese::*campo; // null: the month name
    double larghezza;
};

const ColonnaPaghe kColonnePaghe[] = {
    {"Mese", nullptr, 32},
    {"Lordo", &StoricoPaghe::PagaMese::lordoImponibile, 23},
    {"Contrib.", &StoricoPaghe::PagaMese::contributiDipendente, 23},
    {"LPP", &StoricoPaghe::PagaMese::lppDipendente, 23},
    {"Assegni", &StoricoPaghe::PagaMese::assegniFamiliari, 23},
    {"IF", &StoricoPaghe::PagaMese::impostaTrattenuta, 23},
    {"Netto", &StoricoPaghe::PagaMese::netto, 23},
};

QFont arial(int punti, bool bold)
{
    QFont f(QStringLiteral("Arial"), punti);
    f.setBold(bold);
    return f;
}

// Left edges and widths of the columns in device pixels: each width is
// truncated once, the edges are running sums from the left margin.
template <typename Colonna, size_t N>
QList<QPair<int, int>> posizioniColonne(const Colonna (&colonne)[N], int sinistra, const Scala& s)
{
    QList<QPair<int, int>> r;
    int x = sinistra;
    for (const Colonna& c : colonne) {
        const int w = s.x(c.larghezza);
        r.append({x, w});
        x += w;
    }
    return r;
}

} // namespace

QString FoglioPaga::nomeMeseFoglio(int mese)
{
    static const char* const nomi[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                       "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return mese >= 1 && mese <= 12 ? QLatin1String(nomi[mese - 1]) : QString();
}

QString FoglioPaga::testoCella(double valore, bool trattino)
{
    if (trattino && std::fabs(valore) < 0.005)
        return QStringLiteral("-");
    return numeroSvizzero(valore);
}

void FoglioPaga::disegnaVariabiliRealiSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                         int anno, const QString& data, bool orario,
                                         const QList<VariabileMese>& mesi)
{
    QPainter p;
    if (!p.begin(&printer))
        return;
    const QPaintDevice* dev = p.device();
    const Scala s{dev->width() / 210.0, dev->height() / 297.0};
    const int L = s.x(15);
    const int r = s.y(7);
    const int hIntest = s.y(2) + r;
    const int inset = s.x(1);

    QList<QPair<int, int>> colonne;
    QList<double VariabileMese::*> campi;
    QStringList intestazioni;
    auto prendi = [&](const auto& tabella) {
        colonne = posizioniColonne(tabella, L, s);
        for (const auto& c : tabella) {
            campi.append(c.campo);
            intestazioni.append(QLatin1String(c.intestazione));
        }
    };
    if (orario)
        prendi(kColonneOrarie);
    else
        prendi(kColonneMensili);

    p.setPen(Qt::black);
    p.setFont(arial(8, false));
    p.drawText(L, s.y(18), azienda);
    p.drawText(L, s.y(23), tr("Dipendente: %1").arg(dipendente));
    p.setFont(arial(13, true));
    p.drawText(QRect(0, s.y(30), dev->width(), s.y(9)), Qt::AlignHCenter | Qt::AlignTop,
               tr("Inserimento variabili mese - Anno %1").arg(anno));
    p.setFont(arial(8, false));
    p.drawText(QRect(L, s.y(39), s.x(180), s.y(5)), Qt::AlignRight | Qt::AlignTop, data);

    int y = s.y(48);
    p.setFont(arial(7, true));
    for (int c = 0; c < colonne.size(); ++c) {
        const QRect cella(colonne.at(c).first, y, colonne.at(c).second, hIntest);
        p.fillRect(cella, kIntestazione);
        p.drawRect(cella);
        p.drawText(cella.adjusted(inset, 0, -inset, 0), Qt::AlignCenter | Qt::TextWordWrap, intestazioni.at(c));
    }
    y += hIntest;

    QVector<double> totali(colonne.size(), 0.0);
    p.setFont(arial(8, false));
    for (int mese = 1; mese <= 12; ++mese) {
        VariabileMese v;
        bool trovato = false;
        for (const VariabileMese& m : mesi) {
            if (m.mese == mese) {
                v = m;
                trovato = true;
                break;
            }
        }
        const QColor sfondo = mese % 2 == 1 ? QColor(Qt::white) : kStriscia;
        for (int c = 0; c < colonne.size(); ++c) {
            const QRect cella(colonne.at(c).first, y, colonne.at(c).second, r);
            p.fillRect(cella, sfondo);
            p.drawRect(cella);
            const QRect testo = cella.adjusted(inset, 0, -inset, 0);
            if (!campi.at(c)) {
                p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, nomeMeseFoglio(mese));
                continue;
            }
            const double valore = trovato ? v.*campi.at(c) : 0.0;
            totali[c] += valore;
            p.drawText(testo, Qt::AlignRight | Qt::AlignVCenter, testoCella(valore, true));
        }
        y += r;
    }

    p.setFont(arial(8, true));
    for (int c = 0; c < colonne.size(); ++c) {
        const QRect cella(colonne.at(c).first, y, colonne.at(c).second, r);
        p.fillRect(cella, kIntestazione);
        p.drawRect(cella);
        const QRect testo = cella.adjusted(inset, 0, -inset, 0);
        if (!campi.at(c))
            p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, tr("Totale annuo"));
        else
            p.drawText(testo, Qt::AlignRight | Qt::AlignVCenter, testoCella(totali.at(c), false));
    }
    p.end();
}

namespace {

// Draws the pay-history year sheet; false when the printer could not be
// painted on or the painting could not be completed.
bool disegnaAnnoPaghe(QPrinter& printer, const QString& azienda, const QString& dipendente, int anno,
                      const QString& data, const QList<StoricoPaghe::PagaMese>& mesi, bool riepilogo)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const QPaintDevice* dev = p.device();
    const Scala s{dev->width() / 210.0, dev->height() / 297.0};
    const int L = s.x(20);
    const int r = s.y(6);
    const int inset = s.x(1);
    const QList<QPair<int, int>> colonne = posizioniColonne(kColonnePaghe, L, s);
    const int nColonne = colonne.size();

    QVector<double> totali(nColonne, 0.0);
    for (int mese = 1; mese <= 12; ++mese) {
        for (const StoricoPaghe::PagaMese& m : mesi) {
            if (m.mese != mese)
                continue;
            for (int c = 1; c < nColonne; ++c)
                totali[c] += m.*kColonnePaghe[c].campo;
            break;
        }
    }

    auto testata = [&](const QString& sottotitolo) {
        p.setPen(Qt::black);
        p.setFont(arial(9, false));
        p.drawText(L, s.y(18), azienda);
        p.drawText(L, s.y(24), QCoreApplication::translate("FoglioPaga", "Dipendente: %1").arg(dipendente));
        p.setFont(arial(13, true));
        p.drawText(QRect(0, s.y(32), dev->width(), s.y(10)), Qt::AlignHCenter | Qt::AlignTop,
                   QCoreApplication::translate("FoglioPaga", "Inserimento variabili mese - %1").arg(sottotitolo));
        p.setFont(arial(9, false));
        p.drawText(QRect(0, s.y(40), dev->width() - s.x(20), s.y(5)), Qt::AlignRight | Qt::AlignTop, data);
        const int y = s.y(55);
        p.setFont(arial(8, true));
        for (int c = 0; c < nColonne; ++c) {
            const QRect cella(colonne.at(c).first, y, colonne.at(c).second, r);
            p.drawRect(cella);
            p.drawText(cella.adjusted(inset, 0, -inset, 0), Qt::AlignCenter | Qt::TextWordWrap,
                       QLatin1String(kColonnePaghe[c].intestazione));
        }
        return y + r;
    };
    auto rigaTotale = [&](int y) {
        p.setFont(arial(9, true));
        for (int c = 0; c < nColonne; ++c) {
            const QRect cella(colonne.at(c).first, y, colonne.at(c).second, r);
            p.drawRect(cella);
            const QRect testo = cella.adjusted(inset, 0, -inset, 0);
            if (c == 0)
                p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("FoglioPaga", "Totale annuo"));
            else
                p.drawText(testo, Qt::AlignRight | Qt::AlignVCenter, FoglioPaga::testoCella(totali.at(c), false));
        }
    };

    int y = testata(QCoreApplication::translate("FoglioPaga", "Anno %1").arg(anno));
    p.setFont(arial(9, false));
    for (int mese = 1; mese <= 12; ++mese) {
        const StoricoPaghe::PagaMese* trovato = nullptr;
        for (const StoricoPaghe::PagaMese& m : mesi) {
            if (m.mese == mese) {
                trovato = &m;
                break;
            }
        }
        for (int c = 0; c < nColonne; ++c) {
            const QRect cella(colonne.at(c).first, y, colonne.at(c).second, r);
            p.drawRect(cella);
            const QRect testo = cella.adjusted(inset, 0, -inset, 0);
            if (c == 0)
                p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, FoglioPaga::nomeMeseFoglio(mese));
            else if (trovato)
                p.drawText(testo, Qt::AlignRight | Qt::AlignVCenter,
                           FoglioPaga::testoCella(trovato->*kColonnePaghe[c].campo, false));
        }
        y += r;
    }
    rigaTotale(y);

    if (riepilogo) {
        if (!printer.newPage())
            return false;
        rigaTotale(testata(QCoreApplication::translate("FoglioPaga", "Riepilogo annuale - Anno %1").arg(anno)));
    }
    return p.end();
}

} // namespace

void FoglioPaga::disegnaVariabiliSu(QPrinter& printer, const QString& azienda, const QString& dipendente, int anno,
                                    const QString& data, const QList<StoricoPaghe::PagaMese>& mesi, bool riepilogo)
{
    disegnaAnnoPaghe(printer, azienda, dipendente, anno, data, mesi, riepilogo);
}

bool FoglioPaga::stampaVariabiliMese(const QString& percorso, const QString& azienda, const QString& dipendente,
                                     int anno, const QString& data, const QList<StoricoPaghe::PagaMese>& mesi,
                                     bool riepilogo)
{
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(percorso);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        if (!disegnaAnnoPaghe(printer, azienda, dipendente, anno, data, mesi, riepilogo))
            return false;
    }
    const QFileInfo info(percorso);
    return info.exists() && info.size() > 0;
}
