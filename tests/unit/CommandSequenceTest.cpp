#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ga::test {
namespace {

// Texts a person might type, hostile ones included.
const std::vector<std::string> kTypings{
    "",         "0",
    "1",        "-1",
    "5",        "277",
    "100000",   "100001",
    "1e308",    "-1e308",
    "1e-320",   "1e999",
    "nan",      "inf",
    "abc",      "1,5",
    "2.5",      "-0.5",
    "0.000001", "1D2",
    "&H1F",     "--5",
    " 2 45 7",  "\t8\n",
    "ğüşİıÖÇ",  "100000.0000001",
    "3",        "99999999999999999999999",
    "-3",       "2000",
    "100",      "0.5",
    "1000",
};

const std::set<std::string> kStatusTexts{
    "Bekliyor...",
    "Hazırlandı. Başlatınız...",
    "Başlatıldı. İşlem devam ediyor...",
    "Durduruldu...",
    "Sıfırlandı. Tekrar başlatılma bekleniyor...",
    "Sonuca ulaşıldı. Sonuçları kontrol ediniz.",
};

constexpr std::array<Control, 13> kTypable{
    Control::Text1, Control::Text3, Control::Text4, Control::ta, Control::tb,
    Control::tc,    Control::td,    Control::te,    Control::pa, Control::pb,
    Control::pc,    Control::pd,    Control::pe};

constexpr std::array<Control, 6> kPanel{Control::nesil, Control::tmut, Control::teni,
                                        Control::teni2, Control::tenk, Control::tenk2};

bool isValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        if (n == 0 || i + n > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0U) != 0x80U) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

// A shown number never leaks C-library spellings of infinity or NaN, and is UTF-8.
bool isDefinedText(const std::string& s) {
    for (const char* bad : {"nan", "inf", "NaN", "Inf", "e+", "e-"}) {
        if (s.find(bad) != std::string::npos) {
            return false;
        }
    }
    return isValidUtf8(s);
}

class Sequence {
  public:
    explicit Sequence(unsigned seed) : rng_(seed) {
        ops_.recordCircles = false;
        ops_.clock = static_cast<float>(seed % 86400);
        form_.Form_Load();
    }

    // Runs `steps` random commands; returns the first broken promise, or "".
    std::string run(int steps) {
        for (int s = 0; s < steps; ++s) {
            const std::string step = act();
            trail_ << step << "; ";
            if (std::string broken = check(step); !broken.empty()) {
                return broken + "\n  steps: " + trail_.str();
            }
        }
        return {};
    }

  private:
    std::string act() {
        switch (std::uniform_int_distribution<int>(0, 9)(rng_)) {
        case 0:
        case 1: {
            const Control box = kTypable[pick(kTypable.size())];
            std::string text = kTypings[pick(kTypings.size())];
            if (pick(20) == 0) {
                text = std::string(10000, '9'); // a very long number
            }
            ops_.setText(box, text);
            return "type " + std::string(controlName(box)) + "=\"" + text.substr(0, 20) + "\"";
        }
        case 2: {
            const auto messages = ops_.messages.size();
            form_.Command1_Click();
            if (ops_.messages.size() == messages) {
                startAllowed_ = true;
            }
            return "Hazırla";
        }
        case 3:
            if (ops_.isEnabled(Control::Command2)) { // a disabled button ignores clicks
                form_.Command2_Click();
            }
            return "Başlat";
        case 4:
        case 5:
        case 6: {
            if (!ops_.isEnabled(Control::Timer1)) {
                return "(no tick)";
            }
            form_.Timer1_Timer();
            ticked_ = true;
            return "tick";
        }
        case 7:
            form_.Command3_Click();
            return "Durdur";
        case 8:
            form_.Command4_Click();
            startAllowed_ = false;
            reset_ = true;
            return "Sıfırla";
        default:
            form_.hk_Click();
            return "Hakkında";
        }
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    std::string check(const std::string& step) {
        const auto& m = form_.run().module1();
        if (kStatusTexts.count(ops_.text(Control::status)) == 0) {
            return "status text not the program's own: " + ops_.text(Control::status);
        }
        if (ops_.isEnabled(Control::Command2) != startAllowed_ ||
            form_.startEnabled() != startAllowed_) {
            return "Başlat enabled state does not follow Hazırla/Sıfırla";
        }
        if (ops_.isEnabled(Control::Timer1) != form_.timerEnabled()) {
            return "the timer the window runs is not the one the logic set";
        }
        if (reset_) {
            if (m.nesilSayisi != 1 || m.mutasyonSayisi != 0 || m.noktaSayisi != 0) {
                return "counters not back at their start after Sıfırla";
            }
            if (ops_.isEnabled(Control::Timer1)) {
                return "timer still running after Sıfırla";
            }
        } else if (m.nesilSayisi < last_.nesilSayisi || m.mutasyonSayisi < last_.mutasyonSayisi ||
                   m.noktaSayisi < last_.noktaSayisi) {
            return "a counter went down without a reset";
        }
        if (ticked_) {
            for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
                if (ops_.list(list).size() != 20U) {
                    return "a population list does not hold 20 lines after a tick";
                }
            }
            if (m.nesilSayisi != last_.nesilSayisi + 1 || m.noktaSayisi != last_.noktaSayisi + 20) {
                return "a tick did not advance the generation and chart position by 1 and 20";
            }
            const Population& p = form_.run().population();
            for (int i = 1; i <= 20; ++i) {
                const auto d = p.basamaklar[i];
                const double g = 10000 * d[1] + 1000 * d[2] + 100 * d[3] + 10 * d[4] + d[5];
                if (g != p.genler[i] || p.yeniGenler[i] != p.genler[i]) {
                    return "digits or next generation inconsistent with the genes";
                }
                if (std::isnan(p.uyumlar[i]) || p.uyumlar[i] < 0) {
                    return "a fitness is NaN or negative";
                }
            }
        }
        if (step != "(no tick)") {
            for (Control list : kPopulationLists) {
                const auto& lines = ops_.list(list);
                if (!lines.empty() && !isDefinedText(lines.back())) {
                    return "undefined text in a list: " + lines.back();
                }
            }
            if (const ReportLog& log = form_.log();
                !log.empty() && !isDefinedText(log[log.size() - 1])) {
                return "undefined text in the log: " + log[log.size() - 1];
            }
            for (Control box : kPanel) {
                if (!isDefinedText(ops_.text(box))) {
                    return "undefined text in the panel: " + ops_.text(box);
                }
            }
        }
        if (ops_.interval < 1 || ops_.interval > 86'400'000) {
            return "timer period out of range: " + std::to_string(ops_.interval);
        }
        last_ = m;
        ticked_ = false;
        reset_ = false;
        return {};
    }

    std::mt19937 rng_;
    RecordingOps ops_;
    ScriptedRandom random_;
    Form1 form_{ops_, random_, ","};
    Module1 last_;
    std::ostringstream trail_;
    bool startAllowed_ = false;
    bool ticked_ = false;
    bool reset_ = false;
};

// Thousands of random sequences of the real commands, with hostile typing, keep every
// promise the window makes after every step; a failure names its seed to replay it.
TEST(CommandSequenceTest, RandomSequencesKeepThePromises) {
#if defined(GA_SANITIZED)
    // Under the sanitizers a tenth of the sequences: they look for memory faults, which
    // the same steps reach long before the last sequence.
    constexpr unsigned kSequences = 1000;
#else
    constexpr unsigned kSequences = 10000;
#endif
    constexpr int kSteps = 200;
    for (unsigned seed = 1; seed <= kSequences; ++seed) {
        Sequence sequence(seed);
        const std::string broken = sequence.run(kSteps);
        ASSERT_TRUE(broken.empty()) << "seed " << seed << ": " << broken;
    }
}

} // namespace
} // namespace ga::test
