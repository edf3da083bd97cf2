#pragma once

#include "dipendente.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// The eight free-text administrative fields of one employee, written into
// the caller's record on saving. No file is written: the employee card
// saves the record.
class DialogAmministrativi : public QDialog
{
    Q_OBJECT

public:
    DialogAmministrativi(DatiDipendente& dipendente, QWidget* parent);

    // The label of the field `chiave` (its key in the record, which is also
    // its object name here) in the user's language; empty for a key that
    // is not one of the eight.
    static QString etichetta(const QString& chiave);

public slots:
    void salva();
    // "Chiudi", the close box and Esc: changed fields are saved into the
    // record or dropped as the user says, or the dialog stays open.
    void reject() override;

private:
    bool modificato = false;
    DatiDipendente& dipendente;
    QLineEdit* professione = nullptr;
    QLineEdit* statoCivileDal = nullptr;
    QLineEdit* cellulare = nullptr;
    QLineEdit* email = nullptr;
    QLineEdit* attivitaPrincipaleSecondaria = nullptr;
    QPlainTextEdit* altriDatori = nullptr;
    QPlainTextEdit* prestazioniAIADINF = nullptr;
    QPlainTextEdit* attivitaIndipendente = nullptr;
};
