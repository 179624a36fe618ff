#pragma once

// What the worked example (intro 10, holds 40, 50 and 60 s, rests 30 and 25 s) plays under
// every built-in cue profile: each tick with cues and their files without ".wav"; the files
// after the end cue are its summary, each played once the one before it has finished.

namespace vellorin::testing {

struct WorkedCase {
    const char* profile;
    const char* heard;
};
inline const WorkedCase kWorkedHeard[] = {
    {"classic",
     "1:10, 6:5, 7:4, 8:3, 9:2, 10:1, 11:hold, 50:stophold, 66:15, 71:10, 76:5, 77:4, 78:3, "
     "79:2, 80:1, 81:hold, 130:stophold, 141:15, 146:10, 151:5, 152:4, 153:3, 154:2, 155:1, "
     "156:hold, 201:15, 206:10, 211:5, 212:4, 213:3, 214:2, 215:1, 216:sesend"},
    {"guided",
     "1:10s, 3:lastbreath, 6:5, 7:4, 8:3, 9:2, 10:1, 11:hold, 21:30s, 41:10s, 50:stophold, "
     "52:breathein, 54:holdit, 57:breatheout, 59:breathein, 61:holdit, 64:breatheout, 71:10s, "
     "73:lastbreath, 76:5, 77:4, 78:3, 79:2, 80:1, 81:hold, 101:30s, 121:10s, 130:stophold, "
     "132:breathein, 134:holdit, 137:breatheout, 139:breathein, 141:holdit, 144:breatheout, "
     "146:10s, 148:lastbreath, 151:5, 152:4, 153:3, 154:2, 155:1, 156:hold, 186:30s, 206:10s, "
     "211:5, 212:4, 213:3, 214:2, 215:1, 216:sesend 3 holds totalheld 2min30"},
    {"competition",
     "1:10s, 6:5, 7:4, 8:3, 9:2, 10:1, 11:top, 50:stophold, 51:30s, 61:20s, 71:10s, 76:5, "
     "77:4, 78:3, 79:2, 80:1, 81:top, 130:stophold, 136:20s, 146:10s, 151:5, 152:4, 153:3, "
     "154:2, 155:1, 156:top, 206:10, 211:5, 212:4, 213:3, 214:2, 215:1, 216:sesend"},
    {"tones",
     "1:tick, 6:tick, 7:tick, 8:tick, 9:tick, 10:tick, 11:tone-hold, 50:tone-breathe, "
     "51:tone-call, 71:tick, 76:tick, 77:tick, 78:tick, 79:tick, 80:tick, 81:tone-hold, "
     "130:tone-breathe, 146:tick, 151:tick, 152:tick, 153:tick, 154:tick, 155:tick, "
     "156:tone-hold, 211:tick, 212:tick, 213:tick, 214:tick, 215:tick, 216:tone-end"},
};

}  // namespace vellorin::testing
