// The program's own application object, so that errors escaping a window
// reach its error box as they do in the program.
#include "app/Application.h"
#include "text/FormatSettings.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    InitFormatSettings();
    // As the program's main does.
    ApplyMainWindowFormatSettings();
    TApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
