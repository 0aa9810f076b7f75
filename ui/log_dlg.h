#pragma once

#include "platform/dialog.h"

namespace zandrel {

// The log viewer (template 155): the whole query log as read-only text, oldest entry at the
// top. OK, Escape and the close box end it.
class CLogDlg : public CDialog {
    Q_OBJECT
public:
    explicit CLogDlg(QWidget* owner = nullptr);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    // Fills the text box from the log file; a missing or unreadable log leaves it empty.
    void LoadLogText();

    CMultiLineEdit* logText = nullptr;
};

} // namespace zandrel
