#pragma once

#include <QDialog>
#include <QString>

#include "azienda.h"

class BloccoIndirizzo;
class CampiInfortuni;
class QComboBox;
class QLineEdit;

// "Azienda": the master data of one existing company (name, address, country
// and the country's identification fields, among them the IBAN and BIC of the
// payment file), saved back into its record file in the data folder, or the
// record file deleted, with the company's accident-insurance premiums and their
// ceiling. What the form does not show (the thirteenth-salary flag, other
// keys) is saved as loaded. A file that did not read cleanly is shown as far
// as it read, with a message naming the file and its lines, and is never
// saved over.
class GestioneAzienda : public QDialog
{
    Q_OBJECT

public:
    GestioneAzienda(const QString& nomeFile, QWidget* parent = nullptr);

    bool modificato() const;

public slots:
    void aggiornaDaCap();
    void aggiornaDaLocalita();
    void salva();
    void cambiaNazione(int index);
    void chiudiConControllo();
    void cancella();
    void reject() override;

private:
    bool salvaDati();
    // Fills the form with m_dati.
    void mostraDati();
    void segnaIdentificativi();

    QString m_nomeFile;
    DatiAzienda m_dati; // as loaded: the base of every save
    QString m_erroreLettura; // the file did not read cleanly: no save
    BloccoIndirizzo* blocco = nullptr;
    CampiInfortuni* infortuni = nullptr;
    QLineEdit* editRagioneSociale = nullptr;
    QLineEdit* editIndirizzo = nullptr;
    QLineEdit* editCap = nullptr;
    QLineEdit* editLocalita = nullptr;
    QLineEdit* editCantone = nullptr;
    QComboBox* comboNazione = nullptr;
};
