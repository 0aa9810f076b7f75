#pragma once

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace zandrel {

enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0; // IDOK, IDYES or IDNO; 0 is the first button
};

// Every message box of the program goes through here: it shows the box modally over `owner`
// and returns the button pressed (IDOK, IDYES or IDNO).
int ShowMessageBox(QWidget* owner, const MessageBoxRequest& request);

// Shows the platform's file-error box: `message`, the text of a file failure as the caller
// words it, the stop icon, an OK button and the application's name as caption.
void ReportFileError(QWidget* owner, const std::string& message);

// Answers every following box instead of showing it, until replaced, and returns the
// answerer it replaces; an empty function shows the boxes. For tests.
using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

} // namespace zandrel
