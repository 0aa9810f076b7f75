#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zandrel {

// Command ids every dialog understands.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
// Controls nobody addresses (frames, headings).
inline constexpr int IDC_STATIC = -1;

// One horizontal and one vertical dialog unit, in device-independent pixels.
inline constexpr int kPixelsPerDialogUnit = 2;

enum class ControlKind : std::uint8_t {
    PushButton,   // a command button
    LabelButton,  // a flat push button that only shows its caption
    BitmapButton, // shows one bitmap, unscaled, from its top-left corner
    ManualRadio,  // a radio button that only the program checks
    DropDownList, // a closed list showing the selected entry
    Edit,         // single-line, or multi-line with kMultiLine
    GroupBox,
    StaticText,
    Icon,     // shows the icon resource `image`
    ListView, // a report of rows and columns that its owner supplies
};

// Control styles, combined with |.
enum ControlStyle : std::uint32_t {
    kTabStop = 1U << 0,
    kDefaultButton = 1U << 1,
    kMultiLine = 1U << 2,
    kReadOnly = 1U << 3,
    kBorder = 1U << 4,
    kClientEdge = 1U << 5, // the sunken double frame
    kVScroll = 1U << 6,    // a vertical scroll bar
    kAutoVScroll = 1U << 7,
    kAutoHScroll = 1U << 8, // a single line scrolls sideways; a multi-line edit stops wrapping
    kNoHideSel = 1U << 9,   // the selection stays visible without focus
    kNoPrefix = 1U << 10,   // "&" is shown as it stands
};

// Window styles of a dialog, combined with |.
enum DialogStyle : std::uint32_t {
    kCaption = 1U << 0,
    kSysMenu = 1U << 1, // the close box
    kMinimizeBox = 1U << 2,
    kModalFrame = 1U << 3,
    kDialogFrame = 1U << 4, // a raised frame on a window without a caption
    kCentre = 1U << 5,      // centred in the screen's work area, whatever the owner
    kAppWindow = 1U << 6,   // a top-level application window with a task bar entry
};

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

// The captions and titles of the templates are translated in the context "DialogTemplate":
// mark each with QT_TRANSLATE_NOOP("DialogTemplate", ...) where it is written.

struct ControlTemplate {
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::StaticText;
    std::string_view caption;
    DialogRect rect; // in dialog units; a drop-down list's height includes its opened list
    std::uint32_t styles = 0;
    int image = 0; // icon resource of an Icon control
};

// A dialog as data: the window and its controls, whose order is the tab order.
struct DialogTemplate {
    int id = 0;
    std::string_view title;
    int width = 0; // in dialog units
    int height = 0;
    std::uint32_t styles = 0;
    std::span<const ControlTemplate> controls;
};

} // namespace zandrel
