#include "store/MemoStore.h"

#include "base/CodePage.h"
#include "settings/StoredValues.h"

#include <utility>

namespace tagler {

namespace {

constexpr std::size_t kShowLine = kSlotCount;
constexpr std::size_t kHoverLine = kSlotCount + 1;
constexpr std::size_t kLineCount = kSlotCount + 2;

// An older file ends before the hover check box's line.
bool memosAccepted(const Lines& lines) { return lines.size() == kLineCount - 1 || lines.size() == kLineCount; }

} // namespace

MemoStore::MemoStore(const std::string& folder, Prompts& prompts)
    : file_(folder + "/SENTAKUMEMO.TX", memosAccepted, prompts)
{}

void MemoStore::take(const Lines& lines, bool hoverWhenMissing)
{
    for (std::size_t i = 0; i < memos_.texts.size(); ++i)
        memos_.texts[i] = lines[i];
    memos_.showMemos = storedFlag(lines[kShowLine]);
    memos_.hoverPreview = lines.size() > kHoverLine ? storedFlag(lines[kHoverLine]) : hoverWhenMissing;
}

namespace {

Lines defaultMemoLines()
{
    Lines lines(kSlotCount, sjis("保存右クリックで登録"));
    lines.push_back("1");
    return lines;
}

} // namespace

FileState MemoStore::loadAtStart()
{
    const FileState state = file_.load(defaultMemoLines());
    if (state != FileState::refused)
        take(file_.lines(), true);
    return state;
}

void MemoStore::writeDefault()
{
    file_.lines() = defaultMemoLines();
    if (!file_.save() && file_.accepted())
        take(file_.lines(), true);
}

bool MemoStore::reload()
{
    if (!fileExists(file_.path()))
        return false;
    file_.load({});
    Lines lines = file_.lines();
    while (lines.size() < kLineCount)
        lines.push_back("1");
    take(lines, true);
    return true;
}

void MemoStore::save(const SlotMemos& memos)
{
    Lines lines;
    for (const std::string& text : memos.texts)
        lines.push_back(singleLine(text, "memo"));
    lines.push_back(flagLine(memos.showMemos));
    lines.push_back(flagLine(memos.hoverPreview));
    if (file_.replaceLines(std::move(lines)))
        memos_ = memos;
    else if (file_.accepted())
        take(file_.lines(), true);
}

} // namespace tagler
