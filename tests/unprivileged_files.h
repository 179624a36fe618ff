#pragma once

#include <sys/fsuid.h>
#include <unistd.h>

namespace vellorin::testing {

// File permissions mean nothing to root, and the tests run as root in CI. While this lives,
// file access on the calling thread is checked as the unprivileged user "nobody", so that
// a folder or file without permissions really refuses access.
class UnprivilegedFiles {
public:
    UnprivilegedFiles() : wasRoot_(geteuid() == 0) {
        if (wasRoot_) {
            setfsuid(kNobody);
            setfsgid(kNobody);
        }
    }
    ~UnprivilegedFiles() {
        if (wasRoot_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    UnprivilegedFiles(const UnprivilegedFiles&) = delete;
    UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;

private:
    static constexpr unsigned kNobody = 65534;
    bool wasRoot_;
};

}  // namespace vellorin::testing
