#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QTableWidget;

// "Lista Dipendenti": the employees of the current company, narrowed by a
// search text; opens an employee's card, creates and deletes employees.
class ListaDipendenti : public QDialog
{
    Q_OBJECT

public:
    explicit ListaDipendenti(QWidget* parent = nullptr);

    // The id of the current row when it is visible and selected; empty for
    // none, a row the search hides, or the placeholder row.
    QString fileSelezionato() const;

signals:
    void selezioneCambiata();

public slots:
    void caricaLista();
    void filtraLista(const QString& testo);
    void apriDipendente();
    void nuovoDipendente();
    void eliminaDipendente();

private:
    // First name and surname of the selected row (its id when it has none).
    QString nomeSelezionato() const;

    QTableWidget* tabella = nullptr;
    QLineEdit* cerca = nullptr;
};
