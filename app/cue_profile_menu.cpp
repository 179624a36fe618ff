#include "cue_profile_menu.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>

#include "cue_profile.h"
#include "cue_profile_file.h"

namespace vellorin {

CueProfileMenu::CueProfileMenu(QMenu* training, std::function<QString()> userDataFolder)
    : QObject(training),
      menu_(training->addMenu(tr("Cue &profile"))),
      group_(new QActionGroup(this)),
      userDataFolder_(std::move(userDataFolder)) {
    menu_->setObjectName(QStringLiteral("CueProfileMenu"));
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        const QAction* checked = group_->checkedAction();
        Refresh(checked != nullptr ? checked->data().toString() : QString());
    });
}

QString CueProfileMenu::DisplayName(const QString& name) {
    // The built-in profiles' names as the window shows them, by key.
    static const char* const names[][2] = {
        //: A built-in cue profile: the cues of the classic timer.
        {"classic", QT_TRANSLATE_NOOP("vellorin::CueProfileMenu", "Classic")},
        //: A built-in cue profile: calls that guide the breathing and the holds.
        {"guided", QT_TRANSLATE_NOOP("vellorin::CueProfileMenu", "Guided")},
        //: A built-in cue profile: the countdown of a freediving competition.
        {"competition", QT_TRANSLATE_NOOP("vellorin::CueProfileMenu", "Competition countdown")},
        //: A built-in cue profile: tones, no words.
        {"tones", QT_TRANSLATE_NOOP("vellorin::CueProfileMenu", "Tones only")}};
    for (const auto& [key, shown] : names) {
        if (name == QLatin1String(key)) {
            return tr(shown);
        }
    }
    return name;
}

QStringList CueProfileMenu::ProfileNames(const QList<ProfileFileRead>& own) {
    QStringList names = BuiltInProfileKeys();
    for (const ProfileFileRead& read : own) {
        if (read.profile && !names.contains(read.profile->name)) {
            names.append(read.profile->name);
        }
    }
    return names;
}

void CueProfileMenu::FillChooser(QComboBox* box, const QString& userDataFolder,
                                 const QString& current) {
    box->clear();
    //: In a table's list of cue profiles: the profile chosen in Training > Cue profile.
    box->addItem(tr("Your default"), QString());
    for (const QString& name : ProfileNames(UserProfiles(userDataFolder))) {
        box->addItem(DisplayName(name), name);
    }
    if (box->findData(current) < 0) {
        //: A cue profile a table names that this user does not have; %1 is its name.
        box->addItem(tr("%1 (not found: your default plays)").arg(current), current);
    }
    box->setCurrentIndex(box->findData(current));
}

void CueProfileMenu::Refresh(const QString& chosen) {
    menu_->clear();
    const QList<ProfileFileRead> own = UserProfiles(userDataFolder_());
    const QStringList names = ProfileNames(own);
    for (const QString& name : names) {
        if (name == names.value(BuiltInProfileKeys().size())) {
            menu_->addSeparator();
        }
        QAction* action = menu_->addAction(DisplayName(name).replace('&', "&&"));
        action->setObjectName(QStringLiteral("profile:") + name);
        action->setData(name);
        action->setCheckable(true);
        action->setChecked(name == chosen || (chosen.isEmpty() && name == kClassicProfile));
        group_->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { emit Chosen(name); });
    }
    // A file of the user's that cannot be read is shown, with why, never played in part.
    for (const ProfileFileRead& read : own) {
        if (!read.profile) {
            QAction* damaged = menu_->addAction(
                //: A profile file of the user's that cannot be read; %1 is its file name.
                tr("%1: cannot be read").arg(QFileInfo(read.path).fileName()));
            damaged->setEnabled(false);
            damaged->setToolTip(read.problem);
        }
    }
    menu_->setToolTipsVisible(true);
    menu_->addSeparator();
    QAction* edit = menu_->addAction(tr("&Edit profile..."));
    edit->setObjectName(QStringLiteral("editprofile"));
    connect(edit, &QAction::triggered, this, &CueProfileMenu::EditRequested);
}

}  // namespace vellorin
