#include "support/ExchangeFixture.h"
#include "support/Folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

// Under a memory cap: a line far larger than the cap where the program never reads costs
// nothing, and one it must read is refused at its bound with the message and exit 1, the
// exchange file whole.
namespace tagler {
namespace {

using test::Folder;

// AddressSanitizer reserves more address space than any cap allows.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr qint64 kHugeLine = qint64(1) << 31; // a hole in the file: no disk is used
constexpr const char* kCapKiB = "786432";     // 768 MiB of address space

// The lines with a huge line of NUL bytes put in at `at`, written as the host writes them.
void writeWithHugeLine(const std::string& path, const Lines& lines, std::size_t at)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (std::size_t i = 0; i <= lines.size(); ++i) {
        if (i == at) {
            ASSERT_TRUE(f.seek(f.pos() + kHugeLine));
            f.write("\r\n");
        }
        if (i < lines.size())
            f.write(QByteArray::fromStdString(lines[i] + "\r\n"));
    }
}

TEST(BatchMemory, OnlyTheLinesUsedAreReadAndALongOneIsAMessage)
{
    if (kSanitized)
        GTEST_SKIP() << "a memory cap leaves no room for the sanitizer's shadow memory";
    Lines texts;
    for (int i = 0; i < 6; ++i)
        texts.push_back("ch " + std::to_string(i) + " 0 12 0 \"TEXT" + std::to_string(i));
    const struct {
        const char* mode;
        std::size_t hugeAt; // line number
        int exitCode;
    } rows[] = {
        {"", 20, 0},   // after the header: never read
        {"T4", 20, 0}, //
        {"T5", 20, 0}, //
        {"", 2, 1},    // the layer groups' scales
        {"T1", 2, 1},  //
        {"T2", 17, 1}, // after the texts: read at completion, as T3 reads them
        {"T3", 17, 1}, // after the texts: read at completion, after those for the box
    };
    for (const auto& row : rows) {
        const std::string name =
            std::string(*row.mode ? row.mode : "normal") + " at line " + std::to_string(row.hugeAt);
        const SessionMode mode = sessionModeFromArgument(row.mode);
        Folder f(Folder::withDataFiles);
        Lines exchange = test::headerLines({}, mode);
        if (traits(mode).handsOverSelection)
            exchange.insert(exchange.end(), texts.begin(), texts.end());
        else
            exchange.resize(20, "0"); // past every header's last line
        writeWithHugeLine(f.file("jwc_temp.txt"), exchange, row.hugeAt);
        const QFileInfo before(QString::fromStdString(f.file("jwc_temp.txt")));

        QProcess p;
        p.setWorkingDirectory(QString::fromStdString(f.path()));
        QStringList args = {"-c", QStringLiteral("ulimit -v %1; exec \"$0\" \"$@\"").arg(kCapKiB),
                            TAGLER_BIN_DIR "/tagler-batch", "--set", "frameType=2"};
        if (*row.mode)
            args << row.mode;
        p.start("sh", args);
        ASSERT_TRUE(p.waitForFinished(120000)) << name;
        const std::string err = QString::fromUtf8(p.readAllStandardError()).toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(p.exitCode(), row.exitCode) << name << ": " << err;
        const QFileInfo after(QString::fromStdString(f.file("jwc_temp.txt")));
        const QStringList left = QDir(QString::fromStdString(f.path())).entryList({"jwc_temp.txt*"}, QDir::Files);
        EXPECT_EQ(left, QStringList{"jwc_temp.txt"}) << name;
        if (row.exitCode == 0) {
            EXPECT_EQ(err, "") << name;
            EXPECT_LT(after.size(), 100000) << name;
        } else {
            EXPECT_EQ(err, "warning: jwc_temp.txt に長すぎる行があります\n  （1 行 65536 バイトまで）\n") << name;
            EXPECT_EQ(after.size(), before.size()) << name;
            EXPECT_EQ(after.lastModified(), before.lastModified()) << name;
        }
    }
}

TEST(BatchMemory, ATextFileLineBeyondTheBoundIsRefused)
{
    if (kSanitized)
        GTEST_SKIP() << "a memory cap leaves no room for the sanitizer's shadow memory";
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    writeWithHugeLine(f.file("t.txt"), {"first", "third"}, 1);
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(f.path()));
    p.start("sh", {"-c", QStringLiteral("ulimit -v %1; exec \"$0\" \"$@\"").arg(kCapKiB),
                   TAGLER_BIN_DIR "/tagler-batch", "--text", "t.txt"});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("t.txt line 2 is longer than 65536 bytes"));
}

} // namespace
} // namespace tagler
