#include "dialogamministrativi.h"

#include "modifichenonsalvate.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const struct
{
    const char* chiave;
    const char* etichetta;
} kCampi[] = {
    {"professione", QT_TRANSLATE_NOOP("DialogAmministrativi", "Professione")},
    {"statoCivileDal", QT_TRANSLATE_NOOP("DialogAmministrativi", "Stato civile dal")},
    {"cellulare", QT_TRANSLATE_NOOP("DialogAmministrativi", "Cellulare")},
    {"email", QT_TRANSLATE_NOOP("DialogAmministrativi", "Email")},
    {"attivitaPrincipaleSecondaria", QT_TRANSLATE_NOOP("DialogAmministrativi", "Attività principale/secondaria")},
    {"altriDatori", QT_TRANSLATE_NOOP("DialogAmministrativi", "Altri datori di lavoro")},
    {"prestazioniAIADINF", QT_TRANSLATE_NOOP("DialogAmministrativi", "Prestazioni AI/AD/INF")},
    {"attivitaIndipendente", QT_TRANSLATE_NOOP("DialogAmministrativi", "Attività indipendente")},
};

} // namespace

QString DialogAmministrativi::etichetta(const QString& chiave)
{
    for (const auto& c : kCampi) {
        if (chiave == QLatin1String(c.chiave))
            return tr(c.etichetta);
    }
    return QString();
}

DialogAmministrativi::DialogAmministrativi(DatiDipendente& dipendente, QWidget* parent)
    : QDialog(parent)
    , dipendente(dipendente)
{
    setWindowTitle(tr("Dati amministrativi"));
    setMinimumSize(500, 600);

    auto riga = [this](const QString& nome, const QString& valore) {
        auto* e = new QLineEdit(valore, this);
        e->setObjectName(nome);
        return e;
    };
    auto testo = [this](const QString& nome, const QString& valore) {
        auto* e = new QPlainTextEdit(this);
        e->setObjectName(nome);
        e->setPlainText(valore);
        e->setMaximumHeight(80);
        return e;
    };
    professione = riga(QStringLiteral("professione"), dipendente.professione);
    statoCivileDal = riga(QStringLiteral("statoCivileDal"), dipendente.statoCivileDal);
    cellulare = riga(QStringLiteral("cellulare"), dipendente.cellulare);
    email = riga(QStringLiteral("email"), dipendente.email);
    attivitaPrincipaleSecondaria = riga(QStringLiteral("attivitaPrincipaleSecondaria"),
                                        dipendente.attivitaPrincipaleSecondaria);
    altriDatori = testo(QStringLiteral("altriDatori"), dipendente.altriDatori);
    prestazioniAIADINF = testo(QStringLiteral("prestazioniAIADINF"), dipendente.prestazioniAIADINF);
    attivitaIndipendente = testo(QStringLiteral("attivitaIndipendente"), dipendente.attivitaIndipendente);

    auto* form = new QFormLayout;
    for (QWidget* campo : std::initializer_list<QWidget*>{professione, statoCivileDal, cellulare, email,
                                                          attivitaPrincipaleSecondaria, altriDatori,
                                                          prestazioniAIADINF, attivitaIndipendente})
        form->addRow(etichetta(campo->objectName()), campo);

    auto* pulsanti = new QDialogButtonBox(this);
    pulsanti->setObjectName(QStringLiteral("pulsanti"));
    QPushButton* salvaBtn = pulsanti->addButton(QDialogButtonBox::Save);
    salvaBtn->setObjectName(QStringLiteral("salva"));
    QPushButton* chiudi = pulsanti->addButton(tr("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("chiudi"));
    connect(pulsanti, &QDialogButtonBox::accepted, this, &DialogAmministrativi::salva);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(pulsanti);

    for (QLineEdit* e : {professione, statoCivileDal, cellulare, email, attivitaPrincipaleSecondaria})
        connect(e, &QLineEdit::textChanged, this, [this] { modificato = true; });
    for (QPlainTextEdit* e : {altriDatori, prestazioniAIADINF, attivitaIndipendente})
        connect(e, &QPlainTextEdit::textChanged, this, [this] { modificato = true; });
}

void DialogAmministrativi::reject()
{
    bool salvato = false;
    if (ModificheNonSalvate::puoChiudere(this, modificato, [this, &salvato] {
            salva();
            return salvato = true;
        })
        && !salvato)
        QDialog::reject();
}

void DialogAmministrativi::salva()
{
    dipendente.professione = professione->text().trimmed();
    dipendente.statoCivileDal = statoCivileDal->text().trimmed();
    dipendente.cellulare = cellulare->text().trimmed();
    dipendente.email = email->text().trimmed();
    dipendente.attivitaPrincipaleSecondaria = attivitaPrincipaleSecondaria->text().trimmed();
    dipendente.altriDatori = altriDatori->toPlainText().trimmed();
    dipendente.prestazioniAIADINF = prestazioniAIADINF->toPlainText().trimmed();
    dipendente.attivitaIndipendente = attivitaIndipendente->toPlainText().trimmed();
    accept();
}
