#pragma once
#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace tagler {

// The font and colour dialogs, behind a seam so tests can answer them.
class Choosers {
public:
    virtual ~Choosers() = default;
    // A family name, or nothing when the user cancels.
    virtual std::optional<QString> chooseFont(const QString& initialFamily) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
};

class QtChoosers final : public Choosers {
public:
    explicit QtChoosers(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<QString> chooseFont(const QString& initialFamily) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;

private:
    QWidget* parent_;
};

} // namespace tagler
