#pragma once

#include <QString>
#include <utility>

#ifndef Q_OS_WIN
#include <QDBusConnection>
#endif

namespace vellorin {

#ifdef Q_OS_WIN

// Keeps Windows from sleeping or turning the screen off while a session runs, through
// SetThreadExecutionState on the window's thread, and withdraws the request.
class SleepInhibitor {
public:
    SleepInhibitor() = default;
    ~SleepInhibitor() { SetInhibited(false); }
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Asks for the inhibition or withdraws it; asking twice asks once.
    void SetInhibited(bool inhibited);

private:
    bool inhibited_ = false;
};

#else

// Asks the desktop not to idle or suspend while a session runs, and withdraws the request.
// It tries the desktop portal's Inhibit first and the freedesktop screen saver's Inhibit
// after it; where neither answers (no session bus, a bare X server) nothing happens.
class SleepInhibitor {
public:
    // windowHandle identifies the window to the portal ("x11:1c00003"); empty where the
    // platform has no handle to give.
    SleepInhibitor(const QDBusConnection& bus, QString windowHandle)
        : bus_(bus), windowHandle_(std::move(windowHandle)) {}
    ~SleepInhibitor() { SetInhibited(false); }
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Asks for the inhibition or withdraws it; asking twice asks once.
    void SetInhibited(bool inhibited);

private:
    enum class Via { Nothing, Portal, ScreenSaver };

    void Inhibit();
    void Release();

    QDBusConnection bus_;
    QString windowHandle_;
    bool inhibited_ = false;
    Via via_ = Via::Nothing;
    QString portalRequest_;  // the portal's request object, closed to withdraw
    uint screenSaverCookie_ = 0;
};

#endif

}  // namespace vellorin
