#include "gui/divination_app.h"

#include "app/data_directory.h"
#include "app/file_error_message.h"
#include "app/session.h"
#include "gui/main_dlg.h"
#include "platform/application.h"
#include "platform/message_box.h"

namespace zandrel {

bool CDivinationApp::InitInstance() {
    Enable3dControlsStatic();
    if (userDataDirectory) {
        if (const FileError error = CreateDirectories(dataDirectory); error.Failed()) {
            // Without its folder the program could keep nothing the user does.
            ReportFileError(nullptr, FileErrorMessage(Vocabulary::Of(language), error));
            exitCode = 1;
            return false;
        }
    }
    Session session(dataDirectory, language);
    CMainDlg dialog(session);
    mainWindow = &dialog;
    dialog.DoModal(); // every way of closing the window ends the program alike
    mainWindow = nullptr;
    return false;
}

} // namespace zandrel
