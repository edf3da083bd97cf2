#include "piattaforma.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace {
Piattaforma reale;
Piattaforma* sostituto = nullptr;
}

Piattaforma::~Piattaforma() = default;

bool Piattaforma::apriUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool Piattaforma::avviaDistaccato(const QString& programma, const QStringList& argomenti)
{
    return QProcess::startDetached(programma, argomenti);
}

QString Piattaforma::trovaEseguibile(const QString& nome)
{
    return QStandardPaths::findExecutable(nome);
}

QString Piattaforma::cartellaProgramma()
{
    return QCoreApplication::applicationDirPath();
}

bool Piattaforma::dialogoStampa(QPrinter& printer, QWidget* parent, const QString& titolo)
{
    QPrintDialog dialogo(&printer, parent);
    dialogo.setWindowTitle(titolo);
    return dialogo.exec() == QDialog::Accepted;
}

QString Piattaforma::nomeFileSalva(QWidget* parent, const QString& titolo, const QString& proposto,
                                   const QString& filtro)
{
    return QFileDialog::getSaveFileName(parent, titolo, proposto, filtro);
}

Piattaforma& Piattaforma::attuale()
{
    return sostituto ? *sostituto : reale;
}

void Piattaforma::sostituisci(Piattaforma* nuovo)
{
    sostituto = nuovo;
}
