#include "movimenti.h"

#include "decimali.h"
#include "filesicuri.h"

#include <QDir>
#include <QMap>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The thirteen keys of a movement, in the order they are written.
const QStringList& chiaviMovimento()
{
    static const QStringList chiavi = {QStringLiteral("data"),
                                       QStringLiteral("tipo"),
                                       QStringLiteral("importo"),
                                       QStringLiteral("categoriaCertificato"),
                                       QStringLiteral("soggettoAVS"),
                                       QStringLiteral("soggettoAD"),
                                       QStringLiteral("applicaMassimaleAD"),
                                       QStringLiteral("soggettoCAF"),
                                       QStringLiteral("soggettoLAINF"),
                                       QStringLiteral("applicaMassimaleLAINF"),
                                       QStringLiteral("soggettoLPP"),
                                       QStringLiteral("soggettoIF"),
                                       QStringLiteral("descrizione")};
    return chiavi;
}

QString bandiera(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

struct Preset
{
    // Italian prefixes: compared with the lower-cased kind as it is written.
    QStringList prefissi;
    // The same group's prefixes in the other languages of the interface
    // (German, French, English, Spanish), written without accents: compared
    // with the lower-cased kind stripped of its accents, so "Prämie" and
    // "Pramie", "frais de déplacement" and "frais de deplacement" match alike.
    QStringList altreLingue;
    int categoria;
    bool tutti;      // all eight flags; otherwise withholding tax only
    bool ricorrente; // paid again every month, as the salary is
    bool mensilita;  // a thirteenth or fourteenth salary
};

const QList<Preset>& presets()
{
    static const QList<Preset> righe = {
        {{QStringLiteral("gratifica"), QStringLiteral("bonus"), QStringLiteral("premio")},
         {QStringLiteral("gratifikation"), QStringLiteral("pramie"), QStringLiteral("praemie"),
          QStringLiteral("gratification"), QStringLiteral("prime"), QStringLiteral("gratuity"),
          QStringLiteral("gratificacion"), QStringLiteral("bonificacion"), QStringLiteral("bono"),
          QStringLiteral("prima")},
         3, true, false, false},
        {{QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("mensilita")},
         {QStringLiteral("dreizehnt"), QStringLiteral("vierzehnt"), QStringLiteral("treizieme"),
          QStringLiteral("quatorzieme"), QStringLiteral("thirteenth"), QStringLiteral("fourteenth"),
          QStringLiteral("decimotercer"), QStringLiteral("decimocuart"), QStringLiteral("decimo tercer"),
          QStringLiteral("decimo cuart"), QStringLiteral("paga extra")},
         1, true, false, true},
        {{QStringLiteral("rimborso"), QStringLiteral("spese effettive"), QStringLiteral("trasferta"),
          QStringLiteral("spese")},
         {QStringLiteral("spesen"), QStringLiteral("effektive spesen"), QStringLiteral("reisespesen"),
          QStringLiteral("reisekosten"), QStringLiteral("auslagen"), QStringLiteral("ruckerstattung"),
          QStringLiteral("rueckerstattung"), QStringLiteral("remboursement"), QStringLiteral("frais"),
          QStringLiteral("deplacement"), QStringLiteral("expense"), QStringLiteral("actual expense"),
          QStringLiteral("reimbursement"), QStringLiteral("refund"), QStringLiteral("travel"),
          QStringLiteral("reembolso"), QStringLiteral("gastos"), QStringLiteral("desplazamiento"),
          QStringLiteral("viaje")},
         131, false, false, false},
        {{QStringLiteral("forfet"), QStringLiteral("spese forfet")},
         {QStringLiteral("pauschal"), QStringLiteral("spesenpauschal"), QStringLiteral("spesen pauschal"),
          QStringLiteral("forfait"), QStringLiteral("frais forfait"), QStringLiteral("flat"),
          QStringLiteral("lump-sum expense"), QStringLiteral("lump sum expense"), QStringLiteral("gastos forfet"),
          QStringLiteral("gastos global"), QStringLiteral("gastos a tanto alzado"), QStringLiteral("tanto alzado")},
         132, false, true, false},
        {{QStringLiteral("formazione"), QStringLiteral("perfezionamento")},
         {QStringLiteral("weiterbildung"), QStringLiteral("fortbildung"), QStringLiteral("ausbildung"),
          QStringLiteral("formation"), QStringLiteral("perfectionnement"), QStringLiteral("training"),
          QStringLiteral("further education"), QStringLiteral("education"), QStringLiteral("formacion"),
          QStringLiteral("perfeccionamiento"), QStringLiteral("capacitacion")},
         133, false, false, false},
        {{QStringLiteral("capitale"), QStringLiteral("previdenza")},
         {QStringLiteral("kapital"), QStringLiteral("vorsorge"), QStringLiteral("capital"),
          QStringLiteral("prevoyance"), QStringLiteral("provident"), QStringLiteral("prevision")},
         4, false, false, false},
        {{QStringLiteral("cda"), QStringLiteral("consiglio")},
         {QStringLiteral("verwaltungsrat"), QStringLiteral("vr"), QStringLiteral("tantieme"),
          QStringLiteral("sitzungsgeld"), QStringLiteral("conseil"), QStringLiteral("jetons de presence"),
          QStringLiteral("board"), QStringLiteral("director"), QStringLiteral("consejo"), QStringLiteral("consejer")},
         6, true, false, false},
        {{QStringLiteral("assegno familiare"), QStringLiteral("assegni familiari")},
         {QStringLiteral("familienzulage"), QStringLiteral("kinderzulage"), QStringLiteral("ausbildungszulage"),
          QStringLiteral("allocation"), QStringLiteral("family allowance"), QStringLiteral("child allowance"),
          QStringLiteral("children"), QStringLiteral("education allowance"),
          QStringLiteral("training allowance"), QStringLiteral("subsidio familiar"),
          QStringLiteral("subsidios familiares"), QStringLiteral("subsidio por hij"),
          QStringLiteral("subsidio de formacion"), QStringLiteral("asignacion familiar"),
          QStringLiteral("asignaciones familiares")},
         15, false, true, false},
    };
    return righe;
}

// The text without its accents: "prämie" -> "pramie", "déplacement" ->
// "deplacement", "ß" -> "ss".
QString senzaAccenti(const QString& testo)
{
    const QString scomposto = testo.normalized(QString::NormalizationForm_KD);
    QString risultato;
    risultato.reserve(scomposto.size());
    for (const QChar c : scomposto) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            risultato += QStringLiteral("ss");
        else
            risultato += c;
    }
    return risultato;
}

// The rule of a kind: the one whose prefix begins the kind (letter case
// ignored; accents too for the other languages' prefixes), the longest
// prefix when several do ("Spesenpauschale" is a flat expense, not an
// actual one); none for a kind no rule knows.
const Preset* presetDi(const QString& tipo)
{
    const QString minuscolo = tipo.toLower();
    const QString piano = senzaAccenti(minuscolo);
    const Preset* trovato = nullptr;
    int lunghezza = 0;
    for (const Preset& p : presets()) {
        for (const QString& prefisso : p.prefissi) {
            if (prefisso.size() > lunghezza && minuscolo.startsWith(prefisso, Qt::CaseSensitive)) {
                trovato = &p;
                lunghezza = prefisso.size();
            }
        }
        for (const QString& prefisso : p.altreLingue) {
            if (prefisso.size() > lunghezza && piano.startsWith(prefisso, Qt::CaseSensitive)) {
                trovato = &p;
                lunghezza = prefisso.size();
            }
        }
    }
    return trovato;
}

} // namespace

QString Movimenti::percorsoFile(const QString& id)
{
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             + QStringLiteral("/movimenti");
    QDir().mkpath(cartella);
    if (!FileSicuri::nomeSicuro(id))
        return QString();
    return cartella + QLatin1Char('/') + id + QStringLiteral(".txt");
}

QList<MovimentoStipendio> Movimenti::carica(const QString& id, QString* errore)
{
    if (errore)
        errore->clear();
    const QString percorso = percorsoFile(id);
    QByteArray contenuto;
    if (percorso.isEmpty())
        return {};
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return {};
    }
    QMap<int, QStringList> difetti;
    const QList<MovimentoStipendio> lista = leggi(contenuto, &difetti);
    if (errore && !difetti.isEmpty()) {
        QStringList elenco;
        for (const QStringList& r : qAsConst(difetti))
            elenco += r;
        *errore = tr("Il file %1 non si legge per intero: %2.").arg(percorso, elenco.join(QStringLiteral("; ")));
    }
    return lista;
}

QList<MovimentoStipendio> Movimenti::leggi(const QByteArray& contenuto, QMap<int, QStringList>* difetti)
{
    QList<MovimentoStipendio> lista;
    // Every block holds each of the thirteen keys once: a block split by an
    // empty line lacks some, two blocks run together repeat some.
    const QStringList& chiavi = chiaviMovimento();
    MovimentoStipendio corrente;
    QStringList trovate; // keys of the current block
    int inizioBlocco = 0;
    auto chiudiBlocco = [&]() {
        if (trovate.isEmpty())
            return;
        QStringList mancanti;
        for (const QString& c : chiavi) {
            if (!trovate.contains(c))
                mancanti.append(c);
        }
        if (!mancanti.isEmpty())
            (*difetti)[inizioBlocco].append(
                tr("riga %1: il movimento non ha %2").arg(inizioBlocco).arg(mancanti.join(QStringLiteral(", "))));
        lista.append(corrente);
        corrente = MovimentoStipendio();
        trovate.clear();
    };

    QString tutto = FileSicuri::testo(contenuto);
    if (tutto.startsWith(QChar(0xFEFF)))
        tutto.remove(0, 1);
    const QStringList righe = tutto.split(QLatin1Char('\n'));
    for (int i = 0; i < righe.size(); ++i) {
        const int numero = i + 1;
        const QString riga = righe.at(i).trimmed();
        if (riga.isEmpty()) {
            chiudiBlocco();
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        const QString chiave = uguale > 0 ? riga.left(uguale).trimmed() : QString();
        if (riga.contains(QChar(0))) {
            // Named by its key when the NUL is in the value.
            (*difetti)[numero].append(chiavi.contains(chiave)
                                          ? tr("riga %1: carattere nullo in %2").arg(numero).arg(chiave)
                                          : tr("riga %1: carattere nullo").arg(numero));
            continue;
        }
        if (!chiavi.contains(chiave)) {
            (*difetti)[numero].append(tr("riga %1: riga non riconosciuta \"%2\"").arg(numero).arg(riga.left(40)));
            continue;
        }
        if (trovate.contains(chiave)) {
            // A key met again starts the next movement: the empty line
            // between the two is missing. Nothing is merged.
            (*difetti)[numero].append(
                tr("riga %1: %2 ripetuto, manca la riga vuota tra due movimenti").arg(numero).arg(chiave));
            chiudiBlocco();
        }
        if (trovate.isEmpty())
            inizioBlocco = numero;
        trovate.append(chiave);
        const QString valore = riga.mid(uguale + 1);
        if (chiave == QLatin1String("data"))
            corrente.data = valore;
        else if (chiave == QLatin1String("tipo"))
            corrente.tipo = valore;
        else if (chiave == QLatin1String("descrizione"))
            corrente.descrizione = valore;
        else if (chiave == QLatin1String("importo")) {
            // Not a finite amount within range: 0, and reported.
            corrente.importo = 0.0;
            if (!FileSicuri::numero(valore, -FileSicuri::kImportoMassimo, FileSicuri::kImportoMassimo,
                                    &corrente.importo))
                (*difetti)[numero].append(tr("riga %1: importo non valido").arg(numero));
        } else if (chiave == QLatin1String("categoriaCertificato")) {
            corrente.categoriaCertificato = 0;
            if (!FileSicuri::intero(valore, 0, 9999, &corrente.categoriaCertificato))
                (*difetti)[numero].append(tr("riga %1: categoriaCertificato non valida").arg(numero));
        } else {
            // A flag is 1 or 0; anything else is not guessed.
            const QString flag = valore.trimmed();
            if (flag != QLatin1String("1") && flag != QLatin1String("0"))
                (*difetti)[numero].append(tr("riga %1: %2 non e' 0 o 1").arg(numero).arg(chiave));
            const bool uno = flag == QLatin1String("1");
            if (chiave == QLatin1String("soggettoAVS"))
                corrente.soggettoAVS = uno;
            else if (chiave == QLatin1String("soggettoAD"))
                corrente.soggettoAD = uno;
            else if (chiave == QLatin1String("applicaMassimaleAD"))
                corrente.applicaMassimaleAD = uno;
            else if (chiave == QLatin1String("soggettoCAF"))
                corrente.soggettoCAF = uno;
            else if (chiave == QLatin1String("soggettoLAINF"))
                corrente.soggettoLAINF = uno;
            else if (chiave == QLatin1String("applicaMassimaleLAINF"))
                corrente.applicaMassimaleLAINF = uno;
            else if (chiave == QLatin1String("soggettoLPP"))
                corrente.soggettoLPP = uno;
            else
                corrente.soggettoIF = uno;
        }
    }
    chiudiBlocco();
    return lista;
}

bool Movimenti::salva(const QString& id, const QList<MovimentoStipendio>& movimenti, QString* errore)
{
    auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    const QString percorso = percorsoFile(id);
    if (percorso.isEmpty())
        return rifiuta(tr("Codice dipendente non utilizzabile come nome di file."));
    QString testo;
    for (const MovimentoStipendio& m : movimenti) {
        // Texts stay on their own line: a line break in a description would
        // otherwise start a new block, read back as a further (paid) movement.
        testo += QStringLiteral("data=") + FileSicuri::unaRiga(m.data) + QLatin1Char('\n');
        testo += QStringLiteral("tipo=") + FileSicuri::unaRiga(m.tipo) + QLatin1Char('\n');
        testo += QStringLiteral("importo=") + Decimali::testo(m.importo) + QLatin1Char('\n');
        testo += QStringLiteral("categoriaCertificato=") + QString::number(m.categoriaCertificato) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoAVS=") + bandiera(m.soggettoAVS) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoAD=") + bandiera(m.soggettoAD) + QLatin1Char('\n');
        testo += QStringLiteral("applicaMassimaleAD=") + bandiera(m.applicaMassimaleAD) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoCAF=") + bandiera(m.soggettoCAF) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoLAINF=") + bandiera(m.soggettoLAINF) + QLatin1Char('\n');
        testo += QStringLiteral("applicaMassimaleLAINF=") + bandiera(m.applicaMassimaleLAINF) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoLPP=") + bandiera(m.soggettoLPP) + QLatin1Char('\n');
        testo += QStringLiteral("soggettoIF=") + bandiera(m.soggettoIF) + QLatin1Char('\n');
        testo += QStringLiteral("descrizione=") + FileSicuri::unaRiga(m.descrizione) + QLatin1Char('\n');
        testo += QLatin1Char('\n');
    }
    const QByteArray dati = testo.toUtf8();

    // Nothing is written that the reader would report: an amount that is not
    // finite or beyond the widest one, a category out of range, a NUL.
    QMap<int, QStringList> difetti;
    leggi(dati, &difetti);
    if (!difetti.isEmpty()) {
        // Each movement is its thirteen lines and an empty one.
        const int righeMovimento = chiaviMovimento().size() + 1;
        QMap<int, QStringList> perMovimento;
        for (auto it = difetti.cbegin(); it != difetti.cend(); ++it)
            perMovimento[(it.key() - 1) / righeMovimento] += it.value();
        QStringList motivi;
        for (auto it = perMovimento.cbegin(); it != perMovimento.cend(); ++it) {
            const MovimentoStipendio m = movimenti.value(it.key());
            motivi.append(tr("movimento %1 (%2, %3): %4")
                              .arg(QString::number(it.key() + 1), m.data, m.tipo,
                                   it.value().join(QStringLiteral("; "))));
        }
        return rifiuta(tr("Valori non validi, i movimenti non vengono salvati: %1.")
                           .arg(motivi.join(QStringLiteral("; "))));
    }
    if (!FileSicuri::scrivi(percorso, dati))
        return rifiuta(tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}

bool Movimenti::mensilitaAggiuntiva(const MovimentoStipendio& m)
{
    const Preset* p = presetDi(m.tipo);
    return p && p->mensilita;
}

Movimenti::Scarto Movimenti::scarto(const MovimentoStipendio& m)
{
    // Below half a centime an amount is nothing the count could pay.
    if (!(Decimali::arrotonda(m.importo, 100.0) > 0))
        return Scarto::Importo;
    if (!(m.soggettoAVS || m.soggettoAD || m.soggettoCAF || m.soggettoLAINF || m.soggettoLPP || m.soggettoIF))
        return Scarto::Soggetti;
    return Scarto::Nessuno;
}

void Movimenti::applicaPreset(MovimentoStipendio& m)
{
    const Preset* p = presetDi(m.tipo);
    if (!p)
        return;
    m.categoriaCertificato = p->categoria;
    m.soggettoAVS = p->tutti;
    m.soggettoAD = p->tutti;
    m.applicaMassimaleAD = p->tutti;
    m.soggettoCAF = p->tutti;
    m.soggettoLAINF = p->tutti;
    m.applicaMassimaleLAINF = p->tutti;
    m.soggettoLPP = p->tutti;
    m.soggettoIF = true;
}

bool Movimenti::ricorrente(const MovimentoStipendio& m)
{
    const Preset* p = presetDi(m.tipo);
    return p && p->ricorrente;
}
