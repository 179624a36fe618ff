#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

#include "cue_catalogue.h"

namespace vellorin {
namespace {

QString& InUse() {
    static QString code = QStringLiteral("en");
    return code;
}

// The translators installed for the language in use, removed when another is used.
std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(std::unique_ptr<QTranslator> translator) {
    if (QCoreApplication::installTranslator(translator.get())) {
        Installed().push_back(std::move(translator));
    }
}

}  // namespace

QStringList Languages() {
    return {"en", "de", "fr", "es", "it", "pt", "ru", "pl", "cs", "fi", "ca"};
}

QString LanguageName(const QString& code) {
    const QString name = QLocale(code).nativeLanguageName();
    return name.left(1).toUpper() + name.mid(1);
}

QString LanguageFor(const QString& chosen, const QStringList& systemLanguages) {
    if (Languages().contains(chosen)) {
        return chosen;
    }
    for (const QString& system : systemLanguages) {
        const QString code =
            system.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (Languages().contains(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

void UseLanguage(const QString& code, const QString& applicationFolder) {
    for (const auto& translator : Installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    Installed().clear();
    InUse() = Languages().contains(code) ? code : QStringLiteral("en");
    const QLocale locale(InUse());
    // English too has a file: the plural forms of the counted words ("1 round", "2 rounds").
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/vellorin_%1.qm").arg(InUse()))) {
        Install(std::move(own));
    }
    if (InUse() != QLatin1String("en")) {
        for (const QString& folder : {applicationFolder + QStringLiteral("/translations"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
                Install(std::move(qt));
                break;
            }
        }
    }
    // English leaves the system's numbers and dates as they are, byte for byte.
    static bool localeSet = false;
    if (InUse() != QLatin1String("en") && QLocale::system().language() != locale.language()) {
        QLocale::setDefault(locale);
        localeSet = true;
    } else if (localeSet) {
        QLocale::setDefault(QLocale::system());
        localeSet = false;
    }
    SetCueLanguage(InUse() == QLatin1String("en") ? QString() : InUse());
}

QString LanguageInUse() {
    return InUse();
}

}  // namespace vellorin
