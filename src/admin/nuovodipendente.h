#pragma once

#include "nazioni.h"

#include <QDialog>
#include <QString>

class BloccoIndirizzo;
class CampoData;
class QComboBox;
class QDateEdit;
class QLineEdit;

// "Nuovo Dipendente": creates one employee record file of the current
// company; the file name, built from surname and name, is the new
// employee's id.
class NuovoDipendente : public QDialog
{
    Q_OBJECT

public:
    explicit NuovoDipendente(QWidget* parent = nullptr);

    // The id (file name) under which the employee was written; empty until saved.
    QString idCreato() const { return m_idCreato; }

    bool modificato() const;

    // "<surname>_<name>.txt" from the trimmed texts, blanks and accents kept.
    // Characters that would lead out of the employees folder or break the
    // name ("/", "\", ":", control characters) are dropped, and so are dots,
    // underscores and blanks at the start of the surname, which would hide
    // the file from the employee lists. Empty when surname or name leaves
    // nothing.
    static QString nomeFileDa(const QString& cognome, const QString& nome);

public slots:
    // "Chiudi", the close box and Esc: unsaved input is saved or dropped as
    // the user says, or the form stays open.
    void reject() override;

private slots:
    void salva();
    void aggiornaDaCap();
    void aggiornaDaLocalita();
    void verificaCap();
    void verificaLocalita();
    void chiudiConControllo();
    void cambiaNazione(int index);

private:
    void creaCampiDinamici(const Nazioni::InfoNazione& info);

    BloccoIndirizzo* blocco = nullptr;
    QLineEdit* editNome = nullptr;
    QLineEdit* editCognome = nullptr;
    CampoData* dataNascita = nullptr;
    QComboBox* comboSesso = nullptr;
    QComboBox* comboStatoCivile = nullptr;
    QLineEdit* editNazionalita = nullptr;
    QComboBox* comboNazione = nullptr;
    QLineEdit* editIndirizzo = nullptr;
    QLineEdit* editCap = nullptr;
    QLineEdit* editLocalita = nullptr;
    QLineEdit* editCantone = nullptr;
    QComboBox* comboPermesso = nullptr;
    QDateEdit* dataAssunzione = nullptr;
    QComboBox* comboContratto = nullptr;
    QComboBox* comboMensilita = nullptr;
    QString m_idCreato;
};
