// The cast from counts in the window: its dialog (the arithmetic following what is typed, the
// rules offered for the method and what was typed, what cannot be cast refused with one line),
// how it is opened, in Chinese, and the cast it makes with its log entry.

#include "gui/count_cast_dlg.h"
#include "gui/language_session.h"
#include "gui/query_dlg.h"
#include "res/trigram_bitmaps.h"
#include "tests/gui/main_window_fixture.h"

#include <QMenu>

using namespace zandrel;
using namespace zandrel::test;

namespace {

QString Shown(const CCountCastDlg& dialog) {
    return QString::fromStdString(dialog.GetDlgItemText(IDC_COUNT_ARITHMETIC));
}

QStringList Rules(const CCountCastDlg& dialog) {
    QStringList rules;
    const auto* list = dialog.DlgItem<CComboBox>(IDC_COUNT_RULE);
    for (int i = 0; i < list->count(); ++i) {
        rules << QString::fromStdString(list->ItemText(i));
    }
    return rules;
}

} // namespace

class CountCastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void arithmeticFollowsWhatIsTyped();
    void rulesFollowTheMethodAndWhatIsTyped();
    void speaksChinese();
    void systemMenuAndShortcutOpenIt();
    void castShowsAndLogsTheReading();
};

void CountCastTest::arithmeticFollowsWhatIsTyped() {
    CCountCastDlg dialog(Vocabulary::Of(Language::English), {2024, 2, 10}, {12, 0});
    dialog.Create();
    auto* input = dialog.DlgItem<CEdit>(IDC_COUNT_INPUT);
    auto* counts = dialog.DlgItem<CEdit>(IDC_COUNT_STROKES);
    QCOMPARE(dialog.focusWidget(), input);
    QVERIFY(!counts->isEnabled());
    const struct {
        int method;
        const char* input;
        const char* counts;
        const char* shown;
        bool castable;
    } steps[] = {
        {0, "", "", "give one, two or three numbers", false},
        {0, "27 15", "",
         "outer 27 mod 8 = 3 Fire; inner 15 mod 8 = 7 Mountain; change line (27 + 15) mod 6 = 0 "
         "→ 6",
         true},
        {0, "27 0", "", "'0' is not a whole number from 1 to 999999999", false},
        {0, "16", "",
         "outer 16 mod 8 = 0 → 8 Earth; inner hour 午 7 mod 8 = 7 Mountain; change line (16 + hour "
         "午 7) mod 6 = 5",
         true},
        {1, "天地人!", "",
         "天 4  地 6  人 2; left out: !\n"
         "outer 4 mod 8 = 4 Thunder; inner 8 mod 8 = 0 → 8 Earth; change line (4 + 8) mod 6 = 0 → "
         "6",
         true},
        {1, "今日", "日=5",
         "今 4  日 5\n"
         "outer 4 mod 8 = 4 Thunder; inner 5 mod 8 = 5 Wind; change line (4 + 5) mod 6 = 3",
         true},
        {1, "今日", "日=five",
         "今 4  日 4\n'日=five' is not a count: write it as 字=6, or 字=3+3 for one character's "
         "two parts",
         false},
        {1, "hello", "", "there is no Chinese character to count", false},
        {2, "south north", "",
         "outer 3 mod 8 = 3 Fire; inner 6 mod 8 = 6 Water; change line (3 + 6 + hour 午 7) mod 6 = "
         "4",
         true},
        {2, "south up", "", "'up' is not a trigram: give 1 to 8, a name or a direction", false},
    };
    for (const auto& step : steps) {
        ChooseEntry(dialog, IDC_COUNT_METHOD, step.method);
        QCOMPARE(counts->isEnabled(), step.method == 1);
        Retype(input, QString::fromUtf8(step.input));
        if (step.method == 1) {
            Retype(counts, QString::fromUtf8(step.counts));
        }
        QCOMPARE(Shown(dialog), QString::fromUtf8(step.shown));
        QCOMPARE(dialog.GetDlgItem(IDOK)->isEnabled(), step.castable);
        const auto overflowing = OverflowingCaptions(dialog);
        QVERIFY2(overflowing.empty(), overflowing.empty() ? "" : overflowing.front().c_str());
    }
    // A time that is no time is refused like the traditional time query's.
    ChooseEntry(dialog, IDC_COUNT_METHOD, 0);
    Retype(input, QStringLiteral("27 15"));
    Retype(dialog.DlgItem<CEdit>(IDC_CLOCK_TIME), QStringLiteral("25:00"));
    QCOMPARE(Shown(dialog),
             QStringLiteral("'25:00' is not a time: write it as HH:MM, from 00:00 to 23:59."));
    QVERIFY(!dialog.GetDlgItem(IDOK)->isEnabled());
}

// The rule list offers the rules of the method for what was typed, the most used first, and
// keeps the one the user chose while it applies.
void CountCastTest::rulesFollowTheMethodAndWhatIsTyped() {
    CCountCastDlg dialog(Vocabulary::Of(Language::English), {2024, 2, 10}, {12, 0});
    dialog.Create();
    auto* input = dialog.DlgItem<CEdit>(IDC_COUNT_INPUT);
    Retype(input, QStringLiteral("27"));
    QCOMPARE(Rules(dialog),
             QStringList({"outer from the number, inner from the hour, line from both",
                          "outer from the number, inner and line from it and the hour"}));
    ChooseEntry(dialog, IDC_COUNT_RULE, 1);
    QCOMPARE(Shown(dialog),
             QStringLiteral("outer 27 mod 8 = 3 Fire; inner (27 + hour 午 7) mod 8 = 2 "
                            "Lake; change line (27 + hour 午 7) mod 6 = 4"));
    Retype(input, QStringLiteral("27 15"));
    QCOMPARE(Rules(dialog).size(), 2);
    QCOMPARE(dialog.DlgItem<CComboBox>(IDC_COUNT_RULE)->GetCurSel(), 0);
    ChooseEntry(dialog, IDC_COUNT_RULE, 1);
    Retype(input, QStringLiteral("27 16"));
    QCOMPARE(dialog.DlgItem<CComboBox>(IDC_COUNT_RULE)->GetCurSel(), 1); // still applies
    QVERIFY(Shown(dialog).endsWith(QStringLiteral("change line (27 + 16 + hour 午 7) mod 6 = 2")));

    ChooseEntry(dialog, IDC_COUNT_METHOD, 2);
    Retype(input, QStringLiteral("1 2"));
    QCOMPARE(Rules(dialog), QStringList{"line from the two trigrams' numbers and the hour"});
    QVERIFY(!dialog.GetDlgItem(IDC_COUNT_RULE)->isEnabled()); // nothing to choose
    Retype(input, QStringLiteral("1 2 3"));
    QCOMPARE(Rules(dialog), QStringList{"line as given"});
}

void CountCastTest::speaksChinese() {
    for (const Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const LanguageSession session(language);
        MainWindow fixture(language);
        CMainDlg& window = fixture.Start();
        QString shown;
        QString title;
        auto act = WhenModal::Act<CCountCastDlg>([&](CCountCastDlg* dialog) {
            Retype(dialog->DlgItem<CEdit>(IDC_COUNT_INPUT), QStringLiteral("27 15"));
            Retype(dialog->DlgItem<CEdit>(IDC_CLOCK_TIME), QStringLiteral("12:00"));
            shown = Shown(*dialog) + "|" + Rules(*dialog).join('|');
            title = dialog->windowTitle();
            const auto overflowing = OverflowingCaptions(*dialog);
            QVERIFY2(overflowing.empty(), overflowing.empty() ? "" : overflowing.front().c_str());
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        });
        window.SendSysCommand(IDM_COUNT_CAST);
        QVERIFY(act->Fired());
        if (language == Language::SimplifiedChinese) {
            QCOMPARE(title, QStringLiteral("数字·文字·卦象起卦"));
            QCOMPARE(shown, QStringLiteral("上卦 27 ÷ 8 余 3 离；下卦 15 ÷ 8 余 7 艮；动爻 (27 + "
                                           "15) ÷ 6 余 0 → 6|两数之和取动爻|两数之和加时取动爻（"
                                           "如丈尺占）"));
        } else {
            QCOMPARE(title, QStringLiteral("數字·文字·卦象起卦"));
            QCOMPARE(shown, QStringLiteral("上卦 27 ÷ 8 餘 3 離；下卦 15 ÷ 8 餘 7 艮；動爻 (27 + "
                                           "15) ÷ 6 餘 0 → 6|兩數之和取動爻|兩數之和加時取動爻（"
                                           "如丈尺占）"));
        }
    }
}

void CountCastTest::systemMenuAndShortcutOpenIt() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const QList<QAction*> items = window.GetSystemMenu()->actions();
    QCOMPARE(items[8]->text(), QStringLiteral("Cast from &Counts...\tCtrl+K"));
    QCOMPARE(items[8]->data().toInt(), IDM_COUNT_CAST);
    for (const bool shortcut : {true, false}) {
        auto act = WhenModal::Act<CCountCastDlg>(
            [](CCountCastDlg* dialog) { QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape); });
        if (shortcut) {
            QTest::keyClick(window.focusWidget(), Qt::Key_K, Qt::ControlModifier);
        } else {
            items[8]->trigger();
        }
        QVERIFY2(act->Fired(), shortcut ? "Ctrl+K" : "menu");
    }
    QVERIFY(fixture.Files().isEmpty());

    // Not while a general query is under way.
    auto answer = AnswerQuestion(QStringLiteral("first"));
    window.SendCommand(IDC_INNER_TRIGRAM);
    QVERIFY(answer->Fired());
    QVERIFY(!window.SystemMenuItem(IDM_COUNT_CAST)->isEnabled());
    const auto forbidden = WhenModal::Forbid<CCountCastDlg>();
    QTest::keyClick(window.focusWidget(), Qt::Key_K, Qt::ControlModifier);
    window.SendSysCommand(IDM_COUNT_CAST);
    window.SendCommand(IDC_OUTER_TRIGRAM);
    window.SendCommand(IDC_CHANGE_LINE);
    QVERIFY(window.SystemMenuItem(IDM_COUNT_CAST)->isEnabled());
}

// 27 and 15 give 离 over 艮, 旅 (56), moving in the sixth line to 小过 (62).
void CountCastTest::castShowsAndLogsTheReading() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    QWidget* focus = window.GetDlgItem(IDC_VIEW_LOG);
    focus->setFocus();
    auto cast = CastFromCounts({0, "27 15", "", "2024-02-10", "12:00", "Will it rain?"});
    window.SystemMenuItem(IDM_COUNT_CAST)->trigger();
    QVERIFY(cast->Fired());
    QCOMPARE(window.Question(), std::string("Will it rain?"));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_OUTER_IMAGE)->BitmapId(), LargeTrigramBitmap(3));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_INNER_IMAGE)->BitmapId(), LargeTrigramBitmap(7));
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::string("56"));
    QCOMPARE(window.GetDlgItemText(IDC_FINAL_NUMBER), std::string("62"));
    QVERIFY(window.IsDlgButtonChecked(IDC_LINE6));
    QCOMPARE(window.focusWidget(), focus);
    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0], LogEntryBody("Will it rain?", ReadingTextOf(window, 3, 7, 6)));
}

QTEST_MAIN(CountCastTest)
#include "count_cast_test.moc"
