#pragma once

// What the language tests share: what a user reads of a window, and every window, state and
// message box of the program, shown over a started main window in the words of its session.

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "tests/gui/main_window_fixture.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace zandrel::test {

// A reading of every relation to the body: the body Earth (艮 inner, the change line in the
// outer trigram), the use Wood (巽), the nuclear Fire and Water, the final Metal and Earth.
inline constexpr int kOuter = 5;
inline constexpr int kInner = 7;
inline constexpr int kChangeLine = 4;

// What a user reads of `dialog` and its controls: window title, captions, list entries and
// tooltips, the system menu, and every name and description of its accessible tree, each as
// where it was found, a tab, and the text.
QStringList ReadableTexts(CDialog& dialog);

// Shows every window of the program in each state worth reading and hands each to `visit`
// with the name of the state: the main window before and after a reading of kOuter, kInner
// and kChangeLine, the about box and the splash, the question dialog, the log viewer with an
// older log, the text browser, the editor, and the traditional time query at the longest hour
// of a leap month and with each complaint of a wrong input, the cast from counts by each
// method, and the case book with the record of a logged cast. `fixture` has been started.
void VisitEveryWindow(MainWindow& fixture,
                      const std::function<void(CDialog& dialog, const QString& state)>& visit);

// What the walk types into the windows, as whole texts, words and single characters: a window
// may show them as they were typed.
QStringList TypedInWalk();

// Shows every message box the window and its dialogs show, each answered so that the next can
// come, and keeps what they asked in *asked: deleting the log, refused and failing; a log
// entry that cannot be written; the editor's update, restore, restore all, a text too long and
// a close whose file cannot be written; a question longer than the dialog takes. `fixture` has
// been started and holds no file in the way.
void ShowEveryMessageBox(MainWindow& fixture, std::vector<MessageBoxRequest>* asked);

} // namespace zandrel::test
