// The window's cue profiles: the menu that chooses the user's default, the editor, and the
// profile handed to the controller for the next session.
#include "cue_profile_dialog.h"
#include "cue_profile_file.h"
#include "cue_profile_menu.h"
#include "trainer_mainform.h"
#include "window_settings.h"

#include <QTimer>

namespace vellorin {

void TrainerMainform::AddCueProfileMenu(QMenu* training) {
    profileMenu_ = new CueProfileMenu(training, [this] { return UserDataFolder(); });
    connect(profileMenu_, &CueProfileMenu::Chosen, this, [this](const QString& name) {
        defaultProfile_ = name;
        if (const QString failure =
                Settings().SetValue(QString::fromLatin1(kDefaultProfileSetting), name);
            !failure.isEmpty()) {
            ShowMessage(failure);
        }
        ChooseCueProfile();
    });
    connect(profileMenu_, &CueProfileMenu::EditRequested, this,
            &TrainerMainform::EditCueProfileCmd);
}

void TrainerMainform::ChooseCueProfile() {
    const QString& userDefault = defaultProfile_;
    const std::optional<RoundsTable>& rounds = controller_.ChosenRounds();
    const QString name = rounds ? rounds->profile : QString();
    // A table naming a profile this user does not have runs with the user's default.
    ProfileFileRead found = FindProfile(name, UserDataFolder(), userDefault);
    if (!found.profile) {
        found = FindProfile({}, UserDataFolder(), userDefault);
    }
    // A default that can no longer be used (its file damaged or gone) is told once.
    if (const ProfileFileRead chosen = FindProfile(userDefault, UserDataFolder());
        !userDefault.isEmpty() && !chosen.profile && !toldProfile_) {
        toldProfile_ = true;
        const QString problem = chosen.problem;
        QTimer::singleShot(0, this, [this, problem] {
            //: %1 is why the user's default cue profile cannot be used, in whole sentences.
            ShowMessage(tr("%1 The classic cues play.").arg(problem));
        });
    }
    controller_.ChooseProfile(*found.profile);
    if (profileMenu_ != nullptr) {
        profileMenu_->Refresh(FindProfile({}, UserDataFolder(), userDefault).profile->name);
    }
}

void TrainerMainform::EditCueProfileCmd() {
    CueProfileDialog dialog(this, UserDataFolder(), controller_.ChosenProfile());
    if (dialog.exec() == QDialog::Accepted && !dialog.Saved().isEmpty()) {
        emit profileMenu_->Chosen(dialog.Saved());
    }
    AfterHandler();
}

}  // namespace vellorin
