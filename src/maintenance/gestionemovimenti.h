#pragma once

#include <QDialog>
#include <QString>

class MovimentiModel;
class QTableView;

// The extra salary movements of one employee in an editable table: edited in
// place, rows added and deleted, the whole list saved on request.
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

private:
    QString id;
    MovimentiModel* modello = nullptr;
    QTableView* vista = nullptr;
};
