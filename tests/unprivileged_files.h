#pragma once

#ifdef __linux__
#include <sys/fsuid.h>
#include <unistd.h>
#endif

// Windows keeps who may write a file or folder in ACLs, which the tests' permissions do not
// set: the tests of what a user cannot read or write run on Linux, and the Windows checks run
// the installed program as an unprivileged user.
#ifdef Q_OS_WIN
#define SKIP_WITHOUT_POSIX_PERMISSIONS() GTEST_SKIP() << "needs POSIX file permissions"
#else
#define SKIP_WITHOUT_POSIX_PERMISSIONS() static_cast<void>(0)
#endif

namespace vellorin::testing {

// File permissions mean nothing to root, and the tests run as root in CI. While this lives,
// file access on the calling thread is checked as the unprivileged user "nobody", so that
// a folder or file without permissions really refuses access.
class UnprivilegedFiles {
public:
#ifdef __linux__
    UnprivilegedFiles() : wasRoot_(geteuid() == 0) {
        if (wasRoot_) {
            setfsgid(kNobody);
            setfsuid(kNobody);
        }
    }
    ~UnprivilegedFiles() {
        if (wasRoot_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
#else
    UnprivilegedFiles() = default;
    ~UnprivilegedFiles() = default;
#endif
    UnprivilegedFiles(const UnprivilegedFiles&) = delete;
    UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;

private:
    static constexpr unsigned kNobody = 65534;
    bool wasRoot_ = false;
};

}  // namespace vellorin::testing
