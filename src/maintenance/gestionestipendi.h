#pragma once

#include "dipendente.h"
#include "storicostipendi.h"

#include <QDialog>
#include <QString>
#include <QVector>

class QTableWidget;

// "Storico stipendi": the salary periods of one employee in a table. "Salva"
// rebuilds every period from its row with a snapshot of the employee, the
// contribution parameters of the loaded year and the monthly results of an
// annual summary, and rewrites the salary history.
class GestioneStipendi : public QDialog
{
    Q_OBJECT

public:
    // `id`: the employee's record file name, or its full path.
    GestioneStipendi(const QString& id, QWidget* parent = nullptr);
    ~GestioneStipendi() override;

    // (Re)loads the table from the salary history.
    void carica();

    // Fills a period from its start and monthly salary: the employee's pay
    // kind and snapshot, the contribution parameters loaded now and the
    // monthly results of an annual summary, as "Salva" stores them.
    static void completaPeriodo(PeriodoStipendio* p, const DatiDipendente& dip);

public slots:
    void aggiungiPeriodo();
    void eliminaPeriodo();
    void salvaTutto();
    void apriScheda();
    // "Chiudi", the close box and Esc: unsaved edits are saved or dropped as
    // the user says, or the window stays open.
    void reject() override;

private:
    // Asks about unsaved edits (ModificheNonSalvate); true when the window
    // may close.
    bool chiusuraConsentita();
    // Saves the table; true when the salary history was written.
    bool salvaPeriodi();

    bool modificato = false;
    QString id;
    QTableWidget* tabella = nullptr;
    // The periods as loaded: a row that came from the file keeps the note
    // and movements of its period, which the table does not show.
    QVector<PeriodoStipendio> caricati;
};
