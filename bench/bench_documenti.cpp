// The yearly documents of 1,000 generated employees, first without any
// saved month (every figure an estimate of twelve counts), then with the
// twelve months saved: the pay summary as it opens (every employee's year
// figures), the salary-certificate PDFs as "Esporta certificato PDF..."
// writes them (the year's figures once per employee, then the sheet), with
// the part of their time spent writing the files. Everything lives in a
// temporary home folder (in memory when the system has one).

#include "aziendaprova.h"
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

using AziendaProva::id;

bool generaDipendenti()
{
    Inizializzazione::esegui();
    if (!AziendaProva::crea(13.5, 15.2))
        return false;
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d = AziendaProva::dipendente(i);
        d.sesso = i % 2 ? QStringLiteral("F") : QStringLiteral("M");
        d.dataNascita = QStringLiteral("01/%1/%2").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1960 + i % 40);
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

// Seconds for the certificate PDFs, as the export writes them; `scrittura`
// receives the seconds spent writing the PDF files among them, `calcolo`
// those spent computing the year figures.
double certificati(const QString& cartella, double* scrittura, double* calcolo, int* scritti)
{
    *scritti = 0;
    *scrittura = 0;
    *calcolo = 0;
    QElapsedTimer t;
    t.start();
    QElapsedTimer pdf;
    for (int i = 0; i < kDipendenti; ++i) {
        DatiDipendente d;
        if (!Dipendente::carica(id(i), d))
            continue;
        pdf.start();
        const PagheAnno::Somme s = PagheAnno::cifre(id(i), d, kAnno);
        *calcolo += pdf.nsecsElapsed() / 1e9;
        if (!s.conCifre())
            continue;
        const QString testo = CertificatoAnnuo::testoPdf(id(i), d, kAnno, s);
        pdf.start();
        *scritti += EsportaPdf::salvaTestoPdf(cartella + QLatin1Char('/') + id(i) + QStringLiteral(".pdf"),
                                              QStringLiteral("Certificato di salario %1").arg(kAnno), testo);
        *scrittura += pdf.nsecsElapsed() / 1e9;
    }
    return t.nsecsElapsed() / 1e9;
}

void misura(const char* caso, const QString& cartella)
{
    const double anno = cifre();
    const double tabella = riepilogo();
    double scrittura = 0;
    double calcolo = 0;
    int scritti = 0;
    const double pdf = certificati(cartella, &scrittura, &calcolo, &scritti);
    std::printf("%s:\n", caso);
    std::printf("  year figures of %d employees: %6.2f s (%.2f ms each)\n", kDipendenti, anno,
                anno * 1e3 / kDipendenti);
    std::printf("  pay summary opened:            %6.2f s\n", tabella);
    std::printf("  %d certificate PDFs:        %6.2f s (target: at most year figures + PDF writing = %.2f s)\n",
                scritti, pdf, anno + scrittura);
    std::printf("    of which PDF writing %.2f s, year figures %.2f s, the rest %.2f s\n", scrittura, calcolo,
                pdf - scrittura - calcolo);
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
    misura("1,000 employees without saved months (estimated)", pdf);
    if (!salvaMesi()) {
        std::fprintf(stderr, "could not save the months\n");
        return 1;
    }
    misura("1,000 employees with 12 saved months", pdf);
    return 0;
}
