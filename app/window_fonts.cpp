#include "window_fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <algorithm>

namespace vellorin {
namespace {

constexpr qreal kSmallestDisplayPoints = 8.0;

// The width a text takes in a font, overhanging glyphs included.
qreal TextWidth(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
}

}  // namespace

// "MS Sans Serif" where the system has it, otherwise a face of about its width (the display
// labels' clocks must fit their boxes at 24 points), otherwise the platform's sans-serif.
QFont WindowFont(FontStyle style) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(style == FontStyle::Display ? 24.0 : 8.25);
    font.setBold(style != FontStyle::Regular);
    return font;
}

void FitDisplayFont(QLabel* label, qreal scale) {
    // A display label shows its text at 24 points where it fits, and otherwise shrinks just
    // enough for it to fit its box ("Loop 32767", "0-10:00"); it never grows. The sizes found
    // are kept, as the displays show the same few texts again and again.
    QFont designFont = WindowFont(FontStyle::Display);
    designFont.setPointSizeF(designFont.pointSizeF() * scale);
    static QHash<QString, qreal> fittedSizes;
    const qreal room = label->contentsRect().width();
    const QString key = label->text() + QLatin1Char('@') + QString::number(room) +
                        QLatin1Char('x') + QString::number(scale);
    auto fitted = fittedSizes.constFind(key);
    if (fitted == fittedSizes.constEnd()) {
        QFont font = designFont;
        while (TextWidth(font, label->text()) > room &&
               font.pointSizeF() > kSmallestDisplayPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.25);
        }
        fitted = fittedSizes.insert(key, font.pointSizeF());
    }
    if (label->font().pointSizeF() != *fitted) {
        QFont font = designFont;
        font.setPointSizeF(*fitted);
        label->setFont(font);
    }
}

}  // namespace vellorin
