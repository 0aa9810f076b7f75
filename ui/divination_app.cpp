#include "ui/divination_app.h"

#include "platform/resources.h"
#include "ui/main_dlg.h"

#include <filesystem>
#include <system_error>

namespace zandrel {
namespace {

// The directory the program was started in, where it keeps its files. Should it be gone
// already, "." still names it for as long as the process stands in it.
std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

} // namespace

bool CDivinationApp::InitInstance() {
    Enable3dControlsStatic();
    CMainDlg dialog(CurrentDirectory());
    mainWindow = &dialog;
    dialog.DoModal(); // every way of closing the window ends the program alike
    mainWindow = nullptr;
    return false;
}

} // namespace zandrel
