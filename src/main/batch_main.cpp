#include "app/BatchRun.h"
#include "app/StderrPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const tagler::ParsedBatchOptions parsed = tagler::parseBatchOptions(args);
    if (parsed.usageError) {
        std::cerr << "tagler-batch: " << *parsed.usageError << "\n"
                  << "usage: tagler-batch [T1|T2|T3|T4|T5|t1..t5] [--text FILE] [--set FIELD=VALUE]... "
                     "[--now YYYY-MM-DDTHH:MM:SS]\n";
        return tagler::kBatchUsage;
    }
    tagler::StderrPrompts prompts;
    std::string usageError;
    const int code = tagler::runBatch(QDir::currentPath().toStdString(), parsed.options, prompts,
                                      {std::cout, std::cerr}, usageError);
    if (code == tagler::kBatchUsage)
        std::cerr << "tagler-batch: " << usageError << "\n";
    return code;
}
