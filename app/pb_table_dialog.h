#pragma once

#include <QDialog>
#include <optional>

#include "pb_tables.h"

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QDialogButtonBox;

namespace vellorin {

// "New table from personal best": the kind of table, the PB (prefilled with the best on
// record), the table it gives as --table prints it, and the safety words.
class PbTableDialog : public QDialog {
    Q_OBJECT

public:
    PbTableDialog(QWidget* parent, const QString& intro, std::optional<int> recordedBest);

    PbTableKind Kind() const;
    // The PB typed, if it is one.
    std::optional<int> PersonalBest() const;
    QString PreviewText() const;

private:
    void UpdatePreview();

    QString intro_;
    QRadioButton* co2_ = nullptr;
    QRadioButton* o2_ = nullptr;
    QLineEdit* pb_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace vellorin
