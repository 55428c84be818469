#include "engine/Form1.h"

namespace ga {

void Form1::Command1_Click() {
    ops_.setInterval(Control::Timer1, timerPeriodFor(Val(ops_.text(Control::Text4))));

    const double t = target();
    if (!(t > 0 && t <= 100000)) {
        ops_.msgBox("Girdiğiniz değer çok büyük veya negatif");
        return;
    }

    ops_.setCaption(Control::status, "Hazırlandı. Başlatınız...");
    chartTop();

    constexpr Control coefficients[] = {Control::ta, Control::tb, Control::tc, Control::td,
                                        Control::te};
    constexpr Control exponents[] = {Control::pa, Control::pb, Control::pc, Control::pd,
                                     Control::pe};
    for (int j = 1; j <= 5; ++j) {
        module1.katsayilar[j] = Val(ops_.text(coefficients[j - 1]));
    }
    for (int j = 1; j <= 5; ++j) {
        module1.usler[j] = Val(ops_.text(exponents[j - 1]));
    }

    for (int i = 1; i <= kPopulation; ++i) {
        genler[i] = Int(static_cast<double>(ops_.rnd()) * 89999 + 10000);
        evaluateAndList(i);
    }

    ops_.setEnabled(Control::Command2, true);
}

} // namespace ga
