#include "writer/OutputList.h"

#include <gtest/gtest.h>

// Records handed on as blocks fill give the bytes the held blocks give, a record larger
// than a block and one that ends exactly at a block's end included.
namespace tagler {
namespace {

std::string joined(const std::vector<std::string>& blocks)
{
    std::string all;
    for (const std::string& b : blocks)
        all += b;
    return all;
}

TEST(OutputList, StreamedRecordsAreTheHeldBytes)
{
    const std::size_t block = std::size_t(1) << 20;
    const std::vector<std::vector<std::size_t>> sizes = {
        {}, {3}, {block - 2, 1}, {block - 3, 5, 7}, {2 * block + 11, 4, block}, std::vector<std::size_t>(50000, 60),
    };
    for (const auto& row : sizes) {
        SCOPED_TRACE(row.size());
        OutputList held, streamed;
        std::string handed;
        std::size_t calls = 0;
        streamed.streamTo([&](std::string_view bytes) {
            handed += bytes;
            ++calls;
        });
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string record(row[i], char('a' + i % 26));
            held.append(record);
            streamed.append(record);
        }
        streamed.flush();
        EXPECT_EQ(handed, joined(held.blocks()));
        EXPECT_EQ(streamed.size(), held.size());
        EXPECT_LE(streamed.blocks().size(), 1u); // what was handed on is not held
        EXPECT_EQ(joined(streamed.blocks()), "");
        EXPECT_LE(calls, held.blocks().size() + 1);
    }
}

} // namespace
} // namespace tagler
