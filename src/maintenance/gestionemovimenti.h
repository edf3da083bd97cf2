#pragma once

#include "movimenti.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class MovimentiModel;
class QTableView;

// The extra salary movements of one employee in an editable table: edited in
// place, rows added and deleted, the whole list saved on request. A file that
// did not read cleanly is shown as far as it read, with a message naming the
// file and its lines, and is never saved over.
class GestioneMovimenti : public QDialog
{
    Q_OBJECT

public:
    // `id` is the employee whose movements are loaded and saved; `nome` is
    // shown in the title.
    GestioneMovimenti(const QString& id, const QString& nome, QWidget* parent = nullptr);

public slots:
    void aggiungi();
    void elimina();
    void salva();
    // "Chiudi", the close box and Esc: unsaved edits are saved or dropped as
    // the user says, or the window stays open.
    void reject() override;

    // A movement date as typed ("31/12/2026", "31.12.2026") or as stored
    // ("2026-12-31"); invalid when it is neither or names no real day.
    static QDate leggiData(const QString& testo);

private:
    // Asks about unsaved edits (ModificheNonSalvate); true when the window
    // may close.
    bool chiusuraConsentita();
    // Saves the table; true when the file was written. A row whose date
    // cannot be read stops the save, naming the row. Movements the count
    // never pays are saved all the same, and named in the message.
    bool salvaMovimenti();
    // The rows the count never pays, each with its row, kind, amount and
    // why: no amount above 0, or no contribution or tax box ticked.
    static QStringList senzaPagamento(const QList<MovimentoStipendio>& lista);

    bool modificato = false;
    QString id;
    QString erroreLettura; // the file did not read cleanly: no save
    // The movements as the file held them when last read or saved: those a
    // month saved before without its lines may have paid.
    QList<MovimentoStipendio> nelFile;
    MovimentiModel* modello = nullptr;
    QTableView* vista = nullptr;
};
