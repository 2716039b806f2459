#pragma once
#include <QSaveFile>

#include <string>
#include <string_view>

namespace tagler {

// A file written in pieces as they are made and replaced atomically at commit: until then
// the old file is whole, and a writer that stops without committing leaves it so.
class StreamedFile final {
public:
    // What to do when the folder cannot take the new file but the old one may be written.
    enum class Fallback { none, inPlace };
    // Throws an input/output error when the file cannot be opened for writing. With
    // inPlace, a folder that refuses the new file gets the whole content written over the old
    // file at commit: the file the host waits for is then written at all.
    explicit StreamedFile(const std::string& path, Fallback fallback = Fallback::none);
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    // Throws an input/output error; the old file stays whole.
    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void failWith(const std::string& why);

    std::string path_;
    QSaveFile file_;
    bool inPlace_ = false;
    std::string held_; // the content, while written in place
};

} // namespace tagler
