#include "gui/main_dlg.h"

#include "casebook/recorder.h"
#include "gui/about_dlg.h"
#include "gui/case_book_dlg.h"
#include "gui/reading_details_dlg.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/announcer.h"
#include "platform/density_art.h"
#include "platform/pumping_wait.h"
#include "platform/qt_text.h"

#include <QKeySequence>
#include <QShortcut>

namespace zandrel {
namespace {

constexpr std::uint32_t kSplashMilliseconds = 2000;

} // namespace

CMainDlg::CMainDlg(Session& session, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_MAIN), owner), session(session),
      icon(LoadIconResource(IDR_MAINFRAME)) {
    MapCommand(IDC_INNER_TRIGRAM, [this] { OnInnerTrigram(); });
    MapCommand(IDC_OUTER_TRIGRAM, [this] { OnOuterTrigram(); });
    MapCommand(IDC_CHANGE_LINE, [this] { OnChangeLine(); });
    MapCommand(IDC_RUN, [this] { OnRun(); });
    MapCommand(IDC_VIEW_LOG, [this] { OnViewLog(); });
    MapCommand(IDC_DELETE_LOG, [this] { ResetLog(); });
    MapCommand(IDC_VIEW_TEXT, [this] { OnViewText(); });
    MapCommand(IDC_MANAGE_TEXT, [this] { OnManageText(); });
    // The recorder writes on a thread of its own; what it tells comes here through the queue.
    CaseBookRecorder& recorder = session.Recorder();
    connect(
        &recorder, &CaseBookRecorder::Recorded, this, [this] { OnCaseBookRecorded(); },
        Qt::QueuedConnection);
    connect(
        &recorder, &CaseBookRecorder::ProblemFound, this, [this] { OnCaseBookProblem(); },
        Qt::QueuedConnection);
}

CMainDlg::~CMainDlg() {
    // The case book window saves what is typed as it goes, and may have to ask: it goes while
    // this window is still whole.
    delete caseBook.data();
}

void CMainDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_RUN, runButton);
    DDX_Control(dx, IDC_OUTER_TRIGRAM, outerTrigramButton);
    DDX_Control(dx, IDC_INNER_TRIGRAM, innerTrigramButton);
    DDX_Control(dx, IDC_CHANGE_LINE, changeLineButton);
    DDX_Control(dx, IDC_CHANGE_LINE_NUMBER, changeLineNumberLabel);
    DDX_Control(dx, IDC_HEXAGRAM_TEXT, readingTextBox);
    DDX_Control(dx, IDC_YEAR, yearList);
    DDX_Control(dx, IDC_MONTH, monthList);
    DDX_Control(dx, IDC_PERIOD, periodList);
    DDX_Control(dx, IDC_DAY, dayList);
    DDX_Control(dx, IDC_OUTER_IMAGE, outerImage);
    DDX_Control(dx, IDC_INNER_IMAGE, innerImage);
    DDX_Control(dx, IDC_OUTER_SMALL, outerSmallImage);
    DDX_Control(dx, IDC_OUTER_ROLE, outerRoleLabel);
    DDX_Control(dx, IDC_OUTER_ELEMENT, outerElementLabel);
    DDX_Control(dx, IDC_INNER_SMALL, innerSmallImage);
    DDX_Control(dx, IDC_INNER_ROLE, innerRoleLabel);
    DDX_Control(dx, IDC_INNER_ELEMENT, innerElementLabel);
    DDX_Control(dx, IDC_ORIGINAL_NUMBER, originalNumberLabel);
    DDX_Control(dx, IDC_NUCLEAR_LOWER_SMALL, nuclearLowerSmallImage);
    DDX_Control(dx, IDC_NUCLEAR_LOWER_ELEMENT, nuclearLowerElementLabel);
    DDX_Control(dx, IDC_NUCLEAR_UPPER_SMALL, nuclearUpperSmallImage);
    DDX_Control(dx, IDC_NUCLEAR_UPPER_ELEMENT, nuclearUpperElementLabel);
    DDX_Control(dx, IDC_FINAL_OUTER_SMALL, finalOuterSmallImage);
    DDX_Control(dx, IDC_FINAL_OUTER_ELEMENT, finalOuterElementLabel);
    DDX_Control(dx, IDC_FINAL_INNER_SMALL, finalInnerSmallImage);
    DDX_Control(dx, IDC_FINAL_INNER_ELEMENT, finalInnerElementLabel);
    DDX_Control(dx, IDC_FINAL_NUMBER, finalNumberLabel);
}

bool CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // Size and Maximize are greyed by the system menu itself: the window has a fixed size
    // and no maximize box.
    // The traditional time query stands in a group of its own, so that the menu still ends
    // with a separator and "About...".
    AppendSystemMenuSeparator();
    AppendSystemMenuItem(IDM_TRADITIONAL, ToUtf8(tr("&Traditional Time Query...\tCtrl+T")));
    AppendSystemMenuItem(IDM_COUNT_CAST, ToUtf8(tr("Cast from &Counts...\tCtrl+K")));
    AppendSystemMenuItem(IDM_READING_DETAILS, ToUtf8(tr("Reading &Details...\tCtrl+D")));
    AppendSystemMenuItem(IDM_CASE_BOOK, ToUtf8(tr("Case &Book...\tCtrl+B")));
    AppendSystemMenuSeparator();
    AppendSystemMenuItem(IDM_ABOUTBOX, ToUtf8(tr("&About...")));
    // The menu only shows the shortcut; the window itself takes it.
    auto* traditional = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(traditional, &QShortcut::activated, this, [this] { SendSysCommand(IDM_TRADITIONAL); });
    auto* counts = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(counts, &QShortcut::activated, this, [this] { SendSysCommand(IDM_COUNT_CAST); });
    auto* details = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(details, &QShortcut::activated, this, [this] { SendSysCommand(IDM_READING_DETAILS); });
    auto* caseBookKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
    connect(caseBookKey, &QShortcut::activated, this, [this] { SendSysCommand(IDM_CASE_BOOK); });

    setWindowIcon(icon);
    // The lists have no labels of their own: their names say what they choose.
    SetAccessibleText(*yearList, {ToUtf8(tr("Year")), ""});
    SetAccessibleText(*monthList, {ToUtf8(tr("Month")), ""});
    SetAccessibleText(*dayList, {ToUtf8(tr("Day")), ""});
    SetAccessibleText(*periodList, {ToUtf8(tr("Two-hour period")), ""});
    SetAccessibleText(*readingTextBox, {ToUtf8(tr("Reading text")), ""});

    announcer = new CAnnouncer(*this);
    InitReadingControls();

    {
        // Owned by the main window, which is not shown yet; events keep flowing meanwhile,
        // so the splash gets painted.
        CAboutDlg splash(IDD_SPLASH, this);
        splash.Create();
        PumpingWait(kSplashMilliseconds);
        splash.DestroyWindow();
    }

    session.LoadTexts();
    return true;
}

void CMainDlg::OnSysCommand(int id) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(IDD_ABOUTBOX, this);
        about.DoModal();
        return;
    }
    if ((id & 0xFFF0) == IDM_TRADITIONAL) {
        OnTraditionalQuery();
        return;
    }
    if ((id & 0xFFF0) == IDM_COUNT_CAST) {
        OnCountCast();
        return;
    }
    if ((id & 0xFFF0) == IDM_READING_DETAILS) {
        OnReadingDetails();
        return;
    }
    if ((id & 0xFFF0) == IDM_CASE_BOOK) {
        OnCaseBook();
        return;
    }
    CDialog::OnSysCommand(id);
}

void CMainDlg::OnReadingDetails() {
    if (readingDetails == nullptr) {
        readingDetails = new CReadingDetailsDlg(session, this);
        readingDetails->Create();
        readingDetails->ShowCast(lastCast);
        return;
    }
    readingDetails->ShowCast(lastCast);
    readingDetails->show();
    readingDetails->raise();
    readingDetails->activateWindow();
}

} // namespace zandrel
