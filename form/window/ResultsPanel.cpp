#include "form/texts/Messages.h"
#include "form/window/Form1.h"
#include "runtime/Convert.h"
#include "runtime/Digits.h"

namespace ga {

namespace {

// The colour of one digit square: red grows by 28 per digit, green is 256 / (d + 1).
Colour digitColour(double digit) {
    return RGB(CLng(28 * digit), CLng(256 / (digit + 1)), 0);
}

} // namespace

void Form1::metinler() {
    panel_ = PanelState::Shown;
    const Module1& module1 = run_.module1();
    // A value with no number is named in the language in use, as in the lists.
    const std::string_view undefined = messages().undefined;
    batch_.setText(Control::tmut, Str(module1.mutasyonSayisi, undefined));
    batch_.setText(Control::nesil, Str(module1.nesilSayisi, undefined));
    batch_.setText(Control::tenk, CStr(module1.enKotuGen, decimalSeparator_, undefined));
    batch_.setText(Control::teni, CStr(module1.enIyiGen, decimalSeparator_, undefined));
    batch_.setText(Control::tenk2, CStr(module1.enKotuUyum, decimalSeparator_, undefined));
    batch_.setText(Control::teni2, CStr(module1.enIyiUyum, decimalSeparator_, undefined));
    renklendir();
}

void Form1::renklendir() {
    colourRow(run_.module1().enIyiGen, 0);
    colourRow(run_.module1().enKotuGen, 1);
}

void Form1::colourRow(double gene, int item) {
    // The digits come from the gene itself, not from the digit table.
    const auto d = splitDigits(gene);
    for (int position = 1; position <= 5; ++position) {
        // A colour alone says nothing to a screen reader: the digit goes with it.
        batch_.squares.push_back({colourSquare(position, item), digitColour(d[position]),
                                  CStr(d[position], decimalSeparator_)});
    }
}

} // namespace ga
