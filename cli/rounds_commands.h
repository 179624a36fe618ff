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

// A table of rounds is not exported as audio yet: the reader's sentence for a damaged file,
// else the reason. Always kCannotUse; no file is written.
int RefuseRoundsExport(const QString& tableFile, QTextStream& err);

}  // namespace vellorin
