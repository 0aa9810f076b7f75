#pragma once

#include "text/language.h"

#include <string>

namespace zandrel {

class CDialog;

// The application object: the whole life of the program is one modal run of the main window.
class CDivinationApp {
public:
    CDivinationApp() = default;
    virtual ~CDivinationApp() = default;
    CDivinationApp(const CDivinationApp&) = delete;
    CDivinationApp& operator=(const CDivinationApp&) = delete;

    // Runs the main window until it is closed. Always false: there is no loop after it.
    virtual bool InitInstance();

    // Set before InitInstance: the folder every file of the program lives in, which the
    // program's main has found; with `userDataDirectory` it is the user's own data folder,
    // made first when missing.
    std::string dataDirectory;
    bool userDataDirectory = false;
    // The language of every word the window shows.
    Language language = Language::English;
    // The process's exit status once InitInstance has returned: 1 when the data folder could
    // not be made and the main window never ran.
    int exitCode = 0;
    // The main window while it runs.
    CDialog* mainWindow = nullptr;
};

} // namespace zandrel
