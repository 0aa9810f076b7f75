// The window and the command line are front ends of one session: whatever the session's cast
// gives, both show and log, so a change planted in it shows in both.

#include "cli/commands.h"
#include "gui/main_dlg.h"
#include "gui/query_dlg.h"
#include "res/resource.h"
#include "tests/platform/gui_test_support.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace zandrel;
using namespace zandrel::test;

namespace {

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
    void bothCastThroughTheSession();
};

void FrontEndsTest::bothCastThroughTheSession() {
    const QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();

    // The window's target time query of 2001-03-15, period 5.
    const SteppingTickCount ticks(5000);
    PlantedSession session(folder, Language::English);
    CMainDlg window(session);
    window.Create();
    window.DlgItem<CComboBox>(IDC_YEAR)->SetCurSel(2001 - 1998);
    window.DlgItem<CComboBox>(IDC_MONTH)->SetCurSel(2);
    window.DlgItem<CComboBox>(IDC_DAY)->SetCurSel(14);
    window.DlgItem<CComboBox>(IDC_PERIOD)->SetCurSel(4);
    auto answer = WhenModal::Act<CQueryDlg>([](CQueryDlg* dialog) {
        dialog->SetDlgItemText(IDC_QUESTION, "abc");
        dialog->SendCommand(IDOK);
    });
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());
    QVERIFY(window.LastReadingText().finalText.ends_with(kPlant));
    QVERIFY(window.DlgItem<CTextViewer>(IDC_HEXAGRAM_TEXT)
                ->toPlainText()
                .endsWith(QString::fromLatin1(kPlant).remove('\r')));

    // The same cast by the command, over the same kind of session.
    CommandContext context{folder, folder + "/user", Language::English,
                           [](std::string dataDirectory, Language language) {
                               return std::make_unique<PlantedSession>(std::move(dataDirectory),
                                                                       language);
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

    // Both entries of the log hold it.
    QFile log(directory.filePath("auvrel.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count(QByteArray(kPlant)), qsizetype{2});
}

QTEST_MAIN(FrontEndsTest)
#include "front_ends_test.moc"
