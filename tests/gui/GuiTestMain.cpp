#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "app/qt/Application.h"

// GUI tests run without a display unless a platform was chosen by hand.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    gui::setUpApplication(application);
    return RUN_ALL_TESTS();
}
