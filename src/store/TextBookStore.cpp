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
    : startFolder_(std::move(startFolder)), prompts_(prompts)
{}

std::string TextBookStore::folderPath() const
{
    // Only folders that resolved are ever kept, so this cannot leave the start folder.
    return resolveTextBookFolder(startFolder_, textBookFolder_).value_or(startFolder_);
}

std::string TextBookStore::pagePath(int page) const { return folderPath() + "/" + pageFileName(page); }

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

void TextBookStore::setTitle(int index, std::string title)
{
    if (index >= 0 && index < kPageCount)
        titles_[static_cast<std::size_t>(index)] = std::move(title);
}

void TextBookStore::readTableOfContents()
{
    const std::string path = folderPath() + "/" + kTableOfContentsFileName;
    if (!fileExists(path)) {
        tableLines_ = Lines(kPageCount);
        titles_ = {};
        titles_[0] = sjis(textbook::kNoTableOfContents);
        return;
    }
    showingFailure(prompts_, ioMessage(textbook::kTocIoError), [&] {
        Lines lines = readLines(path);
        // A short table is padded with empty titles; lines past the 20th stay as read.
        if (lines.size() < static_cast<std::size_t>(kPageCount))
            lines.resize(kPageCount);
        tableLines_ = std::move(lines);
        for (std::size_t i = 0; i < titles_.size(); ++i)
            titles_[i] = tableLines_[i];
    });
}

bool TextBookStore::writeTableOfContents()
{
    Lines lines = tableLines_;
    if (lines.size() < static_cast<std::size_t>(kPageCount))
        lines.resize(kPageCount);
    for (std::size_t i = 0; i < titles_.size(); ++i)
        lines[i] = titles_[i];
    if (!showingFailure(prompts_, ioMessage(textbook::kTocIoError),
                        [&] { writeLines(folderPath() + "/" + kTableOfContentsFileName, lines); }))
        return false;
    tableLines_ = std::move(lines);
    return true;
}

void TextBookStore::clearPage()
{
    page_.clear();
    summaries_ = {};
    held_ = false;
    invalid_ = false;
    modified_ = false;
}

void TextBookStore::fillSummaries()
{
    for (int block = 0; block < kBlocksPerPage; ++block)
        summaries_[static_cast<std::size_t>(block)] = summaryOfReadBlock(blockLinesOf(page_, block));
}

void TextBookStore::createPage()
{
    page_ = Lines(kPageLineCount);
    summaries_ = {};
    held_ = true;
    titles_[static_cast<std::size_t>(currentPage_ - 1)].clear();
}

void TextBookStore::loadPage(bool bareNameInQuestion)
{
    clearPage();
    const std::string path = pagePath(currentPage_);
    if (!fileExists(path)) {
        const std::string shown = bareNameInQuestion ? pageFileName(currentPage_) : path;
        if (pageEmptied_)
            pageEmptied_();
        if (prompts_.question(textbook::pageMissing(shown))) {
            createPage();
            writePage();
        }
        return;
    }
    Lines lines;
    if (!showingFailure(prompts_, ioMessage(textbook::kPageIoError), [&] { lines = readLines(path); })) {
        invalid_ = true;
        return;
    }
    if (lines.size() != kPageLineCount) {
        invalid_ = true;
        prompts_.warning(textbook::pageInvalid(currentPage_));
        return;
    }
    page_ = std::move(lines);
    held_ = true;
    fillSummaries();
}

bool TextBookStore::writePage()
{
    if (!showingFailure(prompts_, ioMessage(textbook::kPageIoError),
                        [&] { writeLines(pagePath(currentPage_), page_); }))
        return false;
    modified_ = false;
    return true;
}

BlockLines TextBookStore::blockLines(int block) const { return held_ ? blockLinesOf(page_, block) : BlockLines{}; }

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
        page_[base + i] = i < count ? input[i] : std::string();
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
        page_[base + i].clear();
    writePage();
}

void TextBookStore::editBlock(int block, std::string_view cellText)
{
    if (!held_ || block < 0 || block >= kBlocksPerPage)
        return;
    const BlockLines pieces = splitEditedCell(cellText);
    const std::size_t base = static_cast<std::size_t>(block) * kLinesPerBlock;
    for (std::size_t i = 0; i < kLinesPerBlock; ++i) {
        if (page_[base + i] != pieces[i]) {
            page_[base + i] = pieces[i];
            modified_ = true;
        }
    }
    summaries_[static_cast<std::size_t>(block)] = summaryOfEditedBlock(blockLinesOf(page_, block));
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
            titles_[static_cast<std::size_t>(page - 1)] = sjis(textbook::kNoPageLabel);
}

bool TextBookStore::saveCurrentPage() { return !held_ || writePage(); }

} // namespace tagler
