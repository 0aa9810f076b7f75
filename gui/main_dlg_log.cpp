// The main window's side of the query log: the entry written after every cast, the viewer
// and the reset.

#include "app/file_error_message.h"
#include "gui/log_dlg.h"
#include "gui/main_dlg.h"
#include "log/query_log.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"

namespace zandrel {

void CMainDlg::WriteLogEntry() {
    if (!lastCast) {
        return;
    }
    if (const FileError error = session.Log(*lastCast); error.Failed()) {
        ReportFileError(this, FileErrorMessage(session.Words(), error));
    }
}

void CMainDlg::OnViewLog() {
    CLogDlg viewer(session.DataDirectory(), session.Words(), this);
    viewer.DoModal();
}

void CMainDlg::ResetLog() {
    const int answer = ShowMessageBox(
        this, {ToUtf8(tr("Do you really want to delete the log file?")), ToUtf8(tr("Reset Log")),
               MessageIcon::Question, MessageButtons::YesNo, IDNO});
    if (answer != IDYES) {
        return;
    }
    if (const FileError error = zandrel::ResetLog(session.DataDirectory()); error.Failed()) {
        ReportFileError(this, FileErrorMessage(session.Words(), error));
    }
}

} // namespace zandrel
