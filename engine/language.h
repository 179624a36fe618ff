#pragma once

#include <QString>
#include <QStringList>

namespace vellorin {

// The window settings key of the language the user chose; absent or empty: the system's.
inline constexpr char kLanguageSetting[] = "ui/language";

// The languages Vellorin speaks, by code, English first: en, de, fr, es, it, pt, ru, pl, cs,
// fi, ca.
QStringList Languages();

// A language's name in that language, as a chooser lists it ("Deutsch", "Русский").
QString LanguageName(const QString& code);

// The language to speak: the chosen one where Vellorin speaks it, otherwise the first of the
// system's languages (QLocale::uiLanguages, "de-AT" or "de_AT") that it speaks, else English.
QString LanguageFor(const QString& chosen, const QStringList& systemLanguages);

// Installs the program's and Qt's own translations for the language, replacing those of the
// language used before, makes its numbers and dates the default where it is not the system's
// language, and makes its cues the ones played. Qt's translations are looked for in the
// "translations" folder beside the program (the Windows package), then where Qt keeps them.
void UseLanguage(const QString& code, const QString& applicationFolder);

// The language in use: "en" until another is used.
QString LanguageInUse();

}  // namespace vellorin
