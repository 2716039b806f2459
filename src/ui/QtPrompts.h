#pragma once
#include "base/Prompts.h"

#include <QPointer>
#include <QWidget>

namespace tagler {

// The program's boxes as modal message boxes over the window.
class QtPrompts final : public Prompts {
public:
    // Start-up speaks before the window exists; the boxes get it as parent once it does.
    void setParent(QWidget* parent) { parent_ = parent; }

    void information(const std::string& text) override;
    void warning(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::string> chooseFolder(const std::string& root) override;

private:
    QPointer<QWidget> parent_;
};

// "\r\n" inside a message is a line break.
QString messageBoxText(const std::string& text);

} // namespace tagler
