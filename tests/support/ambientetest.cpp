#include "ambientetest.h"

#include "orologio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

namespace {
QTemporaryDir* cartella = nullptr;
}

void AmbienteTest::prepara()
{
    cartella = new QTemporaryDir();
    const QString base = cartella->path();
    const QString homeDir = base + QStringLiteral("/home");
    QDir().mkpath(homeDir);
    qputenv("HOME", homeDir.toUtf8());
    qputenv("XDG_CONFIG_HOME", (homeDir + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (homeDir + QStringLiteral("/.local/share")).toUtf8());
    qputenv("XDG_CACHE_HOME", (homeDir + QStringLiteral("/.cache")).toUtf8());
    const QString runtime = base + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
}

QString AmbienteTest::home()
{
    return QDir::homePath();
}

void AmbienteTest::svuota()
{
    // Only the temporary home of prepara() is ever emptied: a test built
    // without it would otherwise wipe the real home folder.
    if (!cartella || !QDir(home()).absolutePath().startsWith(QDir(cartella->path()).absolutePath() + QLatin1Char('/')))
        qFatal("AmbienteTest::svuota: HOME is not the test's temporary folder (%s)", qPrintable(home()));
    // Settings live in files below the home; drop them through QSettings too,
    // so no cached value survives.
    const QString config = home() + QStringLiteral("/.config/Vardello");
    const QStringList scopi = QDir(config).entryList({QStringLiteral("*.conf")}, QDir::Files);
    for (const QString& s : scopi) {
        QSettings impostazioni(QStringLiteral("Vardello"), QFileInfo(s).completeBaseName());
        impostazioni.clear();
        impostazioni.sync();
    }
    QDir h(home());
    const QFileInfoList voci = h.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& v : voci) {
        if (v.isDir() && !v.isSymLink())
            QDir(v.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(v.absoluteFilePath());
    }
    Orologio::ripristina();
}

void AmbienteTest::scrivi(const QString& percorso, const QByteArray& contenuto)
{
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(percorso));
    f.write(contenuto);
}

QByteArray AmbienteTest::leggi(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

RegistroMessaggi::RegistroMessaggi()
{
    Messaggi::setRisponditore([this](const Messaggi::Richiesta& r) {
        richieste.append(r);
        if (osservatore)
            osservatore(r);
        if (r.tipo == Messaggi::Tipo::Domanda) {
            if (!risposte.isEmpty())
                return risposte.takeFirst();
            return r.predefinito != QMessageBox::NoButton ? r.predefinito : QMessageBox::No;
        }
        return QMessageBox::Ok;
    });
}

RegistroMessaggi::~RegistroMessaggi()
{
    Messaggi::setRisponditore({});
}

void RegistroMessaggi::rispondi(QMessageBox::StandardButton risposta)
{
    risposte.append(risposta);
}

bool RegistroMessaggi::contiene(const QString& parteDelTesto) const
{
    for (const Messaggi::Richiesta& r : richieste) {
        if (r.testo.contains(parteDelTesto) || r.titolo.contains(parteDelTesto))
            return true;
    }
    return false;
}

QString RegistroMessaggi::ultimoTesto() const
{
    return richieste.isEmpty() ? QString() : richieste.last().testo;
}

QString RegistroMessaggi::ultimoTitolo() const
{
    return richieste.isEmpty() ? QString() : richieste.last().titolo;
}

void quandoAperto(std::function<void()> azione, int ritardoMs)
{
    QTimer::singleShot(ritardoMs, qApp, std::move(azione));
}
