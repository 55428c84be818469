#include "tests/unit/Form1Probe.h"
#include "ui/Digits.h"

#include <gtest/gtest.h>

#include <limits>

namespace ga::testing {
namespace {

Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r + 256 * g + 65536 * b);
}

int red(Colour c) {
    return static_cast<int>(c & 0xFFU);
}

class PanelAndChartTest : public ::testing::Test {
  protected:
    RecordingOps ops;
    Form1 form{ops};

    std::array<Colour, 5> row(int item) const {
        std::array<Colour, 5> colours{};
        for (int p = 1; p <= 5; ++p) {
            colours[static_cast<std::size_t>(p - 1)] =
                ops.backColor(colourSquare(p, item)).value_or(0xDEADBEEF);
        }
        return colours;
    }
};

// Low digits are green, high digits red; a leading digit of 10 or more saturates red and
// a negative one (a negative gene) is clamped instead of dividing by zero.
TEST_F(PanelAndChartTest, DigitColours) {
    const int table[][3] = {{0, 255, 0},  {28, 128, 0}, {56, 85, 0},  {84, 64, 0},
                            {112, 51, 0}, {140, 43, 0}, {168, 37, 0}, {196, 32, 0},
                            {224, 28, 0}, {252, 26, 0}, {255, 23, 0}, {255, 21, 0}};
    for (int d = 0; d < 12; ++d) {
        EXPECT_EQ(digitColour(d), rgb(table[d][0], table[d][1], table[d][2])) << d;
    }
    EXPECT_EQ(digitColour(-1), rgb(0, 255, 0));
    EXPECT_EQ(digitColour(-2), rgb(0, 0, 0));
}

// The squares show the digits of the best and worst genes, computed from the genes.
TEST_F(PanelAndChartTest, SquaresFollowTheRecordedGenes) {
    form.module1.enIyiGen = 10203;
    form.module1.enKotuGen = 4321;
    Form1Probe::metinler(form);
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
        EXPECT_EQ(ops.squareDigits[static_cast<std::size_t>(colourSquare(p, 0))],
                  bestDigits[p - 1]);
        EXPECT_EQ(ops.squareDigits[static_cast<std::size_t>(colourSquare(p, 1))],
                  worstDigits[p - 1]);
    }
}

// Before any ranking improves on them, the start values are on show: best "0" with the
// target, worst "99999" with 0; green squares above and digit-9 squares below. The
// texts go out in their fixed order and the squares upper row first.
TEST_F(PanelAndChartTest, StartValuesOnShow) {
    form.Form_Load();
    ops.calls.clear();
    Form1Probe::metinler(form);
    EXPECT_EQ(ops.text(Control::tmut), " 0");
    EXPECT_EQ(ops.text(Control::nesil), " 1");
    EXPECT_EQ(ops.text(Control::teni), "0");
    EXPECT_EQ(ops.text(Control::teni2), "277");
    EXPECT_EQ(ops.text(Control::tenk), "99999");
    EXPECT_EQ(ops.text(Control::tenk2), "0");
    for (Colour c : row(0)) {
        EXPECT_EQ(c, rgb(0, 255, 0));
    }
    for (Colour c : row(1)) {
        EXPECT_EQ(c, rgb(252, 26, 0));
    }
    const std::vector<std::string> order{"text tmut  0", "text nesil  1", "text tenk 99999",
                                         "text teni 0",  "text tenk2 0",  "text teni2 277"};
    ASSERT_EQ(ops.calls.size(), 26U);
    EXPECT_EQ(std::vector<std::string>(ops.calls.begin(), ops.calls.begin() + 6), order);
    EXPECT_EQ(ops.calls[6].rfind("backColor g1_0", 0), 0U);
    EXPECT_EQ(ops.calls[7], "digit g1_0 0");
    EXPECT_EQ(ops.calls[24].rfind("backColor g5_1", 0), 0U);
    EXPECT_EQ(ops.calls[25], "digit g5_1 9");
}

// Fractional fitness shows with the locale's separator and a zero before it.
TEST_F(PanelAndChartTest, FractionalFitnessUsesTheSeparator) {
    RecordingOps o;
    Form1 f{o, ","};
    f.module1.enIyiUyum = 0.25;
    f.module1.enKotuUyum = 1234.5;
    Form1Probe::metinler(f);
    EXPECT_EQ(o.text(Control::teni2), "0,25");
    EXPECT_EQ(o.text(Control::tenk2), "1234,5");
}

// The fitness chart's red part is 256 / (fitness + 0.3) rounded half to even and
// clamped; the gene chart's is the whole part of gene / 500.
TEST_F(PanelAndChartTest, CircleColours) {
    const double fitness[] = {0, 0.7, 1, 2, 3, 5, 10, 20, 50, 100, 171, 511, 512, 100000};
    const int fitnessRed[] = {255, 255, 197, 111, 78, 48, 25, 13, 5, 3, 1, 1, 0, 0};
    const double genes[] = {10000, 50000, 99999, 2345, -7655, 102345, 127999, 128000};
    const int geneRed[] = {20, 100, 199, 4, 0, 204, 255, 255};
    for (std::size_t k = 0; k < std::size(fitness); ++k) {
        ops.circles.clear();
        form.uyumlar[1] = fitness[k];
        form.genler[1] = genes[k % std::size(genes)];
        Form1Probe::chartStep(form, 1);
        ASSERT_EQ(ops.circles.size(), 2U);
        EXPECT_EQ(ops.circles[0].picture, Control::Picture1);
        EXPECT_EQ(red(ops.circles[0].colour), fitnessRed[k]) << fitness[k];
        EXPECT_EQ(ops.circles[0].colour & 0xFFFF00U, rgb(0, 10, 120));
        EXPECT_EQ(ops.circles[1].picture, Control::Picture2);
        EXPECT_EQ(red(ops.circles[1].colour), geneRed[k % std::size(genes)]);
        EXPECT_EQ(ops.circles[1].radius, 7);
    }
}

// The x position advances once per individual and both circles share it; a fitness with
// no single-precision value draws no fitness circle, but the gene circle still comes.
TEST_F(PanelAndChartTest, ChartPositionsAndUndrawableValues) {
    form.Form_Load();
    form.genler[1] = 50000;
    form.uyumlar[1] = 3;
    Form1Probe::chartStep(form, 1);
    ASSERT_EQ(ops.circles.size(), 2U);
    EXPECT_EQ(ops.circles[0].x, 1.0F);
    EXPECT_EQ(ops.circles[0].y, 3.0F);
    EXPECT_EQ(ops.circles[1].x, 1.0F);
    EXPECT_EQ(ops.circles[1].y, 50000.0F);
    for (double v : {std::numeric_limits<double>::infinity(), 1e39}) {
        ops.circles.clear();
        form.uyumlar[1] = v;
        Form1Probe::chartStep(form, 1);
        ASSERT_EQ(ops.circles.size(), 1U) << v;
        EXPECT_EQ(ops.circles[0].picture, Control::Picture2);
    }
    EXPECT_EQ(form.module1.noktaSayisi, 3);
}

// A whole tick after load draws forty circles, the first pair at x = 1 and the last at
// x = 20; the fitness chart shows the entering generation, the gene chart the new one.
TEST_F(PanelAndChartTest, TickDrawsTwentyPairsFromXOne) {
    useDefaultFunction(form);
    form.Form_Load();
    ops.setText(Control::Text3, "0");
    for (int i = 1; i <= 20; ++i) {
        place(form, i, i <= 10 ? 67312 : 99999);
    }
    form.Command2_Click();
    form.Timer1_Timer();
    ASSERT_EQ(ops.circles.size(), 40U);
    for (int i = 0; i < 20; ++i) {
        const auto& fit = ops.circles[static_cast<std::size_t>(2 * i)];
        const auto& gene = ops.circles[static_cast<std::size_t>(2 * i + 1)];
        EXPECT_EQ(fit.x, static_cast<float>(i + 1));
        EXPECT_EQ(gene.x, static_cast<float>(i + 1));
        EXPECT_EQ(fit.y, i < 10 ? 0.0F : 632.0F) << "the ten that died are drawn too";
        EXPECT_EQ(gene.y, 67312.0F) << "survivors and their children";
    }
}

} // namespace
} // namespace ga::testing
