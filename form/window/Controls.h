#pragma once

#include <cstdint>
#include <string_view>

namespace ga {

// Every control of the window, by the name the program uses for it. Code that
// touches a control names it through this enum, so a misspelt name does not compile.
enum class Control : std::uint8_t {
    // Frames and the window-level controls
    Frame1,
    Frame2,
    Frame3,
    Frame4,
    Frame5,
    Label25,
    List1,
    status,
    Line1,
    Label16,
    // The objective function
    Label2,
    ta,
    Label1,
    pa,
    Label17,
    tb,
    Label18,
    pb,
    Label19,
    tc,
    Label20,
    pc,
    Label21,
    td,
    Label22,
    pd,
    Label23,
    te,
    Label24,
    pe,
    // Inputs and commands
    Label3,
    Text1,
    Label4,
    Text2,
    Label5,
    Text3,
    Label7,
    Text4,
    Command1,
    Command2,
    Command3,
    Command4,
    // Results panel
    Label11,
    teni,
    Label13,
    teni2,
    Label10,
    tenk,
    Label12,
    tenk2,
    Label8,
    nesil,
    Label9,
    tmut,
    g1_0,
    g2_0,
    g3_0,
    g4_0,
    g5_0,
    g1_1,
    g2_1,
    g3_1,
    g4_1,
    g5_1,
    // Population lists
    Label6,
    Gen,
    Sonuc,
    uyl,
    // Charts
    Picture1,
    Picture2,
    Label14,
    Label15,
    // Invisible
    Timer1,
    Count
};

inline constexpr int kControlCount = static_cast<int>(Control::Count);

// The control's name as the program knows it ("Text1", "g3_1", ...).
std::string_view controlName(Control c);

// The colour square of digit position 1..5 in row 0 (best gene) or 1 (worst gene).
Control colourSquare(int position, int item);

// The population lists in the order the program fills them.
// The function's boxes, the coefficients and the exponents, from the first term to the fifth.
inline constexpr Control kCoefficientBoxes[] = {Control::ta, Control::tb, Control::tc, Control::td,
                                                Control::te};
inline constexpr Control kExponentBoxes[] = {Control::pa, Control::pb, Control::pc, Control::pd,
                                             Control::pe};
inline constexpr Control kPopulationLists[] = {Control::Gen, Control::Sonuc, Control::uyl};

} // namespace ga
