#pragma once
// Files on disk for the core and window tests: a fresh folder per test, the
// fixtures in tests/data, and targets a save cannot replace.
#include "base/LineFile.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

namespace tagler::test {

std::string fixture(const std::string& name);   // a file in tests/data
std::string fileBytes(const std::string& path); // "" when unreadable

// A fresh temporary folder, removed with its contents.
class Folder {
public:
    enum Contents { empty, withDataFiles }; // the default data files of a new install
    explicit Folder(Contents contents = empty);
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string path() const { return dir_.path().toStdString(); }
    std::string file(const std::string& name) const { return path() + "/" + name; }
    void write(const std::string& name, const Lines& lines) const { writeLines(file(name), lines); }
    Lines read(const std::string& name) const { return readLines(file(name)); }
    std::string bytes(const std::string& name) const { return fileBytes(file(name)); }
    bool exists(const std::string& name) const { return fileExists(file(name)); }
    void remove(const std::string& name) const;

private:
    QTemporaryDir dir_;
};

// A place a save cannot replace, with an old file there where the file
// system allows one.
struct UnwritableTarget {
    const char* what;
    std::string path;
    bool hasOldFile;
};

// Root ignores folder permissions, so there a name too long for the atomic
// writer's temporary copy stands in for the read-only folder. Call
// makeWritableAgain before the folder is removed.
// Whether a folder's write permission can be taken away from this process: not as
// root, and not on Windows, which keeps no owner bits on folders.
bool canTakeWriteAccessAway();

std::vector<UnwritableTarget> unwritableTargets(const Folder& folder, const Lines& oldLines);
void makeWritableAgain(const Folder& folder);

} // namespace tagler::test
