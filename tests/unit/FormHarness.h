#pragma once

#include "engine/Model.h"
#include "engine/Objective.h"
#include "engine/QuietRun.h"
#include "form/window/Form1.h"
#include "form/window/FormState.h"
#include "runtime/Convert.h"
#include "tests/support/RecordingOps.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace ga::test {

// A value that Rnd can return so that Int(Rnd * n + first) gives `value`.
inline float pick(int n, int value, int first) {
    return (static_cast<float>(value - first) + 0.5F) / static_cast<float>(n);
}

// The six draws of one mating: parents a and b (1..10), mutation draw m (0..99),
// position p (1..5), parent choice w (1: b mutates, 2: a mutates), direction d (1: up).
inline std::vector<float> mating(int a, int b, int m, int p, int w, int d) {
    return {pick(10, a, 1), pick(10, b, 1), pick(100, m, 0),
            pick(5, p, 1),  pick(2, w, 1),  pick(2, d, 1)};
}

// The default objective function x^3 + y^2 + z^2 + k + c.
inline void useDefaultFunction(Module1& m) {
    m.katsayilar = {0, 1, 1, 1, 1, 1};
    m.usler = {0, 3, 2, 2, 1, 1};
}

// Form1 on a recording window, with Rnd scripted: what a test drives and reads back.
struct FormHarness {
    explicit FormHarness(std::string separator = ".") : form(ops, random, std::move(separator)) {}

    // The window shows a run that holds these arrays and run-wide values, as a session
    // saved with no history (after "Sıfırla", say) brings it back: every control keeps
    // what it showed, and the count of batches starts again from 0.
    void setRun(const Population& p, const Module1& m) {
        FormState s = form.capture();
        s.population = p;
        s.module1 = m;
        StateError error = StateError::None;
        HistoryError historyError = HistoryError::None;
        auto checked = checkState(std::move(s), error, historyError);
        if (!checked) {
            throw std::logic_error("a state with no history is always taken");
        }
        form.restore(std::move(*checked));
        ops.batches = 0;
    }
    // The population of `genes`, evaluated against the target Text1 reads now under the
    // default function, with the run-wide values of `m` (the default function's when not
    // given one).
    void setGenes(const std::array<double, kPopulation>& genes, Module1 m = defaultModule()) {
        Objective f;
        f.use(m);
        Population p;
        for (int i = 1; i <= kPopulation; ++i) {
            p.genler[static_cast<std::size_t>(i)] = genes[static_cast<std::size_t>(i - 1)];
            f.evaluate(p, i, Val(ops.text(Control::Text1)));
        }
        setRun(p, m);
    }
    static Module1 defaultModule() {
        Module1 m;
        useDefaultFunction(m);
        return m;
    }
    [[nodiscard]] const ReportLog& log() const { return form.log(); }

    // Types a run's inputs into the boxes they are read from.
    void typeInputs(const RunInputs& in) {
        ops.setText(Control::Text1, in.target);
        ops.setText(Control::Text3, in.mutation);
        const Control coefficients[] = {Control::ta, Control::tb, Control::tc, Control::td,
                                        Control::te};
        const Control exponents[] = {Control::pa, Control::pb, Control::pc, Control::pd,
                                     Control::pe};
        for (std::size_t j = 0; j < 5; ++j) {
            ops.setText(coefficients[j], in.coefficients[j]);
            ops.setText(exponents[j], in.exponents[j]);
        }
    }

    RecordingOps ops;
    ScriptedRandom random;
    Form1 form;
};

} // namespace ga::test
