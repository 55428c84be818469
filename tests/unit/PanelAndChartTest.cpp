#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

namespace ga::test {
namespace {

Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r + 256 * g + 65536 * b);
}

int red(Colour c) {
    return static_cast<int>(c & 0xFFU);
}

class PanelAndChartTest : public ::testing::Test {
  protected:
    FormHarness h;

    void SetUp() override {
        h.form.Form_Load();
        h.ops.setText(Control::Text3, "0");
    }

    // Runs one tick on a population with the given fitness values (in ranked order) and
    // genes, keeping the best and worst record that is set (the run's, or `m`'s): nothing
    // beats it.
    void tickWith(const std::array<double, 20>& fitness, double survivorGene,
                  const std::optional<Module1>& m = std::nullopt) {
        Population p;
        for (int i = 1; i <= 20; ++i) {
            p.genler[i] = survivorGene;
            basamaklaraAyir(p, i);
            p.uyumlar[i] = fitness[static_cast<std::size_t>(i - 1)];
        }
        h.setRun(p, m ? *m : module());
        h.ops.circles.clear();
        h.form.Timer1_Timer();
    }

    // Shows the given best and worst genes in the panel through a tick that keeps them.
    void showRecord(double best, double worst) {
        Module1 m = module();
        m.enIyiGen = best;
        m.enIyiUyum = -1;
        m.enKotuGen = worst;
        m.enKotuUyum = std::numeric_limits<double>::infinity();
        std::array<double, 20> fitness{};
        fitness.fill(5);
        tickWith(fitness, 55555, m);
    }

    // The run-wide values the window's run holds now, with the default function.
    [[nodiscard]] Module1 module() const {
        Module1 m = h.form.run().module1();
        useDefaultFunction(m);
        return m;
    }

    std::array<Colour, 5> row(int item) const {
        std::array<Colour, 5> colours{};
        for (int p = 1; p <= 5; ++p) {
            colours[static_cast<std::size_t>(p - 1)] =
                h.ops.backColor(colourSquare(p, item)).value_or(0xDEADBEEF);
        }
        return colours;
    }
};

// The squares show the digits of the best and worst genes, computed from the genes: low
// digits green, high digits red; a leading digit of 10 or more saturates red and a
// negative one (a negative gene) is clamped instead of dividing by zero.
TEST_F(PanelAndChartTest, SquaresShowTheRecordedGenes) {
    showRecord(10203, 4321);
    const std::array<Colour, 5> best{rgb(28, 128, 0), rgb(0, 255, 0), rgb(56, 85, 0),
                                     rgb(0, 255, 0), rgb(84, 64, 0)};
    const std::array<Colour, 5> worst{rgb(0, 255, 0), rgb(112, 51, 0), rgb(84, 64, 0),
                                      rgb(56, 85, 0), rgb(28, 128, 0)};
    EXPECT_EQ(row(0), best);
    EXPECT_EQ(row(1), worst);
    // A screen reader hears the digit each colour stands for.
    const char* bestDigits[] = {"1", "0", "2", "0", "3"};
    const char* worstDigits[] = {"0", "4", "3", "2", "1"};
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(h.ops.squareDigits[static_cast<std::size_t>(colourSquare(p, 0))],
                  bestDigits[p - 1]);
        EXPECT_EQ(h.ops.squareDigits[static_cast<std::size_t>(colourSquare(p, 1))],
                  worstDigits[p - 1]);
    }

    const int table[][3] = {{0, 255, 0},  {28, 128, 0}, {56, 85, 0},  {84, 64, 0},
                            {112, 51, 0}, {140, 43, 0}, {168, 37, 0}, {196, 32, 0},
                            {224, 28, 0}, {252, 26, 0}, {255, 23, 0}, {255, 21, 0}};
    for (int d = 0; d < 12; ++d) {
        showRecord(d * 10000.0, 0);
        EXPECT_EQ(row(0)[0], rgb(table[d][0], table[d][1], table[d][2])) << d;
    }
    showRecord(-10000, -20000);
    EXPECT_EQ(row(0)[0], rgb(0, 255, 0));
    EXPECT_EQ(row(1)[0], rgb(0, 0, 0));
}

// Before any ranking improves on them, the start values are on show: best "0" with the
// target, worst "99999" with 0; green squares above and digit-9 squares below.
TEST_F(PanelAndChartTest, StartValuesOnShow) {
    // With target 0 a ranking of zeros beats neither start value.
    h.ops.setText(Control::Text1, "0");
    h.form.Form_Load();
    std::array<double, 20> fitness{};
    fitness.fill(0);
    tickWith(fitness, 67312);
    EXPECT_EQ(h.ops.text(Control::tmut), " 0");
    EXPECT_EQ(h.ops.text(Control::nesil), " 2");
    EXPECT_EQ(h.ops.text(Control::teni), "0");
    EXPECT_EQ(h.ops.text(Control::teni2), "0");
    EXPECT_EQ(h.ops.text(Control::tenk), "99999");
    EXPECT_EQ(h.ops.text(Control::tenk2), "0");
    for (Colour c : row(0)) {
        EXPECT_EQ(c, rgb(0, 255, 0));
    }
    for (Colour c : row(1)) {
        EXPECT_EQ(c, rgb(252, 26, 0));
    }
}

// Fractional fitness shows with the locale's separator and a zero before it.
TEST_F(PanelAndChartTest, FractionalFitnessUsesTheSeparator) {
    FormHarness o{","};
    Module1 m;
    m.enIyiUyum = 0.25;
    m.enKotuUyum = 1234.5;
    Population p;
    for (int i = 1; i <= 20; ++i) {
        p.uyumlar[i] = 5; // beats neither
    }
    o.setRun(p, m);
    o.form.Timer1_Timer();
    EXPECT_EQ(o.ops.text(Control::teni2), "0,25");
    EXPECT_EQ(o.ops.text(Control::tenk2), "1234,5");
}

// The fitness chart's red part is 256 / (fitness + 0.3) rounded half to even and
// clamped; the gene chart's is the whole part of gene / 500. The x position advances once
// per individual and both circles share it; a fitness with no single-precision value
// draws no fitness circle, but the gene circle still comes.
TEST_F(PanelAndChartTest, CirclesTheirColoursAndPositions) {
    const std::array<double, 20> fitness{
        0,   0.7, 1,   2,   3,    5,    10,   20,   50,   100,
        171, 511, 512, 1e5, 1e38, 1e38, 1e38, 1e39, 1e39, std::numeric_limits<double>::infinity()};
    const int fitnessRed[] = {255, 255, 197, 111, 78, 48, 25, 13, 5, 3, 1, 1, 0, 0, 0, 0, 0};
    tickWith(fitness, 50000);
    std::vector<RecordingOps::Circle> fit;
    std::vector<RecordingOps::Circle> gene;
    for (const auto& c : h.ops.circles) {
        (c.picture == Control::Picture1 ? fit : gene).push_back(c);
    }
    ASSERT_EQ(fit.size(), 17U) << "no circle for 1e39 or infinity";
    ASSERT_EQ(gene.size(), 20U);
    for (std::size_t k = 0; k < fit.size(); ++k) {
        EXPECT_EQ(red(fit[k].colour), fitnessRed[k]) << fitness[k];
        EXPECT_EQ(fit[k].colour & 0xFFFF00U, rgb(0, 10, 120));
        EXPECT_EQ(fit[k].x, static_cast<float>(k + 1));
        EXPECT_EQ(fit[k].y, static_cast<float>(fitness[k]));
        EXPECT_EQ(fit[k].radius, 7);
    }
    for (std::size_t k = 0; k < gene.size(); ++k) {
        EXPECT_EQ(gene[k].x, static_cast<float>(k + 1));
    }
    EXPECT_EQ(gene[0].y, 50000.0F);
    EXPECT_EQ(red(gene[0].colour), 100);

    const double genes[] = {10000, 99999, 2345, -7655, 102345, 127999, 128000};
    const int geneRed[] = {20, 199, 4, 0, 204, 255, 255};
    for (std::size_t k = 0; k < std::size(genes); ++k) {
        tickWith(fitness, genes[k]);
        EXPECT_EQ(red(h.ops.circles[1].colour), geneRed[k]) << genes[k];
    }
}

// A whole tick after load draws forty circles, the first pair at x = 1 and the last at
// x = 20; the fitness chart shows the entering generation, the gene chart the new one. A
// stopped and restarted run goes on with its count and its place on the chart.
TEST_F(PanelAndChartTest, TickDrawsTwentyPairsFromXOne) {
    std::array<double, 20> genes{};
    for (std::size_t k = 0; k < 20; ++k) {
        genes[k] = k < 10 ? 67312 : 99999;
    }
    h.setGenes(genes, module());
    h.form.Command2_Click();
    h.form.Timer1_Timer();
    ASSERT_EQ(h.ops.circles.size(), 40U);
    for (int i = 0; i < 20; ++i) {
        const auto& fit = h.ops.circles[static_cast<std::size_t>(2 * i)];
        const auto& gene = h.ops.circles[static_cast<std::size_t>(2 * i + 1)];
        EXPECT_EQ(fit.x, static_cast<float>(i + 1));
        EXPECT_EQ(gene.x, static_cast<float>(i + 1));
        EXPECT_EQ(fit.y, i < 10 ? 0.0F : 632.0F) << "the ten that died are drawn too";
        EXPECT_EQ(gene.y, 67312.0F) << "survivors and their children";
    }
    // The next tick, after "Durdur" and "Başlat", draws on from where the last one ended.
    h.form.Command3_Click();
    h.form.Command2_Click();
    h.form.Timer1_Timer();
    EXPECT_EQ(h.ops.circles.back().x, 40.0F);
    EXPECT_EQ(h.ops.text(Control::nesil), " 3");
}

} // namespace
} // namespace ga::test
