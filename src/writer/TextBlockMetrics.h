#pragma once

namespace tagler {

// The measured annotation text and its frame box; sizes in mm at 1/1 unless
// noted, frameWidth/frameHeight in drawing units.
struct TextBlockMetrics {
    double halfCharWidth = 0;
    double charHeight = 0;
    double charSpacing = 0;
    float lineSpacing = 0;
    int lineCount = 0;
    int memoLineCount = 0;
    int maxLineBytes = 1;
    int effectiveSlide = 0;
    int widestMark = 0;
    float textWidth = 0;
    double textHeight = 0;
    double gapH = 0;
    double gapV = 0;
    float frameWidth = 0;
    float frameHeight = 0;

    int writtenLines() const { return lineCount - memoLineCount; }
};

} // namespace tagler
