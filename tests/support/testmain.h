#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

// Every test binary runs offscreen at 96 DPI in the C locale, so no test depends
// on the machine it runs on.
#define VV_TEST_MAIN(TestClass)                                                                    \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        qputenv("QT_FONT_DPI", "96");                                                              \
        qputenv("QT_SCALE_FACTOR", "1");                                                           \
        QLocale::setDefault(QLocale::c());                                                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
