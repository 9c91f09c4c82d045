#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Positions and sizes are in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
using Twips = int32_t;

inline constexpr int32_t NoIndex = -1;                // not part of a control array
inline constexpr int32_t NoTabStop = -1;              // never reached with the Tab key
inline constexpr uint32_t DefaultColour = 0xFFFFFFFF; // the toolkit's own colour

enum class ControlKind {
    Label,       // plain text
    MarkupLabel, // a caption in the markup subset, scrolled when taller than the label
    PushButton,
    CheckBox,
    TextBox,
    Picture,
    ProgressBar, // shows a status text, never a value
    GroupBox,    // a frame holding other controls
};

struct Font {
    std::u16string_view name{}; // empty: the toolkit's default
    double points = 0;          // 0: the toolkit's default
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct TwipsRect {
    Twips left = 0, top = 0, width = 0, height = 0;
};

// One control of a window as every front end builds it. Colours are 0x00BBGGRR.
// Names are literals of the program, never built at run time.
struct ControlEntry {
    std::u16string_view name{};
    ControlKind kind = ControlKind::Label;
    int32_t index = NoIndex;
    TwipsRect place{}; // inside the client area, or inside the container
    std::u16string caption{};
    Font font{};
    uint32_t foreColour = DefaultColour;
    uint32_t backColour = DefaultColour;
    int32_t tabIndex = NoTabStop;
    bool visible = true;
    bool multiLine = false;          // text boxes
    bool link = false;               // labels: presses, releases, clicks, a hand pointer
    bool tracksPointer = false;      // reports the pointer's moves over it
    std::u16string_view picture{};   // pictures, and the icon of a push button (Pictures.h)
    bool behindText = false;         // pictures: a backdrop, left out under high contrast
    std::u16string_view toolTip{};   // push buttons
    std::u16string_view container{}; // name of the group box holding the control
    // What a screen reader calls the control when its caption does not say it (Accessibility.h).
    std::u16string_view accessibleName{};
    std::u16string_view labelledBy{}; // a label whose caption names the control
};

// What the Esc key does to a window.
enum class EscapeKey {
    Ignored,
    Closes,
    ClosesWhenEmpty, // only while every text box is empty: typed text is never thrown away
};

struct FormTable {
    std::u16string_view name{}; // frmMain ...
    std::u16string caption{};
    Twips clientWidth = 0, clientHeight = 0;
    uint32_t backColour = DefaultColour;
    std::vector<ControlEntry> controls{}; // back to front: later controls lie on top
    // Listens for the close command other programs send (DDE on Windows, D-Bus on Linux).
    bool takesCloseCommand = false;
    EscapeKey escape = EscapeKey::Ignored;
};

// A control of a window: its name, and its index when it belongs to a control array.
struct ControlId {
    std::u16string_view name; // empty: the window's own background
    int32_t index = NoIndex;
    bool operator==(const ControlId&) const = default;
};

// The control of that name and index, or null.
const ControlEntry* FindControl(const FormTable& form, std::u16string_view name,
                                int32_t index = NoIndex);
// Where the control is in the table. A name the table lacks is a fault of the program:
// std::out_of_range, naming the control and the window.
size_t ControlPosition(const FormTable& form, ControlId control);
// The controls that the Tab key reaches, in the order it reaches them.
std::vector<const ControlEntry*> TabOrder(const FormTable& form);
// The control's place in the window's client area: a control in a group box lies inside it.
TwipsRect PlaceInWindow(const FormTable& form, const ControlEntry& control);

} // namespace ui
