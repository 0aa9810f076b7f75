#pragma once

#include "app/case_book_counter.h"
#include "app/session.h"
#include "casebook/case_book.h"
#include "platform/dialog.h"
#include "platform/message_box.h"

#include <QTimer>

#include <array>
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
// come into view, so a case book of any size opens at once, and a search shows its first page
// before its records are counted on a thread of their own. Records that others add or change
// (the main window's casts, another copy of the program, the command line) appear at the next
// refresh; a field the user has not changed takes what another wrote, and a save never writes
// over what another wrote since the window showed it: where both wrote, the user chooses.
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
    // Reads the rows, the selected record and the statistics again, keeping the selected record
    // selected where it still passes the filters; the count follows when it is known.
    void Refresh();
    // Refreshes when the case book was written to since the last look.
    void RefreshIfChanged();
    // Writes what the user changed of the selected record; false when that failed or was not
    // done (and was told).
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
    // The parts of a record the user writes in, each saved and compared as one.
    enum class Field { Person, Tags, Notes, Outcome };
    static constexpr std::array<Field, 4> kFields = {Field::Person, Field::Tags, Field::Notes,
                                                     Field::Outcome};

    void OpenBook();
    // The window with nothing to show but what is wrong with the file.
    void ShowBroken(const CaseBookError& error);
    void FillLists();
    void ReadFilter();
    // Shows the first page of the records that pass the filter and asks for their count;
    // after a write to the book (`written`) the rows in view stay in view.
    void ShowRecords(bool written);
    // The count asked for by ShowRecords is known.
    void OnCounted();
    void ShowCount();
    // The selected record is gone, or the filters leave it out: saved, and no longer shown.
    void LeaveSelected();
    void OnSelectionChange();
    void ShowSelected();
    void OnEdit();
    void OnFocusLeftField();
    void OnShowInMainWindow();
    void OnDelete();
    void ShowStatistics();
    // The summary at `row` of the list, read with its page where it is not held.
    const CaseSummary* SummaryAt(int row);
    // The book for this thread to use at once: a count under way gives way.
    CaseBook& Book();

    // What the form holds in `field`, as one text to compare.
    std::string Typed(Field field) const;
    // Whether the user changed `field` since it was shown.
    bool Changed(Field field) const { return Typed(field) != shownText[Index(field)]; }
    // Whether the user is in a control of `field`.
    bool Editing(Field field) const;
    // Shows `field` of `record` and takes it as what the book holds.
    void ShowField(Field field, const CaseRecord& record);
    // What the user changed, as an edit of the record.
    CaseEdit Edits() const;
    // The selected record as the book has it now: each field the user has neither changed nor
    // is in takes what another wrote, and the rest stay as the user has them.
    void ReadSelectedAgain();
    // `fresh` into the fields not in `kept` that the user neither changed nor is in.
    void TakeFresh(const CaseRecord& fresh, const std::vector<Field>& kept);
    // Another wrote to the selected record since it was shown, and `edit` was not saved: takes
    // what the other wrote and lets the user choose where both wrote. False when there is no
    // saving now (the record is gone, or the book could not be read).
    bool Reconcile(CaseEdit* edit);
    // Asks the user whether to keep what they typed in `both`, where `theirs` holds what
    // another wrote, and copies the text not kept to the clipboard.
    bool KeepMine(const std::vector<Field>& both, const CaseRecord& mine, const CaseRecord& theirs);
    // The selected record is gone: what the user wrote in it and did not save is offered to
    // the clipboard, and the form is emptied.
    void RecordGone();
    // The user's name for `field`, and its value in `record` as the user reads it.
    std::string FieldName(Field field) const;
    std::string FieldText(Field field, const CaseRecord& record) const;
    // The text of `fields` in `record`, each under its name where there are several.
    std::string FieldsText(const std::vector<Field>& fields, const CaseRecord& record) const;

    // Every message box of the window: while one is up, the timers and answers that would
    // change the form wait.
    int Ask(const MessageBoxRequest& request);
    void Tell(const CaseBookError& error);

    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    static bool Has(const CaseEdit& edit, Field field);
    static void Drop(CaseEdit* edit, Field field);
    // Copies `field` of `from` to `to`.
    static void Assign(Field field, CaseRecord* to, const CaseRecord& from);

    Session& session;
    ShowRecord showRecord;
    std::unique_ptr<CaseBook> book;
    // Made with the book and gone before it.
    std::unique_ptr<CaseBookCounter> counter;
    CaseFilter filter;
    std::string filterProblem;
    // The records that pass the filter, none while they are counted; and all records, as last
    // counted (none before the first count), which a write makes no longer current.
    std::optional<std::int64_t> count;
    std::optional<std::int64_t> total;
    bool totalCurrent = false;
    // The record whose place the count was asked for; empty when it was on the first page.
    std::string countedId;
    bool goToSelected = false;
    // A count was asked for and its answer is not in yet; a look for writes came meanwhile.
    bool counting = false;
    bool lookAgain = false;
    // The last look's data version.
    std::int64_t dataVersion = -1;
    std::map<std::int64_t, std::vector<CaseSummary>> pages;
    std::string selectedId;
    // The selected record as the book held it when the form last took each field from it: what
    // a save expects the book still to hold.
    std::optional<CaseRecord> selected;
    // What the form's fields held when they were last shown or saved (see Typed).
    std::array<std::string, kFields.size()> shownText;
    // A field the user was in held back what another wrote: it is read again when left.
    bool behind = false;
    bool filling = false;
    bool asking = false;
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
