#pragma once
#include <QAbstractTableModel>

namespace tagler {

class TextBookStore;

// The current page as the text-book grid shows it: 18 rows of two blocks,
// the selected row expanded to its five lines, the others as summaries.
// Only the expanded row is edited; every edit goes to the store at once.
class TextBookModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextBookModel(TextBookStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int selectedRow() const { return selectedRow_; }
    void setSelectedRow(int row);
    // The store read or changed the page.
    void refresh();

Q_SIGNALS:
    // An edit held a character the text gate refuses and was not stored.
    void refused(const QString& message);

private:
    TextBookStore& store_;
    int selectedRow_ = 0;
};

} // namespace tagler
