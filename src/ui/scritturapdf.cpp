#include "scritturapdf.h"

#include "filesicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

bool ScritturaPdf::scrivi(const QString& percorso, const std::function<void(QPrinter&)>& stampa)
{
    if (percorso.isEmpty() || !QFileInfo(percorso).absoluteDir().exists() || QFileInfo(percorso).isDir())
        return false;

    QTemporaryFile temporaneo(QDir::tempPath() + QStringLiteral("/vardello_pdf_XXXXXX.pdf"));
    if (!temporaneo.open())
        return false;
    const QString nomeTemporaneo = temporaneo.fileName();
    temporaneo.close();

    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nomeTemporaneo);
        if (stampa)
            stampa(printer);
    } // the printer closes its file here

    QFile letto(nomeTemporaneo);
    if (!letto.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = letto.readAll();
    letto.close();
    if (!pdf.startsWith("%PDF-"))
        return false;
    return FileSicuri::scrivi(percorso, pdf);
}
