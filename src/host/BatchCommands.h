#pragma once
#include "base/LineFile.h"
#include "host/HostCommandLine.h"

#include <QStringList>

#include <optional>
#include <string>

// What the host does with a batch file: list it, ask what its directives ask
// for, and start what it starts.
namespace tagler::host {

// Writes jwc_temp.txt and its copy into the folder, copies the default data
// files it lacks, and says so. Returns the exit code.
int writeHandOver(const std::string& folder, HostMode mode, const Lines& header, const std::optional<Lines>& records,
                  const std::string& binFolder);

// new --batch: refuses a batch the host would not run this way, with nothing written.
int newFolderFromBatch(const NewCommand& c, const std::string& binFolder);
// run --batch: the program the batch starts, in the folder, then 未実行 or the picture.
int runBatch(const RunCommand& c, const std::string& binFolder);
// write-batches DIR: the batch file of every mode, from the mode table.
int writeModeBatches(const QStringList& args);
// check-batch FILE...: one line per fault; 0 when every file passes.
int checkBatchFiles(const QStringList& files);

} // namespace tagler::host
