#include "fogliopaga.h"

#include "decimali.h"
#include "linguautente.h"
#include "variabilimensili.h"

#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

const QColor kIntestazione(230, 234, 239);
const QColor kStriscia(242, 244, 246);

struct Colonna
{
    const char* intestazione;
    double VariabileMese::*campo; // null: the month name
    double larghezza;             // mm
};

const QList<Colonna>& colonneOrarie()
{
    static const QList<Colonna> c{
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
    return c;
}

const QList<Colonna>& colonneMensili()
{
    static const QList<Colonna> c{
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
    return c;
}

QString numero(double v)
{
    return QLocale(QLocale::German, QLocale::Switzerland).toString(Decimali::arrotonda(v, 100.0), 'f', 2);
}

// A value of the variables: francs with two decimals, hours and days with
// the decimals they hold (1.125 hours stay 1.125).
QString numero(double v, double VariabileMese::*campo)
{
    const QString t = VariabiliMensili::testo(campo, v);
    return QLocale(QLocale::German, QLocale::Switzerland)
        .toString(t.toDouble(), 'f', t.size() - t.indexOf(QLatin1Char('.')) - 1);
}

QFont arial(int punti, bool grassetto)
{
    QFont f(QStringLiteral("Arial"), punti);
    f.setBold(grassetto);
    return f;
}

// The monthly variables sheet on the painter's current page.
void paginaVariabili(QPainter& p, const QString& azienda, const QString& dipendente, int anno,
                     const QString& luogoData, bool orario, const QList<VariabileMese>& mesi)
{
    // Millimetres to device pixels; lengths truncated to whole pixels.
    const double sx = p.device()->width() / 210.0;
    const double sy = p.device()->height() / 297.0;
    auto X = [sx](double mm) { return int(mm * sx); };
    auto Y = [sy](double mm) { return int(mm * sy); };

    const QList<Colonna>& colonne = orario ? colonneOrarie() : colonneMensili();
    const int L = X(15);
    const int r = Y(7);
    const int hIntestazione = Y(2) + r;
    const int margine = X(1);
    QList<int> sinistre;
    QList<int> larghezze;
    int x = L;
    for (const Colonna& c : colonne) {
        sinistre << x;
        larghezze << X(c.larghezza);
        x += larghezze.last();
    }

    p.setPen(Qt::black);
    p.setFont(arial(8, false));
    p.drawText(L, Y(18), azienda);
    p.drawText(L, Y(23), QCoreApplication::translate("FoglioPaga", "Dipendente: %1").arg(dipendente));

    p.setFont(arial(13, true));
    p.drawText(QRect(0, Y(30), p.device()->width(), Y(9)), Qt::AlignHCenter | Qt::AlignTop,
               QCoreApplication::translate("FoglioPaga", "Inserimento variabili mese - Anno %1").arg(anno));

    p.setFont(arial(8, false));
    p.drawText(QRect(L, Y(39), X(180), Y(5)), Qt::AlignRight | Qt::AlignTop, luogoData);

    int y = Y(48);
    p.setFont(arial(7, true));
    for (int i = 0; i < colonne.size(); ++i) {
        const QRect cella(sinistre.at(i), y, larghezze.at(i), hIntestazione);
        p.fillRect(cella, kIntestazione);
        p.drawRect(cella);
        p.drawText(cella, Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(colonne.at(i).intestazione));
    }
    y += hIntestazione;

    auto testoCella = [&](const QRect& cella, int allineamento, const QString& testo) {
        p.drawText(cella.adjusted(margine, 0, -margine, 0), allineamento | Qt::AlignVCenter, testo);
    };

    QVector<double> totali(colonne.size(), 0.0);
    p.setFont(arial(8, false));
    for (int mese = 1; mese <= 12; ++mese) {
        VariabileMese v;
        for (const VariabileMese& m : mesi) {
            if (m.mese == mese) {
                v = m;
                break;
            }
        }
        const QColor sfondo = mese % 2 == 1 ? QColor(Qt::white) : kStriscia;
        for (int i = 0; i < colonne.size(); ++i) {
            const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
            p.fillRect(cella, sfondo);
            p.drawRect(cella);
            if (!colonne.at(i).campo) {
                testoCella(cella, Qt::AlignLeft, LinguaUtente::nomeMeseMaiuscolo(mese));
                continue;
            }
            const double valore = v.*(colonne.at(i).campo);
            totali[i] += valore;
            // Nothing shows "-": below half a centime, or half a thousandth
            // of an hour or a day.
            const double nulla = VariabiliMensili::importo(colonne.at(i).campo) ? 0.005 : 0.0005;
            testoCella(cella, Qt::AlignRight,
                       std::fabs(valore) < nulla ? QStringLiteral("-") : numero(valore, colonne.at(i).campo));
        }
        y += r;
    }

    p.setFont(arial(8, true));
    for (int i = 0; i < colonne.size(); ++i) {
        const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
        p.fillRect(cella, kIntestazione);
        p.drawRect(cella);
        if (!colonne.at(i).campo)
            testoCella(cella, Qt::AlignLeft, QCoreApplication::translate("FoglioPaga", "Totale annuo"));
        else
            testoCella(cella, Qt::AlignRight, numero(totali.at(i), colonne.at(i).campo));
    }
}

// One column of the pay-history year sheet.
struct ColonnaPaghe
{
    const char* intestazione;
    double StoricoPaghe::PagaMese::*campo; // null: the month name
    double larghezza;                      // mm
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

// What of the pay-history year sheet is drawn.
enum class PagineAnno { Anno, AnnoERiepilogo, SoloRiepilogo };

// Draws the pay-history year sheet from the painter's current page; false
// when a new page could not be started.
bool pagineAnnoPaghe(QPainter& p, QPrinter& printer, const QString& azienda, const QString& dipendente, int anno,
                     const QString& data, const QList<StoricoPaghe::PagaMese>& mesi, PagineAnno pagine)
{
    const double sx = p.device()->width() / 210.0;
    const double sy = p.device()->height() / 297.0;
    auto X = [sx](double mm) { return int(mm * sx); };
    auto Y = [sy](double mm) { return int(mm * sy); };
    const int L = X(20);
    const int r = Y(6);
    const int margine = X(1);
    const int nColonne = int(sizeof(kColonnePaghe) / sizeof(kColonnePaghe[0]));
    QList<int> sinistre;
    QList<int> larghezze;
    int x = L;
    for (const ColonnaPaghe& c : kColonnePaghe) {
        sinistre << x;
        larghezze << X(c.larghezza);
        x += larghezze.last();
    }

    // The first record of each month; a month without one stays empty.
    QVector<const StoricoPaghe::PagaMese*> perMese(13, nullptr);
    for (const StoricoPaghe::PagaMese& m : mesi) {
        if (m.mese >= 1 && m.mese <= 12 && !perMese.at(m.mese))
            perMese[m.mese] = &m;
    }
    QVector<double> totali(nColonne, 0.0);
    for (int mese = 1; mese <= 12; ++mese) {
        for (int i = 1; perMese.at(mese) && i < nColonne; ++i)
            totali[i] += perMese.at(mese)->*kColonnePaghe[i].campo;
    }

    auto testoCella = [&](const QRect& cella, int allineamento, const QString& testo) {
        p.drawText(cella.adjusted(margine, 0, -margine, 0), allineamento | Qt::AlignVCenter, testo);
    };
    // Company, employee, title, date and the header row; the first row below.
    auto testata = [&](const QString& sottotitolo) {
        p.setPen(Qt::black);
        p.setFont(arial(9, false));
        p.drawText(L, Y(18), azienda);
        p.drawText(L, Y(24), QCoreApplication::translate("FoglioPaga", "Dipendente: %1").arg(dipendente));
        p.setFont(arial(13, true));
        p.drawText(QRect(0, Y(32), p.device()->width(), Y(10)), Qt::AlignHCenter | Qt::AlignTop,
                   QCoreApplication::translate("FoglioPaga", "Inserimento variabili mese - %1").arg(sottotitolo));
        p.setFont(arial(9, false));
        p.drawText(QRect(0, Y(40), p.device()->width() - X(20), Y(5)), Qt::AlignRight | Qt::AlignTop, data);
        const int y = Y(55);
        p.setFont(arial(8, true));
        for (int i = 0; i < nColonne; ++i) {
            const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
            p.drawRect(cella);
            p.drawText(cella, Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(kColonnePaghe[i].intestazione));
        }
        return y + r;
    };
    auto rigaTotale = [&](int y) {
        p.setFont(arial(9, true));
        for (int i = 0; i < nColonne; ++i) {
            const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
            p.drawRect(cella);
            if (i == 0)
                testoCella(cella, Qt::AlignLeft, QCoreApplication::translate("FoglioPaga", "Totale annuo"));
            else
                testoCella(cella, Qt::AlignRight, numero(totali.at(i)));
        }
    };

    if (pagine == PagineAnno::SoloRiepilogo) {
        rigaTotale(testata(QCoreApplication::translate("FoglioPaga", "Riepilogo annuale - Anno %1").arg(anno)));
        return true;
    }
    int y = testata(QCoreApplication::translate("FoglioPaga", "Anno %1").arg(anno));
    p.setFont(arial(9, false));
    for (int mese = 1; mese <= 12; ++mese) {
        for (int i = 0; i < nColonne; ++i) {
            const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
            p.drawRect(cella);
            if (i == 0)
                testoCella(cella, Qt::AlignLeft, LinguaUtente::nomeMeseMaiuscolo(mese));
            else if (perMese.at(mese))
                testoCella(cella, Qt::AlignRight, numero(perMese.at(mese)->*kColonnePaghe[i].campo));
        }
        y += r;
    }
    rigaTotale(y);

    if (pagine == PagineAnno::AnnoERiepilogo) {
        if (!printer.newPage())
            return false;
        rigaTotale(testata(QCoreApplication::translate("FoglioPaga", "Riepilogo annuale - Anno %1").arg(anno)));
    }
    return true;
}

// Draws the pay-history year sheet; false when the printer could not be
// painted on or the pages could not be completed.
bool disegnaAnnoPaghe(QPrinter& printer, const QString& azienda, const QString& dipendente, int anno,
                      const QString& data, const QList<StoricoPaghe::PagaMese>& mesi, bool riepilogo)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const bool completo = pagineAnnoPaghe(p, printer, azienda, dipendente, anno, data, mesi,
                                          riepilogo ? PagineAnno::AnnoERiepilogo : PagineAnno::Anno);
    return p.end() && completo;
}

} // namespace

void FoglioPaga::disegnaVariabiliRealiSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                         int anno, const QString& luogoData, bool orario,
                                         const QList<VariabileMese>& mesi)
{
    QPainter p;
    if (!p.begin(&printer))
        return;
    paginaVariabili(p, azienda, dipendente, anno, luogoData, orario, mesi);
    p.end();
}

void FoglioPaga::disegnaRiepilogoAnnualeSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                           int anno, const QString& luogoData, bool orario,
                                           const QList<VariabileMese>& variabili,
                                           const QList<StoricoPaghe::PagaMese>& paghe, const QStringList& esclusi)
{
    QPainter p;
    if (!p.begin(&printer))
        return;
    paginaVariabili(p, azienda, dipendente, anno, luogoData, orario, variabili);
    if (printer.newPage()
        && pagineAnnoPaghe(p, printer, azienda, dipendente, anno, luogoData, paghe, PagineAnno::SoloRiepilogo)
        && !esclusi.isEmpty()) {
        // Below the total row: the months it leaves out, each with why.
        const double sx = p.device()->width() / 210.0;
        const double sy = p.device()->height() / 297.0;
        p.setFont(arial(9, false));
        p.drawText(QRect(int(20 * sx), int(72 * sy), int(170 * sx), int(200 * sy)),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QCoreApplication::translate("FoglioPaga",
                                               "Non pagati e non compresi nel totale (l'ultima chiusura del mese "
                                               "non li ha potuti conteggiare):")
                       + QLatin1Char('\n') + esclusi.join(QLatin1Char('\n')));
    }
    p.end();
}

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
