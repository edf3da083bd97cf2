#pragma once

#include "dipendente.h"
#include "nazioni.h"
#include "storicostipendi.h"

#include <QDialog>
#include <QString>
#include <QVector>

class BloccoIndirizzo;
class CampoData;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Scheda Dipendente": everything stored about one employee on one scrolling
// form. Works on a copy of the record, which the periods, children and
// administrative data dialogs edit too; only "Salva" writes the employee
// file. From here the user also reaches the salary history, the monthly
// variables card and the printouts, and deletes the employee.
class SchedaDipendente : public QDialog
{
    Q_OBJECT

public:
    // `file` is the employee's id: the record file's name, or its full path.
    SchedaDipendente(const QString& file, QWidget* parent = nullptr);

    bool modificato() const;
    // The working copy (as the form last copied it into the record).
    const DatiDipendente& datiCorrenti() const { return dati; }

    // The checks every employee record passes before it is written, on the
    // card and on the new employee form alike: the AVS number of a Swiss
    // employee, the amounts and the degree within their ranges, birth dates
    // not after today, the employment periods, the IBAN's check digits. The
    // message naming the first field refused, empty when none is; `campo`
    // (may be null) receives the object name of that field's input.
    static QString controllaDati(const DatiDipendente& d, QString* campo = nullptr);
    // The employment periods' part of it: no period ends before it starts
    // and no two periods share a day, so that at most one lasts. Periods
    // are named by their row, from 1.
    static QString controllaPeriodi(const QList<PeriodoRapporto>& periodi);

public slots:
    void salva();
    void cancella();
    void chiudiConControllo();
    // "Chiudi", the close box and Esc: unsaved edits are saved or dropped as
    // the user says, or the card stays open.
    void reject() override;
    void cambiaNazione(int index);
    void aggiornaDaCap();
    void aggiornaDaLocalita();
    void verificaCap();
    void verificaLocalita();

public:
    void creaCampiDinamici(const Nazioni::InfoNazione& info);

private:
    void costruisciForm(class QFormLayout* form);
    void riempiCategorie(const QString& ccl);
    void apriPeriodi();
    void apriFigli();
    void apriAmministrativi();
    void apriStoricoStipendi();
    // The salary of the period covering the current month as the history
    // holds it; false when none covers it or the history did not read
    // cleanly.
    bool salarioDelMese(double* salario) const;
    // The salary period covering today, when the save must write into it
    // the salary the user typed (`indice` -1 when there is none to write):
    // false, after a warning, when that history did not read cleanly, and
    // then nothing is saved.
    bool periodoDaAggiornare(QVector<PeriodoStipendio>* periodi, int* indice);
    // The card's record brought together with `suDisco`, which another
    // window saved after the card read the file (Dipendente::unisci): false,
    // with nothing changed, when the user keeps the other window's values of
    // the fields both changed.
    bool unisciConIlFile(const DatiDipendente& suDisco);
    // The name the user knows a field of the record by (its key).
    QString nomeCampo(const QString& chiave) const;
    // Warns when the employee saved is taxed at source and the tariff the
    // closing will look up is not in the loaded tables of the canton.
    void avvisaTariffa();
    // Reads the typed amounts, degree and dates; returns false at the first
    // one that cannot be read, after a warning when `avvisa`. Their ranges
    // are controllaDati's.
    bool leggiInput(double* salario, double* lpp, double* oraria, int* grado, QString* nascita,
                    QString* statoCivileDal, bool avvisa);
    // The record a save writes from what the card shows now, before the
    // checks and before it meets the file: false when a typed value cannot
    // be read (with a warning when `avvisa`).
    bool recordDellaScheda(DatiDipendente* nuovi, bool avvisa);

    QString id;
    DatiDipendente dati;
    // The record as the card read it from the file: what the card changed
    // since is what its save writes over a file another window saved.
    DatiDipendente letto;
    // The record as the card showed it on opening: `letto` as the card's own
    // save would write it back, with the defaults it fills in for keys the
    // file never held (partner "no", the country, further activities) and
    // its amounts at two decimals. What the user changed is what differs
    // from this; the rest keeps whatever another window saved since.
    DatiDipendente mostrato;
    BloccoIndirizzo* blocco = nullptr;

    // The birth date as loaded, kept while the field shows no date (it was
    // empty or unreadable).
    QString nascitaCaricata;
    // "Stato civile dal" as the program last put it into its row: kept as
    // it is; anything the user types there must be a date.
    QString statoCivileDalMostrato;
    // The monthly salary as the program last put it into its row, from the
    // record or the salary history: a save writes the salary into the
    // history only when the user typed another one.
    double salarioMostrato = 0;

    QLineEdit* editAVS = nullptr;
    QLabel* intestazione = nullptr;
    QLineEdit* editNome = nullptr;
    QLineEdit* editCognome = nullptr;
    CampoData* dataNascita = nullptr;
    QComboBox* comboSesso = nullptr;
    QComboBox* comboStatoCivile = nullptr;
    QLineEdit* editStatoCivileDal = nullptr;
    QLineEdit* editCellulare = nullptr;
    QLineEdit* editEmail = nullptr;
    QLineEdit* editNazionalita = nullptr;
    QComboBox* comboNazione = nullptr;
    QLineEdit* editIndirizzo = nullptr;
    QLineEdit* editCap = nullptr;
    QLineEdit* editLocalita = nullptr;
    QLabel* etichettaCantone = nullptr;
    QLineEdit* editCantone = nullptr;
    QComboBox* comboPermesso = nullptr;
    QComboBox* comboConiuge = nullptr;
    QCheckBox* checkAltreAttivita = nullptr;
    QLineEdit* editTariffa = nullptr;
    QLineEdit* editGrado = nullptr;
    QComboBox* comboContratto = nullptr;
    QComboBox* comboMensilita = nullptr;
    QComboBox* comboTipoPaga = nullptr;
    QLineEdit* editSalario = nullptr;
    QLineEdit* editLpp = nullptr;
    QLineEdit* editPagaOraria = nullptr;
    QComboBox* comboCcl = nullptr;
    QComboBox* comboCategoria = nullptr;
    QComboBox* comboModalita = nullptr;
    QLineEdit* editIban = nullptr;
    QLineEdit* editIntestatario = nullptr;
    QLineEdit* editBanca = nullptr;
    QLineEdit* editBic = nullptr;
    QCheckBox* checkBancaEstera = nullptr;
};
