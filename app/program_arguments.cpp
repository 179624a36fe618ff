#include "program_arguments.h"

#include "message_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdio>
#endif

namespace vellorin {

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
