#pragma once

#include <QDialog>
#include <QString>

struct Valuta;
class QTableWidget;

// "Gestione valute": the currency table of valute.txt in the default data
// folder. The franc is the base currency: its row cannot be deleted, its
// code, name, symbol and rate cannot be edited, and its rate is always
// stored as 1.
class GestioneValute : public QDialog
{
    Q_OBJECT

public:
    explicit GestioneValute(QWidget* parent = nullptr);

    void aggiungiRiga(const Valuta& v);

    // ~/.vardello_dati/valute.txt (the folder is created); it does not follow
    // the configured data folder.
    static QString percorsoFile();

    bool modificato() const { return m_modificato; }

public slots:
    void aggiungi();
    void elimina();
    void salva();
    void reject() override;

private:
    bool salvaDati();

    QTableWidget* tabella = nullptr;
    bool m_modificato = false;
};
