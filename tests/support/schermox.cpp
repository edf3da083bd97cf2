#include "schermox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {

QProcess* server = nullptr;
QString schermo;

void fermaServer()
{
    if (!server)
        return;
    server->terminate();
    if (!server->waitForFinished(3000))
        server->kill();
    server->waitForFinished(3000);
    delete server;
    server = nullptr;
}

// Starts Xvfb on a free display (it writes the display's number on its
// standard output); the display name, or empty when it did not start.
QString avviaServer(const QString& programma)
{
    server = new QProcess;
    server->setProgram(programma);
    server->setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                          QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
    server->setProcessChannelMode(QProcess::SeparateChannels);
    server->start();
    qAddPostRoutine(fermaServer);
    QByteArray numero;
    while (!numero.contains('\n') && server->waitForReadyRead(10000))
        numero += server->readAllStandardOutput();
    numero = numero.trimmed();
    return numero.isEmpty() ? QString() : QStringLiteral(":") + QString::fromLatin1(numero);
}

} // namespace

bool SchermoX::qui()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

SchermoX::Esito SchermoX::eseguiFiglio(QString* uscita)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return Esito::XvfbAssente;
    if (!server)
        schermo = avviaServer(xvfb);
    if (schermo.isEmpty()) {
        *uscita = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(server->readAllStandardError());
        return Esito::Fallito;
    }

    QString funzione = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        funzione += QLatin1Char(':') + QString::fromLatin1(QTest::currentDataTag());
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    ambiente.insert(QStringLiteral("DISPLAY"), schermo);
    QProcess figlio;
    figlio.setProcessEnvironment(ambiente);
    figlio.setProcessChannelMode(QProcess::MergedChannels);
    figlio.start(QCoreApplication::applicationFilePath(), {funzione});
    const bool finito = figlio.waitForFinished(120000);
    *uscita = QString::fromLocal8Bit(figlio.readAll());
    if (!finito)
        figlio.kill();
    return finito && figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0 ? Esito::Riuscito
                                                                                              : Esito::Fallito;
}
