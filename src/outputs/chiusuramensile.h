#pragma once

#include <QDialog>
#include <QMap>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Chiusura mensile": the month's pay count of every employee of the current
// company, previewed in a table with totals, saved into the pay histories
// all at once, one count in detail with its PDF, and the pro-rata payout of
// the thirteenth or fourteenth salary. The ticks of the table choose the
// employees whose pay slips and payments are made from the saved month.
class ChiusuraMensile : public QDialog
{
    Q_OBJECT

public:
    explicit ChiusuraMensile(QWidget* parent = nullptr);

    // The employee id of each employee row of the table; the totals row has
    // none.
    QStringList idRighe() const { return righeId; }
    // The employees the last "Genera tutti e salva" of this window could not
    // count, by id, with the reason. The refusal itself is kept beside the
    // pay history, so every window highlights their rows for that month.
    QMap<QString, QString> nonContati() const { return mancati; }

public slots:
    // The preview the user asks for: also warns of employees whose tax has
    // no tariff tables.
    void calcolaAnteprima();
    void generaESalvaTutti();
    void apriDettaglio(int riga, int colonna);
    void stampaSelezionati();
    void generaPain001();

private:
    // Computes the preview; `avvisa` shows the warning on missing tariff
    // tables (only the preview asked for does, not the recomputations).
    void aggiornaAnteprima(bool avvisa);
    // Empties the table: its figures belong to the month they were computed for.
    void popolaTabella();
    void adattaColonne();
    void aggiornaTestoSelezionaTutti();
    void toggleSelezionaTutti();
    void liquidaProRata();
    // Asks the payout of "Liquida 13a/14a pro-rata", `importo` proposed;
    // false when cancelled.
    bool chiediProRata(const QString& etichetta, double* importo);

    int anno() const;
    int mese() const;
    int tredicesima() const;
    // The ids of the ticked employee rows, in row order.
    QStringList idSpuntati() const;

    // Keeps beside the pay history why the month's count was refused (or
    // clears the refusal once counted). Returns why the employee counts as
    // not counted: `errore`, and what could not be recorded; empty when
    // counted and recorded.
    static QString registraEsito(const QString& id, int anno, int mese, const QString& errore);
    // The refusal of an employee the month finds outside every employment
    // period: none when he has no saved month (nothing is owed, and an old
    // refusal no longer stands); a saved month stays refused, with the
    // reason, until a closing counts it again.
    static QString motivoFuoriPeriodo(const QString& id, int anno, int mese);
    // The message after "Genera tutti e salva": the counts saved, each
    // employee not counted with the reason (`elenco`), the leavers owed
    // extra salaries (`dovute`).
    void avvisaEsito(int generati, const QStringList& elenco, const QStringList& dovute);

    QCheckBox* checkTredicesima = nullptr;
    QComboBox* comboAnno = nullptr;
    QComboBox* comboMese = nullptr;
    QTableWidget* tabella = nullptr;
    QPushButton* pulsanteAnteprima = nullptr;
    QPushButton* pulsanteGenera = nullptr;
    QPushButton* pulsanteSalvaSelezionati = nullptr;
    QPushButton* pulsanteSelezionaTutti = nullptr;
    QPushButton* pulsanteFileBanca = nullptr;
    QLineEdit* editComunicazioni = nullptr;
    QStringList righeId;
    QMap<QString, QString> mancati;
};
