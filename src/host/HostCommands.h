#pragma once
#include <QStringList>

#include <string>

// tagler-host's commands: new, select, run, render, gallery.
namespace tagler::host {

// Drawing commands paint text and need a QGuiApplication; the others do not.
bool commandNeedsGui(const QString& command);

// args: the command and its arguments. binFolder holds the program; the default
// data files are beside it or, installed, in ../share/tagler. Returns the process exit code; messages go to
// stdout and stderr.
int runHostCommand(const QStringList& args, const std::string& binFolder);

} // namespace tagler::host
