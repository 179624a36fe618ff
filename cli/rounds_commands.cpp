#include "rounds_commands.h"

#include <QCoreApplication>

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
        //: %1 is a file's name, %2 the reason it could not be written.
        err << Printable(QCoreApplication::translate("SessionFile",
                                                     "Could not save the table to \"%1\": %2.")
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
        if (!KnownHoldLength(round.hold)) {
            //: %1 is the round's number.
            return QCoreApplication::translate(
                       "AudioExport",
                       "round %1's hold ends at a contraction, which an audio file cannot wait "
                       "for; only a table whose every hold and rest is timed can be exported")
                .arg(k + 1);
        }
        if (round.rest && !KnownRestLength(*round.rest, round.hold)) {  // a cycle's is known
            //: %1 is the round's number; the breath key ends a rest of one breath.
            return QCoreApplication::translate(
                       "AudioExport",
                       "round %1's rest ends at the breath key, which an audio file cannot wait "
                       "for; only a table whose every hold and rest is timed can be exported")
                .arg(k + 1);
        }
    }
    return {};
}

std::optional<RoundsTable> ExportableTable(const QString& tableFile, QTextStream& err,
                                           TableUse use) {
    TableFileRead read = ReadTableFile(tableFile);
    if (!read.table) {
        err << Printable(read.problem) << "\n";
        return std::nullopt;
    }
    if (const QString why = WhyNotExportable(*read.table); !why.isEmpty()) {
        //: %1 is the table file's name, %2 why its session cannot be exported.
        QString text = QCoreApplication::translate("CommandLine", "Could not export \"%1\": %2.");
        if (use == TableUse::ListCues) {
            //: %1 is the table file's name, %2 why the cues of its session cannot be listed.
            text = QCoreApplication::translate("CommandLine",
                                               "Could not list the cues of \"%1\": %2.");
        }
        err << Printable(text.arg(tableFile, why)) << "\n";
        return std::nullopt;
    }
    return std::move(read.table);
}

}  // namespace vellorin
