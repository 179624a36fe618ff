#pragma once

#include <QList>
#include <QString>

namespace vellorin {

// A line of a file the program keeps that it had to leave out, and why.
struct DamagedLine {
    int line = 0;
    QString reason;
};

// One message for many left-out lines: how many, the first few by number, the file.
QString DamagedLinesMessage(const QString& path, const QList<DamagedLine>& lines);
// The same for total lines of which only the first few were kept (as DamagedLines keeps them).
QString DamagedLinesMessage(const QString& path, const QList<DamagedLine>& first, qint64 total);

// The lines a reader leaves out: every one counted, only the few a message names kept, so that
// a file of a million damaged lines costs no more memory than one of five.
class DamagedLines {
public:
    void Add(int line, const QString& reason);
    qint64 Count() const { return count_; }
    const QList<DamagedLine>& First() const { return first_; }
    // Empty when no line was left out.
    QString Message(const QString& path) const;

private:
    QList<DamagedLine> first_;
    qint64 count_ = 0;
};

}  // namespace vellorin
