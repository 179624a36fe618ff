// A cue file in the user's own cue folder replaces the shipped one of the same name, file by
// file; the others stay the program's.
#include <QDir>
#include <QTemporaryDir>

#include "file_helpers.h"
#include "session_fixture.h"

namespace vellorin::testing {
namespace {

class UserCues : public SessionFixture {
protected:
    void SetUp() override {
        window.userDataFolder = home.path();
        QDir(home.path()).mkpath("snd");
        for (const char* own : {"hold.wav", "1.wav"}) {
            WriteBytes(home.filePath(QStringLiteral("snd/") + own), "RIFF");
        }
        QDir(home.path()).mkpath("snd/5.wav");  // a folder of that name is no cue
    }
    QString Own(const char* file) const {
        return home.path() + QDir::separator() + "snd" + QDir::separator() + file;
    }
    QString Shipped(const char* file) const {
        return QStringLiteral("/apps") + QDir::separator() + "snd" + QDir::separator() + file;
    }

    QTemporaryDir home;
};

TEST_F(UserCues, ReplaceExactlyTheShippedFilesOfTheirNames) {
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    TickTimes(11);  // the intro and the first second of the first hold
    EXPECT_EQ(window.played,
              QStringList({Shipped("10.wav"), Shipped("5.wav"), Shipped("4.wav"), Shipped("3.wav"),
                           Shipped("2.wav"), Own("1.wav"), Own("hold.wav")}));
}

TEST_F(UserCues, WithoutAUserFolderEveryCueIsTheShippedOne) {
    window.userDataFolder.clear();
    Settings({"1", "2", "0", "1", "0", "1"});
    Start();
    RunToEnd();
    EXPECT_EQ(window.played, QStringList({Shipped("1.wav"), Shipped("hold.wav"), Shipped("2.wav"),
                                          Shipped("1.wav"), Shipped("sesend.wav")}));
}

}  // namespace
}  // namespace vellorin::testing
