#include "support/ExchangeFixture.h"
#include "support/Folder.h"
#include "support/TextGateTable.h"

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>

// What tagler-batch takes as the annotation text and as settings values: nothing that could be
// converted silently, split a record or cut it; what the input box would cut is said.
namespace tagler {
namespace {

using test::Folder;

struct Outcome {
    int exitCode;
    std::string err;
    Lines exchange; // jwc_temp.txt as the run left it
};

Outcome batch(const QByteArray& text, const QStringList& extra = {})
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    QFile file(QString::fromStdString(f.file("t.txt")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(f.path()));
    p.start(QStringLiteral(TAGLER_BIN_DIR "/tagler-batch"), QStringList{"--text", "t.txt"} + extra);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()).toStdString(), f.read("jwc_temp.txt")};
}

TEST(BatchText, RefusedTextIsAUsageErrorNamingTheLine)
{
    const struct {
        const char* name;
        QByteArray text;
        const char* said;
    } rows[] = {
        {"not UTF-8", "fine\nbad \xff here\n", "t.txt line 2 is not UTF-8"},
        {"replacement character", "a\xef\xbf\xbd\n", "t.txt line 1: U+FFFD marks a character lost"},
        {"NUL", QByteArray("ok\nx\0y\n", 7), "t.txt line 2: control character U+0000"},
        {"vertical tab", "x\vy\n", "t.txt line 1: control character U+000B"},
    };
    for (const auto& row : rows) {
        const Outcome o = batch(row.text);
        EXPECT_EQ(o.exitCode, 2) << row.name;
        EXPECT_NE(o.err.find(row.said), std::string::npos) << row.name << ": " << o.err;
    }
}

TEST(BatchText, EveryCharacterIsWrittenAsTheHostReadsItOrNamedWithItsLine)
{
    QByteArray held = "W=";
    std::string bytes = "W=";
    for (const test::GateRow& row : test::textGateTable()) {
        if (!row.bytes) {
            const Outcome o = batch(QByteArray("fine\nx") + row.typed + "\n");
            EXPECT_EQ(o.exitCode, 2) << row.name;
            EXPECT_NE(o.err.find("t.txt line 2: '" + std::string(row.typed) + "'"), std::string::npos) << o.err;
            continue;
        }
        held += row.typed;
        bytes += *row.bytes;
    }
    const Outcome o = batch(held + "\n");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    const auto text = std::find_if(o.exchange.begin(), o.exchange.end(), [&](const std::string& record) {
        return record.size() > bytes.size() &&
               record.compare(record.size() - bytes.size() - 1, std::string::npos, "\"" + bytes) == 0;
    });
    EXPECT_NE(text, o.exchange.end()) << "no text record ends in the CP932 bytes";
}

TEST(BatchText, SettingsValuesCarryNoLineBreakOrControl)
{
    for (const char* value : {"chosenFontName=X\r\n 0 0 1000 1000", "chosenFontName=A\tB", "chosenFontName=\x1a"}) {
        const Outcome o = batch("a\n", {"--set", QString::fromUtf8(value)});
        EXPECT_EQ(o.exitCode, 2) << value;
        EXPECT_NE(o.err.find("chosenFontName"), std::string::npos) << o.err;
    }
}

TEST(BatchText, WhatTheInputBoxWouldCutIsNoted)
{
    QByteArray text;
    for (int i = 1; i <= 7; ++i)
        text += "line" + QByteArray::number(i) + (i == 2 ? QByteArray(80, 'x') : QByteArray()) + "\n";
    const Outcome o = batch(text);
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.err, "notice: t.txt has 7 lines; the first 5 are used\n"
                     "notice: t.txt line 2 is cut to 70 bytes\n");
}

} // namespace
} // namespace tagler
