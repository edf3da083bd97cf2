#pragma once

#include "movimenti.h"

#include <QAbstractTableModel>
#include <QList>

// The working copy of one employee's extra movements, one row each, every
// cell editable in place. Reads and writes no file: the window fills it and
// saves its list.
class MovimentiModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Colonna {
        ColData,
        ColTipo,
        ColImporto,
        ColCategoria,
        ColAVS,
        ColAD,
        ColCAF,
        ColLAINF,
        ColLPP,
        ColIF,
        ColDescrizione,
        NumeroColonne
    };

    explicit MovimentiModel(QObject* parent = nullptr);
    ~MovimentiModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // An edit of "Tipo" applies the presets of the new kind to the row's
    // category and flags; an amount is taken as a number or as a typed Swiss
    // amount ("1'250.50", "12,50"): any other text is refused (false).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setLista(const QList<MovimentoStipendio>& lista);
    // Appends a bonus dated today.
    void aggiungiRiga();
    void eliminaRiga(int row);
    const QList<MovimentoStipendio>& lista() const { return movimenti; }

private:
    QList<MovimentoStipendio> movimenti;
};
