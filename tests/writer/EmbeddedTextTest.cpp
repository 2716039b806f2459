#include "writer/EmbeddedText.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(EmbeddedText, OnlyALeadingDollarOneOrTwoMarksTheLine)
{
    struct {
        std::string line;
        EmbeddedTextKind kind;
    } const cases[] = {
        {"$1ABC", EmbeddedTextKind::hostCodeLine},
        {"$1", EmbeddedTextKind::hostCodeLine},
        {"$2%y", EmbeddedTextKind::dateLine},
        {"$21", EmbeddedTextKind::dateLine},
        {"$3%y", EmbeddedTextKind::none},
        {"$", EmbeddedTextKind::none},
        {"", EmbeddedTextKind::none},
        {" $1", EmbeddedTextKind::none},
        {"A$2", EmbeddedTextKind::none},
        {sjis("＄１"), EmbeddedTextKind::none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(embeddedTextKind(c.line), c.kind) << toUtf8(c.line);
        EXPECT_EQ(isEmbeddedTextLine(c.line), c.kind != EmbeddedTextKind::none) << toUtf8(c.line);
    }
    EXPECT_EQ(embeddedTextRest("$2%y"), "%y");
}

} // namespace
} // namespace tagler
