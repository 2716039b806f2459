#include "store/DataFile.h"

#include "base/BoundedLines.h"
#include "store/DataFileMessages.h"

namespace tagler {

DataFile::DataFile(std::string path, Rule accepts, Prompts& prompts)
    : path_(std::move(path)), accepts_(accepts), prompts_(&prompts)
{}

FileState DataFile::load(Lines standIn)
{
    // The stand-in stays when reading fails, as it does for a missing file.
    lines_ = std::move(standIn);
    found_ = fileExists(path_);
    if (!found_)
        return FileState::missing;
    BoundedLines read = readBoundedLines(path_, kDataFileBound);
    lines_ = std::move(read.lines);
    if (read.cut)
        prompts_->warning(datafile::cut(fileName()));
    return accepted() ? FileState::accepted : FileState::refused;
}

std::string DataFile::fileName() const { return path_.substr(path_.find_last_of('/') + 1); }

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
