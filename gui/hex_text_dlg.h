#pragma once

#include "platform/announcer.h"
#include "platform/dialog.h"
#include "text/hexagram_text.h"

namespace zandrel {

// The hexagram text browser (template 156): 64 numbered buttons, each of which puts the full
// text of its hexagram, as the store's records define it now, into a read-only box. OK, Enter,
// Escape and the close box end it. It never changes a record or a file.
class CHexTextDlg : public CDialog {
    Q_OBJECT
public:
    // Reads `store`, which outlives the dialog.
    CHexTextDlg(const TextStore& store, QWidget* owner);

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    void OnHexagram(int id);

    // The buttons stand in rows of eight.
    static constexpr int kColumns = 8;

    const TextStore& store;
    CTextViewer* hexagramText = nullptr;
    CAnnouncer* announcer = nullptr;
};

} // namespace zandrel
