#pragma once
// The system asking the program to end (SIGTERM at log-out or shut-down,
// SIGHUP when its terminal goes, SIGINT from Ctrl+C) closes the windows as
// the user would, so the shut-down writes "Data.txt" as it always does. The
// handler only writes a byte to a pipe; the closing happens in the event
// loop, where the toolkit may be called.
#include <QObject>

#include <csignal>
#include <iterator>

class QSocketNotifier;

class TShutdownSignals : public QObject {
public:
    TShutdownSignals();
    // Puts back the handlers that were there before.
    ~TShutdownSignals() override;
    TShutdownSignals(const TShutdownSignals&) = delete;
    TShutdownSignals& operator=(const TShutdownSignals&) = delete;

private:
    void CloseWindows();

    static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
    struct sigaction previous_[std::size(kSignals)] = {};
    QSocketNotifier* notifier_ = nullptr;
};
