#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

// The salary types in an editable table: cells edited as text, rows deleted,
// every row written back into the catalogue and the catalogue saved as the
// user's file on "Salva". A deleted type is removed from the catalogue when
// the table is saved.
class GestioneGeneri : public QDialog
{
    Q_OBJECT

public:
    explicit GestioneGeneri(QWidget* parent = nullptr);

    void caricaTabella();
    // Writes the rows back and saves; tells the user the outcome.
    bool salvaModifiche();
    // "Chiudi": closes, asking first when there are unsaved changes.
    void chiudiConControllo();

    // Closes only when nothing is unsaved or the user let it go.
    void reject() override;

private:
    void eliminaRiga();

    QTableWidget* tabella = nullptr;
    // The codes of the rows deleted since the last save.
    QStringList eliminati;
    bool caricamento = false;
    bool modificato = false;
};
