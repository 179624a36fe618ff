#include "program_arguments.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstring>

#include "file_access.h"
#include "message_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdio>
#endif

namespace vellorin {
namespace {

// Qt's options that name a file for Qt to open, read as Qt reads them: "-name FILE", and
// "-name=FILE" where Qt takes that spelling too; "--" is as good as "-".
struct QtFileOption {
    const char* name;
    bool joined;
};
constexpr QtFileOption kQtFileOptions[] = {{"-stylesheet", true}, {"-qwindowicon", false}};

}  // namespace

QByteArray AbsoluteNameBytes(int argc, char** argv, const QString& name) {
    if (name.isEmpty()) {
        return {};
    }
    QByteArray bytes = QFile::encodeName(name);
#ifndef Q_OS_WIN
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == name) {
            bytes = argv[i];
            break;
        }
    }
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    if (QDir::isRelativePath(QFile::decodeName(bytes))) {
        bytes = QFile::encodeName(QDir::currentPath()) + '/' + bytes;
    }
    return bytes;
}

QStringList LeaveOutUnusableQtFiles(int& argc, char** argv) {
    QStringList leftOut;
    for (int i = 1; i < argc;) {
        const char* argument = argv[i];
        if (std::strncmp(argument, "--", 2) == 0) {
            ++argument;
        }
        int taken = 0;
        const char* file = nullptr;
        for (const QtFileOption& option : kQtFileOptions) {
            const std::size_t length = std::strlen(option.name);
            if (std::strcmp(argument, option.name) == 0 && i + 1 < argc) {
                taken = 2;
                file = argv[i + 1];
            } else if (option.joined && std::strncmp(argument, option.name, length) == 0 &&
                       argument[length] == '=') {
                taken = 1;
                file = argument + length + 1;
            }
            if (taken > 0) {
                QFile opened;
                const QString problem = OpenRegularFile(QFile::decodeName(file), opened);
                if (problem.isEmpty()) {
                    taken = 0;
                } else {
                    //: Printed after "vellorin: ". %1 is a file name, %2 the option that
                    //: named it (-stylesheet), %3 the reason, a clause.
                    leftOut.append(
                        QCoreApplication::translate(
                            "CommandLine",
                            "the file \"%1\" given to %2 cannot be used: %3; it is "
                            "left out.")
                            .arg(PrintableBytes(file), QLatin1String(option.name), problem));
                }
                break;
            }
        }
        if (taken == 0) {
            ++i;
            continue;
        }
        std::memmove(argv + i, argv + i + taken, sizeof(char*) * std::size_t(argc - i - taken));
        argc -= taken;
    }
    return leftOut;
}

#ifdef Q_OS_WIN

QStringList ProgramArguments(int, char**) {
    QStringList arguments;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            arguments.append(QString::fromWCharArray(wide[i]));
        }
        LocalFree(wide);
    }
    return arguments;
}

QString UnrepresentableArgument(int, char**) {
    return {};
}

void UseStartingConsole() {
    const auto unset = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = unset(STD_OUTPUT_HANDLE);
    const bool err = unset(STD_ERROR_HANDLE);
    if ((out || err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (out) {
            std::freopen("CONOUT$", "w", stdout);
        }
        if (err) {
            std::freopen("CONOUT$", "w", stderr);
        }
    }
}

#else

QStringList ProgramArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

QString UnrepresentableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QString::fromLocal8Bit(bytes).toLocal8Bit() != bytes) {
            return PrintableBytes(bytes);
        }
    }
    return {};
}

void UseStartingConsole() {}

#endif

}  // namespace vellorin
