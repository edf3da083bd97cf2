#include "gestionecertificati.h"

#include "certificato.h"
#include "certificatoannuo.h"
#include "dialogofile.h"
#include "esportapdf.h"
#include "messaggi.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

QString senzaTxt(const QString& nome)
{
    return nome.endsWith(QLatin1String(".txt")) ? nome.left(nome.size() - 4) : nome;
}

// A certificate that did not read cleanly is neither shown nor exported:
// its figures would be wrong without a word.
QString illeggibile(const QString& errore)
{
    return errore.isEmpty() ? GestioneCertificati::tr("Impossibile leggere il file.")
                            : GestioneCertificati::tr("Il certificato non si è letto correttamente:\n%1").arg(errore);
}

} // namespace

GestioneCertificati::GestioneCertificati(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Gestione certificati"));
    setMinimumSize(450, 350);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Certificati salvati:"), this));
    tutti = new QCheckBox(tr("Seleziona tutti"), this);
    tutti->setObjectName(QStringLiteral("selezionaTutti"));
    layout->addWidget(tutti);
    lista = new QListWidget(this);
    lista->setObjectName(QStringLiteral("lista"));
    for (const QString& nome : Certificato::elencoCertificati()) {
        auto* voce = new QListWidgetItem(nome, lista);
        voce->setFlags(voce->flags() | Qt::ItemIsUserCheckable);
        voce->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(lista);

    auto* riga = new QHBoxLayout;
    auto pulsante = [this, riga](const QString& testo, const char* nome) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        riga->addWidget(p);
        return p;
    };
    QPushButton* apri_ = pulsante(tr("Apri"), "apri");
    QPushButton* elimina_ = pulsante(tr("Elimina"), "elimina");
    QPushButton* esporta = pulsante(tr("Esporta PDF"), "esportaPdf");
    riga->addStretch();
    QPushButton* chiudi = pulsante(tr("Chiudi"), "chiudi");
    layout->addLayout(riga);

    connect(tutti, &QCheckBox::stateChanged, this, &GestioneCertificati::selezionaTutti);
    connect(apri_, &QPushButton::clicked, this, &GestioneCertificati::apri);
    connect(elimina_, &QPushButton::clicked, this, &GestioneCertificati::elimina);
    connect(esporta, &QPushButton::clicked, this, &GestioneCertificati::esportaPdf);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void GestioneCertificati::apriGestione(QWidget* parent)
{
    if (Certificato::elencoCertificati().isEmpty()) {
        Messaggi::informazione(parent, tr("Nessun certificato"),
                               tr("Non ci sono certificati salvati.\nUsa %1 > %2")
                                   // The menu's own words, in the user's language.
                                   .arg(QObject::tr("Chiusure di fine anno"),
                                        QObject::tr("Esporta certificato di salario...")));
        return;
    }
    GestioneCertificati g(parent);
    g.exec();
}

QString GestioneCertificati::percorso(const QString& nome) const
{
    return Certificato::cartella() + QLatin1Char('/') + nome;
}

void GestioneCertificati::selezionaTutti(int stato)
{
    for (int i = 0; i < lista->count(); ++i)
        lista->item(i)->setCheckState(stato == Qt::Checked ? Qt::Checked : Qt::Unchecked);
}

void GestioneCertificati::apri()
{
    QListWidgetItem* voce = lista->currentItem();
    if (!voce)
        return;
    Certificato::DatiCertificato c;
    QString errore;
    if (!Certificato::carica(c, percorso(voce->text()), &errore)) {
        Messaggi::avviso(this, tr("Errore"), illeggibile(errore));
        return;
    }
    Messaggi::informazione(this, tr("Certificato"), CertificatoAnnuo::testoApri(c));
}

void GestioneCertificati::elimina()
{
    QListWidgetItem* voce = lista->currentItem();
    if (!voce)
        return;
    if (!Messaggi::conferma(this, tr("Elimina"), tr("Eliminare il certificato \"%1\"?").arg(voce->text())))
        return;
    // The item goes only with its file; a file already gone goes too.
    const QString file = percorso(voce->text());
    if (QFile::exists(file) && !QFile::remove(file)) {
        Messaggi::avviso(this, tr("Errore"), tr("Impossibile eliminare il file:\n%1").arg(file));
        return;
    }
    delete voce;
}

void GestioneCertificati::esportaPdf()
{
    QStringList spuntati;
    for (int i = 0; i < lista->count(); ++i) {
        if (lista->item(i)->checkState() == Qt::Checked)
            spuntati.append(lista->item(i)->text());
    }
    if (spuntati.isEmpty()) {
        Messaggi::informazione(this, tr("Nessuna selezione"), tr("Spunta almeno un certificato."));
        return;
    }
    const QString titolo = tr("Certificato di salario");
    if (spuntati.size() == 1) {
        Certificato::DatiCertificato c;
        QString errore;
        if (!Certificato::carica(c, percorso(spuntati.first()), &errore)) {
            Messaggi::avviso(this, tr("Errore"), illeggibile(errore));
            return;
        }
        const QString pdf = DialogoFile::salva(this, tr("Salva PDF"),
                                               QDir::homePath() + QLatin1Char('/') + senzaTxt(spuntati.first())
                                                   + QStringLiteral(".pdf"),
                                               tr("PDF (*.pdf)"));
        if (pdf.isEmpty())
            return;
        if (EsportaPdf::salvaTestoPdf(pdf, titolo, CertificatoAnnuo::testoScheda(c)))
            Messaggi::informazione(this, tr("Esportato"), tr("PDF salvato in:\n") + pdf);
        else
            Messaggi::avviso(this, tr("Errore"), tr("Impossibile salvare il file.") + QLatin1Char('\n') + pdf);
        return;
    }
    QSettings impostazioni(QStringLiteral("Vardello"), QStringLiteral("ExportPdf"));
    const QString ultima = impostazioni.value(QStringLiteral("ultimaCartella"), QDir::homePath()).toString();
    const QString cartella = DialogoFile::cartella(this, tr("Cartella per i PDF"), ultima);
    if (cartella.isEmpty())
        return;
    impostazioni.setValue(QStringLiteral("ultimaCartella"), cartella);
    int esportati = 0;
    QStringList falliti;
    for (const QString& nome : spuntati) {
        Certificato::DatiCertificato c;
        const QString pdf = cartella + QLatin1Char('/') + senzaTxt(nome) + QStringLiteral(".pdf");
        QString errore;
        if (!Certificato::carica(c, percorso(nome), &errore))
            falliti.append(errore.isEmpty() ? nome : errore);
        else if (EsportaPdf::salvaTestoPdf(pdf, titolo, CertificatoAnnuo::testoScheda(c)))
            ++esportati;
        else
            falliti.append(nome);
    }
    const QString testo = tr("Esportati: %1\nErrori: %2\nCartella: %3").arg(esportati).arg(falliti.size()).arg(cartella);
    if (falliti.isEmpty())
        Messaggi::informazione(this, tr("Esportati"), testo);
    else
        Messaggi::avviso(this, tr("Esportati"), testo + QLatin1Char('\n') + falliti.join(QLatin1Char('\n')));
}
