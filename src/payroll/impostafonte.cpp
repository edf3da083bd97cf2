#include "impostafonte.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace {

using Scala = ImpostaFonte::Scala;
using Scaglione = ImpostaFonte::Scaglione;
using CategoriaFissa = ImpostaFonte::CategoriaFissa;

QMap<QString, Scala> g_scale;
QMap<QString, CategoriaFissa> g_categorie;
QStringList g_avvisi;
// The keys of the scales and categories a damaged record belongs to: a
// look-up that reaches one of them finds nothing.
QSet<QString> g_scaleDanneggiate;
QSet<QString> g_categorieDanneggiate;

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

// A line is kept up to this many bytes; its full length is counted apart.
constexpr int kPrefissoRiga = 256;
// Records 06 and 11 are exactly this many bytes.
constexpr int kLunghezzaRecord = 62;
// The damaged records of one file listed one by one; the rest are counted.
constexpr int kDanniElencati = 20;

// The numeric fields of records 06 and 11 (0-based offset, length):
// transaction, valid-from date, income from, step, children, minimum tax,
// rate. Each is digits only.
const struct
{
    int da;
    int lunghezza;
} kCampiNumerici[] = {{2, 2}, {16, 8}, {24, 9}, {33, 9}, {43, 2}, {45, 9}, {54, 5}};

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

bool cifra(char c)
{
    return c >= '0' && c <= '9';
}

bool lettera(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A numeric field already checked to hold digits only.
qint64 intero(const char* p, int n)
{
    qint64 v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

QString testo(const char* p, int n)
{
    return QString::fromLatin1(p, n).trimmed();
}

// What each byte of records 06 and 11 must be: printable ASCII (bit 0)
// and, in the numeric fields above, a digit (bit 1); and what each byte
// value is.
struct Classi
{
    unsigned char posizione[kLunghezzaRecord] = {};
    unsigned char byte[256] = {};
    Classi()
    {
        std::fill(posizione, posizione + kLunghezzaRecord, 1);
        for (const auto& c : kCampiNumerici)
            std::fill(posizione + c.da, posizione + c.da + c.lunghezza, 3);
        for (int c = 0x20; c <= 0x7E; ++c)
            byte[c] = c >= '0' && c <= '9' ? 3 : 1;
    }
};
const Classi kClassi;

// Whether a record of 62 bytes is printable ASCII with digits in every
// numeric field: one pass without branches, as nearly every record is.
bool recordPulito(const char* p)
{
    unsigned cattivi = 0;
    for (int i = 0; i < kLunghezzaRecord; ++i)
        cattivi |= kClassi.posizione[i] & ~kClassi.byte[static_cast<unsigned char>(p[i])];
    return cattivi == 0;
}

// Canton (two letters) and code (letters and digits, then blanks only) of
// a record of at least 16 bytes.
bool chiaveLeggibile(const char* p)
{
    if (!lettera(p[4]) || !lettera(p[5]))
        return false;
    int i = 6;
    while (i < 16 && (lettera(p[i]) || cifra(p[i])))
        ++i;
    if (i == 6)
        return false;
    while (i < 16 && p[i] == ' ')
        ++i;
    return i == 16;
}

class LettoreTariffe
{
public:
    Tabelle tabelle;
    // The scales and categories a damaged record belongs to, each with the
    // valid-from date of the newest file that damaged it: they count as
    // missing unless a clean file of a later date holds them.
    QHash<QString, int> scaleDanneggiate;
    QHash<QString, int> categorieDanneggiate;

    // The records of the file being read, and what its closing record
    // ("99": canton at 18-19, record count with header and closing record at
    // 20-27) and its header ("00": canton at 3-4) say.
    qint64 recordFile = 0;
    qint64 recordDichiarati = -1;
    QString cantoneFile;
    // The damaged records of the file: line and what is wrong.
    QVector<QPair<qint64, QString>> danni;
    // The scales of the file that contradict themselves: line, scale code
    // and what contradicts.
    struct Contraddizione
    {
        qint64 riga;
        QString codice;
        QString motivo;
    };
    QVector<Contraddizione> contraddizioni;
    // Whether any file held a damaged record or a scale contradicting itself.
    bool conDanni = false;

    void iniziaFile()
    {
        recordFile = 0;
        recordDichiarati = -1;
        cantoneFile.clear();
        danni.clear();
        contraddizioni.clear();
        scaleDanneggiateFile.clear();
        categorieDanneggiateFile.clear();
        dataFile = 0;
        ++numeroFile;
        numeroRiga = 0;
        haPrecedente = false;
        inSospeso = false;
        chiaveGrezza[0] = '\0';
        ultimaScala = nullptr;
    }

    // One line, without its line end: its first `n` bytes at `p`, `lunghezza`
    // bytes in all.
    void riga(const char* p, int n, qint64 lunghezza)
    {
        ++numeroRiga;
        if (n > 0 && p[n - 1] == '\r' && lunghezza == n) {
            --n;
            --lunghezza;
        }
        if (lunghezza == 0)
            return;
        ++recordFile;
        const bool scala = n >= 2 && p[0] == '0' && p[1] == '6';
        const bool categoria = n >= 2 && p[0] == '1' && p[1] == '1';
        if (scala || categoria) {
            QString difetto;
            const bool chiaveCerta = controlla(p, n, lunghezza, &difetto);
            if (difetto.isEmpty())
                record(p, scala);
            else
                danneggiato(p, n, difetto, chiaveCerta, scala, categoria);
            return;
        }
        if (n >= 2 && p[0] == '0' && p[1] == '0') {
            if (recordFile > 1) {
                // A header amid the records: a bracket whose type was hit.
                danneggiato(p, n, ImpostaFonte::tr("record di testata in mezzo al file"), false, true, true);
                return;
            }
            if (n >= 4)
                cantoneFile = testo(p + 2, 2);
            return;
        }
        if (n >= 2 && p[0] == '9' && p[1] == '9') {
            recordDichiarati = -1;
            if (n >= 27) {
                cantoneFile = testo(p + 17, 2);
                if (std::all_of(p + 19, p + 27, cifra))
                    recordDichiarati = intero(p + 19, 8);
            }
            return;
        }
        if (n >= 2 && p[0] == '1' && (p[1] == '2' || p[1] == '3'))
            return; // commission and median records are not used
        if (std::all_of(p, p + n, [](char c) { return c == ' ' || c == '\t'; }) && lunghezza == n)
            return; // a blank line
        const int cattivo = int(std::find_if(p, p + qMin(n, 2), [](char c) { return c < 0x20 || c > 0x7E; }) - p);
        danneggiato(p, n,
                    cattivo < qMin(n, 2) ? ImpostaFonte::tr("carattere non valido alla posizione %1").arg(cattivo + 1)
                                         : ImpostaFonte::tr("tipo di record sconosciuto: \"%1\"").arg(QString::fromLatin1(p, qMin(n, 2))),
                    false, true, true);
    }

    // Closes the file read last, named `nome`: the scales and categories it
    // damaged take its date, the newest valid-from date of its clean
    // records; a file without any takes 1 January of the year its name
    // carries (tar25zh.txt: 2025), and one without that either the latest
    // date, so that no other file replaces what it damaged.
    void chiudiFile(const QString& nome)
    {
        int data = dataFile;
        if (data == 0) {
            const QString anno = nome.mid(3, 2);
            const bool cifre = anno.size() == 2 && anno.at(0).isDigit() && anno.at(1).isDigit();
            data = cifre && nome.startsWith(QLatin1String("tar")) ? (2000 + anno.toInt()) * 10000 + 101
                                                                  : std::numeric_limits<int>::max();
        }
        const auto segnaData = [data](QHash<QString, int>& danneggiate, const QSet<QString>& chiavi) {
            for (const QString& k : chiavi) {
                int& d = danneggiate[k];
                d = qMax(d, data);
            }
        };
        segnaData(scaleDanneggiate, scaleDanneggiateFile);
        segnaData(categorieDanneggiate, categorieDanneggiateFile);
    }

    // What the last file's damaged records say, one text each, the first
    // few of them one by one.
    QStringList avvisiDanni(const QString& cantone, const QString& file) const
    {
        QStringList testi;
        for (int i = 0; i < danni.size() && i < kDanniElencati; ++i)
            testi.append(ImpostaFonte::tr("Tariffe %1, file %2, riga %3: record danneggiato (%4); la sua tariffa non viene usata.")
                             .arg(cantone, file, QString::number(danni.at(i).first), danni.at(i).second));
        if (danni.size() > kDanniElencati)
            testi.append(ImpostaFonte::tr("Tariffe %1, file %2: altri %3 record danneggiati non elencati.")
                             .arg(cantone, file, QString::number(danni.size() - kDanniElencati)));
        for (int i = 0; i < contraddizioni.size() && i < kDanniElencati; ++i) {
            const Contraddizione& c = contraddizioni.at(i);
            testi.append(ImpostaFonte::tr("Tariffe %1, file %2, riga %3: la tariffa %4 si contraddice (%5); la "
                                          "tariffa non viene usata.")
                             .arg(cantone, file, QString::number(c.riga), c.codice, c.motivo));
        }
        if (contraddizioni.size() > kDanniElencati)
            testi.append(ImpostaFonte::tr("Tariffe %1, file %2: altre %3 tariffe contraddittorie non elencate.")
                             .arg(cantone, file, QString::number(contraddizioni.size() - kDanniElencati)));
        return testi;
    }

private:
    qint64 numeroRiga = 0;
    int numeroFile = 0;
    // The scales and categories the file being read damaged, and the newest
    // valid-from date of its clean records (0 while it has none).
    QSet<QString> scaleDanneggiateFile;
    QSet<QString> categorieDanneggiateFile;
    int dataFile = 0;

    // What the records of a scale read so far in the file being read say,
    // by the scale's place in the tables: in one file every record of a
    // scale carries the same valid-from date, and its income thresholds
    // rise from record to record (hundredths of a franc).
    struct StatoScala
    {
        int file = 0;
        int data = 0;
        qint64 soglia = 0;
        bool contraddetta = false;
    };
    std::vector<StatoScala> statiScale;

    // The canton and code bytes of the last scale record, to find its scale
    // again without building the key (consecutive records share it).
    char chiaveGrezza[12] = {};
    Scala* ultimaScala = nullptr;
    size_t scaleAllUltima = 0;

    // The last clean record of the file, and whether a record whose canton
    // or code could not be trusted came after it: the records are sorted by
    // code, so such a record belongs to the scale before it or after it.
    char precedente[12] = {};
    bool precedenteScala = false;
    bool haPrecedente = false;
    bool inSospeso = false;

    // Checks a record 06 or 11; `difetto` says what is wrong, empty when
    // nothing is. Returns whether its canton and code can be trusted: they
    // read as a canton and a code, no byte up to the date is damaged, and
    // the date begins where it should (a byte added or lost before it
    // moves it).
    bool controlla(const char* p, int n, qint64 lunghezza, QString* difetto) const
    {
        if (lunghezza == kLunghezzaRecord && recordPulito(p)
            && ((haPrecedente && std::memcmp(precedente, p + 4, sizeof precedente) == 0) || chiaveLeggibile(p)))
            return true;
        const int cattivo = int(std::find_if(p, p + n, [](char c) { return c < 0x20 || c > 0x7E; }) - p);
        const bool chiaveCerta = n > 16 && cattivo > 16 && chiaveLeggibile(p) && cifra(p[16]);
        if (cattivo < n)
            *difetto = ImpostaFonte::tr("carattere non valido alla posizione %1").arg(cattivo + 1);
        else if (lunghezza != kLunghezzaRecord)
            *difetto = ImpostaFonte::tr("%1 byte invece di %2").arg(lunghezza).arg(kLunghezzaRecord);
        else if (!chiaveCerta)
            *difetto = ImpostaFonte::tr("cantone o codice illeggibile");
        else {
            for (const auto& c : kCampiNumerici) {
                if (!std::all_of(p + c.da, p + c.da + c.lunghezza, cifra)) {
                    *difetto = ImpostaFonte::tr("campo non numerico alle posizioni %1-%2: \"%3\"")
                                   .arg(c.da + 1)
                                   .arg(c.da + c.lunghezza)
                                   .arg(QString::fromLatin1(p + c.da, c.lunghezza));
                    break;
                }
            }
        }
        return chiaveCerta;
    }

    void segna(const char* chiave, bool scala, bool categoria)
    {
        const QString k = chiaveScala(testo(chiave, 2), testo(chiave + 2, 10));
        if (scala)
            scaleDanneggiateFile.insert(k);
        if (categoria)
            categorieDanneggiateFile.insert(k);
    }

    // A damaged record: reported, and the scale it belongs to counts as
    // missing. When its canton and code cannot be trusted, so do the
    // scales of the clean records before and after it.
    void danneggiato(const char* p, int n, const QString& difetto, bool chiaveCerta, bool scala, bool categoria)
    {
        danni.append({numeroRiga, difetto});
        conDanni = true;
        if (n > 16 && chiaveLeggibile(p))
            segna(p + 4, scala, categoria);
        if (chiaveCerta) {
            inSospeso = false;
            haPrecedente = true;
            std::memcpy(precedente, p + 4, sizeof precedente);
            precedenteScala = scala;
            return;
        }
        if (haPrecedente)
            segna(precedente, precedenteScala, !precedenteScala);
        inSospeso = true;
    }

    void record(const char* p, bool scala)
    {
        if (inSospeso) {
            inSospeso = false;
            segna(p + 4, scala, !scala);
        }
        std::memcpy(precedente, p + 4, sizeof precedente);
        precedenteScala = scala;
        haPrecedente = true;

        const int data = int(intero(p + 16, 8));
        dataFile = qMax(dataFile, data);
        const double aliquota = intero(p + 54, 5) / 100.0;

        if (!scala) {
            CategoriaFissa c;
            c.cantone = testo(p + 4, 2);
            c.codice = testo(p + 6, 10);
            c.aliquota = aliquota;
            c.validoDal = data;
            tabelle.categoria(chiaveScala(c.cantone, c.codice), c);
            return;
        }

        const qint64 soglia = intero(p + 24, 9);
        Scaglione b;
        b.soglia = soglia / 100.0;
        b.importoMinimo = intero(p + 45, 9) / 100.0;
        b.aliquota = aliquota;
        const int figli = int(intero(p + 43, 2));

        Scala* s = nullptr;
        if (ultimaScala && scaleAllUltima == tabelle.scale.size()
            && std::memcmp(chiaveGrezza, p + 4, sizeof chiaveGrezza) == 0) {
            s = ultimaScala;
        } else {
            const QString cantone = testo(p + 4, 2);
            const QString codice = testo(p + 6, 10);
            s = tabelle.scala(chiaveScala(cantone, codice), cantone, codice, figli, data);
            std::memcpy(chiaveGrezza, p + 4, sizeof chiaveGrezza);
            ultimaScala = s;
            scaleAllUltima = tabelle.scale.size();
        }
        controllaScala(*s, size_t(s - tabelle.scale.data()), data, soglia);
        Tabelle::aggiungi(*s, b, figli, data);
    }

    // A record of scale `s` (at `indice` in the tables): its date must be
    // that of the scale's earlier records in the file, its threshold above
    // theirs. A scale that contradicts itself is reported once, at the
    // first record that does, and counts as missing.
    void controllaScala(const Scala& s, size_t indice, int data, qint64 soglia)
    {
        if (statiScale.size() <= indice)
            statiScale.resize(tabelle.scale.size());
        StatoScala& stato = statiScale[indice];
        if (stato.file != numeroFile) {
            stato = {numeroFile, data, soglia, false};
            return;
        }
        QString motivo;
        if (data != stato.data)
            motivo = ImpostaFonte::tr("valida dal %1, i record precedenti dal %2")
                         .arg(dataTesto(data), dataTesto(stato.data));
        else if (soglia <= stato.soglia)
            motivo = ImpostaFonte::tr("reddito da %1 non superiore a %2 del record precedente")
                         .arg(QString::number(soglia / 100.0, 'f', 2), QString::number(stato.soglia / 100.0, 'f', 2));
        stato.soglia = soglia;
        if (motivo.isEmpty() || stato.contraddetta)
            return;
        stato.contraddetta = true;
        contraddizioni.append({numeroRiga, s.codice, motivo});
        scaleDanneggiateFile.insert(chiaveScala(s.cantone, s.codice));
        conDanni = true;
    }

    // A valid-from date yyyymmdd as the user reads it; as in the file when
    // it is no date.
    static QString dataTesto(int data)
    {
        const QDate d(data / 10000, data / 100 % 100, data % 100);
        return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString::number(data);
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
    qint64 lunghezzaAperta = 0; // its length so far
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
                lunghezzaAperta += e - p;
                if (a) {
                    lettore.riga(riporto.constData(), riporto.size(), lunghezzaAperta);
                    riporto.clear();
                    rigaAperta = false;
                }
            } else if (a) {
                lettore.riga(p, int(qMin<qint64>(e - p, kPrefissoRiga)), e - p);
            } else {
                riporto.append(p, int(qMin<qint64>(e - p, kPrefissoRiga)));
                lunghezzaAperta = e - p;
                rigaAperta = true;
            }
            p = a ? a + 1 : fine;
        }
    }
    if (rigaAperta)
        lettore.riga(riporto.constData(), riporto.size(), lunghezzaAperta); // last line without line end
}

// ---------------------------------------------------------------------------
// Lookups.

const Scala* cercaScalaPerChiave(const QString& cantone, const QString& tariffa)
{
    const QMap<QString, Scala>& scale = g_scale;
    const QString base = chiaveScala(cantone, tariffa);
    for (const char* s : suffissi) {
        const QString chiave = *s ? base + QLatin1String(s) : base;
        const auto it = scale.constFind(chiave);
        if (it != scale.constEnd())
            return &it.value();
        if (g_scaleDanneggiate.contains(chiave))
            return nullptr;
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
        const QString chiave = *s ? base + QLatin1String(s) : base;
        const auto it = categorie.constFind(chiave);
        if (it != categorie.constEnd())
            return &it.value();
        if (g_categorieDanneggiate.contains(chiave))
            return nullptr;
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
    g_scaleDanneggiate.clear();
    g_categorieDanneggiate.clear();
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
        lettore.chiudiFile(f.fileName());
        // The closing record carries the number of records: a file whose end
        // is missing, or that lost or gained records, does not match it.
        const QString cantone = lettore.cantoneFile.isEmpty() ? QStringLiteral("?") : lettore.cantoneFile;
        g_avvisi.append(lettore.avvisiDanni(cantone, f.fileName()));
        if (lettore.recordDichiarati < 0)
            g_avvisi.append(tr("Tariffe %1, file %2: manca il record finale, il file può essere incompleto.")
                                .arg(cantone, f.fileName()));
        else if (lettore.recordDichiarati != lettore.recordFile)
            g_avvisi.append(tr("Tariffe %1, file %2: il record finale indica %3 record, il file ne contiene %4.")
                                .arg(cantone, f.fileName(), QString::number(lettore.recordDichiarati),
                                     QString::number(lettore.recordFile)));
    }
    Tabelle& tutte = lettore.tabelle;

    // A scale or category a damaged record belongs to is left out whole,
    // unless a clean file of a later date replaces what the damaged file
    // held: the damage then touches only the year that file is for.
    const auto danneggiata = [](const QHash<QString, int>& danneggiate, const QString& chiave, int validoDal) {
        const auto it = danneggiate.constFind(chiave);
        return it != danneggiate.constEnd() && it.value() >= validoDal;
    };
    for (auto it = lettore.scaleDanneggiate.cbegin(); it != lettore.scaleDanneggiate.cend(); ++it)
        g_scaleDanneggiate.insert(it.key());
    for (auto it = lettore.categorieDanneggiate.cbegin(); it != lettore.categorieDanneggiate.cend(); ++it)
        g_categorieDanneggiate.insert(it.key());
    for (Scala& s : tutte.scale) {
        const QString chiave = chiaveScala(s.cantone, s.codice);
        if (danneggiata(lettore.scaleDanneggiate, chiave, s.validoDal))
            continue;
        g_scaleDanneggiate.remove(chiave);
        s.scaglioni.squeeze();
        g_scale.insert(chiave, std::move(s));
    }
    for (auto it = tutte.categorie.cbegin(); it != tutte.categorie.cend(); ++it) {
        if (danneggiata(lettore.categorieDanneggiate, it.key(), it->validoDal))
            continue;
        g_categorieDanneggiate.remove(it.key());
        g_categorie.insert(it.key(), it.value());
    }
    costruisciIndice();
    return !g_scale.isEmpty() || !g_categorie.isEmpty() || lettore.conDanni;
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

bool ImpostaFonte::scalaDanneggiata(const QString& cantone, const QString& tariffa)
{
    // The suffixes in the look-up's order: the first key loaded or damaged decides.
    const QString base = chiaveScala(cantone, tariffa);
    for (const char* s : suffissi) {
        const QString chiave = *s ? base + QLatin1String(s) : base;
        if (g_scale.contains(chiave))
            return false;
        if (g_scaleDanneggiate.contains(chiave))
            return true;
    }
    return false;
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
