#include "fileini.h"

#include "filesicuri.h"

#include <QLocale>

#include <algorithm>

namespace {

const char kCifreEsadecimali[] = "0123456789ABCDEF";

bool spazio(QChar c)
{
    const ushort u = c.unicode();
    return u == ' ' || (u >= 9 && u <= 13);
}

bool spazioRiga(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int cifraEsadecimale(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

struct RigaLogica
{
    int inizio = 0;
    int lunghezza = 0;
    int uguale = -1;
};

// The next logical line from `pos`: blanks before it skipped, ";" comment
// lines skipped, a quoted text or a backslash may carry it over a line end.
bool leggiRiga(const QString& t, int& pos, RigaLogica& r)
{
    const int n = t.size();
    bool virgolette = false;
    r.uguale = -1;
    int inizio = pos;
    while (inizio < n && spazio(t.at(inizio)))
        ++inizio;
    int i = inizio;
    while (i < n) {
        const ushort c = t.at(i).unicode();
        ++i;
        if (c == '=') {
            if (!virgolette && r.uguale == -1)
                r.uguale = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == inizio + 1) {
                ++inizio;
            } else if (!virgolette) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const ushort c2 = t.at(i++).unicode();
                if (i < n) {
                    const ushort c3 = t.at(i).unicode();
                    if ((c2 == '\n' && c3 == '\r') || (c2 == '\r' && c3 == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            virgolette = !virgolette;
        } else if (c == ';' || (c == '#' && i == inizio + 1)) {
            // ";" begins a comment anywhere outside quotes, "#" only at the
            // start of a line.
            if (i == inizio + 1) {
                while (i < n && t.at(i) != QLatin1Char('\n') && t.at(i) != QLatin1Char('\r'))
                    ++i;
                while (i < n && spazio(t.at(i)))
                    ++i;
                inizio = i;
            } else if (!virgolette) {
                --i;
                break;
            }
        }
    }
    pos = i;
    r.inizio = inizio;
    r.lunghezza = i - inizio;
    return r.lunghezza > 0;
}

// A key or group name: "%XX" and "%UXXXX" are characters, "\" is "/".
QString chiaveLetta(const QString& t, int da, int a)
{
    QString r;
    int i = da;
    while (i < a) {
        const QChar c = t.at(i);
        if (c == QLatin1Char('\\')) {
            r += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != QLatin1Char('%') || i == a - 1) {
            r += c;
            ++i;
            continue;
        }
        int primaCifra = i + 1;
        int cifre = 2;
        if (t.at(i + 1) == QLatin1Char('U')) {
            ++primaCifra;
            cifre = 4;
        }
        if (primaCifra + cifre > a) {
            r += QLatin1Char('%');
            ++i;
            continue;
        }
        bool ok = false;
        const int codice = t.mid(primaCifra, cifre).toInt(&ok, 16);
        if (!ok) {
            r += QLatin1Char('%');
            ++i;
            continue;
        }
        r += QChar(ushort(codice));
        i = primaCifra + cifre;
    }
    return r;
}

void togliSpaziFinali(QString& s, int limite)
{
    int n = s.size();
    while (n > limite && spazioRiga(s.at(n - 1)))
        --n;
    s.truncate(n);
}

// One value: escapes, quotes, and commas outside quotes that make a list
// (its items in `voci`).
QString valoreLetto(const QString& t, int da, int a, bool* lista, QStringList* voci)
{
    QString r;
    voci->clear();
    *lista = false;
    bool virgolette = false;
    bool traVirgolette = false;
    int i = da;
    int limite = 0;
    auto saltaSpazi = [&] {
        while (i < a && spazioRiga(t.at(i)))
            ++i;
    };
    saltaSpazi();
    while (i < a) {
        const ushort c = t.at(i).unicode();
        if (c == '\\') {
            ++i;
            if (i >= a)
                break;
            const ushort e = t.at(i++).unicode();
            switch (e) {
            case 'a': r += QLatin1Char('\a'); break;
            case 'b': r += QLatin1Char('\b'); break;
            case 'f': r += QLatin1Char('\f'); break;
            case 'n': r += QLatin1Char('\n'); break;
            case 'r': r += QLatin1Char('\r'); break;
            case 't': r += QLatin1Char('\t'); break;
            case 'v': r += QLatin1Char('\v'); break;
            case '"': case '?': case '\'': case '\\': r += QChar(e); break;
            case 'x':
                if (i < a && cifraEsadecimale(t.at(i)) >= 0) {
                    uint v = 0;
                    while (i < a && cifraEsadecimale(t.at(i)) >= 0) {
                        v = ((v << 4) | uint(cifraEsadecimale(t.at(i)))) & 0xFFFFFu;
                        ++i;
                    }
                    r += QChar(ushort(v));
                }
                break;
            case '\n':
            case '\r':
                if (i < a) {
                    const ushort e2 = t.at(i).unicode();
                    if ((e2 == '\n' || e2 == '\r') && e2 != e)
                        ++i;
                }
                break;
            default:
                if (e >= '0' && e <= '7') {
                    uint v = e - '0';
                    while (i < a && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('7')) {
                        v = ((v << 3) | uint(t.at(i).unicode() - '0')) & 0xFFFFFu;
                        ++i;
                    }
                    r += QChar(ushort(v));
                }
                break; // any other escaped character is dropped
            }
            limite = r.size();
        } else if (c == '"') {
            ++i;
            traVirgolette = true;
            virgolette = !virgolette;
            if (!virgolette) {
                saltaSpazi();
                limite = r.size();
            }
        } else if (c == ',' && !virgolette) {
            if (!traVirgolette)
                togliSpaziFinali(r, limite);
            *lista = true;
            voci->append(r);
            r.clear();
            traVirgolette = false;
            ++i;
            saltaSpazi();
            limite = 0;
        } else {
            int j = i + 1;
            while (j < a) {
                const ushort d = t.at(j).unicode();
                if (d == '\\' || d == '"' || d == ',')
                    break;
                ++j;
            }
            r += t.midRef(i, j - i);
            i = j;
        }
    }
    if (!traVirgolette)
        togliSpaziFinali(r, limite);
    if (!*lista)
        return r;
    voci->append(r);
    for (QString& v : *voci) {
        if (v.startsWith(QLatin1String("@@")))
            v.remove(0, 1);
    }
    return voci->join(QStringLiteral(", "));
}

// The text of a value that is no list: "@@" stands for "@"; "@ByteArray()"
// holds UTF-8 bytes; every other "@Type(...)" is a typed value, unreadable.
QString testoValore(const QString& s, bool* leggibile)
{
    *leggibile = true;
    if (s.size() <= 3 || !s.startsWith(QLatin1Char('@')))
        return s;
    if (s.startsWith(QLatin1String("@@")))
        return s.mid(1);
    if (s.startsWith(QLatin1String("@ByteArray(")) && s.endsWith(QLatin1Char(')'))) {
        const QString dentro = s.mid(11, s.size() - 12);
        return FileSicuri::testo(dentro.toLatin1());
    }
    if (s == QLatin1String("@Invalid()"))
        return QString();
    for (const char* tipo : {"@Variant(", "@Rect(", "@Size(", "@Point(", "@DateTime("}) {
        if (s.startsWith(QLatin1String(tipo)) && s.endsWith(QLatin1Char(')'))) {
            *leggibile = false;
            return QString();
        }
    }
    return s;
}

QByteArray chiaveScritta(const QString& chiave)
{
    QByteArray r;
    for (const QChar c : chiave) {
        const ushort u = c.unicode();
        if (u == '/') {
            r += '\\';
        } else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'
                   || u == '-' || u == '.') {
            r += char(u);
        } else if (u <= 0xFF) {
            r += '%';
            r += kCifreEsadecimali[u / 16];
            r += kCifreEsadecimali[u % 16];
        } else {
            r += "%U";
            for (int k = 3; k >= 0; --k)
                r += kCifreEsadecimali[(u >> (4 * k)) & 0xF];
        }
    }
    return r;
}

QByteArray nomeGruppoScritto(const QString& nome)
{
    if (nome.isEmpty())
        return QByteArrayLiteral("General");
    if (nome.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return '%' + nome.toLatin1();
    return chiaveScritta(nome);
}

} // namespace

FileIni FileIni::leggi(const QByteArray& contenuto, bool gruppiUniti)
{
    FileIni ini;
    QString t = FileSicuri::testo(contenuto);
    if (t.startsWith(QChar(0xFEFF)))
        t.remove(0, 1);
    const int n = t.size();
    // A line ends at LF, at CR LF, or at a CR alone.
    auto fineRiga = [&t, n](int i) {
        const ushort c = t.at(i).unicode();
        return c == '\n' || (c == '\r' && (i + 1 >= n || t.at(i + 1) != QLatin1Char('\n')));
    };
    {
        int riga = 1;
        int segnalata = 0;
        for (int i = 0; i < n; ++i) {
            if (t.at(i).unicode() == 0 && segnalata != riga) {
                ini.m_problemi.append({riga, tr("carattere NUL")});
                segnalata = riga;
            }
            if (fineRiga(i))
                ++riga;
        }
    }
    // The line of a position, counted as the reading moves on.
    int rigaCorrente = 1;
    int contato = 0;
    auto numeroRiga = [&](int fino) {
        for (; contato < fino; ++contato) {
            if (fineRiga(contato))
                ++rigaCorrente;
        }
        return rigaCorrente;
    };
    auto danno = [&ini](int riga, const QString& testo) { ini.m_problemi.append({riga, testo}); };

    Gruppo* corrente = nullptr;
    bool gruppoRotto = false; // the keys after a damaged header join no group
    // The line each group began at: the program writes every group once.
    QHash<QString, int> gruppiVisti;
    int pos = 0;
    RigaLogica r;
    while (leggiRiga(t, pos, r)) {
        const int fine = r.inizio + r.lunghezza;
        const int numero = numeroRiga(r.inizio);
        if (t.at(r.inizio) == QLatin1Char('[')) {
            // Looked for inside the line only: a search to the end of the
            // file for every "[" would make reading quadratic.
            int chiusa = r.inizio + 1;
            while (chiusa < fine && t.at(chiusa) != QLatin1Char(']'))
                ++chiusa;
            const QString nome = t.mid(r.inizio + 1, chiusa - r.inizio - 1).trimmed();
            if (chiusa == fine || !t.midRef(chiusa + 1, fine - chiusa - 1).trimmed().isEmpty() || nome.isEmpty()) {
                danno(numero, chiusa == fine ? tr("intestazione di gruppo senza \"]\"")
                                             : nome.isEmpty() ? tr("gruppo senza nome") : tr("testo dopo \"]\""));
                gruppoRotto = true;
                continue;
            }
            QString gruppo;
            if (nome.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                gruppo.clear();
            else if (nome.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
                gruppo = nome.mid(1);
            else
                gruppo = chiaveLetta(nome, 0, nome.size());
            const auto visto = gruppiVisti.constFind(gruppo);
            if (visto == gruppiVisti.constEnd())
                gruppiVisti.insert(gruppo, numero);
            else if (!gruppiUniti)
                danno(numero, tr("gruppo ripetuto: [%1], già alla riga %2").arg(nome).arg(visto.value()));
            corrente = &ini.gruppo(gruppo);
            gruppoRotto = false;
            continue;
        }
        if (r.uguale < 0) {
            danno(numero, tr("riga che non è né un gruppo né chiave=valore"));
            continue;
        }
        int fineChiave = r.uguale;
        while (fineChiave > r.inizio && spazioRiga(t.at(fineChiave - 1)))
            --fineChiave;
        if (fineChiave == r.inizio) {
            danno(numero, tr("chiave senza nome"));
            continue;
        }
        if (gruppoRotto)
            continue;
        Voce v;
        v.riga = numero;
        v.chiave = chiaveLetta(t, r.inizio, fineChiave);
        bool lista = false;
        const QString letto = valoreLetto(t, r.uguale + 1, fine, &lista, &v.voci);
        v.testo = lista ? letto : testoValore(letto, &v.leggibile);
        v.grezzo = t.mid(r.uguale + 1, fine - r.uguale - 1).trimmed();
        if (!corrente) {
            corrente = &ini.gruppo(QString());
            gruppiVisti.insert(QString(), numero);
        }
        const auto it = corrente->indice.constFind(v.chiave);
        if (it != corrente->indice.constEnd()) {
            // A repeated key: reported; the last one counts.
            danno(numero, tr("chiave ripetuta: %1, già alla riga %2").arg(v.chiave).arg(corrente->voci.at(it.value()).riga));
            corrente->voci[it.value()] = v;
        } else {
            corrente->indice.insert(v.chiave, corrente->voci.size());
            corrente->voci.append(v);
        }
    }
    std::stable_sort(ini.m_problemi.begin(), ini.m_problemi.end(),
                     [](const Problema& a, const Problema& b) { return a.riga < b.riga; });
    return ini;
}

QStringList FileIni::problemi(const QString& percorso) const
{
    QStringList testi;
    for (const Problema& p : m_problemi)
        testi.append(problema(percorso, p.riga, p.testo));
    return testi;
}

QString FileIni::problema(const QString& percorso, int riga, const QString& testo)
{
    return tr("%1, riga %2: %3").arg(percorso).arg(riga).arg(testo);
}

QVector<FileIni::Riga> FileIni::righe(const QByteArray& contenuto, const QString& percorso, QStringList* problemi,
                                      bool conGruppi, QString (*comeGruppo)(const QString&))
{
    QVector<Riga> lette;
    QString t = FileSicuri::testo(contenuto);
    if (t.startsWith(QChar(0xFEFF)))
        t.remove(0, 1);
    auto danno = [&](int riga, const QString& testo) {
        if (problemi)
            problemi->append(problema(percorso, riga, testo));
    };
    const QVector<QStringRef> linee = t.splitRef(QLatin1Char('\n'));
    QString gruppo;
    bool inGruppo = !conGruppi;
    bool gruppoRotto = false;
    // The program writes every group and every key of a group once: one
    // seen again is damage. Groups compare as the reader takes them.
    QHash<QString, int> gruppiVisti;
    QHash<QString, int> chiaviViste; // of the group being read
    for (int i = 0; i < linee.size(); ++i) {
        const int numero = i + 1;
        const QStringRef riga = linee.at(i).trimmed();
        if (riga.contains(QChar(0))) {
            danno(numero, tr("carattere NUL"));
            if (riga.startsWith(QLatin1Char('['))) {
                inGruppo = false;
                gruppoRotto = true;
            }
            continue;
        }
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')) || riga.startsWith(QLatin1Char(';')))
            continue;
        if (riga.startsWith(QLatin1Char('['))) {
            const int chiusa = riga.indexOf(QLatin1Char(']'));
            const QString nome = chiusa < 0 ? QString() : riga.mid(1, chiusa - 1).trimmed().toString();
            QString difetto;
            if (!conGruppi)
                difetto = tr("intestazione di gruppo in un file senza gruppi");
            else if (chiusa < 0)
                difetto = tr("intestazione di gruppo senza \"]\"");
            else if (chiusa != riga.size() - 1)
                difetto = tr("testo dopo \"]\"");
            else if (nome.isEmpty())
                difetto = tr("gruppo senza nome");
            if (!difetto.isEmpty()) {
                danno(numero, difetto);
                inGruppo = false;
                gruppoRotto = true;
                continue;
            }
            const QString come = comeGruppo ? comeGruppo(nome) : nome;
            const auto visto = gruppiVisti.constFind(come);
            if (visto != gruppiVisti.constEnd())
                danno(numero, tr("gruppo ripetuto: [%1], già alla riga %2").arg(nome).arg(visto.value()));
            else
                gruppiVisti.insert(come, numero);
            chiaviViste.clear();
            gruppo = nome;
            inGruppo = true;
            gruppoRotto = false;
            lette.append({gruppo, QString(), QString(), numero});
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        if (uguale < 0) {
            danno(numero, tr("riga che non è né un gruppo né chiave=valore"));
            continue;
        }
        const QString chiave = riga.left(uguale).trimmed().toString();
        if (chiave.isEmpty()) {
            danno(numero, tr("chiave senza nome"));
            continue;
        }
        if (!inGruppo) {
            if (!gruppoRotto)
                danno(numero, tr("chiave fuori da ogni gruppo"));
            continue;
        }
        const auto vista = chiaviViste.constFind(chiave);
        if (vista != chiaviViste.constEnd())
            danno(numero, tr("chiave ripetuta: %1, già alla riga %2").arg(chiave).arg(vista.value()));
        else
            chiaviViste.insert(chiave, numero);
        lette.append({gruppo, chiave, riga.mid(uguale + 1).trimmed().toString(), numero});
    }
    return lette;
}

FileIni::Gruppo& FileIni::gruppo(const QString& nome)
{
    const auto it = m_indice.constFind(nome);
    if (it != m_indice.constEnd())
        return m_gruppi[it.value()];
    m_indice.insert(nome, m_gruppi.size());
    Gruppo g;
    g.nome = nome;
    m_gruppi.append(g);
    return m_gruppi.last();
}

const FileIni::Voce* FileIni::voce(const QString& gruppo, const QString& chiave) const
{
    const auto g = m_indice.constFind(gruppo);
    if (g == m_indice.constEnd())
        return nullptr;
    const Gruppo& gr = m_gruppi.at(g.value());
    const auto v = gr.indice.constFind(chiave);
    return v == gr.indice.constEnd() ? nullptr : &gr.voci.at(v.value());
}

QStringList FileIni::lista(const QString& gruppo, const QString& chiave) const
{
    const Voce* v = voce(gruppo, chiave);
    if (!v)
        return {};
    return v->voci.isEmpty() ? QStringList{v->testo} : v->voci;
}

QStringList FileIni::chiavi(const QString& gruppo) const
{
    QStringList nomi;
    const auto g = m_indice.constFind(gruppo);
    if (g != m_indice.constEnd()) {
        for (const Voce& v : m_gruppi.at(g.value()).voci)
            nomi.append(v.chiave);
    }
    return nomi;
}

int FileIni::riga(const QString& gruppo, const QString& chiave) const
{
    const Voce* v = voce(gruppo, chiave);
    return v ? v->riga : 0;
}

QStringList FileIni::gruppi() const
{
    QStringList nomi;
    for (const Gruppo& g : m_gruppi)
        nomi.append(g.nome);
    return nomi;
}

bool FileIni::contiene(const QString& gruppo, const QString& chiave) const
{
    return voce(gruppo, chiave) != nullptr;
}

QString FileIni::valore(const QString& gruppo, const QString& chiave, bool* leggibile) const
{
    const Voce* v = voce(gruppo, chiave);
    if (leggibile)
        *leggibile = !v || v->leggibile;
    return v ? v->testo : QString();
}

void FileIni::imposta(const QString& nomeGruppo, const QString& chiave, const QString& valore)
{
    Gruppo& g = gruppo(nomeGruppo);
    Voce v;
    v.chiave = chiave;
    v.testo = valore;
    const auto it = g.indice.constFind(chiave);
    if (it != g.indice.constEnd()) {
        g.voci[it.value()] = v;
    } else {
        g.indice.insert(chiave, g.voci.size());
        g.voci.append(v);
    }
}

QString FileIni::testoNumero(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QByteArray FileIni::valoreScritto(const QString& valore)
{
    QString s = valore;
    if (s.startsWith(QLatin1Char('@')))
        s.prepend(QLatin1Char('@'));
    QByteArray r;
    QString normali; // a run of characters written as they are, in UTF-8
    auto scarica = [&] {
        if (!normali.isEmpty()) {
            r += normali.toUtf8();
            normali.clear();
        }
    };
    bool virgolette = false;
    bool esadecimaleDopo = false;
    for (const QChar c : qAsConst(s)) {
        const ushort u = c.unicode();
        if (u == ';' || u == ',' || u == '=')
            virgolette = true;
        if (esadecimaleDopo && cifraEsadecimale(c) >= 0) {
            scarica();
            r += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        esadecimaleDopo = false;
        const char* sequenza = nullptr;
        switch (u) {
        case 0: sequenza = "\\0"; esadecimaleDopo = true; break;
        case '\a': sequenza = "\\a"; break;
        case '\b': sequenza = "\\b"; break;
        case '\f': sequenza = "\\f"; break;
        case '\n': sequenza = "\\n"; break;
        case '\r': sequenza = "\\r"; break;
        case '\t': sequenza = "\\t"; break;
        case '\v': sequenza = "\\v"; break;
        case '"': sequenza = "\\\""; break;
        case '\\': sequenza = "\\\\"; break;
        default: break;
        }
        if (sequenza) {
            scarica();
            r += sequenza;
        } else if (u <= 0x1F) {
            scarica();
            r += "\\x" + QByteArray::number(u, 16);
            esadecimaleDopo = true;
        } else {
            normali += c;
        }
    }
    scarica();
    if (virgolette || r.startsWith(' ') || r.endsWith(' '))
        r = '"' + r + '"';
    return r;
}

QByteArray FileIni::scrivi() const
{
    QByteArray r;
    for (const Gruppo& g : m_gruppi) {
        if (g.voci.isEmpty())
            continue;
        if (!r.isEmpty())
            r += '\n';
        r += '[' + nomeGruppoScritto(g.nome) + "]\n";
        for (const Voce& v : g.voci) {
            r += chiaveScritta(v.chiave) + '=';
            r += v.grezzo.isNull() ? valoreScritto(v.testo) : v.grezzo.toUtf8();
            r += '\n';
        }
    }
    return r;
}
