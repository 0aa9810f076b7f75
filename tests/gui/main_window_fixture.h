#pragma once

// What the main window's tests share: a window with its own temporary data directory,
// everything it shows as one readable text, the question dialog answered and the query log
// read back.

#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "tests/platform/gui_test_support.h"
#include "text/reading_text.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

namespace zandrel::test {

// The image buttons, in the order the snapshot lists them.
inline constexpr int kImages[] = {
    IDC_OUTER_IMAGE,         IDC_INNER_IMAGE,         IDC_OUTER_SMALL,       IDC_INNER_SMALL,
    IDC_NUCLEAR_UPPER_SMALL, IDC_NUCLEAR_LOWER_SMALL, IDC_FINAL_OUTER_SMALL, IDC_FINAL_INNER_SMALL};
// The label buttons, likewise.
inline constexpr int kLabels[] = {IDC_OUTER_ROLE,
                                  IDC_INNER_ROLE,
                                  IDC_OUTER_ELEMENT,
                                  IDC_INNER_ELEMENT,
                                  IDC_NUCLEAR_UPPER_ELEMENT,
                                  IDC_NUCLEAR_LOWER_ELEMENT,
                                  IDC_FINAL_OUTER_ELEMENT,
                                  IDC_FINAL_INNER_ELEMENT,
                                  IDC_ORIGINAL_NUMBER,
                                  IDC_CHANGE_LINE_NUMBER,
                                  IDC_FINAL_NUMBER};
inline constexpr int kLists[] = {IDC_YEAR, IDC_MONTH, IDC_DAY, IDC_PERIOD};

// Everything the window shows of a reading, and the blocks it keeps, as one readable text: for
// telling that nothing changed.
QString Snapshot(const CMainDlg& window);

// The facts of the display one by one, so that a failure names the element that differs.
// The bitmaps the image buttons show, in kImages order.
QList<int> Images(const CMainDlg& window);
// The texts of the label buttons, in kLabels order.
QStringList Labels(const CMainDlg& window);
// The ids of the checked line markers.
QList<int> CheckedMarkers(const CMainDlg& window);
// The entries the four lists show.
QStringList ListEntries(const CMainDlg& window);

// The display before the first reading.
inline const QList<int> kEmptyImages{144, 144, 142, 142, 142, 142, 142, 142};
inline const QStringList kEmptyLabels(11);

// A temporary data directory, the program's only place for files, whose files a test writes
// and reads by name.
class DataFolder {
public:
    QString Path() const { return directory_.path(); }
    QStringList Files() const { return QDir(directory_.path()).entryList(QDir::Files); }

    // A test cannot go on without the file it sets up, so a failure ends the program.
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    // Nothing when the file cannot be read.
    std::optional<QByteArray> ReadFile(const QString& name) const;

private:
    QTemporaryDir directory_;
};

// A main window over a session of its own temporary data directory, in English unless told
// otherwise, by default started without the splash's wait.
class MainWindow : public DataFolder {
public:
    explicit MainWindow(bool realClock = false) : MainWindow(Language::English, realClock) {}
    explicit MainWindow(Language language, bool realClock = false)
        : MainWindow(Vocabulary::Of(language), realClock) {}
    // In `words`, which outlive it.
    explicit MainWindow(const Vocabulary& words, bool realClock = false)
        : ticks_(realClock ? nullptr : std::make_unique<SteppingTickCount>(5000)),
          session(Path().toStdString(), words) {}

    CMainDlg& Start() {
        window.Create();
        if (!QTest::qWaitForWindowActive(&window)) {
            qFatal("the main window did not become active");
        }
        return window;
    }

private:
    std::unique_ptr<SteppingTickCount> ticks_;

public:
    Session session;
    CMainDlg window{session};
};

// The reading text the window composes for this reading from its own texts.
ReadingText ReadingTextOf(const CMainDlg& window, int outer, int inner, int changeLine);

// Answers the next question dialog with `text` (typed, then Enter), or cancels it (Escape).
std::shared_ptr<WhenModal> AnswerQuestion(std::optional<QString> text);

// Replaces what an edit box holds with `text`, typed.
void Retype(CEdit* box, const QString& text);

// In the traditional time query that opens next: types the date and the time, presses
// "Cast..." and answers the question.
std::shared_ptr<WhenModal> CastInDialog(const QString& date, const QString& time,
                                        const QString& question);

// In the cast from counts that opens next: chooses the method (its index in the list: numbers,
// characters, trigrams), types what is counted, the counts given, the date and the time, presses
// "Cast..." and answers the question.
struct CountCastEntry {
    int method = 0;
    QString input;
    QString counts;
    QString date;
    QString time;
    QString question;
};
std::shared_ptr<WhenModal> CastFromCounts(const CountCastEntry& entry);

// Chooses entry `index` of a drop-down list as a user does, telling its dialog.
void ChooseEntry(CDialog& dialog, int id, int index);

// The query log in `folder`, empty when there is none.
QByteArray ReadLog(const DataFolder& folder);

// The entries of a log, each without its header line. Each header's time text is checked on
// the way: an entry under a header that does not match stays part of the entry before.
QList<QByteArray> LogEntries(const QByteArray& log);

// The entry the log must hold for this question and reading, apart from its header.
QByteArray LogEntryBody(const std::string& question, const ReadingText& text);

} // namespace zandrel::test
