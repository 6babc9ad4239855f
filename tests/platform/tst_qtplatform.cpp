#include "platform/qtplatform.h"
#include "testmain.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

class QtPlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Pictures from cameras and older systems carry upper-case extensions.
    void pictureChooserOffersExtensionsInAnyCase() {
        QTemporaryDir dir;
        for (const char* name : {"Photo01.JPG", "Image01.bmp", "Scan01.Gif", "Notes.txt"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            auto* model = dialog->findChild<QFileSystemModel*>();
            QVERIFY(model);
            const QModelIndex folder = model->index(dir.path());
            QTRY_COMPARE(model->rowCount(folder), 3);
            for (int row = 0; row < model->rowCount(folder); ++row)
                offered << model->fileName(model->index(row, 0, folder));
        });
        platform::QtPlatform desktop;
        platform::FileChooserRequest request;
        request.title = QStringLiteral("Load Picture ...");
        request.filter = QStringLiteral("Formats (*.Bmp *.Gif *.Jpg)");
        request.startFolder = dir.path();
        QVERIFY(desktop.chooseOpenFile(request).cancelled);
        offered.sort();
        QCOMPARE(offered, QStringList({"Image01.bmp", "Photo01.JPG", "Scan01.Gif"}));
    }
};

VV_TEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
