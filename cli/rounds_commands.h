#pragma once

#include <QString>
#include <QTextStream>
#include <optional>

#include "rounds_presets.h"

namespace vellorin {

// The command-line modes for tables of rounds. A file is taken for a table of rounds by its
// name: one that ends in ".vtable", whatever its case; any other name is a session file.
bool IsRoundsTableFile(const QString& path);

// Prints a table file as RoundsPreview shows it. Returns kSuccess, or kCannotUse with the
// reader's sentence when the file cannot be loaded.
int PrintRoundsTable(const QString& tableFile, QTextStream& out, QTextStream& err);

// Writes a preset made from a PB (nothing for a preset that uses none) to output as Save
// writes a table file, and prints it. Returns kSuccess, kUsageError for a PB the preset
// cannot be made from, or kCannotUse when the file cannot be written.
int NewRoundsTable(RoundsPreset preset, std::optional<int> personalBest, const QString& output,
                   QTextStream& out, QTextStream& err);

// Why a table of rounds cannot be exported as audio, naming the first round that runs a hold
// or rest of a length not known before the session ("round 2's hold ends at a contraction,
// ..."): an audio file plays on whatever the diver does, so only a table whose every phase
// is timed can be exported. Empty for such a table.
QString WhyNotExportable(const RoundsTable& table);

// What a table file is loaded for: --export-audio, or --cues.
enum class TableUse { Export, ListCues };
// The table of a table file for --export-audio or --cues, or nothing once the reader's
// sentence for a damaged file, or the reason its session cannot be run without the diver's
// keys, is printed.
std::optional<RoundsTable> ExportableTable(const QString& tableFile, QTextStream& err,
                                           TableUse use = TableUse::Export);

}  // namespace vellorin
