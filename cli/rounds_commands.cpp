#include "rounds_commands.h"

#include "command_modes.h"
#include "message_text.h"
#include "rounds_preview.h"
#include "vtable_file.h"

namespace vellorin {

bool IsRoundsTableFile(const QString& path) {
    return path.endsWith(QLatin1String(".vtable"), Qt::CaseInsensitive);
}

int PrintRoundsTable(const QString& tableFile, QTextStream& out, QTextStream& err) {
    const TableFileRead read = ReadTableFile(tableFile);
    if (!read.table) {
        err << Printable(read.problem) << "\n";
        return kCannotUse;
    }
    out << RoundsPreview(*read.table);
    return kSuccess;
}

int NewRoundsTable(RoundsPreset preset, std::optional<int> personalBest, const QString& output,
                   QTextStream& out, QTextStream& err) {
    const PresetTable made = MakePreset(preset, personalBest.value_or(0));
    if (!made.table) {
        err << "vellorin: --new-table " << PresetKey(preset) << ": " << Printable(made.problem)
            << ".\n";
        return kUsageError;
    }
    if (const QString failure = WriteTableFile(output, *made.table); !failure.isEmpty()) {
        err << Printable(QStringLiteral("Could not save the table to \"%1\": %2.")
                             .arg(output, WithoutFullStop(failure)))
            << "\n";
        return kCannotUse;
    }
    out << RoundsPreview(*made.table);
    return kSuccess;
}

int RefuseRoundsExport(const QString& tableFile, QTextStream& err) {
    const TableFileRead read = ReadTableFile(tableFile);
    if (!read.table) {
        err << Printable(read.problem) << "\n";
        return kCannotUse;
    }
    // Its rounds are run by a session of their own, which the audio export cannot run yet.
    err << Printable(QStringLiteral("Cannot export \"%1\": a table of rounds cannot be exported "
                                    "as audio yet, only a session file (.ses).")
                         .arg(tableFile))
        << "\n";
    return kCannotUse;
}

}  // namespace vellorin
