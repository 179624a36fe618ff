#pragma once

#include <QString>

#include "trainer_window.h"

class QWidget;

namespace vellorin {

// The shared Load/Save dialog on Qt's file dialog. The filter is written as pairs of a
// display text and a pattern separated by '|' ("Session files|*.ses").
class QtCommonDialog : public CommonDialog {
public:
    explicit QtCommonDialog(QWidget* parent) : parent_(parent) {}

    void ShowOpen() override { Show(false); }
    void ShowSave() override { Show(true); }
    QString FileName() const override { return fileName_; }

    // "Session files|*.ses" as Qt writes it: "Session files (*.ses)".
    static QString QtFilter(const QString& filter);

private:
    void Show(bool forSaving);

    QWidget* parent_;
    QString fileName_;
};

}  // namespace vellorin
