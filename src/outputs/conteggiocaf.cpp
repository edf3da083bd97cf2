#include "conteggiocaf.h"

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

QMap<QString, QList<ConteggioCAF::RigaDip>> ConteggioCAF::righe(int anno, QStringList* esclusi)
{
    QMap<QString, QList<RigaDip>> perCantone;
    for (const QString& id : Dipendente::elencoDipendenti(false)) {
        DatiDipendente d;
        const bool scheda = Dipendente::carica(id, d);
        const PagheAnno::Somme s = scheda ? PagheAnno::cifre(id, d, anno) : PagheAnno::cifre(id, anno);
        if (!s.conCifre()) {
            if (esclusi)
                esclusi->append(PagheAnno::rigaEsclusione(PagheAnno::nome(id, d), s, anno));
            continue;
        }
        // Every salary the fund's contribution is charged on counts, with or
        // without children.
        if (!(s.salarioCaf > 0) && !(s.assegni > 0))
            continue;
        RigaDip r;
        r.nome = PagheAnno::nome(id, d);
        r.numeroAVS = d.numeroAVS;
        r.numFigli = d.figli.size();
        r.stima = s.stima();
        r.rifiuti = PagheAnno::rigaRifiuti(r.nome, s);
        // The salary and the allowances paid in the saved months (estimated
        // only without any).
        r.salarioCaf = s.salarioCaf;
        r.assegni = s.assegni;
        // The children and canton December paid by.
        r.dettagli = PagheAnno::figliDicembre(d, s, anno, &r.cantone);
        perCantone[r.cantone].append(r);
    }
    return perCantone;
}

QString ConteggioCAF::html(int anno)
{
    QString h = QStringLiteral("<html><head><meta charset='utf-8'>")
        + QStringLiteral("<style>@page { size: A4 landscape; margin: 10mm; } body { font-family: sans-serif; } "
                         "table { border-collapse: collapse; } th, td { border: 1px solid #000; padding: 4px; } "
                         "h2 { margin-top: 18px; }</style></head><body>");
    h += QStringLiteral("<h1>Conteggio CAF ") + QString::number(anno) + QStringLiteral("</h1><p>Data: ")
        + Orologio::oggi().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral("</p>");
    double salariTotali = 0.0;
    double assegniTotali = 0.0;
    QStringList esclusi;
    QStringList rifiuti;
    bool conStima = false;
    const QMap<QString, QList<RigaDip>> perCantone = righe(anno, &esclusi);
    for (auto it = perCantone.cbegin(); it != perCantone.cend(); ++it) {
        h += QStringLiteral("<h2>Cantone CAF: ") + it.key().toHtmlEscaped() + QStringLiteral("</h2>")
            + QStringLiteral("<table width='100%'><tr><th>Dipendente</th><th>Numero AVS</th>"
                             "<th>Salario CAF annuo</th><th>N. figli</th><th>Assegni CAF annui</th></tr>");
        double salari = 0.0;
        double assegni = 0.0;
        for (const RigaDip& r : it.value()) {
            conStima = conStima || r.stima;
            if (!r.rifiuti.isEmpty())
                rifiuti << r.rifiuti;
            h += QStringLiteral("<tr><td>") + (r.stima ? r.nome + QStringLiteral(" (stima)") : r.nome).toHtmlEscaped()
                + QStringLiteral("</td><td>") + r.numeroAVS.toHtmlEscaped() + QStringLiteral("</td><td align='right'>")
                + importo(r.salarioCaf)
                + QStringLiteral("</td><td align='center'>") + QString::number(r.numFigli)
                + QStringLiteral("</td><td align='right'>") + importo(r.assegni) + QStringLiteral("</td></tr>");
            salari += r.salarioCaf;
            assegni += r.assegni;
        }
        h += QStringLiteral("<tr><th>Totale cantone</th><th></th><th align='right'>") + importo(salari)
            + QStringLiteral("</th><th></th><th align='right'>") + importo(assegni) + QStringLiteral("</th></tr></table>");
        salariTotali += salari;
        assegniTotali += assegni;
        h += QStringLiteral("<p>Dettaglio figli (dicembre):</p><table><tr><th>Dipendente</th><th>Figlio</th>"
                            "<th>Data nascita</th><th>Eta</th><th>Tipo</th><th>Importo mensile</th></tr>");
        for (const RigaDip& r : it.value()) {
            for (const AssegniFamiliari::DettaglioFiglio& f : r.dettagli) {
                h += QStringLiteral("<tr><td>") + r.nome.toHtmlEscaped() + QStringLiteral("</td><td>")
                    + f.nome.toHtmlEscaped() + QStringLiteral("</td><td>") + f.dataNascita.toHtmlEscaped()
                    + QStringLiteral("</td><td align='center'>") + QString::number(f.eta) + QStringLiteral("</td><td>")
                    + f.tipo.toHtmlEscaped() + QStringLiteral("</td><td align='right'>") + importo(f.importo)
                    + QStringLiteral("</td></tr>");
            }
        }
        h += QStringLiteral("</table>");
    }
    h += QStringLiteral("<h2>Totale generale</h2><table><tr><th>Salari CAF annui</th><th>Assegni CAF annui</th></tr>")
        + QStringLiteral("<tr><td align='right'>") + importo(salariTotali) + QStringLiteral("</td><td align='right'>")
        + importo(assegniTotali) + QStringLiteral("</td></tr></table>");
    if (conStima)
        h += QStringLiteral("<p>") + CertificatoAnnuo::rigaStima().toHtmlEscaped() + QStringLiteral("</p>");
    for (const QString& riga : qAsConst(rifiuti))
        h += QStringLiteral("<p>") + riga.toHtmlEscaped() + QStringLiteral("</p>");
    for (const QString& riga : qAsConst(esclusi))
        h += QStringLiteral("<p>") + riga.toHtmlEscaped() + QStringLiteral("</p>");
    h += QStringLiteral("</body></html>");
    return h;
}

bool ConteggioCAF::esportaHtml(const QString& percorso, int anno)
{
    return FileSicuri::scrivi(percorso, html(anno).toUtf8());
}
