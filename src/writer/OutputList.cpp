#include "writer/OutputList.h"

#include <algorithm>

namespace tagler {

namespace {
constexpr std::size_t kBlockBytes = std::size_t(1) << 20;
}

void OutputList::append(std::string_view record)
{
    const std::size_t bytes = record.size() + 2;
    if (blocks_.empty() || blocks_.back().size() + bytes > blocks_.back().capacity()) {
        if (sink_ && !blocks_.empty()) {
            // What the sink has had is dropped; its block is kept for what follows.
            flush();
            blocks_.erase(blocks_.begin(), blocks_.end() - 1);
        } else {
            blocks_.emplace_back();
        }
        blocks_.back().reserve(std::max(kBlockBytes, bytes));
    }
    std::string& block = blocks_.back();
    block.append(record);
    block.append("\r\n", 2);
    ++count_;
    linesStale_ = true;
}

void OutputList::streamTo(std::function<void(std::string_view)> sink) { sink_ = std::move(sink); }

void OutputList::flush()
{
    if (!sink_)
        return;
    for (std::string& block : blocks_) {
        sink_(block);
        block.clear();
    }
}

void OutputList::clear()
{
    blocks_.clear();
    count_ = 0;
    linesStale_ = true;
}

const std::vector<std::string>& OutputList::records() const
{
    if (linesStale_) {
        lines_.clear();
        lines_.reserve(count_);
        for (const std::string& block : blocks_)
            for (std::size_t start = 0; start < block.size();) {
                const std::size_t end = block.find("\r\n", start);
                lines_.emplace_back(block, start, end - start);
                start = end + 2;
            }
        linesStale_ = false;
    }
    return lines_;
}

} // namespace tagler
