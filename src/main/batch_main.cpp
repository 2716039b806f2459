#include "app/BatchRun.h"
#include "app/ProgramStart.h"
#include "app/StderrPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

int main(int argc, char** argv)
{
    tagler::useBinaryStandardStreams();
    QCoreApplication app(argc, argv);
    if (const auto problem = tagler::codePageProblem()) {
        std::cerr << "tagler-batch: " << *problem << "\n";
        return 1;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    const tagler::ParsedBatchOptions parsed = tagler::parseBatchOptions(args);
    if (parsed.usageError) {
        std::cerr << "tagler-batch: " << *parsed.usageError << "\n" << tagler::kBatchUsageText;
        return tagler::kBatchUsage;
    }
    if (parsed.help) {
        std::cout << tagler::kBatchUsageText;
        return 0;
    }
    if (parsed.version) {
        std::cout << "tagler-batch " TAGLER_VERSION "\n";
        return 0;
    }
    tagler::StderrPrompts prompts;
    std::string usageError;
    const int code = tagler::runBatch(QDir::currentPath().toStdString(), parsed.options, prompts,
                                      {std::cout, std::cerr}, usageError);
    if (code == tagler::kBatchUsage)
        std::cerr << "tagler-batch: " << usageError << "\n";
    return code;
}
