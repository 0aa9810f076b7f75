#include "ui/divination_app.h"

#include <QApplication>

namespace {

zandrel::CDivinationApp theApp;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    theApp.InitInstance();
    return 0;
}
