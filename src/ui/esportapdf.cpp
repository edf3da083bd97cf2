#include "esportapdf.h"

#include "scritturapdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTextDocument>

bool EsportaPdf::salvaTestoPdf(const QString& path, const QString& title, const QString& text)
{
    // "pre-wrap" keeps line breaks and column alignment and still wraps a line
    // wider than the page, so no part of a long line is cut off.
    const QString html = QStringLiteral("<h2>") + title.toHtmlEscaped()
        + QStringLiteral("</h2><pre style=\"white-space: pre-wrap;\">") + text.toHtmlEscaped()
        + QStringLiteral("</pre>");
    return ScritturaPdf::scrivi(path, [&](QPrinter& printer) {
        printer.setDocName(title);
        QTextDocument documento;
        documento.setHtml(html);
        documento.print(&printer);
    });
}

bool EsportaPdf::salvaHtmlPdf(const QString& path, const QString& title, const QString& html)
{
    const QString pagina = QStringLiteral("<h2>") + title.toHtmlEscaped() + QStringLiteral("</h2>") + html;
    return ScritturaPdf::scrivi(path, [&](QPrinter& printer) {
        printer.setDocName(title);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                          QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QTextDocument documento;
        documento.setHtml(pagina);
        documento.setPageSize(printer.pageRect(QPrinter::Point).size());
        documento.print(&printer);
    });
}
