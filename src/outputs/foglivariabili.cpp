#include "fogliopaga.h"

#include "variabilimensili.h"

#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

const QColor kIntestazione(230, 234, 239);
const QColor kStriscia(242, 244, 246);

const char* const kMesi[] = {"",       "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",  "Giugno",
                             "Luglio", "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};

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
    return QLocale(QLocale::German, QLocale::Switzerland).toString(v, 'f', 2);
}

QFont arial(int punti, bool grassetto)
{
    QFont f(QStringLiteral("Arial"), punti);
    f.setBold(grassetto);
    return f;
}

} // namespace

void FoglioPaga::disegnaVariabiliRealiSu(QPrinter& printer, const QString& azienda, const QString& dipendente,
                                         int anno, const QString& luogoData, bool orario,
                                         const QList<VariabileMese>& mesi)
{
    QPainter p;
    if (!p.begin(&printer))
        return;

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
    p.drawText(L, Y(23), tr("Dipendente: %1").arg(dipendente));

    p.setFont(arial(13, true));
    p.drawText(QRect(0, Y(30), p.device()->width(), Y(9)), Qt::AlignHCenter | Qt::AlignTop,
               tr("Inserimento variabili mese - Anno %1").arg(anno));

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
                testoCella(cella, Qt::AlignLeft, QString::fromLatin1(kMesi[mese]));
                continue;
            }
            const double valore = v.*(colonne.at(i).campo);
            totali[i] += valore;
            testoCella(cella, Qt::AlignRight, std::fabs(valore) < 0.005 ? QStringLiteral("-") : numero(valore));
        }
        y += r;
    }

    p.setFont(arial(8, true));
    for (int i = 0; i < colonne.size(); ++i) {
        const QRect cella(sinistre.at(i), y, larghezze.at(i), r);
        p.fillRect(cella, kIntestazione);
        p.drawRect(cella);
        if (!colonne.at(i).campo)
            testoCella(cella, Qt::AlignLeft, tr("Totale annuo"));
        else
            testoCella(cella, Qt::AlignRight, numero(totali.at(i)));
    }
    p.end();
}
