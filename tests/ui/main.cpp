#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The windows are driven headless; CTest sets this too, test discovery does not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", KELVO_TEST_PLATFORM);
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
