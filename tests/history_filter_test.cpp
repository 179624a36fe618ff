// History shows one kind of table or one table file at a time, chosen by keyboard in a list
// above the charts: the sessions, their charts and totals follow the choice, picked on a
// worker thread, from a log an older version began and this one appended to.
#include <gtest/gtest.h>

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <algorithm>

#include "file_helpers.h"
#include "history_window.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-11-02T07:30:00+01:00", Qt::ISODate);

SessionRecord Classic(int day, const QString& table) {
    return {kStart.addDays(day),
            table,
            {"30", "90", "0", "120", "15", "2"},
            {{1, 90, 90, 40, 2, true, HoldRule::Timed(90), RestRule::Timed(120)},
             {2, 90, 90, 45, 3, true, HoldRule::Timed(90), std::nullopt}}};
}

SessionRecord Rounds(int day, const QString& table, QList<qint32> held) {
    SessionRecord session{kStart.addDays(day), table, {}, {}, TableKind::Rounds};
    for (qsizetype i = 0; i < held.size(); ++i) {
        session.holds.append(
            {qint16(i + 1), 180, held[i], 30, 2, true, HoldRule::AtFirstContraction(30, 180),
             i + 1 < held.size() ? std::optional(RestRule::Timed(120)) : std::nullopt});
    }
    return session;
}

class HistoryFilter : public ::testing::Test {
protected:
    void SetUp() override {
        form.userDataFolder = dir.filePath("data");
        QDir().mkpath(form.userDataFolder);
    }
    QString LogPath() const { return TrainingLogPath(form.userDataFolder); }
    HistoryWindow* OpenAndWait() {
        form.ShowHistory();
        HistoryWindow* history = form.findChild<HistoryWindow*>();
        EXPECT_TRUE(history && QTest::qWaitFor([history] { return history->Filled(); }, 60000));
        return history;
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(HistoryFilter, TheSessionsChartsAndTotalsFollowTheTablesChosen) {
    // A log begun by an older version, with the fourteen columns, then this version's.
    WriteBytes(LogPath(), QByteArray(kLogHeaderWithoutRules) +
                              "\r\n2026-11-01T07:30:00+01:00,co2 week 10.ses,30,90,0,120,15,2,1,"
                              "90,90,,0,yes\r\n2026-11-01T07:30:00+01:00,co2 week 10.ses,30,90,0,"
                              "120,15,2,2,90,90,,0,yes\r\n");
    for (const SessionRecord& session :
         {Classic(1, "co2 week 2.ses"), Classic(2, "co2 week 2.ses"),
          Rounds(3, "wonka.vtable", {75, 80, 60}), Rounds(4, "", {60})}) {
        ASSERT_EQ(AppendToLog(LogPath(), session), "");
    }
    HistoryWindow* history = OpenAndWait();
    ASSERT_NE(history, nullptr);
    auto* filter = history->findChild<QComboBox*>("TableFilter");
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->accessibleName(), "Tables shown");
    const QList<QLabel*> labels = history->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [filter](QLabel* label) { return label->buddy() == filter; }));
    const struct {
        const char* choice;
        int sessions;
        const char* totals;
    } cases[] = {
        {"All tables", 5, "5 sessions, 10 holds, 13:35 held"},
        {"Classic tables", 3, "3 sessions, 6 holds, 09:00 held"},
        {"Tables of rounds", 2, "2 sessions, 4 holds, 04:35 held"},
        {"co2 week 2.ses", 2, "2 sessions, 4 holds, 06:00 held"},
        {"co2 week 10.ses", 1, "1 session, 2 holds, 03:00 held"},  // by number, not by letter
        {"wonka.vtable", 1, "1 session, 3 holds, 03:35 held"},
    };
    ASSERT_EQ(filter->count(), static_cast<int>(std::size(cases)));
    filter->setFocus();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        if (&c != cases) {
            QTest::keyClick(filter, Qt::Key_Down);
            EXPECT_FALSE(history->Filled());  // picked on a worker thread
            ASSERT_TRUE(QTest::qWaitFor([history] { return history->Filled(); }, 60000));
        }
        EXPECT_EQ(filter->currentText(), c.choice);
        EXPECT_EQ(history->SessionCount(), c.sessions);
        EXPECT_EQ(history->findChild<QTableView*>("Sessions")->model()->rowCount(), c.sessions);
        EXPECT_EQ(history->PointCounts().value("Total time held"), c.sessions);
        EXPECT_EQ(history->findChildren<QChartView*>().size(), 2);  // the last choice's alone
        EXPECT_EQ(history->Totals(), c.totals);
        const QString csv = dir.filePath("sessions.csv");
        ASSERT_EQ(history->ExportSessions(csv), "");
        EXPECT_EQ(ReadBytes(csv).count("\r\n"), c.sessions + 1);
    }
}

TEST_F(HistoryFilter, AKindNotTrainedYetSaysSo) {
    ASSERT_EQ(AppendToLog(LogPath(), Classic(0, "co2.ses")), "");
    HistoryWindow* history = OpenAndWait();
    ASSERT_NE(history, nullptr);
    history->findChild<QComboBox*>("TableFilter")->setCurrentIndex(2);
    ASSERT_TRUE(QTest::qWaitFor([history] { return history->Filled(); }, 60000));
    EXPECT_EQ(history->SessionCount(), 0);
    EXPECT_EQ(history->Status(), "The training log holds no sessions of tables of rounds yet.");
    EXPECT_TRUE(history->findChildren<QChartView*>().isEmpty());
    EXPECT_EQ(history->Totals(), "");
}

}  // namespace
}  // namespace vellorin::testing
