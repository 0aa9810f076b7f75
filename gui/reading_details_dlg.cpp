#include "gui/reading_details_dlg.h"

#include "app/reading_details.h"
#include "gui/resource.h"
#include "gui/templates.h"
#include "platform/accessible_text.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/text_box.h"

#include <cstdio>

namespace zandrel {
namespace {

constexpr int kLongitudeCharacters = 12;

// The entries of each list, in the order they are offered.
constexpr YearStart kYearStarts[] = {YearStart::Lunar, YearStart::Lichun};
constexpr ZiHour kZiHours[] = {ZiHour::SameDay, ZiHour::NextDay};
constexpr EarthRule kEarthRules[] = {EarthRule::EarthMonths, EarthRule::EarthDays};

template <class T, std::size_t N> int IndexOf(const T (&values)[N], T value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

template <class T, std::size_t N> T ChosenOf(const T (&values)[N], const CComboBox& list) {
    const int index = list.GetCurSel();
    return values[index < 0 || index >= static_cast<int>(N) ? 0 : index];
}

std::string LongitudeText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", degrees);
    std::string written = text;
    // 116.40 reads 116.4, 120.00 reads 120.
    written.erase(written.find_last_not_of('0') + 1);
    if (written.back() == '.') {
        written.pop_back();
    }
    return written;
}

} // namespace

CReadingDetailsDlg::CReadingDetailsDlg(const Session& session, QWidget* owner)
    : CDialog(FindDialogTemplate(IDD_READING_DETAILS), owner), session(session),
      conventions(LoadConventions(session.DataDirectory())) {
    for (const int id : {IDC_DETAILS_YEAR_START, IDC_DETAILS_ZI_HOUR, IDC_DETAILS_EARTH}) {
        MapCommand(id, CBN_SELCHANGE, [this] { OnConventionChosen(); });
    }
    MapCommand(IDC_DETAILS_LONGITUDE, EN_CHANGE, [this] { OnLongitudeChange(); });
}

void CReadingDetailsDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_DETAILS_TEXT, detailsText);
}

bool CReadingDetailsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    yearStartList = DlgItem<CComboBox>(IDC_DETAILS_YEAR_START);
    ziHourList = DlgItem<CComboBox>(IDC_DETAILS_ZI_HOUR);
    earthList = DlgItem<CComboBox>(IDC_DETAILS_EARTH);
    // The lists offer each choice in the words the details state it in.
    const Vocabulary& words = session.Words();
    for (const YearStart start : kYearStarts) {
        yearStartList->AddString(YearStartText(words, start));
    }
    for (const ZiHour ziHour : kZiHours) {
        ziHourList->AddString(ZiHourText(words, ziHour));
    }
    for (const EarthRule rule : kEarthRules) {
        earthList->AddString(EarthRuleText(words, rule));
    }
    yearStartList->SetCurSel(IndexOf(kYearStarts, conventions.pillars.yearStart));
    ziHourList->SetCurSel(IndexOf(kZiHours, conventions.pillars.ziHour));
    earthList->SetCurSel(IndexOf(kEarthRules, conventions.earth));
    DlgItem<CEdit>(IDC_DETAILS_LONGITUDE)->SetLimitText(kLongitudeCharacters);
    if (conventions.pillars.longitude) {
        SetDlgItemText(IDC_DETAILS_LONGITUDE, LongitudeText(*conventions.pillars.longitude));
    }
    SetAccessibleText(*detailsText, {ToUtf8(tr("Reading details")), ""});
    ShowDetails();
    return true;
}

void CReadingDetailsDlg::ShowCast(const std::optional<CastResult>& cast) {
    shownCast = cast;
    ShowDetails();
}

void CReadingDetailsDlg::OnConventionChosen() {
    conventions.pillars.yearStart = ChosenOf(kYearStarts, *yearStartList);
    conventions.pillars.ziHour = ChosenOf(kZiHours, *ziHourList);
    conventions.earth = ChosenOf(kEarthRules, *earthList);
    Keep();
}

void CReadingDetailsDlg::OnLongitudeChange() {
    const std::string typed = GetDlgItemText(IDC_DETAILS_LONGITUDE);
    if (typed.find_first_not_of(' ') == std::string::npos) {
        conventions.pillars.longitude.reset();
        Keep();
        return;
    }
    // A longitude half typed ("-", "11") is not kept until it reads as one.
    if (const std::optional<double> degrees = ReadLongitude(typed)) {
        conventions.pillars.longitude = degrees;
        conventions.keptLongitude = degrees;
        Keep();
    }
}

void CReadingDetailsDlg::Keep() {
    // A folder that takes no settings is told once, not at every key typed.
    if (!SaveConventions(session.DataDirectory(), conventions) && !toldSettingsProblem) {
        toldSettingsProblem = true;
        ReportFileError(this,
                        FillIn(tr("The settings could not be written to %1. The details "
                                  "follow the conventions chosen until Zandrel is closed."),
                               {session.DataDirectory() + "/" + std::string(kSettingsFileName)}));
    }
    ShowDetails();
}

void CReadingDetailsDlg::ShowDetails() {
    if (detailsText == nullptr) {
        return;
    }
    if (!shownCast) {
        detailsText->SetWindowText(
            ToUtf8(tr("No reading yet. Cast one in the main window and its details show here.")));
        return;
    }
    detailsText->SetWindowText(DetailsText(session.Words(), DetailsOf(*shownCast, conventions)));
}

} // namespace zandrel
