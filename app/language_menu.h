#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QActionGroup;
class QMenu;

namespace vellorin {

// Help > Language: the system's language or one of those Vellorin speaks, each named in its
// own language, the one in effect checked. Choosing one emits Chosen with its code, or an
// empty code for the system's language.
class LanguageMenu : public QObject {
    Q_OBJECT

public:
    // chosen gives the code kept, read each time the menu opens.
    LanguageMenu(QMenu* parent, std::function<QString()> chosen);

    // The words that tell the user when a chosen language takes effect.
    static QString TakesEffectText(const QString& code);

signals:
    void Chosen(const QString& code);

private:
    void CheckChosen();

    QActionGroup* group_;
    std::function<QString()> chosen_;
};

}  // namespace vellorin
