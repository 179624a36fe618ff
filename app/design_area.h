#pragma once

#include <QHash>
#include <QSize>
#include <QString>
#include <QWidget>

namespace vellorin {

// The window's controls as the layout table designs them: frames, labels, fields and buttons
// at their design positions, sizes and fonts, all scaled by one factor so that the whole
// layout grows with the window and keeps its proportions.
class DesignArea : public QWidget {
    Q_OBJECT

public:
    explicit DesignArea(QWidget* parent);

    // The design size in pixels at 96 dots per inch (249 x 359).
    static QSize DesignSize();

    QWidget* Widget(const QString& name) const { return controls_.value(name); }
    // The fields and buttons in the order the eye reads them: top to bottom, left to right.
    const QList<QWidget*>& TabOrder() const { return tabOrder_; }

    // Lays every control out at scale times its design geometry and font (at least 1).
    void SetScale(qreal scale);
    qreal Scale() const { return scale_; }

private:
    void Build();

    QHash<QString, QWidget*> controls_;
    QList<QWidget*> tabOrder_;
    qreal scale_ = 1.0;
};

}  // namespace vellorin
