#include "ui/TextBookModel.h"

#include "base/CodePage.h"
#include "base/TextGate.h"
#include "store/TextBookStore.h"

namespace tagler {

namespace {

// The editor's text back to CP932. A line the user left as shown keeps its
// stored bytes, so bytes the code page cannot show survive an edit nearby.
GatedText cellBytes(const QString& text, const BlockLines& stored)
{
    const QStringList pieces = text.split(QLatin1Char('\n'));
    GatedText cell;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            cell.bytes += "\r\n";
        if (i < kLinesPerBlock && fromCp932(stored[static_cast<std::size_t>(i)]) == pieces[i]) {
            cell.bytes += stored[static_cast<std::size_t>(i)];
            continue;
        }
        GatedText line = passTextGate(pieces[i]);
        if (line.refused)
            return line;
        cell.bytes += line.bytes;
    }
    return cell;
}

} // namespace

TextBookModel::TextBookModel(TextBookStore& store, QObject* parent) : QAbstractTableModel(parent), store_(store) {}

int TextBookModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kRowsPerColumn; }

int TextBookModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant TextBookModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int block = blockNumber(index.column(), index.row());
    if (index.row() != selectedRow_)
        return fromCp932(store_.summary(block));
    QStringList lines;
    for (const std::string& line : store_.blockLines(block))
        lines << fromCp932(line);
    return lines.join(QLatin1Char('\n'));
}

bool TextBookModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || !checkIndex(index) || role != Qt::EditRole || index.row() != selectedRow_)
        return false;
    const int block = blockNumber(index.column(), index.row());
    const BlockLines stored = store_.blockLines(block);
    const GatedText cell = cellBytes(value.toString(), stored);
    if (cell.refused) {
        Q_EMIT refused(refusalMessage(*cell.refused));
        return false;
    }
    // Closing the editor hands back what it holds; an unchanged cell is no edit.
    if (splitEditedCell(cell.bytes) == stored)
        return true;
    store_.editBlock(block, cell.bytes);
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags TextBookModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.row() == selectedRow_ ? flags | Qt::ItemIsEditable : flags;
}

void TextBookModel::setSelectedRow(int row)
{
    if (row == selectedRow_ || row < 0 || row >= kRowsPerColumn)
        return;
    const int old = selectedRow_;
    selectedRow_ = row;
    Q_EMIT dataChanged(index(old, 0), index(old, 1));
    Q_EMIT dataChanged(index(row, 0), index(row, 1));
}

void TextBookModel::refresh() { Q_EMIT dataChanged(index(0, 0), index(kRowsPerColumn - 1, 1)); }

} // namespace tagler
