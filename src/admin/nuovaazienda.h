#pragma once

#include <QDialog>
#include <QString>

class BloccoIndirizzo;
class CampiInfortuni;
class QComboBox;
class QLineEdit;

// "Nuova Azienda": creates one company record file in the data folder, its
// file name built from the company name. Its accident-insurance premiums start
// from the year's parameters.
class NuovaAzienda : public QDialog
{
    Q_OBJECT

public:
    explicit NuovaAzienda(QWidget* parent = nullptr);

    // The file name under which the company was written; empty until saved.
    QString nomeFileCreato() const { return m_nomeFileCreato; }

    bool modificato() const;

    // The company name as a file name: blanks become "_", everything but
    // ASCII letters, digits and "_" is dropped, ".txt" is appended. Empty
    // when nothing usable is left or the name is one the program keeps for
    // its own files.
    static QString nomeFileDa(const QString& ragioneSociale);

public slots:
    // "Chiudi", the close box and Esc: unsaved input is saved or dropped as
    // the user says, or the form stays open.
    void reject() override;

private slots:
    void cambiaNazione(int index);
    void aggiornaDaCap();
    void aggiornaDaLocalita();
    void verificaCap();
    void verificaLocalita();
    void salva();
    void chiudiConControllo();

private:
    BloccoIndirizzo* blocco = nullptr;
    CampiInfortuni* infortuni = nullptr;
    QComboBox* comboNazione = nullptr;
    QComboBox* comboValuta = nullptr;
    QComboBox* comboLingua = nullptr;
    QLineEdit* editRagioneSociale = nullptr;
    QLineEdit* editIndirizzo = nullptr;
    QLineEdit* editCap = nullptr;
    QLineEdit* editLocalita = nullptr;
    QLineEdit* editCantone = nullptr;
    QLineEdit* editProvincia = nullptr;
    QString m_nomeFileCreato;
};
