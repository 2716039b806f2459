#include "store/DataFile.h"

namespace tagler {

DataFile::DataFile(std::string path, Rule accepts) : path_(std::move(path)), accepts_(accepts) {}

FileState DataFile::load(Lines standIn)
{
    // The stand-in stays when reading fails, as it does for a missing file.
    lines_ = std::move(standIn);
    found_ = fileExists(path_);
    if (!found_)
        return FileState::missing;
    lines_ = readLines(path_);
    return accepted() ? FileState::accepted : FileState::refused;
}

void DataFile::save()
{
    writeLines(path_, lines_);
    found_ = true;
}

void DataFile::replaceLines(Lines lines)
{
    writeLines(path_, lines);
    lines_ = std::move(lines);
    found_ = true;
}

} // namespace tagler
