#pragma once
#include "app/ImeControl.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace tagler {

// Records what the window asked for (the tests read it) and hands it to the
// platform's input method where a program may set it (Windows).
class QtImeControl final : public ImeControl {
public:
    void setMode(ImeMode mode) override;
    // The window the modes are for; a mode asked before it was attached is applied then.
    void attach(QWidget* window);

    const std::vector<ImeMode>& requested() const { return requested_; }
    ImeMode current() const { return requested_.empty() ? ImeMode::dontCare : requested_.back(); }

private:
    void apply() const;

    std::vector<ImeMode> requested_;
    QPointer<QWidget> window_;
};

} // namespace tagler
