#include "app/ProgramArguments.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(ProgramArguments, TheHostsModeArgumentAndNothingSilentlyDropped)
{
    const struct {
        QStringList args;
        SessionMode mode;
        bool help, version, error, notice;
    } rows[] = {
        {{}, SessionMode::normal, false, false, false, false},
        {{"T1"}, SessionMode::importText, false, false, false, false},
        {{"t3"}, SessionMode::frameWrite2, false, false, false, false},
        {{"T5"}, SessionMode::fourPoint, false, false, false, false},
        {{"T6"}, SessionMode::normal, false, false, false, true},
        {{"T4", "T5"}, SessionMode::textMode, false, false, true, false},
        {{"--help"}, SessionMode::normal, true, false, false, false},
        {{"--version"}, SessionMode::normal, false, true, false, false},
        {{"--bogus"}, SessionMode::normal, false, false, true, false},
        {{"-x"}, SessionMode::normal, false, false, true, false},
        {{"-h"}, SessionMode::normal, true, false, false, false},
        // Qt's own window options are the application's, whether before or after the mode.
        {{"-platform", "offscreen", "T2"}, SessionMode::frameWrite1, false, false, false, false},
        {{"T4", "-style", "fusion", "-reverse"}, SessionMode::textMode, false, false, false, false},
        {{"--platform=xcb"}, SessionMode::normal, false, false, false, false},
    };
    for (const auto& row : rows) {
        const ProgramArguments p = parseProgramArguments(row.args);
        const std::string what = row.args.join(u' ').toStdString();
        EXPECT_EQ(p.mode, row.mode) << what;
        EXPECT_EQ(p.help, row.help) << what;
        EXPECT_EQ(p.version, row.version) << what;
        EXPECT_EQ(p.usageError.has_value(), row.error) << what;
        EXPECT_EQ(p.notice.has_value(), row.notice) << what;
    }
}

} // namespace
} // namespace tagler
