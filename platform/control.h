#pragma once

#include "platform/dialog_template.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace zandrel {

// Notification codes.
inline constexpr int BN_CLICKED = 0;     // a button was clicked
inline constexpr int CBN_SELCHANGE = 1;  // the user chose another entry of a drop-down list
inline constexpr int EN_CHANGE = 0x0300; // the text of an edit box changed

// Receives a control's commands: its id and the notification code.
using CommandSink = std::function<void(int id, int code)>;

// What every control of a template is, whatever its kind.
class CControl {
public:
    CControl(const ControlTemplate& control, CommandSink sink);
    virtual ~CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    int GetDlgCtrlID() const { return id_; }
    virtual QWidget& Widget() = 0;
    virtual void SetWindowText(std::string_view text) = 0;
    virtual std::string GetWindowText() const = 0;

protected:
    // Gives the widget its id, its place in dialog units and, where it takes the focus at all,
    // whether Tab stops on it.
    void Place(const ControlTemplate& control);
    void Notify(int code) const;

private:
    int id_;
    CommandSink sink_;
};

// A caption or title of a template in the interface's language, as UTF-8.
std::string TemplateText(std::string_view text);

// Whether the template gives `control` the style `style`.
inline bool HasStyle(const ControlTemplate& control, std::uint32_t style) {
    return (control.styles & style) != 0;
}

} // namespace zandrel
