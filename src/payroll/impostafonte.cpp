#include "impostafonte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Scala = ImpostaFonte::Scala;
using Scaglione = ImpostaFonte::Scaglione;
using CategoriaFissa = ImpostaFonte::CategoriaFissa;

QMap<QString, Scala> g_scale;
QMap<QString, CategoriaFissa> g_categorie;
QStringList g_avvisi;

// Look-up index built after loading: canton -> tariff code as asked for ->
// the scale the suffix rule finds for it, so a look-up builds no key text.
QHash<QString, QHash<QString, const Scala*>> g_indice;

// Suffixes tried, in this order, after the tariff code asked for.
const char* const suffissi[] = {"", "N", "Y"};

QString chiaveScala(const QString& cantone, const QString& codice)
{
    return cantone + QLatin1Char('_') + codice;
}

// ---------------------------------------------------------------------------
// Reading the tariff files.

// A record is read from its first 59 characters; a line is kept up to this
// many bytes, which always decode to more than 59 characters.
constexpr int kPrefissoRiga = 256;
constexpr int kLunghezzaMinima = 60;

// The tables being read. Scales are kept in a vector with an index by key
// while reading; the maps are built at the end.
struct Tabelle
{
    std::vector<Scala> scale;
    QHash<QString, int> indiceScale;
    QMap<QString, CategoriaFissa> categorie;

    // Valid-from rule: the records of the newest date win; records of the
    // same date add up; older records are dropped.
    Scala* scala(const QString& chiave, const QString& cantone, const QString& codice, int figli, int data)
    {
        auto it = indiceScale.constFind(chiave);
        if (it == indiceScale.constEnd()) {
            Scala s;
            s.cantone = cantone;
            s.codice = codice;
            s.figli = figli;
            s.chiesa = codice.endsWith(QLatin1Char('Y'));
            s.validoDal = data;
            indiceScale.insert(chiave, int(scale.size()));
            scale.push_back(std::move(s));
            return &scale.back();
        }
        return &scale[size_t(it.value())];
    }

    static void aggiungi(Scala& s, const Scaglione& b, int figli, int data)
    {
        if (data < s.validoDal)
            return;
        if (data > s.validoDal) {
            s.scaglioni.clear();
            s.figli = figli;
            s.validoDal = data;
            s.crescente = true;
        }
        if (!s.scaglioni.isEmpty() && b.soglia < s.scaglioni.constLast().soglia)
            s.crescente = false;
        s.scaglioni.append(b);
    }

    void categoria(const QString& chiave, const CategoriaFissa& c)
    {
        auto it = categorie.find(chiave);
        if (it == categorie.end())
            categorie.insert(chiave, c);
        else if (c.validoDal >= it->validoDal)
            *it = c;
    }
};

bool spazio(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// A numeric field: blanks around it are dropped; empty or anything other
// than digits reads as 0.
qint64 intero(const char* p, int n)
{
    while (n > 0 && spazio(*p)) {
        ++p;
        --n;
    }
    while (n > 0 && spazio(p[n - 1]))
        --n;
    qint64 v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return 0;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

QString testo(const char* p, int n)
{
    return QString::fromLatin1(p, n).trimmed();
}

class LettoreTariffe
{
public:
    Tabelle tabelle;

    // The records of the file being read, and what its closing record
    // ("99": canton at 18-19, record count with header and closing record at
    // 20-27) and its header ("00": canton at 3-4) say.
    qint64 recordFile = 0;
    qint64 recordDichiarati = -1;
    QString cantoneFile;

    void iniziaFile()
    {
        recordFile = 0;
        recordDichiarati = -1;
        cantoneFile.clear();
    }

    // One line, without its line end. `p` holds at least `n` bytes.
    void riga(const char* p, int n)
    {
        if (n > 0 && p[n - 1] == '\r')
            --n;
        if (n > 0)
            ++recordFile;
        if (n >= 4 && p[0] == '0' && p[1] == '0' && cantoneFile.isEmpty())
            cantoneFile = testo(p + 2, 2);
        if (n >= 27 && p[0] == '9' && p[1] == '9') {
            cantoneFile = testo(p + 17, 2);
            recordDichiarati = -1;
            bool cifre = true;
            for (int i = 19; i < 27; ++i)
                cifre = cifre && p[i] >= '0' && p[i] <= '9';
            if (cifre)
                recordDichiarati = intero(p + 19, 8);
            return;
        }
        if (n < kLunghezzaMinima)
            return; // fewer bytes than 60 can never be 60 characters
        bool ascii = true;
        for (int i = 0; i < kLunghezzaMinima - 1; ++i) {
            if (static_cast<unsigned char>(p[i]) >= 0x80) {
                ascii = false;
                break;
            }
        }
        if (ascii) {
            record(p, nullptr);
            return;
        }
        // Characters, not bytes, give the positions: decode the line and
        // read the fields from its characters.
        const QString s = QString::fromUtf8(p, qMin(n, kPrefissoRiga));
        if (s.size() < kLunghezzaMinima)
            return;
        char campi[kLunghezzaMinima];
        for (int i = 0; i < kLunghezzaMinima; ++i) {
            const ushort u = s.at(i).unicode();
            campi[i] = u < 0x80 ? char(u) : '\x01';
        }
        chiaveGrezza[0] = '\0';
        ultimaScala = nullptr;
        record(campi, &s);
    }

private:
    // The canton and code bytes of the last scale record, to find its scale
    // again without building the key (consecutive records share it).
    char chiaveGrezza[12] = {};
    Scala* ultimaScala = nullptr;
    size_t scaleAllUltima = 0;

    void record(const char* p, const QString* caratteri)
    {
        const bool scala = p[0] == '0' && p[1] == '6';
        const bool categoria = p[0] == '1' && p[1] == '1';
        if (!scala && !categoria)
            return;

        auto campo = [&](int da, int lunghezza) {
            return caratteri ? caratteri->mid(da, lunghezza).trimmed() : testo(p + da, lunghezza);
        };
        const int data = int(intero(p + 16, 8));
        const double aliquota = intero(p + 54, 5) / 100.0;

        if (categoria) {
            CategoriaFissa c;
            c.cantone = campo(4, 2);
            c.codice = campo(6, 10);
            c.aliquota = aliquota;
            c.validoDal = data;
            tabelle.categoria(chiaveScala(c.cantone, c.codice), c);
            return;
        }

        Scaglione b;
        b.soglia = intero(p + 24, 9) / 100.0;
        b.importoMinimo = intero(p + 45, 9) / 100.0;
        b.aliquota = aliquota;
        const int figli = int(intero(p + 43, 2));

        Scala* s = nullptr;
        if (!caratteri && ultimaScala && scaleAllUltima == tabelle.scale.size()
            && std::memcmp(chiaveGrezza, p + 4, sizeof chiaveGrezza) == 0) {
            s = ultimaScala;
        } else {
            const QString cantone = campo(4, 2);
            const QString codice = campo(6, 10);
            s = tabelle.scala(chiaveScala(cantone, codice), cantone, codice, figli, data);
            if (!caratteri) {
                std::memcpy(chiaveGrezza, p + 4, sizeof chiaveGrezza);
                ultimaScala = s;
                scaleAllUltima = tabelle.scale.size();
            }
        }
        Tabelle::aggiungi(*s, b, figli, data);
    }
};

// Reads one tariff file block by block; a file that cannot be opened is
// skipped. Memory stays bounded whatever the file holds.
void leggiFile(const QString& percorso, LettoreTariffe& lettore)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return;

    constexpr qint64 kBlocco = 1 << 20;
    std::unique_ptr<char[]> blocco(new char[kBlocco]);
    QByteArray riporto; // start of a line begun in an earlier block
    bool rigaAperta = false;
    bool primo = true;
    qint64 letti = 0;
    while ((letti = f.read(blocco.get(), kBlocco)) > 0) {
        const char* p = blocco.get();
        const char* fine = p + letti;
        if (primo) {
            primo = false;
            if (letti >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
                p += 3; // byte order mark
        }
        while (p < fine) {
            const char* a = static_cast<const char*>(std::memchr(p, '\n', size_t(fine - p)));
            const char* e = a ? a : fine;
            if (rigaAperta) {
                const int spazioLibero = kPrefissoRiga - riporto.size();
                if (spazioLibero > 0)
                    riporto.append(p, int(qMin<qint64>(spazioLibero, e - p)));
                if (a) {
                    lettore.riga(riporto.constData(), riporto.size());
                    riporto.clear();
                    rigaAperta = false;
                }
            } else if (a) {
                lettore.riga(p, int(qMin<qint64>(e - p, kPrefissoRiga)));
            } else {
                riporto.append(p, int(qMin<qint64>(e - p, kPrefissoRiga)));
                rigaAperta = true;
            }
            p = a ? a + 1 : fine;
        }
    }
    if (rigaAperta)
        lettore.riga(riporto.constData(), riporto.size()); // last line without line end
}

// ---------------------------------------------------------------------------
// Lookups.

const Scala* cercaScalaPerChiave(const QString& cantone, const QString& tariffa)
{
    const QMap<QString, Scala>& scale = g_scale;
    const QString base = chiaveScala(cantone, tariffa);
    for (const char* s : suffissi) {
        const auto it = scale.constFind(*s ? base + QLatin1String(s) : base);
        if (it != scale.constEnd())
            return &it.value();
    }
    return nullptr;
}

const Scala* cercaScala(const QString& cantone, const QString& tariffa)
{
    // The index splits canton and code; a "_" inside either could make
    // another split of the same key, which only the key itself finds.
    if (cantone.contains(QLatin1Char('_')) || tariffa.contains(QLatin1Char('_')))
        return cercaScalaPerChiave(cantone, tariffa);
    const auto c = g_indice.constFind(cantone);
    if (c == g_indice.constEnd())
        return nullptr;
    return c->value(tariffa, nullptr);
}

void costruisciIndice()
{
    g_indice.clear();
    for (const Scala& s : qAsConst(g_scale)) {
        QHash<QString, const Scala*>& codici = g_indice[s.cantone];
        QStringList richieste = {s.codice};
        if (s.codice.endsWith(QLatin1Char('N')) || s.codice.endsWith(QLatin1Char('Y')))
            richieste.append(s.codice.chopped(1));
        for (const QString& r : qAsConst(richieste))
            codici.insert(r, cercaScalaPerChiave(s.cantone, r));
    }
}

const CategoriaFissa* cercaCategoria(const QString& cantone, const QString& codice)
{
    const QMap<QString, CategoriaFissa>& categorie = g_categorie;
    const QString base = chiaveScala(cantone, codice);
    for (const char* s : suffissi) {
        const auto it = categorie.constFind(*s ? base + QLatin1String(s) : base);
        if (it != categorie.constEnd())
            return &it.value();
    }
    return nullptr;
}

// The bracket of an income: the one before the first threshold above the
// income; the first bracket below all thresholds, the last above them.
const Scaglione& scaglione(const Scala& s, double x)
{
    const QVector<Scaglione>& v = s.scaglioni;
    int indice = 0;
    if (s.crescente) {
        const auto it = std::upper_bound(v.constBegin(), v.constEnd(), x,
                                         [](double r, const Scaglione& b) { return r < b.soglia; });
        indice = int(it - v.constBegin());
    } else {
        indice = v.size();
        for (int i = 0; i < v.size(); ++i) {
            if (v.at(i).soglia > x) {
                indice = i;
                break;
            }
        }
    }
    return v.at(indice > 0 ? indice - 1 : 0);
}

double impostaDaScala(const Scala* s, double x)
{
    if (!s || s->scaglioni.isEmpty() || std::isnan(x))
        return 0.0;
    const Scaglione& b = scaglione(*s, x);
    return std::max(b.importoMinimo, x * b.aliquota / 100.0);
}

QStringList codiciConPrefisso(const QStringList& chiavi, const QString& cantone)
{
    const QString prefisso = cantone + QLatin1Char('_');
    QStringList codici;
    for (const QString& k : chiavi) {
        if (k.startsWith(prefisso))
            codici.append(k.mid(prefisso.size()));
    }
    return codici;
}

} // namespace

QStringList ImpostaFonte::cartelle()
{
    return {QDir::currentPath() + QStringLiteral("/dati_afc"),
            QDir::homePath() + QStringLiteral("/01.Vardello/dati_afc")};
}

bool ImpostaFonte::carica()
{
    const QStringList dove = cartelle();
    if (caricaDa(dove.at(0)))
        return true;
    return caricaDa(dove.at(1));
}

QStringList ImpostaFonte::avvisi()
{
    return g_avvisi;
}

bool ImpostaFonte::caricaDa(const QString& cartella)
{
    g_avvisi.clear();
    g_indice.clear();
    g_scale.clear();
    g_categorie.clear();
    if (cartella.isEmpty() || !QFileInfo(cartella).isDir())
        return false;

    const QFileInfoList file = QDir(cartella).entryInfoList({QStringLiteral("tar*.txt")}, QDir::Files, QDir::Name);
    if (file.isEmpty())
        return false;

    LettoreTariffe lettore;
    for (const QFileInfo& f : file) {
        lettore.iniziaFile();
        leggiFile(f.absoluteFilePath(), lettore);
        // The closing record carries the number of records: a file whose end
        // is missing, or that lost or gained records, does not match it.
        const QString cantone = lettore.cantoneFile.isEmpty() ? QStringLiteral("?") : lettore.cantoneFile;
        if (lettore.recordDichiarati < 0)
            g_avvisi.append(tr("Tariffe %1, file %2: manca il record finale, il file può essere incompleto.")
                                .arg(cantone, f.fileName()));
        else if (lettore.recordDichiarati != lettore.recordFile)
            g_avvisi.append(tr("Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.")
                                .arg(cantone, f.fileName(), QString::number(lettore.recordDichiarati),
                                     QString::number(lettore.recordFile)));
    }
    Tabelle& tutte = lettore.tabelle;

    for (Scala& s : tutte.scale) {
        s.scaglioni.squeeze();
        g_scale.insert(chiaveScala(s.cantone, s.codice), std::move(s));
    }
    g_categorie = tutte.categorie;
    costruisciIndice();
    return !g_scale.isEmpty() || !g_categorie.isEmpty();
}

double ImpostaFonte::calcolaMensile(double redditoMensile, const QString& cantone, const QString& tariffa)
{
    return impostaDaScala(cercaScala(cantone, tariffa), redditoMensile);
}

double ImpostaFonte::aliquotaMensile(double redditoMensile, const QString& cantone, const QString& tariffa)
{
    const Scala* s = cercaScala(cantone, tariffa);
    if (!s || s->scaglioni.isEmpty() || std::isnan(redditoMensile))
        return 0.0;
    const Scaglione& b = scaglione(*s, redditoMensile);
    return b.importoMinimo > redditoMensile * b.aliquota / 100.0 ? 0.0 : b.aliquota;
}

double ImpostaFonte::calcolaAnnuale(double redditoAnnuo, const QString& cantone, const QString& tariffa)
{
    return 12.0 * impostaDaScala(cercaScala(cantone, tariffa), redditoAnnuo / 12.0);
}

double ImpostaFonte::conguaglioAnnuale(double redditoAnnuo, double giaTrattenuta, const QString& cantone,
                                       const QString& tariffa)
{
    return calcolaAnnuale(redditoAnnuo, cantone, tariffa) - giaTrattenuta;
}

double ImpostaFonte::calcolaParziale(double reddito, int mesi, const QString& cantone, const QString& tariffa)
{
    if (mesi < 1)
        return 0.0;
    return mesi * impostaDaScala(cercaScala(cantone, tariffa), reddito / mesi);
}

double ImpostaFonte::calcolaCategoriaFissa(double reddito, const QString& cantone, const QString& codice)
{
    const CategoriaFissa* c = cercaCategoria(cantone, codice);
    return c ? reddito * c->aliquota / 100.0 : 0.0;
}

QString ImpostaFonte::infoScala(const QString& cantone, const QString& tariffa)
{
    const Scala* s = cercaScala(cantone, tariffa);
    if (!s)
        return tr("(scala non trovata)");
    return tr("%1/%2: %3 scaglioni, figli=%4, chiesa=%5")
        .arg(s->cantone, s->codice, QString::number(s->scaglioni.size()), QString::number(s->figli),
             s->chiesa ? QStringLiteral("Y") : QStringLiteral("N"));
}

bool ImpostaFonte::haScala(const QString& cantone, const QString& tariffa)
{
    return cercaScala(cantone, tariffa) != nullptr;
}

QStringList ImpostaFonte::scalePerCantone(const QString& cantone)
{
    return codiciConPrefisso(g_scale.keys(), cantone);
}

QStringList ImpostaFonte::categoriePerCantone(const QString& cantone)
{
    return codiciConPrefisso(g_categorie.keys(), cantone);
}

QStringList ImpostaFonte::cantoniDisponibili()
{
    QStringList cantoni;
    for (const Scala& s : qAsConst(g_scale)) {
        if (!cantoni.contains(s.cantone))
            cantoni.append(s.cantone);
    }
    for (const CategoriaFissa& c : qAsConst(g_categorie)) {
        if (!cantoni.contains(c.cantone))
            cantoni.append(c.cantone);
    }
    return cantoni;
}
