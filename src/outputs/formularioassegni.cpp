#include "formularioassegni.h"

#include "assegnifamiliari.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "orologio.h"
#include "pagheanno.h"

namespace {

QString importo(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

QString FormularioAssegni::html(int anno)
{
    QString h = QStringLiteral("<html><head><meta charset='utf-8'>")
        + QStringLiteral("<style>@page { size: A4 landscape; margin: 10mm; } body { font-family: sans-serif; } "
                         "table { border-collapse: collapse; } th, td { border: 1px solid #000; padding: 4px; }"
                         "</style>")
        + QStringLiteral("</head><body>");
    h += QStringLiteral("<p>Anno: ") + QString::number(anno) + QStringLiteral(" - Data: ")
        + Orologio::oggi().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("</p>");

    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        if (!Dipendente::carica(id, d) || d.figli.isEmpty())
            continue;
        const QString cantone = PagheAnno::cantone(d);
        double mesi[12] = {};
        double totale = 0.0;
        QList<AssegniFamiliari::DettaglioFiglio> dicembre;
        for (int m = 1; m <= 12; ++m) {
            // No allowance outside the employment.
            if (!PagheAnno::inServizio(d, anno, m))
                continue;
            const AssegniFamiliari::Risultato r =
                AssegniFamiliari::calcola(cantone, d.figli, d.salarioMensile, QDate(anno, m, 1));
            mesi[m - 1] = r.totale;
            totale += r.totale;
            if (m == 12)
                dicembre = r.dettagli;
        }
        h += QStringLiteral("<h3>") + (d.cognome + QLatin1Char(' ') + d.nome).toHtmlEscaped()
            + QStringLiteral(" - AVS: ") + d.numeroAVS.toHtmlEscaped() + QStringLiteral(" - Cantone: ")
            + cantone.toHtmlEscaped() + QStringLiteral("</h3>");
        h += QStringLiteral("<table border='1' cellspacing='0' cellpadding='4' width='100%'>")
            + QStringLiteral("<tr><th>Gen</th><th>Feb</th><th>Mar</th><th>Apr</th><th>Mag</th><th>Giu</th>"
                             "<th>Lug</th><th>Ago</th><th>Set</th><th>Ott</th><th>Nov</th><th>Dic</th>"
                             "<th>Totale</th></tr><tr>");
        for (double v : mesi)
            h += QStringLiteral("<td align='right'>") + importo(v) + QStringLiteral("</td>");
        h += QStringLiteral("<td align='right'><b>") + importo(totale) + QStringLiteral("</b></td></tr></table>");
        if (!dicembre.isEmpty()) {
            h += QStringLiteral("<p>Dettaglio figli (dicembre):</p><table border='1' cellspacing='0' cellpadding='4'>")
                + QStringLiteral("<tr><th>Figlio</th><th>Data nascita</th><th>Eta</th><th>Tipo</th>"
                                 "<th>Importo mensile</th></tr>");
            for (const AssegniFamiliari::DettaglioFiglio& f : dicembre) {
                h += QStringLiteral("<tr><td>") + f.nome.toHtmlEscaped() + QStringLiteral("</td><td>")
                    + f.dataNascita.toHtmlEscaped() + QStringLiteral("</td><td align='right'>")
                    + QString::number(f.eta) + QStringLiteral("</td><td>") + f.tipo.toHtmlEscaped()
                    + QStringLiteral("</td><td align='right'>") + importo(f.importo) + QStringLiteral("</td></tr>");
            }
            h += QStringLiteral("</table>");
        }
        h += QStringLiteral("<br/>");
    }
    h += QStringLiteral("</body></html>");
    return h;
}

bool FormularioAssegni::esportaHtml(const QString& percorso, int anno)
{
    return FileSicuri::scrivi(percorso, html(anno).toUtf8());
}
