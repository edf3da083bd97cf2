#include "piattaformatest.h"

#include "ambientetest.h"
#include "impostafonte.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

RegistroPiattaforma::RegistroPiattaforma()
{
    Piattaforma::sostituisci(this);
}

RegistroPiattaforma::~RegistroPiattaforma()
{
    Piattaforma::sostituisci(nullptr);
}

bool RegistroPiattaforma::apriUrl(const QUrl& url)
{
    urlAperti.append(url);
    return esitoApriUrl;
}

bool RegistroPiattaforma::avviaDistaccato(const QString& programma, const QStringList& argomenti)
{
    avvii.append({programma, argomenti});
    return esitoAvvio;
}

QString RegistroPiattaforma::trovaEseguibile(const QString& nome)
{
    return eseguibili.value(nome);
}

QString RegistroPiattaforma::cartellaProgramma()
{
    return cartellaDelProgramma.isEmpty() ? Piattaforma::cartellaProgramma() : cartellaDelProgramma;
}

bool RegistroPiattaforma::dialogoStampa(QPrinter& printer, QWidget*, const QString& titolo)
{
    dialoghiStampa.append(titolo);
    if (accettaStampa && !stampaSuPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(stampaSuPdf);
    }
    return accettaStampa;
}

QString RegistroPiattaforma::nomeFileSalva(QWidget*, const QString& titolo, const QString& proposto,
                                           const QString& filtro)
{
    richiesteSalva.append({titolo, proposto, filtro});
    return risposteSalva.isEmpty() ? QString() : risposteSalva.takeFirst();
}

void rispondiDialogoFile(const QString& percorso, std::function<void(QFileDialog*)> osserva)
{
    quandoAperto([percorso, osserva] {
        auto* dialogo = finestraAperta<QFileDialog>();
        if (!dialogo) {
            QTest::qFail("no file dialog open", __FILE__, __LINE__);
            return;
        }
        if (osserva)
            osserva(dialogo);
        if (percorso.isEmpty()) {
            dialogo->reject();
            return;
        }
        if (dialogo->fileMode() == QFileDialog::Directory) {
            // As a user typing the folder's path into the name field: what was
            // selected before no longer counts.
            if (auto* lista = dialogo->findChild<QListView*>(QStringLiteral("listView")))
                lista->selectionModel()->clearSelection();
            if (auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                nome->setText(percorso);
        } else {
            dialogo->selectFile(percorso);
        }
        // Replacing an existing file asks the toolkit's own question first.
        if (dialogo->acceptMode() == QFileDialog::AcceptSave && QFileInfo(percorso).isFile()
            && !dialogo->testOption(QFileDialog::DontConfirmOverwrite)) {
            quandoAperto([] {
                if (auto* domanda = finestraAperta<QMessageBox>())
                    domanda->button(QMessageBox::Yes)->click();
            });
        }
        static_cast<QDialog*>(dialogo)->accept(); // virtual: the file dialog checks the choice
        if (dialogo->isVisible()) // refused (e.g. a missing folder): give up
            dialogo->reject();
    });
}

bool InfoPdf::a4Verticale() const
{
    return qAbs(pagina.width() - 595.28) < 1 && qAbs(pagina.height() - 841.89) < 1;
}

bool InfoPdf::a4Orizzontale() const
{
    return qAbs(pagina.width() - 841.89) < 1 && qAbs(pagina.height() - 595.28) < 1;
}

InfoPdf leggiPdf(const QString& percorso)
{
    InfoPdf info;
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), percorso});
    if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitStatus() != QProcess::NormalExit || pdfinfo.exitCode() != 0)
        return info;
    const QStringList righe = QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& riga : righe) {
        const int duepunti = riga.indexOf(QLatin1Char(':'));
        if (duepunti < 0)
            continue;
        const QString chiave = riga.left(duepunti);
        const QString valore = riga.mid(duepunti + 1).trimmed();
        if (chiave == QLatin1String("Pages")) {
            info.pagine = valore.toInt();
        } else if (chiave == QLatin1String("Title")) {
            info.titolo = valore;
        } else if (chiave == QLatin1String("Page size")) {
            const auto m = QRegularExpression(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts")).match(valore);
            if (m.hasMatch())
                info.pagina = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        }
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), percorso,
                     QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return info;
    info.testo = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // Typographic ligatures ("fi", "fl", ...) back to their letters.
    for (ushort l = 0xFB00; l <= 0xFB06; ++l)
        info.testo.replace(QChar(l), QString(QChar(l)).normalized(QString::NormalizationForm_KC));
    info.valido = info.pagine > 0;
    return info;
}

bool validaPain001(const QString& percorso, QString* uscita)
{
    const QString xsd = qEnvironmentVariable("VARDELLO_DATI_TEST") + QStringLiteral("/schemas/pain.001.001.09.xsd");
    QProcess xmllint;
    xmllint.setProcessChannelMode(QProcess::MergedChannels);
    xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--schema"), xsd, percorso});
    const bool finito = xmllint.waitForFinished(30000);
    if (uscita)
        *uscita = finito ? QString::fromUtf8(xmllint.readAll()) : QStringLiteral("xmllint did not finish");
    return finito && xmllint.exitStatus() == QProcess::NormalExit && xmllint.exitCode() == 0;
}

namespace {

QByteArray recordTariffa(const QString& codice, double soglia, double aliquota)
{
    const QString r = QStringLiteral("0601TI") + codice.leftJustified(10, QLatin1Char(' ')) + QStringLiteral("20260101")
        + QStringLiteral("%1").arg(qRound64(soglia * 100), 9, 10, QLatin1Char('0')) + QStringLiteral("000050000")
        + QStringLiteral(" 00") + QStringLiteral("000000000")
        + QStringLiteral("%1").arg(qRound64(aliquota * 100), 5, 10, QLatin1Char('0')) + QStringLiteral("   \r\n");
    return r.toLatin1();
}

} // namespace

bool caricaTariffeTicino(const QStringList& altri, bool c1Contraddice)
{
    static QTemporaryDir cartella;
    QByteArray testo;
    for (int k = 0; k <= 40; ++k)
        testo += recordTariffa(QStringLiteral("A0N"), k * 500.0, k * 0.5);
    testo += recordTariffa(QStringLiteral("B2N"), 0, 2);
    if (c1Contraddice)
        testo += recordTariffa(QStringLiteral("C1N"), 0, 2) + recordTariffa(QStringLiteral("C1N"), 0, 3);
    AmbienteTest::scrivi(cartella.path() + QStringLiteral("/tar26ti.txt"), testo);
    for (const QString& gz : altri) {
        QProcess gzip;
        gzip.setStandardOutputFile(cartella.path() + QLatin1Char('/') + QString(gz).remove(QStringLiteral(".gz")));
        gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"),
                                            qEnvironmentVariable("VARDELLO_DATI_TEST") + QStringLiteral("/tariffs/") + gz});
        if (!gzip.waitForFinished(30000) || gzip.exitCode() != 0)
            return false;
    }
    return ImpostaFonte::caricaDa(cartella.path());
}
