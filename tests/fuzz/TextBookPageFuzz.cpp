// A text-book page "PMDATA1.tx" through its store: opened as start-up opens it,
// saved as on close, opened again by another store: the same blocks and summaries.
#include "fuzz/FuzzSupport.h"

#include "store/TextBookStore.h"

#include <QFile>

using namespace tagler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& folder = fuzz::workFolder();
    QFile::remove(QString::fromStdString(folder + "/PJDATA.tx"));
    fuzz::writeBytes(folder + "/PMDATA1.tx", std::string(reinterpret_cast<const char*>(data), size));

    fuzz::QuietPrompts quiet;
    TextBookStore store(folder, quiet);
    if (!fuzz::guarded("opening the page", [&] { store.startUp("", 1); }) || !store.pageHeld())
        return 0;
    if (!store.saveCurrentPage())
        fuzz::violation("a page that opened is not saved");
    const Lines written = readLines(store.pagePath(1));
    fuzz::checkWrittenLines(store.pagePath(1), written);

    TextBookStore again(folder, quiet);
    if (!fuzz::guarded("opening the saved page", [&] { again.startUp("", 1); }) || !again.pageHeld())
        fuzz::violation("the saved page does not open");
    for (int block = 0; block < kBlocksPerPage; ++block) {
        if (again.blockLines(block) != store.blockLines(block))
            fuzz::violation("block " + std::to_string(block) + " does not survive saving");
        if (again.summary(block) != store.summary(block))
            fuzz::violation("the summary of block " + std::to_string(block) + " does not survive saving");
    }
    return 0;
}
