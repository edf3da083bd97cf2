#include "salvataggiversione.h"

#include "azienda.h"
#include "datoteca.h"
#include "dipendente.h"
#include "storicopaghe.h"
#include "variabilimensili.h"

#include <cmath>

namespace VersioneSalvataggi {

const char* const kId = "crash.txt";
const char* const kAzienda = "crash_sa.txt";

namespace {

QString id()
{
    return QLatin1String(kId);
}

// The number after a prefix, or -1.
int numeroDopo(const QString& testo, const QString& prefisso)
{
    if (!testo.startsWith(prefisso))
        return -1;
    bool ok = false;
    const int n = testo.mid(prefisso.size()).toInt(&ok);
    return ok ? n : -1;
}

int sbagliato(QString* errore, const QString& testo)
{
    *errore = testo;
    return -1;
}

} // namespace

bool salvaTutti(int k)
{
    DatiDipendente d;
    d.nome = QStringLiteral("Nome%1").arg(k);
    d.cognome = QStringLiteral("Cognome%1").arg(k);
    d.salarioMensile = 1000 + k;
    d.periodi = {{QStringLiteral("01/01/2020"), QString()}};
    d.extra.insert(QStringLiteral("versione"), QString::number(k));
    if (!Dipendente::salva(d, id()))
        return false;

    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Ditta %1").arg(k);
    a.lainfMassimale = 100000 + k;
    a.campi.insert(QStringLiteral("versione"), QString::number(k));
    if (!Azienda::salva(a, QLatin1String(kAzienda)))
        return false;

    StoricoPaghe::PagaMese p;
    p.anno = kAnno;
    p.mese = k % 12 + 1;
    p.netto = k;
    p.lordoImponibile = k + 0.5;
    p.comunicazioni = QStringLiteral("k%1").arg(k);
    if (!StoricoPaghe::salvaMese(id(), p))
        return false;

    QList<VariabileMese> mesi;
    for (int m = 1; m <= 12; ++m) {
        VariabileMese v;
        v.mese = m;
        v.rimborsoSpese = k;
        v.acconti = k / 100.0;
        v.comunicazioni = QStringLiteral("k%1, mese %2").arg(k).arg(m);
        mesi.append(v);
    }
    if (!VariabiliMensili::salvaAnno(id(), kAnno, mesi))
        return false;

    QMap<QString, Datoteca::VoceContributo> contributi;
    Datoteca::VoceContributo avs;
    avs.codice = QStringLiteral("AVS");
    avs.aliquotaDipendente = (k % 1000) / 100.0;
    avs.aliquotaDatore = 5.3;
    contributi.insert(avs.codice, avs);
    return Datoteca::salvaCon(contributi, Datoteca::ParametriLPP(), 100000 + k, kAnno);
}

int versioneDipendente(QString* errore)
{
    DatiDipendente d;
    QString e;
    if (!Dipendente::carica(id(), d, &e))
        return sbagliato(errore, QStringLiteral("dipendente: ") + e);
    const int k = numeroDopo(d.nome, QStringLiteral("Nome"));
    if (k < 0 || numeroDopo(d.cognome, QStringLiteral("Cognome")) != k || d.salarioMensile != 1000 + k
        || d.extra.value(QStringLiteral("versione")) != QString::number(k) || d.periodi.size() != 1)
        return sbagliato(errore, QStringLiteral("dipendente misto: ") + d.nome + QLatin1Char('/') + d.cognome);
    return k;
}

int versioneAzienda(QString* errore)
{
    QString e;
    const DatiAzienda a = Azienda::carica(QLatin1String(kAzienda), &e);
    const int k = numeroDopo(a.ragioneSociale, QStringLiteral("Ditta "));
    if (!e.isEmpty() || k < 0 || a.lainfMassimale != 100000 + k
        || a.campi.value(QStringLiteral("versione")) != QString::number(k))
        return sbagliato(errore, QStringLiteral("azienda: ") + e + a.ragioneSociale);
    return k;
}

int versionePaghe(QString* errore)
{
    QList<StoricoPaghe::PagaMese> mesi;
    QString e;
    if (!StoricoPaghe::caricaAnno(id(), kAnno, mesi, &e) || !e.isEmpty() || mesi.isEmpty() || mesi.size() > 12)
        return sbagliato(errore, QStringLiteral("paghe: ") + e);
    int k = -1;
    for (const StoricoPaghe::PagaMese& p : mesi) {
        const int n = numeroDopo(p.comunicazioni, QStringLiteral("k"));
        if (n < 0 || p.netto != n || p.lordoImponibile != n + 0.5 || p.mese != n % 12 + 1)
            return sbagliato(errore, QStringLiteral("paghe: mese %1 misto").arg(p.mese));
        k = qMax(k, n);
    }
    return k;
}

int versioneVariabili(QString* errore)
{
    QString e;
    const QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id(), kAnno, &e);
    if (!e.isEmpty())
        return sbagliato(errore, QStringLiteral("variabili: ") + e);
    const int k = int(mesi.at(0).rimborsoSpese);
    for (const VariabileMese& v : mesi) {
        if (v.rimborsoSpese != k || std::fabs(v.acconti - k / 100.0) > 1e-9
            || v.comunicazioni != QStringLiteral("k%1, mese %2").arg(k).arg(v.mese))
            return sbagliato(errore, QStringLiteral("variabili: mese %1 misto").arg(v.mese));
    }
    return k;
}

int versioneParametri(QString* errore)
{
    // Another year first, so the year is read from its file again.
    Datoteca::carica(kAnno + 1);
    Datoteca::carica(kAnno);
    if (!Datoteca::problemiCaricamento().isEmpty())
        return sbagliato(errore, Datoteca::problemiCaricamento().join(QLatin1Char(',')));
    const int k = int(std::lround(Datoteca::guadagnoMassimo())) - 100000;
    if (k < 0 || std::fabs(Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente - (k % 1000) / 100.0) > 1e-9)
        return sbagliato(errore, QStringLiteral("parametri misti: IGM %1").arg(Datoteca::guadagnoMassimo()));
    return k;
}

} // namespace VersioneSalvataggi
