#include "storicopaghe.h"

#include "chiusuraannuale.h"
#include "config.h"
#include "datetesto.h"
#include "decimali.h"
#include "fileini.h"
#include "filesicuri.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

QString cartellaDipendente(const QString& id)
{
    QString dir = id;
    dir.remove(QStringLiteral(".txt"));
    dir.replace(QLatin1Char(' '), QLatin1Char('_'));
    return dir;
}

QString importo(double v)
{
    return Decimali::testo(v);
}

// A month group as the reader takes it: "[03]" and "[3]" are one month.
QString meseDelGruppo(const QString& gruppo)
{
    int mese = 0;
    return FileSicuri::intero(gruppo, 1, 12, &mese) ? QString::number(mese) : gruppo;
}

bool importoValido(double v)
{
    return std::isfinite(v) && std::fabs(v) <= FileSicuri::kImportoMassimo;
}

// The 26 cantons, as the pay count writes the canton of a month's
// allowances.
bool cantoneSvizzero(const QString& sigla)
{
    static const QStringList cantoni{
        QStringLiteral("AG"), QStringLiteral("AI"), QStringLiteral("AR"), QStringLiteral("BE"), QStringLiteral("BL"),
        QStringLiteral("BS"), QStringLiteral("FR"), QStringLiteral("GE"), QStringLiteral("GL"), QStringLiteral("GR"),
        QStringLiteral("JU"), QStringLiteral("LU"), QStringLiteral("NE"), QStringLiteral("NW"), QStringLiteral("OW"),
        QStringLiteral("SG"), QStringLiteral("SH"), QStringLiteral("SO"), QStringLiteral("SZ"), QStringLiteral("TG"),
        QStringLiteral("TI"), QStringLiteral("UR"), QStringLiteral("VD"), QStringLiteral("VS"), QStringLiteral("ZG"),
        QStringLiteral("ZH")};
    return cantoni.contains(sigla);
}

// The kinds of allowance the allowance table pays for a child.
bool tipoAssegno(const QString& tipo)
{
    return tipo == QLatin1String("figli") || tipo == QLatin1String("formazione");
}

// A child's age on the month's reference date, as the pay count gives it.
constexpr int kEtaMassima = 150;

// Whole years from the birth date to the date.
int anniAl(const QDate& nascita, const QDate& data)
{
    int anni = data.year() - nascita.year();
    if (data.month() < nascita.month() || (data.month() == nascita.month() && data.day() < nascita.day()))
        --anni;
    return anni;
}

// The age the pay count gives a child born on `nascita` in the month: on
// the last day of the month employed, so between the age on its first and
// on its last day.
bool etaDelMese(int eta, const QDate& nascita, int anno, int mese)
{
    const QDate primo(anno, mese, 1);
    return nascita.isValid() && primo.isValid() && eta >= anniAl(nascita, primo)
        && eta <= anniAl(nascita, primo.addMonths(1).addDays(-1));
}

// A child's allowance as the pay count pays it in the month: an amount of 0
// or more, a birth date (children without one are paid nothing, so none is
// saved), the age that date gives in the month, a kind of the table.
bool figlioValido(const StoricoPaghe::AssegnoFiglio& f, int anno, int mese)
{
    return importoValido(f.importo) && f.importo >= 0 && f.eta >= 0 && f.eta <= kEtaMassima
        && tipoAssegno(FileSicuri::unaRiga(f.tipo).trimmed())
        && etaDelMese(f.eta, DateTesto::daGiornoMeseAnno(FileSicuri::unaRiga(f.dataNascita).trimmed()), anno, mese);
}

// The children's allowances add up, to the centime, to the month's family
// allowances, each amount as it is written.
bool assegniQuadrano(const StoricoPaghe::PagaMese& p)
{
    long double somma = 0;
    for (const StoricoPaghe::AssegnoFiglio& f : p.figliAssegni)
        somma += Decimali::arrotonda(f.importo, 100);
    return std::llround(static_cast<double>(somma) * 100) == std::llround(Decimali::arrotonda(p.assegniFamiliari, 100) * 100);
}

bool rifiuta(QString* errore, const QString& testo)
{
    if (errore)
        *errore = testo;
    return false;
}

// One of the insured-earnings keys of a month; false for any other key.
template <typename Lettore>
bool leggiGuadagno(StoricoPaghe::PagaMese& p, const QString& chiave, const QString& valore, Lettore leggiImporto)
{
    double* campo = chiave == QLatin1String("lordoSoggettoAD")           ? &p.lordoSoggettoAD
                    : chiave == QLatin1String("guadagnoAssicuratoAD")    ? &p.guadagnoAssicuratoAD
                    : chiave == QLatin1String("lordoSoggettoLAINF")      ? &p.lordoSoggettoLAINF
                    : chiave == QLatin1String("guadagnoAssicuratoLAINF") ? &p.guadagnoAssicuratoLAINF
                                                                         : nullptr;
    if (!campo)
        return false;
    *campo = leggiImporto(valore);
    return true;
}

// One of the employer-contribution keys of a month; false for any other key.
template <typename Lettore>
bool leggiDatore(StoricoPaghe::ContributiDatore& d, const QString& chiave, const QString& valore, Lettore leggiImporto)
{
    double* campo = chiave == QLatin1String("avsDatore")     ? &d.avs
                    : chiave == QLatin1String("adDatore")    ? &d.ad
                    : chiave == QLatin1String("cafDatore")   ? &d.caf
                    : chiave == QLatin1String("lainfDatore") ? &d.lainf
                                                             : nullptr;
    if (!campo)
        return false;
    *campo = leggiImporto(valore);
    d.presente = true;
    return true;
}

// A rate in percent: up to six decimals, no trailing zeros.
QString aliquota(double v)
{
    QString testo = QString::number(v, 'f', 6);
    while (testo.endsWith(QLatin1Char('0')))
        testo.chop(1);
    if (testo.endsWith(QLatin1Char('.')))
        testo.chop(1);
    return testo == QLatin1String("-0") ? QStringLiteral("0") : testo;
}

// The keys of one deducted contribution: <nome>Dipendente, <nome>Imponibile,
// <nome>Aliquota.
const char* const kTrattenute[] = {"avs", "ad", "caf", "infortuni"};
StoricoPaghe::Trattenuta StoricoPaghe::Dettaglio::* const kCampiTrattenute[] = {
    &StoricoPaghe::Dettaglio::avs, &StoricoPaghe::Dettaglio::ad, &StoricoPaghe::Dettaglio::caf,
    &StoricoPaghe::Dettaglio::infortuni};

// The month's lines, written only for a month that has them: a month saved
// before they were stored keeps printing from its totals.
QString righeDettaglio(const StoricoPaghe::Dettaglio& d)
{
    if (!d.presente)
        return QString();
    QString testo;
    for (int i = 0; i < 4; ++i) {
        const StoricoPaghe::Trattenuta& t = d.*kCampiTrattenute[i];
        const QString nome = QLatin1String(kTrattenute[i]);
        testo += nome + QStringLiteral("Dipendente=") + importo(t.importo) + QLatin1Char('\n');
        testo += nome + QStringLiteral("Imponibile=") + importo(t.imponibile) + QLatin1Char('\n');
        testo += nome + QStringLiteral("Aliquota=") + aliquota(t.aliquota) + QLatin1Char('\n');
    }
    testo += QStringLiteral("lppAliquota=") + aliquota(d.aliquotaLpp) + QLatin1Char('\n');
    if (d.aliquotaImposta > 0)
        testo += QStringLiteral("impostaAliquota=") + aliquota(d.aliquotaImposta) + QLatin1Char('\n');
    // "<amount>;<description>", numbered from 1 in the order of the slip.
    const auto voci = [&testo](const char* chiave, const QList<StoricoPaghe::Voce>& elenco) {
        for (int i = 0; i < elenco.size(); ++i)
            testo += QLatin1String(chiave) + QString::number(i + 1) + QLatin1Char('=') + importo(elenco.at(i).importo)
                + QLatin1Char(';') + FileSicuri::unaRiga(elenco.at(i).descrizione) + QLatin1Char('\n');
    };
    voci("voceSalario", d.vociSalario);
    voci("altraVoce", d.altreVoci);
    // "categoriaVoce<n>=<category>" for the salary line n of a movement.
    for (int i = 0; i < d.vociSalario.size(); ++i) {
        if (d.vociSalario.at(i).categoriaCertificato >= 0)
            testo += QStringLiteral("categoriaVoce") + QString::number(i + 1) + QLatin1Char('=')
                + QString::number(d.vociSalario.at(i).categoriaCertificato) + QLatin1Char('\n');
    }
    return testo;
}

// Reads one key of the month's lines; false for any other key.
template <typename Lettore>
bool leggiDettaglio(const QString& chiave, const QString& valore, StoricoPaghe::Dettaglio& d, Lettore leggiImporto)
{
    for (int i = 0; i < 4; ++i) {
        const QString nome = QLatin1String(kTrattenute[i]);
        if (!chiave.startsWith(nome))
            continue;
        const QString campo = chiave.mid(nome.size());
        StoricoPaghe::Trattenuta& t = d.*kCampiTrattenute[i];
        if (campo == QLatin1String("Dipendente"))
            t.importo = leggiImporto(valore);
        else if (campo == QLatin1String("Imponibile"))
            t.imponibile = leggiImporto(valore);
        else if (campo == QLatin1String("Aliquota"))
            t.aliquota = leggiImporto(valore);
        else
            continue;
        d.presente = true;
        return true;
    }
    if (chiave == QLatin1String("lppAliquota")) {
        d.aliquotaLpp = leggiImporto(valore);
        d.presente = true;
        return true;
    }
    if (chiave == QLatin1String("impostaAliquota")) {
        d.aliquotaImposta = leggiImporto(valore);
        d.presente = true;
        return true;
    }
    const QString categoria = QStringLiteral("categoriaVoce");
    bool numero = false;
    const int linea = chiave.startsWith(categoria) ? chiave.mid(categoria.size()).toInt(&numero) : 0;
    if (numero && linea >= 1) {
        // Written after the salary lines: the category of the one numbered.
        const int valoreCategoria = int(leggiImporto(valore));
        if (linea <= d.vociSalario.size())
            d.vociSalario[linea - 1].categoriaCertificato = std::max(0, valoreCategoria);
        return true;
    }
    for (const char* prefisso : {"voceSalario", "altraVoce"}) {
        const QString p = QLatin1String(prefisso);
        bool numero = false;
        if (!chiave.startsWith(p) || chiave.mid(p.size()).toInt(&numero) < 1 || !numero)
            continue;
        const int separatore = valore.indexOf(QLatin1Char(';'));
        StoricoPaghe::Voce v;
        v.importo = leggiImporto(separatore < 0 ? valore : valore.left(separatore).trimmed());
        v.descrizione = separatore < 0 ? QString() : valore.mid(separatore + 1).trimmed();
        (p == QLatin1String("voceSalario") ? d.vociSalario : d.altreVoci).append(v);
        d.presente = true;
        return true;
    }
    return false;
}

QByteArray serializza(const QString& id, int anno, const QList<StoricoPaghe::PagaMese>& mesi)
{
    QString testo = QStringLiteral("# Storico paghe ") + QString::number(anno) + QStringLiteral(" - ")
        + FileSicuri::unaRiga(id) + QStringLiteral("\n\n");
    for (const StoricoPaghe::PagaMese& p : mesi) {
        testo += QLatin1Char('[') + QString::number(p.mese) + QStringLiteral("]\n");
        testo += QStringLiteral("lordoImponibile=") + importo(p.lordoImponibile) + QLatin1Char('\n');
        testo += QStringLiteral("contributiDipendente=") + importo(p.contributiDipendente) + QLatin1Char('\n');
        testo += QStringLiteral("lppDipendente=") + importo(p.lppDipendente) + QLatin1Char('\n');
        testo += QStringLiteral("assegniFamiliari=") + importo(p.assegniFamiliari) + QLatin1Char('\n');
        testo += QStringLiteral("impostaTrattenuta=") + importo(p.impostaTrattenuta) + QLatin1Char('\n');
        testo += QStringLiteral("netto=") + importo(p.netto) + QLatin1Char('\n');
        testo += righeDettaglio(p.dettaglio);
        // A line break would end the text and start lines of its own, which
        // could read back as keys or month groups: it is kept as a blank.
        testo += QStringLiteral("comunicazioni=") + FileSicuri::unaRiga(p.comunicazioni) + QLatin1Char('\n');
        if (p.guadagniAssicurati) {
            testo += QStringLiteral("lordoSoggettoAD=") + importo(p.lordoSoggettoAD) + QLatin1Char('\n');
            testo += QStringLiteral("guadagnoAssicuratoAD=") + importo(p.guadagnoAssicuratoAD) + QLatin1Char('\n');
            testo += QStringLiteral("lordoSoggettoLAINF=") + importo(p.lordoSoggettoLAINF) + QLatin1Char('\n');
            testo += QStringLiteral("guadagnoAssicuratoLAINF=") + importo(p.guadagnoAssicuratoLAINF)
                + QLatin1Char('\n');
        }
        // Written as read: a month saved before a key existed is rewritten
        // without it, never with a 0 it did not hold.
        if (p.conMensilita)
            testo += QStringLiteral("mensilitaConteggio=") + importo(p.mensilitaConteggio) + QLatin1Char('\n');
        if (p.conMovimenti) {
            testo += QStringLiteral("mensilitaMovimenti=") + importo(p.mensilitaMovimenti) + QLatin1Char('\n');
            testo += QStringLiteral("tredicesimaMovimenti=") + importo(p.tredicesimaMovimenti) + QLatin1Char('\n');
        }
        // "<amount>;<age>;<kind>;<birth date>;<name>", the name last as it
        // may hold a ";".
        if (!p.figliAssegni.isEmpty())
            testo += QStringLiteral("cantoneAssegni=") + FileSicuri::unaRiga(p.cantoneAssegni) + QLatin1Char('\n');
        for (int i = 0; i < p.figliAssegni.size(); ++i) {
            const StoricoPaghe::AssegnoFiglio& f = p.figliAssegni.at(i);
            testo += QStringLiteral("assegnoFiglio") + QString::number(i + 1) + QLatin1Char('=') + importo(f.importo)
                + QLatin1Char(';') + QString::number(f.eta) + QLatin1Char(';') + FileSicuri::unaRiga(f.tipo)
                + QLatin1Char(';') + FileSicuri::unaRiga(f.dataNascita) + QLatin1Char(';')
                + FileSicuri::unaRiga(f.nome) + QLatin1Char('\n');
        }
        if (p.datore.presente) {
            testo += QStringLiteral("avsDatore=") + importo(p.datore.avs) + QLatin1Char('\n');
            testo += QStringLiteral("adDatore=") + importo(p.datore.ad) + QLatin1Char('\n');
            testo += QStringLiteral("cafDatore=") + importo(p.datore.caf) + QLatin1Char('\n');
            testo += QStringLiteral("lainfDatore=") + importo(p.datore.lainf) + QLatin1Char('\n');
        }
        testo += QLatin1Char('\n');
    }
    return testo.toUtf8();
}

} // namespace

QString StoricoPaghe::cartella(const QString& id)
{
    const QString dir = cartellaDipendente(id);
    if (!FileSicuri::nomeSicuro(dir))
        return QString();
    return Config::cartellaDati() + QStringLiteral("/paghe/") + dir;
}

QString StoricoPaghe::percorsoFile(const QString& id, int anno)
{
    const QString dir = cartella(id);
    if (dir.isEmpty())
        return QString();
    // The folder is made by the write that needs it: reading a year never
    // leaves an empty folder behind.
    return dir + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".ini");
}

bool StoricoPaghe::caricaAnno(const QString& id, int anno, QList<PagaMese>& mesi, QString* errore)
{
    mesi.clear();
    if (errore)
        errore->clear();
    const QString percorso = percorsoFile(id, anno);
    QByteArray contenuto;
    if (percorso.isEmpty())
        return false;
    const FileSicuri::Esito esito = FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return false;
    }

    PagaMese corrente;
    bool gruppoAperto = false;
    QStringList problemi;
    const QVector<FileIni::Riga> righe = FileIni::righe(contenuto, percorso, &problemi, true, meseDelGruppo);
    const FileIni::Riga* riga = nullptr;
    // An amount that is no finite number within range reads as 0 and is
    // reported with its line and key.
    auto leggiImporto = [&](const QString& testo) {
        double v = 0.0;
        if (!FileSicuri::numero(testo, -FileSicuri::kImportoMassimo, FileSicuri::kImportoMassimo, &v))
            problemi.append(FileIni::problema(percorso, riga->numero,
                                              tr("importo non valido per %1: \"%2\"").arg(riga->chiave, testo)));
        return v;
    };
    // The children's allowances of a month are checked as a whole once the
    // month is read: every child and the canton of their amounts, or
    // neither, and the children adding up to the month's allowances. A
    // month saved before they were stored has neither.
    int rigaMese = 0;
    int rigaCantone = 0;
    int figliLetti = 0;
    const auto chiudiMese = [&] {
        if (!gruppoAperto)
            return;
        if (figliLetti > 0 && rigaCantone == 0)
            problemi.append(FileIni::problema(percorso, rigaMese,
                                              tr("assegni dei figli senza cantone: [%1]").arg(corrente.mese)));
        if (figliLetti == 0 && rigaCantone > 0)
            problemi.append(FileIni::problema(percorso, rigaCantone, tr("cantone degli assegni senza figli")));
        // A child line that did not read is reported with its line.
        if (figliLetti > 0 && figliLetti == corrente.figliAssegni.size() && !assegniQuadrano(corrente)) {
            double somma = 0;
            for (const AssegnoFiglio& f : qAsConst(corrente.figliAssegni))
                somma += f.importo;
            problemi.append(FileIni::problema(
                percorso, rigaMese,
                tr("gli assegni dei figli (%1) non danno gli assegni familiari del mese (%2): [%3]")
                    .arg(importo(somma), importo(corrente.assegniFamiliari))
                    .arg(corrente.mese)));
        }
        mesi.append(corrente);
    };
    for (const FileIni::Riga& r : righe) {
        riga = &r;
        if (r.chiave.isEmpty()) {
            chiudiMese();
            corrente = PagaMese();
            corrente.anno = anno;
            rigaMese = r.numero;
            rigaCantone = 0;
            figliLetti = 0;
            gruppoAperto = FileSicuri::intero(r.gruppo, 1, 12, &corrente.mese);
            if (!gruppoAperto)
                problemi.append(FileIni::problema(percorso, r.numero, tr("mese non valido: [%1]").arg(r.gruppo)));
            continue;
        }
        if (!gruppoAperto)
            continue; // the keys of a group that is no month, reported with it
        const QString& chiave = r.chiave;
        const QString& valore = r.valore;
        if (chiave == QLatin1String("lordoImponibile"))
            corrente.lordoImponibile = leggiImporto(valore);
        else if (chiave == QLatin1String("contributiDipendente"))
            corrente.contributiDipendente = leggiImporto(valore);
        else if (chiave == QLatin1String("lppDipendente"))
            corrente.lppDipendente = leggiImporto(valore);
        else if (chiave == QLatin1String("assegniFamiliari"))
            corrente.assegniFamiliari = leggiImporto(valore);
        else if (chiave == QLatin1String("impostaTrattenuta"))
            corrente.impostaTrattenuta = leggiImporto(valore);
        else if (chiave == QLatin1String("netto")) {
            corrente.netto = leggiImporto(valore);
            corrente.conNetto = true;
        }
        else if (chiave == QLatin1String("comunicazioni"))
            corrente.comunicazioni = valore;
        else if (chiave == QLatin1String("importoContanti"))
            corrente.importoContanti = leggiImporto(valore);
        else if (chiave == QLatin1String("mensilitaConteggio")) {
            corrente.mensilitaConteggio = leggiImporto(valore);
            corrente.conMensilita = true;
        } else if (chiave == QLatin1String("mensilitaMovimenti")) {
            corrente.mensilitaMovimenti = leggiImporto(valore);
            corrente.conMovimenti = true;
        } else if (chiave == QLatin1String("tredicesimaMovimenti"))
            corrente.tredicesimaMovimenti = leggiImporto(valore);
        else if (chiave == QLatin1String("cantoneAssegni")) {
            corrente.cantoneAssegni = valore;
            rigaCantone = r.numero;
            if (!cantoneSvizzero(valore))
                problemi.append(FileIni::problema(percorso, r.numero, tr("cantone non valido: \"%1\"").arg(valore)));
        } else if (chiave.startsWith(QLatin1String("assegnoFiglio"))) {
            // The children are written numbered from 1, in order: a gap, a
            // repeat or a number out of place is damage.
            int numero = 0;
            ++figliLetti;
            if (!FileSicuri::intero(chiave.mid(int(qstrlen("assegnoFiglio"))), 1, figliLetti, &numero)
                || numero != figliLetti)
                problemi.append(FileIni::problema(percorso, r.numero, tr("figlio fuori sequenza: %1").arg(chiave)));
            const QStringList campi = valore.split(QLatin1Char(';'));
            if (campi.size() < 5) {
                problemi.append(FileIni::problema(percorso, r.numero, tr("riga non valida: %1").arg(chiave)));
                continue;
            }
            AssegnoFiglio f;
            const QString testoImporto = campi.at(0).trimmed();
            f.importo = leggiImporto(testoImporto);
            if (f.importo < 0)
                problemi.append(FileIni::problema(
                    percorso, r.numero, tr("importo non valido per %1: \"%2\"").arg(chiave, testoImporto)));
            const QString testoEta = campi.at(1).trimmed();
            const bool etaLetta = FileSicuri::intero(testoEta, 0, kEtaMassima, &f.eta);
            f.tipo = campi.at(2).trimmed();
            if (!tipoAssegno(f.tipo))
                problemi.append(FileIni::problema(
                    percorso, r.numero, tr("tipo di assegno non valido per %1: \"%2\"").arg(chiave, f.tipo)));
            f.dataNascita = campi.at(3).trimmed();
            const QDate nascita = DateTesto::daGiornoMeseAnno(f.dataNascita);
            if (!nascita.isValid())
                problemi.append(FileIni::problema(
                    percorso, r.numero,
                    tr("data di nascita non valida per %1: \"%2\"").arg(chiave, f.dataNascita)));
            // The age is the one the birth date gives in the month: a digit
            // changed in either is seen.
            if (!etaLetta || (nascita.isValid() && !etaDelMese(f.eta, nascita, anno, corrente.mese)))
                problemi.append(FileIni::problema(percorso, r.numero,
                                                  tr("età non valida per %1: \"%2\"").arg(chiave, testoEta)));
            f.nome = campi.mid(4).join(QLatin1Char(';')).trimmed();
            corrente.figliAssegni.append(f);
        }
        else if (leggiGuadagno(corrente, chiave, valore, leggiImporto))
            corrente.guadagniAssicurati = true;
        else if (leggiDatore(corrente.datore, chiave, valore, leggiImporto))
            continue;
        else
            leggiDettaglio(chiave, valore, corrente.dettaglio, leggiImporto);
    }
    chiudiMese();
    if (errore && !problemi.isEmpty())
        *errore = problemi.join(QLatin1Char('\n'));
    return true;
}

bool StoricoPaghe::caricaMese(const QString& id, int anno, int mese, PagaMese* paga, QString* errore)
{
    QList<PagaMese> mesi;
    caricaAnno(id, anno, mesi, errore);
    const PagaMese* trovato = trovaMese(mesi, mese);
    if (trovato)
        *paga = *trovato;
    return trovato != nullptr;
}

const StoricoPaghe::PagaMese* StoricoPaghe::trovaMese(const QList<PagaMese>& mesi, int mese)
{
    // The first group of the month: the one a new save replaces.
    for (const PagaMese& p : mesi) {
        if (p.mese == mese)
            return &p;
    }
    return nullptr;
}

bool StoricoPaghe::salvaMese(const QString& id, const PagaMese& paga, QString* errore)
{
    if (ChiusuraAnnuale::isAnnoChiuso(paga.anno))
        return rifiuta(errore, tr("L'esercizio %1 è chiuso.").arg(paga.anno));
    if (paga.mese < 1 || paga.mese > 12)
        return rifiuta(errore, tr("Mese non valido."));
    const QString percorso = percorsoFile(id, paga.anno);
    if (percorso.isEmpty())
        return rifiuta(errore, tr("Codice dipendente non utilizzabile come nome di file."));
    QList<double> importi = {paga.lordoImponibile,   paga.contributiDipendente, paga.lppDipendente,
                             paga.assegniFamiliari,  paga.impostaTrattenuta,    paga.netto,
                             paga.importoContanti,   paga.lordoSoggettoAD,      paga.guadagnoAssicuratoAD,
                             paga.lordoSoggettoLAINF, paga.guadagnoAssicuratoLAINF, paga.dettaglio.aliquotaLpp,
                             paga.dettaglio.aliquotaImposta, paga.mensilitaConteggio, paga.mensilitaMovimenti,
                             paga.tredicesimaMovimenti};
    for (const Trattenuta* t : {&paga.dettaglio.avs, &paga.dettaglio.ad, &paga.dettaglio.caf,
                                &paga.dettaglio.infortuni})
        importi << t->importo << t->imponibile << t->aliquota;
    importi << paga.datore.avs << paga.datore.ad << paga.datore.caf << paga.datore.lainf;
    for (const Voce& v : paga.dettaglio.vociSalario + paga.dettaglio.altreVoci)
        importi << v.importo;
    for (const AssegnoFiglio& f : paga.figliAssegni)
        importi << f.importo;
    for (const double v : qAsConst(importi)) {
        if (!importoValido(v))
            return rifiuta(errore, tr("Un importo del mese non è un numero valido: il mese non viene salvato."));
    }
    // The children's allowances as the reader takes them: a month written
    // otherwise would make the whole year unreadable.
    if (!paga.figliAssegni.isEmpty()) {
        bool validi = cantoneSvizzero(FileSicuri::unaRiga(paga.cantoneAssegni).trimmed()) && assegniQuadrano(paga);
        for (const AssegnoFiglio& f : paga.figliAssegni)
            validi = validi && figlioValido(f, paga.anno, paga.mese);
        if (!validi)
            return rifiuta(errore, tr("Gli assegni dei figli del mese non sono validi: il mese non viene salvato."));
    }

    // The year is rewritten whole: a file that did not read cleanly would
    // lose what could not be read, so it is left as it is.
    QList<PagaMese> mesi;
    QString problema;
    caricaAnno(id, paga.anno, mesi, &problema);
    if (!problema.isEmpty())
        return rifiuta(errore, problema + QLatin1Char(' ') + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
    bool sostituito = false;
    for (PagaMese& p : mesi) {
        if (p.mese == paga.mese) {
            p = paga;
            sostituito = true;
            break;
        }
    }
    if (!sostituito)
        mesi.append(paga);
    // Stable: two groups of one month (a hand-edited file) keep their order.
    std::stable_sort(mesi.begin(), mesi.end(),
                     [](const PagaMese& a, const PagaMese& b) { return a.mese < b.mese; });
    if (!FileSicuri::scrivi(percorso, serializza(id, paga.anno, mesi)))
        return rifiuta(errore, tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}

StoricoPaghe::Ytd StoricoPaghe::calcolaYtd(const QList<PagaMese>& mesi)
{
    long double lordo = 0, contributi = 0, lpp = 0, assegni = 0, imposta = 0;
    for (const PagaMese& p : mesi) {
        lordo += p.lordoImponibile;
        contributi += p.contributiDipendente;
        lpp += p.lppDipendente;
        assegni += p.assegniFamiliari;
        imposta += p.impostaTrattenuta;
    }
    Ytd y;
    y.lordoImponibile = static_cast<double>(lordo);
    y.contributiDipendente = static_cast<double>(contributi);
    y.lppDipendente = static_cast<double>(lpp);
    y.assegniFamiliari = static_cast<double>(assegni);
    y.impostaTrattenuta = static_cast<double>(imposta);
    y.mesi = mesi.size();
    return y;
}

QString StoricoPaghe::percorsoRifiuti(const QString& id, int anno)
{
    const QString dir = cartella(id);
    return dir.isEmpty() ? QString() : dir + QLatin1Char('/') + QString::number(anno) + QStringLiteral(".rifiuti");
}

QMap<int, QString> StoricoPaghe::caricaRifiuti(const QString& id, int anno, QString* errore)
{
    QMap<int, QString> rifiuti;
    if (errore)
        errore->clear();
    const QString percorso = percorsoRifiuti(id, anno);
    QByteArray contenuto;
    const FileSicuri::Esito esito =
        percorso.isEmpty() ? FileSicuri::Esito::Mancante : FileSicuri::leggiFile(percorso, &contenuto);
    if (esito != FileSicuri::Esito::Letto) {
        if (errore && esito != FileSicuri::Esito::Mancante)
            *errore = FileSicuri::messaggio(esito, percorso);
        return rifiuti;
    }
    QStringList problemi;
    int mese = 0;
    int rigaMese = 0;
    const auto senzaMotivo = [&] {
        if (mese > 0 && !rifiuti.contains(mese))
            problemi.append(FileIni::problema(percorso, rigaMese, tr("mese senza motivo: [%1]").arg(mese)));
    };
    for (const FileIni::Riga& r : FileIni::righe(contenuto, percorso, &problemi, true, meseDelGruppo)) {
        if (r.chiave.isEmpty()) {
            senzaMotivo();
            rigaMese = r.numero;
            if (!FileSicuri::intero(r.gruppo, 1, 12, &mese)) {
                mese = 0;
                problemi.append(FileIni::problema(percorso, r.numero, tr("mese non valido: [%1]").arg(r.gruppo)));
            }
        } else if (mese > 0 && (r.chiave != QLatin1String("motivo") || r.valore.isEmpty())) {
            problemi.append(FileIni::problema(percorso, r.numero, tr("riga non valida: %1").arg(r.chiave)));
        } else if (mese > 0) {
            rifiuti.insert(mese, r.valore);
        }
    }
    senzaMotivo();
    if (errore)
        *errore = problemi.join(QLatin1Char('\n'));
    return rifiuti;
}

bool StoricoPaghe::segnaRifiuto(const QString& id, int anno, int mese, const QString& motivo, QString* errore)
{
    if (ChiusuraAnnuale::isAnnoChiuso(anno))
        return rifiuta(errore, tr("L'esercizio %1 è chiuso.").arg(anno));
    if (mese < 1 || mese > 12)
        return rifiuta(errore, tr("Mese non valido."));
    const QString percorso = percorsoRifiuti(id, anno);
    if (percorso.isEmpty())
        return rifiuta(errore, tr("Codice dipendente non utilizzabile come nome di file."));
    QString problema;
    QMap<int, QString> rifiuti = caricaRifiuti(id, anno, &problema);
    if (!problema.isEmpty())
        return rifiuta(errore, problema + QLatin1Char(' ') + tr("Il file non viene sovrascritto: correggerlo prima di salvare."));
    const QString testo = FileSicuri::unaRiga(motivo).remove(QChar(0)).trimmed();
    if (rifiuti.value(mese) == testo)
        return true; // nothing changes: a month counted again writes nothing
    if (testo.isEmpty())
        rifiuti.remove(mese);
    else
        rifiuti.insert(mese, testo);
    QString contenuto = QStringLiteral("# Mesi non contati dall'ultima chiusura ") + QString::number(anno)
        + QStringLiteral(" - ") + FileSicuri::unaRiga(id) + QStringLiteral("\n");
    for (auto it = rifiuti.cbegin(); it != rifiuti.cend(); ++it)
        contenuto += QStringLiteral("\n[") + QString::number(it.key()) + QStringLiteral("]\nmotivo=") + it.value()
            + QLatin1Char('\n');
    if (!FileSicuri::scrivi(percorso, contenuto.toUtf8()))
        return rifiuta(errore, tr("Impossibile scrivere il file %1.").arg(percorso));
    return true;
}
