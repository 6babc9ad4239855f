#include "platform/qtplatform.h"
#include "sentences/ui/frmmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::QtPlatform desktop;
    sentences::frmMain window(desktop);
    window.show();
    return app.exec();
}
