#pragma once
// Shared by the window tests (header only: every .cpp here is its own binary).
#include "app/Session.h"
#include "base/Clock.h"
#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"
#include "ui/Choosers.h"
#include "ui/MainWindow.h"
#include "ui/QtImeControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <string>
#include <vector>

namespace tagler::test {

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

// Key presses carrying text beyond Latin-1, as a keyboard layout sends them.
inline void typeText(QWidget* w, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

inline const LocalDateTime kTestTime{2024, 5, 6, 7, 8, 9, 2};

// The window over a session in folder, built the way the program builds it.
struct WindowUnderTest {
    explicit WindowUnderTest(const Folder& folder, SessionMode mode = SessionMode::normal)
        : session(folder.path(), mode, prompts, clock), window(session, ime, choosers)
    {}
    const MainControls& c() const { return window.controls(); }
    AnnotationSettings& settings() { return session.settings(); }
    // On screen, as a drafter first sees it: QVERIFY(w.shown()).
    [[nodiscard]] bool shown()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    RecordingPrompts prompts;
    FixedClock clock{kTestTime};
    QtImeControl ime;
    ScriptedChoosers choosers;
    Session session;
    MainWindow window;
};

} // namespace tagler::test
