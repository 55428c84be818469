#include "form/texts/Messages.h"
#include "form/experiments/SummaryColumns.h"
#include "form/texts/Translation.h"
#include "form/window/ControlTable.h"
#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace ga::test {
namespace {

// Stands in for a language's translations: every text comes back marked, which shows
// where the plain layers look their texts up without restating any language's words.
std::string marked(Language /*language*/, std::string_view /*context*/, std::string_view source) {
    return "‹" + std::string(source) + "›";
}

// Each test leaves the plain layers as a program without translations starts.
class MessagesTest : public ::testing::Test {
  protected:
    void TearDown() override {
        installTranslator({});
        setLanguage(Language::Turkish);
    }
};

// A sentence's places take the numbers in the order the sentence gives, written by the Str
// rule, whatever order a translation puts them in; a place without a number and a percent
// sign that is no place never break a line.
TEST_F(MessagesTest, SentencesFillTheirPlacesInTheirOwnOrder) {
    const std::vector<double> numbers{12, 345, 6789};
    const struct {
        std::string_view sentence;
        std::string_view line;
    } cases[] = {
        {"%1 ile %2 çiftleşti ve %3 doğdu.", " 12 ile  345 çiftleşti ve  6789 doğdu."},
        {"%3 was born to %1 and %2", " 6789 was born to  12 and  345"},
        {"%1%2", " 12 345"},
        {"%4 and %1", " and  12"},
        {"100% of %1, %0", "100% of  12, %0"},
        {"no places", "no places"},
        {"ends in %", "ends in %"},
    };
    for (const auto& c : cases) {
        std::string line = "kept:";
        appendSentence(line, makeSentence(c.sentence), numbers, "tanımsız");
        EXPECT_EQ(line, "kept:" + std::string(c.line)) << c.sentence;
    }
    std::string line;
    appendSentence(line, makeSentence("%1!"), std::vector<double>{std::nan("")}, "undefined");
    EXPECT_EQ(line, " undefined!");

    const std::vector<std::string_view> values{"50", "b"};
    EXPECT_EQ(fillPlaces("%%1", values), "%50");
    EXPECT_EQ(fillPlaces("%1%", values), "50%");
    EXPECT_EQ(fillPlaces("%2/%1 %3", values), "b/50 ");
}

// The report, the lists' word for no value and the status line come from the translation
// of the language in use, with the numbers in the same places; the language can change in
// the middle of a run, and Turkish comes back exactly as it was.
TEST_F(MessagesTest, NarrationAndListsFollowTheLanguage) {
    installTranslator(&marked);
    FormHarness h;
    h.ops.setText(Control::Text3, "0");
    std::array<double, 20> genes{};
    for (std::size_t k = 0; k < 20; ++k) {
        genes[k] = 10001 + static_cast<double>(k);
    }
    h.setGenes(genes);
    h.random.script(mating(1, 2, 50, 1, 1, 1));
    setLanguage(Language::English);
    h.form.Timer1_Timer();
    const std::regex death(R"(‹ \d{5}( yaşlanarak öldü| güçsüz birey olduğu için elendi)›)");
    const std::regex birth(R"(‹ \d{5} ile  \d{5} çiftleşti ve  \d{5} doğdu\.›)");
    EXPECT_TRUE(std::regex_match(h.log()[0], death)) << h.log()[0];
    EXPECT_TRUE(std::regex_match(h.log()[10], birth)) << h.log()[10];
    const std::string firstLine = h.log()[0];
    // F with no value (0 times 2^1000): the list says so in the language in use, and says
    // it again in the other after a switch, keeping every line it shows.
    h.ops.setText(Control::ta, "0");
    h.ops.setText(Control::pa, "1e3");
    h.form.Command1_Click();
    const auto count = [&](std::string_view word) {
        int n = 0;
        for (const std::string& line : h.ops.list(Control::Sonuc)) {
            n += line == word ? 1 : 0;
        }
        return n;
    };
    const int undefined = count("‹tanımsız›");
    EXPECT_GT(undefined, 0);
    EXPECT_EQ(h.ops.text(Control::status), "‹Hazırlandı. Başlatınız...›");
    setLanguage(Language::Turkish);
    h.form.retranslate();
    EXPECT_EQ(count("tanımsız"), undefined);
    EXPECT_EQ(count("‹tanımsız›"), 0);
    EXPECT_EQ(h.ops.list(Control::Gen).size(), 40U) << "the lines on show are kept";
    EXPECT_EQ(h.ops.text(Control::status), "Hazırlandı. Başlatınız...");
    EXPECT_EQ(h.log()[0], firstLine) << "the log keeps its lines";
}

// Every kind of text is looked up again when another translator is installed (none read
// from the one before), and Turkish, the source, never goes through one.
TEST_F(MessagesTest, EveryTextFollowsTheTranslatorInstalled) {
    const SummaryColumnDef& runs = summaryColumns()[static_cast<std::size_t>(SummaryColumn::Runs)];
    const SummaryColumnDef& percent =
        summaryColumns()[static_cast<std::size_t>(SummaryColumn::ReachedPercent)];
    SettingSummary setting;
    setting.reachedPercent = 50;
    const auto texts = [&](Language l) {
        return std::vector<std::string>{
            std::string(controlText(Control::Command1, l)),
            std::string(controlAccessibleName(Control::Text1, l)),
            messages(l).waiting,
            std::string(experimentErrorText(ExperimentError::BadThreads, l)),
            std::string(columnHeader(runs, VariedSetting::Mutation, l)),
            std::string(methodLabel(Method::HillClimbing, l)),
            summaryCell(setting, percent, VariedSetting::Mutation, l, "."),
        };
    };
    const std::vector<std::string> turkish = texts(Language::Turkish);
    EXPECT_EQ(turkish[0], "Hazırla");
    EXPECT_EQ(turkish[6], "%50");
    EXPECT_EQ(texts(Language::English), turkish) << "no translator: the sources";

    installTranslator(&marked);
    const std::vector<std::string> english = texts(Language::English);
    ASSERT_EQ(english.size(), turkish.size());
    for (std::size_t k = 0; k + 1 < english.size(); ++k) {
        EXPECT_EQ(english[k], "‹" + turkish[k] + "›");
    }
    EXPECT_EQ(english.back(), "‹%50›") << "the sign where the translation puts it";
    EXPECT_EQ(texts(Language::Turkish), turkish);

    installTranslator({});
    EXPECT_EQ(texts(Language::English), turkish);
}

} // namespace
} // namespace ga::test
