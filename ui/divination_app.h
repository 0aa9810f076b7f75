#pragma once

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

    // The main window while it runs.
    CDialog* mainWindow = nullptr;
};

} // namespace zandrel
