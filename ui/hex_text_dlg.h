#pragma once

#include "platform/dialog.h"

namespace zandrel {

class CMainDlg;

// The hexagram text browser (template 156): 64 numbered buttons, each of which puts the full
// text of its hexagram, as the main window's records define it now, into a read-only box.
// OK, Enter, Escape and the close box end it. It never changes a record or a file.
class CHexTextDlg : public CDialog {
    Q_OBJECT
public:
    explicit CHexTextDlg(CMainDlg& owner);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnHexagram(int id);

    CMainDlg& owner;
    CTextViewer* hexagramText = nullptr;
};

} // namespace zandrel
