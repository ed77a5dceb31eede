// Widget tests run inside the real application object, offscreen.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "shell/orvanta_app.h"
#include "ui/print_module.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    orvanta::COrvantaApp app(argc, argv);
    orvanta::ui::UsePrintModuleAt(QStringLiteral(ORVANTA_TEST_PRINT_MODULE));
    return RUN_ALL_TESTS();
}
