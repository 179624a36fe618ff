#include "qt_common_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

namespace vellorin {
namespace {

// The display texts of the filters the session commands give (session_commands.h), which
// those give in English: each is translated here, where it is shown.
[[maybe_unused]] constexpr const char* kFilterNames[] = {
    //: In a file dialog's list of file types: session files and table files together.
    QT_TRANSLATE_NOOP("FileDialog", "Tables"),
    QT_TRANSLATE_NOOP("FileDialog", "Session files"),
    QT_TRANSLATE_NOOP("FileDialog", "Vellorin tables"),
};

}  // namespace

QString QtCommonDialog::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name =
            QCoreApplication::translate("FileDialog", parts[i].trimmed().toUtf8().constData());
        // Qt's dialog reads the patterns from between the parentheses: never translated.
        entries.append(QStringLiteral("%1 (%2)").arg(name, parts[i + 1].trimmed()));
    }
    return entries.join(QStringLiteral(";;"));
}

void QtCommonDialog::Show(bool forSaving) {
    QFileDialog dialog(parent_, QString(), InitDir, QtFilter(Filter));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (forSaving) {
        // The suffix of the filter's first pattern: "ses" for a session file.
        const QString pattern =
            Filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(' '), 0, 0);
        dialog.setDefaultSuffix(pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2)
                                                                        : QStringLiteral("ses"));
        if (!ProposedFile.isEmpty()) {
            dialog.selectFile(ProposedFile);
        }
    }
    fileName_.clear();
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        fileName_ = dialog.selectedFiles().constFirst();
    }
}

}  // namespace vellorin
