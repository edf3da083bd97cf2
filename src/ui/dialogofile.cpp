#include "dialogofile.h"

#include "config.h"
#include "messaggi.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace DialogoFile {
namespace {

// The folder a dialog starts in: the given one when it exists, else the
// current company's export folder (a file path is not a folder).
QString cartellaSensata(const QString& percorso)
{
    if (!percorso.isEmpty() && QFileInfo(percorso).isDir())
        return percorso;
    return Config::cartellaExportAzienda();
}

// Set-up shared by every dialog, after its mode is set.
void configura(QFileDialog& dialogo)
{
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filtri = dialogo.nameFilters();
    if (!filtri.isEmpty())
        dialogo.setNameFilter(filtri.first()); // only the first type is offered
    // The cancel button found by its role, whatever language the toolkit's
    // own texts are in.
    const QList<QDialogButtonBox*> scatole = dialogo.findChildren<QDialogButtonBox*>();
    for (QDialogButtonBox* scatola : scatole) {
        if (QPushButton* annulla = scatola->button(QDialogButtonBox::Cancel))
            annulla->setText(QCoreApplication::translate("DialogoFile", "Annulla"));
    }
}

// Hides the file-type box when the filter holds at most one type.
void nascondiComboSeUnico(QFileDialog& dialogo, const QString& filtro)
{
    const QStringList parti = filtro.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (parti.size() <= 1) {
        if (auto* combo = dialogo.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            combo->hide();
    }
}

// Remembers the folder that holds the chosen path.
void salvaCartella(const QString& percorso)
{
    if (percorso.isEmpty())
        return;
    QSettings s(QStringLiteral("Vardello"), QStringLiteral("DialogoFile"));
    s.setValue(QStringLiteral("ultimaCartella"), QFileInfo(percorso).absolutePath());
}

// Whether `cartella` is the export folder or lies below it. Cleaned paths are
// compared, so a sibling such as ".../export2" is outside.
bool dentro(const QString& cartella, const QString& export_)
{
    const QString c = QDir::cleanPath(QFileInfo(cartella).absoluteFilePath());
    const QString e = QDir::cleanPath(QFileInfo(export_).absoluteFilePath());
    return c == e || c.startsWith(e.endsWith(QLatin1Char('/')) ? e : e + QLatin1Char('/'));
}

} // namespace

QString salva(QWidget* parent, const QString& titolo, const QString& suggerito, const QString& filtro)
{
    const QString inizio = cartellaSensata(suggerito);
    QFileDialog dialogo(parent, titolo, inizio, filtro);
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setDirectory(inizio);
    const QString nome = QFileInfo(suggerito).fileName();
    if (!nome.isEmpty() && !QFileInfo(suggerito).isDir())
        dialogo.selectFile(inizio + QLatin1Char('/') + nome);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    configura(dialogo);
    nascondiComboSeUnico(dialogo, filtro);

    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    const QString file = dialogo.selectedFiles().first();
    if (file.isEmpty())
        return QString();

    const QString export_ = Config::cartellaExportAzienda();
    if (!dentro(QFileInfo(file).absolutePath(), export_)) {
        const auto risposta = Messaggi::domanda(
            parent, QCoreApplication::translate("DialogoFile", "Cartella diversa"),
            QCoreApplication::translate("DialogoFile", "Stai salvando fuori dalla cartella dell'azienda:\n%1\n\nVuoi continuare?").arg(export_),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (risposta != QMessageBox::Yes)
            return QString();
    }
    salvaCartella(file);
    return file;
}

QString apri(QWidget* parent, const QString& titolo, const QString& cartellaIniziale, const QString& filtro)
{
    const QString inizio = cartellaSensata(cartellaIniziale);
    QFileDialog dialogo(parent, titolo, inizio, filtro);
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    configura(dialogo);
    nascondiComboSeUnico(dialogo, filtro);

    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    const QString file = dialogo.selectedFiles().first();
    salvaCartella(file);
    return file;
}

QString cartella(QWidget* parent, const QString& titolo, const QString& cartellaIniziale)
{
    const QString inizio = cartellaSensata(cartellaIniziale);
    QFileDialog dialogo(parent, titolo, inizio, QString());
    dialogo.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::Directory);
    dialogo.setOption(QFileDialog::ShowDirsOnly, true);
    configura(dialogo);
    dialogo.setLabelText(QFileDialog::Accept, QCoreApplication::translate("DialogoFile", "Salva"));
    if (auto* combo = dialogo.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        combo->hide();
    if (auto* etichetta = dialogo.findChild<QLabel*>(QStringLiteral("fileTypeLabel")))
        etichetta->hide();
    // The name field always shows the folder being browsed. The dialog empties
    // the field after announcing a folder it entered, so the folder is written
    // in on the next turn of the event loop.
    if (auto* nome = dialogo.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        nome->setText(dialogo.directory().absolutePath());
        QObject::connect(
            &dialogo, &QFileDialog::directoryEntered, nome,
            [nome](const QString& entrata) { nome->setText(entrata); }, Qt::QueuedConnection);
    }

    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    const QString scelta = dialogo.selectedFiles().first();
    salvaCartella(scelta);
    return scelta;
}

} // namespace DialogoFile
