// The faults a real disk has: a write that cannot complete, and a read error in mid-line.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "file_helpers.h"
#include "session_file.h"

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

namespace vellorin::testing {
namespace {

const QStringList kTable = {"30", "60", "0", "120", "15", "8"};
const QByteArray kOldTable = "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n";

#ifdef __linux__
// While this lives, no file of the process can grow beyond limit bytes: a write past it fails
// with EFBIG, as one on a full disk fails with ENOSPC, and needs no privilege to set up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

struct WriteFault {
    const char* name;
    rlim_t limit;  // bytes the disk takes before it fails
    bool fileExisted;
};

void PrintTo(const WriteFault& c, std::ostream* os) {
    *os << c.name;
}

class FailingWrite : public ::testing::TestWithParam<WriteFault> {};

TEST_P(FailingWrite, SaysSoAndKeepsWhatWasThere) {
    const WriteFault& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("table.ses");
    if (c.fileExisted) {
        WriteBytes(path, kOldTable);
    }
    QString failure;
    {
        FileSizeLimit full(c.limit);
        failure = WriteSessionFile(path, kTable);
    }
    EXPECT_EQ(failure, "File too large");
    if (c.fileExisted) {
        EXPECT_EQ(ReadBytes(path), kOldTable);
    }
    const QStringList expected = c.fileExisted ? QStringList{"table.ses"} : QStringList{};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
}

INSTANTIATE_TEST_SUITE_P(Disk, FailingWrite,
                         ::testing::Values(WriteFault{"NothingFitsOverAnOldTable", 0, true},
                                           WriteFault{"HalfFitsOverAnOldTable", 10, true},
                                           WriteFault{"AllButOneByteFitsOverAnOldTable", 22, true},
                                           WriteFault{"NothingFitsForANewTable", 0, false},
                                           WriteFault{"HalfFitsForANewTable", 10, false}),
                         [](const auto& info) { return info.param.name; });

TEST(FailingWrite, AWriteThatJustFitsSucceeds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("table.ses");
    {
        FileSizeLimit full(SessionFileBytes(kTable).size());
        EXPECT_EQ(WriteSessionFile(path, kTable), "");
    }
    EXPECT_EQ(ReadBytes(path), SessionFileBytes(kTable));
}
#endif

// A device that holds size bytes of a file but fails with an input/output error once
// failAt of them have been read.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt) : bytes_(std::move(bytes)), failAt_(failAt) {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return bytes_.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos() >= failAt_) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 count = std::min(maxSize, failAt_ - pos());
        std::copy_n(bytes_.constData() + pos(), count, data);
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 failAt_;
};

TEST(FailingRead, InTheMiddleOfALineIsAReadErrorAndNoLine) {
    const QByteArray bytes = "1\r\n" + QByteArray(20000, '2') + "\r\n3\r\n4\r\n5\r\n6\r\n";
    for (const qint64 failAt : {0, 1, 3, 10000, 16384, 20002}) {
        FailingDevice device(bytes, failAt);
        const SessionRead read = ReadSessionLines(device, QStringLiteral("t.ses"));
        EXPECT_EQ(read.problem, "Could not load \"t.ses\": Input/output error.") << failAt;
        EXPECT_EQ(read.lines, QStringList{}) << failAt;
        EXPECT_FALSE(read.endedEarly);
    }
    FailingDevice whole(bytes, bytes.size());
    EXPECT_EQ(ReadSessionLines(whole, QStringLiteral("t.ses")).problem, "");
}

}  // namespace
}  // namespace vellorin::testing
