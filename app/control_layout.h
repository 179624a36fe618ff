#pragma once

#include <span>

namespace vellorin {

enum class ControlKind { Frame, Label, TextField, Button };
enum class FontStyle { Regular, FrameCaption, Display };

// One control of the main window, positioned in twips (1/1440 inch, 15 to a pixel at 96 dots
// per inch) inside its container: the window (nullptr) or a frame.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* container;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    FontStyle font;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 3735;
inline constexpr int kClientHeight = 5385;
inline constexpr int kClientLeft = 4560;
inline constexpr int kClientTop = 2835;

// A settings label and the field it names for a screen reader.
struct BuddySpec {
    const char* label;
    const char* field;
};

// What a display label's changing text stands for, told to a screen reader.
struct RoleSpec {
    const char* label;
    const char* description;
};

// The window's controls, top to bottom, containers before the controls they hold.
std::span<const ControlSpec> Controls();
std::span<const BuddySpec> Buddies();
std::span<const RoleSpec> DisplayRoles();

}  // namespace vellorin
