// The GUI tests' own helpers around modal widgets: each one that gives up, or meets a widget a
// test forbids, fails the test at once instead of hanging on a dialog nobody closes; and the
// closer that counts closes only its own kind.

#include "platform/dialog.h"
#include "platform/message_box.h"
#include "tests/platform/gui_test_support.h"

#include <QMessageBox>
#include <QProcess>
#include <QTest>

using namespace zandrel;
using namespace zandrel::test;

namespace {

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::PushButton, "OK", {10, 10, 50, 14}, kTabStop | kDefaultButton},
};
constexpr DialogTemplate kTemplate{920, "Plain", 80, 40, kCaption | kModalFrame, kControls};

// A kind of its own, for the helpers to tell apart from other modal widgets.
class PlainDialog : public CDialog {
    Q_OBJECT

public:
    PlainDialog() : CDialog(kTemplate) {}
};

} // namespace

class GuiTestSupportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void closeEachCountsItsKindAndLeavesTheRest();
    void aModalHelperThatGivesUpFailsAtOnce();
};

// Run only in a child process by aModalHelperThatGivesUpFailsAtOnce: each must fail, quickly,
// instead of hanging on the dialog it leaves open.
class ExpectedFailures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void modalWidgetThatNeverComes() {
        PlainDialog dialog;
        auto act = WhenModal::Act<QMessageBox>([](QMessageBox*) {}, 300);
        dialog.DoModal();
    }
    void actionThatFailsBeforeClosing() {
        PlainDialog dialog;
        auto act = WhenModal::Act<PlainDialog>([](PlainDialog*) { QVERIFY(false); });
        dialog.DoModal();
    }
    void actionThatLeavesItsDialogOpen() {
        PlainDialog dialog;
        auto act = WhenModal::Act<PlainDialog>([](PlainDialog*) {}, 300);
        dialog.DoModal();
    }
    void forbiddenWidgetThatComes() {
        const auto forbidden = WhenModal::Forbid<PlainDialog>();
        PlainDialog dialog;
        dialog.DoModal();
    }
};

void GuiTestSupportTest::closeEachCountsItsKindAndLeavesTheRest() {
    const auto closer = WhenModal::CloseEach<PlainDialog>();
    QVERIFY(!closer->Fired());
    for (int shown = 1; shown <= 2; ++shown) {
        PlainDialog dialog;
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QCOMPARE(closer->Closed(), shown);
    }
    QVERIFY(closer->Fired());

    // Another kind is left to whoever answers it.
    auto answer =
        WhenModal::Act<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    ShowMessageBox(nullptr,
                   {"Left alone", "Plain", MessageIcon::Information, MessageButtons::Ok, IDOK});
    QVERIFY(answer->Fired());
    QCOMPARE(closer->Closed(), 2);
}

void GuiTestSupportTest::aModalHelperThatGivesUpFailsAtOnce() {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZANDREL_EXPECTED_FAILURES"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    // Far below the test's own time limit: a helper that hung would never get here.
    QVERIFY(child.waitForFinished(30000));
    const QByteArray output = child.readAll();
    QVERIFY2(output.contains("FAIL!  : ExpectedFailures::modalWidgetThatNeverComes() no modal "
                             "QMessageBox came up; PlainDialog was the active modal widget"),
             output.constData());
    QVERIFY2(output.contains("FAIL!  : ExpectedFailures::actionThatFailsBeforeClosing()"),
             output.constData());
    QVERIFY2(output.contains("FAIL!  : ExpectedFailures::actionThatLeavesItsDialogOpen() the "
                             "action left its PlainDialog open"),
             output.constData());
    QVERIFY2(output.contains("FAIL!  : ExpectedFailures::forbiddenWidgetThatComes() a modal "
                             "PlainDialog came up, which the test forbids; it was closed"),
             output.constData());
    QCOMPARE(child.exitCode(), 4); // the four failed functions
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTEST_DISABLE_KEYPAD_NAVIGATION
    if (qEnvironmentVariableIsSet("ZANDREL_EXPECTED_FAILURES")) {
        ExpectedFailures failures;
        return QTest::qExec(&failures, argc, argv);
    }
    GuiTestSupportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gui_test_support_test.moc"
