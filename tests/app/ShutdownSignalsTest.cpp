// An ending asked for by the system closes the windows as the user would,
// open dialogs included, and the handlers go when the program does.
#include "app/ShutdownSignals.h"

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <csignal>

namespace {

bool DefaultAction(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

} // namespace

TEST(ShutdownSignals, CloseTheWindowsAndTheOpenDialog) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const TShutdownSignals shutdownSignals;
        QWidget window;
        window.show();
        QDialog dialog(&window);
        QTimer::singleShot(0, [signal] { std::raise(signal); });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << signal;
        QTRY_VERIFY(!window.isVisible());
    }
    EXPECT_TRUE(DefaultAction(SIGTERM));
    EXPECT_TRUE(DefaultAction(SIGINT));
    EXPECT_TRUE(DefaultAction(SIGHUP));
}
