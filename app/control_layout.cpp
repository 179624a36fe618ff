#include "control_layout.h"

#include <QtGlobal>

namespace vellorin {
namespace {

using enum ControlKind;
using enum FontStyle;

constexpr ControlSpec kControls[] = {
    {"InputFrame", Frame, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Session Settings"), 120,
     120, 3495, 2415, 3, FrameCaption},
    {"Label1", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Intro:"), 120, 240, 495,
     255, 4, Regular},
    {"IntroTbx", TextField, "InputFrame", "", 2160, 240, 735, 285, 5, Regular},
    {"Label2", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "sec."), 3000, 240, 375,
     255, 6, Regular},
    {"Label3", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Breath hold(max):"), 120,
     600, 1815, 255, 7, Regular},
    {"HoldTbx", TextField, "InputFrame", "", 2160, 600, 735, 285, 8, Regular},
    {"Label4", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "sec."), 3000, 600, 375,
     255, 9, Regular},
    {"Label5", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Increase hold time by:"),
     120, 960, 1815, 255, 10, Regular},
    {"HoldIncTbx", TextField, "InputFrame", "", 2160, 960, 735, 285, 11, Regular},
    {"Label6", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "sec."), 3000, 960, 375,
     255, 12, Regular},
    {"Label7", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Initial rest time:"), 120,
     1320, 1695, 255, 13, Regular},
    {"RestTbx", TextField, "InputFrame", "", 2160, 1320, 735, 285, 14, Regular},
    {"Label8", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "sec."), 3000, 1320, 375,
     255, 15, Regular},
    {"Label9", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Decrease rest by:"), 120,
     1680, 1695, 255, 16, Regular},
    {"RestDecTbx", TextField, "InputFrame", "", 2160, 1680, 735, 285, 17, Regular},
    {"Label10", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "sec."), 3000, 1680, 375,
     255, 18, Regular},
    {"Label11", Label, "InputFrame", QT_TRANSLATE_NOOP("TrainerMainform", "Loops"), 120, 2040, 1695,
     255, 19, Regular},
    {"LoopsTbx", TextField, "InputFrame", "8", 2160, 2040, 735, 285, 20, Regular},
    {"ControlCmd", Button, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", " Start"), 120, 2640, 855,
     375, 2, Regular},
    {"PauseCmd", Button, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Pause"), 1080, 2640, 855,
     375, 21, Regular},
    {"LoadCmd", Button, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Load"), 2040, 2640, 735, 375,
     26, Regular},
    {"SaveCmd", Button, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Save"), 2880, 2640, 735, 375,
     27, Regular},
    {"Frame1", Frame, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Session"), 120, 3120, 3495,
     975, 0, FrameCaption},
    {"SessionLbl", Label, "Frame1", QT_TRANSLATE_NOOP("TrainerMainform", "Loop 1"), 120, 240, 1815,
     615, 25, Display},
    {"SessionClock", Label, "Frame1", "00:00", 2040, 240, 1335, 495, 1, Display},
    {"Frame2", Frame, nullptr, QT_TRANSLATE_NOOP("TrainerMainform", "Current Sequence"), 120, 4200,
     3495, 1095, 22, FrameCaption},
    {"SequenceLbl", Label, "Frame2", QT_TRANSLATE_NOOP("TrainerMainform", "Holding"), 120, 360,
     1815, 615, 23, Display},
    {"SequenceTimeLbl", Label, "Frame2", "00:00", 2040, 360, 1335, 495, 24, Display},
};

constexpr BuddySpec kBuddies[] = {
    {"Label1", "IntroTbx"}, {"Label3", "HoldTbx"},    {"Label5", "HoldIncTbx"},
    {"Label7", "RestTbx"},  {"Label9", "RestDecTbx"}, {"Label11", "LoopsTbx"},
};

constexpr RoleSpec kDisplayRoles[] = {
    {"SessionLbl", QT_TRANSLATE_NOOP("TrainerMainform", "Current loop")},
    {"SessionClock", QT_TRANSLATE_NOOP("TrainerMainform", "Session time left")},
    {"SequenceLbl", QT_TRANSLATE_NOOP("TrainerMainform", "Current phase")},
    {"SequenceTimeLbl", QT_TRANSLATE_NOOP("TrainerMainform", "Phase time left")},
};

}  // namespace

std::span<const ControlSpec> Controls() {
    return kControls;
}
std::span<const BuddySpec> Buddies() {
    return kBuddies;
}
std::span<const RoleSpec> DisplayRoles() {
    return kDisplayRoles;
}

}  // namespace vellorin
