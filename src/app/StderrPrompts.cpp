#include "app/StderrPrompts.h"

#include <iostream>

namespace tagler {

namespace {
void print(const char* prefix, const std::string& text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            shown += "\n  ";
            ++i;
        } else {
            shown += text[i];
        }
    }
    std::cerr << prefix << shown << std::endl;
}
} // namespace

void StderrPrompts::information(const std::string& text) { print("info: ", text); }

void StderrPrompts::warning(const std::string& text) { print("warning: ", text); }

bool StderrPrompts::question(const std::string& text)
{
    print("question (answered no): ", text);
    return false;
}

std::optional<std::string> StderrPrompts::chooseFolder(const std::string&) { return std::nullopt; }

} // namespace tagler
