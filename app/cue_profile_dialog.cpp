#include "cue_profile_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "cue_profile_file.h"
#include "cue_profile_menu.h"
#include "file_access.h"

namespace vellorin {
namespace {

// The value of a line of the profile file ("rest-calls = 1:00 0:30 5").
QString Setting(const QByteArray& file, const char* key) {
    const QString prefix = QLatin1String(key) + QStringLiteral(" = ");
    for (const QString& line : QString::fromUtf8(file).split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size());
        }
    }
    return {};
}

QSpinBox* Spin(QWidget* parent, int low, int high, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

CueProfileDialog::CueProfileDialog(QWidget* parent, QString userDataFolder, const CueProfile& start)
    : QDialog(parent), userDataFolder_(std::move(userDataFolder)) {
    setObjectName(QStringLiteral("CueProfileDialog"));
    setWindowTitle(tr("Cue profile - Vellorin"));
    auto* form = new QFormLayout(this);
    auto* from = new QComboBox(this);
    from->setObjectName(QStringLiteral("ProfileFrom"));
    for (const QString& key : BuiltInProfileKeys()) {
        from->addItem(CueProfileMenu::DisplayName(key), key);
    }
    //: The built-in profile whose settings fill the fields.
    form->addRow(tr("Start &from:"), from);
    const auto line = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        return edit;
    };
    name_ = line("ProfileName");
    // Each choice shown in words, with the value the profile file holds.
    sound_ = new QComboBox(this);
    //: A profile's sound: calls spoken in words.
    sound_->addItem(tr("words"), QStringLiteral("words"));
    //: A profile's sound: tones, no words.
    sound_->addItem(tr("tones"), QStringLiteral("tones"));
    holdCue_ = new QComboBox(this);
    //: What a hold begins with: the word "hold".
    holdCue_->addItem(tr("hold"), QStringLiteral("hold"));
    //: What a hold begins with: "official top", as at a freediving competition.
    holdCue_->addItem(tr("top"), QStringLiteral("top"));
    restCalls_ = line("RestCalls");
    holdCalls_ = line("HoldCalls");
    lastHoldCalls_ = line("LastHoldCalls");
    elapsedEvery_ = line("ElapsedEvery");
    lastBreath_ = Spin(this, 0, 60, "LastBreath");
    recovery_ = Spin(this, 0, kMostRecoveryBreaths, "RecoveryBreaths");
    paceIn_ = Spin(this, 0, 20, "PaceIn");
    paceOut_ = Spin(this, 0, 30, "PaceOut");
    paceLast_ = line("PaceLast");
    paceWords_ = new QCheckBox(tr("Pace in &words, not soft tones"), this);
    summary_ = new QCheckBox(tr("Say the holds and the time held at the &end"), this);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Sound:"), sound_);
    form->addRow(tr("A hold &begins with:"), holdCue_);
    //: The times called out in each rest, before the hold.
    form->addRow(tr("Calls before a &hold:"), restCalls_);
    form->addRow(tr("Calls in every h&old:"), holdCalls_);
    form->addRow(tr("Calls in the &last hold:"), lastHoldCalls_);
    form->addRow(tr("Time held called e&very:"), elapsedEvery_);
    form->addRow(tr("\"Last b&reath\", seconds before a hold:"), lastBreath_);
    form->addRow(tr("Re&covery breaths after a hold:"), recovery_);
    form->addRow(tr("Paced breathing, seconds &in:"), paceIn_);
    form->addRow(tr("Paced breathing, seconds o&ut:"), paceOut_);
    //: "all" is typed as it is, in English: the profile file's word for the whole rest.
    form->addRow(tr("Pace the last part of a rest (m:ss or all):"), paceLast_);
    form->addRow(paceWords_);
    form->addRow(summary_);
    //: How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.
    form->addRow(new QLabel(tr("Calls are written m:ss to be spoken (0:30 \"thirty seconds\") "
                               "and as a bare number to be counted (5 \"five\")."),
                            this));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("ProfileProblem"));
    problem_->setWordWrap(true);
    form->addRow(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CueProfileDialog::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (const int started = from->findData(start.name); started >= 0) {
        from->setCurrentIndex(started);
    }
    connect(from, &QComboBox::activated, this,
            [this, from](int index) { Fill(*BuiltInProfile(from->itemData(index).toString())); });
    Fill(start);
}

void CueProfileDialog::Fill(const CueProfile& profile) {
    const QByteArray file = ProfileFileBytes(profile);
    //: The name proposed for a profile of the user's own made from a built-in one; %1 is the
    //: built-in profile's key, as "guided".
    name_->setText(BuiltInProfile(profile.name) ? tr("My %1").arg(profile.name) : profile.name);
    sound_->setCurrentIndex(sound_->findData(Setting(file, "sound")));
    holdCue_->setCurrentIndex(holdCue_->findData(Setting(file, "hold-cue")));
    restCalls_->setText(Setting(file, "rest-calls"));
    holdCalls_->setText(Setting(file, "hold-calls"));
    lastHoldCalls_->setText(Setting(file, "last-hold-calls"));
    elapsedEvery_->setText(Setting(file, "elapsed-every"));
    lastBreath_->setValue(profile.lastBreath);
    recovery_->setValue(profile.recoveryBreaths);
    paceIn_->setValue(profile.paceIn);
    paceOut_->setValue(profile.paceOut);
    paceLast_->setText(Setting(file, "pace-last"));
    paceWords_->setChecked(profile.paceWords);
    summary_->setChecked(profile.endSummary);
}

std::optional<CueProfile> CueProfileDialog::Typed() {
    const auto text = [](const QString& key, const QString& value) {
        return key + QStringLiteral(" = ") + value.simplified() + QLatin1Char('\n');
    };
    const QString file =
        QStringLiteral("format = vellorin-cues 1\n") + text(QStringLiteral("name"), name_->text()) +
        text(QStringLiteral("sound"), sound_->currentData().toString()) +
        text(QStringLiteral("hold-cue"), holdCue_->currentData().toString()) +
        text(QStringLiteral("rest-calls"), restCalls_->text()) +
        text(QStringLiteral("hold-calls"), holdCalls_->text()) +
        text(QStringLiteral("last-hold-calls"), lastHoldCalls_->text()) +
        text(QStringLiteral("elapsed-every"), elapsedEvery_->text()) +
        text(QStringLiteral("last-breath"), QString::number(lastBreath_->value())) +
        text(QStringLiteral("recovery-breaths"), QString::number(recovery_->value())) +
        text(QStringLiteral("pace"),
             paceIn_->value() == 0 && paceOut_->value() == 0
                 ? QStringLiteral("none")
                 : QStringLiteral("%1 %2").arg(paceIn_->value()).arg(paceOut_->value())) +
        text(QStringLiteral("pace-last"), paceLast_->text()) +
        text(QStringLiteral("pace-sound"),
             paceWords_->isChecked() ? QStringLiteral("words") : QStringLiteral("tones")) +
        text(QStringLiteral("end-summary"),
             summary_->isChecked() ? QStringLiteral("yes") : QStringLiteral("no"));
    const ProfileFileRead read = ParseProfileFile(file.toUtf8(), name_->text());
    // The reader's reason, told by the field it is about rather than by a line of a file. A
    // reason in another language than these patterns' is shown whole.
    static const QRegularExpression line(QStringLiteral("^.*?: line (\\d+): (.*)$"));
    static const QRegularExpression whole(QStringLiteral("^Could not load .*?\": (.*)$"));
    // The fields by the line of the file above that holds their value.
    const QStringList fields = {{},
                                {},
                                tr("Name"),
                                tr("Sound"),
                                tr("A hold begins with"),
                                tr("Calls before a hold"),
                                tr("Calls in every hold"),
                                tr("Calls in the last hold"),
                                tr("Time held called every"),
                                tr("Last breath"),
                                tr("Recovery breaths"),
                                tr("Paced breathing"),
                                tr("Pace the last part of a rest")};
    if (const QRegularExpressionMatch at = line.match(read.problem); at.hasMatch()) {
        //: A field of the profile and why its value cannot be used: "Sound: it must be words
        //: or tones".
        problem_->setText(tr("%1: %2").arg(fields.value(at.captured(1).toInt()), at.captured(2)));
    } else if (const QRegularExpressionMatch of = whole.match(read.problem); of.hasMatch()) {
        problem_->setText(of.captured(1));
    } else {
        problem_->setText(read.problem);
    }
    return read.profile;
}

void CueProfileDialog::Save() {
    const std::optional<CueProfile> profile = Typed();
    if (!profile) {
        return;
    }
    if (BuiltInProfile(profile->name)) {
        problem_->setText(tr("\"%1\" is the name of a built-in profile: choose another name.")
                              .arg(profile->name));
        return;
    }
    const QString folder = UserProfileFolder(userDataFolder_);
    const QString path = folder + QLatin1Char('/') + ProfileFileName(profile->name);
    // Another profile whose name gives the same file is never replaced.
    if (const ProfileFileRead there = ReadProfileFile(path);
        there.profile && there.profile->name != profile->name) {
        //: %1 is the name typed, %2 the name of another profile whose file name would be the
        //: same.
        problem_->setText(tr("\"%1\" is kept in the file of your profile \"%2\": choose another "
                             "name.")
                              .arg(profile->name, there.profile->name));
        return;
    }
    QString problem =
        QDir().mkpath(folder) ? WriteProfileFile(path, *profile) : tr("the folder cannot be made");
    if (!problem.isEmpty()) {
        //: %1 is a file name, %2 the reason, a clause without a full stop.
        problem_->setText(tr("Could not save the cue profile to \"%1\": %2.").arg(path, problem));
        return;
    }
    saved_ = profile->name;
    accept();
}

}  // namespace vellorin
