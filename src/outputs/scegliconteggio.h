#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

// "Conteggio": asks which saved pay count of one employee to print. The years
// are the "*.ini" files of the employee's pay-history folder, the months
// those the pay history reads in the chosen year's file, each once; when the
// file did not read cleanly, the chooser says so with the file and line. An
// accepted choice is remembered and preselected the next time.
class ScegliConteggio : public QDialog
{
    Q_OBJECT

public:
    // `id`: the employee's record file name.
    ScegliConteggio(const QString& id, QWidget* parent = nullptr);

    // The chosen year; 0 when there is none.
    int annoSelezionato() const;
    // The chosen month 1 to 12; 0 when the month list is empty.
    int meseSelezionato() const;

    void accept() override;

private slots:
    void caricaMesi();
    void aggiornaInfo();

private:
    QString id;
    QString cartella;
    QComboBox* comboAnno = nullptr;
    QComboBox* comboMese = nullptr;
    QLabel* info = nullptr;
    QLabel* avviso = nullptr; // what of the year's file did not read cleanly
    QPushButton* ok = nullptr;
    QPushButton* annulla = nullptr;
};
