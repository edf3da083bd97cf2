#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Chiusura esercizio / Blocco annuale": the state of one pay year, whether
// its data files still match the seal, the seal details and the audit log;
// closes and seals an open year with a note, reopens a closed one with a
// written reason. Everything shown is read again from disk at every refresh.
class ChiusuraAnnualeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChiusuraAnnualeDialog(QWidget* parent = nullptr);
    ~ChiusuraAnnualeDialog() override;

public slots:
    void aggiornaVistaAnno();
    void eseguiChiusura();
    void eseguiRiapertura();

private:
    void popolaAnni();
    void caricaLogAudit();
    int annoScelto() const;

    QComboBox* comboAnno = nullptr;
    QLabel* etichettaStato = nullptr;
    QLabel* etichettaIntegrita = nullptr;
    QLabel* etichettaSigillo = nullptr;
    QLineEdit* editNote = nullptr;
    QPushButton* pulsanteChiudi = nullptr;
    QPushButton* pulsanteRiapri = nullptr;
    QPlainTextEdit* vistaLog = nullptr;
};
