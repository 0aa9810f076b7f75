#pragma once

#include "app/session.h"
#include "casebook/case_book.h"
#include "platform/dialog.h"

#include <QTimer>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zandrel {

class CComboBox;
class CListView;

// The case book (template 161), a window beside the main window: the records of the session's
// data folder, newest first, narrowed by a search and filters; the selected record's reading as
// it was shown, its inputs, and what the user writes of it (person, tags, notes, outcome),
// saved as it is typed; the statistics of the verdicts. Rows are read a page at a time as they
// come into view, so a case book of any size opens at once. Records that others add (the main
// window's casts, another copy of the program, the command line) appear at the next refresh.
// Escape, Close and the close box hide it, saving first.
class CCaseBookDlg : public CDialog {
    Q_OBJECT
public:
    // Shows a record's kept reading in the main window.
    using ShowRecord = std::function<void(const CaseRecord& record)>;

    CCaseBookDlg(Session& session, ShowRecord show, QWidget* owner = nullptr);
    ~CCaseBookDlg() override;

    // Shows the window and brings it to the front; opened again where it could not be.
    void Bring();
    // Reads the count, the rows and the statistics again, keeping the selected record selected
    // where it still passes the filters.
    void Refresh();
    // Refreshes when another connection has written to the case book since the last look.
    void RefreshIfChanged();
    // Writes what the user changed of the selected record; false when that failed (and was
    // told).
    bool SaveEdits();

    // The id of the selected record; empty without one.
    const std::string& SelectedId() const { return selectedId; }
    // Whether the case book could be opened.
    bool Usable() const { return book != nullptr; }

    // How long a window waits before it saves what is typed and applies the filters typed,
    // and how often it looks for writes to the book.
    struct Delays {
        int saveMilliseconds = 1000;
        int filterMilliseconds = 300;
        int refreshMilliseconds = 1000;
    };
    // The delays of the windows made from now on; returns those it replaces. For tests, which
    // do not sit out real seconds.
    static Delays SetDelays(const Delays& delays);

    static constexpr int kPageRows = 200;
    static constexpr int kCachedPages = 6;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OpenBook();
    // The window with nothing to show but what is wrong with the file.
    void ShowBroken(const CaseBookError& error);
    void FillLists();
    void ReadFilter();
    void OnSelectionChange();
    void ShowSelected();
    void OnEdit();
    void OnShowInMainWindow();
    void OnDelete();
    void ShowStatistics();
    // The summary at `row` of the list, read with its page where it is not held.
    const CaseSummary* SummaryAt(int row);
    void Tell(const CaseBookError& error);

    Session& session;
    ShowRecord showRecord;
    std::unique_ptr<CaseBook> book;
    CaseFilter filter;
    std::string filterProblem;
    std::int64_t count = 0;
    std::int64_t dataVersion = -1;
    std::map<std::int64_t, std::vector<CaseSummary>> pages;
    std::string selectedId;
    // The record as it was read, to tell what the user changed of it.
    std::optional<CaseRecord> selected;
    bool dirty = false;
    bool filling = false;
    QTimer saveTimer;
    QTimer filterTimer;
    QTimer refreshTimer;
    QMetaObject::Connection focusWatch;
    CListView* list = nullptr;
    CComboBox* methodFilter = nullptr;
    CComboBox* verdictFilter = nullptr;
    CComboBox* verdictList = nullptr;
};

} // namespace zandrel
