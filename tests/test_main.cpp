#include "testsupport.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // No test may touch the real documents folder or settings.
    TemporaryHome home;
    qunsetenv("XDG_DOCUMENTS_DIR");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
