#include "app/ShutdownSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe's two ends; one handler set per process.
int gPipe[2] = {-1, -1};

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request to close.
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TShutdownSignals::TShutdownSignals() {
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        // Without the pipe the signals keep their default effect.
        gPipe[0] = gPipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TShutdownSignals::CloseWindows);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &action, &previous_[i]);
    }
}

TShutdownSignals::~TShutdownSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    delete notifier_;
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void TShutdownSignals::CloseWindows() {
    char bytes[64];
    while (::read(gPipe[0], bytes, sizeof bytes) > 0) {
    }
    // Modal windows first close themselves and return to their callers; the
    // main window's closing ends the event loop, and quit() ends it should
    // a window have refused to close.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
