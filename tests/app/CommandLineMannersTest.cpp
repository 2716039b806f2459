#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

// Every program answers --help and --version on stdout and refuses what it does not know.
namespace tagler {
namespace {

TEST(CommandLineManners, HelpVersionAndUnknownOptions)
{
    for (const char* program : {"tagler", "tagler-batch", "tagler-host"}) {
        const QString path =
            QStringLiteral(TAGLER_BIN_DIR "/") + QString::fromLatin1(program) + QStringLiteral(TAGLER_EXE_SUFFIX);
        if (!QFileInfo(path).isExecutable()) {
            ASSERT_STREQ(program, "tagler") << "missing " << path.toStdString(); // the window may not be built
            continue;
        }
        const struct {
            const char* arg;
            int exitCode;
            std::string out, errPart;
        } rows[] = {
            {"--help", 0, "usage:", ""},
            {"--version", 0, std::string(program) + " " TAGLER_VERSION "\n", ""},
            {"--no-such-option", 2, "", "usage:"},
            {"-x", 2, "", "usage:"}, // a single dash is no mode either
        };
        for (const auto& row : rows) {
            QProcess p;
            // Without a display: the window program answers its command line before it needs one.
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(QString::fromLatin1(name));
            p.setProcessEnvironment(env);
            p.start(path, {QString::fromLatin1(row.arg)});
            ASSERT_TRUE(p.waitForFinished(30000)) << program << " " << row.arg;
            const std::string out = p.readAllStandardOutput().toStdString();
            const std::string err = p.readAllStandardError().toStdString();
            EXPECT_EQ(p.exitCode(), row.exitCode) << program << " " << row.arg << ": " << err;
            if (row.arg == std::string("--help"))
                EXPECT_TRUE(out.starts_with(row.out)) << program << ": " << out;
            else
                EXPECT_EQ(out, row.out) << program << " " << row.arg;
            EXPECT_NE(err.find(row.errPart), std::string::npos) << program << " " << row.arg << ": " << err;
        }
    }
}

} // namespace
} // namespace tagler
