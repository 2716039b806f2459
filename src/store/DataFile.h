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

    // prompts hears what the file has to say about itself: that it was cut or
    // cannot be used, and whether to write over another window's version.
    // A link is followed only into dataFolder (the file's own folder when empty).
    DataFile(std::string path, Rule accepts, Prompts& prompts, std::string dataFolder = {});

    const std::string& path() const { return path_; }
    std::string fileName() const;

    // Reads the file, up to the data files' bound; a file cut to it is said so.
    // A file that is not there reads as standIn, the lines a later save starts
    // from. An unreadable file is an I/O error. A file that is not CP932 text,
    // or a link leading out of the data folder, is refused with a message
    // naming it, holds standIn and is never written.
    FileState load(Lines standIn);

    // Whether the file was there when read, or has been written since.
    bool found() const { return found_; }
    // Judged on the lines held now, so a stand-in can pass and a save mends.
    bool accepted() const { return !unusable_ && accepts_(lines_); }

    const Lines& lines() const { return lines_; }
    Lines& lines() { return lines_; }

    // Two windows may share a folder. Before either save, a file that another
    // window changed since this one read or wrote it is written over only when
    // the user says so; otherwise (and without asking when these lines are
    // what was read) the other version stays, becomes the held lines, and
    // false is returned. A file found unusable is not written either: said
    // once, false returned, the held lines kept.

    // Replaces the file with the held lines, whole or not at all: a failure
    // is an I/O error and the old file stays as it was.
    bool save();
    // Replaces the file with these lines and holds them; on a failure (an I/O
    // error) the file and the held lines stay as they were.
    bool replaceLines(Lines lines);

private:
    std::string path_;
    Rule accepts_;
    Prompts* prompts_;
    std::string dataFolder_;
    bool mayWrite(const Lines& lines);
    void seeOnDisk(const Lines* lines);
    bool leadsOutside() const;
    bool refuse(const std::string& message);

    Lines lines_;
    bool found_ = false;
    bool unusable_ = false;
    // The file as this window last read or wrote it; unknown after a failed read.
    bool diskKnown_ = false;
    bool diskHadFile_ = false;
    Lines onDisk_;
};

} // namespace tagler
