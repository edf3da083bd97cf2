#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>

#include <functional>

// The one place where the program shows warnings, questions and information.
// Tests install a responder that records each message and answers it, so no
// message box ever blocks a headless run.
class Messaggi
{
public:
    enum class Tipo { Avviso, Informazione, Domanda, Critico };

    struct Richiesta
    {
        Tipo tipo;
        QString titolo;
        QString testo;
        QMessageBox::StandardButtons pulsanti;
        QMessageBox::StandardButton predefinito;
        // A question with buttons of its own: each standard button (which
        // gives the answer and the role) with the text it shows, in the
        // order they are added.
        QList<QPair<QMessageBox::StandardButton, QString>> testiPulsanti = {};
        // The icon of a box with buttons of its own (none unless given).
        QMessageBox::Icon icona = QMessageBox::NoIcon;
    };

    using Risponditore = std::function<QMessageBox::StandardButton(const Richiesta&)>;

    static QMessageBox::StandardButton avviso(QWidget* parent, const QString& titolo, const QString& testo);
    static QMessageBox::StandardButton informazione(QWidget* parent, const QString& titolo, const QString& testo);
    static QMessageBox::StandardButton critico(QWidget* parent, const QString& titolo, const QString& testo);
    static QMessageBox::StandardButton domanda(
        QWidget* parent, const QString& titolo, const QString& testo,
        QMessageBox::StandardButtons pulsanti = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton predefinito = QMessageBox::NoButton);

    // A yes/no question; true for "Yes". The default button is "No" unless
    // `predefinitoSi`.
    static bool conferma(QWidget* parent, const QString& titolo, const QString& testo, bool predefinitoSi = false);

    // A question whose buttons carry the given texts (see Richiesta); the
    // answer is the standard button clicked, Cancel when the box is closed.
    static QMessageBox::StandardButton scelta(QWidget* parent, const QString& titolo, const QString& testo,
                                              const QList<QPair<QMessageBox::StandardButton, QString>>& pulsanti,
                                              QMessageBox::Icon icona = QMessageBox::NoIcon);

    // Replaces the real message boxes; an empty function restores them.
    static void setRisponditore(Risponditore r);

private:
    static QMessageBox::StandardButton mostra(QWidget* parent, const Richiesta& r);
};
