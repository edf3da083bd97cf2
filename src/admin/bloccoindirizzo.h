#pragma once

#include "azienda.h"
#include "nazioni.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QDialog;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// The address block shared by the company and employee forms: the country
// decides which rows are shown and which identification fields the form
// asks for; for Swiss addresses the postcode and locality fill each other
// and the canton from the postcode directory and are checked against it; and
// closing the form asks before dropping unsaved input.
//
// The form creates and lays out the widgets and hands them over; it wires
// their signals to its own slots of the same names, which call the block.
// What the user typed stays in the widgets; the form's save reads them.
class BloccoIndirizzo : public QObject
{
    Q_OBJECT

public:
    // The four forms differ in a few rules (which fills test the auto-fill
    // flag, what a country change does, which identification rows appear).
    enum class Modulo { NuovaAzienda, GestioneAzienda, NuovoDipendente, SchedaDipendente };

    struct Widget
    {
        QComboBox* nazione = nullptr; // item data: the country code
        QLineEdit* cap = nullptr;
        QLineEdit* localita = nullptr;
        QLineEdit* cantone = nullptr;
        QFormLayout* form = nullptr;  // identification rows are appended here
        QList<QWidget*> soloSvizzera; // shown only while the country is "CH"
        QList<QWidget*> soloEstero;   // shown only for any other country
        QComboBox* valuta = nullptr;  // new company form: follow the country
        QComboBox* lingua = nullptr;
    };

    // The address rows every form shows, built in one place: the entries of
    // street, postcode, locality and canton (object names "indirizzo",
    // "cap", "localita", "cantone"; a company's canton of at most 2
    // characters).
    struct RigheIndirizzo
    {
        QLineEdit* indirizzo = nullptr;
        QLineEdit* cap = nullptr;
        QLineEdit* localita = nullptr;
        QLineEdit* cantone = nullptr;
        QLabel* etichettaCantone = nullptr;
    };
    static RigheIndirizzo creaRigheIndirizzo(Modulo modulo, QFormLayout* form, QWidget* genitore);
    // The country box ("nazione", item data the country code): the five
    // countries a company may be in, or every country of the directory for
    // an employee.
    static QComboBox* creaNazione(Modulo modulo, QWidget* genitore);

    // `salva` is the form's own save, which the unsaved-changes prompt may run.
    BloccoIndirizzo(Modulo modulo, const Widget& widget, QDialog* finestra, std::function<void()> salva);

    void cambiaNazione(int index);
    void creaCampiDinamici(const Nazioni::InfoNazione& info);
    void aggiornaDaCap();
    void verificaCap();
    void aggiornaDaLocalita();
    void verificaLocalita();
    // Closes the form, asking first (ModificheNonSalvate) when it holds
    // unsaved input: "Annulla" keeps it open with its input. A form whose
    // reject() is overridden calls this from there.
    void chiudiConControllo();

    // The code of the current country item; Swiss when exactly "CH".
    QString codiceNazione() const;
    bool svizzera() const;

    // The form holds input not yet saved.
    bool modificato() const { return m_modificato; }
    void setModificato(bool valore) { m_modificato = valore; }

    // Set while the block writes a postcode, locality or canton itself.
    bool inAggiornamento() const { return m_inAggiornamento; }
    void setInAggiornamento(bool valore) { m_inAggiornamento = valore; }

    // Makes every text change of `campo` mark the form modified, except the
    // block's own fills.
    void segnaModificheDi(QLineEdit* campo);

    // The identification rows, in the order of the country's fields.
    const QList<QLineEdit*>& campiIdentificativi() const { return m_campi; }
    const QList<QLabel*>& etichetteIdentificative() const { return m_etichette; }
    // The country's fields of those rows, at the same positions.
    const QList<Nazioni::CampoIdentificativo>& campiMostrati() const { return m_info.campi; }

    // The values the employee card shows in its identification rows.
    void setValoriIdentificativi(const QMap<QString, QString>& valori) { m_valori = valori; }

    // Puts the trimmed text of each identification entry into `mappa` under
    // the key of the country's field at the same position.
    void scriviIdentificativi(QMap<QString, QString>& mappa) const;

private:
    bool moduloAzienda() const { return m_modulo == Modulo::NuovaAzienda || m_modulo == Modulo::GestioneAzienda; }
    bool moduloDipendente() const { return !moduloAzienda(); }
    void scrivi(QLineEdit* campo, const QString& testo);

    Modulo m_modulo;
    Widget m_w;
    QDialog* m_finestra;
    std::function<void()> m_salva;
    bool m_modificato = false;
    bool m_inAggiornamento = false;
    QList<QLineEdit*> m_campi;
    QList<QLabel*> m_etichette;
    Nazioni::InfoNazione m_info;
    QMap<QString, QString> m_valori;
};

// The company's accident-insurance rows, shared by the two company forms: the
// occupational premium, the non-occupational premiums for men and for women
// (per mille of the insured earnings) and their annual ceiling in francs.
// They sit in a group box of their own under the address rows.
class CampiInfortuni : public QObject
{
    Q_OBJECT

public:
    explicit CampiInfortuni(QWidget* genitore);

    QGroupBox* gruppo() const { return m_gruppo; }
    QList<QLineEdit*> campi() const;

    // Shows the record's values.
    void mostra(const DatiAzienda& a);
    // Puts the typed values into `a`; an empty text when they are valid,
    // else the message naming the field that is not.
    QString leggi(DatiAzienda& a) const;

    // The values a new company starts from: the accident insurance of the
    // loaded year's parameters (percent there, per mille here), the same
    // non-occupational premium for men and women.
    static void predefiniti(DatiAzienda& a);

    // Highest premium accepted, per mille, and highest ceiling, francs.
    static constexpr double kPremioMassimo = 200.0;
    static constexpr double kMassimaleMassimo = 1000000.0;

private:
    QGroupBox* m_gruppo = nullptr;
    QLineEdit* m_ip = nullptr;
    QLineEdit* m_inpUomo = nullptr;
    QLineEdit* m_inpDonna = nullptr;
    QLineEdit* m_massimale = nullptr;
};
