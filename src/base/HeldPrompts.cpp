#include "base/HeldPrompts.h"

#include <QDir>

#include <algorithm>

namespace tagler {

void HeldPrompts::warning(const std::string& text)
{
    if (!held_) {
        inner_.warning(text);
        return;
    }
    if (std::find(gathered_.begin(), gathered_.end(), text) == gathered_.end())
        gathered_.push_back(text);
}

void HeldPrompts::release(const std::string& folder)
{
    held_ = false;
    if (gathered_.empty())
        return;
    std::string text;
    for (const std::string& w : gathered_)
        text += w + "\r\n";
    text += "フォルダー: " + QDir::toNativeSeparators(QString::fromStdString(folder)).toStdString();
    gathered_.clear();
    inner_.warning(text);
}

} // namespace tagler
