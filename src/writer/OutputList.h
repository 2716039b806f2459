#pragma once
#include <string>
#include <vector>

namespace tagler {

// The records handed back to the host, in order. Stages only append.
class OutputList final {
public:
    void append(std::string record) { records_.push_back(std::move(record)); }
    const std::vector<std::string>& records() const { return records_; }
    std::size_t size() const { return records_.size(); }
    void clear() { records_.clear(); }

private:
    std::vector<std::string> records_;
};

} // namespace tagler
