#include "generisalario.h"

#include "filesicuri.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

QMap<QString, GeneriSalario::GenereSalario> GeneriSalario::g_generi;
bool GeneriSalario::g_caricato = false;

QString GeneriSalario::percorsoFileUtente()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/generi_salario.ini");
}

bool GeneriSalario::leggiFile(const QString& percorso, QMap<QString, GenereSalario>* tabella)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    in.setCodec("UTF-8");
    GenereSalario lavoro;
    bool gruppoAperto = false;
    const auto conserva = [&] {
        if (gruppoAperto && !lavoro.codice.isEmpty())
            tabella->insert(lavoro.codice, lavoro);
    };
    while (!in.atEnd()) {
        const QString riga = in.readLine().trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')))
            continue;
        if (riga.startsWith(QLatin1Char('[')) && riga.endsWith(QLatin1Char(']'))) {
            conserva();
            lavoro = GenereSalario();
            lavoro.codice = riga.mid(1, riga.size() - 2);
            gruppoAperto = true;
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0)
            continue;
        const QString chiave = riga.left(uguale).trimmed();
        const QString valore = riga.mid(uguale + 1).trimmed();
        const bool uno = valore == QLatin1String("1");
        if (chiave == QLatin1String("descrizione"))
            lavoro.descrizione = valore;
        else if (chiave == QLatin1String("tipo"))
            lavoro.tipo = valore;
        else if (chiave == QLatin1String("avs"))
            lavoro.avs = uno;
        else if (chiave == QLatin1String("caf"))
            lavoro.caf = uno;
        else if (chiave == QLatin1String("lainf"))
            lavoro.lainf = uno;
        else if (chiave == QLatin1String("lpp"))
            lavoro.lpp = uno;
        else if (chiave == QLatin1String("igm"))
            lavoro.igm = uno;
    }
    conserva();
    return true;
}

bool GeneriSalario::carica()
{
    if (g_caricato)
        return true;
    g_generi.clear();
    g_caricato = true;
    // The user's saved types take the place of the built-in ones.
    const QString utente = percorsoFileUtente();
    if (QFileInfo::exists(utente)) {
        QMap<QString, GenereSalario> letti;
        if (leggiFile(utente, &letti) && !letti.isEmpty()) {
            g_generi = letti;
            return true;
        }
        qWarning() << "GeneriSalario::carica - file utente senza generi, uso la tabella predefinita" << utente;
    }
    return leggiFile(QStringLiteral(":/data/generi_salario.ini"), &g_generi);
}

QStringList GeneriSalario::codiciDisponibili()
{
    carica();
    return g_generi.keys();
}

GeneriSalario::GenereSalario GeneriSalario::info(const QString& codice)
{
    carica();
    return g_generi.value(codice);
}

QString GeneriSalario::descrizione(const QString& codice)
{
    carica();
    return g_generi.value(codice).descrizione;
}

void GeneriSalario::aggiorna(const GenereSalario& genere)
{
    g_generi.insert(genere.codice, genere);
}

void GeneriSalario::rimuovi(const QString& codice)
{
    g_generi.remove(codice);
}

bool GeneriSalario::salva()
{
    carica();
    const auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    QString testo = QStringLiteral("# Generi di salario (utente)\n\n");
    for (const GenereSalario& g : qAsConst(g_generi)) {
        // One line per key: a line break typed in a text cannot open a key
        // or a group of its own.
        testo += QLatin1Char('[') + FileSicuri::unaRiga(g.codice) + QStringLiteral("]\n");
        testo += QStringLiteral("descrizione=") + FileSicuri::unaRiga(g.descrizione) + QLatin1Char('\n');
        testo += QStringLiteral("tipo=") + FileSicuri::unaRiga(g.tipo) + QLatin1Char('\n');
        testo += QStringLiteral("avs=") + flag(g.avs) + QLatin1Char('\n');
        testo += QStringLiteral("caf=") + flag(g.caf) + QLatin1Char('\n');
        testo += QStringLiteral("lainf=") + flag(g.lainf) + QLatin1Char('\n');
        testo += QStringLiteral("lpp=") + flag(g.lpp) + QLatin1Char('\n');
        testo += QStringLiteral("igm=") + flag(g.igm) + QStringLiteral("\n\n");
    }
    return FileSicuri::scrivi(percorsoFileUtente(), testo.toUtf8());
}

void GeneriSalario::azzera()
{
    g_generi.clear();
    g_caricato = false;
}
