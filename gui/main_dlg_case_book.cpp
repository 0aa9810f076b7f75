// The main window's side of the case book: the window that lists the records, the problems of
// the records the casts leave, and a kept reading shown again.

#include "app/case_book_words.h"
#include "app/reading_words.h"
#include "core/reading.h"
#include "gui/accessible_names.h"
#include "gui/case_book_dlg.h"
#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "platform/message_box.h"

namespace zandrel {

CCaseBookDlg* CMainDlg::CaseBookWindow() const {
    return caseBook.data();
}

void CMainDlg::OnCaseBook() {
    if (caseBook.isNull()) {
        caseBook = new CCaseBookDlg(
            session, [this](const CaseRecord& record) { ShowKeptReading(record); }, this);
        caseBook->Create();
        caseBook->activateWindow();
        return;
    }
    caseBook->Bring();
}

void CMainDlg::OnCaseBookRecorded() {
    if (!caseBook.isNull() && caseBook->isVisible()) {
        caseBook->RefreshIfChanged();
    }
}

void CMainDlg::OnCaseBookProblem() {
    // Told once: the recorder keeps each problem with each file from coming back.
    if (const std::optional<CaseBookError> problem = session.TakeCaseBookProblem()) {
        ReportFileError(this, CaseBookErrorMessage(session.Words(), *problem));
    }
}

void CMainDlg::ShowKeptReading(const CaseRecord& record) {
    const bool whole = record.outer >= 1 && record.outer <= 8 && record.inner >= 1 &&
                       record.inner <= 8 && record.changeLine >= 1 && record.changeLine <= 6;
    std::optional<Reading> reading;
    if (whole) {
        reading = ComputeReading(record.outer, record.inner, record.changeLine);
    }
    ShowDisplay(reading ? &*reading : nullptr);
    CheckRadioButton(IDC_LINE1, IDC_LINE6, reading ? IDC_LINE1 + reading->changeLine - 1 : 0);
    // The text as it was shown then, whatever the texts say now.
    readingTextBox->SetWindowText(record.readingText);
    readingTextBox->LineScroll(-100);
    if (reading) {
        announcer->Announce(ReadingAnnouncement(session.Words(), *reading, session.Texts()));
    }
}

} // namespace zandrel
