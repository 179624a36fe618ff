#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QActionGroup;

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

signals:
    void Chosen(const QString& name);
    void EditRequested();

private:
    QMenu* menu_;
    QActionGroup* group_;
    std::function<QString()> userDataFolder_;
};

}  // namespace vellorin
