#include "pb_table_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "allgemein.h"
#include "table_preview.h"

namespace vellorin {

PbTableDialog::PbTableDialog(QWidget* parent, const QString& intro, std::optional<int> recordedBest)
    : QDialog(parent), intro_(intro) {
    setWindowTitle(tr("New table from personal best"));
    auto* safety = new QLabel(BreathHoldSafety(), this);
    safety->setWordWrap(true);
    QFont bold = safety->font();
    bold.setBold(true);
    safety->setFont(bold);
    //: PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.
    co2_ = new QRadioButton(
        tr("&CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s"), this);
    //: PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.
    o2_ =
        new QRadioButton(tr("&O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB"), this);
    co2_->setChecked(true);
    pb_ = new QLineEdit(recordedBest ? FormatSeconds(*recordedBest) : QString(), this);
    pb_->setObjectName(QStringLiteral("PersonalBest"));
    //: How a time is typed: minutes and seconds like 3:05, or a number of seconds.
    pb_->setPlaceholderText(tr("m:ss or seconds"));
    preview_ = new QPlainTextEdit(this);
    preview_->setReadOnly(true);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview_->setMinimumSize(320, 220);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("&Fill the fields"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Personal best:"), pb_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(safety);
    layout->addWidget(co2_);
    layout->addWidget(o2_);
    layout->addLayout(form);
    layout->addWidget(preview_);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(co2_, &QRadioButton::toggled, this, &PbTableDialog::UpdatePreview);
    connect(pb_, &QLineEdit::textChanged, this, &PbTableDialog::UpdatePreview);
    UpdatePreview();
}

PbTableKind PbTableDialog::Kind() const {
    return co2_->isChecked() ? PbTableKind::Co2 : PbTableKind::O2;
}

std::optional<int> PbTableDialog::PersonalBest() const {
    return ParsePersonalBest(pb_->text());
}

QString PbTableDialog::PreviewText() const {
    return preview_->toPlainText();
}

void PbTableDialog::UpdatePreview() {
    const std::optional<int> pb = PersonalBest();
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(pb.has_value());
    if (!pb) {
        preview_->setPlainText(tr("Type your personal best as m:ss or in seconds."));
        return;
    }
    QStringList settings = PbTableSettings(Kind(), *pb);
    settings.prepend(intro_);
    preview_->setPlainText(PreviewTable(settings).text);
}

}  // namespace vellorin
