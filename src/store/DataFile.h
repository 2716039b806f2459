#pragma once
#include "base/LineFile.h"
#include "base/Prompts.h"

#include <string>

namespace tagler {

enum class FileState { missing, refused, accepted };

// One data file beside the exchange file as its store holds it: the lines it
// was read with, changed in place until they are saved.
class DataFile final {
public:
    // The file's own rule for lines it can take, usually a line count.
    using Rule = bool (*)(const Lines&);

    // prompts hears what the file has to say about itself: that it was cut.
    DataFile(std::string path, Rule accepts, Prompts& prompts);

    const std::string& path() const { return path_; }
    std::string fileName() const;

    // Reads the file, up to the data files' bound; a file cut to it is said so.
    // A file that is not there reads as standIn, the lines a later save starts
    // from. An unreadable file is an I/O error.
    FileState load(Lines standIn);

    // Whether the file was there when read, or has been written since.
    bool found() const { return found_; }
    // Judged on the lines held now, so a stand-in can pass and a save mends.
    bool accepted() const { return accepts_(lines_); }

    const Lines& lines() const { return lines_; }
    Lines& lines() { return lines_; }

    // Replaces the file with the held lines, whole or not at all: a failure
    // is an I/O error and the old file stays as it was.
    void save();
    // Replaces the file with these lines and holds them; on a failure (an I/O
    // error) the file and the held lines stay as they were.
    void replaceLines(Lines lines);

private:
    std::string path_;
    Rule accepts_;
    Prompts* prompts_;
    Lines lines_;
    bool found_ = false;
};

} // namespace tagler
