#include "gui/case_book_dlg.h"

#include "app/case_book_words.h"
#include "app/cast_request.h"
#include "app/count_requests.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/list_view.h"
#include "platform/qt_text.h"
#include "platform/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace zandrel {
namespace {

// The methods the filter offers, in the order of the list after "All methods".
constexpr std::string_view kMethods[] = {
    kGeneralMethod,    kTargetTimeMethod, kTraditionalMethod,     kNumbersMethod,
    kCharactersMethod, kTrigramsMethod,   std::string_view("log")};
// The verdicts in the order of the lists.
constexpr Verdict kVerdicts[] = {Verdict::Pending, Verdict::True, Verdict::Partly, Verdict::False};

// The fields the user writes in, saved as they are typed.
constexpr int kEditFields[] = {IDC_CASE_PERSON, IDC_CASE_TAGS, IDC_CASE_NOTES,
                               IDC_CASE_OUTCOME_DATE, IDC_CASE_OUTCOME_WHAT};
// The filters, applied a moment after the typing stops.
constexpr int kFilterFields[] = {IDC_CASE_SEARCH, IDC_CASE_TAG_FILTER, IDC_CASE_SINCE,
                                 IDC_CASE_UNTIL};
// A text longer than this is cut in a message box; the clipboard takes it whole.
constexpr int kShownCharacters = 600;

CCaseBookDlg::Delays& CurrentDelays() {
    static CCaseBookDlg::Delays delays;
    return delays;
}

// Tags as the user types them: separated by commas (either width) or semicolons.
std::vector<std::string> ReadTags(const std::string& text) {
    std::vector<std::string> tags;
    for (const QString& tag : ToQString(text).split(QRegularExpression(QStringLiteral("[,;，；]")),
                                                    Qt::SkipEmptyParts)) {
        if (const QString trimmed = tag.trimmed(); !trimmed.isEmpty()) {
            tags.push_back(ToUtf8(trimmed));
        }
    }
    return tags;
}

std::string TagsText(const std::vector<std::string>& tags) {
    std::string text;
    for (const std::string& tag : tags) {
        text += (text.empty() ? "" : ", ") + tag;
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    return ToUtf8(ToQString(text).trimmed());
}

bool IsDate(const std::string& text) {
    return QDate::fromString(ToQString(text), QStringLiteral("yyyy-MM-dd")).isValid();
}

std::string HexagramNumber(int number) {
    return number == 0 ? std::string("-") : std::to_string(number);
}

std::string Shortened(const std::string& text) {
    const QString whole = ToQString(text);
    return whole.size() <= kShownCharacters ? text
                                            : ToUtf8(whole.left(kShownCharacters)) + "\u2026";
}

// `record` with `edit` written to it.
CaseRecord Applied(CaseRecord record, const CaseEdit& edit) {
    record.person = edit.person.value_or(record.person);
    record.tags = edit.tags.value_or(record.tags);
    record.notes = edit.notes.value_or(record.notes);
    if (edit.outcome) {
        record.verdict = edit.outcome->verdict;
        record.outcomeDate = edit.outcome->date;
        record.outcomeWhat = edit.outcome->what;
    }
    return record;
}

} // namespace

CCaseBookDlg::Delays CCaseBookDlg::SetDelays(const Delays& delays) {
    return std::exchange(CurrentDelays(), delays);
}

CCaseBookDlg::CCaseBookDlg(Session& session, ShowRecord show, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_CASE_BOOK), owner), session(session),
      showRecord(std::move(show)) {
    for (const int id : kFilterFields) {
        MapCommand(id, EN_CHANGE, [this] { filterTimer.start(); });
    }
    for (const int id : {IDC_CASE_METHOD_FILTER, IDC_CASE_VERDICT_FILTER}) {
        MapCommand(id, CBN_SELCHANGE, [this] { ReadFilter(); });
    }
    for (const int id : kEditFields) {
        MapCommand(id, EN_CHANGE, [this] { OnEdit(); });
    }
    MapCommand(IDC_CASE_VERDICT, CBN_SELCHANGE, [this] {
        OnEdit();
        SaveEdits();
    });
    MapCommand(IDC_CASE_LIST, LVN_ITEMCHANGED, [this] { OnSelectionChange(); });
    MapCommand(IDC_CASE_SHOW, [this] { OnShowInMainWindow(); });
    MapCommand(IDC_CASE_DELETE, [this] { OnDelete(); });

    const Delays& delays = CurrentDelays();
    saveTimer.setSingleShot(true);
    saveTimer.setInterval(delays.saveMilliseconds);
    connect(&saveTimer, &QTimer::timeout, this, [this] { SaveEdits(); });
    filterTimer.setSingleShot(true);
    filterTimer.setInterval(delays.filterMilliseconds);
    connect(&filterTimer, &QTimer::timeout, this, [this] { ReadFilter(); });
    refreshTimer.setInterval(delays.refreshMilliseconds);
    connect(&refreshTimer, &QTimer::timeout, this, [this] { RefreshIfChanged(); });
    // What is typed is saved as the focus leaves its field, wherever the focus goes.
    focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old != nullptr && list != nullptr &&
            std::any_of(std::begin(kEditFields), std::end(kEditFields),
                        [&](int id) { return GetDlgItem(id) == old; })) {
            OnFocusLeftField();
        }
    });
}

CCaseBookDlg::~CCaseBookDlg() {
    // The controls are destroyed after this, moving the focus as they go: the window no longer
    // watches it, as its handler would reach a window that is half gone.
    disconnect(focusWatch);
    // The program may end with the window open: nothing typed is left behind.
    if (list != nullptr) {
        SaveEdits();
    }
}

bool CCaseBookDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    list = DlgItem<CListView>(IDC_CASE_LIST);
    methodFilter = DlgItem<CComboBox>(IDC_CASE_METHOD_FILTER);
    verdictFilter = DlgItem<CComboBox>(IDC_CASE_VERDICT_FILTER);
    verdictList = DlgItem<CComboBox>(IDC_CASE_VERDICT);
    FillLists();

    const auto name = [this](int id, const QString& text, const QString& description = {}) {
        SetAccessibleText(*GetDlgItem(id), {ToUtf8(text), ToUtf8(description)});
    };
    name(IDC_CASE_SEARCH, tr("Search"), tr("Words in the question, the notes or the tags"));
    name(IDC_CASE_METHOD_FILTER, tr("Method"));
    name(IDC_CASE_VERDICT_FILTER, tr("Verdict"));
    name(IDC_CASE_TAG_FILTER, tr("Tag"));
    name(IDC_CASE_SINCE, tr("Cast from"), QStringLiteral("YYYY-MM-DD"));
    name(IDC_CASE_UNTIL, tr("Cast until"), QStringLiteral("YYYY-MM-DD"));
    name(IDC_CASE_LIST, tr("Records"));
    name(IDC_CASE_READING, tr("Reading as it was shown"));
    name(IDC_CASE_INPUTS, tr("Inputs and conventions"));
    name(IDC_CASE_PERSON, tr("Person"));
    name(IDC_CASE_TAGS, tr("Tags"), tr("Separated by commas"));
    name(IDC_CASE_NOTES, tr("Notes"));
    name(IDC_CASE_OUTCOME_DATE, tr("Outcome date"), QStringLiteral("YYYY-MM-DD"));
    name(IDC_CASE_VERDICT, tr("Verdict of the record"));
    name(IDC_CASE_OUTCOME_WHAT, tr("What happened"));
    name(IDC_CASE_STATISTICS, tr("Statistics"));
    name(IDC_CASE_COUNT, tr("Records shown"));
    for (const int id : {IDC_CASE_SINCE, IDC_CASE_UNTIL, IDC_CASE_OUTCOME_DATE}) {
        DlgItem<CEdit>(id)->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    }

    list->SetColumns({{ToUtf8(tr("Date")), 62},
                      {ToUtf8(tr("Question")), 110},
                      {ToUtf8(tr("Hexagrams")), 40},
                      {ToUtf8(tr("Verdict")), 0}});
    list->SetRowSource([this](int row) {
        const CaseSummary* summary = SummaryAt(row);
        if (summary == nullptr) {
            return CListView::Row{};
        }
        const std::string moment = CastMomentText(summary->castUtc, summary->utcOffsetMinutes);
        const std::string verdict = VerdictName(session.Words(), summary->verdict);
        const std::string hexagrams =
            HexagramNumber(summary->original) + " \u2192 " + HexagramNumber(summary->final);
        //: How a screen reader names a record of the list: %1 the moment of the cast, %2 the
        //: question, %3 and %4 the original and final hexagram, %5 the verdict
        std::string spoken = FillIn(tr("%1, %2, hexagram %3 to %4, %5"),
                                    {moment, summary->question, HexagramNumber(summary->original),
                                     HexagramNumber(summary->final), verdict});
        return CListView::Row{{moment, summary->question, hexagrams, verdict}, std::move(spoken)};
    });

    OpenBook();
    refreshTimer.start();
    return true;
}

void CCaseBookDlg::FillLists() {
    const Vocabulary& words = session.Words();
    filling = true;
    methodFilter->AddString(ToUtf8(tr("All methods")));
    for (const std::string_view method : kMethods) {
        methodFilter->AddString(MethodName(words, method));
    }
    verdictFilter->AddString(ToUtf8(tr("All verdicts")));
    for (const Verdict verdict : kVerdicts) {
        verdictFilter->AddString(VerdictName(words, verdict));
        verdictList->AddString(VerdictName(words, verdict));
    }
    methodFilter->SetCurSel(0);
    verdictFilter->SetCurSel(0);
    verdictList->SetCurSel(-1);
    filling = false;
}

void CCaseBookDlg::OpenBook() {
    CaseBookError error;
    counter.reset();
    book = CaseBook::Open(session.DataDirectory(), &error);
    if (!book) {
        ShowBroken(error);
        return;
    }
    counter = std::make_unique<CaseBookCounter>(*book);
    connect(
        counter.get(), &CaseBookCounter::Answered, this, [this] { OnCounted(); },
        Qt::QueuedConnection);
    for (const ControlTemplate& control : Template().controls) {
        if (control.id != IDC_STATIC) {
            EnableDlgItem(control.id, true);
        }
    }
    dataVersion = book->DataVersion();
    Refresh();
    if (list->GetCurSel() < 0 && list->GetItemCount() > 0) {
        list->SetCurSel(0);
        OnSelectionChange();
    }
}

void CCaseBookDlg::ShowBroken(const CaseBookError& error) {
    for (const ControlTemplate& control : Template().controls) {
        if (control.id != IDC_STATIC && control.id != IDCANCEL && control.id != IDC_CASE_READING) {
            EnableDlgItem(control.id, false);
        }
    }
    filling = true;
    list->SetItemCount(0);
    SetDlgItemText(IDC_CASE_READING, CaseBookErrorMessage(session.Words(), error));
    filling = false;
    selected.reset();
    selectedId.clear();
    GetDlgItem(IDCANCEL)->setFocus();
}

void CCaseBookDlg::Bring() {
    if (!book) {
        OpenBook(); // the file may have been put right meanwhile
    } else {
        Refresh();
    }
    show();
    raise();
    activateWindow();
}

CaseBook& CCaseBookDlg::Book() {
    counter->Yield();
    return *book;
}

const CaseSummary* CCaseBookDlg::SummaryAt(int row) {
    if (!book || row < 0) {
        return nullptr;
    }
    const std::int64_t page = row / kPageRows;
    auto found = pages.find(page);
    if (found == pages.end()) {
        if (static_cast<int>(pages.size()) >= kCachedPages) {
            // The page farthest from the one wanted goes.
            auto farthest = std::max_element(pages.begin(), pages.end(), [page](auto& a, auto& b) {
                return std::llabs(a.first - page) < std::llabs(b.first - page);
            });
            pages.erase(farthest);
        }
        found = pages.emplace(page, Book().Page(filter, page * kPageRows, kPageRows)).first;
    }
    const auto at = static_cast<std::size_t>(row % kPageRows);
    return at < found->second.size() ? &found->second[at] : nullptr;
}

void CCaseBookDlg::Refresh() {
    ShowRecords(true);
}

void CCaseBookDlg::RefreshIfChanged() {
    if (!book || asking) {
        return;
    }
    if (counting) {
        // The count reads the book as it is: the window looks again once it is in.
        lookAgain = true;
        return;
    }
    const std::int64_t version = book->DataVersion();
    if (version != dataVersion) {
        dataVersion = version;
        Refresh();
    }
}

void CCaseBookDlg::ShowRecords(bool written) {
    if (!book) {
        return;
    }
    if (written) {
        // Shown as it was until it is counted again.
        totalCurrent = false;
        ReadSelectedAgain();
        ShowStatistics();
    }
    CaseBookError error;
    pages.clear();
    std::vector<CaseSummary> first = Book().Page(filter, 0, kPageRows, &error);
    const auto found = std::find_if(first.begin(), first.end(), [this](const CaseSummary& row) {
        return row.id == selectedId;
    });
    const int at = found == first.end() ? -1 : static_cast<int>(found - first.begin());
    const auto held = static_cast<std::int64_t>(first.size());
    pages.emplace(0, std::move(first));
    // A first page that is not full holds every record that passes.
    count = held < kPageRows ? std::optional(held) : std::nullopt;
    if (count && filter.PassesAll()) {
        total = count;
        totalCurrent = true;
    }
    // Where every record that passes is held, one not among them does not pass.
    const bool left = count && at < 0 && !selectedId.empty();
    countedId = at < 0 && !count ? selectedId : std::string();
    // After a new filter the list goes to the selected record once its row is known; after a
    // write it stays where the user has it.
    goToSelected = !written;

    filling = true;
    if (written) {
        // Until the count is known the list keeps its length, so that the rows in view stay.
        const int rows = count ? static_cast<int>(*count)
                               : std::max(list->GetItemCount(), static_cast<int>(held));
        list->UpdateItemCount(rows, at >= 0 ? at : list->GetCurSel());
    } else {
        list->SetItemCount(static_cast<int>(count.value_or(held)), at);
    }
    filling = false;

    counting = !count || !totalCurrent || !countedId.empty();
    if (!counting) {
        counter->Forget();
        ShowCount();
    } else {
        counter->Ask({filter, countedId, !totalCurrent && !filter.PassesAll()});
        // After a write the line stands as it was until the count is in, unless it never
        // stood (the window just opened).
        if (!written || !total) {
            ShowCount();
        }
    }
    if (left) {
        LeaveSelected();
    }
    if (error.Failed()) {
        Tell(error);
    }
}

void CCaseBookDlg::LeaveSelected() {
    SaveEdits();
    selectedId.clear();
    ShowSelected();
}

void CCaseBookDlg::OnCounted() {
    // An answer that comes while a message box is up waits for it to close (see Ask).
    if (asking || !counter) {
        return;
    }
    std::optional<CaseBookCounter::Answer> answer = counter->Take();
    if (!answer) {
        return;
    }
    counting = false;
    if (answer->error.Failed()) {
        Tell(answer->error);
        return;
    }
    count = answer->count;
    if (filter.PassesAll() || answer->total) {
        total = filter.PassesAll() ? count : answer->total;
        totalCurrent = true;
    }
    int row = list->GetCurSel();
    const bool placed = !countedId.empty() && countedId == selectedId;
    if (placed) {
        row = answer->index ? static_cast<int>(*answer->index) : -1;
    }
    filling = true;
    list->UpdateItemCount(static_cast<int>(*count), row);
    if (placed && row >= 0 && goToSelected) {
        list->SetCurSel(row);
    }
    filling = false;
    ShowCount();
    if (placed && row < 0) {
        LeaveSelected();
    }
    if (std::exchange(lookAgain, false)) {
        RefreshIfChanged();
    }
}

void CCaseBookDlg::ShowCount() {
    std::string shown;
    if (count && total) {
        shown = *count >= *total ? FillIn(tr("%1 records"), {std::to_string(*count)})
                                 : FillIn(tr("%1 of %2 records"),
                                          {std::to_string(*count), std::to_string(*total)});
    } else {
        const std::string held = std::to_string(list->GetItemCount());
        //: While the records that pass the filters are being counted
        shown = total ? FillIn(tr("%1 or more of %2 records"), {held, std::to_string(*total)})
                      : FillIn(tr("%1 or more records"), {held});
    }
    if (!filterProblem.empty()) {
        shown += "  " + filterProblem;
    }
    SetDlgItemText(IDC_CASE_COUNT, shown);
}

void CCaseBookDlg::ReadFilter() {
    filterTimer.stop();
    if (!book) {
        return;
    }
    if (asking) {
        filterTimer.start();
        return;
    }
    filter.search = Trimmed(GetDlgItemText(IDC_CASE_SEARCH));
    filter.tag = Trimmed(GetDlgItemText(IDC_CASE_TAG_FILTER));
    const int method = methodFilter->GetCurSel();
    filter.method = method > 0 ? std::string(kMethods[method - 1]) : std::string();
    const int verdict = verdictFilter->GetCurSel();
    filter.verdict = verdict > 0 ? std::optional(kVerdicts[verdict - 1]) : std::nullopt;
    filterProblem.clear();
    const auto date = [this](int id, std::string* bound) {
        const std::string text = Trimmed(GetDlgItemText(id));
        *bound = IsDate(text) ? text : std::string();
        if (!text.empty() && bound->empty()) {
            filterProblem = ToUtf8(tr("Dates are written YYYY-MM-DD."));
        }
    };
    date(IDC_CASE_SINCE, &filter.since);
    date(IDC_CASE_UNTIL, &filter.until);
    ShowRecords(false);
}

void CCaseBookDlg::OnSelectionChange() {
    if (filling) {
        return;
    }
    SaveEdits();
    const CaseSummary* summary = SummaryAt(list->GetCurSel());
    selectedId = summary ? summary->id : std::string();
    ShowSelected();
}

void CCaseBookDlg::ShowSelected() {
    selected.reset();
    if (book && !selectedId.empty()) {
        CaseBookError error;
        selected = Book().Find(selectedId, &error);
        if (error.Failed()) {
            Tell(error);
        }
    }
    const CaseRecord blank;
    const CaseRecord& record = selected ? *selected : blank;
    filling = true;
    SetDlgItemText(IDC_CASE_READING, record.readingText);
    SetDlgItemText(IDC_CASE_INPUTS, selected ? InputsText(session.Words(), record) : "");
    filling = false;
    for (const Field field : kFields) {
        ShowField(field, record);
    }
    behind = false;
    // A book that could only be opened to be read is shown, not written.
    const bool writable = selected && book->Writable();
    for (const int id : {IDC_CASE_PERSON, IDC_CASE_TAGS, IDC_CASE_NOTES, IDC_CASE_OUTCOME_DATE,
                         IDC_CASE_VERDICT, IDC_CASE_OUTCOME_WHAT, IDC_CASE_DELETE}) {
        EnableDlgItem(id, writable);
    }
    EnableDlgItem(IDC_CASE_SHOW, selected.has_value());
}

std::string CCaseBookDlg::Typed(Field field) const {
    switch (field) {
    case Field::Person:
        return GetDlgItemText(IDC_CASE_PERSON);
    case Field::Tags:
        return TagsText(ReadTags(GetDlgItemText(IDC_CASE_TAGS)));
    case Field::Notes:
        return GetDlgItemText(IDC_CASE_NOTES);
    case Field::Outcome:
        return std::to_string(verdictList->GetCurSel()) + "\n" +
               Trimmed(GetDlgItemText(IDC_CASE_OUTCOME_DATE)) + "\n" +
               GetDlgItemText(IDC_CASE_OUTCOME_WHAT);
    }
    return {};
}

bool CCaseBookDlg::Editing(Field field) const {
    const QWidget* focus = QApplication::focusWidget();
    const auto in = [&](int id) { return focus != nullptr && GetDlgItem(id) == focus; };
    switch (field) {
    case Field::Person:
        return in(IDC_CASE_PERSON);
    case Field::Tags:
        return in(IDC_CASE_TAGS);
    case Field::Notes:
        return in(IDC_CASE_NOTES);
    case Field::Outcome:
        return in(IDC_CASE_VERDICT) || in(IDC_CASE_OUTCOME_DATE) || in(IDC_CASE_OUTCOME_WHAT);
    }
    return false;
}

void CCaseBookDlg::ShowField(Field field, const CaseRecord& record) {
    filling = true;
    switch (field) {
    case Field::Person:
        SetDlgItemText(IDC_CASE_PERSON, record.person);
        break;
    case Field::Tags:
        SetDlgItemText(IDC_CASE_TAGS, TagsText(record.tags));
        break;
    case Field::Notes:
        SetDlgItemText(IDC_CASE_NOTES, record.notes);
        break;
    case Field::Outcome: {
        const auto verdict = std::find(std::begin(kVerdicts), std::end(kVerdicts), record.verdict);
        verdictList->SetCurSel(selected ? static_cast<int>(verdict - std::begin(kVerdicts)) : -1);
        SetDlgItemText(IDC_CASE_OUTCOME_DATE, record.outcomeDate);
        SetDlgItemText(IDC_CASE_OUTCOME_WHAT, record.outcomeWhat);
        break;
    }
    }
    filling = false;
    if (selected) {
        Assign(field, &*selected, record);
    }
    shownText[Index(field)] = Typed(field);
}

bool CCaseBookDlg::Has(const CaseEdit& edit, Field field) {
    switch (field) {
    case Field::Person:
        return edit.person.has_value();
    case Field::Tags:
        return edit.tags.has_value();
    case Field::Notes:
        return edit.notes.has_value();
    case Field::Outcome:
        return edit.outcome.has_value();
    }
    return false;
}

void CCaseBookDlg::Drop(CaseEdit* edit, Field field) {
    switch (field) {
    case Field::Person:
        edit->person.reset();
        break;
    case Field::Tags:
        edit->tags.reset();
        break;
    case Field::Notes:
        edit->notes.reset();
        break;
    case Field::Outcome:
        edit->outcome.reset();
        break;
    }
}

void CCaseBookDlg::Assign(Field field, CaseRecord* to, const CaseRecord& from) {
    switch (field) {
    case Field::Person:
        to->person = from.person;
        break;
    case Field::Tags:
        to->tags = from.tags;
        break;
    case Field::Notes:
        to->notes = from.notes;
        break;
    case Field::Outcome:
        to->verdict = from.verdict;
        to->outcomeDate = from.outcomeDate;
        to->outcomeWhat = from.outcomeWhat;
        break;
    }
}

CaseEdit CCaseBookDlg::Edits() const {
    CaseEdit edit;
    if (Changed(Field::Person)) {
        edit.person = GetDlgItemText(IDC_CASE_PERSON);
    }
    if (Changed(Field::Tags)) {
        edit.tags = ReadTags(GetDlgItemText(IDC_CASE_TAGS));
    }
    if (Changed(Field::Notes)) {
        edit.notes = GetDlgItemText(IDC_CASE_NOTES);
    }
    if (Changed(Field::Outcome)) {
        const int chosen = verdictList->GetCurSel();
        edit.outcome = CaseEdit::Outcome{chosen >= 0 ? kVerdicts[chosen] : selected->verdict,
                                         Trimmed(GetDlgItemText(IDC_CASE_OUTCOME_DATE)),
                                         GetDlgItemText(IDC_CASE_OUTCOME_WHAT)};
    }
    return edit;
}

void CCaseBookDlg::OnEdit() {
    if (filling || !selected) {
        return;
    }
    // Saved a moment after the typing stops, should the program end before the field is left.
    saveTimer.start();
}

void CCaseBookDlg::OnFocusLeftField() {
    SaveEdits();
    if (behind && !asking) {
        ReadSelectedAgain();
    }
}

void CCaseBookDlg::ReadSelectedAgain() {
    if (!selected || !book) {
        return;
    }
    CaseBookError error;
    const std::optional<CaseRecord> fresh = Book().Find(selected->id, &error);
    if (error.Failed()) {
        Tell(error);
    } else if (!fresh) {
        RecordGone();
    } else {
        TakeFresh(*fresh, {});
    }
}

void CCaseBookDlg::TakeFresh(const CaseRecord& fresh, const std::vector<Field>& kept) {
    behind = false;
    const CaseRecord seen = *selected;
    for (const Field field : kFields) {
        if (std::find(kept.begin(), kept.end(), field) != kept.end() ||
            FieldText(field, fresh) == FieldText(field, seen)) {
            continue;
        }
        if (Changed(field) || Editing(field)) {
            behind = true; // left as the user has it, not changed under the cursor
        } else {
            ShowField(field, fresh);
        }
    }
    // An import may have replaced the record with a copy from elsewhere.
    if (fresh.readingText != seen.readingText || fresh.inputs != seen.inputs) {
        selected->readingText = fresh.readingText;
        selected->inputs = fresh.inputs;
        filling = true;
        SetDlgItemText(IDC_CASE_READING, fresh.readingText);
        SetDlgItemText(IDC_CASE_INPUTS, InputsText(session.Words(), *selected));
        filling = false;
    }
}

bool CCaseBookDlg::SaveEdits() {
    saveTimer.stop();
    // Whatever differs from what was shown is saved, so that what a failed save left in the
    // form is tried again rather than dropped.
    if (!selected || !book || asking) {
        return true;
    }
    CaseEdit edit = Edits();
    // Another may write again while the user chooses: each round takes what is new.
    for (int round = 0; round < 3; ++round) {
        if (!edit.person && !edit.tags && !edit.notes && !edit.outcome) {
            return true;
        }
        CaseBookError error;
        switch (Book().Edit(selected->id, *selected, edit, &error)) {
        case EditResult::Saved:
            for (const Field field : kFields) {
                if (Has(edit, field)) {
                    shownText[Index(field)] = Typed(field);
                }
            }
            *selected = Applied(*selected, edit);
            // The list shows the verdict and finds the tags and notes.
            pages.clear();
            list->viewport()->update();
            if (edit.outcome) {
                ShowStatistics();
            }
            return true;
        case EditResult::Missing:
            RecordGone();
            return false;
        case EditResult::Failed:
            // What is typed stays in the form, and is tried again at the next save.
            Tell(error);
            return false;
        case EditResult::Changed:
            if (!Reconcile(&edit)) {
                return false;
            }
            break;
        }
    }
    // Changed by another at every try: what is typed stays, and is saved at the next pause.
    saveTimer.start();
    return false;
}

bool CCaseBookDlg::Reconcile(CaseEdit* edit) {
    CaseBookError error;
    const std::optional<CaseRecord> fresh = Book().Find(selected->id, &error);
    if (!fresh) {
        if (error.Failed()) {
            Tell(error);
        } else {
            RecordGone();
        }
        return false;
    }
    const CaseRecord mine = Applied(*selected, *edit);
    std::vector<Field> typed;
    std::vector<Field> both;
    for (const Field field : kFields) {
        if (!Has(*edit, field)) {
            continue;
        }
        typed.push_back(field);
        const std::string theirs = FieldText(field, *fresh);
        if (theirs != FieldText(field, *selected) && theirs != FieldText(field, mine)) {
            both.push_back(field);
        }
    }
    if (!both.empty()) {
        const bool keepMine = KeepMine(both, mine, *fresh);
        if (!selected) {
            return false; // gone while the user chose
        }
        for (const Field field : both) {
            if (!keepMine) {
                ShowField(field, *fresh);
                Drop(edit, field);
            }
        }
    }
    // What the user typed is saved against what the book holds now.
    for (const Field field : typed) {
        Assign(field, &*selected, *fresh);
    }
    TakeFresh(*fresh, typed);
    return true;
}

bool CCaseBookDlg::KeepMine(const std::vector<Field>& both, const CaseRecord& mine,
                            const CaseRecord& theirs) {
    std::string text = FillIn(tr("While you were writing in the record of \u201c%1\u201d, it "
                                 "was changed elsewhere (on the command line or in another "
                                 "copy of the program)."),
                              {theirs.question.empty() ? "-" : theirs.question});
    for (const Field field : both) {
        const std::string name = FieldName(field);
        //: %1 the name of a part of the record: Person, Tags, Notes or Outcome
        text += "\n\n" + FillIn(tr("%1, yours:"), {name}) + "\n" +
                Shortened(FieldText(field, mine)) + "\n\n" +
                //: %1 the name of a part of the record: Person, Tags, Notes or Outcome
                FillIn(tr("%1, now in the case book:"), {name}) + "\n" +
                Shortened(FieldText(field, theirs));
    }
    text += "\n\n" + ToUtf8(tr("Keep yours, replacing what is now in the case book? The text "
                               "you do not keep is copied to the clipboard."));
    const bool keepMine = Ask({text, ToUtf8(tr("Changed Elsewhere")), MessageIcon::Question,
                               MessageButtons::YesNo, IDYES}) == IDYES;
    QGuiApplication::clipboard()->setText(ToQString(FieldsText(both, keepMine ? theirs : mine)));
    return keepMine;
}

void CCaseBookDlg::RecordGone() {
    std::vector<Field> changed;
    std::copy_if(kFields.begin(), kFields.end(), std::back_inserter(changed),
                 [this](Field field) { return Changed(field); });
    const std::string unsaved = selected ? FieldsText(changed, Applied(*selected, Edits())) : "";
    const std::string question = selected && !selected->question.empty() ? selected->question : "-";
    // Nothing reaches the record any more, whatever comes while the user answers.
    selected.reset();
    selectedId.clear();
    saveTimer.stop();
    if (!changed.empty()) {
        const std::string text =
            FillIn(tr("The record of \u201c%1\u201d was deleted elsewhere, so what you wrote in "
                      "it could not be saved:"),
                   {question}) +
            "\n\n" + Shortened(unsaved) + "\n\n" +
            ToUtf8(tr("Copy what you wrote to the clipboard?"));
        if (Ask({text, ToUtf8(tr("Record Deleted")), MessageIcon::Exclamation,
                 MessageButtons::YesNo, IDYES}) == IDYES) {
            QGuiApplication::clipboard()->setText(ToQString(unsaved));
        }
    }
    ShowSelected();
}

std::string CCaseBookDlg::FieldsText(const std::vector<Field>& fields,
                                     const CaseRecord& record) const {
    std::string text;
    for (const Field field : fields) {
        if (!text.empty()) {
            text += "\n\n";
        }
        if (fields.size() > 1) {
            //: Before the text of one part of a record: %1 its name (Person, Tags, Notes...)
            text += FillIn(tr("%1:"), {FieldName(field)}) + "\n";
        }
        text += FieldText(field, record);
    }
    return text;
}

std::string CCaseBookDlg::FieldName(Field field) const {
    switch (field) {
    case Field::Person:
        return ToUtf8(tr("Person"));
    case Field::Tags:
        return ToUtf8(tr("Tags"));
    case Field::Notes:
        return ToUtf8(tr("Notes"));
    case Field::Outcome:
        //: The verdict, the date and what happened of a record, as one
        return ToUtf8(tr("Outcome"));
    }
    return {};
}

std::string CCaseBookDlg::FieldText(Field field, const CaseRecord& record) const {
    switch (field) {
    case Field::Person:
        return record.person;
    case Field::Tags:
        return TagsText(record.tags);
    case Field::Notes:
        return record.notes;
    case Field::Outcome: {
        std::string text = VerdictName(session.Words(), record.verdict);
        for (const std::string* part : {&record.outcomeDate, &record.outcomeWhat}) {
            if (!part->empty()) {
                text += "\n" + *part;
            }
        }
        return text;
    }
    }
    return {};
}

void CCaseBookDlg::ShowStatistics() {
    if (!book) {
        return;
    }
    CaseBookError error;
    const CaseStatistics statistics = Book().Statistics(&error);
    SetDlgItemText(IDC_CASE_STATISTICS, StatisticsText(session.Words(), statistics));
}

void CCaseBookDlg::OnShowInMainWindow() {
    SaveEdits();
    if (selected && showRecord) {
        showRecord(*selected);
    }
}

void CCaseBookDlg::OnDelete() {
    if (!selected || !book) {
        return;
    }
    SaveEdits();
    if (!selected) {
        return; // gone elsewhere meanwhile
    }
    const std::string question = selected->question.empty() ? std::string("-") : selected->question;
    const int answer =
        Ask({FillIn(tr("Delete the record of \u201c%1\u201d? This cannot be undone."), {question}),
             ToUtf8(tr("Delete Record")), MessageIcon::Question, MessageButtons::YesNo, IDNO});
    if (answer != IDYES || !selected) {
        return;
    }
    CaseBookError error;
    const int row = list->GetCurSel();
    if (!Book().Remove(selected->id, &error)) {
        if (error.Failed()) {
            Tell(error);
        }
        return;
    }
    selectedId.clear();
    selected.reset();
    Refresh();
    // The record that took its place is selected.
    const int next = std::min(row, list->GetItemCount() - 1);
    list->SetCurSel(next);
    OnSelectionChange();
    list->setFocus();
}

int CCaseBookDlg::Ask(const MessageBoxRequest& request) {
    const bool nested = std::exchange(asking, true);
    const int answer = ShowMessageBox(this, request);
    asking = nested;
    if (!asking) {
        // What waited meanwhile.
        OnCounted();
    }
    return answer;
}

void CCaseBookDlg::Tell(const CaseBookError& error) {
    Ask({CaseBookErrorMessage(session.Words(), error), ToUtf8(QCoreApplication::applicationName()),
         MessageIcon::Exclamation, MessageButtons::Ok, IDOK});
}

void CCaseBookDlg::OnOK() {
    // Enter away from the buttons: what is typed is saved and the filters apply at once.
    SaveEdits();
    if (filterTimer.isActive()) {
        ReadFilter();
    }
}

void CCaseBookDlg::OnCancel() {
    SaveEdits();
    CDialog::OnCancel();
}

} // namespace zandrel
