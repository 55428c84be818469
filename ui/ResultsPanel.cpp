#include "engine/Form1.h"
#include "ui/Digits.h"

namespace ga {

void Form1::metinler() {
    ops_.setText(Control::tmut, Str(module1.mutasyonSayisi));
    ops_.setText(Control::nesil, Str(module1.nesilSayisi));
    ops_.setText(Control::tenk, CStr(module1.enKotuGen, decimalSeparator_));
    ops_.setText(Control::teni, CStr(module1.enIyiGen, decimalSeparator_));
    ops_.setText(Control::tenk2, CStr(module1.enKotuUyum, decimalSeparator_));
    ops_.setText(Control::teni2, CStr(module1.enIyiUyum, decimalSeparator_));
    renklendir();
}

void Form1::renklendir() {
    colourRow(module1.enIyiGen, 0);
    colourRow(module1.enKotuGen, 1);
}

void Form1::colourRow(double gene, int item) {
    // The digits come from the gene itself, not from the digit table.
    const auto d = splitDigits(gene);
    for (int position = 1; position <= 5; ++position) {
        const Control square = colourSquare(position, item);
        ops_.setBackColor(square, digitColour(d[position]));
        // A colour alone says nothing to a screen reader.
        ops_.setSquareDigit(square, CStr(d[position], decimalSeparator_));
    }
}

} // namespace ga
