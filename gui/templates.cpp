#include "gui/templates.h"

#include "core/version.h"
#include "gui/resource.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace zandrel {
namespace {

using K = ControlKind;

constexpr std::uint32_t kReadingTextStyles =
    kMultiLine | kReadOnly | kBorder | kClientEdge | kVScroll | kAutoVScroll | kNoHideSel;
constexpr std::uint32_t kListStyles = kVScroll | kTabStop;

constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, K::Icon, "", {11, 17, 20, 20}, 0, IDR_MAINFRAME},
    {IDC_VERSION, K::StaticText, "Zandrel Version " ZANDREL_VERSION, {40, 10, 202, 8}, kNoPrefix},
    {IDC_STATIC,
     K::GroupBox,
     QT_TRANSLATE_NOOP("DialogTemplate", "Disclaimer"),
     {21, 103, 213, 84}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate",
                       "Zandrel is for reflection on a question and for the study of the "
                       "classical method of casting hexagrams."),
     {26, 114, 202, 24}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate",
                       "It gives no advice, medical, legal or financial, and its readings are "
                       "not predictions to rely on."),
     {26, 143, 202, 24}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Free software under the GNU GPL, version 3 or later."),
     {26, 171, 202, 9}},
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "OK"),
     {103, 194, 50, 14},
     kDefaultButton | kTabStop},
};

constexpr ControlTemplate kMainControls[] = {
    {IDC_INNER_TRIGRAM,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Inner Trigram"),
     {17, 24, 50, 14},
     kTabStop},
    {IDC_OUTER_TRIGRAM,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Outer Trigram"),
     {17, 38, 50, 14},
     kTabStop},
    {IDC_CHANGE_LINE,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Change Line"),
     {17, 52, 50, 14},
     kTabStop},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "General Query"), {7, 7, 70, 72}},
    {IDC_OUTER_IMAGE, K::BitmapButton, "", {81, 11, 50, 34}},
    {IDC_INNER_IMAGE, K::BitmapButton, "", {81, 45, 50, 34}},
    {IDC_LINE6, K::ManualRadio, "", {134, 14, 8, 8}},
    {IDC_LINE5, K::ManualRadio, "", {134, 24, 8, 8}},
    {IDC_LINE4, K::ManualRadio, "", {134, 34, 8, 8}},
    {IDC_LINE3, K::ManualRadio, "", {134, 48, 8, 8}},
    {IDC_LINE2, K::ManualRadio, "", {134, 58, 8, 8}},
    {IDC_LINE1, K::ManualRadio, "", {134, 68, 8, 8}},
    {IDC_YEAR, K::DropDownList, "", {154, 16, 50, 101}, kListStyles},
    {IDC_MONTH, K::DropDownList, "", {154, 27, 50, 99}, kListStyles},
    {IDC_DAY, K::DropDownList, "", {154, 38, 50, 96}, kListStyles},
    {IDC_PERIOD, K::DropDownList, "", {154, 49, 50, 99}, kListStyles},
    {IDC_RUN,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Run"),
     {154, 61, 50, 14},
     kTabStop},
    {IDC_STATIC,
     K::GroupBox,
     QT_TRANSLATE_NOOP("DialogTemplate", "Target Time Query"),
     {144, 7, 70, 72}},
    {IDC_OUTER_ELEMENT, K::LabelButton, "", {22, 89, 29, 14}},
    {IDC_INNER_ELEMENT, K::LabelButton, "", {22, 103, 29, 14}},
    {IDC_NUCLEAR_UPPER_ELEMENT, K::LabelButton, "", {7, 117, 29, 14}},
    {IDC_NUCLEAR_LOWER_ELEMENT, K::LabelButton, "", {36, 117, 30, 14}},
    {IDC_FINAL_OUTER_ELEMENT, K::LabelButton, "", {22, 131, 29, 14}},
    {IDC_FINAL_INNER_ELEMENT, K::LabelButton, "", {22, 145, 29, 14}},
    {IDC_OUTER_ROLE, K::LabelButton, "", {61, 89, 30, 14}},
    {IDC_INNER_ROLE, K::LabelButton, "", {61, 103, 30, 14}},
    {IDC_OUTER_SMALL, K::BitmapButton, "", {101, 89, 30, 14}},
    {IDC_INNER_SMALL, K::BitmapButton, "", {101, 103, 30, 14}},
    {IDC_NUCLEAR_UPPER_SMALL, K::BitmapButton, "", {86, 117, 30, 14}},
    {IDC_NUCLEAR_LOWER_SMALL, K::BitmapButton, "", {116, 117, 30, 14}},
    {IDC_FINAL_OUTER_SMALL, K::BitmapButton, "", {101, 131, 30, 14}},
    {IDC_FINAL_INNER_SMALL, K::BitmapButton, "", {101, 145, 30, 14}},
    {IDC_ORIGINAL_NUMBER, K::LabelButton, "", {156, 94, 30, 14}},
    {IDC_FINAL_NUMBER, K::LabelButton, "", {156, 145, 30, 14}},
    {IDC_HEXAGRAM_TEXT, K::Edit, "", {7, 167, 267, 87}, kReadingTextStyles},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Original Hexagram"),
     {156, 85, 58, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Final Hexagram"),
     {156, 136, 58, 8}},
    {IDC_CHANGE_LINE_NUMBER, K::LabelButton, "", {156, 119, 30, 14}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Change Line"),
     {156, 111, 58, 8}},
    {IDC_VIEW_LOG,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "View Log"),
     {219, 24, 50, 14},
     kTabStop},
    {IDC_DELETE_LOG,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Delete Log"),
     {219, 52, 50, 14},
     kTabStop},
    {IDC_VIEW_TEXT,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "View Text"),
     {219, 89, 50, 14},
     kTabStop},
    {IDC_MANAGE_TEXT,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Manage Text"),
     {219, 117, 50, 14},
     kTabStop},
};

constexpr ControlTemplate kSplashControls[] = {
    {IDC_STATIC, K::Icon, "", {11, 17, 20, 20}, 0, IDR_MAINFRAME},
    {IDC_VERSION, K::StaticText, "Zandrel Version " ZANDREL_VERSION, {40, 10, 194, 8}, kNoPrefix},
};

constexpr ControlTemplate kQueryControls[] = {
    {IDC_QUESTION, K::Edit, "", {7, 24, 202, 14}, kBorder | kAutoHScroll | kTabStop},
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "OK"),
     {216, 7, 50, 14},
     kDefaultButton | kTabStop},
    {IDCANCEL,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"),
     {216, 24, 50, 14},
     kTabStop},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Enter your question below:"),
     {7, 13, 202, 8}},
};

constexpr ControlTemplate kLogControls[] = {
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "OK"),
     {125, 173, 50, 14},
     kDefaultButton | kTabStop},
    {IDC_LOG_TEXT,
     K::Edit,
     "",
     {7, 7, 286, 160},
     kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll | kNoHideSel},
};

// The browser's grid: eight rows of eight numbered buttons, "1" to "8" in the top row.
struct NumberCaptions {
    std::array<std::array<char, 3>, 64> text{};

    constexpr NumberCaptions() {
        for (int n = 1; n <= 64; ++n) {
            auto& caption = text[static_cast<std::size_t>(n - 1)];
            caption = n < 10 ? std::array<char, 3>{char('0' + n)}
                             : std::array<char, 3>{char('0' + n / 10), char('0' + n % 10)};
        }
    }
    constexpr std::string_view operator[](int n) const {
        return text[static_cast<std::size_t>(n - 1)].data();
    }
};
constexpr NumberCaptions kNumberCaptions;

constexpr std::array<ControlTemplate, 66> kHexagramTextControls = [] {
    std::array<ControlTemplate, 66> controls{};
    controls[0] = {IDOK,
                   K::PushButton,
                   QT_TRANSLATE_NOOP("DialogTemplate", "OK"),
                   {125, 219, 50, 14},
                   kDefaultButton | kTabStop};
    controls[1] = {IDC_HEXAGRAM_TEXT,
                   K::Edit,
                   "",
                   {7, 124, 286, 90},
                   kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll | kNoHideSel |
                       kTabStop};
    for (int n = 1; n <= 64; ++n) {
        controls[static_cast<std::size_t>(n + 1)] = {
            IDC_HEXAGRAM1 + n - 1,
            K::PushButton,
            kNumberCaptions[n],
            {28 + 30 * ((n - 1) % 8), 7 + 14 * ((n - 1) / 8), 30, 14},
            kTabStop};
    }
    return controls;
}();

constexpr std::uint32_t kCustomTextStyles = kBorder | kAutoHScroll | kTabStop;

constexpr ControlTemplate kManageTextControls[] = {
    {IDC_CUSTOM_HEXAGRAM, K::DropDownList, "", {60, 7, 30, 149}, kListStyles},
    {IDC_CUSTOM_TITLE, K::Edit, "", {60, 30, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_MAIN, K::Edit, "", {60, 46, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE1, K::Edit, "", {60, 62, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE2, K::Edit, "", {60, 78, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE3, K::Edit, "", {60, 94, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE4, K::Edit, "", {60, 110, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE5, K::Edit, "", {60, 126, 220, 14}, kCustomTextStyles},
    {IDC_CUSTOM_LINE6, K::Edit, "", {60, 142, 220, 14}, kCustomTextStyles},
    {IDC_UPDATE_TEXT,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Update Text"),
     {7, 179, 60, 14},
     kTabStop},
    {IDC_RESTORE_TEXT,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Restore Text"),
     {82, 179, 60, 14},
     kTabStop},
    {IDC_RESTORE_ALL_TEXT,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Restore All Text"),
     {157, 179, 60, 14},
     kTabStop},
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Close"),
     {232, 179, 60, 14},
     kDefaultButton | kTabStop},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Hexagram:"), {7, 7, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Title:"), {7, 30, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Main Text:"), {7, 47, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 1:"), {7, 64, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 2:"), {7, 81, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 3:"), {7, 98, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 4:"), {7, 115, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 5:"), {7, 132, 40, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Line 6:"), {7, 149, 40, 8}},
};

constexpr std::uint32_t kDateTimeStyles = kBorder | kAutoHScroll | kTabStop;

constexpr ControlTemplate kTraditionalControls[] = {
    {IDC_CIVIL_DATE, K::Edit, "", {82, 7, 60, 14}, kDateTimeStyles},
    {IDC_CLOCK_TIME, K::Edit, "", {82, 24, 60, 14}, kDateTimeStyles},
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Cast..."),
     {216, 7, 50, 14},
     kDefaultButton | kTabStop},
    {IDCANCEL,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"),
     {216, 24, 50, 14},
     kTabStop},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Date (YYYY-MM-DD):"),
     {7, 10, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Time (HH:MM):"),
     {7, 27, 72, 8}},
    {IDC_STATIC,
     K::GroupBox,
     QT_TRANSLATE_NOOP("DialogTemplate", "Lunar Date and Hour"),
     {7, 43, 259, 40}},
    {IDC_LUNAR_DATE, K::StaticText, "", {13, 54, 247, 26}, kNoPrefix},
};

constexpr ControlTemplate kCountCastControls[] = {
    {IDC_COUNT_METHOD, K::DropDownList, "", {82, 7, 100, 60}, kListStyles},
    {IDC_COUNT_INPUT, K::Edit, "", {82, 24, 150, 14}, kDateTimeStyles},
    {IDC_COUNT_STROKES, K::Edit, "", {82, 41, 150, 14}, kDateTimeStyles},
    {IDC_STROKE_COUNT, K::DropDownList, "", {82, 58, 100, 60}, kListStyles},
    {IDC_COUNT_RULE, K::DropDownList, "", {82, 75, 211, 80}, kListStyles},
    {IDC_CIVIL_DATE, K::Edit, "", {82, 92, 60, 14}, kDateTimeStyles},
    {IDC_CLOCK_TIME, K::Edit, "", {82, 109, 60, 14}, kDateTimeStyles},
    {IDOK,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Cast..."),
     {243, 7, 50, 14},
     kDefaultButton | kTabStop},
    {IDCANCEL,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Cancel"),
     {243, 24, 50, 14},
     kTabStop},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Method:"), {7, 9, 72, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Input:"), {7, 27, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Strokes given:"),
     {7, 44, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Strokes counted:"),
     {7, 60, 72, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Rule:"), {7, 77, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Date (YYYY-MM-DD):"),
     {7, 95, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Time (HH:MM):"),
     {7, 112, 72, 8}},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "Arithmetic"), {7, 128, 286, 64}},
    {IDC_COUNT_ARITHMETIC, K::StaticText, "", {13, 139, 274, 50}, kNoPrefix},
};

constexpr ControlTemplate kReadingDetailsControls[] = {
    {IDC_DETAILS_YEAR_START, K::DropDownList, "", {82, 7, 150, 60}, kListStyles},
    {IDC_DETAILS_ZI_HOUR, K::DropDownList, "", {82, 24, 150, 60}, kListStyles},
    {IDC_DETAILS_EARTH, K::DropDownList, "", {82, 41, 150, 60}, kListStyles},
    {IDC_DETAILS_LONGITUDE, K::Edit, "", {82, 58, 60, 14}, kDateTimeStyles},
    {IDCANCEL,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Close"),
     {243, 7, 50, 14},
     kDefaultButton | kTabStop},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Year begins:"), {7, 9, 72, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Hour 23–24:"), {7, 26, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Earth rules:"),
     {7, 43, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Longitude (east):"),
     {7, 60, 72, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "empty: clock time"),
     {148, 60, 140, 8}},
    {IDC_DETAILS_TEXT,
     K::Edit,
     "",
     {7, 78, 286, 185},
     kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll | kNoHideSel},
};

constexpr std::uint32_t kCaseEditStyles = kBorder | kAutoHScroll | kTabStop;
constexpr std::uint32_t kCaseTextStyles =
    kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll | kNoHideSel | kTabStop;

constexpr ControlTemplate kCaseBookControls[] = {
    {IDC_CASE_SEARCH, K::Edit, "", {46, 7, 216, 14}, kCaseEditStyles},
    {IDC_CASE_METHOD_FILTER, K::DropDownList, "", {46, 24, 100, 100}, kListStyles},
    {IDC_CASE_VERDICT_FILTER, K::DropDownList, "", {192, 24, 70, 70}, kListStyles},
    {IDC_CASE_TAG_FILTER, K::Edit, "", {46, 41, 56, 14}, kCaseEditStyles},
    {IDC_CASE_SINCE, K::Edit, "", {134, 41, 56, 14}, kCaseEditStyles},
    {IDC_CASE_UNTIL, K::Edit, "", {206, 41, 56, 14}, kCaseEditStyles},
    {IDC_CASE_LIST, K::ListView, "", {7, 58, 255, 150}, kBorder | kVScroll | kTabStop},
    {IDC_CASE_READING, K::Edit, "", {270, 17, 203, 100}, kCaseTextStyles},
    {IDC_CASE_INPUTS, K::Edit, "", {270, 129, 203, 30}, kCaseTextStyles},
    {IDC_CASE_PERSON, K::Edit, "", {322, 162, 151, 14}, kCaseEditStyles},
    {IDC_CASE_TAGS, K::Edit, "", {322, 178, 151, 14}, kCaseEditStyles},
    {IDC_CASE_NOTES,
     K::Edit,
     "",
     {322, 194, 151, 34},
     kMultiLine | kBorder | kVScroll | kAutoVScroll | kTabStop},
    {IDC_CASE_OUTCOME_DATE, K::Edit, "", {322, 230, 56, 14}, kCaseEditStyles},
    {IDC_CASE_VERDICT, K::DropDownList, "", {418, 230, 55, 60}, kListStyles},
    {IDC_CASE_OUTCOME_WHAT, K::Edit, "", {322, 246, 151, 14}, kCaseEditStyles},
    {IDC_CASE_SHOW,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Show in Main Window"),
     {270, 279, 86, 14},
     kTabStop},
    {IDC_CASE_DELETE,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Delete..."),
     {360, 279, 52, 14},
     kTabStop},
    {IDCANCEL,
     K::PushButton,
     QT_TRANSLATE_NOOP("DialogTemplate", "Close"),
     {423, 279, 50, 14},
     kTabStop},
    {IDC_CASE_STATISTICS, K::Edit, "", {13, 233, 243, 55}, kCaseTextStyles},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Search:"), {7, 10, 38, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Method:"), {7, 27, 38, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Verdict:"), {150, 27, 41, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Tag:"), {7, 44, 38, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "From:"), {106, 44, 27, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "To:"), {192, 44, 13, 8}},
    {IDC_CASE_COUNT, K::StaticText, "", {7, 211, 255, 8}, kNoPrefix},
    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplate", "Statistics"), {7, 222, 255, 71}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Reading as it was shown:"),
     {270, 7, 203, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Inputs and conventions:"),
     {270, 120, 203, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Person:"), {270, 165, 50, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Tags:"), {270, 181, 50, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Notes:"), {270, 197, 50, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "Outcome date:"),
     {270, 233, 50, 8}},
    {IDC_STATIC, K::StaticText, QT_TRANSLATE_NOOP("DialogTemplate", "Verdict:"), {381, 233, 36, 8}},
    {IDC_STATIC,
     K::StaticText,
     QT_TRANSLATE_NOOP("DialogTemplate", "What happened:"),
     {270, 249, 50, 8}},
};

constexpr std::array kTemplates = {
    DialogTemplate{IDD_ABOUTBOX, QT_TRANSLATE_NOOP("DialogTemplate", "About Zandrel"), 255, 215,
                   kCaption | kSysMenu | kModalFrame, kAboutControls},
    DialogTemplate{IDD_MAIN, QT_TRANSLATE_NOOP("DialogTemplate", "Zandrel"), 280, 260,
                   kCaption | kSysMenu | kMinimizeBox | kModalFrame | kAppWindow, kMainControls},
    DialogTemplate{IDD_SPLASH, "", 247, 105, kDialogFrame | kCentre, kSplashControls},
    DialogTemplate{IDD_QUERY, QT_TRANSLATE_NOOP("DialogTemplate", "Query Auvrel"), 273, 45,
                   kCaption | kModalFrame, kQueryControls},
    DialogTemplate{IDD_LOG, QT_TRANSLATE_NOOP("DialogTemplate", "Auvrel Log"), 300, 200,
                   kCaption | kSysMenu | kModalFrame, kLogControls},
    DialogTemplate{IDD_HEXAGRAM_TEXT, QT_TRANSLATE_NOOP("DialogTemplate", "Hexagram Text"), 300,
                   240, kCaption | kSysMenu | kModalFrame, kHexagramTextControls},
    DialogTemplate{IDD_MANAGE_TEXT,
                   QT_TRANSLATE_NOOP("DialogTemplate", "Manage Custom Hexagram Text"), 300, 200,
                   kCaption | kSysMenu | kModalFrame, kManageTextControls},
    DialogTemplate{IDD_TRADITIONAL, QT_TRANSLATE_NOOP("DialogTemplate", "Traditional Time Query"),
                   273, 90, kCaption | kSysMenu | kModalFrame, kTraditionalControls},
    DialogTemplate{IDD_COUNT_CAST, QT_TRANSLATE_NOOP("DialogTemplate", "Cast from Counts"), 300,
                   199, kCaption | kSysMenu | kModalFrame, kCountCastControls},
    DialogTemplate{IDD_READING_DETAILS, QT_TRANSLATE_NOOP("DialogTemplate", "Reading Details"), 300,
                   270, kCaption | kSysMenu | kModalFrame, kReadingDetailsControls},
    DialogTemplate{IDD_CASE_BOOK, QT_TRANSLATE_NOOP("DialogTemplate", "Case Book"), 480, 300,
                   kCaption | kSysMenu | kModalFrame, kCaseBookControls},
};

} // namespace

const DialogTemplate& FindDialogTemplate(int id) {
    const auto* found = std::find_if(kTemplates.begin(), kTemplates.end(),
                                     [id](const DialogTemplate& t) { return t.id == id; });
    if (found == kTemplates.end()) {
        std::fprintf(stderr, "no dialog template %d\n", id);
        std::abort();
    }
    return *found;
}

std::span<const DialogTemplate> DialogTemplates() {
    return kTemplates;
}

} // namespace zandrel
