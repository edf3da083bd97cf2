#pragma once

#include <QDialog>
#include <QString>

class QSpinBox;

// Asks for the year of a yearly printout: a large spin box within the given
// bounds with "-" and "+" buttons, "OK" and "Annulla".
class DialogAnno : public QDialog
{
    Q_OBJECT

public:
    DialogAnno(QWidget* parent, const QString& title, int value, int min, int max);

    int anno() const;

private:
    QSpinBox* spin = nullptr;
};
