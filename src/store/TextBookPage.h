#pragma once
#include "base/LineFile.h"

#include <array>
#include <string>
#include <string_view>

// The layout of one text-book page: 36 blocks of five lines, left column
// blocks 0..17, right column 18..35. Lines are CP932 bytes.
namespace tagler {

inline constexpr int kBlocksPerPage = 36;
inline constexpr int kRowsPerColumn = 18;
inline constexpr int kLinesPerBlock = 5;
inline constexpr std::size_t kPageLineCount = kBlocksPerPage * kLinesPerBlock;
inline constexpr int kPageCount = 20;
inline constexpr std::size_t kSummaryBytes = 43;
inline constexpr std::size_t kEditedCellBytes = 349;

using BlockLines = std::array<std::string, kLinesPerBlock>;

inline int blockNumber(int column, int row) { return column * kRowsPerColumn + row; }
std::string pageFileName(int page);

BlockLines blockLinesOf(const Lines& page, int block);

// The one-line text of a block that is not expanded, by how it came to be.
std::string summaryOfReadBlock(const BlockLines& lines);
std::string summaryOfInput(const Lines& input);
std::string summaryOfEditedBlock(const BlockLines& lines);

// The in-place editor's cell text cut into the block's five lines at CR LF;
// nothing past byte 349 and nothing after the fifth piece.
BlockLines splitEditedCell(std::string_view cellText);

} // namespace tagler
