// The table editor, the real dialog by keys: rows made, moved and changed, the total and the
// warnings, Save read back, the cursor put in the value to mend, Fill from the six settings,
// and nothing dropped or replaced without a question.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "classic_rounds.h"
#include "fake_window.h"
#include "file_helpers.h"
#include "rounds_editor.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

class Editor : public RoundsEditor {
public:
    using RoundsEditor::RoundsEditor;
    QString AskSavePath(const QString& folder, const QString&) override {
        askedIn.append(folder);
        return savePath;
    }
    void ShowMessage(const QString& text) override { messages.append(text); }
    bool Confirm(const QString& question) override {
        questions.append(question);
        return answer;
    }
    template <typename T = QLineEdit>
    T* Find(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

    QString savePath;
    QStringList askedIn, messages, questions;
    bool answer = false;
};

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}
// Alt+letter on a button: it is let go, and clicks, a moment later.
void Press(const QWidget& dialog, Qt::Key mnemonic) {
    Key(mnemonic, Qt::AltModifier);
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
    }));
}
// Alt+letter to the field, then its text replaced by typing.
void TypeAt(Qt::Key mnemonic, const QString& text) {
    Key(mnemonic, Qt::AltModifier);
    Key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}
QString Focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
}

RoundsTable TwoRows() {
    RoundsTable table;
    table.rounds = {Round{}, {HoldRule::AtFirstContraction(30, 120), RestRule::Timed(90), 1}};
    return table;
}

TEST(RoundsEditorDialog, BuildsAPyramidByKeysAndSavesIt) {
    QTemporaryDir dir;
    FakeWindow window;
    window.applicationFolder = dir.path();
    Editor editor(RoundsTable{"", 30, {Round{}}, ""}, "", 90, window);
    editor.savePath = dir.filePath("pyramid.vtable");
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    ASSERT_EQ(Focused(), "Rounds");

    TypeAt(Qt::Key_N, "Pyramid");
    Press(editor, Qt::Key_A);  // a second 1:00 row
    TypeAt(Qt::Key_L, "1:40");
    EXPECT_TRUE(editor.Note().contains(
        "Round 2: the hold of 01:40 is longer than your personal best of 01:30."));
    TypeAt(Qt::Key_L, "90");
    Press(editor, Qt::Key_D);  // a copy of it, then 1:00
    TypeAt(Qt::Key_L, "1:00");
    Key(Qt::Key_Up, Qt::ControlModifier);  // moved while the cursor is in its value
    EXPECT_EQ(editor.Table().rounds[1].hold.seconds, 60);
    Key(Qt::Key_Down, Qt::ControlModifier);
    Press(editor, Qt::Key_D);  // one row too many, removed by Delete in the list
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_Delete);
    ASSERT_EQ(editor.Table().rounds.size(), 3);
    EXPECT_EQ(Focused(), "Rounds");

    // The middle row ends at the first contraction, capped at first above the best.
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_Up);
    Key(Qt::Key_K, Qt::AltModifier);
    Key(Qt::Key_Down);
    EXPECT_FALSE(editor.Find("HoldSeconds")->isVisible());
    EXPECT_TRUE(
        editor.Note().contains("Round 2: the cap of 03:00 is longer than your "
                               "personal best of 01:30."));
    TypeAt(Qt::Key_C, "1:20");
    EXPECT_EQ(editor.Note(), "");
    EXPECT_EQ(editor.TotalLine(), "Total: 3 rounds, up to 07:50");
    EXPECT_EQ(editor.Find<QListWidget>("Rounds")->item(1)->text(),
              "2. hold first contraction + 00:30, up to 01:20, rest 02:00");

    Press(editor, Qt::Key_S);  // a new table: Save asks where, in the sessions folder
    EXPECT_EQ(editor.askedIn, QStringList({dir.filePath("sessions")}));
    EXPECT_EQ(editor.Path(), editor.savePath);
    const Round wonka{HoldRule::AtFirstContraction(30, 80), RestRule::Timed(120), 1};
    EXPECT_EQ(editor.Table(), (RoundsTable{"Pyramid", 30, {Round{}, wonka, Round{}}, ""}));
    EXPECT_EQ(ReadTableFile(editor.savePath).table, editor.Table());
    Key(Qt::Key_Return);  // Use this table
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_TRUE(editor.questions.isEmpty());
}

TEST(RoundsEditorDialog, AProblemPutsTheCursorInTheValueToMend) {
    const struct {
        int row;  // typed into, and selected once Use or Save is pressed
        int after;
        const char* field;  // typed into; none: every row removed
        const char* typed;
        const char* sentence;
        const char* focused;
    } cases[] = {
        {1, 1, "Cap", "3:5", "Round 2: the cap must be from 1 to 86400 seconds.", "Cap"},
        {1, 1, "Minimum", "2:30", "Round 2: the cap must be at least the minimum.", "Cap"},
        {0, 0, "Repeat", "0", "Round 1: the repeat must be from 1 to 1000.", "Repeat"},
        {1, 0, "TableIntro", "", "The intro must last from 1 to 86400 seconds.", "TableIntro"},
        {-1, -1, nullptr, nullptr, "The table must have at least one round.", "AddRound"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("t.vtable");
        ASSERT_EQ(WriteTableFile(path, TwoRows()), "");
        const QByteArray before = ReadBytes(path);
        FakeWindow window;
        Editor editor(TwoRows(), path, std::nullopt, window);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        auto* rounds = editor.Find<QListWidget>("Rounds");
        if (c.field != nullptr) {
            rounds->setCurrentRow(c.row);
            editor.Find(c.field)->selectAll();
            editor.Find(c.field)->del();
            QTest::keyClicks(editor.Find(c.field), c.typed);
            rounds->setCurrentRow(1 - c.row);  // Use and Save go back to the row to mend
        } else {
            editor.RemoveRow();
            editor.RemoveRow();
        }
        EXPECT_TRUE(editor.Note().contains(c.sentence)) << editor.Note().toStdString();
        for (const char* button : {"UseTable", "SaveTable"}) {
            QTest::mouseClick(editor.Find<QPushButton>(button), Qt::LeftButton);
            EXPECT_EQ(Focused(), c.focused) << c.sentence;
            EXPECT_EQ(rounds->currentRow(), c.after) << c.sentence;
        }
        EXPECT_TRUE(editor.isVisible() && editor.askedIn.isEmpty()) << c.sentence;
        EXPECT_EQ(ReadBytes(path), before) << c.sentence;
    }
}

TEST(RoundsEditorDialog, FillsFromTheSixSettingsAndAsksBeforeDroppingChanges) {
    QTemporaryDir dir;
    FakeWindow window;
    window.SetSettings({"x", "90", "15", "120", "15", "4"});
    Editor editor(TwoRows(), "", std::nullopt, window);
    const QString log = dir.filePath("log.csv");
    editor.SetProgramFiles(
        [&](const QString& path) { return path == log ? QString("the training log") : QString(); });
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.FillFromSettings();
    EXPECT_EQ(editor.messages, QStringList({"Could not fill the table from the six settings: "
                                            "the field \"Intro\" is not a number: \"x\"."}));
    window.SetSettings({"20", "90", "15", "120", "15", "4"});
    QTest::keyClicks(editor.Find("TableName"), "Mine");  // a change, so Fill asks first
    editor.FillFromSettings();
    EXPECT_EQ(editor.Table().rounds, TwoRows().rounds);
    editor.answer = true;
    editor.FillFromSettings();
    const RoundsTable classic = *RoundsFromClassic(window).table;
    EXPECT_EQ(editor.Table(), (RoundsTable{"Mine", 20, classic.rounds, ""}));
    EXPECT_EQ(editor.questions.size(), 2);

    // The program's own files and a folder that is not there are refused by name.
    editor.messages.clear();
    for (const QString& target : {log, dir.filePath("none/t.vtable")}) {
        editor.savePath = target;
        EXPECT_FALSE(editor.SaveAs());
    }
    ASSERT_EQ(editor.messages.size(), 2);
    EXPECT_EQ(editor.messages[0], "Could not save the table to \"" + log +
                                      "\": it is the training log Vellorin keeps, which a "
                                      "table must not replace.");
    EXPECT_TRUE(editor.messages[1].contains(dir.filePath("none/t.vtable")));
    EXPECT_FALSE(QFileInfo::exists(log));
    EXPECT_EQ(editor.Path(), "");

    // Escape with changes not saved asks; No keeps the editor open.
    editor.answer = false;
    Key(Qt::Key_Escape);
    EXPECT_TRUE(editor.isVisible());
    editor.answer = true;
    Key(Qt::Key_Escape);
    EXPECT_EQ(editor.questions.size(), 4);
    EXPECT_EQ(editor.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace vellorin::testing
