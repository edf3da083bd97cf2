#pragma once

#include "dipendente.h"

#include <QDialog>
#include <QList>

class QTableWidget;

// The children of one employee. Works directly on the caller's list: every
// confirmed addition, change or removal is made there at once. No file is
// written: the employee card saves the record.
class DialogFigli : public QDialog
{
    Q_OBJECT

public:
    DialogFigli(QList<Figlio>& figli, QWidget* parent);

    void aggiornaTabella();

private slots:
    void aggiungi();
    void modificaSelezionata();
    void elimina();
    void modifica(int riga, int colonna);

private:
    // Shows the child form over `figlio`; true, with `figlio` filled, when
    // the user confirmed it.
    bool formFiglio(Figlio& figlio, bool nuovo);

    QList<Figlio>& figli;
    QTableWidget* tabella = nullptr;
};
