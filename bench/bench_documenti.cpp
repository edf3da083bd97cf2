// The yearly documents of 1,000 generated employees, first without any
// saved month (every figure an estimate of twelve counts), then with the
// twelve months saved: the pay summary as it opens (every employee's year
// figures), the salary-certificate PDFs as "Esporta certificato PDF..."
// writes them (the year's figures once per employee, then the sheet) and,
// apart, the PDF writing alone. Everything lives in a temporary home folder
// (in memory when the system has one).

#include "azienda.h"
#include "certificatoannuo.h"
#include "config.h"
#include "dipendente.h"
#include "esportapdf.h"
#include "inizializzazione.h"
#include "orologio.h"
#include "pagheanno.h"
#include "riepilogopaghe.h"
#include "storicopaghe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const int kDipendenti = 1000;
const int kAnno = 2026;

QString id(int i)
{
    return QStringLiteral("Dipendente_%1.txt").arg(i, 4, 10, QLatin1Char('0'));
}

bool generaDipendenti()
{
    Inizializzazione::esegui();
    DatiAzienda a;
    a.ragioneSociale = QStringLiteral("Banco Prova SA");
    a.cantone = QStringLiteral("TI");
    a.lainfINPuomoPerMille = 13.5;
    a.lainfINPdonnaPerMille = 15.2;
    if (!Azienda::salva(a, QStringLiteral("BancoProva.txt")))
        return false;
    Config::setAziendaCorrente(QStringLiteral("BancoProva.txt"));
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d;
        d.nome = QStringLiteral("Nome%1").arg(i);
        d.cognome = QStringLiteral("Cognome%1").arg(i);
        d.sesso = i % 2 ? QStringLiteral("F") : QStringLiteral("M");
        d.dataNascita = QStringLiteral("01/%1/%2").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1960 + i % 40);
        d.cantone = QStringLiteral("TI");
        d.periodi.append({QStringLiteral("01/01/2020"), QString()});
        d.mensilitaAggiuntive = 1;
        d.salarioMensile = 3000 + i;
        for (int f = 0; f < i % 3; ++f) {
            Figlio figlio;
            figlio.nome = QStringLiteral("Figlio%1").arg(f);
            figlio.cognome = d.cognome;
            figlio.dataNascita = QStringLiteral("01/01/%1").arg(2012 + f);
            d.figli.append(figlio);
        }
        if (!Dipendente::salva(d, id(i)))
            return false;
    }
    return true;
}

bool salvaMesi()
{
    for (int i = 0; i < kDipendenti; ++i) {
        for (int mese = 1; mese <= 12; ++mese) {
            StoricoPaghe::PagaMese p;
            p.anno = kAnno;
            p.mese = mese;
            p.lordoImponibile = 3000 + i;
            p.contributiDipendente = p.lordoImponibile * 0.064;
            p.netto = p.lordoImponibile * 0.85;
            p.conNetto = true;
            if (!StoricoPaghe::salvaMese(id(i), p))
                return false;
        }
    }
    return true;
}

// Seconds for the pay summary to open with every employee's figures.
double riepilogo()
{
    QElapsedTimer t;
    t.start();
    RiepilogoPaghe f;
    return t.nsecsElapsed() / 1e9;
}

// Seconds for every employee's year figures alone.
double cifre()
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d;
        Dipendente::carica(id(i), d);
        PagheAnno::cifre(id(i), d, kAnno);
    }
    return t.nsecsElapsed() / 1e9;
}

// Seconds for the certificate PDFs, as the export writes them; `soloPdf`
// writes the same sheets' PDF without computing any figure.
double certificati(const QString& cartella, bool soloPdf, int* scritti)
{
    DatiDipendente primo;
    Dipendente::carica(id(0), primo);
    const QString testo = soloPdf ? CertificatoAnnuo::testoPdf(id(0), primo, kAnno) : QString();
    *scritti = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kDipendenti; ++i) {
        const QString percorso = cartella + QLatin1Char('/') + id(i) + QStringLiteral(".pdf");
        const QString titolo = QStringLiteral("Certificato di salario %1").arg(kAnno);
        if (soloPdf) {
            *scritti += EsportaPdf::salvaTestoPdf(percorso, titolo, testo);
            continue;
        }
        DatiDipendente d;
        if (!Dipendente::carica(id(i), d))
            continue;
        const PagheAnno::Somme s = PagheAnno::cifre(id(i), d, kAnno);
        if (!s.conCifre())
            continue;
        *scritti += EsportaPdf::salvaTestoPdf(percorso, titolo, CertificatoAnnuo::testoPdf(id(i), d, kAnno, s));
    }
    return t.nsecsElapsed() / 1e9;
}

// Seconds for the year figures, the pay summary and the certificate PDFs.
struct Tempi
{
    double cifre = 0;
    double riepilogo = 0;
    double certificati = 0;
    int scritti = 0;
};

Tempi misura(const QString& cartella)
{
    Tempi t;
    t.cifre = cifre();
    t.riepilogo = riepilogo();
    t.certificati = certificati(cartella, false, &t.scritti);
    return t;
}

void stampa(const char* caso, const Tempi& t, double soloPdf)
{
    std::printf("%s:\n", caso);
    std::printf("  year figures of %d employees: %6.2f s (%.2f ms each)\n", kDipendenti, t.cifre,
                t.cifre * 1e3 / kDipendenti);
    std::printf("  pay summary opened:            %6.2f s\n", t.riepilogo);
    std::printf("  %d certificate PDFs:        %6.2f s (target: year figures + PDF writing = %.2f s)\n", t.scritti,
                t.certificati, t.cifre + soloPdf);
}

} // namespace

int main(int argc, char* argv[])
{
    const QString memoria = QStringLiteral("/dev/shm");
    QTemporaryDir casa(QFileInfo(memoria).isDir() ? memoria + QStringLiteral("/vardello_documenti_XXXXXX")
                                                  : QDir::tempPath() + QStringLiteral("/vardello_documenti_XXXXXX"));
    if (!casa.isValid())
        return 1;
    qputenv("HOME", casa.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (casa.path() + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (casa.path() + QStringLiteral("/.local/share")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", casa.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));
    // A day in the year of the figures: the pay summary opens on it.
    Orologio::imposta(QDateTime(QDate(kAnno, 6, 1), QTime(8, 0)));
    const QString pdf = casa.path() + QStringLiteral("/pdf");
    if (!generaDipendenti() || !QDir().mkpath(pdf)) {
        std::fprintf(stderr, "could not prepare the data\n");
        return 1;
    }
    const Tempi stima = misura(pdf);
    if (!salvaMesi()) {
        std::fprintf(stderr, "could not save the months\n");
        return 1;
    }
    const Tempi salvati = misura(pdf);
    int scritti = 0;
    const double soloPdf = certificati(pdf, true, &scritti);
    std::printf("PDF writing alone, %d certificate sheets: %.2f s (%.1f ms each)\n", scritti, soloPdf,
                soloPdf * 1e3 / qMax(1, scritti));
    stampa("1,000 employees without saved months (estimated)", stima, soloPdf);
    stampa("1,000 employees with 12 saved months", salvati, soloPdf);
    return 0;
}
