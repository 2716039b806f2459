#include "app/BatchRun.h"
#include "app/ConsoleStreams.h"
#include "app/ProgramStart.h"
#include "app/StderrPrompts.h"
#include "settings/SettingsFieldListing.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

int main(int argc, char** argv)
{
    tagler::useBinaryStandardStreams();
    tagler::useConsoleCodePage();
    tagler::ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    if (const auto problem = tagler::codePageProblem()) {
        std::cerr << "tagler-batch: " << *problem << "\n";
        return 1;
    }
    // Qt's list, not argv: on Windows argv holds the ANSI code page's guess at the words.
    const tagler::ParsedBatchOptions parsed = tagler::parseBatchOptions(app.arguments().mid(1));
    if (parsed.usageError) {
        std::cerr << "tagler-batch: " << *parsed.usageError << "\n" << tagler::kBatchUsageText;
        return tagler::kBatchUsage;
    }
    if (parsed.help) {
        std::cout << tagler::kBatchUsageText << tagler::kBatchStreamsText;
        return 0;
    }
    if (parsed.version) {
        std::cout << "tagler-batch " TAGLER_VERSION "\n";
        return 0;
    }
    if (parsed.listFields) {
        std::cout << tagler::settingsFieldListing();
        return 0;
    }
    if (parsed.notice)
        std::cerr << "notice: " << *parsed.notice << "\n";
    tagler::StderrPrompts prompts;
    std::string usageError;
    const int code = tagler::runBatch(QDir::currentPath().toStdString(), parsed.options, prompts,
                                      {std::cout, std::cerr}, usageError);
    if (code == tagler::kBatchUsage)
        std::cerr << "tagler-batch: " << usageError << "\n";
    return code;
}
