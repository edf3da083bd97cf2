#pragma once

#include "dipendente.h"
#include "variabilimensili.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QEvent;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

// One employee's monthly variables for a whole year in one grid: a row per
// month, a column per variable, the yearly totals at the foot. Saves the
// employee's variables file of the year, which the monthly pay count reads.
class GestioneVariabili : public QDialog
{
    Q_OBJECT

public:
    // `codice`: the employee shown first (empty: the first one); `anno`: the
    // year (2000 or less: this year).
    GestioneVariabili(const QString& codice, int anno, QWidget* parent = nullptr);

public slots:
    void caricaDati();
    void salvaDati();
    void stampaAnteprima();
    void ricalcolaTotali();
    // "Chiudi", the close box and Esc: unsaved edits are saved or dropped as
    // the user says, or the grid stays open.
    void reject() override;

protected:
    // The grid's columns follow the width of its visible area.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // Asks about unsaved edits (ModificheNonSalvate); true when the window
    // may close.
    bool chiusuraConsentita();
    void impostaColonne();
    // Fills the month rows with a year as stored; each cell keeps the text
    // it was shown with, so a save tells what the user typed from what he
    // left as it was.
    void mostraMesi(const QList<VariabileMese>& mesi);
    // Whether the user changed the cell since it was shown.
    bool toccata(int riga, int colonna) const;
    // Stores the grid; true when the year was saved.
    bool salva();
    // The employee or the year was changed: unsaved edits are saved or
    // dropped as the user says, or the change is taken back.
    void sceltaCambiata();
    void cellaCambiata(QTableWidgetItem* cella);

    QString id;
    DatiDipendente dipendente;
    // The year as the grid was last filled with it.
    QList<VariabileMese> mesiMostrati;
    bool orario = false;
    bool caricamento = false;
    bool modificato = false;
    int indiceMostrato = -1;
    int annoMostrato = 0;

    QComboBox* sceltaDipendente = nullptr;
    QSpinBox* sceltaAnno = nullptr;
    QLabel* contratto = nullptr;
    QTableWidget* griglia = nullptr;
};
