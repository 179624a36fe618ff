// The real sound output, on a machine that may have no audio device at all.
#include <gtest/gtest.h>

#include <QSoundEffect>

#include "cue_player.h"

namespace vellorin {
namespace {

const QString kSnd = QStringLiteral(VELLORIN_SOURCE_DIR "/snd/");

TEST(CuePlayer, MissingFilesAreSilentAndNotKept) {
    CuePlayer player;
    player.Play("/no/such/folder/snd/hold.wav");
    player.Preload({"/no/such/file.wav"});
    EXPECT_TRUE(player.findChildren<QSoundEffect*>().isEmpty());
}

TEST(CuePlayer, KeepsOneEffectPerCue) {
    CuePlayer player;
    player.Preload({kSnd + "hold.wav", kSnd + "5.wav"});
    for (int i = 0; i < 10; ++i) {
        player.Play(kSnd + "hold.wav");
        player.Play(kSnd + "5.wav");
        player.Play(kSnd + "4.wav");
    }
    EXPECT_EQ(player.findChildren<QSoundEffect*>().size(), 3);
}

}  // namespace
}  // namespace vellorin
