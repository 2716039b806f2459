#pragma once
// Shared by the window tests (header only: every .cpp here is its own binary).
#include "app/Prompts.h"
#include "app/Session.h"
#include "base/Clock.h"
#include "base/CodePage.h"
#include "base/LineFile.h"
#include "settings/SessionMode.h"
#include "ui/Choosers.h"
#include "ui/MainWindow.h"
#include "ui/QtImeControl.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <string>
#include <vector>

namespace tagler::test {

struct Shown {
    enum Kind { information, warning, question } kind;
    std::string text;
};

class RecordingPrompts final : public Prompts {
public:
    void information(const std::string& t) override { shown.push_back({Shown::information, t}); }
    void warning(const std::string& t) override { shown.push_back({Shown::warning, t}); }
    bool question(const std::string& t) override
    {
        shown.push_back({Shown::question, t});
        return answer;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return std::nullopt; }

    bool saw(const std::string& text) const
    {
        for (const Shown& s : shown)
            if (s.text == text)
                return true;
        return false;
    }

    std::vector<Shown> shown;
    bool answer = false;
};

class ScriptedChoosers final : public Choosers {
public:
    std::optional<QString> chooseFont(const QString& initial) override
    {
        fontAsked.push_back(initial);
        return font;
    }
    std::optional<QColor> chooseColour(const QColor&) override
    {
        ++coloursAsked;
        return colour;
    }
    std::optional<QString> font;
    std::optional<QColor> colour;
    std::vector<QString> fontAsked;
    int coloursAsked = 0;
};

// The header the host writes before starting the program, by line position.
inline Lines hostHeader(SessionMode mode = SessionMode::normal)
{
    Lines l{"hq",
            "hk 0",
            "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
            "hcw 2 2.5 3 4 5 6 7 8 9 10",
            "hch 2 2.5 3 4 5 6 7 8 9 10",
            "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
            "hcc      1      1      2      2      3      3      4      4      5      5",
            "hn 0 0 100 100"};
    if (mode == SessionMode::textMode) {
        l.insert(l.end(), {"hp1 0 0", "hp2 40 10"});
    } else if (mode == SessionMode::fourPoint) {
        l.insert(l.end(), {"hp1 0 0", "hp4 5 5", "hp2 10 10", "hp3 40 10"});
    } else if (mode == SessionMode::normal) {
        l.insert(l.end(), {"hp1 0 0", "hp2 10 10", "hp3- 40 10"});
    }
    l.insert(l.end(), {"lg0", "ly0", "lc1", "lt1", "cn1", sjis("cn\"$<ＭＳ ゴシック>"), "#"});
    return l;
}

// A fresh start folder with the default data files of a new install.
class StartFolder {
public:
    StartFolder()
    {
        const QDir data(QStringLiteral(TAGLER_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir_.filePath(name));
    }
    std::string path() const { return dir_.path().toStdString(); }
    std::string file(const std::string& name) const { return path() + "/" + name; }
    void write(const std::string& name, const Lines& lines) const { writeLines(file(name), lines); }
    Lines read(const std::string& name) const { return readLines(file(name)); }
    bool exists(const std::string& name) const { return fileExists(file(name)); }
    QByteArray bytes(const std::string& name) const
    {
        QFile f(QString::fromStdString(file(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void remove(const std::string& name) const { QFile::remove(QString::fromStdString(file(name))); }

private:
    QTemporaryDir dir_;
};

// Key presses carrying text beyond Latin-1, as a keyboard layout sends them.
inline void typeText(QWidget* w, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

inline const LocalDateTime kTestTime{2024, 5, 6, 7, 8, 9, 2};

// The window over a session in folder, built the way the program builds it.
struct WindowUnderTest {
    explicit WindowUnderTest(const StartFolder& folder, SessionMode mode = SessionMode::normal)
        : session(folder.path(), mode, prompts, clock), window(session, ime, choosers)
    {
    }
    const MainControls& c() const { return window.controls(); }
    AnnotationSettings& settings() { return session.settings(); }

    RecordingPrompts prompts;
    FixedClock clock{kTestTime};
    QtImeControl ime;
    ScriptedChoosers choosers;
    Session session;
    MainWindow window;
};

} // namespace tagler::test
