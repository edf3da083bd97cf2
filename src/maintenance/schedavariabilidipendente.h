#pragma once

#include "dipendente.h"
#include "variabilimensili.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// "Variabili mensili dipendente": one employee's monthly variables entered a
// month at a time, with a read-only summary of the year below. Shares the
// yearly variables file with the monthly variables grid.
class SchedaVariabiliDipendente : public QDialog
{
    Q_OBJECT

public:
    SchedaVariabiliDipendente(const QString& id, QWidget* parent = nullptr);

    // The months of the year as the window holds them.
    const QList<VariabileMese>& mesi() const { return anno; }

public slots:
    void caricaAnno();
    void caricaMeseNelForm();
    void salvaMeseCorrente();
    void stampaRiepilogo();
    // "Chiudi", the close box and Esc: unsaved edits of the month are saved
    // or dropped as the user says, or the window stays open.
    void reject() override;

private:
    // Another month or year was chosen: unsaved edits of the month shown are
    // saved or dropped as the user says, or the choice is taken back.
    void sceltaCambiata();
    // Asks about unsaved edits (ModificheNonSalvate); true when the window
    // may close.
    bool chiusuraConsentita();
    void aggiornaTabellaRiepilogo();
    // The summary's selected row is the month the form shows.
    void selezionaMeseNelRiepilogo();
    // Saves the month of the form; true when the year's file was written.
    bool salvaMese();

    bool modificato = false;
    bool caricamento = false;
    // The month (0-11) and year the form shows.
    int meseMostrato = -1;
    int annoMostrato = 0;

    QString id;
    DatiDipendente dip;
    bool orario = false;
    QList<VariabileMese> anno;

    QSpinBox* spinAnno = nullptr;
    QComboBox* comboMese = nullptr;
    // The form's inputs in the order of the employee's pay kind, each with
    // the member it edits.
    QList<QPair<QDoubleSpinBox*, double VariabileMese::*>> campi;
    // What each input showed when the month was put into the form: an input
    // still showing it was not touched, and its stored value is kept.
    QList<double> valoriMostrati;
    QString notaMostrata;
    QLineEdit* editNote = nullptr;
    QTableWidget* riepilogo = nullptr;
};
