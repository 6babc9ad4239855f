#include "editor/ui/frmmain.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    editor::frmMain window(desktop);
    if (!window.startedUp())
        return 1;
    window.showMaximized();
    return app.exec();
}
