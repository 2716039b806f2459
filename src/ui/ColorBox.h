#pragma once
#include "ui/IconSizedCombo.h"

#include <QPointer>
#include <QRect>
#include <cstdint>
#include <optional>

namespace tagler {

// A colour drop-down with a custom entry first, then the standard and the
// extended colours (the order the data files' indexes rely on).
class ColorBox final : public IconSizedCombo {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    void setChoice(std::int32_t customColour, int index);
    std::int32_t customColour() const { return custom_; }

    // A narrow box may open wider; it returns to its own place when it closes.
    void setOpenGeometry(const QRect& open) { openGeometry_ = open; }

    void showPopup() override;
    void hidePopup() override;

private:
    void paintCustomSwatch();

    std::int32_t custom_ = 0;
    std::optional<QRect> openGeometry_;
    QRect closedGeometry_;
    QPointer<QWidget> above_; // the sibling it was under before it was raised to open
};

} // namespace tagler
