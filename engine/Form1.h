#pragma once

#include "engine/Module1.h"
#include "ui/Convert.h"
#include "ui/WindowOps.h"

#include <array>
#include <string>

namespace ga {

// The timer period for a speed: 1000 / speed milliseconds to the nearest whole number,
// kept within 1 ms .. one day. A speed that is not a positive number gives the period of
// the recommended speed 8, so a slip of the keyboard never stalls or floods the window.
int timerPeriodFor(double speed);

// The program's one window as its logic sees it: the population arrays, the run-wide
// values, every handler and the two procedures of the results panel. It reaches the
// real window only through WindowOps. Members are defined in the folder of the
// subsystem they belong to: engine/ (model, preparation, the tick), control/ (load and
// commands) and ui/ (charts and results panel).
class Form1 {
  public:
    static constexpr int kPopulation = 20;
    static constexpr int kSurvivors = 10;
    static constexpr int kDigitTableSize = 101;

    using Row = std::array<double, kPopulation + 1>;
    using DigitTable = std::array<std::array<double, kDigitTableSize>, kDigitTableSize>;

    // decimalSeparator is the locale's, read once at start-up; list lines use it.
    explicit Form1(WindowOps& ops, std::string decimalSeparator = ".");

    // Handlers, each run to its end on the window's thread.
    void Form_Load();
    void Command1_Click(); // "Hazırla"
    void Command2_Click(); // "Başlat"
    void Command3_Click(); // "Durdur"
    void Command4_Click(); // "Sıfırla"
    void hk_Click();       // "Hakkında"
    void cs_Click();       // "Çıkış"
    void Timer1_Timer();   // one generation

    // The steps of a tick, in the order Timer1_Timer runs them; public so that each
    // can be checked on its own.
    void rank();
    void cullAndRecord();
    void mate(double mutationPercent);
    void replaceAndEvaluate();

    // Shared operations of the model.
    void basamaklaraAyir(int i);
    [[nodiscard]] double amacFonksiyonu(int i) const;
    [[nodiscard]] double uyumHesapla(double f) const;

    [[nodiscard]] const std::string& decimalSeparator() const { return decimalSeparator_; }

    Module1 module1;
    Row genler{};
    Row yeniGenler{};
    Row sonuclar{};
    Row uyumlar{};
    Row mutantGenler{};
    DigitTable basamaklar{};

  private:
    friend struct Form1Probe; // tests reach the private procedures through it

    // Results panel.
    void metinler();
    void renklendir();
    void colourRow(double gene, int item);

    // Charts.
    void chartStartupScales();
    void chartTop();
    void chartRunScales();
    void chartErase();
    void chartStep(int i);

    // The start-up sequence shared by the load handler and "Sıfırla".
    void startupSequence();

    // The target is never stored: it is whatever Text1 reads now. The last text and its
    // value are remembered only to skip parsing the same text twenty times a tick.
    [[nodiscard]] double target() const;
    void appendListLine(Control list, double value);
    // Digits, F and fitness of individual i, each listed as soon as it is known.
    void evaluateAndList(int i);

    // Powers of whole digits are looked up rather than recomputed with std::pow on every
    // evaluation; the table holds exactly what std::pow gives and is rebuilt whenever the
    // exponents it was made for differ from the current ones.
    static constexpr int kPowerMin = -16;
    static constexpr int kPowerMax = 47;
    struct PowerTable {
        std::array<double, 6> exponents{};
        std::array<std::array<double, kPowerMax - kPowerMin + 1>, 6> values{};
        bool valid = false;
    };
    void ensurePowerTable() const;
    [[nodiscard]] double power(int column, double digit) const;

    WindowOps& ops_;
    std::string decimalSeparator_;
    mutable PowerTable powers_;
    mutable std::string targetText_;
    mutable double targetValue_ = 0;
    std::string line_; // reused buffer for report and list lines
};

} // namespace ga
