// The main window's side of the query log: the entry written after every cast, the viewer
// and the reset.

#include "log/query_log.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "ui/log_dlg.h"
#include "ui/main_dlg.h"

namespace zandrel {

void CMainDlg::WriteLogEntry() {
    const std::string entry =
        LogEntryBytes(question, readingText.originalText, readingText.lineText,
                      readingText.finalText, CurrentLocalTime());
    if (const FileError error = AppendLogEntry(texts.dataDirectory, entry); error.Failed()) {
        ReportFileError(this, error);
    }
}

void CMainDlg::OnViewLog() {
    CLogDlg viewer(texts.dataDirectory, this);
    viewer.DoModal();
}

void CMainDlg::ResetLog() {
    const int answer = ShowMessageBox(
        this, {ToUtf8(tr("Do you really want to delete the log file?")), ToUtf8(tr("Reset Log")),
               MessageIcon::Question, MessageButtons::YesNo, IDNO});
    if (answer != IDYES) {
        return;
    }
    if (const FileError error = zandrel::ResetLog(texts.dataDirectory); error.Failed()) {
        ReportFileError(this, error);
    }
}

} // namespace zandrel
