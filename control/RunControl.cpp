#include "engine/Form1.h"

namespace ga {

namespace {

constexpr Colour kWhite = 0xFFFFFF;

} // namespace

void Form1::startupSequence() {
    chartStartupScales();
    module1.noktaSayisi = 0;
    ops_.randomize(ops_.secondsSinceMidnight());
    module1.mutasyonSayisi = 0;
    module1.enKotuGen = 99999;
    module1.enKotuUyum = 0;
    module1.enIyiGen = 0;
    module1.enIyiUyum = target();
    module1.nesilSayisi = 1;
}

void Form1::Form_Load() {
    startupSequence();
}

void Form1::Command2_Click() {
    ops_.setEnabled(Control::Timer1, true);
    ops_.setCaption(Control::status, "Başlatıldı. İşlem devam ediyor...");
    chartRunScales();
}

void Form1::Command3_Click() {
    ops_.setCaption(Control::status, "Durduruldu...");
    ops_.setEnabled(Control::Timer1, false);
}

void Form1::Command4_Click() {
    // A tick after a reset would breed into the emptied lists, so the reset also stops
    // the timer: the window returns to the state of a fresh load.
    ops_.setEnabled(Control::Timer1, false);

    ops_.clear(Control::Gen);
    ops_.clear(Control::Sonuc);
    ops_.clear(Control::uyl);
    ops_.clear(Control::List1);

    ops_.setText(Control::nesil, "1");
    for (Control c :
         {Control::tmut, Control::teni, Control::teni2, Control::tenk, Control::tenk2}) {
        ops_.setText(c, " ");
    }

    startupSequence();
    chartErase();

    for (int item = 0; item <= 1; ++item) {
        for (int position = 1; position <= 5; ++position) {
            ops_.setBackColor(colourSquare(position, item), kWhite);
            ops_.setSquareDigit(colourSquare(position, item), "");
        }
    }

    ops_.setEnabled(Control::Command2, false);
    ops_.setCaption(Control::status, "Sıfırlandı. Tekrar başlatılma bekleniyor...");
}

void Form1::hk_Click() {
    ops_.msgBox("Genetik Algoritma 1.0 — genetik algoritmaların işleyişini (seçilim, çaprazlama "
                "ve mutasyon) adım adım gösteren bir öğretim programı.");
}

void Form1::cs_Click() {
    ops_.unload();
}

} // namespace ga
