#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tagler {

// The records handed back to the host, in order. Stages only append. They are
// kept as the file will hold them, each ended by CR LF, in blocks that never
// move once full, so a selection of a whole sheet costs about its bytes.
class OutputList final {
public:
    void append(std::string_view record);
    // The exchange file's content, block by block: with a sink, what it has not been handed yet.
    const std::vector<std::string>& blocks() const { return blocks_; }
    // Full blocks go to the sink as they fill, and are dropped, so records written into a file
    // as they are made cost a block however many there are. An empty sink keeps them all.
    void streamTo(std::function<void(std::string_view)> sink);
    // Hands the sink what it has not had yet.
    void flush();
    // One string a record, for readers that take them one by one.
    const std::vector<std::string>& records() const;
    std::size_t size() const { return count_; }
    void clear();

private:
    std::vector<std::string> blocks_;
    std::function<void(std::string_view)> sink_;
    std::size_t count_ = 0;
    mutable std::vector<std::string> lines_;
    mutable bool linesStale_ = false;
};

} // namespace tagler
