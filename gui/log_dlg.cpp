#include "gui/log_dlg.h"

#include "app/log_words.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "log/query_log.h"
#include "platform/accessible_text.h"
#include "platform/qt_text.h"

#include <utility>

namespace zandrel {

CLogDlg::CLogDlg(std::string dataDirectory, const Vocabulary& words, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_LOG), owner), dataDirectory(std::move(dataDirectory)),
      words(words) {}

void CLogDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LOG_TEXT, logText);
}

bool CLogDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetAccessibleText(*logText, {ToUtf8(tr("Query log")), ""});
    LoadLogText();
    return true;
}

void CLogDlg::LoadLogText() {
    // The text is built anew at every opening. Once the size rule has started a new log, the
    // first line says where the entries before it are.
    // The log's text can be megabytes: it is not copied on the way to the box, which
    // releases it once decoded.
    std::string text = LogTextInLanguage(words, zandrel::LoadLogText(dataDirectory));
    if (const std::string older = OlderLogPath(dataDirectory); !older.empty()) {
        text.insert(0, FillIn(tr("[Older entries are in %1]"), {older}) + "\r\n");
    }
    if (!text.empty()) {
        logText->TakeWindowText(std::move(text));
    }
}

} // namespace zandrel
