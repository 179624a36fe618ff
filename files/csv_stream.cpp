#include "csv_stream.h"

namespace vellorin {

void CsvStream::Feed(QByteArrayView bytes) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (*at == '\n') {
                ++at;
                continue;
            }
        }
        if (!pending_) {
            pending_ = true;
            record_.line = line_;
        }
        if (quoteInQuoted_) {
            quoteInQuoted_ = false;
            if (*at == '"') {
                Keep(at, at + 1);  // a doubled quote is one
                ++at;
                continue;
            }
            quoted_ = false;  // the quote ended the quoted part; this byte is read outside it
        }
        if (quoted_) {
            const char* stop = at;
            while (stop < end && *stop != '"' && *stop != '\n') {
                ++stop;
            }
            Keep(at, stop);
            if (stop < end) {
                quoteInQuoted_ = *stop == '"';
                line_ += *stop == '\n' ? 1 : 0;
                if (*stop == '\n') {
                    Keep(stop, stop + 1);
                }
                ++stop;
            }
            at = stop;
            continue;
        }
        const char c = *at;
        if (c == '"' && !fieldStarted_) {
            quoted_ = true;
            fieldStarted_ = true;
            ++at;
        } else if (c == ',') {
            EndField();
            ++at;
        } else if (c == '\n' || c == '\r') {
            ++at;
            EndRecord(false);
            ++line_;
            skipLineFeed_ = c == '\r';
        } else {
            const char* stop = at + 1;  // a quote inside an unquoted field is kept as it is
            while (stop < end && *stop != ',' && *stop != '\n' && *stop != '\r' && *stop != '"') {
                ++stop;
            }
            Keep(at, stop);
            fieldStarted_ = true;
            at = stop;
        }
    }
}

void CsvStream::Finish() {
    if (pending_) {
        EndRecord(true);
    }
    skipLineFeed_ = false;
}

void CsvStream::Keep(const char* from, const char* to) {
    if (record_.tooLong || record_.bytes.size() + (to - from) > kMaxRecordBytes) {
        record_.tooLong = true;
        return;
    }
    record_.bytes.append(from, to - from);
}

void CsvStream::EndField() {
    if (record_.fields++ < kMaxFields) {
        record_.ends.append(record_.bytes.size());
    }
    fieldStarted_ = false;
}

void CsvStream::EndRecord(bool cutShort) {
    EndField();
    record_.cutShort = cutShort;
    sink_(record_);
    record_.bytes.resize(0);  // keeps its capacity for the next record
    record_.ends.resize(0);
    record_.fields = 0;
    record_.tooLong = false;
    pending_ = false;
    quoted_ = false;
    quoteInQuoted_ = false;
}

std::optional<qint64> WholeField(QByteArrayView text, qint64 low, qint64 high) {
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace vellorin
