#include "store/DataFile.h"

#include "base/BoundedLines.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "store/DataFileMessages.h"
#include "store/TextBookFolder.h"

#include <QFileInfo>
#include <algorithm>

namespace tagler {

namespace {

// UTF-16 shows by its byte-order mark or the zero bytes of its line ends, most binary files by
// their control bytes.
bool isText(const Lines& lines)
{
    if (!lines.empty() && (lines[0].starts_with("\xFF\xFE") || lines[0].starts_with("\xFE\xFF")))
        return false;
    return std::all_of(lines.begin(), lines.end(), isTextLine);
}

} // namespace

DataFile::DataFile(std::string path, Rule accepts, Prompts& prompts, std::string dataFolder)
    : path_(std::move(path)), accepts_(accepts), prompts_(&prompts), dataFolder_(std::move(dataFolder))
{
    if (dataFolder_.empty())
        dataFolder_ = path_.substr(0, path_.find_last_of('/'));
}

// Writing through a link replaces its target, wherever that is.
bool DataFile::leadsOutside() const
{
    return QFileInfo(QString::fromStdString(path_)).isSymLink() && !liesInside(dataFolder_, path_);
}

bool DataFile::refuse(const std::string& message)
{
    if (!unusable_)
        prompts_->warning(message);
    unusable_ = true;
    return false;
}

FileState DataFile::load(Lines standIn)
{
    // The stand-in stays when reading fails, as it does for a missing file.
    lines_ = std::move(standIn);
    diskKnown_ = false;
    unusable_ = false;
    if (leadsOutside()) {
        found_ = true;
        refuse(datafile::linkOutside(fileName()));
        return FileState::refused;
    }
    found_ = fileExists(path_);
    if (!found_) {
        seeOnDisk(nullptr);
        return FileState::missing;
    }
    BoundedLines read = readBoundedLines(path_, kDataFileBound);
    if (!isText(read.lines)) {
        refuse(datafile::notText(fileName()));
        return FileState::refused;
    }
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
    if (leadsOutside())
        return refuse(datafile::linkOutside(fileName()));
    // A file gone or unreadable now has no other version to keep; the write tells.
    if (!fileExists(path_))
        return true;
    Lines now;
    try {
        now = readBoundedLines(path_, kDataFileBound).lines;
    } catch (const Error&) {
        return true;
    }
    if (!isText(now))
        return refuse(datafile::notText(fileName()));
    if (!diskKnown_)
        return true;
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
