#include "app/TextBookCopy.h"

#include "app/InputText.h"

#include <algorithm>

namespace tagler {

CopiedInput copyBlockIntoInput(Lines input, int caretLine, const BlockLines& block, CopyMode mode, bool blockViewOpen)
{
    if (input.empty())
        input.emplace_back();
    const int y = std::clamp(caretLine, 0, static_cast<int>(input.size()) - 1);
    const int t = y + 1 < static_cast<int>(input.size()) ? y + 1 : y;
    int n = 0;
    for (int i = 0; i < kLinesPerBlock; ++i)
        if (!block[static_cast<std::size_t>(i)].empty())
            n = i + 1;
    if (blockViewOpen || n == 0)
        return {std::move(input), t};

    const int last = std::min(t + n - 1, kLinesPerBlock - 1);
    const auto size = [&input] { return static_cast<int>(input.size()); };
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    switch (mode) {
    case CopyMode::overwrite:
    case CopyMode::append:
        while (size() < last + 1)
            input.emplace_back();
        for (int i = 0; i <= last - t; ++i) {
            const std::string& line = block[at(i)];
            if (line.empty())
                continue;
            if (mode == CopyMode::overwrite)
                input[at(t + i)] = line;
            else
                input[at(t + i)] += line;
        }
        break;
    case CopyMode::insert:
        for (int i = 0; i <= last - t; ++i)
            if (!block[at(i)].empty())
                input.insert(input.begin() + std::min(t + i, size()), block[at(i)]);
        break;
    case CopyMode::replaceAll: input.assign(block.begin(), block.end()); break;
    }
    input = applyInputBoxRules(std::move(input));
    while (!input.empty() && input.back().empty())
        input.pop_back();
    return {std::move(input), t};
}

BlockLines blockViewLines(const BlockLines& block, BlockViewRule rule)
{
    BlockLines shown;
    for (std::size_t i = 0; i < block.size(); ++i)
        if (rule == BlockViewRule::markAll || !block[i].empty())
            shown[i] = block[i] + ":";
    return shown;
}

} // namespace tagler
