#include "app/ProgramArguments.h"

#include <QCommandLineParser>

namespace tagler {

namespace {

// What QGuiApplication and QApplication take from a command line; the ones without a value
// are flags.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qmljsdebugger", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",      "style",
    "stylesheet",
};
constexpr const char* kQtFlags[] = {"reverse", "nograb", "dograb", "widgetcount"};

void addHidden(QCommandLineParser& parser, const char* name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

ProgramArguments parseProgramArguments(const QStringList& args)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : kQtOptionsWithValue)
        addHidden(parser, name, true);
    for (const char* name : kQtFlags)
        addHidden(parser, name, false);

    ProgramArguments p;
    if (!parser.parse(QStringList{QStringLiteral("tagler")} + args)) {
        p.usageError = parser.errorText().toStdString();
        return p;
    }
    p.help = parser.isSet(help);
    p.version = parser.isSet(version);
    const QStringList words = parser.positionalArguments();
    if (!words.isEmpty()) {
        const std::string word = words[0].toStdString();
        p.mode = sessionModeFromArgument(word);
        if (p.mode == SessionMode::normal)
            p.notice = "'" + word + "' is no mode; starting in the normal mode";
    }
    if (words.size() > 1)
        p.usageError = "unexpected argument " + words[1].toStdString();
    return p;
}

} // namespace tagler
