#pragma once

#include <QDialog>
#include <QSet>
#include <QString>

#include <vector>

struct ProblemaValute;
struct Valuta;
class QTableWidget;

// "Gestione valute": the currency table of valute.txt in the default data
// folder. The franc is the base currency: its row cannot be deleted, its
// code, name, symbol and rate cannot be edited, and its rate is always
// stored as 1. A file that did not read cleanly is shown as far as it read,
// with a message naming the file and its lines, and is never saved over.
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

    // The message for what could not be read in the file; empty when it
    // read cleanly.
    static QString descriviProblemi(const QString& percorso, const std::vector<ProblemaValute>& problemi);

public slots:
    void aggiungi();
    void elimina();
    void salva();
    void reject() override;

private:
    bool salvaDati();
    QString cella(int riga, int colonna) const;
    // A row's field as the messages name it: "Cambio in CHF, riga 3".
    QString campo(int colonna, int riga) const;
    // The row's rate when the row can be saved; else false after a message
    // naming the field, the row and the value refused.
    bool rigaAccettata(int riga, const QSet<QString>& codici, double* cambio);

    QTableWidget* tabella = nullptr;
    bool m_modificato = false;
    QString m_erroreLettura; // the file did not read cleanly: no save
};
