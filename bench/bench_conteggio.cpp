// A month's pay count for 1,000 generated employees of one company, with
// periods, children, monthly variables and extra movements on disk, after a
// saved January (so the year-to-date tax adjustment runs): once without
// saving, once with saving. Then, with eleven months saved, the counts
// without saving of May, June (the fourteenth) and December (the
// thirteenth), and the bank file of November beside them. Everything lives
// in a temporary home folder.

#include "aziendaprova.h"
#include "assegnifamiliari.h"
#include "azienda.h"
#include "chiusuraannuale.h"
#include "config.h"
#include "conteggiosalario.h"
#include "dipendente.h"
#include "documentichiusura.h"
#include "impostafonte.h"
#include "movimenti.h"
#include "storicopaghe.h"
#include "storicostipendi.h"
#include "variabilimensili.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

const int kDipendenti = 1000;
const int kAnno = 2026;
const int kGiri = 5;

QByteArray record(const QString& cantone, const QString& codice, double soglia, double aliquota)
{
    const QString r = QStringLiteral("0601") + cantone + codice.leftJustified(10, QLatin1Char(' '))
        + QStringLiteral("20260101") + QStringLiteral("%1").arg(qRound64(soglia * 100), 9, 10, QLatin1Char('0'))
        + QStringLiteral("000000500 00000000000")
        + QStringLiteral("%1").arg(qRound64(aliquota * 100), 5, 10, QLatin1Char('0')) + QStringLiteral("   \r\n");
    return r.toLatin1();
}

// Tariff scales as large as the published ones: a bracket every 5 francs
// up to 15,000 a month, for four cantons and three codes.
bool scriviTariffe(const QString& cartella)
{
    QDir().mkpath(cartella);
    QFile f(cartella + QStringLiteral("/tar26xx.txt"));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const char* cantone : {"TI", "GE", "VD", "ZH"}) {
        for (const char* codice : {"A0N", "B1N", "C2N"}) {
            for (int k = 0; k < 3000; ++k)
                f.write(record(QLatin1String(cantone), QLatin1String(codice), k * 5.0, std::min(30.0, k * 0.006)));
        }
    }
    return true;
}

QString data(int giorno, int mese, int anno)
{
    return QDate(anno, mese, giorno).toString(QStringLiteral("dd/MM/yyyy"));
}

using AziendaProva::id;

bool generaDati(QRandomGenerator& caso)
{
    if (!AziendaProva::crea(13.5, 15.2))
        return false;

    const QStringList cantoni = {QStringLiteral("TI"), QStringLiteral("GE"), QStringLiteral("VD"), QStringLiteral("ZH")};
    const QStringList permessi = {QStringLiteral("B"), QStringLiteral("B"), QStringLiteral("L"), QStringLiteral("C"),
                                  QStringLiteral("CH"), QString()};
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d;
        d.nome = QStringLiteral("Nome%1").arg(i);
        d.cognome = QStringLiteral("Cognome%1").arg(i);
        d.sesso = i % 2 ? QStringLiteral("F") : QStringLiteral("M");
        d.dataNascita = data(1 + i % 28, 1 + i % 12, 1960 + i % 45);
        d.cantone = cantoni.at(i % cantoni.size());
        d.permessoLavoro = permessi.at(i % permessi.size());
        d.periodi.append({data(1, 1 + i % 6, 2015 + i % 11), QString()});
        if (i % 10 == 0)
            d.periodi.append({data(1, 1, 2010), data(31, 12, 2012)});
        d.mensilitaAggiuntive = i % 3;
        d.gradoOccupazione = i % 7 == 0 ? 15 : 100;
        d.salarioMensile = 3000 + caso.bounded(9000);
        d.tipoPaga = i % 8 == 0 ? 1 : 0;
        d.pagaOraria = 25 + caso.bounded(30);
        d.modalitaPagamento = QStringLiteral("banca");
        d.iban = QStringLiteral("CH93 0076 2011 6238 5295 7");
        d.extra.insert(QStringLiteral("codiceTariffa"), i % 5 == 0 ? QStringLiteral("B1") : QStringLiteral("A0"));
        for (int f = 0; f < i % 4; ++f) {
            Figlio figlio;
            figlio.nome = QStringLiteral("Figlio%1").arg(f);
            figlio.cognome = d.cognome;
            figlio.dataNascita = data(1 + f, 1 + (i + f) % 12, 2000 + (i + 3 * f) % 25);
            figlio.agliStudi = f == 0;
            d.figli.append(figlio);
        }
        if (!Dipendente::salva(d, id(i)))
            return false;

        QList<VariabileMese> mesi = VariabiliMensili::caricaAnno(id(i), kAnno);
        for (VariabileMese& v : mesi) {
            v.oreFatte = 150 + caso.bounded(30);
            v.oreExtra25 = caso.bounded(10);
            v.rimborsoSpese = caso.bounded(300);
            v.rimborsoSpeseDesc = QStringLiteral("Trasferte, pasti");
            v.importiImponibili = caso.bounded(500);
            v.acconti = i % 9 == 0 ? 500 : 0;
            v.comunicazioni = QStringLiteral("Buon lavoro");
        }
        if (!VariabiliMensili::salvaAnno(id(i), kAnno, mesi))
            return false;

        QList<MovimentoStipendio> movimenti;
        for (int m = 1; m <= 12; m += 4) {
            MovimentoStipendio mov;
            mov.data = QDate(kAnno, m + i % 2, 15).toString(QStringLiteral("yyyy-MM-dd"));
            mov.tipo = m % 2 ? QStringLiteral("Bonus") : QStringLiteral("Rimborso spese");
            mov.importo = 100 + caso.bounded(900);
            mov.descrizione = QStringLiteral("Movimento %1").arg(m);
            Movimenti::applicaPreset(mov);
            movimenti.append(mov);
        }
        if (!Movimenti::salva(id(i), movimenti))
            return false;
    }
    return true;
}

// Milliseconds of processor time the process has used: on a machine
// shared with other work, steadier than the time on the clock.
double processore()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Milliseconds for one month's count of every employee (loading each card),
// as a closing counts them: the company record read once. `cpu`, when
// given, receives the processor time.
double conteggio(const QStringList& ids, int mese, bool salva, int* errori, double* cpu = nullptr)
{
    QElapsedTimer t;
    t.start();
    const double inizio = processore();
    const ContestoConteggio contesto = ContestoConteggio::carica();
    for (const QString& codice : ids) {
        DatiDipendente d;
        Dipendente::carica(codice, d);
        const RisultatoConteggio r = ConteggioSalario::genera(codice, d, kAnno, mese, salva, -1, &contesto);
        if (!r.errore.isEmpty())
            ++*errori;
    }
    if (cpu)
        *cpu = processore() - inizio;
    return t.nsecsElapsed() / 1e6;
}

// Milliseconds for the bank file's payments of one saved month.
double fileBanca(const QStringList& ids, int mese, int* errori, double* cpu)
{
    QElapsedTimer t;
    t.start();
    const double inizio = processore();
    QStringList esclusi;
    const int pagati = DocumentiChiusura::pagamenti(ids, kAnno, mese, &esclusi).size();
    const double ms = t.nsecsElapsed() / 1e6;
    *cpu = processore() - inizio;
    if (pagati != ids.size())
        *errori += ids.size() - pagati;
    return ms;
}

// Microseconds per call of each file a count reads, in the count's order,
// and of the tables it looks up.
void dettaglio(const QStringList& ids)
{
    auto misura = [&ids](const char* nome, const std::function<void(const QString&)>& passo) {
        QElapsedTimer t;
        t.start();
        for (const QString& codice : ids)
            passo(codice);
        std::printf("  %-50s %7.1f us\n", nome, t.nsecsElapsed() / 1e3 / ids.size());
    };
    std::printf("each file a count reads (per call):\n");
    DatiDipendente d;
    misura("employee card  Dipendente::carica", [&d](const QString& c) { Dipendente::carica(c, d); });
    misura("company        Azienda::carica (once a closing)",
           [](const QString&) { Azienda::carica(Config::aziendaCorrente()); });
    misura("variables      VariabiliMensili::caricaMese",
           [](const QString& c) { VariabiliMensili::caricaMese(c, kAnno, 2); });
    misura("salary history StoricoStipendi::carica", [](const QString& c) {
        QVector<PeriodoStipendio> storico;
        StoricoStipendi::carica(c, storico);
    });
    misura("movements      Movimenti::carica", [](const QString& c) { Movimenti::carica(c); });
    misura("pay history    StoricoPaghe::caricaAnno", [](const QString& c) {
        QList<StoricoPaghe::PagaMese> m;
        StoricoPaghe::caricaAnno(c, kAnno, m);
    });
    std::printf("each path and table a count looks up (per call):\n");
    misura("Config::aziendaCorrente (every path)", [](const QString&) { Config::aziendaCorrente(); });
    misura("ChiusuraAnnuale::isAnnoChiuso (saving)", [](const QString&) { ChiusuraAnnuale::isAnnoChiuso(kAnno); });
    misura("AssegniFamiliari::calcola", [&d](const QString&) {
        AssegniFamiliari::calcola(d.cantone, d.figli, 5000, QDate(kAnno, 2, 28));
    });
    misura("ImpostaFonte::calcolaMensile", [](const QString&) {
        ImpostaFonte::calcolaMensile(6543.2, QStringLiteral("TI"), QStringLiteral("A0"));
    });
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toUtf8());
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));

    QRandomGenerator caso(20260101);
    const QString tariffe = home.path() + QStringLiteral("/dati_afc");
    if (!scriviTariffe(tariffe) || !ImpostaFonte::caricaDa(tariffe) || !generaDati(caso)) {
        std::fprintf(stderr, "could not prepare the data\n");
        return 1;
    }
    QStringList ids;
    for (int i = 0; i < kDipendenti; ++i)
        ids.append(id(i));

    int errori = 0;
    const double gennaio = conteggio(ids, 1, true, &errori);

    std::vector<double> senza, con;
    for (int g = 0; g < kGiri; ++g) {
        senza.push_back(conteggio(ids, 2, false, &errori));
        con.push_back(conteggio(ids, 2, true, &errori));
    }
    const double msSenza = mediana(senza) / kDipendenti;
    const double msCon = mediana(con) / kDipendenti;
    std::printf("employees: %d, tariff brackets per scale: 3000, rounds: %d (median)\n", kDipendenti, kGiri);
    std::printf("January with saving (first save):  %.3f ms per employee\n", gennaio / kDipendenti);
    std::printf("February without saving:           %.3f ms per employee (target < 1 ms)\n", msSenza);
    std::printf("February with saving:              %.3f ms per employee (target < 2 ms)\n", msCon);

    // Eleven months saved; the months with and without an extra salary
    // counted in turn, so that they share the machine's state.
    for (int mese = 3; mese <= 11; ++mese)
        conteggio(ids, mese, true, &errori);
    // Each step's time on the clock and its processor time, in turn.
    std::vector<double> tempi[4], cpu[4];
    for (int g = 0; g < kGiri; ++g) {
        double c = 0.0;
        const int mesi[] = {5, 6, 12};
        for (int k = 0; k < 3; ++k) {
            tempi[k].push_back(conteggio(ids, mesi[k], false, &errori, &c));
            cpu[k].push_back(c);
        }
        tempi[3].push_back(fileBanca(ids, 11, &errori, &c));
        cpu[3].push_back(c);
    }
    double ms[4], msCpu[4];
    for (int k = 0; k < 4; ++k) {
        ms[k] = mediana(tempi[k]) / kDipendenti;
        msCpu[k] = mediana(cpu[k]) / kDipendenti;
    }
    const double msMaggio = ms[0];
    const double msGiugno = ms[1];
    const double msDicembre = ms[2];
    std::printf("with eleven months saved, counts without saving (processor time in brackets):\n");
    std::printf("May: %.3f ms per employee (%.3f)\n", msMaggio, msCpu[0]);
    std::printf("June: %.3f ms per employee (%.3f); %.2f x May (%.2f), target <= 1.15\n", msGiugno, msCpu[1],
                msGiugno / msMaggio, msCpu[1] / msCpu[0]);
    std::printf("December: %.3f ms per employee (%.3f); %.2f x May (%.2f), target <= 1.15\n", msDicembre,
                msCpu[2], msDicembre / msMaggio, msCpu[2] / msCpu[0]);
    std::printf("bank file of November: %.3f ms per employee (%.3f), the count of May %.3f (%.3f)\n", ms[3],
                msCpu[3], msMaggio, msCpu[0]);
    std::printf("counts with an error: %d\n", errori);
    if (app.arguments().contains(QStringLiteral("--dettaglio")))
        dettaglio(ids);
    const bool mensilitaInTempo = msGiugno <= 1.15 * msMaggio && msDicembre <= 1.15 * msMaggio;
    return msSenza < 1.0 && msCon < 2.0 && mensilitaInTempo && errori == 0 ? 0 : 2;
}
