#include "messaggi.h"

#include <QPushButton>

namespace {
Messaggi::Risponditore& risponditore()
{
    static Messaggi::Risponditore r;
    return r;
}
}

void Messaggi::setRisponditore(Risponditore r)
{
    risponditore() = std::move(r);
}

QMessageBox::StandardButton Messaggi::mostra(QWidget* parent, const Richiesta& r)
{
    if (risponditore())
        return risponditore()(r);
    if (!r.testiPulsanti.isEmpty()) {
        QMessageBox box(parent);
        box.setIcon(r.icona);
        box.setWindowTitle(r.titolo);
        box.setText(r.testo);
        for (const auto& p : r.testiPulsanti) {
            if (QPushButton* b = box.addButton(p.first))
                b->setText(p.second);
        }
        const int risposta = box.exec();
        return box.clickedButton() ? QMessageBox::StandardButton(risposta) : QMessageBox::Cancel;
    }
    switch (r.tipo) {
    case Tipo::Avviso:
        return QMessageBox::warning(parent, r.titolo, r.testo, r.pulsanti, r.predefinito);
    case Tipo::Informazione:
        return QMessageBox::information(parent, r.titolo, r.testo, r.pulsanti, r.predefinito);
    case Tipo::Critico:
        return QMessageBox::critical(parent, r.titolo, r.testo, r.pulsanti, r.predefinito);
    case Tipo::Domanda:
        break;
    }
    return QMessageBox::question(parent, r.titolo, r.testo, r.pulsanti, r.predefinito);
}

QMessageBox::StandardButton Messaggi::avviso(QWidget* parent, const QString& titolo, const QString& testo)
{
    return mostra(parent, {Tipo::Avviso, titolo, testo, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton Messaggi::informazione(QWidget* parent, const QString& titolo, const QString& testo)
{
    return mostra(parent, {Tipo::Informazione, titolo, testo, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton Messaggi::critico(QWidget* parent, const QString& titolo, const QString& testo)
{
    return mostra(parent, {Tipo::Critico, titolo, testo, QMessageBox::Ok, QMessageBox::NoButton});
}

QMessageBox::StandardButton Messaggi::domanda(QWidget* parent, const QString& titolo, const QString& testo,
                                              QMessageBox::StandardButtons pulsanti,
                                              QMessageBox::StandardButton predefinito)
{
    return mostra(parent, {Tipo::Domanda, titolo, testo, pulsanti, predefinito});
}

QMessageBox::StandardButton Messaggi::scelta(QWidget* parent, const QString& titolo, const QString& testo,
                                             const QList<QPair<QMessageBox::StandardButton, QString>>& pulsanti,
                                             QMessageBox::Icon icona)
{
    QMessageBox::StandardButtons tutti;
    for (const auto& p : pulsanti)
        tutti |= p.first;
    Richiesta r{Tipo::Domanda, titolo, testo, tutti, QMessageBox::NoButton};
    r.testiPulsanti = pulsanti;
    r.icona = icona;
    return mostra(parent, r);
}

bool Messaggi::conferma(QWidget* parent, const QString& titolo, const QString& testo, bool predefinitoSi)
{
    return domanda(parent, titolo, testo, QMessageBox::Yes | QMessageBox::No,
                   predefinitoSi ? QMessageBox::Yes : QMessageBox::No)
        == QMessageBox::Yes;
}
