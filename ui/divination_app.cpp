#include "ui/divination_app.h"

#include "platform/resources.h"
#include "ui/main_dlg.h"

namespace zandrel {

bool CDivinationApp::InitInstance() {
    Enable3dControlsStatic();
    CMainDlg dialog;
    mainWindow = &dialog;
    dialog.DoModal(); // every way of closing the window ends the program alike
    mainWindow = nullptr;
    return false;
}

} // namespace zandrel
