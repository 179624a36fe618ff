#include "design_area.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "control_layout.h"
#include "window_fonts.h"

namespace vellorin {
namespace {

int Scaled(int twips, qreal scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

// A settings field holds one line: line breaks typed or pasted into it are dropped, so
// that a saved table always reads back as its six texts.
void DropLineBreaks(QLineEdit* field) {
    QString text = field->text();
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) {
        return;
    }
    const int cursor = field->cursorPosition();
    const int removedBeforeCursor = static_cast<int>(text.left(cursor).count(QLatin1Char('\r')) +
                                                     text.left(cursor).count(QLatin1Char('\n')));
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    field->setText(text);
    field->setCursorPosition(cursor - removedBeforeCursor);
}

QWidget* MakeControl(const ControlSpec& spec, QWidget* container) {
    // A field's text is its value, never translated.
    const QString caption = spec.kind == ControlKind::TextField
                                ? QString::fromUtf8(spec.caption)
                                : QCoreApplication::translate("TrainerMainform", spec.caption);
    switch (spec.kind) {
        case ControlKind::Frame:
            return new QGroupBox(caption, container);
        case ControlKind::Label:
            return new QLabel(caption, container);
        case ControlKind::TextField: {
            auto* field = new QLineEdit(caption, container);
            QObject::connect(field, &QLineEdit::textEdited, field,
                             [field] { DropLineBreaks(field); });
            return field;
        }
        case ControlKind::Button:
            return new QPushButton(caption, container);
    }
    return nullptr;
}

const ControlSpec* Container(const ControlSpec& spec) {
    for (const ControlSpec& other : Controls()) {
        if (spec.container != nullptr && QLatin1String(other.name) == spec.container) {
            return &other;
        }
    }
    return nullptr;
}

}  // namespace

DesignArea::DesignArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DesignArea"));
    Build();
    SetScale(1.0);
}

QSize DesignArea::DesignSize() {
    return {kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel};
}

void DesignArea::Build() {
    struct Placed {
        int top, left;
        QWidget* widget;
    };
    std::vector<Placed> focusable;
    for (const ControlSpec& spec : Controls()) {
        QWidget* container = spec.container ? Widget(QString::fromUtf8(spec.container)) : this;
        QWidget* widget = MakeControl(spec, container);
        widget->setObjectName(QString::fromUtf8(spec.name));
        controls_.insert(widget->objectName(), widget);
        if (spec.kind == ControlKind::TextField || spec.kind == ControlKind::Button) {
            const ControlSpec* frame = Container(spec);
            focusable.push_back({spec.top + (frame ? frame->top : 0),
                                 spec.left + (frame ? frame->left : 0), widget});
        }
    }
    // A screen reader names each field after its label and tells what each display shows.
    for (const BuddySpec& buddy : Buddies()) {
        qobject_cast<QLabel*>(Widget(QString::fromUtf8(buddy.label)))
            ->setBuddy(Widget(QString::fromUtf8(buddy.field)));
    }
    for (const RoleSpec& role : DisplayRoles()) {
        Widget(QString::fromUtf8(role.label))
            ->setAccessibleDescription(
                QCoreApplication::translate("TrainerMainform", role.description));
    }
    std::ranges::sort(focusable, [](const Placed& a, const Placed& b) {
        return std::tie(a.top, a.left) < std::tie(b.top, b.left);
    });
    for (const Placed& placed : focusable) {
        tabOrder_.append(placed.widget);
    }
    for (qsizetype i = 1; i < tabOrder_.size(); ++i) {
        setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    }
}

void DesignArea::SetScale(qreal scale) {
    scale_ = std::max<qreal>(1.0, scale);
    resize(static_cast<int>(std::lround(DesignSize().width() * scale_)),
           static_cast<int>(std::lround(DesignSize().height() * scale_)));
    for (const ControlSpec& spec : Controls()) {
        QWidget* widget = Widget(QString::fromUtf8(spec.name));
        widget->setGeometry(Scaled(spec.left, scale_), Scaled(spec.top, scale_),
                            Scaled(spec.width, scale_), Scaled(spec.height, scale_));
        if (spec.font == FontStyle::Display) {
            FitDisplayFont(qobject_cast<QLabel*>(widget), scale_);
        } else {
            QFont font = WindowFont(spec.font);
            font.setPointSizeF(font.pointSizeF() * scale_);
            widget->setFont(font);
        }
    }
}

}  // namespace vellorin
