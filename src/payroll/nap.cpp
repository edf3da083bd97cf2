#include "nap.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace NAP {

namespace {

QMap<QString, QStringList> g_localitaPerNap;
QMap<QString, QString> g_cantonePerNap;
bool g_caricato = false;

const QString kRisorsa = QStringLiteral(":/data/nap.csv");

// Directory names (French) and the German names given in their place.
struct NomeTedesco
{
    const char* directory;
    const char* tedesco;
};
const NomeTedesco kNomiTedeschi[] = {
    {"Zurich", "Zürich"},   {"Berne", "Bern"},       {"Bâle", "Basel"},  {"Genève", "Genf"},
    {"Lucerne", "Luzern"}, {"Saint-Gall", "St. Gallen"}, {"Coire", "Chur"}, {"Bienne", "Biel"},
};

bool leggi(const QString& percorso)
{
    g_localitaPerNap.clear();
    g_cantonePerNap.clear();

    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << "NAP::carica - impossibile aprire" << percorso;
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");

    int valide = 0;
    int scartate = 0;
    // The localities already listed per postcode: a file that repeats one
    // postcode on every row must not make loading quadratic.
    QHash<QString, QSet<QString>> viste;
    bool primaRiga = true;
    while (!in.atEnd()) {
        QString riga = in.readLine();
        if (riga.isEmpty())
            continue;
        if (primaRiga) {
            primaRiga = false;
            if (riga.startsWith(QChar(0xFEFF)))
                riga.remove(0, 1);
            if (riga.startsWith(QLatin1String("Ortschaftsname"), Qt::CaseInsensitive))
                continue;
        }
        const QStringList campi = riga.split(QLatin1Char(';'));
        if (campi.size() < 7) {
            ++scartate;
            continue;
        }
        const QString localita = campi.at(0).trimmed();
        const QString nap = campi.at(1).trimmed();
        const QString cantone = campi.at(6).trimmed();
        bool numero = false;
        nap.toInt(&numero, 10);
        if (nap.size() != 4 || !numero || localita.isEmpty()) {
            ++scartate;
            continue;
        }
        QSet<QString>& gia = viste[nap];
        if (!gia.contains(localita)) {
            gia.insert(localita);
            g_localitaPerNap[nap].append(localita);
        }
        // The first row with a canton decides for a postcode that crosses a
        // cantonal border.
        if (!cantone.isEmpty() && !g_cantonePerNap.contains(nap))
            g_cantonePerNap.insert(nap, cantone);
        ++valide;
    }
    file.close();

    for (QStringList& elenco : g_localitaPerNap) {
        std::stable_sort(elenco.begin(), elenco.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    if (scartate > 0)
        qWarning() << "NAP::carica - righe scartate:" << scartate;
    if (g_localitaPerNap.isEmpty()) {
        qWarning() << "NAP::carica - nessun NAP valido caricato";
        return false;
    }
    qInfo() << "NAP::carica - caricati" << g_localitaPerNap.size() << "NAP distinti da" << valide << "righe";
    return true;
}

} // namespace

bool carica()
{
    if (g_caricato)
        return true;
    g_caricato = leggi(kRisorsa);
    return g_caricato;
}

bool caricaDa(const QString& percorso)
{
    g_caricato = leggi(percorso);
    return g_caricato;
}

QString cantonePerNap(const QString& nap)
{
    return g_cantonePerNap.value(nap);
}

QStringList localitaPerNap(const QString& nap)
{
    QStringList elenco = g_localitaPerNap.value(nap);
    for (QString& nome : elenco) {
        for (const NomeTedesco& n : kNomiTedeschi) {
            if (nome == QString::fromUtf8(n.directory)) {
                nome = QString::fromUtf8(n.tedesco);
                break;
            }
        }
    }
    return elenco;
}

QStringList napPerLocalita(const QString& localita)
{
    const QString nome = localita.trimmed();
    if (nome.isEmpty())
        return {};
    // The names to look for: the one given and, for a German city name that
    // localitaPerNap gives, the name the directory stores.
    QStringList cercati = {nome};
    for (const NomeTedesco& n : kNomiTedeschi) {
        if (nome.compare(QString::fromUtf8(n.tedesco), Qt::CaseInsensitive) == 0)
            cercati.append(QString::fromUtf8(n.directory));
    }
    QStringList trovati;
    for (auto it = g_localitaPerNap.cbegin(); it != g_localitaPerNap.cend(); ++it) {
        const bool trovato = std::any_of(it.value().cbegin(), it.value().cend(), [&](const QString& l) {
            return std::any_of(cercati.cbegin(), cercati.cend(), [&](const QString& c) {
                return l.compare(c, Qt::CaseInsensitive) == 0;
            });
        });
        if (trovato)
            trovati.append(it.key());
    }
    return trovati;
}

QStringList tuttiINap()
{
    return g_localitaPerNap.keys();
}

void azzera()
{
    g_localitaPerNap.clear();
    g_cantonePerNap.clear();
    g_caricato = false;
}

} // namespace NAP
