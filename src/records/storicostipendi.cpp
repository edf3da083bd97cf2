#include "storicostipendi.h"

#include "config.h"
#include "decimali.h"
#include "dipendente.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMap>

#include <algorithm>
#include <iterator>

namespace {

using Par = double ParametriPeriodo::*;
using Ris = double RisultatiPeriodo::*;

const std::pair<const char*, Par> kParametri[] = {
    {"avsDip", &ParametriPeriodo::avsDip}, {"avsDat", &ParametriPeriodo::avsDat},
    {"adDip", &ParametriPeriodo::adDip}, {"adDat", &ParametriPeriodo::adDat},
    {"cafDip", &ParametriPeriodo::cafDip}, {"cafDat", &ParametriPeriodo::cafDat},
    {"lainfDip", &ParametriPeriodo::lainfDip}, {"lainfDat", &ParametriPeriodo::lainfDat},
    {"igm", &ParametriPeriodo::igm}, {"lppAliquota", &ParametriPeriodo::lppAliquota},
    {"massimaleAD", &ParametriPeriodo::massimaleAD}, {"massimaleLAINF", &ParametriPeriodo::massimaleLAINF},
    {"lppSoglia", &ParametriPeriodo::lppSoglia}, {"lppDeduzione", &ParametriPeriodo::lppDeduzione},
    {"lppMax", &ParametriPeriodo::lppMax},
};

const std::pair<const char*, Ris> kRisultati[] = {
    {"lordo", &RisultatiPeriodo::lordo}, {"avs", &RisultatiPeriodo::avs}, {"ad", &RisultatiPeriodo::ad},
    {"caf", &RisultatiPeriodo::caf}, {"lainf", &RisultatiPeriodo::lainf}, {"igm", &RisultatiPeriodo::igm},
    {"lpp", &RisultatiPeriodo::lpp}, {"imposta", &RisultatiPeriodo::imposta},
    {"totaleContributiDip", &RisultatiPeriodo::totaleContributiDip},
    {"totaleContributiDat", &RisultatiPeriodo::totaleContributiDat}, {"netto", &RisultatiPeriodo::netto},
};

using Flag = bool MovimentoStipendio::*;
const std::pair<const char*, Flag> kFlag[] = {
    {"soggettoAVS", &MovimentoStipendio::soggettoAVS},
    {"soggettoAD", &MovimentoStipendio::soggettoAD},
    {"applicaMassimaleAD", &MovimentoStipendio::applicaMassimaleAD},
    {"soggettoCAF", &MovimentoStipendio::soggettoCAF},
    {"soggettoLAINF", &MovimentoStipendio::soggettoLAINF},
    {"applicaMassimaleLAINF", &MovimentoStipendio::applicaMassimaleLAINF},
    {"soggettoLPP", &MovimentoStipendio::soggettoLPP},
    {"soggettoIF", &MovimentoStipendio::soggettoIF},
};

QString due(double v)
{
    return Decimali::testo(v);
}

QString uno(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString StoricoStipendi::percorsoFile(const QString& id)
{
    const QString cartella = Config::cartellaDati() + QStringLiteral("/stipendi");
    QDir().mkpath(cartella);
    const QString nome = QFileInfo(id).fileName();
    const int punto = nome.lastIndexOf(QLatin1Char('.'));
    QString base = punto > 0 ? nome.left(punto) : (punto == 0 ? QString() : nome);
    if (base.isEmpty())
        base = id;
    if (!FileSicuri::nomeSicuro(base))
        return QString();
    return cartella + QLatin1Char('/') + base + QStringLiteral(".txt");
}

QByteArray StoricoStipendi::serializza(const QVector<PeriodoStipendio>& v)
{
    QString testo;
    auto riga = [&testo](const QString& chiave, const QString& valore) {
        // A text on one line: a line break can never start another key.
        testo += chiave + QLatin1Char('=') + FileSicuri::unaRiga(valore) + QLatin1Char('\n');
    };
    for (int n = 0; n < v.size(); ++n) {
        const PeriodoStipendio& p = v.at(n);
        const QString pre = QStringLiteral("periodo%1.").arg(n + 1);
        riga(pre + QStringLiteral("dataInizio"), p.dataInizio);
        riga(pre + QStringLiteral("dataFine"), p.dataFine);
        riga(pre + QStringLiteral("note"), p.note);
        riga(pre + QStringLiteral("tipoPaga"), QString::number(p.tipoPaga));
        riga(pre + QStringLiteral("salarioMensile"), due(p.salarioMensile));
        riga(pre + QStringLiteral("pagaOraria"), due(p.pagaOraria));
        riga(pre + QStringLiteral("oreMensili"), due(p.oreMensili));
        riga(pre + QStringLiteral("mensilita"), QString::number(p.mensilita));
        riga(pre + QStringLiteral("dip.eta"), QString::number(p.dip.eta));
        riga(pre + QStringLiteral("dip.cantone"), p.dip.cantone);
        riga(pre + QStringLiteral("dip.tabellaIF"), p.dip.tabellaIF);
        riga(pre + QStringLiteral("dip.figli"), QString::number(p.dip.figli));
        riga(pre + QStringLiteral("dip.statoCivile"), p.dip.statoCivile);
        riga(pre + QStringLiteral("dip.sesso"), p.dip.sesso);
        // Every decimal a parameter holds comes back (no rounding to six
        // digits: 148200.55 is no 148201).
        for (const auto& c : kParametri)
            riga(pre + QStringLiteral("par.") + QLatin1String(c.first), FileIni::testoNumero(p.par.*c.second));
        for (const auto& c : kRisultati)
            riga(pre + QStringLiteral("ris.") + QLatin1String(c.first), due(p.ris.*c.second));
        for (int m = 0; m < p.movimenti.size(); ++m) {
            const MovimentoPeriodo& mv = p.movimenti.at(m);
            const QString pm = pre + QStringLiteral("movimento%1.").arg(m + 1);
            riga(pm + QStringLiteral("data"), mv.data);
            riga(pm + QStringLiteral("tipo"), mv.tipo);
            riga(pm + QStringLiteral("importo"), due(mv.importo));
            riga(pm + QStringLiteral("categoriaCertificato"), QString::number(mv.categoriaCertificato));
            for (const auto& f : kFlag)
                riga(pm + QLatin1String(f.first), uno(mv.*f.second));
            riga(pm + QStringLiteral("descrizione"), mv.descrizione);
        }
    }
    return testo.toUtf8();
}

QVector<PeriodoStipendio> StoricoStipendi::deserializza(const QByteArray& contenuto, QStringList* problemi)
{
    static const QStringList kCampiPeriodo = {
        QStringLiteral("dataInizio"),     QStringLiteral("dataFine"),        QStringLiteral("note"),
        QStringLiteral("tipoPaga"),       QStringLiteral("salarioMensile"),  QStringLiteral("pagaOraria"),
        QStringLiteral("oreMensili"),     QStringLiteral("mensilita"),       QStringLiteral("dip.eta"),
        QStringLiteral("dip.cantone"),    QStringLiteral("dip.tabellaIF"),   QStringLiteral("dip.figli"),
        QStringLiteral("dip.statoCivile"), QStringLiteral("dip.sesso")};
    static const QStringList kCampiMovimento = {QStringLiteral("data"), QStringLiteral("tipo"),
                                                QStringLiteral("descrizione"), QStringLiteral("importo"),
                                                QStringLiteral("categoriaCertificato")};
    QMap<int, PeriodoStipendio> periodi;
    QMap<int, int> rigaPeriodo; // first line of each period
    QMap<int, QMap<int, MovimentoPeriodo>> movimenti;
    QMap<int, int> rigaMovimenti; // first movement line of each period
    QMap<QString, int> lette;     // every key read, with its line
    QMap<int, QStringList> scartati; // by line
    QString chiave;
    QString valore;
    int numeroRiga = 0;
    auto difetto = [&](const QString& testo) {
        scartati[numeroRiga].append(tr("riga %1: %2").arg(QString::number(numeroRiga), testo));
    };
    // A number that is not finite and within range reads as 0 and is
    // reported with its key; an empty value is 0, as it always was.
    auto numero = [&]() {
        double v = 0.0;
        if (!valore.isEmpty()
            && !FileSicuri::numero(valore, -FileSicuri::kImportoMassimo, FileSicuri::kImportoMassimo, &v))
            difetto(tr("%1 non e' un numero valido").arg(chiave));
        return v;
    };
    auto intero = [&]() {
        int v = 0;
        if (!valore.isEmpty() && !FileSicuri::intero(valore, -1000000, 1000000, &v))
            difetto(tr("%1 non e' un numero valido").arg(chiave));
        return v;
    };
    // The number after a prefix: digits only, from 1.
    auto indice = [](const QString& testo, int* n) {
        bool ok = !testo.isEmpty() && testo.size() <= 6;
        for (const QChar c : testo)
            ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        *n = ok ? testo.toInt() : 0;
        return *n > 0;
    };
    QString tutto = FileSicuri::testo(contenuto);
    if (tutto.startsWith(QChar(0xFEFF)))
        tutto.remove(0, 1);
    const QStringList righe = tutto.split(QLatin1Char('\n'));
    for (const QString& r : righe) {
        ++numeroRiga;
        const QString riga = r.trimmed();
        if (riga.isEmpty() || riga.startsWith(QLatin1Char('#')))
            continue;
        if (riga.contains(QChar(0))) {
            difetto(tr("carattere nullo"));
            continue;
        }
        const int uguale = riga.indexOf(QLatin1Char('='));
        chiave = uguale > 0 ? riga.left(uguale).trimmed() : QString();
        valore = riga.mid(uguale + 1).trimmed();
        // "periodo<N>.<field>" or "periodo<N>.movimento<M>.<field>"; any
        // other line would make a period of its own or be lost.
        const int punto = chiave.indexOf(QLatin1Char('.'));
        int n = 0;
        int m = 0;
        const QString sotto = chiave.mid(punto + 1);
        const int p2 = sotto.indexOf(QLatin1Char('.'));
        const bool diMovimento = sotto.startsWith(QLatin1String("movimento")) && p2 > 0;
        const QString campo = diMovimento ? sotto.mid(p2 + 1) : sotto;
        bool valida = chiave.startsWith(QLatin1String("periodo")) && punto > 0
                      && indice(chiave.mid(7, punto - 7), &n);
        if (valida && diMovimento) {
            valida = indice(sotto.mid(9, p2 - 9), &m)
                     && (kCampiMovimento.contains(campo)
                         || std::any_of(std::begin(kFlag), std::end(kFlag),
                                        [&campo](const auto& f) { return campo == QLatin1String(f.first); }));
        } else if (valida) {
            valida = kCampiPeriodo.contains(campo)
                     || (campo.startsWith(QLatin1String("par."))
                         && std::any_of(std::begin(kParametri), std::end(kParametri),
                                        [&campo](const auto& c) { return campo.mid(4) == QLatin1String(c.first); }))
                     || (campo.startsWith(QLatin1String("ris."))
                         && std::any_of(std::begin(kRisultati), std::end(kRisultati),
                                        [&campo](const auto& c) { return campo.mid(4) == QLatin1String(c.first); }));
        }
        if (!valida) {
            difetto(tr("\"%1\" non e' una riga dello storico").arg(riga.left(60)));
            continue;
        }
        const QString normale = diMovimento ? QStringLiteral("%1.%2.%3").arg(n).arg(m).arg(campo)
                                            : QStringLiteral("%1.%2").arg(n).arg(campo);
        if (lette.contains(normale)) {
            difetto(tr("%1 ripetuto (gia' alla riga %2)").arg(chiave, QString::number(lette.value(normale))));
            continue;
        }
        lette.insert(normale, numeroRiga);

        if (diMovimento) {
            if (!rigaMovimenti.contains(n))
                rigaMovimenti.insert(n, numeroRiga);
            MovimentoPeriodo& mv = movimenti[n][m];
            if (campo == QLatin1String("data"))
                mv.data = valore;
            else if (campo == QLatin1String("tipo"))
                mv.tipo = valore;
            else if (campo == QLatin1String("descrizione"))
                mv.descrizione = valore;
            else if (campo == QLatin1String("importo"))
                mv.importo = numero();
            else if (campo == QLatin1String("categoriaCertificato"))
                mv.categoriaCertificato = intero();
            else {
                if (valore != QLatin1String("1") && valore != QLatin1String("0"))
                    difetto(tr("%1 non e' 0 o 1").arg(chiave));
                for (const auto& f : kFlag) {
                    if (campo == QLatin1String(f.first))
                        mv.*f.second = valore == QLatin1String("1");
                }
            }
            continue;
        }

        if (!rigaPeriodo.contains(n))
            rigaPeriodo.insert(n, numeroRiga);
        PeriodoStipendio& p = periodi[n];
        if (sotto == QLatin1String("dataInizio")) p.dataInizio = valore;
        else if (sotto == QLatin1String("dataFine")) p.dataFine = valore;
        else if (sotto == QLatin1String("note")) p.note = valore;
        else if (sotto == QLatin1String("tipoPaga")) p.tipoPaga = intero();
        else if (sotto == QLatin1String("mensilita")) p.mensilita = intero();
        else if (sotto == QLatin1String("salarioMensile")) p.salarioMensile = numero();
        else if (sotto == QLatin1String("pagaOraria")) p.pagaOraria = numero();
        else if (sotto == QLatin1String("oreMensili")) p.oreMensili = numero();
        else if (sotto == QLatin1String("dip.eta")) p.dip.eta = intero();
        else if (sotto == QLatin1String("dip.cantone")) p.dip.cantone = valore;
        else if (sotto == QLatin1String("dip.tabellaIF")) p.dip.tabellaIF = valore;
        else if (sotto == QLatin1String("dip.figli")) p.dip.figli = intero();
        else if (sotto == QLatin1String("dip.statoCivile")) p.dip.statoCivile = valore;
        else if (sotto == QLatin1String("dip.sesso")) p.dip.sesso = valore;
        else if (sotto.startsWith(QLatin1String("par."))) {
            // The parameters come back as they were written, so a load and
            // save keeps what the period was computed with.
            for (const auto& c : kParametri) {
                if (sotto.mid(4) == QLatin1String(c.first))
                    p.par.*c.second = numero();
            }
        } else if (sotto.startsWith(QLatin1String("ris."))) {
            for (const auto& c : kRisultati) {
                if (sotto.mid(4) == QLatin1String(c.first))
                    p.ris.*c.second = numero();
            }
        }
    }

    // A period without its start, and movements of a period that has no
    // lines of its own, are left over from a damaged key.
    for (auto it = periodi.cbegin(); it != periodi.cend(); ++it) {
        if (!lette.contains(QStringLiteral("%1.dataInizio").arg(it.key()))) {
            numeroRiga = rigaPeriodo.value(it.key());
            difetto(tr("il periodo %1 non ha dataInizio").arg(it.key()));
        }
    }
    for (auto it = rigaMovimenti.cbegin(); it != rigaMovimenti.cend(); ++it) {
        if (!periodi.contains(it.key())) {
            numeroRiga = it.value();
            difetto(tr("movimenti del periodo %1, che non c'e'").arg(it.key()));
        }
    }

    QVector<PeriodoStipendio> v;
    for (auto it = periodi.begin(); it != periodi.end(); ++it) {
        PeriodoStipendio p = it.value();
        const QMap<int, MovimentoPeriodo> mv = movimenti.value(it.key());
        for (const MovimentoPeriodo& m : mv)
            p.movimenti.append(m);
        v.append(p);
    }
    if (problemi) {
        problemi->clear();
        for (const QStringList& r : qAsConst(scartati))
            *problemi += r;
    }
    return v;
}

bool StoricoStipendi::carica(const QString& id, QVector<PeriodoStipendio>& v, QString* errore)
{
    v.clear();
    if (errore)
        errore->clear();
    const QString percorso = percorsoFile(id);
    QByteArray contenuto;
    if (percorso.isEmpty())
        return false;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return false;
    }
    QStringList problemi;
    v = deserializza(contenuto, &problemi);
    if (errore && !problemi.isEmpty())
        *errore = tr("Il file %1 non si legge per intero: %2.").arg(percorso, problemi.join(QStringLiteral("; ")));
    return true;
}

bool StoricoStipendi::salva(const QString& id, const QVector<PeriodoStipendio>& v, QString* errore)
{
    auto rifiuta = [errore](const QString& testo) {
        if (errore)
            *errore = testo;
        return false;
    };
    const QString percorso = percorsoFile(id);
    if (percorso.isEmpty())
        return rifiuta(tr("Codice dipendente non utilizzabile come nome di file."));
    // Every number must come back as it is written.
    QStringList problemi;
    deserializza(serializza(v), &problemi);
    if (!problemi.isEmpty())
        return rifiuta(
            tr("Valori non validi (%1): lo storico non viene salvato.").arg(problemi.join(QStringLiteral("; "))));
    // The file is rewritten whole: one that did not read cleanly would lose
    // what could not be read, so it is left as it is.
    QVector<PeriodoStipendio> presenti;
    QString problema;
    carica(id, presenti, &problema);
    if (!problema.isEmpty())
        return rifiuta(problema + QLatin1Char(' ') + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
    if (!FileSicuri::scrivi(percorso, serializza(v)))
        return rifiuta(tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}

void StoricoStipendi::aggiornaMensilita(QVector<PeriodoStipendio>& v, int mensilita)
{
    for (PeriodoStipendio& p : v)
        p.mensilita = mensilita;
}

bool StoricoStipendi::nuovoAnnoPerTutti(int vecchio, int nuovo)
{
    int salvati = 0;
    const QStringList ids = Dipendente::elencoDipendenti(false);
    for (const QString& id : ids) {
        QVector<PeriodoStipendio> v;
        if (!carica(id, v) || v.isEmpty())
            continue;
        PeriodoStipendio& ultimo = v.last();
        if (ultimo.dataFine.right(4).toInt() >= nuovo)
            continue;
        ultimo.dataFine = QStringLiteral("31/12/%1").arg(vecchio);
        PeriodoStipendio p;
        p.dataInizio = QStringLiteral("01/01/%1").arg(nuovo);
        p.dataFine = QStringLiteral("31/12/%1").arg(nuovo);
        p.salarioMensile = ultimo.salarioMensile;
        p.mensilita = ultimo.mensilita;
        v.append(p);
        if (salva(id, v))
            ++salvati;
    }
    return salvati > 0;
}

bool StoricoStipendi::creaPeriodoIniziale(const QString& id, const QString& dataInizio, double salarioMensile,
                                          int mensilita)
{
    QVector<PeriodoStipendio> v;
    carica(id, v);
    if (!v.isEmpty())
        return true;
    PeriodoStipendio p;
    p.dataInizio = dataInizio;
    p.dataFine = QStringLiteral("31/12/") + dataInizio.right(4);
    p.salarioMensile = salarioMensile;
    p.mensilita = mensilita;
    v.append(p);
    return salva(id, v);
}

const PeriodoStipendio* StoricoStipendi::periodoDelMese(const QVector<PeriodoStipendio>& v, int anno, int mese)
{
    const QDate primo(anno, mese, 1);
    if (!primo.isValid())
        return nullptr;
    const QDate ultimo = primo.addDays(primo.daysInMonth() - 1);
    const PeriodoStipendio* trovato = nullptr;
    QDate inizioTrovato;
    for (const PeriodoStipendio& p : v) {
        const QDate inizio = QDate::fromString(p.dataInizio.trimmed(), QStringLiteral("dd/MM/yyyy"));
        if (!inizio.isValid() || inizio > ultimo)
            continue;
        const QString fineTesto = p.dataFine.trimmed();
        if (!fineTesto.isEmpty()) {
            const QDate fine = QDate::fromString(fineTesto, QStringLiteral("dd/MM/yyyy"));
            if (!fine.isValid() || fine < primo)
                continue;
        }
        if (!trovato || inizio >= inizioTrovato) {
            trovato = &p;
            inizioTrovato = inizio;
        }
    }
    return trovato;
}
