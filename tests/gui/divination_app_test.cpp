// The application object runs the main window in the data folder the program's main found,
// the current directory or, with --user-data, the user's own folder made first; and tells the
// user when that folder cannot be made.

#include "app/data_directory.h"
#include "gui/divination_app.h"
#include "gui/main_dlg.h"
#include "platform/application.h"
#include "tests/platform/gui_test_support.h"
#include "tests/support/fault_helpers.h"

#include <QDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace zandrel;
using namespace zandrel::test;
using fixtures::TempDir;

namespace {

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : name_(name),
          saved_(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                                 : std::nullopt) {
        Set(value);
    }
    ~ScopedEnv() { Set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }
    const char* name_;
    std::optional<QByteArray> saved_;
};

int Mode(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

// Runs the application object, the splash's wait skipped, and closes the main window as soon
// as it is up. Returns the data directory the window got, or "none" when no main window ran.
QString RunApp(CDivinationApp& app) {
    SteppingTickCount ticks(5000);
    QString directory = "none";
    const auto closer = WhenModal::Act<CMainDlg>(
        [&](CMainDlg* window) {
            directory = QString::fromStdString(window->Texts().dataDirectory);
            window->EndDialog(IDCANCEL);
        },
        3000);
    app.InitInstance();
    return directory;
}

} // namespace

class DivinationAppTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void mainWindowWorksInTheChosenDirectory();
    void endsWithAnErrorBoxWhenTheFolderCannotBeMade();
};

void DivinationAppTest::mainWindowWorksInTheChosenDirectory() {
    const TempDir current;
    const TempDir dataHome;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(current.Path())));
    const ScopedEnv setDataHome("XDG_DATA_HOME", QByteArray::fromStdString(dataHome.Path()));

    // As the program's main finds them.
    CDivinationApp fromTerminal;
    fromTerminal.dataDirectory = DataDirectory(false);
    const auto terminalDirectory = RunApp(fromTerminal);
    CDivinationApp fromMenu;
    fromMenu.userDataDirectory = true;
    fromMenu.dataDirectory = DataDirectory(true);
    const auto menuDirectory = RunApp(fromMenu);
    QVERIFY(QDir::setCurrent(before));

    QCOMPARE(terminalDirectory, QString::fromStdString(current.Path()));
    QCOMPARE(menuDirectory, QString::fromStdString(dataHome.File("zandrel")));
    QCOMPARE(Mode(dataHome.File("zandrel")), 0700);
    QCOMPARE(fromTerminal.exitCode, 0);
    QCOMPARE(fromMenu.exitCode, 0);
    // Nothing is made in the current directory for a run from the menu.
    QVERIFY(current.Entries().empty());
}

void DivinationAppTest::endsWithAnErrorBoxWhenTheFolderCannotBeMade() {
    const TempDir temp;
    temp.Write("data", "a file where the data folder should be");
    const MessageBoxAnswers answers({IDOK});
    CDivinationApp app;
    app.userDataDirectory = true;
    app.dataDirectory = temp.File("data/zandrel");
    // Should a main window come up anyway, it is closed and the test fails.
    QCOMPARE(RunApp(app), QStringLiteral("none"));
    QCOMPARE(app.exitCode, 1);

    QCOMPARE(answers.Requests().size(), std::size_t(1));
    const MessageBoxRequest& box = answers.Requests().front();
    QCOMPARE(box.text, temp.File("data") + "/zandrel contains an invalid path.");
    QCOMPARE(box.caption, ApplicationName());
    QCOMPARE(int(box.icon), int(MessageIcon::Stop));
}

QTEST_MAIN(DivinationAppTest)
#include "divination_app_test.moc"
