#pragma once

#include <QDialog>
#include <QString>

#include "cue_profile.h"

class QLabel;
class QLineEdit;
class QComboBox;
class QSpinBox;
class QCheckBox;

namespace vellorin {

// Makes a profile of the user's own from any other: every setting of a profile file in a
// field, checked as it is typed by the reader of profile files, and saved to the user's
// profile folder under its name.
class CueProfileDialog : public QDialog {
    Q_OBJECT

public:
    CueProfileDialog(QWidget* parent, QString userDataFolder, const CueProfile& start);

    // The name of the profile saved; empty until Save succeeded.
    const QString& Saved() const { return saved_; }
    // The profile the fields describe, or nothing, with the reason shown below them.
    std::optional<CueProfile> Typed();
    void Fill(const CueProfile& profile);
    void Save();

private:
    QString userDataFolder_;
    QString saved_;
    QLineEdit* name_;
    QComboBox* sound_;
    QComboBox* holdCue_;
    QLineEdit* restCalls_;
    QLineEdit* holdCalls_;
    QLineEdit* lastHoldCalls_;
    QLineEdit* elapsedEvery_;
    QSpinBox* lastBreath_;
    QSpinBox* recovery_;
    QSpinBox* paceIn_;
    QSpinBox* paceOut_;
    QLineEdit* paceLast_;
    QCheckBox* paceWords_;
    QCheckBox* summary_;
    QLabel* problem_;
};

}  // namespace vellorin
