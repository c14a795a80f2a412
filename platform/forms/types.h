#pragma once
// Value types shared by the forms runtime: colours, fonts, mouse buttons, twips.
#include <cstdint>
#include <string>

namespace qv::gfx {
class Picture;
}

namespace qv::forms {

// &HBBGGRR; a value with the top bit set names a system colour by index (&H8000000F).
using OleColor = uint32_t;
constexpr OleColor kSysButtonFace = 0x8000000F;
constexpr OleColor kSysButtonText = 0x80000012;
constexpr OleColor kSysWindow = 0x80000005;
constexpr OleColor kSysWindowText = 0x80000008;
constexpr OleColor kSysHighlight = 0x8000000D;
constexpr OleColor kSysAppWorkspace = 0x8000000C;

// Twips per pixel at the usual resolution.
constexpr int kTwipsPerPixel = 15;
inline int twipsToPixels(double twips) {
    return static_cast<int>(twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                                       : (twips - kTwipsPerPixel / 2) / kTwipsPerPixel);
}
inline int pixelsToTwips(int px) { return px * kTwipsPerPixel; }

// A font as controls carry it: face name, size in points, styles.
struct StdFont {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    bool operator==(const StdFont&) const = default;
};

// Mouse buttons and shift states as event handlers receive them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// How a form's QueryUnload is asked.
enum UnloadMode : int { kFormControlMenu = 0, kFormCode = 1, kAppWindows = 2 };

// A property with a getter and a setter of the same name, stored in a member; the setter calls
// changed() so the control repaints. Ends in the public section.
#define QV_FORMS_PROPERTY(Type, Name, Init)          \
public:                                              \
    const Type& Name() const { return Name##_; }     \
    void Name(const Type& v) {                       \
        Name##_ = v;                                 \
        changed();                                   \
    }                                                \
                                                     \
private:                                             \
    Type Name##_ = Init;                             \
                                                     \
public:

}  // namespace qv::forms
