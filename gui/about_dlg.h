#pragma once

#include "gui/resource.h"
#include "platform/dialog.h"

namespace zandrel {

// The about box (template 100), and from template 134 the start-up splash. Fixed texts only;
// OK, Escape and the close box end it.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(int templateId = IDD_ABOUTBOX, QWidget* owner = nullptr);

protected:
    // The version in the interface's language.
    bool OnInitDialog() override;
};

} // namespace zandrel
