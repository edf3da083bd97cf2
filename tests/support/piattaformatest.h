#pragma once

#include "piattaforma.h"

#include <QList>
#include <QMap>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QUrl>

// Takes the place of the desktop while it lives: records every URL opened,
// program started, print dialog and save dialog, and answers them as the test
// says. Nothing real is opened, started or printed.
class RegistroPiattaforma : public Piattaforma
{
public:
    RegistroPiattaforma();
    ~RegistroPiattaforma() override;

    bool apriUrl(const QUrl& url) override;
    bool avviaDistaccato(const QString& programma, const QStringList& argomenti) override;
    QString trovaEseguibile(const QString& nome) override;
    QString cartellaProgramma() override;
    bool dialogoStampa(QPrinter& printer, QWidget* parent, const QString& titolo) override;
    QString nomeFileSalva(QWidget* parent, const QString& titolo, const QString& proposto,
                          const QString& filtro) override;

    // Opened URLs, in order; the desktop accepts them when `esitoApriUrl`.
    QList<QUrl> urlAperti;
    bool esitoApriUrl = true;

    // Started programs; they start when `esitoAvvio`.
    struct Avvio
    {
        QString programma;
        QStringList argomenti;
    };
    QList<Avvio> avvii;
    bool esitoAvvio = true;

    // Executables "on the search path": name -> full path. None by default.
    QMap<QString, QString> eseguibili;

    // The program's folder; empty: the real one.
    QString cartellaDelProgramma;

    // Titles of the print dialogs shown. An accepted dialog (`accettaStampa`)
    // sends the printer to the PDF file `stampaSuPdf` when that is set.
    QStringList dialoghiStampa;
    bool accettaStampa = true;
    QString stampaSuPdf;

    // Save dialogs shown, answered in order with `risposteSalva` (cancelled
    // when none is left).
    struct RichiestaSalva
    {
        QString titolo;
        QString proposto;
        QString filtro;
    };
    QList<RichiestaSalva> richiesteSalva;
    QStringList risposteSalva;
};

// Answers the next DialogoFile dialog that opens: chooses `percorso` (a file or
// a folder) and accepts, or cancels when `percorso` is empty. `osserva`, when
// given, looks at the dialog first.
void rispondiDialogoFile(const QString& percorso, std::function<void(class QFileDialog*)> osserva = {});

// What pdfinfo and pdftotext read from a PDF file.
struct InfoPdf
{
    bool valido = false;
    int pagine = 0;
    QSizeF pagina; // first page, in points
    QString titolo;
    QString testo; // text of every page, layout kept
    bool a4Verticale() const;
    bool a4Orizzontale() const;
};

InfoPdf leggiPdf(const QString& percorso);

// Validates an XML file against the official pain.001.001.09 schema of the
// shared test data with xmllint; false with xmllint's output in `uscita`.
bool validaPain001(const QString& percorso, QString* uscita);

// Loads generated Ticino tariffs for the demonstration employees taxed at
// source: A0N 0.5 % more for every 500 francs (0 % from 0 up to 20 % from
// 20,000), B2N a flat 2 %; with them the real tariff files of tests/data
// named in `altri` (gzip, e.g. "tar26ge.txt.gz"). `c1Contraddice` adds a
// C1N whose threshold repeats, a scale the reader leaves out. False when
// the tables did not load.
bool caricaTariffeTicino(const QStringList& altri = {}, bool c1Contraddice = false);
