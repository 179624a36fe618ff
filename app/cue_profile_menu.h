#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "cue_profile_file.h"

class QMenu;
class QActionGroup;
class QComboBox;

namespace vellorin {

// Training > Cue profile: the built-in profiles and the user's own, one of them checked as
// the user's default, and the editor of a profile.
class CueProfileMenu : public QObject {
    Q_OBJECT

public:
    // userDataFolder is asked each time the profiles are listed.
    CueProfileMenu(QMenu* training, std::function<QString()> userDataFolder);

    // Lists the profiles again (the user's folder may have changed) with chosen checked.
    void Refresh(const QString& chosen);

    // The name a built-in profile goes by in the window ("Guided"); a user's profile keeps its
    // own name.
    static QString DisplayName(const QString& name);
    // The built-in profiles' keys, then the names of the user's own that can be read.
    static QStringList ProfileNames(const QList<ProfileFileRead>& own);
    // A list to choose a table's own profile from: the user's default (an empty name) and
    // every profile, with current chosen (listed as not found where there is none of its name).
    static void FillChooser(QComboBox* box, const QString& userDataFolder, const QString& current);

signals:
    void Chosen(const QString& name);
    void EditRequested();

private:
    QMenu* menu_;
    QActionGroup* group_;
    std::function<QString()> userDataFolder_;
};

}  // namespace vellorin
