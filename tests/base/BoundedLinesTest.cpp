#include "base/BoundedLines.h"

#include "support/Folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(BoundedLines, CutsLongLinesAndLongFilesAndSaysSo)
{
    const ReadBound small{4, 3, 10};
    const struct {
        const char* what;
        std::string bytes;
        Lines lines;
        bool cut;
    } cases[] = {
        {"within both bounds", "abc\r\ndef", {"abc", "def"}, false},
        {"a line at its bound", "abcd\nx", {"abcd", "x"}, false},
        {"a line past it", "abcdef\r\nx", {"abcd", "x"}, true},
        {"never in half a character", "abc\x95\x5C\r\n", {"abc"}, true},
        {"a file at its bound", "0123\r\n5678", {"0123", "5678"}, false},
        {"a file past it", "0123\r\n5678\r\nabcd", {"0123", "5678"}, true},
        {"cut inside a line", "0123\r\n56789abc", {"0123", "5678"}, true},
        {"the file cut in half a character", "0123\r\n567\x95\x5C", {"0123", "567"}, true},
        {"the file cut after a whole one", "0123\r\n5\x95\x5Cxy", {"0123", "5\x95\x5Cx"}, true},
        {"lines at their bound", "a\nb\nc\n", {"a", "b", "c"}, false},
        {"lines past it", "a\nb\nc\nd", {"a", "b", "c"}, true},
        {"empty lines count too", "\r\n\n\r\r\n", {"", "", ""}, true},
    };
    const test::Folder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile file(QString::fromStdString(folder.file("f.tx")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
        file.close();
        const BoundedLines read = readBoundedLines(folder.file("f.tx"), small);
        EXPECT_EQ(read.lines, c.lines);
        EXPECT_EQ(read.cut, c.cut);
    }
}

} // namespace
} // namespace tagler
