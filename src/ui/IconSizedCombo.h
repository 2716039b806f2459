#pragma once
#include <QComboBox>
#include <QSize>

namespace tagler {

// A drop-down whose icons have their own size. QComboBox::setIconSize builds
// the list at once, for every such box at start; this one draws the closed box
// at its size and gives the list the size when it first opens.
class IconSizedCombo : public QComboBox {
    Q_OBJECT
public:
    IconSizedCombo(QSize iconSize, QWidget* parent);

    QSize itemIconSize() const { return iconSize_; }
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize iconSize_;
};

} // namespace tagler
