#pragma once
#include <QAbstractTableModel>

namespace tagler {

class TextBookStore;

// The 20 page titles, edited in place; the store writes them back.
class TableOfContentsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableOfContentsModel(TextBookStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void refresh();

Q_SIGNALS:
    // An edit held a character the text gate refuses and was not stored.
    void refused(const QString& message);

private:
    TextBookStore& store_;
};

} // namespace tagler
