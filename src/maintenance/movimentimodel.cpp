#include "movimentimodel.h"

#include "decimali.h"
#include "filesicuri.h"
#include "inputsvizzero.h"
#include "orologio.h"

namespace {

bool* flag(MovimentoStipendio& m, int colonna)
{
    switch (colonna) {
    case MovimentiModel::ColAVS: return &m.soggettoAVS;
    case MovimentiModel::ColAD: return &m.soggettoAD;
    case MovimentiModel::ColCAF: return &m.soggettoCAF;
    case MovimentiModel::ColLAINF: return &m.soggettoLAINF;
    case MovimentiModel::ColLPP: return &m.soggettoLPP;
    case MovimentiModel::ColIF: return &m.soggettoIF;
    default: return nullptr;
    }
}

bool numerico(const QVariant& v)
{
    switch (v.userType()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

MovimentiModel::MovimentiModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

MovimentiModel::~MovimentiModel() = default;

int MovimentiModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : movimenti.size();
}

int MovimentiModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(NumeroColonne);
}

QVariant MovimentiModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= movimenti.size())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == ColImporto ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    MovimentoStipendio m = movimenti.at(index.row());
    // The flags show as check marks, never as "true" or "1".
    if (bool* f = flag(m, index.column())) {
        if (role == Qt::CheckStateRole)
            return *f ? Qt::Checked : Qt::Unchecked;
        return role == Qt::EditRole ? QVariant(*f) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();

    switch (index.column()) {
    case ColData: return m.data;
    case ColTipo: return m.tipo;
    case ColImporto: return Decimali::testo(m.importo);
    case ColCategoria: return m.categoriaCertificato;
    case ColDescrizione: return m.descrizione;
    default:
        if (bool* f = flag(m, index.column()))
            return *f;
        return QVariant();
    }
}

bool MovimentiModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= movimenti.size() || index.column() >= NumeroColonne)
        return false;
    MovimentoStipendio& m = movimenti[index.row()];
    if (role == Qt::CheckStateRole) {
        bool* f = flag(m, index.column());
        if (!f)
            return false;
        *f = value.toInt() == Qt::Checked;
        emit dataChanged(index, index);
        return true;
    }
    if (role != Qt::EditRole)
        return false;

    bool rigaIntera = false;
    switch (index.column()) {
    case ColData:
        m.data = value.toString();
        break;
    case ColTipo:
        m.tipo = value.toString();
        Movimenti::applicaPreset(m);
        rigaIntera = true;
        break;
    case ColImporto: {
        // A text that is no amount is refused, never stored as 0.
        // Nor is a number beyond the widest amount the movements file holds.
        double importo = 0.0;
        if (numerico(value))
            importo = Decimali::arrotonda(value.toDouble(), 100.0);
        else if (!InputSvizzero::leggiImporto(value.toString(), &importo))
            return false;
        if (!std::isfinite(importo) || std::fabs(importo) > FileSicuri::kImportoMassimo)
            return false;
        m.importo = importo;
        break;
    }
    case ColCategoria: {
        bool ok = false;
        const int categoria = value.toInt(&ok);
        m.categoriaCertificato = ok ? categoria : 0;
        break;
    }
    case ColDescrizione:
        m.descrizione = value.toString();
        break;
    default:
        *flag(m, index.column()) = value.toBool();
        break;
    }

    // A new kind may have rewritten the category and the flags: the whole row
    // is announced, not only the edited cell.
    if (rigaIntera)
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), NumeroColonne - 1));
    else
        emit dataChanged(index, index);
    return true;
}

QVariant MovimentiModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char* const intestazioni[] = {QT_TR_NOOP("Data"), QT_TR_NOOP("Tipo"),  QT_TR_NOOP("Importo"),
                                                QT_TR_NOOP("Cat."), QT_TR_NOOP("AVS"),   QT_TR_NOOP("AD"),
                                                QT_TR_NOOP("CAF"),  QT_TR_NOOP("LAINF"), QT_TR_NOOP("LPP"),
                                                QT_TR_NOOP("IF"),   QT_TR_NOOP("Descrizione")};
    if (section < 0 || section >= NumeroColonne)
        return QVariant();
    return tr(intestazioni[section]);
}

Qt::ItemFlags MovimentiModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    MovimentoStipendio m;
    if (flag(m, index.column()))
        return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

void MovimentiModel::setLista(const QList<MovimentoStipendio>& lista)
{
    beginResetModel();
    movimenti = lista;
    endResetModel();
}

void MovimentiModel::aggiungiRiga()
{
    MovimentoStipendio m;
    m.data = Orologio::oggi().toString(QStringLiteral("yyyy-MM-dd"));
    // In the user's language; every language's word gets the bonus preset.
    m.tipo = tr("Gratifica");
    Movimenti::applicaPreset(m);
    const int n = movimenti.size();
    beginInsertRows(QModelIndex(), n, n);
    movimenti.append(m);
    endInsertRows();
}

void MovimentiModel::eliminaRiga(int row)
{
    if (row < 0 || row >= movimenti.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    movimenti.removeAt(row);
    endRemoveRows();
}
