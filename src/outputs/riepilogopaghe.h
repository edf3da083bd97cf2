#pragma once

#include <QDialog>

class QPushButton;
class QSpinBox;
class QTableWidget;

// "Riepilogo Paghe": every employee of the current company with the last
// salary period, the monthly salary and the figures of the chosen year
// (gross, employee contributions, withholding tax, net) with where they come
// from: the sums of the months saved in the pay history, or an estimate
// (marked "stima") for an employee without saved months; an employee with no
// month of employment in the year has no figures and is in no total. The
// ticked rows give the totals, a plain-text PDF and the accountant's CSV of
// a chosen saved month.
class RiepilogoPaghe : public QDialog
{
    Q_OBJECT

public:
    explicit RiepilogoPaghe(QWidget* parent = nullptr);
    ~RiepilogoPaghe() override;

    // The year the figures are computed for.
    int anno() const;

public slots:
    void caricaDipendenti();
    void calcola(bool mostraTotali);
    void toggleTutti();
    void esportaPdf();
    void esportaCsv();

private:
    // Asks the year and month of the accounting CSV; false when cancelled.
    bool scegliMese(int& annoCsv, int& meseCsv);

    QTableWidget* tabella = nullptr;
    QSpinBox* spinAnno = nullptr;
    QPushButton* pulsanteTutti = nullptr;
    QPushButton* pulsanteRicalcola = nullptr;
    QPushButton* pulsanteChiudi = nullptr;
};
