#pragma once
#include <QSaveFile>

#include <string>
#include <string_view>

namespace tagler {

// A file written in pieces as they are made and replaced atomically at commit: until then
// the old file is whole, and a writer that stops without committing leaves it so.
class StreamedFile final {
public:
    // Throws an input/output error when the file cannot be opened for writing.
    explicit StreamedFile(const std::string& path);
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    // Throws an input/output error; the old file stays whole.
    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void failWith(const std::string& why);

    std::string path_;
    QSaveFile file_;
};

} // namespace tagler
