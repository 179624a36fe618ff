// The real sound output, on a machine that may have no audio device at all.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QSoundEffect>
#include <QTest>

#include "cue_catalogue.h"
#include "cue_player.h"
#include "cue_set.h"

namespace vellorin {
namespace {

const QString kSnd = QStringLiteral(VELLORIN_SOURCE_DIR "/snd/");

TEST(CuePlayer, MissingFilesAreSilentAndNotKept) {
    CuePlayer player;
    player.Play("/no/such/folder/snd/hold.wav");
    player.Preload({"/no/such/file.wav"});
    EXPECT_TRUE(player.findChildren<QSoundEffect*>().isEmpty());
}

// A sound effect played over and over falls silent after a few plays, so every play has an
// effect of its own, made ahead, and the played ones are let go once they are done.
TEST(CuePlayer, PlaysEveryCueOnAnEffectOfItsOwn) {
    CuePlayer player(nullptr, 50);
    player.Preload({kSnd + "hold.wav", kSnd + "5.wav", kSnd + "4.wav"});
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 3);
    for (int i = 0; i < 10; ++i) {
        player.Play(kSnd + "hold.wav");
        player.Play(kSnd + "5.wav");
        player.Play(kSnd + "4.wav");
    }
    // One effect ready for each of the three cues, and the thirty played ones.
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 3 + 30);
    QDeadlineTimer deadline(5000);
    while (player.findChildren<QSoundEffect*>().size() > 3 && !deadline.hasExpired()) {
        QTest::qWait(10);
    }
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 3);
}

// The cues of the first profile are readied at once and the others from the event loop, a
// few at a time; one played before its turn is readied as it is played.
TEST(CuePlayer, ReadiesTheFirstCuesAtOnceAndTheOthersJustAfter) {
    CuePlayer player;
    const CueSet cues(VELLORIN_SOURCE_DIR, QString());
    const qsizetype first = CoreCueFiles().size();
    EXPECT_EQ(player.Preload(cues, first).found, cues.Choices().size());
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), first);
    player.Play(kSnd + "2min30.wav");
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), first + 2);  // played, and the next
    QDeadlineTimer deadline(5000);
    while (player.findChildren<QSoundEffect*>().size() < cues.Choices().size() + 1 &&
           !deadline.hasExpired()) {
        QTest::qWait(1);
    }
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), cues.Choices().size() + 1);
}

}  // namespace
}  // namespace vellorin
