#include "sleep_inhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QLoggingCategory>
#include <QVariantMap>

namespace vellorin {
namespace {

Q_LOGGING_CATEGORY(lcInhibit, "vellorin.inhibit", QtWarningMsg)

// Why the desktop is asked not to sleep, as it may show it to the user.
QString Reason() {
    //: Shown by the desktop as the reason it does not sleep or lock the screen.
    return QCoreApplication::translate("SleepInhibitor", "Breath-hold session running");
}
constexpr int kCallTimeoutMs = 1000;

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr uint kPortalSuspendAndIdle = 4 | 8;

QDBusMessage Call(const QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const QString& method, const QVariantList& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(args);
    return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

}  // namespace

void SleepInhibitor::SetInhibited(bool inhibited) {
    if (inhibited == inhibited_) {
        return;
    }
    inhibited_ = inhibited;
    if (inhibited) {
        Inhibit();
    } else {
        Release();
    }
}

void SleepInhibitor::Inhibit() {
    if (!bus_.isConnected()) {
        return;
    }
    const QDBusReply<QDBusObjectPath> request = Call(
        bus_, kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"),
        {windowHandle_, kPortalSuspendAndIdle, QVariantMap{{QStringLiteral("reason"), Reason()}}});
    if (request.isValid()) {
        via_ = Via::Portal;
        portalRequest_ = request.value().path();
        qCInfo(lcInhibit) << "inhibited through the desktop portal:" << portalRequest_;
        return;
    }
    qCInfo(lcInhibit) << "no desktop portal:" << request.error().message();
    const QDBusReply<uint> cookie = Call(
        bus_, kScreenSaverService, QStringLiteral("/org/freedesktop/ScreenSaver"),
        kScreenSaverService, QStringLiteral("Inhibit"), {QStringLiteral("Vellorin"), Reason()});
    if (cookie.isValid()) {
        via_ = Via::ScreenSaver;
        screenSaverCookie_ = cookie.value();
        qCInfo(lcInhibit) << "inhibited through the screen saver, cookie" << screenSaverCookie_;
        return;
    }
    qCInfo(lcInhibit) << "no screen saver:" << cookie.error().message();
}

void SleepInhibitor::Release() {
    switch (std::exchange(via_, Via::Nothing)) {
        case Via::Portal:
            Call(bus_, kPortalService, portalRequest_,
                 QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"), {});
            break;
        case Via::ScreenSaver:
            Call(bus_, kScreenSaverService, QStringLiteral("/org/freedesktop/ScreenSaver"),
                 kScreenSaverService, QStringLiteral("UnInhibit"), {screenSaverCookie_});
            break;
        case Via::Nothing:
            break;
    }
}

}  // namespace vellorin
