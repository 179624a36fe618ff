#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

namespace vellorin::testing {

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
        const qint64 count = std::min({maxSize, failAt_ - pos(), size() - pos()});
        std::copy_n(bytes_.constData() + pos(), count, data);
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 failAt_;
};

}  // namespace vellorin::testing
