// One QApplication for every GUI test, under the offscreen platform, set up as
// kolvi sets up its own.
#include "app/ApplicationSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kolvi::SetUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
