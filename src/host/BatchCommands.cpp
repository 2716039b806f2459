#include "host/BatchCommands.h"

#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "base/Error.h"
#include "host/BatchCheck.h"
#include "host/BatchFile.h"
#include "host/ExchangeFolder.h"
#include "host/ProgramRun.h"
#include "host/RangeSelection.h"
#include "host/RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>

namespace tagler::host {

namespace {

std::string readBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        fail(ErrorKind::InputOutput, "cannot read " + path + ": " + f.errorString().toStdString());
    const QByteArray bytes = f.readAll();
    return bytes.toStdString();
}

BatchFile readRunnableBatch(const std::string& path)
{
    const std::string bytes = readBytes(path);
    const BatchFile b = readBatch(bytes);
    if (!hasDirective(b, "jww"))
        fail(ErrorKind::Range, path + ": no #jww; the host does not run it as an external transformation");
    if (b.programLine == 0)
        fail(ErrorKind::Range, path + ": no program line");
    for (const std::string& fault : checkBatch(bytes))
        std::cerr << "tagler-host: note: " << path << ": " << fault << "\n";
    return b;
}

std::string point(const render::Point& p) { return hostDecimal(p.x) + "," + hostDecimal(p.y); }

// cmd finds a program named with %~dp0 beside the batch.
QString besideBatch(const std::string& batchFile, std::string program)
{
    if (program.size() >= 5 && (program.starts_with("%~dp0") || program.starts_with("%~DP0")))
        program.erase(0, 5);
    return QFileInfo(QString::fromStdString(batchFile)).absoluteDir().filePath(QString::fromStdString(program));
}

} // namespace

int writeHandOver(const std::string& folder, HostMode mode, const Lines& header, const std::optional<Lines>& records,
                  const std::string& binFolder)
{
    std::vector<std::string> copied =
        prepareExchangeFolder(folder, header, records.value_or(Lines{}), defaultDataFolder(binFolder));
    std::cout << "tagler-host: wrote "
              << QDir(QString::fromStdString(folder)).filePath(QLatin1String(exchangeFileName)).toStdString() << " ("
              << hostModeName(mode) << ", " << header.size() << " header lines";
    if (records)
        std::cout << ", " << records->size() << " records";
    std::cout << ")\n";
    for (const std::string& name : copied)
        std::cout << "tagler-host: copied default " << name << "\n";
    return 0;
}

int newFolderFromBatch(const NewCommand& c, const std::string& binFolder)
{
    const std::string& path = *c.batchFile;
    const BatchFile b = readRunnableBatch(path);
    std::vector<const BatchDirective*> asked;
    for (const BatchDirective& d : b.directives)
        if (pointNumber(d) > 0)
            asked.push_back(&d);
    if (c.points.size() != asked.size())
        fail(ErrorKind::Range, path + " asks for " + std::to_string(asked.size()) + " point(s); " +
                                   std::to_string(c.points.size()) + " given");
    const bool selects = hasDirective(b, "h3");
    if (c.recordsFile && !selects)
        fail(ErrorKind::Range, path + " has no #h3: the host hands over no selection");
    if (selects && !c.recordsFile)
        fail(ErrorKind::Range, path + " asks for a range selection: give --records FILE");

    HeaderRequest request = c.request;
    request.mode = batchMode(b);
    std::vector<HeaderPoint> points;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        std::cout << "tagler-host: #" << asked[i]->name << " " << toUtf8(asked[i]->text) << ": " << point(c.points[i])
                  << "\n";
        points.push_back({c.points[i], isRubberBand(*asked[i])});
    }
    std::optional<Lines> records;
    if (selects) {
        const auto prompt = std::find_if(b.directives.begin(), b.directives.end(),
                                         [](const BatchDirective& d) { return d.name == "hc"; });
        if (prompt != b.directives.end())
            std::cout << "tagler-host: #hc " << toUtf8(prompt->text) << "\n";
        records = selectedTexts(readUtf8Records(*c.recordsFile), request.sheet);
    }
    return writeHandOver(c.folder, request.mode, buildHeader(request, points), records, binFolder);
}

int runBatch(const RunCommand& c, const std::string& binFolder)
{
    const std::string& path = *c.batchFile;
    const BatchFile b = readRunnableBatch(path);
    const QString named = besideBatch(path, b.program);
    std::string program;
    std::vector<std::string> arguments;
    if (!c.program && named.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) && QFileInfo(named).isFile()) {
        // The Windows build, started by the batch itself as the host starts it.
        const QString batch = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
        program = "wine";
        arguments = {"cmd", "/c", "Z:" + QDir::toNativeSeparators(batch).replace(u'/', u'\\').toStdString()};
    } else {
        QString native = named;
        if (native.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            native.chop(4);
        const QString beside = QDir(QString::fromStdString(binFolder)).filePath(QFileInfo(native).fileName());
        program = c.program                          ? *c.program
                  : QFileInfo(native).isExecutable() ? native.toStdString()
                  : QFileInfo(beside).isExecutable() ? beside.toStdString()
                                                     : QFileInfo(native).fileName().toStdString(); // from PATH
        arguments = b.arguments;
    }
    const int code = reportRun(runProgram(program, c.folder, arguments), program);
    const std::string exchange =
        QDir(QString::fromStdString(c.folder)).filePath(QLatin1String(exchangeFileName)).toStdString();
    if (exchangeFileUnprocessed(c.folder) || !fileExists(exchange))
        return code;
    const std::string out =
        c.out ? *c.out : QDir(QString::fromStdString(c.folder)).filePath(QStringLiteral("jwc_temp.png")).toStdString();
    const int drawn = renderFile(RenderCommand{exchange, out, std::nullopt});
    return code != 0 ? code : drawn;
}

int writeModeBatches(const QStringList& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: tagler-host write-batches DIR\n";
        return 2;
    }
    const QDir dir(args.front());
    if (!dir.mkpath(QStringLiteral(".")))
        fail(ErrorKind::InputOutput, "cannot create folder " + args.front().toStdString());
    for (int m = 0; m < kSessionModeCount; ++m) {
        const auto mode = static_cast<SessionMode>(m);
        const std::string path = dir.filePath(QString::fromUtf8(traits(mode).batchFile)).toStdString();
        writeText(path, {modeBatchText(mode)});
        std::cout << "tagler-host: wrote " << path << "\n";
    }
    return 0;
}

int checkBatchFiles(const QStringList& files)
{
    if (files.isEmpty()) {
        std::cerr << "usage: tagler-host check-batch FILE...\n";
        return 2;
    }
    int failed = 0;
    for (const QString& file : files) {
        const std::string path = file.toStdString();
        std::vector<std::string> faults;
        try {
            faults = checkBatch(readBytes(path));
        } catch (const Error& e) {
            faults = {e.what()};
        }
        for (const std::string& fault : faults)
            std::cout << path << ": " << fault << "\n";
        if (faults.empty())
            std::cout << path << ": ok\n";
        failed += faults.empty() ? 0 : 1;
    }
    return failed == 0 ? 0 : 1;
}

} // namespace tagler::host
