#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <unistd.h>

// A write that fails part-way (full disk, size limit) is reported and leaves the old file whole.
// The limit is set in a child shell, with SIGXFSZ ignored so the write sees the error.
namespace tagler {
namespace {

using test::Folder;

QByteArray bytesOf(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(FailedWrite, TheExchangeFileStaysWholeAndTheBatchSaysSo)
{
    Lines texts;
    for (int i = 0; i < 300; ++i)
        texts.push_back("ch " + std::to_string(i) + " 0 12 0 \"TEXT" + std::to_string(i));
    const struct {
        const char* name;
        const char* limitBlocks; // of 512 bytes
        QStringList args;
        bool selection;
    } rows[] = {
        {"nothing can be written", "0", {"--text", "t.txt"}, false},
        {"the records outgrow the limit", "4", {"T3", "--set", "frameType=2"}, true},
    };
    for (const auto& row : rows) {
        Folder f(Folder::withDataFiles);
        Lines exchange = test::headerLines({});
        if (row.selection) {
            exchange = test::headerLines({}, SessionMode::frameWrite2);
            exchange.insert(exchange.end(), texts.begin(), texts.end());
        }
        f.write("jwc_temp.txt", exchange);
        f.write("t.txt", {"abc"});
        const QByteArray before = bytesOf(f.file("jwc_temp.txt"));

        QProcess p;
        p.setWorkingDirectory(QString::fromStdString(f.path()));
        QStringList args = {"-c",
                            QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(QLatin1String(row.limitBlocks)),
                            QStringLiteral(TAGLER_BIN_DIR "/tagler-batch")};
        p.start("sh", args + row.args);
        ASSERT_TRUE(p.waitForFinished(60000)) << row.name;
        const std::string err = QString::fromUtf8(p.readAllStandardError()).toStdString();
        EXPECT_EQ(p.exitCode(), 1) << row.name << ": " << err;
        EXPECT_NE(err.find("[入出力エラー]"), std::string::npos) << row.name << ": " << err;
        EXPECT_EQ(bytesOf(f.file("jwc_temp.txt")), before) << row.name;
    }
}

// A folder the drafter may not write into, holding an exchange file they may write: the records
// are written over it in place. Root passes every permission check, so it runs as nobody there.
TEST(FailedWrite, AReadOnlyFolderStillGetsTheRecords)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    f.write("t.txt", {"abc"});
    QFile::setPermissions(QString::fromStdString(f.file("jwc_temp.txt")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(QString::fromStdString(f.path()), readOnly);
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(f.path()));
    const QString batch = QStringLiteral(TAGLER_BIN_DIR "/tagler-batch");
    if (geteuid() == 0)
        p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", batch, "--text", "t.txt"});
    else
        p.start(batch, {"--text", "t.txt"});
    ASSERT_TRUE(p.waitForFinished(60000));
    QFile::setPermissions(QString::fromStdString(f.path()), readOnly | QFile::WriteOwner);
    // The state files cannot be saved there; the exchange file is what the host waits for.
    EXPECT_NE(bytesOf(f.file("jwc_temp.txt")).indexOf("\"abc\r\n"), -1) << p.readAllStandardError().toStdString();
    EXPECT_FALSE(bytesOf(f.file("jwc_temp.txt")).startsWith("hq"));
}

} // namespace
} // namespace tagler
