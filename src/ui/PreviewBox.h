#pragma once
#include "render/PreviewPainter.h"

#include <QWidget>
#include <functional>
#include <optional>

namespace tagler {

// A paint box for the settings picture; the inputs are asked for on every
// paint, and none means an empty picture.
class PreviewBox final : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<std::optional<PreviewInputs>()>;

    explicit PreviewBox(QWidget* parent = nullptr) : QWidget(parent) {}
    void setSource(Source source) { source_ = std::move(source); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Source source_;
};

} // namespace tagler
