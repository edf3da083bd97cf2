#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

// "Conteggio": asks which saved pay count of one employee to print. The years
// are the "*.ini" files of the employee's pay-history folder, the months the
// month groups of the chosen year's file. An accepted choice is remembered
// and preselected the next time.
class ScegliConteggio : public QDialog
{
    Q_OBJECT

public:
    ScegliConteggio(const QString& cartella, QWidget* parent = nullptr);

    // The chosen year; 0 when there is none.
    int annoSelezionato() const;
    // The chosen month 1 to 12; 0 when the month list is empty.
    int meseSelezionato() const;

    void accept() override;

private slots:
    void caricaMesi();
    void aggiornaInfo();

private:
    QString cartella;
    QComboBox* comboAnno = nullptr;
    QComboBox* comboMese = nullptr;
    QLabel* info = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* annulla = nullptr;
};
