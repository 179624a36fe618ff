#include "language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>

#include "language.h"

namespace vellorin {

LanguageMenu::LanguageMenu(QMenu* parent, std::function<QString()> chosen)
    : QObject(parent), group_(new QActionGroup(this)), chosen_(std::move(chosen)) {
    QMenu* menu = parent->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("languagemenu"));
    const auto add = [&](const QString& code, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("language-") + (code.isEmpty() ? "system" : code));
        action->setCheckable(true);
        group_->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { emit Chosen(code); });
    };
    //: %1 is the language Vellorin takes from the system, named in that language.
    add({}, tr("The system's language (%1)")
                .arg(LanguageName(LanguageFor({}, QLocale::system().uiLanguages()))));
    menu->addSeparator();
    for (const QString& code : Languages()) {
        add(code, LanguageName(code));
    }
    connect(menu, &QMenu::aboutToShow, this, &LanguageMenu::CheckChosen);
}

void LanguageMenu::CheckChosen() {
    const QString chosen = chosen_();
    const QString code = Languages().contains(chosen) ? chosen : QString();
    for (QAction* action : group_->actions()) {
        action->setChecked(action->objectName() ==
                           QStringLiteral("language-") + (code.isEmpty() ? "system" : code));
    }
}

QString LanguageMenu::TakesEffectText(const QString& code) {
    const QString language =
        LanguageName(code.isEmpty() ? LanguageFor({}, QLocale::system().uiLanguages()) : code);
    //: %1 is the language chosen, named in that language ("Deutsch").
    return tr("Vellorin speaks %1 from its next start: its window, messages and spoken cues.")
        .arg(language);
}

}  // namespace vellorin
