#pragma once

#include "platform/dialog.h"

#include <string>

namespace zandrel {

// The log viewer (template 155): the whole query log as read-only text, oldest entry at the
// top. OK, Escape and the close box end it.
class CLogDlg : public CDialog {
    Q_OBJECT
public:
    // Shows the log of `dataDirectory`.
    CLogDlg(std::string dataDirectory, QWidget* owner);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    // Fills the text box from the log file; a missing or unreadable log leaves it empty.
    void LoadLogText();

    const std::string dataDirectory;
    CTextViewer* logText = nullptr;
};

} // namespace zandrel
