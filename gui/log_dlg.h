#pragma once

#include "app/vocabulary.h"
#include "platform/dialog.h"

#include <string>

namespace zandrel {

// The log viewer (template 155): the whole query log as read-only text, oldest entry at the
// top, with the frame of its entries in the language of the words it is given. OK, Escape and
// the close box end it.
class CLogDlg : public CDialog {
    Q_OBJECT
public:
    // Shows the log of `dataDirectory` in the language of `words`, which outlive it.
    CLogDlg(std::string dataDirectory, const Vocabulary& words, QWidget* owner);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    // Fills the text box from the log file; a missing or unreadable log leaves it empty.
    void LoadLogText();

    const std::string dataDirectory;
    const Vocabulary& words;
    CTextViewer* logText = nullptr;
};

} // namespace zandrel
