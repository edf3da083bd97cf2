#pragma once

#include "bankprofile.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;

// Chooser of the bank whose profile the salary payments follow, shown at
// start-up while no bank is stored.
class ScegliBanca : public QDialog
{
    Q_OBJECT

public:
    explicit ScegliBanca(QWidget* parent = nullptr);

    // The profile shown in the combo box; a default profile when none.
    BankProfile bancaSelezionata() const;

private slots:
    void aggiornaNote();

private:
    QList<BankProfile> profili;
    QComboBox* combo = nullptr;
    QLabel* etichettaNote = nullptr;
};
