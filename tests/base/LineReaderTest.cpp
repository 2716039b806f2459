#include "base/LineReader.h"

#include "base/Error.h"
#include "support/Folder.h"

#include <QFile>
#include <gtest/gtest.h>

// Reading a line at a time gives the lines reading the whole file gives, wherever the
// chunks happen to end (a CR LF split between two of them included).
namespace tagler {
namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TEST(LineReader, GivesTheLinesOfTheWholeFileWhateverTheChunks)
{
    const std::string contents[] = {
        "",
        "hq",
        "hq\r\n",
        "a\r\nb\nc\rd",
        "\r\r\n\n\r",
        "x\r\n\r\n",
        "long line without an end " + std::string(300, 'z'),
        "\n\n\nlast\r",
    };
    const test::Folder folder;
    for (const std::string& content : contents) {
        writeBytes(folder.file("f"), content);
        for (std::size_t chunk : {1, 2, 3, 7, 65536}) {
            SCOPED_TRACE(testing::Message() << '"' << content << "\" in chunks of " << chunk);
            LineReader reader(folder.file("f"), chunk);
            Lines read;
            for (std::string line; reader.next(line);)
                read.push_back(line);
            EXPECT_EQ(read, splitLines(content));
        }
    }
}

TEST(LineReader, LeadingLinesStopAtTheCountAndAMissingFileIsAnIoError)
{
    const test::Folder folder;
    writeBytes(folder.file("f"), "0\r\n1\r\n2\r\n3");
    EXPECT_EQ(readLeadingLines(folder.file("f"), 2), (Lines{"0", "1"}));
    EXPECT_EQ(readLeadingLines(folder.file("f"), 9), (Lines{"0", "1", "2", "3"}));
    try {
        readLeadingLines(folder.file("missing"), 1);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InputOutput);
    }
}

} // namespace
} // namespace tagler
