// docs/vtable.schema.json, checked by a real schema validator against what the reader does:
// every file the writer makes passes, every file the reader refuses fails.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "damaged_vtables.h"
#include "file_helpers.h"
#include "random_rounds.h"
#include "rounds_presets.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

constexpr std::uint32_t kSeed = 20260215;
constexpr int kTables = 400;

// What the validator says of each file: "valid" or "invalid: <reason>".
std::map<QString, QString> Validate(const QStringList& files) {
    QProcess python;
    // Debian's interpreter, which python3-jsonschema is installed for, whatever else is first
    // on the PATH.
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral(VELLORIN_SOURCE_DIR "/tools/validate_vtable.py"),
                             QStringLiteral(VELLORIN_SOURCE_DIR "/docs/vtable.schema.json")} +
                     files);
    python.waitForFinished(120'000);
    std::map<QString, QString> verdicts;
    const QString output = QString::fromUtf8(python.readAllStandardOutput());
    for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
        for (const QString& file : files) {
            if (line == "valid " + file) {
                verdicts[file] = QStringLiteral("valid");
            } else if (line.startsWith("invalid " + file + ": ")) {
                verdicts[file] = QStringLiteral("invalid: ") + line.mid(file.size() + 10);
            }
        }
    }
    EXPECT_EQ(verdicts.size(), std::size_t(files.size()))
        << output.toStdString() << python.readAllStandardError().toStdString()
        << "(the schema test needs python3 with python3-jsonschema)";
    return verdicts;
}

TEST(TableSchema, AcceptsEveryFileTheWriterMakesAndEveryFileTheReaderReads) {
    QTemporaryDir dir;
    QStringList files;
    auto add = [&](const QString& name, const QByteArray& bytes) {
        files.append(dir.filePath(name));
        WriteBytes(files.last(), bytes);
        EXPECT_TRUE(ParseTableFile(bytes, name).table.has_value()) << name.toStdString();
    };
    RandomRounds random(kSeed);
    for (int i = 0; i < kTables; ++i) {
        add(QStringLiteral("random%1.vtable").arg(i), TableFileBytes(random.Next()));
    }
    for (const QString& key : PresetKeys()) {
        for (const int pb : {1, 180, kMaxPresetBest}) {
            const PresetTable preset = MakePreset(*PresetFromKey(key), pb);
            add(QStringLiteral("%1-%2.vtable").arg(key).arg(pb),
                TableFileBytes(preset.table.value_or(RoundsTable{})));
        }
    }
    add(QStringLiteral("hand-written.vtable"), TableFileText());
    add(QStringLiteral("defaults.vtable"),
        R"({"format": "vellorin-table", "version": 1.0, "intro": 30.0, "rounds": [{"hold":
           {"end": "first-contraction", "margin": 0, "cap": 1}, "rest": {"end": "breath"}}]})");
    for (const auto& [file, verdict] : Validate(files)) {
        EXPECT_EQ(verdict.toStdString(), "valid") << file.toStdString();
    }
}

TEST(TableSchema, RefusesEveryDamagedFileItCanTellFromItsValues) {
    QTemporaryDir dir;
    QStringList files;
    std::map<QString, bool> tells;
    for (const DamagedTable& damaged : DamagedTables()) {
        files.append(dir.filePath(QString::fromLatin1(damaged.label) + ".vtable"));
        WriteBytes(files.last(), damaged.bytes);
        tells[files.last()] = damaged.schemaTells;
    }
    for (const auto& [file, verdict] : Validate(files)) {
        // The rules across values, which the schema's description names, pass the schema.
        EXPECT_EQ(verdict.startsWith("invalid: "), tells[file])
            << file.toStdString() << ": " << verdict.toStdString();
    }
}

}  // namespace
}  // namespace vellorin::testing
