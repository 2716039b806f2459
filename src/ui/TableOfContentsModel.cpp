#include "ui/TableOfContentsModel.h"

#include "base/CodePage.h"
#include "base/TextGate.h"
#include "store/TextBookStore.h"

namespace tagler {

TableOfContentsModel::TableOfContentsModel(TextBookStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store)
{}

int TableOfContentsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kPageCount; }

int TableOfContentsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant TableOfContentsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    // The editor starts from the title itself: a label shown in its place is no text to keep.
    if (role == Qt::EditRole)
        return fromCp932(store_.titles()[static_cast<std::size_t>(index.row())]);
    return fromCp932(store_.shownTitle(index.row()));
}

bool TableOfContentsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !checkIndex(index) || role != Qt::EditRole)
        return false;
    // One line per title: a break would shift every later page's title.
    QString title = value.toString();
    title.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    GatedText gated = passTextGate(title);
    if (gated.refused) {
        Q_EMIT refused(refusalMessage(*gated.refused));
        return false;
    }
    store_.setTitle(index.row(), std::move(gated.bytes));
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TableOfContentsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void TableOfContentsModel::refresh() { Q_EMIT dataChanged(index(0, 0), index(kPageCount - 1, 0)); }

} // namespace tagler
