#include "ui/divination_app.h"

#include "platform/message_box.h"
#include "platform/application.h"
#include "ui/data_directory.h"
#include "ui/main_dlg.h"

#include <string>

namespace zandrel {

bool CDivinationApp::InitInstance() {
    Enable3dControlsStatic();
    const std::string directory = userDataDirectory ? UserDataDirectory() : CurrentDirectory();
    if (userDataDirectory) {
        if (const FileError error = CreateDirectories(directory); error.Failed()) {
            // Without its folder the program could keep nothing the user does.
            ReportFileError(nullptr, error);
            exitCode = 1;
            return false;
        }
    }
    CMainDlg dialog(directory);
    mainWindow = &dialog;
    dialog.DoModal(); // every way of closing the window ends the program alike
    mainWindow = nullptr;
    return false;
}

} // namespace zandrel
