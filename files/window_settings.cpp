#include "window_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {

QString UserWindowSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/window.ini");
}

namespace {

// Far more than a window's settings ever take; a larger file is not one the program wrote.
constexpr qint64 kMaxBytes = 1024 * 1024;

// Why path, which exists, cannot be opened for QSettings without waiting or reading for long.
QString OpenProblem(const QString& path) {
    QFile file;
    if (const QString problem = OpenRegularFile(path, file); !problem.isEmpty()) {
        return problem;
    }
    if (file.size() > kMaxBytes) {
        //: Why the window's settings file ("it") cannot be used; %1 is a number of bytes.
        return QCoreApplication::translate("WindowSettings", "it is larger than %1 bytes")
            .arg(kMaxBytes);
    }
    return {};
}

// Why a write QSettings reported as failed did not happen.
QString WriteProblem(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        //: Why the window's settings file ("its") cannot be written.
        return QCoreApplication::translate("WindowSettings", "its folder cannot be written");
    }
    // Opened to append, which changes nothing, only to learn the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return WithoutFullStop(file.errorString());
    }
    //: Why the window's settings file ("it") cannot be written.
    return QCoreApplication::translate("WindowSettings", "it cannot be written");
}

}  // namespace

WindowSettings::WindowSettings(QString path) : path_(std::move(path)) {}

bool WindowSettings::Usable() {
    if (!usable_) {
        return false;
    }
    // QSettings reads the file, and takes a lock file beside it to write it.
    for (const QString& path : {path_, path_ + QStringLiteral(".lock")}) {
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
            continue;
        }
        if (const QString problem = OpenProblem(path); !problem.isEmpty()) {
            usable_ = false;
            unusablePath_ = path;
            reason_ = problem;
            return false;
        }
    }
    return true;
}

QVariant WindowSettings::Value(const QString& key, const QVariant& fallback) {
    if (memory_.contains(key)) {
        return memory_.value(key);
    }
    if (!Usable()) {
        return fallback;
    }
    return QSettings(path_, QSettings::IniFormat).value(key, fallback);
}

QString WindowSettings::SetValue(const QString& key, const QVariant& value) {
    QString file = path_;
    QString problem;
    if (Usable()) {
        QSettings settings(path_, QSettings::IniFormat);
        settings.setValue(key, value);
        settings.sync();
        if (settings.status() == QSettings::NoError) {
            memory_.remove(key);
            return {};
        }
        if (settings.status() == QSettings::FormatError) {
            //: Why the window's settings file ("it") cannot be used.
            problem = QCoreApplication::translate("WindowSettings", "it is not in the INI format");
        } else {
            problem = WriteProblem(path_);
        }
    } else {
        file = unusablePath_;
        problem = reason_;
        reported_ = true;  // this message says it
    }
    memory_.insert(key, value);
    //: %1 is the settings file's name, %2 the reason it cannot be written.
    return QCoreApplication::translate(
               "WindowSettings",
               "The setting could not be kept in \"%1\": %2. It holds until Vellorin closes.")
        .arg(Printable(file), problem);
}

QString WindowSettings::TakeProblem() {
    Usable();
    if (usable_ || reported_) {
        return {};
    }
    reported_ = true;
    //: %1 is the settings file's name, %2 the reason it cannot be used. The training log
    //: switch turns the keeping of the training log on and off.
    return QCoreApplication::translate(
               "WindowSettings",
               "The window's settings file \"%1\" cannot be used: %2. The window's size and "
               "the training log switch hold only until Vellorin closes.")
        .arg(Printable(unusablePath_), reason_);
}

bool WindowSettings::SwitchOn(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    static const QStringList off = {QStringLiteral("no"), QStringLiteral("false"),
                                    QStringLiteral("off"), QStringLiteral("0")};
    return !off.contains(value.toString().trimmed(), Qt::CaseInsensitive);
}

}  // namespace vellorin
