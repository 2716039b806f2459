#include "store/DataFile.h"

#include "base/BoundedLines.h"
#include "base/Error.h"
#include "store/DataFileMessages.h"

namespace tagler {

DataFile::DataFile(std::string path, Rule accepts, Prompts& prompts)
    : path_(std::move(path)), accepts_(accepts), prompts_(&prompts)
{}

FileState DataFile::load(Lines standIn)
{
    // The stand-in stays when reading fails, as it does for a missing file.
    lines_ = std::move(standIn);
    diskKnown_ = false;
    found_ = fileExists(path_);
    if (!found_) {
        seeOnDisk(nullptr);
        return FileState::missing;
    }
    BoundedLines read = readBoundedLines(path_, kDataFileBound);
    lines_ = std::move(read.lines);
    seeOnDisk(&lines_);
    if (read.cut)
        prompts_->warning(datafile::cut(fileName()));
    return accepted() ? FileState::accepted : FileState::refused;
}

std::string DataFile::fileName() const { return path_.substr(path_.find_last_of('/') + 1); }

void DataFile::seeOnDisk(const Lines* lines)
{
    diskKnown_ = true;
    diskHadFile_ = lines != nullptr;
    onDisk_ = lines ? *lines : Lines();
}

bool DataFile::mayWrite(const Lines& lines)
{
    // A file gone or unreadable now has no other version to keep; the write tells.
    if (!diskKnown_ || !fileExists(path_))
        return true;
    Lines now;
    try {
        now = readBoundedLines(path_, kDataFileBound).lines;
    } catch (const Error&) {
        return true;
    }
    if (diskHadFile_ && now == onDisk_)
        return true;
    const bool changedHere = !diskHadFile_ || lines != onDisk_;
    if (changedHere && prompts_->question(datafile::changedElsewhere(fileName())))
        return true;
    lines_ = std::move(now);
    found_ = true;
    seeOnDisk(&lines_);
    return false;
}

bool DataFile::save()
{
    if (!mayWrite(lines_))
        return false;
    writeLines(path_, lines_);
    found_ = true;
    seeOnDisk(&lines_);
    return true;
}

bool DataFile::replaceLines(Lines lines)
{
    if (!mayWrite(lines))
        return false;
    writeLines(path_, lines);
    lines_ = std::move(lines);
    found_ = true;
    seeOnDisk(&lines_);
    return true;
}

} // namespace tagler
