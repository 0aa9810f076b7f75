#include "tests/gui/window_walk.h"

#include "gui/about_dlg.h"
#include "gui/case_book_dlg.h"
#include "gui/count_cast_dlg.h"
#include "gui/hex_text_dlg.h"
#include "gui/log_dlg.h"
#include "gui/manage_text_dlg.h"
#include "gui/query_dlg.h"
#include "gui/reading_details_dlg.h"
#include "gui/traditional_dlg.h"

#include "app/question.h"

#include <QDir>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>

namespace zandrel::test {

QStringList ReadableTexts(CDialog& dialog) {
    QStringList texts;
    const auto add = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty()) {
            texts << where + "\t" + text;
        }
    };
    add("title", dialog.windowTitle());
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        const QString id = widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            add(id, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add(id, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add(id, group->title());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                add(id, list->itemText(i));
            }
        }
        add(id + " tooltip", widget->toolTip());
    }
    if ((dialog.Template().styles & kSysMenu) != 0) {
        for (const QAction* action : dialog.GetSystemMenu()->actions()) {
            add("system menu", action->text());
        }
    }
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node == nullptr) {
            return;
        }
        const QObject* object = node->object();
        const QString of = object != nullptr && !object->objectName().isEmpty()
                               ? " of " + object->objectName()
                               : QString();
        add("accessible name" + of, node->text(QAccessible::Name));
        add("accessible description" + of, node->text(QAccessible::Description));
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(&dialog));
    return texts;
}

namespace {

// What the walk types into the cast from counts: each method with its rules and arithmetic, the
// longest of them, and a complaint.
struct CountState {
    int method;
    const char* input;
    const char* counted;
};
constexpr CountState kCountStates[] = {
    {0, "999999999 999999999", ""},  {0, "999999999", ""}, {0, "999999999 999999999 1", ""},
    {1, "天地人 and more", "地=12"}, {1, "逃", ""},        {1, "一二三四五六七八九十百千", ""},
    {2, "south north", ""},          {2, "離 坎 2", ""},   {0, "27 0", ""},
};

} // namespace

QStringList TypedInWalk() {
    QStringList typed;
    for (const CountState& state : kCountStates) {
        for (const QString& text :
             {QString::fromUtf8(state.input), QString::fromUtf8(state.counted)}) {
            for (const QChar c : text) {
                typed << QString(c);
            }
            typed << text.split(' ', Qt::SkipEmptyParts);
        }
    }
    return typed;
}

void VisitEveryWindow(MainWindow& fixture,
                      const std::function<void(CDialog& dialog, const QString& state)>& visit) {
    CMainDlg& window = fixture.window;
    visit(window, "main window before the first reading");
    window.ShowReading(kOuter, kInner, kChangeLine);
    visit(window, "main window with a reading");

    for (const int id : {IDD_ABOUTBOX, IDD_SPLASH}) {
        CAboutDlg about(id, &window);
        about.Create();
        visit(about, id == IDD_ABOUTBOX ? "about box" : "splash");
        about.DestroyWindow();
    }
    {
        CQueryDlg query(&window);
        query.Create();
        visit(query, "question");
        query.DestroyWindow();
    }
    {
        // An older log, whose place the viewer's first line tells.
        fixture.WriteFile("auvrel.log.1", "");
        CLogDlg viewer(fixture.Path().toStdString(), Vocabulary::Of(window.Texts().language),
                       &window);
        viewer.Create();
        visit(viewer, "log viewer");
        viewer.DestroyWindow();
    }
    {
        CHexTextDlg browser(window.Texts(), &window);
        browser.Create();
        browser.SendCommand(IDC_HEXAGRAM1);
        visit(browser, "text browser");
        browser.DestroyWindow();
    }
    {
        TextStore store = window.Texts();
        CManageTextDlg editor(store, fixture.session.Words(), &window);
        editor.Create();
        visit(editor, "editor");
        editor.DestroyWindow();
    }
    {
        // The lunar date of a leap month at the longest hour, then each complaint of a wrong
        // input, in the two lines the dialog has for them.
        CTraditionalDlg query(fixture.session.Words(), {2023, 4, 1}, {23, 30}, &window);
        query.Create();
        visit(query, "traditional time query 2023-04-01 23:30");
        for (const auto& [date, time] : {std::pair{"2023-02-30", "23:30"},
                                         {"1997-12-31", "23:30"},
                                         {"2023-13-01", "23:30"},
                                         {"2023/04/01", "23:30"},
                                         {"2023-04-01", "25:00"}}) {
            query.SetDlgItemText(IDC_CIVIL_DATE, date);
            query.SetDlgItemText(IDC_CLOCK_TIME, time);
            QVERIFY(!query.GetDlgItemText(IDC_LUNAR_DATE).empty());
            visit(query, QStringLiteral("traditional time query %1 %2").arg(date, time));
        }
        query.DestroyWindow();
    }
    {
        CCountCastDlg counts(fixture.session.Words(), {2023, 4, 1}, {23, 30}, &window);
        counts.Create();
        for (const CountState& state : kCountStates) {
            counts.DlgItem<CComboBox>(IDC_COUNT_METHOD)->SetCurSel(state.method);
            counts.SendCommand(IDC_COUNT_METHOD, CBN_SELCHANGE);
            counts.SetDlgItemText(IDC_COUNT_INPUT, state.input);
            counts.SetDlgItemText(IDC_COUNT_STROKES, state.counted);
            QVERIFY(!counts.GetDlgItemText(IDC_COUNT_ARITHMETIC).empty());
            visit(counts,
                  QStringLiteral("cast from counts %1").arg(QString::fromUtf8(state.input)));
        }
        counts.DestroyWindow();
    }
    {
        // The case book with a record of a logged cast, selected.
        window.ShowReading(kOuter, kInner, kChangeLine);
        window.WriteLogEntry();
        fixture.session.FlushCaseBook();
        window.SendSysCommand(IDM_CASE_BOOK);
        CCaseBookDlg* book = window.CaseBookWindow();
        QVERIFY(book != nullptr && !book->SelectedId().empty());
        visit(*book, "case book");
        book->DestroyWindow();
    }
    {
        // The details of a traditional cast, whose pillars and solar term they show.
        std::optional<CastResult> cast =
            fixture.session.Cast(Traditional{{2023, 3, 22}, 7, ClockTime{12, 0}}, "details");
        QVERIFY(cast.has_value());
        CReadingDetailsDlg details(fixture.session, &window);
        details.Create();
        details.ShowCast(cast);
        visit(details, "reading details");
        details.DestroyWindow();
    }
}

void ShowEveryMessageBox(MainWindow& fixture, std::vector<MessageBoxRequest>* asked) {
    CMainDlg& window = fixture.window;
    const QDir folder(fixture.Path());
    // Deleting the log: no, then yes (and its failure), the entry's failure, the editor's
    // update and restore, and yes to restoring all; every later box is answered OK.
    MessageBoxAnswers answers({IDNO, IDYES, IDOK, IDOK, IDOK, IDOK, IDYES});

    window.SendCommand(IDC_DELETE_LOG);
    // A folder in the log's place: deleting it and writing an entry both fail.
    folder.mkdir("auvrel.log");
    window.SendCommand(IDC_DELETE_LOG);
    window.ShowReading(kOuter, kInner, kChangeLine);
    window.WriteLogEntry();
    folder.rmdir("auvrel.log");

    auto edit = WhenModal::Act<CManageTextDlg>([&folder](CManageTextDlg* editor) {
        editor->SetDlgItemText(IDC_CUSTOM_TITLE, "x");
        editor->SendCommand(IDC_UPDATE_TEXT);
        editor->SendCommand(IDC_RESTORE_TEXT);
        editor->SendCommand(IDC_RESTORE_ALL_TEXT);
        editor->SetDlgItemText(IDC_CUSTOM_TITLE, std::string(kMaxCustomTextBytes + 1, 'x'));
        editor->SendCommand(IDC_UPDATE_TEXT);
        // A folder in the place of the file Close writes.
        editor->SetDlgItemText(IDC_CUSTOM_TITLE, "x");
        editor->SendCommand(IDC_UPDATE_TEXT);
        folder.mkdir("custom1.txt");
        editor->SendCommand(IDOK);
        folder.rmdir("custom1.txt");
        editor->SendCommand(IDCANCEL);
    });
    window.SendCommand(IDC_MANAGE_TEXT);
    QVERIFY(edit->Fired());

    {
        // The dialog's own limit keeps a longer question from being typed; its check stays.
        CQueryDlg query(&window);
        query.Create();
        CDataExchange exchange{query, true};
        DDV_MaxChars(exchange, std::string(kMaxQuestionCharacters + 1, 'x'),
                     kMaxQuestionCharacters);
        query.DestroyWindow();
    }
    *asked = answers.Requests();
    QCOMPARE(asked->size(), std::size_t{12});
}

} // namespace zandrel::test
