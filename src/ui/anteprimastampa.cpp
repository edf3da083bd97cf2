#include "anteprimastampa.h"

#include "messaggi.h"
#include "piattaforma.h"
#include "scritturapdf.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryFile>
#include <QVBoxLayout>

namespace {

const double zoomMinimo = 0.1;
const double zoomMassimo = 4.0;
const double passoZoom = 1.2;

// A4 portrait without margins: the drawing places everything in millimetres
// from the page's corner.
void paginaA4(QPrinter& printer)
{
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
}

} // namespace

AnteprimaStampa::AnteprimaStampa(QWidget* parent, const QString& title, std::function<void(QPrinter&)> disegna_)
    : QDialog(parent)
    , disegna(std::move(disegna_))
{
    setWindowTitle(title);

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel(tr("Zoom:"), this));
    auto* meno = new QPushButton(QStringLiteral("-"), this);
    meno->setObjectName(QStringLiteral("pulsanteZoomMeno"));
    riga->addWidget(meno);
    etichettaZoom = new QLabel(QStringLiteral("100%"), this);
    etichettaZoom->setObjectName(QStringLiteral("etichettaZoom"));
    riga->addWidget(etichettaZoom);
    auto* piu = new QPushButton(QStringLiteral("+"), this);
    piu->setObjectName(QStringLiteral("pulsanteZoomPiu"));
    riga->addWidget(piu);
    riga->addStretch();
    auto* salva = new QPushButton(tr("Salva PDF..."), this);
    salva->setObjectName(QStringLiteral("pulsanteSalvaPdf"));
    riga->addWidget(salva);
    auto* stampaBtn = new QPushButton(tr("Stampa..."), this);
    stampaBtn->setObjectName(QStringLiteral("pulsanteStampa"));
    riga->addWidget(stampaBtn);
    auto* chiudi = new QPushButton(tr("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("pulsanteChiudi"));
    riga->addWidget(chiudi);

    scena = new QGraphicsScene(this);
    vista = new QGraphicsView(scena, this);
    vista->setObjectName(QStringLiteral("vista"));
    vista->setDragMode(QGraphicsView::ScrollHandDrag);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addWidget(vista, 1);

    connect(piu, &QPushButton::clicked, this, &AnteprimaStampa::zoomIn);
    connect(meno, &QPushButton::clicked, this, &AnteprimaStampa::zoomOut);
    connect(salva, &QPushButton::clicked, this, &AnteprimaStampa::salvaPdf);
    connect(stampaBtn, &QPushButton::clicked, this, &AnteprimaStampa::stampa);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    if (QScreen* schermo = QGuiApplication::primaryScreen())
        setGeometry(schermo->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);

    rigenera();
}

AnteprimaStampa::~AnteprimaStampa() = default;

void AnteprimaStampa::rigenera()
{
    scena->clear();
    if (!disegna)
        return;

    // The preview file stays on disk for the viewer, which may still read it
    // after this window is gone.
    QTemporaryFile temporaneo(QDir::tempPath() + QStringLiteral("/anteprima_XXXXXX.pdf"));
    temporaneo.setAutoRemove(false);
    if (!temporaneo.open())
        return;
    const QString nome = temporaneo.fileName();
    temporaneo.close();

    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nome);
        printer.setDocName(windowTitle());
        paginaA4(printer);
        disegna(printer);
    } // the printer closes the file here, before the viewer reads it

    // The note says the viewer opened only when the desktop took the file;
    // otherwise it tells where the preview is, to open it by hand.
    if (Piattaforma::attuale().apriUrl(QUrl::fromLocalFile(nome)))
        scena->addText(tr("Anteprima aperta nel visualizzatore PDF di sistema."));
    else
        scena->addText(tr("Nessun visualizzatore PDF si e' aperto. L'anteprima e' salvata in:\n%1")
                           .arg(QDir::toNativeSeparators(nome)));
    scena->setSceneRect(scena->itemsBoundingRect());
}

void AnteprimaStampa::setZoom(double z)
{
    zoom = qBound(zoomMinimo, z, zoomMassimo);
    etichettaZoom->setText(QString::number(static_cast<int>(zoom * 100)) + QLatin1Char('%'));
    vista->resetTransform();
    vista->scale(zoom, zoom);
}

void AnteprimaStampa::zoomIn()
{
    setZoom(zoom * passoZoom);
}

void AnteprimaStampa::zoomOut()
{
    setZoom(zoom / passoZoom);
}

void AnteprimaStampa::stampa()
{
    QPrinter printer(QPrinter::HighResolution);
    if (Piattaforma::attuale().dialogoStampa(printer, this, tr("Stampa")) && disegna)
        disegna(printer);
}

void AnteprimaStampa::salvaPdf()
{
    QSettings s(QStringLiteral("Vardello"), QStringLiteral("UltimoPercorsoStampa"));
    const QString ricordata = s.value(QStringLiteral("cartella")).toString();
    QString cartella;
    if (!ricordata.isEmpty() && QFileInfo(ricordata).isDir())
        cartella = ricordata;
    else if (!cartellaPredefinita.isEmpty())
        cartella = cartellaPredefinita;
    else
        cartella = QDir::homePath();
    const QString nome = nomeFilePredefinito.isEmpty() ? QStringLiteral("stampa.pdf") : nomeFilePredefinito;

    QString percorso = Piattaforma::attuale().nomeFileSalva(this, tr("Salva PDF"), cartella + QLatin1Char('/') + nome,
                                                            tr("PDF (*.pdf)"));
    if (percorso.isEmpty())
        return;
    if (!percorso.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        percorso += QStringLiteral(".pdf");

    // Success is told only for a PDF that was really written.
    const bool scritto = ScritturaPdf::scrivi(percorso, [this](QPrinter& printer) {
        printer.setDocName(windowTitle());
        paginaA4(printer);
        if (disegna)
            disegna(printer);
    });
    if (!scritto) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare il PDF:\n%1").arg(percorso));
        return;
    }
    s.setValue(QStringLiteral("cartella"), QFileInfo(percorso).absolutePath());
    Messaggi::informazione(this, tr("PDF salvato"), tr("File salvato in:\n") + percorso);
}
