#include "formularioassegni.h"

#include "assegnifamiliari.h"
#include "certificatoannuo.h"
#include "decimali.h"
#include "dipendente.h"
#include "filesicuri.h"
#include "orologio.h"
#include "pagheanno.h"

namespace {

QString importo(double v)
{
    return Decimali::testo(v);
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

    QStringList esclusi;
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        if (!Dipendente::carica(id, d)) {
            esclusi << PagheAnno::rigaEsclusione(id, PagheAnno::cifre(id, anno), anno);
            continue;
        }
        const PagheAnno::Somme s = PagheAnno::cifre(id, d, anno);
        if (d.figli.isEmpty() && !(s.assegni > 0))
            continue;
        if (!s.conCifre()) {
            esclusi << PagheAnno::rigaEsclusione(PagheAnno::nome(id, d), s, anno);
            continue;
        }
        // The allowances paid in each month (estimated only without any
        // saved month); the canton December paid them by.
        const double* mesi = s.assegniMese;
        const double totale = s.assegni;
        QString cantone;
        const QList<AssegniFamiliari::DettaglioFiglio> dicembre = PagheAnno::figliDicembre(d, s, anno, &cantone);
        h += QStringLiteral("<h3>") + (d.cognome + QLatin1Char(' ') + d.nome).toHtmlEscaped()
            + QStringLiteral(" - AVS: ") + d.numeroAVS.toHtmlEscaped() + QStringLiteral(" - Cantone: ")
            + cantone.toHtmlEscaped() + (s.stima() ? QStringLiteral(" (stima)") : QString()) + QStringLiteral("</h3>");
        if (s.stima())
            h += QStringLiteral("<p>") + CertificatoAnnuo::rigaStima().toHtmlEscaped() + QStringLiteral("</p>");
        h += QStringLiteral("<table border='1' cellspacing='0' cellpadding='4' width='100%'>")
            + QStringLiteral("<tr><th>Gen</th><th>Feb</th><th>Mar</th><th>Apr</th><th>Mag</th><th>Giu</th>"
                             "<th>Lug</th><th>Ago</th><th>Set</th><th>Ott</th><th>Nov</th><th>Dic</th>"
                             "<th>Totale</th></tr><tr>");
        for (int m = 0; m < 12; ++m)
            h += QStringLiteral("<td align='right'>") + importo(mesi[m]) + QStringLiteral("</td>");
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
    for (const QString& riga : qAsConst(esclusi))
        h += QStringLiteral("<p>") + riga.toHtmlEscaped() + QStringLiteral("</p>");
    h += QStringLiteral("</body></html>");
    return h;
}

bool FormularioAssegni::esportaHtml(const QString& percorso, int anno)
{
    return FileSicuri::scrivi(percorso, html(anno).toUtf8());
}
