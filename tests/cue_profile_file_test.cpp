// Cue profile files: every built-in profile reads back as written, a damaged file is refused
// by name and line, and profiles are found by name in the user's folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cue_profile_file.h"
#include "file_helpers.h"

namespace vellorin::testing {
namespace {

TEST(CueProfileFile, EveryBuiltInProfileReadsBackAsWritten) {
    for (const QString& key : BuiltInProfileKeys()) {
        const CueProfile profile = *BuiltInProfile(key);
        EXPECT_TRUE(ProfileProblems(profile).isEmpty()) << key.toStdString();
        const ProfileFileRead read = ParseProfileFile(ProfileFileBytes(profile), "p.vcues");
        ASSERT_TRUE(read.profile) << read.problem.toStdString();
        EXPECT_EQ(*read.profile, profile) << key.toStdString();
    }
}

// What a call can say, at the edges of what was recorded.
TEST(CueProfileFile, OnlyCallsThatWereRecordedCanBeUsed) {
    const struct {
        qint32 seconds;
        bool spoken;
        bool speakable;
    } cases[] = {{0, false, false},  {1, false, true},    {20, false, true},  {21, false, false},
                 {10, true, true},   {25, true, false},   {45, true, true},   {60, true, true},
                 {90, true, true},   {690, true, true},   {720, true, true},  {750, true, false},
                 {1800, true, true}, {1830, true, false}, {1860, true, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsSpeakable({c.seconds, c.spoken}), c.speakable)
            << c.seconds << (c.spoken ? " spoken" : " counted");
    }
}

TEST(CueProfileFile, ADamagedFileIsRefusedByNameLineAndReason) {
    const QByteArray head = "format = vellorin-cues 1\nname = Mine\n";
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"", "\"format\" is missing"},
        {"format = vellorin-cues 1\n", "\"name\" is missing"},
        {"format = vellorin-table 1\nname = x\n", "line 1: it is not a cue profile"},
        {"format = vellorin-cues 2\nname = x\n", "line 1: it was written by a newer Vellorin"},
        {head + "colour = blue\n", "line 3: \"colour\" is not a setting of a cue profile"},
        {head + "name = again\n", "line 3: \"name\" is given again"},
        {head + "rest-calls 5 4\n", "line 3: it is not \"key = value\""},
        {head + "rest-calls = 0:25\n", "line 3: the call \"0:25\" cannot be spoken"},
        {head + "hold-calls = 21\n", "line 3: the call \"21\" cannot be counted (1 to 20)"},
        {head + "sound = loud\n", "line 3: it must be tones or words"},
        {head + "pace = 4\n", "line 3: it must be two counts of seconds, or none"},
        {head + "pace = 1 8\n",
         "a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out"},
        {head + "elapsed-every = 0:45\n",
         "the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)"},
        {head + "recovery-breaths = 4\n", "line 3: it must be a whole number from 0 to 3"},
        {head + "elapsed-every = 31:00\n", "line 3: \"31:00\" is not a time from 0 to 30:00"},
        {"format = vellorin-cues 0\nname = x\n", "line 1: it is not a cue profile"},
        {head + "last-breath = 1:01\n", "line 3: \"1:01\" is not a time from 0 to 1:00"},
        {"format = vellorin-cues 1\nname = \xff\n", "it is not UTF-8 text"},
        {QByteArray("format = vellorin-cues 1\0\n", 26), "it is not UTF-8 text"},
    };
    for (const auto& c : cases) {
        const ProfileFileRead read = ParseProfileFile(c.bytes, "/p/mine.vcues");
        EXPECT_FALSE(read.profile) << c.reason;
        EXPECT_EQ(read.problem.toStdString(), "Could not load the cue profile \"/p/mine.vcues\": " +
                                                  std::string(c.reason) + ".");
    }
}

TEST(CueProfileFile, ProfilesAreFoundByKeyByNameInTheUsersFolderOrByFile) {
    QTemporaryDir data;
    ASSERT_TRUE(QDir().mkpath(UserProfileFolder(data.path())));
    CueProfile mine = *BuiltInProfile("guided");
    mine.name = "Long rests";
    mine.paceLast = kPaceWholeRest;
    ASSERT_EQ(WriteProfileFile(UserProfileFolder(data.path()) + "/long.vcues", mine), "");
    WriteBytes(UserProfileFolder(data.path()) + "/broken.vcues", "name = x\n");
    const QList<ProfileFileRead> own = UserProfiles(data.path());
    ASSERT_EQ(own.size(), 2);
    EXPECT_TRUE(own[0].problem.contains("broken.vcues\": \"format\" is missing"));
    EXPECT_EQ(FindProfile("Long rests", data.path()).profile, mine);
    EXPECT_EQ(FindProfile(UserProfileFolder(data.path()) + "/long.vcues", {}).profile, mine);
    EXPECT_EQ(FindProfile("competition", data.path()).profile, BuiltInProfile("competition"));
    // Nothing named: the user's default, or classic where that default is gone.
    EXPECT_EQ(FindProfile({}, data.path(), "Long rests").profile, mine);
    EXPECT_EQ(FindProfile({}, data.path(), "gone").profile, BuiltInProfile("classic"));
    // A damaged profile of the user's own is refused with its reason, found by its file.
    WriteBytes(UserProfileFolder(data.path()) + "/Café.vcues",
               "format = vellorin-cues 1\nname = Café\npace = 1\n");
    EXPECT_TRUE(
        FindProfile("Café", data.path())
            .problem.endsWith("Café.vcues\": line 3: it must be two counts of seconds, or none."))
        << FindProfile("Café", data.path()).problem.toStdString();
    EXPECT_EQ(ProfileFileName("a/b: c?"), "a_b_ c_.vcues");
    EXPECT_EQ(ProfileFileName("..  x"), "_.. x.vcues");
    EXPECT_TRUE(FindProfile("gone", data.path())
                    .problem.startsWith("There is no cue profile \"gone\": the profiles are "
                                        "classic, guided, competition, tones"));
    EXPECT_TRUE(ReadProfileFile(data.path()).problem.contains("it is not a file"))
        << ReadProfileFile(data.path()).problem.toStdString();
}

}  // namespace
}  // namespace vellorin::testing
