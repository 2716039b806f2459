// A text book's table of contents "PJDATA.tx" through its store: read as
// start-up reads it, written as on close, read again: the same titles, and
// the lines after the 20th as they were read.
#include "fuzz/FuzzSupport.h"

#include "store/TextBookStore.h"

using namespace tagler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& folder = fuzz::workFolder();
    fuzz::writeBytes(folder + "/PJDATA.tx", std::string(reinterpret_cast<const char*>(data), size));
    writeLines(folder + "/PMDATA1.tx", Lines(kPageLineCount));

    fuzz::QuietPrompts quiet;
    TextBookStore store(folder, quiet);
    if (!fuzz::guarded("reading the table", [&] { store.startUp("", 1); }))
        return 0;
    if (!store.writeTableOfContents())
        fuzz::violation("a table that was read is not written");
    const Lines written = readLines(folder + "/PJDATA.tx");
    fuzz::checkWrittenLines(folder + "/PJDATA.tx", written);
    if (written.size() < static_cast<std::size_t>(kPageCount))
        fuzz::violation("PJDATA.tx was written with " + std::to_string(written.size()) + " lines");

    TextBookStore again(folder, quiet);
    if (!fuzz::guarded("reading the written table", [&] { again.startUp("", 1); }))
        fuzz::violation("the written table is not read");
    if (again.titles() != store.titles())
        fuzz::violation("the titles do not survive writing");
    if (!again.writeTableOfContents() || readLines(folder + "/PJDATA.tx") != written)
        fuzz::violation("writing the table again changes it");
    return 0;
}
