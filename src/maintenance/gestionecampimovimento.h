#pragma once

#include <QDialog>
#include <QList>

#include "campimovimento.h"

class QTableWidget;

// The administrator's editor of the movement kinds: one row per kind, every
// cell edited as text, rows added and deleted, the whole catalogue written as
// the user's copy on "Salva" (after a timestamped copy of the old one and a
// line in the change log). The fields without a column (automatic ceiling,
// repayment plan, start date) are carried over from the kind a row was
// loaded from.
class GestioneCampiMovimento : public QDialog
{
    Q_OBJECT

public:
    explicit GestioneCampiMovimento(QWidget* parent = nullptr);

    void popolaTabella();
    QList<CampoMovimento> leggiTabella() const;

    // Closes only when nothing is unsaved or the user let it go.
    void reject() override;

public slots:
    void aggiungi();
    void elimina();
    void salva();

private:
    // Writes the table as the catalogue; tells the user the outcome.
    bool scriviCatalogo();

    QTableWidget* tabella = nullptr;
    // The kinds as loaded; a row's name cell holds its index here (-1 for a
    // new row).
    QList<CampoMovimento> originali;
    bool caricamento = false;
    bool modificato = false;
};
