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

    // The id of the current row; empty for none or the placeholder row.
    QString fileSelezionato() const;

public slots:
    void caricaLista();
    void filtraLista(const QString& testo);
    void apriDipendente();
    void nuovoDipendente();
    void eliminaDipendente();

private:
    QTableWidget* tabella = nullptr;
    QLineEdit* cerca = nullptr;
};
