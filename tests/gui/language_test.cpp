// Every window of the program in every language it speaks: no caption, list entry or label cut
// off or too big for its control, and in Chinese nothing that a user reads left in English, be
// it a widget's text, a tooltip, a menu item, a message box or what assistive technology
// reads; with the Chinese names of the method where the method has them.

#include "app/file_error_message.h"
#include "app/reading_words.h"
#include "core/reading.h"
#include "gui/about_dlg.h"
#include "gui/language_session.h"
#include "gui/log_dlg.h"
#include "gui/resource.h"
#include "log/query_log.h"
#include "platform/message_box.h"
#include "tests/gui/window_walk.h"
#include "text/names.h"

#include <QAccessible>
#include <QFile>
#include <QRegularExpression>

#include <memory>

using namespace zandrel;
using namespace zandrel::test;

namespace {

// English words in a text, leaving out the names and notations that every language writes
// alike.
QStringList EnglishWords(QString text) {
    static const QRegularExpression kept(QStringLiteral(
        "Zandrel|Auvrel|GNU "
        "GPL|auvrel\\.log|custom\\d+\\.txt|YYYY-MM-DD|HH:MM|Alt\\+F4|Ctrl\\+[TKDB]"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    text.remove(kept);
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        words << match.next().captured();
    }
    return words;
}

// The failures of one window in one language: what does not fit, and in Chinese what is left
// in English.
QStringList Faults(CDialog& dialog, Language language) {
    QStringList faults;
    for (const std::string& overflowing : OverflowingCaptions(dialog)) {
        faults << "cut off: " + QString::fromStdString(overflowing);
    }
    if (language != Language::English) {
        for (const QString& text : ReadableTexts(dialog)) {
            if (!EnglishWords(text.section(QLatin1Char('\t'), 1)).isEmpty()) {
                faults << "in English: " + text;
            }
        }
    }
    return faults;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }
    void cleanup() { SetMessageBoxAnswerer({}); }

    void everyWindowFitsAndSpeaksTheLanguage_data();
    void everyWindowFitsAndSpeaksTheLanguage();
    void messageBoxesSpeakTheLanguage_data();
    void messageBoxesSpeakTheLanguage();
    void elementLabelsNameTheRelationToTheBody_data();
    void elementLabelsNameTheRelationToTheBody();
    void aboutBoxAndLogViewerSpeakTheLanguage_data();
    void aboutBoxAndLogViewerSpeakTheLanguage();
    void chineseNamesComeFromTheClassicalData();
    void qtsOwnWordsAreTranslated();
    void englishIsTheDefaultAndComesBack();
};

void LanguageTest::everyWindowFitsAndSpeaksTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("en") << Language::English;
    QTest::newRow("zh_CN") << Language::SimplifiedChinese;
    QTest::newRow("zh_TW") << Language::TraditionalChinese;
}

void LanguageTest::everyWindowFitsAndSpeaksTheLanguage() {
    QFETCH(Language, language);
    const LanguageSession session(language);
    QVERIFY(session.Complete());

    MainWindow fixture(language);
    fixture.Start();
    QStringList faults;
    VisitEveryWindow(fixture, [&](CDialog& dialog, const QString& state) {
        for (const QString& fault : Faults(dialog, language)) {
            faults << state + ": " + fault;
        }
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void LanguageTest::messageBoxesSpeakTheLanguage_data() {
    everyWindowFitsAndSpeaksTheLanguage_data();
}

void LanguageTest::messageBoxesSpeakTheLanguage() {
    QFETCH(Language, language);
    const LanguageSession session(language);
    MainWindow fixture(language);
    fixture.Start();
    std::vector<MessageBoxRequest> asked;
    ShowEveryMessageBox(fixture, &asked);
    for (const MessageBoxRequest& request : asked) {
        const QString text = QString::fromStdString(request.text);
        // The file-error box's caption is the program's file name, in every language.
        const QString caption =
            QString::fromStdString(request.caption).remove(QCoreApplication::applicationName());
        QVERIFY(!text.isEmpty() && !request.caption.empty());
        if (language != Language::English) {
            QVERIFY2(EnglishWords(text + " " + caption).isEmpty(),
                     qPrintable(caption + ": " + text));
        }
    }

    // Every cause of a file error; in English exactly the file layer's own text.
    for (int cause = static_cast<int>(FileCause::None);
         cause <= static_cast<int>(FileCause::EndOfFile); ++cause) {
        const std::string name = "/tmp/100% \xff.txt";
        const FileError error{static_cast<FileCause>(cause), name};
        const std::string text = FileErrorMessage(Vocabulary::Of(language), error);
        if (language == Language::English) {
            QCOMPARE(text, error.Message());
        } else {
            const std::size_t at = text.find(name);
            QVERIFY2(error.cause == FileCause::None || at != std::string::npos,
                     "the name goes in as its bytes");
            const std::string words =
                at == std::string::npos ? text : text.substr(0, at) + text.substr(at + name.size());
            QVERIFY2(EnglishWords(QString::fromStdString(words)).isEmpty(), text.c_str());
        }
    }
}

void LanguageTest::elementLabelsNameTheRelationToTheBody_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("tips");
    QTest::addColumn<QString>("announced");
    // In display order: outer (use), inner (body), nuclear upper and lower, final outer and
    // inner.
    QTest::newRow("en") << Language::English << QStringList{"-Wood-",  "(Earth)", "+Fire+",
                                                            "+Water+", "-Metal-", "+Earth+"}
                        << QStringList{"Use controls the body: unfavourable",
                                       "The body: the element the others are judged against",
                                       "Use feeds the body: favourable",
                                       "The body controls use: favourable",
                                       "The body feeds use: unfavourable",
                                       "Same element as the body: favourable"}
                        << "Original hexagram 53, Gradual Progress. Change line 4. Final hexagram "
                           "33, Yielding. Body: inner trigram, Earth. Use: outer trigram, Wood.";
    QTest::newRow("zh_CN")
        << Language::SimplifiedChinese
        << QStringList{"-木-", "(土)", "+火+", "+水+", "-金-", "+土+"}
        << QStringList{"用克体：不利", "体：其余各卦与之论生克", "用生体：有利",
                       "体克用：有利", "体生用：不利",           "比和：有利"}
        << "本卦第53卦风山渐。动爻：六四。变卦第33卦天山遁。体：内卦，土。用：外卦，木。";
    QTest::newRow("zh_TW")
        << Language::TraditionalChinese
        << QStringList{"-木-", "(土)", "+火+", "+水+", "-金-", "+土+"}
        << QStringList{"用克體：不利", "體：其餘各卦與之論生克", "用生體：有利",
                       "體克用：有利", "體生用：不利",           "比和：有利"}
        << "本卦第53卦風山漸。動爻：六四。變卦第33卦天山遯。體：內卦，土。用：外卦，木。";
}

void LanguageTest::elementLabelsNameTheRelationToTheBody() {
    QFETCH(Language, language);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, tips);
    QFETCH(QString, announced);
    const LanguageSession session(language);
    MainWindow fixture(language);
    CMainDlg& window = fixture.Start();
    window.ShowReading(kOuter, kInner, kChangeLine);
    const int ids[] = {IDC_OUTER_ELEMENT,         IDC_INNER_ELEMENT,
                       IDC_NUCLEAR_UPPER_ELEMENT, IDC_NUCLEAR_LOWER_ELEMENT,
                       IDC_FINAL_OUTER_ELEMENT,   IDC_FINAL_INNER_ELEMENT};
    QStringList shown;
    QStringList shownTips;
    QStringList descriptions;
    for (const int id : ids) {
        QWidget* label = window.GetDlgItem(id);
        shown << QString::fromStdString(window.DlgItem<CButton>(id)->GetWindowText());
        shownTips << label->toolTip();
        descriptions << QAccessible::queryAccessibleInterface(label)->text(
            QAccessible::Description);
    }
    QCOMPARE(shown, labels);
    QCOMPARE(shownTips, tips);
    // What a screen reader hears says it too.
    for (int i = 0; i < tips.size(); ++i) {
        if (i != 1) {
            QVERIFY2(descriptions[i].contains(tips[i]), qPrintable(descriptions[i]));
        }
    }
    // And so does the announcement of the reading, with the titles in the language's script.
    QCOMPARE(QString::fromStdString(window.findChild<CAnnouncer*>()->Text()), announced);
    // The numbers' tooltips name the hexagrams and the line where the language names them.
    QStringList numberTips;
    for (const int id : {IDC_ORIGINAL_NUMBER, IDC_CHANGE_LINE_NUMBER, IDC_FINAL_NUMBER}) {
        numberTips << window.GetDlgItem(id)->toolTip();
    }
    const QStringList named =
        language == Language::English
            ? QStringList{"", "", ""}
            : QStringList{QString::fromStdString(HexagramWords(Vocabulary::Of(language), 53)),
                          QString::fromStdString(LineName(language, 53, 4)),
                          QString::fromStdString(HexagramWords(Vocabulary::Of(language), 33))};
    QCOMPARE(numberTips, named);
    if (language == Language::SimplifiedChinese) {
        QCOMPARE(numberTips, (QStringList{"53 风山渐", "六四", "33 天山遁"}));
    }
}

void LanguageTest::aboutBoxAndLogViewerSpeakTheLanguage_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("reply");
    QTest::newRow("en") << Language::English << "[Your query on Friday, December 11, 2026 06:15:00]"
                        << "[Auvrel's reply]";
    QTest::newRow("zh_CN") << Language::SimplifiedChinese
                           << "【提问于 2026年12月11日 星期五 06:15:00】"
                           << "【Auvrel 的回复】";
    QTest::newRow("zh_TW") << Language::TraditionalChinese
                           << "【提問於 2026年12月11日 星期五 06:15:00】"
                           << "【Auvrel 的回覆】";
}

void LanguageTest::aboutBoxAndLogViewerSpeakTheLanguage() {
    QFETCH(Language, language);
    QFETCH(QString, head);
    QFETCH(QString, reply);
    const LanguageSession session(language);
    MainWindow fixture(language);
    CMainDlg& window = fixture.Start();

    // The disclaimer's three texts are there in every language.
    CAboutDlg about(IDD_ABOUTBOX, &window);
    about.Create();
    QStringList disclaimer;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label != about.GetDlgItem(IDC_VERSION) && label->pixmap().isNull()) {
            disclaimer << label->text();
        }
    }
    about.DestroyWindow();
    QCOMPARE(disclaimer.size(), 3);
    QVERIFY2(!disclaimer.contains(QString()), qPrintable(disclaimer.join('|')));

    // The viewer shows the log's frame in the language; the log keeps its own. A reading's
    // text that holds a line like the frame's is the user's, and stays as it is.
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 11;
    time.tm_wday = 5;
    time.tm_hour = 6;
    time.tm_min = 15;
    const std::string entry = LogEntryBytes("[Auvrel's reply]", "[Auvrel's reply]\r\n",
                                            "[Your query on a Friday]\r\n", "", time);
    fixture.WriteFile("auvrel.log", QByteArray::fromStdString(entry + entry));
    CLogDlg viewer(fixture.Path().toStdString(), Vocabulary::Of(language), &window);
    viewer.Create();
    const QStringList lines =
        QString::fromStdString(viewer.DlgItem<CTextViewer>(IDC_LOG_TEXT)->GetWindowText())
            .split(QStringLiteral("\r\n"));
    viewer.DestroyWindow();
    const QStringList one = {
        head, "[Auvrel's reply]", "", reply, "[Auvrel's reply]", "[Your query on a Friday]", "", "",
        ""};
    QCOMPARE(lines, one + one + QStringList{""});
    QCOMPARE(fixture.ReadFile("auvrel.log"), QByteArray::fromStdString(entry + entry));
}

void LanguageTest::chineseNamesComeFromTheClassicalData() {
    for (const Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const LanguageSession session(language);
        MainWindow fixture(language);
        CMainDlg& window = fixture.Start();
        window.ShowReading(kOuter, kInner, kChangeLine);
        const auto caption = [&window](const char* english) {
            for (const QLabel* label : window.findChildren<QLabel*>()) {
                if (label->text() == QCoreApplication::translate("DialogTemplate", english)) {
                    return label->text().toStdString();
                }
            }
            return std::string();
        };
        QCOMPARE(caption("Original Hexagram"),
                 std::string(TermName(language, ReadingTerm::Original)));
        QCOMPARE(caption("Final Hexagram"), std::string(TermName(language, ReadingTerm::Final)));
        QCOMPARE(window.DlgItem<CButton>(IDC_INNER_ROLE)->GetWindowText(),
                 std::string(TermName(language, ReadingTerm::Body)));
        QCOMPARE(window.DlgItem<CButton>(IDC_OUTER_ROLE)->GetWindowText(),
                 std::string(TermName(language, ReadingTerm::Use)));
        // The reading: the ordinal heading, the full name and the line named by its place.
        const std::string text =
            window.LastReadingText().originalText + window.LastReadingText().lineText;
        const Hexagram original = ComputeReading(kOuter, kInner, kChangeLine).original;
        QVERIFY2(text.starts_with(HexagramOrdinal(language, original)), text.c_str());
        QVERIFY(text.find(HexagramFullName(language, original)) != std::string::npos);
        QVERIFY(text.find(LineName(language, original, kChangeLine)) != std::string::npos);
        const QStringList months = ListEntries(window).filter(QStringLiteral("月"));
        QVERIFY2(!months.isEmpty(), qPrintable(ListEntries(window).join(',')));
    }
}

void LanguageTest::qtsOwnWordsAreTranslated() {
    // What Qt draws itself: the buttons of a message box, an edit box's context menu.
    for (const Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const LanguageSession session(language);
        QVERIFY(session.Complete());
        for (const auto& [context, text] : {std::pair{"QPlatformTheme", "&Yes"},
                                            {"QPlatformTheme", "&No"},
                                            {"QPlatformTheme", "OK"},
                                            {"QLineEdit", "&Undo"},
                                            {"QLineEdit", "Select All"}}) {
            const QString translated = QCoreApplication::translate(context, text);
            QVERIFY2(EnglishWords(translated).isEmpty(), qPrintable(translated));
        }
    }
}

// The window's language is installed for its dialogs and Qt's own words while a session
// lasts, and goes again with it; the words of a reading come from the vocabulary each window
// is given, whatever is installed.
void LanguageTest::englishIsTheDefaultAndComesBack() {
    QCOMPARE(QCoreApplication::translate("DialogTemplate", "View Log"), QStringLiteral("View Log"));
    {
        const LanguageSession session(Language::TraditionalChinese);
        QCOMPARE(QCoreApplication::translate("DialogTemplate", "View Log"),
                 QStringLiteral("檢視日誌"));
        QCOMPARE(MonthEntries(Vocabulary::Of(Language::English)).front(), std::string("Jan"));
        MainWindow fixture(Language::SimplifiedChinese);
        CMainDlg& window = fixture.Start();
        QCOMPARE(window.DlgItem<CComboBox>(IDC_MONTH)->itemText(0), QStringLiteral("一月"));
        QCOMPARE(window.DlgItem<CComboBox>(IDC_PERIOD)->itemText(0), QStringLiteral("子时 (23–1)"));
    }
    QCOMPARE(QCoreApplication::translate("DialogTemplate", "View Log"), QStringLiteral("View Log"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
