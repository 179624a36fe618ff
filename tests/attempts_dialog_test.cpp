// The "Personal bests" dialog, by keyboard: the attempts listed with when they began and the
// time held, one removed only after a question with every other line kept, a personal best
// added by hand in m:ss or seconds, and a damaged line named in the dialog itself.
#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "attempts_dialog.h"
#include "file_helpers.h"

namespace vellorin::testing {
namespace {

QDateTime Local(int day, int hour) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, 0));
}

class AttemptsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath("personal-bests.txt");
        WriteBytes(path, "\xEF\xBB\xBF# attempts\n" + AttemptLine({Local(1, 8), 150}) +
                             "\nnonsense\n" + AttemptLine({Local(2, 9), 3725}) + "\n");
    }
    bool Ask(const QString& question) {
        questions.append(question);
        return answer;
    }

    QTemporaryDir dir;
    QString path;
    QStringList questions;
    bool answer = false;
};

TEST_F(AttemptsDialogTest, RemovesAfterAQuestionAndAddsByHand) {
    AttemptsDialog dialog(nullptr, path, [this](const QString& q) { return Ask(q); });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.Listed(),
              QStringList({"2026-12-01 08:00\t02:30", "2026-12-02 09:00\t1:02:05"}));
    EXPECT_TRUE(dialog.Note().startsWith("Left out line 3 of")) << dialog.Note().toStdString();
    auto* list = dialog.findChild<QTreeWidget*>("Attempts");
    ASSERT_TRUE(list->hasFocus());

    // Delete asks first; No keeps the file as it was, Yes removes that line alone.
    const QByteArray before = ReadBytes(path);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains("2026-12-01 08:00, held 02:30"))
        << questions[0].toStdString();
    EXPECT_EQ(ReadBytes(path), before);
    answer = true;
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(dialog.Listed(), QStringList({"2026-12-02 09:00\t1:02:05"}));
    EXPECT_EQ(ReadBytes(path),
              "\xEF\xBB\xBF# attempts\nnonsense\n" + AttemptLine({Local(2, 9), 3725}) + "\n");

    // A PB by hand: a moment and m:ss or seconds, Enter adds it; anything else is refused.
    auto* held = dialog.findChild<QLineEdit*>("AttemptHeld");
    dialog.findChild<QDateTimeEdit*>("AttemptWhen")->setDateTime(Local(5, 7));
    for (const char* typed : {"3:5", "0", "ten"}) {
        held->setText(typed);
        QTest::keyClick(held, Qt::Key_Return);
        EXPECT_TRUE(dialog.Note().contains("m:ss")) << typed;
    }
    EXPECT_EQ(dialog.Listed().size(), 1);
    held->setText("3:05");
    QTest::keyClick(held, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());  // Enter adds; it does not close the dialog
    EXPECT_EQ(dialog.Listed(),
              QStringList({"2026-12-02 09:00\t1:02:05", "2026-12-05 07:00\t03:05"}));
    EXPECT_TRUE(ReadBytes(path).endsWith("\n" + AttemptLine({Local(5, 7), 185}) + "\n"));
    EXPECT_EQ(held->text(), "");
}

}  // namespace
}  // namespace vellorin::testing
