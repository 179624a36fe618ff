#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <optional>

namespace vellorin {

// A record of CSV text: its fields' bytes end to end, where each field ends, and the line it
// starts on.
struct CsvRecord {
    QByteArray bytes;
    QList<qsizetype> ends;  // the end of each of the first kMaxFields fields in bytes
    qsizetype fields = 0;   // how many fields it has
    int line = 0;           // from 1
    bool cutShort = false;  // the text ended inside it (an open quote, or no line end)
    bool tooLong = false;   // longer than kMaxRecordBytes: its bytes were not all kept

    QByteArrayView Field(qsizetype index) const {
        const qsizetype from = index == 0 ? 0 : ends[index - 1];
        return QByteArrayView(bytes).sliced(from, ends[index] - from);
    }
};

// Splits CSV text (RFC 4180, CR LF, a lone CR or a lone LF ending a record outside quotes)
// that comes a chunk at a time into records, however the chunks cut it: what a record holds
// is bounded, so that a file of any size is read in the same memory.
class CsvStream {
public:
    static constexpr qsizetype kMaxRecordBytes = 64 * 1024;
    static constexpr qsizetype kMaxFields = 64;
    using Sink = std::function<void(const CsvRecord&)>;

    explicit CsvStream(Sink sink) : sink_(std::move(sink)) {}
    // Hands every record the bytes complete to the sink.
    void Feed(QByteArrayView bytes);
    // At the end of the text: a record it left open goes to the sink, cut short.
    void Finish();

private:
    void Keep(const char* from, const char* to);
    void EndField();
    void EndRecord(bool cutShort);

    Sink sink_;
    CsvRecord record_;
    int line_ = 1;
    bool pending_ = false;        // bytes of a record are in record_
    bool quoted_ = false;         // inside a quoted field
    bool quoteInQuoted_ = false;  // a quote inside one: doubled, or the field's end
    bool fieldStarted_ = false;   // a quote now is taken as it is
    bool skipLineFeed_ = false;   // a CR ended the record: a LF next belongs to it
};

// A field that is a whole number of digits alone, from low to high: no sign, no blank, no
// NUL; nothing for anything else.
std::optional<qint64> WholeField(QByteArrayView text, qint64 low, qint64 high);

}  // namespace vellorin
