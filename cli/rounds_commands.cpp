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

QString WhyNotExportable(const RoundsTable& table) {
    const QList<RunRound> order = RunOrder(table);
    for (qsizetype k = 0; k < order.size(); ++k) {
        const RunRound& round = order[k];
        const char* phase = nullptr;
        if (!KnownHoldLength(round.hold)) {
            phase = "hold ends at a contraction";
        } else if (round.rest && !KnownRestLength(*round.rest, round.hold)) {
            phase = "rest ends at the breath key";  // a cycle after a timed hold is known
        }
        if (phase != nullptr) {
            return QStringLiteral(
                       "round %1's %2, which an audio file cannot wait for; only a "
                       "table whose every hold and rest is timed can be exported")
                .arg(k + 1)
                .arg(QLatin1String(phase));
        }
    }
    return {};
}

std::optional<RoundsTable> ExportableTable(const QString& tableFile, QTextStream& err,
                                           const char* doing) {
    TableFileRead read = ReadTableFile(tableFile);
    if (!read.table) {
        err << Printable(read.problem) << "\n";
        return std::nullopt;
    }
    if (const QString why = WhyNotExportable(*read.table); !why.isEmpty()) {
        err << Printable(QStringLiteral("Could not %1 \"%2\": %3.")
                             .arg(QLatin1String(doing), tableFile, why))
            << "\n";
        return std::nullopt;
    }
    return std::move(read.table);
}

}  // namespace vellorin
