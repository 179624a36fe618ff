#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "fake_window.h"
#include "file_helpers.h"
#include "rounds_presets.h"
#include "session_commands.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

// Load and Save of both kinds of table through the shared dialog: a table file puts its
// table of rounds in use and leaves the six fields alone, a session file puts the fields
// back in use, and a file that cannot be loaded changes nothing.
class RoundsFiles : public ::testing::Test {
protected:
    RoundsFiles() {
        window.applicationFolder = dir.path();
        window.SetSettings(kFields);
        commands.SetRoundsChanged([this](const std::optional<RoundsTable>& table) {
            told.append(table.has_value() ? table->name : QStringLiteral("<six settings>"));
        });
        commands.SetProgramFiles([this] { return QStringList{Path("training-log.csv")}; });
        WriteBytes(Path("wonka.vtable"), TableFileBytes(Wonka()));
        WriteBytes(Path("t.ses"), "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    }
    static RoundsTable Wonka() {
        RoundsTable table = *MakePreset(RoundsPreset::Wonka, 200).table;
        table.name = QStringLiteral("Wonka");
        return table;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Load(const QString& path) {
        window.dialog.nextFileName = path;
        commands.LoadCmd_Click();
    }
    void Save(const QString& path) {
        window.dialog.nextFileName = path;
        commands.SaveCmd_Click();
    }

    const QStringList kFields{"5", "90", "5", "60", "5", "4"};
    QTemporaryDir dir;
    FakeWindow window;
    SessionFileCommands commands{window};
    QStringList told;
};

TEST_F(RoundsFiles, ATableFileIsLoadedSavedAndUndoneBesideTheSixFields) {
    Load(Path("wonka.vtable"));
    EXPECT_EQ(commands.Rounds(), Wonka());
    EXPECT_EQ(commands.TableFile(), Path("wonka.vtable"));
    EXPECT_EQ(FieldTexts(window), kFields);
    EXPECT_FALSE(commands.Edited());
    EXPECT_TRUE(window.messages.isEmpty());

    // Save writes the table of rounds, proposed under its own name, in the writer's bytes.
    Save(Path("copy.vtable"));
    EXPECT_EQ(window.dialog.Filter, "Vellorin tables|*.vtable");
    EXPECT_EQ(window.dialog.ProposedFile, Path("wonka.vtable"));
    EXPECT_EQ(ReadBytes(Path("copy.vtable")), TableFileBytes(Wonka()));
    EXPECT_EQ(commands.TableFile(), Path("copy.vtable"));

    // A session file puts the six fields back in use; Undo load brings the table back.
    Load(Path("t.ses"));
    EXPECT_EQ(commands.Rounds(), std::nullopt);
    EXPECT_EQ(FieldTexts(window), QStringList({"10", "60", "10", "30", "5", "3"}));
    EXPECT_TRUE(commands.UndoLoad());
    EXPECT_EQ(commands.Rounds(), Wonka());
    EXPECT_EQ(FieldTexts(window), kFields);
    EXPECT_EQ(told, QStringList({"Wonka", "<six settings>", "Wonka"}));

    // A table made in the window is kept in no file, and Save proposes no name for it; a
    // table saved from the editor is its file's.
    commands.UseRounds(Wonka(), {});
    EXPECT_EQ(commands.TableFile(), "");
    Save("");
    EXPECT_EQ(window.dialog.ProposedFile, "");
    commands.UseRounds(Wonka(), Path("wonka.vtable"));
    EXPECT_FALSE(commands.Edited());
    Save("");
    EXPECT_EQ(window.dialog.ProposedFile, Path("wonka.vtable"));
}

TEST_F(RoundsFiles, AFileThatCannotBeLoadedChangesNothing) {
    Load(Path("wonka.vtable"));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"damaged.vtable", "{\"format\": \"vellorin-table\", \"version\": 1,", "damaged.vtable"},
        {"newer.vtable", R"({"format": "vellorin-table", "version": 2, "intro": 30, "rounds": []})",
         "newer.vtable"},
        {"training-log.csv", "x", "the training log"},
        {"missing.vtable", {}, "missing.vtable"},
    };
    for (const auto& c : cases) {
        if (!c.bytes.isNull()) {
            WriteBytes(Path(c.name), c.bytes);
        }
        window.messages.clear();
        Load(Path(c.name));
        ASSERT_EQ(window.messages.size(), 1) << c.name;
        EXPECT_TRUE(window.messages[0].contains(c.says)) << window.messages[0].toStdString();
        EXPECT_EQ(commands.Rounds(), Wonka()) << c.name;
        EXPECT_EQ(commands.TableFile(), Path("wonka.vtable"));
        EXPECT_EQ(FieldTexts(window), kFields);
    }
    // Save never replaces the program's own files.
    window.messages.clear();
    Save(Path("training-log.csv"));
    EXPECT_EQ(ReadBytes(Path("training-log.csv")), "x");
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].contains("the training log"));
    EXPECT_EQ(told, QStringList({"Wonka"}));
}

}  // namespace
}  // namespace vellorin::testing
