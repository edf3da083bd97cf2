#pragma once

#include <QString>

// Titled texts and HTML pages written as PDF files. Both functions return
// true only when a complete, non-empty PDF file was written at `path`; the
// folder of `path` must exist (the caller chose it in a file dialog).
namespace EsportaPdf {

// The title as a heading and the text below it in a monospaced font, line
// breaks and columns kept; title and text are shown literally (any "<", "&"
// or quote in them is escaped here). Pages break by themselves.
bool salvaTestoPdf(const QString& path, const QString& title, const QString& text);

// The escaped title as a heading followed by `html`, on A4 landscape pages
// with 10 mm margins. `html` is taken as it is: whoever builds it escapes the
// texts put into it.
bool salvaHtmlPdf(const QString& path, const QString& title, const QString& html);

} // namespace EsportaPdf
