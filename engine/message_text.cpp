#include "message_text.h"

#include <QStringDecoder>
#include <limits>

namespace vellorin {
namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

QString Escape(uint value) {
    return QStringLiteral("\\x%1").arg(value, 2, 16, QLatin1Char('0'));
}

}  // namespace

QString Printable(const QString& text) {
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (IsControl(c.unicode())) {
            printable += Escape(c.unicode());
        } else {
            printable += c;
        }
    }
    return printable;
}

QString PrintableBytes(const QByteArray& bytes) {
    QString printable;
    for (qsizetype at = 0; at < bytes.size();) {
        // The longest run of whole, valid UTF-8 characters from here, then one escaped byte.
        qsizetype end = at;
        QString valid;
        for (qsizetype length = 1; length <= 4 && at + length <= bytes.size(); ++length) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = decoder.decode(bytes.mid(at, length));
            if (!decoder.hasError() && !decoded.isEmpty()) {
                end = at + length;
                valid = decoded;
                break;
            }
        }
        if (end > at) {
            printable += Printable(valid);
            at = end;
        } else {
            printable += Escape(static_cast<uchar>(bytes[at]));
            ++at;
        }
    }
    return printable;
}

QString WithoutFullStop(QString reason) {
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason;
}

int PluralCount(qint64 count) {
    if (count <= std::numeric_limits<int>::max()) {
        return static_cast<int>(count);
    }
    return 1000000 + static_cast<int>(count % 100);
}

QString ShownCount(QString text, qint64 count, const QString& shown) {
    if (const QString filled = QString::number(PluralCount(count)); filled != shown) {
        text.replace(filled, shown);
    }
    return text;
}

}  // namespace vellorin
