#pragma once

#include "dipendente.h"

#include <QDialog>
#include <QList>

class QVBoxLayout;

// The employment periods of one employee, edited on a copy of the caller's
// list; "OK" hands the copy back, "Annulla" drops it. No file is written:
// the employee card saves the record.
class DialogPeriodiRapporto : public QDialog
{
    Q_OBJECT

public:
    DialogPeriodiRapporto(QList<PeriodoRapporto>& periodi, QWidget* parent);

    void aggiungiRiga(int index);
    void ricostruisciRighe();

    // The close box and Esc: changed periods are confirmed or dropped as the
    // user says, or the dialog stays open.
    void reject() override;

private:
    // Hands the periods back and closes; false (the dialog stays open) when
    // they are refused.
    bool confermaOk();

    QList<PeriodoRapporto>& originale;
    QList<PeriodoRapporto> copia;
    QVBoxLayout* righe = nullptr;
};
