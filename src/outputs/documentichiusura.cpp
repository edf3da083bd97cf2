#include "documentichiusura.h"

#include "azienda.h"
#include "calcolopaga.h"
#include "config.h"
#include "conteggiosalario.h"
#include "datetesto.h"
#include "datoteca.h"
#include "decimali.h"
#include "dipendente.h"
#include "linguautente.h"
#include "orologio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// The employee id less its extension: the name of the slip's file and the key
// of the holiday file.
QString base(const QString& id)
{
    return QFileInfo(id).completeBaseName();
}

// The pay count stores the names of its standard lines in Italian; the slip
// shows them in the user's language. A name typed by the user stays as typed.
QString nomeVoce(const QString& salvato)
{
    const QByteArray sorgente = salvato.toUtf8();
    const QString tradotto = QCoreApplication::translate("ConteggioSalario", sorgente.constData());
    if (tradotto != salvato)
        return tradotto;
    // The names that carry hours or amounts: "Salario orario (160.00 h x 30.00)".
    static const char* const kConNumeri[] = {"Salario orario (%1 h x %2)", "Ore straordinarie 25% (%1 h)",
                                             "Ore straordinarie 50% (%1 h)", "Salario mensile (%1/30)"};
    for (const char* modello : kConNumeri) {
        QString schema = QRegularExpression::escape(QString::fromUtf8(modello));
        schema.replace(QLatin1String("\\%1"), QLatin1String("([-0-9.]+)"))
            .replace(QLatin1String("\\%2"), QLatin1String("([-0-9.]+)"));
        const QRegularExpressionMatch m =
            QRegularExpression(QLatin1Char('^') + schema + QLatin1Char('$')).match(salvato);
        if (!m.hasMatch())
            continue;
        QString testo = QCoreApplication::translate("ConteggioSalario", modello);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            testo = testo.arg(m.captured(i));
        return testo;
    }
    return salvato;
}

void aggiungiVoce(FoglioPaga* f, const QString& descrizione, const QString& imponibile, const QString& aliquota,
                  double importo)
{
    f->deduzioni.append({descrizione, imponibile, aliquota, importo});
    f->totaleDeduzioni += importo;
}

// To the centime, as the slip shows it.
double centesimi(double v)
{
    return Decimali::arrotonda(v, 100.0);
}

} // namespace

QString DocumentiChiusura::formattaAliquota(double aliquota)
{
    return QString::number(aliquota, 'f', 4) + QLatin1Char('%');
}

QString DocumentiChiusura::motivoEscluso(const QString& id, int anno, int mese)
{
    QList<StoricoPaghe::PagaMese> mesi;
    QString dannoStorico;
    StoricoPaghe::caricaAnno(id, anno, mesi, &dannoStorico);
    return motivoEscluso(id, anno, mese, dannoStorico);
}

QString DocumentiChiusura::motivoEscluso(const QString& id, int anno, int mese, const QString& dannoStorico)
{
    QString danno;
    const QString rifiuto = StoricoPaghe::caricaRifiuti(id, anno, &danno).value(mese);
    if (danno.isEmpty() && !rifiuto.isEmpty())
        return rifiuto;
    if (danno.isEmpty())
        danno = dannoStorico;
    return storicoDanneggiato(danno);
}

QString DocumentiChiusura::storicoDanneggiato(const QString& danno)
{
    return danno.isEmpty() ? QString() : tr("lo storico paghe non si legge correttamente: %1").arg(danno);
}

QStringList DocumentiChiusura::mesiRifiutati(const QString& id, int anno, const QList<StoricoPaghe::PagaMese>& mesi,
                                             QSet<int>* rifiutati)
{
    QString danno;
    const QMap<int, QString> rifiuti = StoricoPaghe::caricaRifiuti(id, anno, &danno);
    return righeRifiuti(rifiuti, danno, anno, mesi, rifiutati);
}

QStringList DocumentiChiusura::righeRifiuti(const QMap<int, QString>& rifiuti, const QString& danno, int anno,
                                            const QList<StoricoPaghe::PagaMese>& mesi, QSet<int>* rifiutati)
{
    QStringList righe;
    for (auto it = rifiuti.cbegin(); it != rifiuti.cend(); ++it) {
        if (!StoricoPaghe::trovaMese(mesi, it.key()))
            continue;
        righe << LinguaUtente::meseAnno(it.key(), anno) + QStringLiteral(": ") + it.value();
        if (rifiutati)
            rifiutati->insert(it.key());
    }
    if (!danno.isEmpty())
        righe << rifiutiDanneggiati(danno);
    return righe;
}

QString DocumentiChiusura::rifiutoDelMese(const QString& id, int anno, int mese)
{
    QString danno;
    const QString rifiuto = StoricoPaghe::caricaRifiuti(id, anno, &danno).value(mese);
    return danno.isEmpty() ? rifiuto : rifiutiDanneggiati(danno);
}

QStringList DocumentiChiusura::movimentiNonPagati(const QString& id, const QList<MovimentoStipendio>& movimenti,
                                                  const QList<MovimentoStipendio>& giaSalvati, int anno, int mese)
{
    // The movements the count pays a line for, by date.
    struct Pagabile
    {
        QDate data;
        StoricoPaghe::Voce voce;
    };
    const auto pagabili = [anno, mese](const QList<MovimentoStipendio>& lista) {
        QList<Pagabile> elenco;
        for (const MovimentoStipendio& m : lista) {
            Pagabile p{DateTesto::daMovimento(m.data), {}};
            if (p.data.isValid() && (anno <= 0 || (p.data.year() == anno && p.data.month() == mese))
                && ConteggioSalario::voceMovimento(m, &p.voce))
                elenco.append(p);
        }
        std::stable_sort(elenco.begin(), elenco.end(),
                         [](const Pagabile& a, const Pagabile& b) { return a.data < b.data; });
        return elenco;
    };
    const auto stessaRiga = [](const StoricoPaghe::Voce& a, const StoricoPaghe::Voce& b) {
        return a.descrizione == b.descrizione && std::fabs(a.importo - b.importo) < 0.005;
    };
    // Takes out of `elenco` the first entry `uguale` finds; false when none.
    const auto togli = [](auto& elenco, const auto& uguale) {
        const auto trovato = std::find_if(elenco.begin(), elenco.end(), uguale);
        if (trovato == elenco.end())
            return false;
        elenco.erase(trovato);
        return true;
    };

    const QList<Pagabile> prima = pagabili(giaSalvati);
    QStringList righe;
    QDate meseLetto;
    StoricoPaghe::PagaMese paga;
    bool salvato = false;
    QList<StoricoPaghe::Voce> righeMese; // the month's lines not yet matched to a movement
    QList<Pagabile> primaMese;           // of a month without lines
    for (const Pagabile& p : pagabili(movimenti)) {
        const QDate inizio(p.data.year(), p.data.month(), 1);
        if (inizio != meseLetto) {
            meseLetto = inizio;
            paga = StoricoPaghe::PagaMese();
            salvato = StoricoPaghe::caricaMese(id, inizio.year(), inizio.month(), &paga) && paga.conNetto;
            // A month that stores the movements' certificate categories
            // tells their lines from the others.
            const QList<StoricoPaghe::Voce>& voci = paga.dettaglio.vociSalario;
            const bool categorie = paga.conMovimenti
                || std::any_of(voci.cbegin(), voci.cend(),
                               [](const StoricoPaghe::Voce& v) { return v.categoriaCertificato >= 0; });
            righeMese.clear();
            for (const StoricoPaghe::Voce& v : voci) {
                if (!categorie || v.categoriaCertificato >= 0)
                    righeMese.append(v);
            }
            primaMese.clear();
            for (const Pagabile& q : prima) {
                if (q.data.year() == inizio.year() && q.data.month() == inizio.month())
                    primaMese.append(q);
            }
        }
        if (!salvato)
            continue;
        const bool pagato = paga.dettaglio.presente
            ? togli(righeMese, [&](const StoricoPaghe::Voce& v) { return stessaRiga(v, p.voce); })
            : togli(primaMese,
                    [&](const Pagabile& q) { return q.data == p.data && stessaRiga(q.voce, p.voce); });
        if (!pagato)
            righe << QStringLiteral("%1: %2 %3 CHF")
                         .arg(LinguaUtente::meseAnno(inizio.month(), inizio.year()), nomeVoce(p.voce.descrizione),
                              Decimali::testo(p.voce.importo));
    }
    return righe;
}

QString DocumentiChiusura::rifiutiDanneggiati(const QString& danno)
{
    return tr("i rifiuti dell'ultima chiusura non si leggono correttamente: %1").arg(danno);
}

bool DocumentiChiusura::foglioPaga(const QString& id, int anno, int mese, const QString& comunicazioni,
                                   FoglioPaga* foglio, QString* motivo)
{
    // The year's pay history read once: for what stands against the month
    // and for the month itself.
    QList<StoricoPaghe::PagaMese> mesi;
    QString danno;
    StoricoPaghe::caricaAnno(id, anno, mesi, &danno);
    const QString escluso = motivoEscluso(id, anno, mese, danno);
    if (motivo)
        *motivo = escluso;
    if (!escluso.isEmpty())
        return false;
    const StoricoPaghe::PagaMese* salvato = StoricoPaghe::trovaMese(mesi, mese);
    if (!salvato || !salvato->conNetto)
        return false;
    const StoricoPaghe::PagaMese& paga = *salvato;

    FoglioPaga f;
    f.comunicazioni = comunicazioni.trimmed();
    if (f.comunicazioni.isEmpty())
        f.comunicazioni = paga.comunicazioni.trimmed();
    f.mese = FoglioPaga::nomeMese(mese, anno);
    const DatiAzienda azienda = Azienda::carica(Config::aziendaCorrente());
    // Dated where the company is, in the user's language.
    const QString luogo = azienda.localita.trimmed().isEmpty() ? QStringLiteral("Lugano") : azienda.localita.trimmed();
    f.luogoData = luogo + QStringLiteral(", ") + LinguaUtente::data(Orologio::oggi());

    DatiDipendente d;
    Dipendente::carica(id, d); // an unreadable record leaves its lines empty
    righePaga(paga, d, anno, &f);

    f.impostaVacanze(id, d, anno, mese);

    f.dipendente = d.nome + QLatin1Char(' ') + d.cognome;
    f.dipendenteIndirizzo = d.indirizzo;
    f.dipendenteLocalita = d.cap + QLatin1Char(' ') + d.localita;
    f.banca = d.banca;
    f.iban = d.iban;

    f.azienda = azienda.ragioneSociale;
    f.aziendaIndirizzo = azienda.indirizzo;
    f.aziendaLocalita = azienda.cap + QLatin1Char(' ') + azienda.localita;

    *foglio = f;
    return true;
}

void DocumentiChiusura::righePaga(const StoricoPaghe::PagaMese& paga, const DatiDipendente& d, int anno,
                                  FoglioPaga* f)
{
    const double lordo = paga.lordoImponibile;
    const double lpp = paga.lppDipendente;
    const double imposta = paga.impostaTrattenuta;
    const double assegni = paga.assegniFamiliari;
    f->totaleLordo = lordo;
    f->importoVersato = paga.netto;
    f->importoContanti = paga.importoContanti;

    const QString trattino = QStringLiteral("-");
    // The tariff's rate the count applied (monthly model), else what the
    // tax is of the taxable gross (the annual model's adjustment).
    const double rIF = paga.dettaglio.aliquotaImposta > 0 ? paga.dettaglio.aliquotaImposta
                       : lordo > 0 && imposta > 0         ? imposta * 100.0 / lordo
                                                          : 0.0;
    const auto rigaImposta = [&] {
        aggiungiVoce(f, tr("Imposte alla fonte"), FoglioPaga::testoImporto(imposta > 0 ? lordo : 0.0),
                     imposta > 0 ? formattaAliquota(rIF) : trattino, imposta);
    };

    if (paga.dettaglio.presente) {
        const StoricoPaghe::Dettaglio& x = paga.dettaglio;
        double voci = 0.0;
        for (const StoricoPaghe::Voce& v : x.vociSalario) {
            f->vociLorde.append({nomeVoce(v.descrizione), QString(), QString(), v.importo});
            voci += v.importo;
        }
        // What the items do not explain (a gross that may not go below 0)
        // keeps the earnings adding up to the gross.
        const double resto = centesimi(lordo - assegni - voci);
        if (std::fabs(resto) >= 0.005)
            f->vociLorde.append({tr("Altre voci imponibili"), QString(), QString(), resto});
        if (assegni > 0)
            f->vociLorde.append({tr("Assegni familiari"), QString(), QString(), assegni});

        // Each line shows what was deducted, to the centime, on its base at
        // the employee's rate.
        const auto riga = [&](const QString& descrizione, const StoricoPaghe::Trattenuta& t) {
            const double importo = centesimi(t.importo);
            const bool dedotto = importo >= 0.005;
            aggiungiVoce(f, descrizione, FoglioPaga::testoImporto(dedotto ? t.imponibile : 0.0),
                         dedotto ? formattaAliquota(t.aliquota) : trattino, importo);
        };
        riga(tr("AVS-AI-IPG"), x.avs);
        riga(tr("AD"), x.ad);
        if (std::fabs(centesimi(x.caf.importo)) >= 0.005)
            riga(tr("Cassa assegni familiari (CAF)"), x.caf);
        riga(tr("Infortuni non professionali"), x.infortuni);
        aggiungiVoce(f, tr("Cassa pensione (LPP)"), QString(),
                     x.aliquotaLpp > 0 && lpp > 0 ? formattaAliquota(x.aliquotaLpp) : QString(), lpp);
        rigaImposta();

        double altre = 0.0;
        for (const StoricoPaghe::Voce& v : x.altreVoci) {
            f->altreVoci.append({nomeVoce(v.descrizione), QString(), QString(), v.importo});
            altre += v.importo;
        }
        // The contributions and the net are rounded to 0.05 francs, the lines
        // to the centime: the difference has a line of its own.
        const double arrotondamento = centesimi(paga.netto - (lordo - f->totaleDeduzioni + altre));
        if (std::fabs(arrotondamento) >= 0.005)
            f->altreVoci.append({tr("Arrotondamento"), QString(), QString(), arrotondamento});
        return;
    }

    // A month saved before the lines were stored: the rates of the year, the
    // accident premium as what the saved contributions leave.
    const double contributi = paga.contributiDipendente;
    const double salario = std::max(lordo - assegni, 0.0);
    f->vociLorde.append({tr("Salario imponibile"), QString(), QString(), salario});
    if (assegni > 0)
        f->vociLorde.append({tr("Assegni familiari"), QString(), QString(), assegni});

    Datoteca::carica(anno);
    const double rAVS = Datoteca::contributo(QStringLiteral("AVS")).aliquotaDipendente;
    const double rAD = Datoteca::contributo(QStringLiteral("AD")).aliquotaDipendente;
    const double rLAINF = Datoteca::contributo(QStringLiteral("LAINF")).aliquotaDipendente;
    const double avs = salario * rAVS / 100.0;
    const double ad = salario * rAD / 100.0;
    const double inp = std::max(contributi - avs - ad, 0.0);
    const double rINP = salario > 0 ? inp * 100.0 / salario : rLAINF;
    const int eta = CalcoloPaga::etaDaDataNascita(d.dataNascita, anno);
    const double rLPP = lpp > 0 ? Datoteca::aliquotaLPP(eta) : 0.0;

    const QString testoSalario = FoglioPaga::testoImporto(salario);
    aggiungiVoce(f, tr("AVS-AI-IPG"), testoSalario, formattaAliquota(rAVS), avs);
    aggiungiVoce(f, tr("AD"), testoSalario, formattaAliquota(rAD), ad);
    aggiungiVoce(f, tr("Infortuni non professionali"), inp > 0 ? testoSalario : FoglioPaga::testoImporto(0),
                 inp > 0 ? formattaAliquota(rINP) : trattino, inp);
    aggiungiVoce(f, tr("Cassa pensione (LPP)"), QString(), rLPP > 0 ? formattaAliquota(rLPP) : QString(), lpp);
    rigaImposta();
}

QString DocumentiChiusura::fileFoglio(const QString& cartella, const QString& id, int anno, int mese)
{
    return cartella + QLatin1Char('/') + Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('_')
        + base(id) + QLatin1Char('_') + QDate(anno, mese, 1).toString(QStringLiteral("yyyy-MM")) + QStringLiteral(".pdf");
}

QDate DocumentiChiusura::dataEsecuzione(int anno, int mese, const QDate& oggi)
{
    const QDate venticinque(anno, mese, 25);
    return venticinque < oggi ? oggi.addDays(1) : venticinque;
}

QString DocumentiChiusura::causale(int anno, int mese)
{
    // Written into the payment file, so always in Italian whatever the
    // language of the interface.
    return QStringLiteral("Stipendio ") + FoglioPaga::nomeDelMese(mese) + QLatin1Char(' ') + QString::number(anno);
}

QList<Pain001::Pagamento> DocumentiChiusura::pagamenti(const QStringList& ids, int anno, int mese,
                                                       QStringList* esclusi)
{
    const QString testo = causale(anno, mese);
    QList<Pain001::Pagamento> elenco;
    for (const QString& id : ids) {
        DatiDipendente d;
        const bool letto = Dipendente::carica(id, d); // an unreadable record has no IBAN
        const QString nome = letto ? (d.nome + QLatin1Char(' ') + d.cognome).trimmed() : QString();
        // Nobody is left out without saying who and why.
        const auto escludi = [&](const QString& motivo) {
            if (esclusi)
                esclusi->append((nome.isEmpty() ? QFileInfo(id).completeBaseName() : nome) + QStringLiteral(": ")
                                + motivo);
        };
        // The year's pay history read once, as in the slips.
        QList<StoricoPaghe::PagaMese> mesi;
        QString danno;
        StoricoPaghe::caricaAnno(id, anno, mesi, &danno);
        const QString escluso = motivoEscluso(id, anno, mese, danno);
        if (!escluso.isEmpty()) {
            escludi(escluso);
            continue;
        }
        const StoricoPaghe::PagaMese* paga = StoricoPaghe::trovaMese(mesi, mese);
        if (!paga) {
            // Nobody to pay in a month outside every employment period.
            if (!letto || ConteggioSalario::inServizio(d, anno, mese))
                escludi(tr("nessun conteggio salvato per il mese"));
            continue;
        }
        if (!(paga->netto > 0)) {
            escludi(tr("netto non positivo"));
            continue;
        }
        // Paid in cash: a transfer would pay the salary twice.
        if (d.modalitaPagamento.trimmed().compare(QLatin1String("cash"), Qt::CaseInsensitive) == 0) {
            escludi(tr("pagato in contanti"));
            continue;
        }
        // A wrong IBAN would make the bank refuse the whole file.
        const QString iban = d.iban.trimmed();
        if (iban.isEmpty()) {
            escludi(tr("IBAN mancante"));
            continue;
        }
        if (!Pain001::ibanValido(iban)) {
            escludi(tr("IBAN non valido (%1)").arg(iban));
            continue;
        }
        elenco.append({nome, iban, paga->netto, testo});
    }
    return elenco;
}
