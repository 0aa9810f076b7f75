// The window and the command line are front ends of one session: the same input gives the
// same reading, texts and log entry in both, and whatever the session's cast gives, both show
// and log, so a change planted in it shows in both.

#include "cli/commands.h"
#include "res/trigram_bitmaps.h"
#include "tests/gui/main_window_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <sstream>

using namespace zandrel;
using namespace zandrel::test;

namespace {

// Runs the program's command line in `directory`, with no display to be had.
QJsonObject RunCast(const QString& directory, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(ZANDREL_PROGRAM), QStringList{"cast"} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        // How it ended tells a crash from a refusal when it fails on a loaded machine.
        qWarning() << "zandrel cast" << arguments << "failed:" << process.exitStatus()
                   << process.exitCode() << process.error() << process.readAllStandardError()
                   << process.readAllStandardOutput().left(200);
        return {};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

// What the window shows for one trigram position of the command's reading.
QString MarkOf(const QJsonObject& trigram) {
    const QString element = trigram["element"].toString();
    if (trigram["body"].toBool()) {
        return "(" + element + ")";
    }
    const QString sign = trigram["favourable"].toBool() ? "+" : "-";
    return sign + element + sign;
}

// Whether the window shows the reading the command printed: the pictures, the numbers, the
// elements with their marks, and the reading text byte for byte.
QString Differences(const CMainDlg& window, const QJsonObject& json) {
    QStringList differences;
    const auto expect = [&](const QString& what, const QString& shown, const QString& printed) {
        if (shown != printed) {
            differences << what + ": window " + shown + ", command " + printed;
        }
    };
    const auto bitmap = [&](int id) {
        return QString::number(window.DlgItem<CBitmapButton>(id)->BitmapId());
    };
    const auto text = [&](int id) { return QString::fromStdString(window.GetDlgItemText(id)); };
    expect("outer", bitmap(IDC_OUTER_IMAGE),
           QString::number(LargeTrigramBitmap(json["outer"].toInt())));
    expect("inner", bitmap(IDC_INNER_IMAGE),
           QString::number(LargeTrigramBitmap(json["inner"].toInt())));
    expect("original", text(IDC_ORIGINAL_NUMBER), QString::number(json["original"].toInt()));
    expect("change line", text(IDC_CHANGE_LINE_NUMBER),
           QString::number(json["change_line"].toInt()));
    expect("final", text(IDC_FINAL_NUMBER), QString::number(json["final"].toInt()));
    constexpr int kElementLabels[] = {IDC_OUTER_ELEMENT,         IDC_INNER_ELEMENT,
                                      IDC_NUCLEAR_UPPER_ELEMENT, IDC_NUCLEAR_LOWER_ELEMENT,
                                      IDC_FINAL_OUTER_ELEMENT,   IDC_FINAL_INNER_ELEMENT};
    constexpr int kSmallPictures[] = {IDC_OUTER_SMALL,         IDC_INNER_SMALL,
                                      IDC_NUCLEAR_UPPER_SMALL, IDC_NUCLEAR_LOWER_SMALL,
                                      IDC_FINAL_OUTER_SMALL,   IDC_FINAL_INNER_SMALL};
    const QJsonArray trigrams = json["trigrams"].toArray();
    if (trigrams.size() != kPositionCount) {
        differences << "the command printed " + QString::number(trigrams.size()) + " trigrams";
    }
    for (int p = 0; p < kPositionCount && p < trigrams.size(); ++p) {
        const QJsonObject trigram = trigrams[p].toObject();
        const QString position = trigram["position"].toString();
        expect(position + " picture", bitmap(kSmallPictures[p]),
               QString::number(SmallTrigramBitmap(trigram["trigram"].toInt())));
        expect(position + " mark", text(kElementLabels[p]), MarkOf(trigram));
    }
    expect("text", text(IDC_HEXAGRAM_TEXT), json["text"].toString());
    return differences.join('\n');
}

constexpr char kPlant[] = "Planted by the test\r\n";

// A session whose every cast ends its reading text with kPlant.
class PlantedSession : public Session {
public:
    using Session::Session;

    std::optional<CastResult> Cast(const CastRequest& request,
                                   std::string question) const override {
        std::optional<CastResult> cast = Session::Cast(request, std::move(question));
        if (cast) {
            cast->text.finalText += kPlant;
        }
        return cast;
    }
};

} // namespace

class FrontEndsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void windowAndCommandGiveTheSameReading_data();
    void windowAndCommandGiveTheSameReading();
    void countCastsGiveTheSameReading_data();
    void countCastsGiveTheSameReading();
    void bothCastThroughTheSession();
};

void FrontEndsTest::windowAndCommandGiveTheSameReading_data() {
    QTest::addColumn<bool>("traditional");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("hour"); // a period for the target time query, else a time
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("hexagram1"); // whose custom text both show
    QTest::newRow("target time, worked example") << false << "2001-03-15"
                                                 << "5"
                                                 << "abc" << false;
    QTest::newRow("target time, negative sum") << false << "1998-01-01"
                                               << "1" << QStringLiteral("ééééé") << false;
    QTest::newRow("target time, day 31") << false << "2099-12-31"
                                         << "12"
                                         << "" << false;
    // 6 + 1 + 10 = 17 and period 8 give 25: outer 1, inner 1.
    QTest::newRow("target time, custom text") << false << "1998-01-10"
                                              << "8"
                                              << "" << true;
    QTest::newRow("traditional, new year") << true << "2024-02-10"
                                           << "12:00"
                                           << "Will it rain?" << false;
    QTest::newRow("traditional, leap month at 23:30") << true << "2023-03-22"
                                                      << "23:30"
                                                      << "" << false;
    QTest::newRow("traditional, first day") << true << "1998-01-01"
                                            << "00:00"
                                            << "q" << false;
    // 丁丑 (2) + month 12 + day 3 = 17, hour 未 (8) gives 25: outer 1, inner 1.
    QTest::newRow("traditional, custom text") << true << "1998-01-01"
                                              << "13:30"
                                              << "mine" << true;
}

void FrontEndsTest::windowAndCommandGiveTheSameReading() {
    QFETCH(bool, traditional);
    QFETCH(QString, date);
    QFETCH(QString, hour);
    QFETCH(QString, question);
    QFETCH(bool, hexagram1);
    MainWindow fixture;
    // Hexagram 1 has a custom text in the folder both read.
    fixture.WriteFile("custom1.txt",
                      "Mine\r\nOwn main text\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\n");
    CMainDlg& window = fixture.Start();

    if (traditional) {
        auto cast = CastInDialog(date, hour, question);
        window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
        QVERIFY(cast->Fired());
    } else {
        const QStringList ymd = date.split('-');
        window.DlgItem<CComboBox>(IDC_YEAR)->SetCurSel(ymd[0].toInt() - 1998);
        window.DlgItem<CComboBox>(IDC_MONTH)->SetCurSel(ymd[1].toInt() - 1);
        window.DlgItem<CComboBox>(IDC_DAY)->SetCurSel(ymd[2].toInt() - 1);
        window.DlgItem<CComboBox>(IDC_PERIOD)->SetCurSel(hour.toInt() - 1);
        auto answer = AnswerQuestion(question);
        window.SendCommand(IDC_RUN);
        QVERIFY(answer->Fired());
    }

    QStringList arguments = {"--date", date,         traditional ? "--time" : "--period",
                             hour,     "--question", question,
                             "--json", "--log"};
    if (traditional) {
        arguments << "--traditional";
    }
    const QJsonObject json = RunCast(fixture.Path(), arguments);
    QVERIFY(!json.isEmpty());
    const QString differences = Differences(window, json);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    if (hexagram1) {
        QVERIFY(json["text"].toString().startsWith(QLatin1String("Hexagram 1 Mine\r\n")));
    }
    // The two log entries are alike but for their time.
    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[1], entries[0]);
}

void FrontEndsTest::countCastsGiveTheSameReading_data() {
    QTest::addColumn<int>("method"); // numbers, characters, trigrams
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QStringList>("arguments"); // the command's for the same cast
    QTest::newRow("two numbers") << 0 << "27 15"
                                 << "" << QStringList{"--numbers", "27", "15"};
    QTest::newRow("one number at the hour") << 0 << "16"
                                            << "" << QStringList{"--numbers", "16"};
    QTest::newRow("three numbers") << 0 << "999999999, 5, 13"
                                   << "" << QStringList{"--numbers", "999999999", "5", "13"};
    QTest::newRow("characters") << 1 << QStringLiteral("天地人 and more") << ""
                                << QStringList{"--characters", QStringLiteral("天地人 and more")};
    QTest::newRow("characters, counts given")
        << 1 << QStringLiteral("今日") << QStringLiteral("日=5")
        << QStringList{"--characters", QStringLiteral("今日"), "--count", QStringLiteral("日=5")};
    QTest::newRow("one character by its parts")
        << 1 << QStringLiteral("逃") << QStringLiteral("逃=3+6")
        << QStringList{"--characters", QStringLiteral("逃"), "--count", QStringLiteral("逃=3+6")};
    QTest::newRow("trigrams by direction") << 2 << "south north"
                                           << "" << QStringList{"--trigrams", "south", "north"};
    QTest::newRow("trigrams and line")
        << 2 << QStringLiteral("離 坎 2") << ""
        << QStringList{"--trigrams", QStringLiteral("離"), QStringLiteral("坎"), "--line", "2"};
}

void FrontEndsTest::countCastsGiveTheSameReading() {
    QFETCH(int, method);
    QFETCH(QString, input);
    QFETCH(QString, counts);
    QFETCH(QStringList, arguments);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    auto cast = CastFromCounts({method, input, counts, "2024-02-10", "13:30", "Which way?"});
    window.SystemMenuItem(IDM_COUNT_CAST)->trigger();
    QVERIFY(cast->Fired());

    const QJsonObject json = RunCast(
        fixture.Path(), arguments + QStringList{"--date", "2024-02-10", "--time", "13:30",
                                                "--question", "Which way?", "--json", "--log"});
    QVERIFY(!json.isEmpty());
    QCOMPARE(json["hour_branch"].toInt(), 8);
    const QString differences = Differences(window, json);
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[1], entries[0]);
}

void FrontEndsTest::bothCastThroughTheSession() {
    const DataFolder folder;
    const std::string path = folder.Path().toStdString();

    // The window's target time query of 2001-03-15, period 5.
    const SteppingTickCount ticks(5000);
    PlantedSession session(path, Language::English);
    CMainDlg window(session);
    window.Create();
    window.DlgItem<CComboBox>(IDC_YEAR)->SetCurSel(2001 - 1998);
    window.DlgItem<CComboBox>(IDC_MONTH)->SetCurSel(2);
    window.DlgItem<CComboBox>(IDC_DAY)->SetCurSel(14);
    window.DlgItem<CComboBox>(IDC_PERIOD)->SetCurSel(4);
    auto answer = AnswerQuestion(QStringLiteral("abc"));
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());
    QVERIFY(window.LastReadingText().finalText.ends_with(kPlant));
    QVERIFY(window.DlgItem<CTextViewer>(IDC_HEXAGRAM_TEXT)
                ->toPlainText()
                .endsWith(QString::fromLatin1(kPlant).remove('\r')));

    // The same cast by the command, over the same kind of session.
    const CommandContext context{path, path + "/user", Language::English,
                                 [](std::string dataDirectory, const Vocabulary& words) {
                                     return std::make_unique<PlantedSession>(
                                         std::move(dataDirectory), words);
                                 }};
    std::ostringstream out;
    std::ostringstream err;
    QCOMPARE(RunCommand(
                 CastCommand(),
                 {"--date", "2001-03-15", "--period", "5", "--question", "abc", "--json", "--log"},
                 out, err, context),
             0);
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    const std::string text = json["text"].toString().toStdString();
    QVERIFY2(text.ends_with(kPlant), text.c_str());
    const ReadingText& shown = window.LastReadingText();
    QCOMPARE(text, shown.originalText + shown.lineText + shown.finalText);

    // Both entries of the log hold it, and are alike but for their time.
    const QList<QByteArray> entries = LogEntries(ReadLog(folder));
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries[0].contains(kPlant));
    QCOMPARE(entries[1], entries[0]);
}

QTEST_MAIN(FrontEndsTest)
#include "front_ends_test.moc"
