#include "store/TextBookStore.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/ShownFailure.h"
#include "store/TextBookFolder.h"
#include "store/TextBookMessages.h"

namespace tagler {

namespace {

constexpr const char* kTableOfContentsFileName = "PJDATA.tx";

bool inputIsEmpty(const Lines& input) { return input.empty() || (input.size() == 1 && input.front().empty()); }

// A short table is padded with empty titles when read, so any file will do.
bool anyTable(const Lines&) { return true; }
bool wholePage(const Lines& lines) { return lines.size() == kPageLineCount; }

// The text book's files show their own message for a failed read or write.
FailureMessage ioMessage(const char* text)
{
    return [text](ErrorKind kind) -> std::optional<std::string> {
        if (kind != ErrorKind::InputOutput)
            return std::nullopt;
        return std::string(text);
    };
}

} // namespace

TextBookStore::TextBookStore(std::string startFolder, Prompts& prompts)
    : startFolder_(std::move(startFolder)), prompts_(prompts),
      table_(startFolder_ + "/" + kTableOfContentsFileName, anyTable, prompts, startFolder_),
      page_(startFolder_ + "/" + pageFileName(1), wholePage, prompts, startFolder_)
{}

std::string TextBookStore::folderPath() const
{
    // Only folders that resolved are ever kept, so this cannot leave the start folder.
    return resolveTextBookFolder(startFolder_, textBookFolder_).value_or(startFolder_);
}

std::string TextBookStore::pagePath(int page) const { return folderPath() + "/" + pageFileName(page); }
std::string TextBookStore::tablePath() const { return folderPath() + "/" + kTableOfContentsFileName; }

void TextBookStore::startUp(const std::string& textBookFolder, int page)
{
    textBookFolder_ = textBookFolder;
    currentPage_ = page >= 1 && page <= kPageCount ? page : 1;
    const auto folder = resolveTextBookFolder(startFolder_, textBookFolder_);
    if (!folder || !folderExists(*folder)) {
        prompts_.warning(textbook::kFolderMissing);
        textBookFolder_.clear();
        currentPage_ = 1;
    }
    readTableOfContents();
    loadPage(true);
    started_ = true;
}

std::string TextBookStore::shownTitle(int index) const
{
    const auto i = static_cast<std::size_t>(index);
    return labels_[i] ? sjis(labels_[i]) : titles_[i];
}

void TextBookStore::setTitle(int index, std::string title)
{
    if (index < 0 || index >= kPageCount)
        return;
    titles_[static_cast<std::size_t>(index)] = std::move(title);
    labels_[static_cast<std::size_t>(index)] = nullptr;
}

void TextBookStore::readTableOfContents()
{
    DataFile table(tablePath(), anyTable, prompts_, startFolder_);
    FileState state = FileState::missing;
    if (!showingFailure(prompts_, ioMessage(textbook::kTocIoError), [&] { state = table.load(Lines(kPageCount)); })) {
        // The titles stay; they go to this folder's file at the next write.
        table.lines() = table_.lines();
        table_ = std::move(table);
        return;
    }
    table_ = std::move(table);
    takeTitlesFromTable();
    labels_ = {};
    if (state == FileState::missing)
        labels_[0] = textbook::kNoTableOfContents;
}

bool TextBookStore::writeTableOfContents()
{
    // Another window's table kept instead of this one's shows from now on.
    Lines lines = table_.lines();
    if (lines.size() < static_cast<std::size_t>(kPageCount))
        lines.resize(kPageCount);
    for (std::size_t i = 0; i < titles_.size(); ++i)
        lines[i] = titles_[i];
    bool written = true;
    if (!showingFailure(prompts_, ioMessage(textbook::kTocIoError),
                        [&] { written = table_.replaceLines(std::move(lines)); }))
        return false;
    if (!written)
        takeTitlesFromTable();
    return true;
}

void TextBookStore::takeTitlesFromTable()
{
    // Lines past the 20th stay as read.
    if (table_.lines().size() < static_cast<std::size_t>(kPageCount))
        table_.lines().resize(kPageCount);
    for (std::size_t i = 0; i < titles_.size(); ++i)
        titles_[i] = table_.lines()[i];
}

void TextBookStore::clearPage()
{
    page_ = DataFile(pagePath(currentPage_), wholePage, prompts_, startFolder_);
    summaries_ = {};
    held_ = false;
    invalid_ = false;
    modified_ = false;
}

void TextBookStore::fillSummaries()
{
    for (int block = 0; block < kBlocksPerPage; ++block)
        summaries_[static_cast<std::size_t>(block)] = summaryOfReadBlock(blockLinesOf(page_.lines(), block));
}

void TextBookStore::createPage()
{
    page_.lines() = Lines(kPageLineCount);
    summaries_ = {};
    held_ = true;
    titles_[static_cast<std::size_t>(currentPage_ - 1)].clear();
    labels_[static_cast<std::size_t>(currentPage_ - 1)] = nullptr;
}

void TextBookStore::loadPage(bool bareNameInQuestion)
{
    clearPage();
    FileState state = FileState::missing;
    if (!showingFailure(prompts_, ioMessage(textbook::kPageIoError), [&] { state = page_.load({}); })) {
        invalid_ = true;
        return;
    }
    if (state == FileState::missing) {
        const std::string shown = bareNameInQuestion ? pageFileName(currentPage_) : page_.path();
        if (pageEmptied_)
            pageEmptied_();
        if (prompts_.question(textbook::pageMissing(shown))) {
            createPage();
            writePage();
        }
        return;
    }
    if (state == FileState::refused) {
        invalid_ = true;
        prompts_.warning(textbook::pageInvalid(currentPage_));
        return;
    }
    held_ = true;
    fillSummaries();
}

bool TextBookStore::writePage()
{
    bool written = true;
    if (!showingFailure(prompts_, ioMessage(textbook::kPageIoError), [&] { written = page_.save(); }))
        return false;
    modified_ = false;
    if (!written) {
        // Another window's page was kept: it is what the grid shows now.
        held_ = page_.accepted();
        invalid_ = !held_;
        summaries_ = {};
        if (held_)
            fillSummaries();
    }
    return true;
}

BlockLines TextBookStore::blockLines(int block) const
{
    return held_ ? blockLinesOf(page_.lines(), block) : BlockLines{};
}

void TextBookStore::switchPage(int page)
{
    if (page == currentPage_ || page < 1 || page > kPageCount)
        return;
    // Edits that cannot be written keep the page open, so they are not lost.
    if (held_ && modified_ && !writePage())
        return;
    currentPage_ = page;
    loadPage(false);
}

void TextBookStore::registerBlock(int block, const Lines& input)
{
    if (block < 0 || block >= kBlocksPerPage)
        return;
    if (invalid_) {
        // The refused file stays as the user left it.
        prompts_.warning(textbook::pageInvalid(currentPage_));
        return;
    }
    if (!held_)
        createPage();
    if (inputIsEmpty(input))
        return;
    const std::size_t count = std::min<std::size_t>(input.size(), kLinesPerBlock);
    summaries_[static_cast<std::size_t>(block)] = summaryOfInput(input);
    const std::size_t base = static_cast<std::size_t>(block) * kLinesPerBlock;
    for (std::size_t i = 0; i < kLinesPerBlock; ++i)
        page_.lines()[base + i] = i < count ? input[i] : std::string();
    writePage();
}

void TextBookStore::deleteBlock(int block)
{
    if (block < 0 || block >= kBlocksPerPage)
        return;
    if (!held_) {
        if (invalid_)
            prompts_.warning(textbook::pageInvalid(currentPage_));
        return;
    }
    summaries_[static_cast<std::size_t>(block)].clear();
    const std::size_t base = static_cast<std::size_t>(block) * kLinesPerBlock;
    for (std::size_t i = 0; i < kLinesPerBlock; ++i)
        page_.lines()[base + i].clear();
    writePage();
}

void TextBookStore::editBlock(int block, std::string_view cellText)
{
    if (!held_ || block < 0 || block >= kBlocksPerPage)
        return;
    const BlockLines pieces = splitEditedCell(cellText);
    const std::size_t base = static_cast<std::size_t>(block) * kLinesPerBlock;
    for (std::size_t i = 0; i < kLinesPerBlock; ++i) {
        std::string& line = page_.lines()[base + i];
        if (line != pieces[i]) {
            line = pieces[i];
            modified_ = true;
        }
    }
    summaries_[static_cast<std::size_t>(block)] = summaryOfEditedBlock(blockLinesOf(page_.lines(), block));
}

void TextBookStore::chooseFolder()
{
    writeTableOfContents();
    if (held_ && modified_ && !writePage())
        return;
    if (const auto chosen = prompts_.chooseFolder(startFolder_)) {
        // A choice outside the start folder is refused, and nothing changes.
        if (const auto stored = storedTextBookFolder(startFolder_, *chosen)) {
            textBookFolder_ = *stored;
            currentPage_ = 1;
            loadPage(true);
        } else {
            prompts_.warning(textbook::kFolderOutside);
        }
    }
    readTableOfContents();
    for (int page = 1; page <= kPageCount; ++page)
        if (!fileExists(pagePath(page)))
            labels_[static_cast<std::size_t>(page - 1)] = textbook::kNoPageLabel;
}

bool TextBookStore::saveCurrentPage() { return !held_ || writePage(); }

} // namespace tagler
