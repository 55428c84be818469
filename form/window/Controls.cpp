#include "form/window/Controls.h"

#include <array>

namespace ga {

namespace {

constexpr std::array<std::string_view, kControlCount> kNames{
    "Frame1",   "Frame2",   "Frame3",  "Frame4", "Frame5",   "Label25",  "List1",    "status",
    "Line1",    "Label16",  "Label2",  "ta",     "Label1",   "pa",       "Label17",  "tb",
    "Label18",  "pb",       "Label19", "tc",     "Label20",  "pc",       "Label21",  "td",
    "Label22",  "pd",       "Label23", "te",     "Label24",  "pe",       "Label3",   "Text1",
    "Label4",   "Text2",    "Label5",  "Text3",  "Label7",   "Text4",    "Command1", "Command2",
    "Command3", "Command4", "Label11", "teni",   "Label13",  "teni2",    "Label10",  "tenk",
    "Label12",  "tenk2",    "Label8",  "nesil",  "Label9",   "tmut",     "g1_0",     "g2_0",
    "g3_0",     "g4_0",     "g5_0",    "g1_1",   "g2_1",     "g3_1",     "g4_1",     "g5_1",
    "Label6",   "Gen",      "Sonuc",   "uyl",    "Picture1", "Picture2", "Label14",  "Label15",
    "Timer1"};

} // namespace

std::string_view controlName(Control c) {
    const auto i = static_cast<std::size_t>(c);
    return i < kNames.size() ? kNames[i] : std::string_view{};
}

Control colourSquare(int position, int item) {
    const int first = static_cast<int>(item == 0 ? Control::g1_0 : Control::g1_1);
    return static_cast<Control>(first + position - 1);
}

} // namespace ga
