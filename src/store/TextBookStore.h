#pragma once
#include "base/Prompts.h"
#include "store/DataFile.h"
#include "store/TextBookPage.h"

#include <array>
#include <functional>
#include <string>

namespace tagler {

// Owns the text book: the folder below the start folder, its table of
// contents "PJDATA.tx" and the page "PMDATA<n>.tx" the grid shows. Every
// operation shows its own messages and returns normally.
//
// The page file of the current page is written only while the store holds
// that page's own lines (read whole, or created); after an invalid file or
// a No to a missing one it holds nothing and writes nothing.
class TextBookStore final {
public:
    TextBookStore(std::string startFolder, Prompts& prompts);
    TextBookStore(const TextBookStore&) = delete;
    TextBookStore& operator=(const TextBookStore&) = delete;

    // Start-up: the remembered folder and page (a missing or unsafe folder
    // falls back to the start folder, page 1), the table of contents, the page.
    void startUp(const std::string& textBookFolder, int page);
    bool started() const { return started_; }

    const std::string& startFolder() const { return startFolder_; }
    const std::string& textBookFolder() const { return textBookFolder_; } // CP932, "\sub" or ""
    int currentPage() const { return currentPage_; }
    std::string pagePath(int page) const;

    // Table of contents: titles 1..20 as they are written back. A row without
    // a title of its own may show a label instead ("no table", "no page"),
    // which is never written: an empty title stays empty.
    const std::array<std::string, kPageCount>& titles() const { return titles_; }
    std::string shownTitle(int index) const;
    void setTitle(int index, std::string title);
    void readTableOfContents();
    bool writeTableOfContents();

    // Whether the grid shows a page; false after an invalid file or a No.
    bool pageHeld() const { return held_; }
    const std::string& summary(int block) const { return summaries_[static_cast<std::size_t>(block)]; }
    BlockLines blockLines(int block) const;
    bool pageModified() const { return modified_; }

    void switchPage(int page);
    // 「登録」 with the input box lines (at most five, each at most 70 bytes).
    void registerBlock(int block, const Lines& input);
    void deleteBlock(int block);
    // Every change of the in-place editor: the whole cell text, CP932.
    void editBlock(int block, std::string_view cellText);
    // 「文字帳切替」; marks pages without a file in the titles.
    void chooseFolder();
    // Completion and close.
    bool saveCurrentPage();

    // Called when the page has been emptied and a question about the next one
    // is about to be asked, so the grid can show the empty page meanwhile.
    void setPageEmptied(std::function<void()> emptied) { pageEmptied_ = std::move(emptied); }

private:
    void loadPage(bool bareNameInQuestion);
    void takeTitlesFromTable();
    void createPage();
    void clearPage();
    bool writePage();
    void fillSummaries();
    std::string folderPath() const;
    std::string tablePath() const;

    std::string startFolder_;
    Prompts& prompts_;
    std::string textBookFolder_;
    int currentPage_ = 1;
    std::array<std::string, kPageCount> titles_{};
    std::array<const char*, kPageCount> labels_{}; // shown instead of the title; null for none
    DataFile table_;                               // as read; lines after the 20th go back unchanged
    DataFile page_;                                // the current page's file; its lines count only while held
    std::array<std::string, kBlocksPerPage> summaries_{};
    bool held_ = false;
    bool invalid_ = false; // the current page's file is there but refused
    bool modified_ = false;
    bool started_ = false;
    std::function<void()> pageEmptied_;
};

} // namespace tagler
