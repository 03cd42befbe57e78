// The window tests run in an application that, like the program's, catches
// the program's errors escaping a user action; here they are only recorded.
#include "reference/ReferenceTestSupport.h"
#include "text/Errors.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class TTestApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const EAppError& error) {
            reference_testing::EscapedErrors().push_back(error.what());
            return true;
        }
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TTestApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
