#include "form/Messages.h"
#include "form/ControlTable.h"
#include "form/Narration.h"
#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <regex>

#include <string>
#include <string_view>
#include <vector>

namespace ga::test {
namespace {

// Every word of the catalogue as a list, in the order of the fields.
std::vector<std::string_view> words(const Messages& m) {
    return {m.waiting, m.prepared,       m.started, m.stopped,   m.reset,
            m.reached, m.targetRejected, m.about,   m.diedOfAge, m.eliminated,
            m.mutated, m.mated1,         m.mated2,  m.born,      m.undefined};
}

bool hasLetter(std::string_view text) {
    for (unsigned char c : text) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80) {
            return true;
        }
    }
    return false;
}

// Every text the window can show exists in both languages: the catalogue's words, and the
// caption and screen-reader name of every control that has words in Turkish (a letter of
// the formula or a number stays as it is).
TEST(MessagesTest, EveryTextHasBothLanguages) {
    const auto turkish = words(messages(Language::Turkish));
    const auto english = words(messages(Language::English));
    ASSERT_EQ(sizeof(Messages) / sizeof(std::string_view), turkish.size()) << "a field is missing";
    for (std::size_t k = 0; k < turkish.size(); ++k) {
        EXPECT_FALSE(turkish[k].empty()) << k;
        EXPECT_FALSE(english[k].empty()) << k;
        EXPECT_NE(turkish[k], english[k]) << k;
    }
    for (const ControlRow& row : controlTable()) {
        const std::string_view name = controlName(row.id);
        EXPECT_EQ(controlText(row.id, Language::Turkish), row.text) << name;
        if (hasLetter(row.text) && row.text.size() > 1) {
            EXPECT_NE(controlText(row.id, Language::English), row.text) << name;
        }
        if (!row.accessibleName.empty() && row.accessibleName != "F(x,y,z,k,c)") {
            EXPECT_NE(controlAccessibleName(row.id, Language::English), row.accessibleName) << name;
        }
    }
}

// The narration and the list words follow the language in use, with the numbers in the
// same places; the language can change in the middle of a run.
TEST(MessagesTest, NarrationAndListsFollowTheLanguage) {
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
    const std::regex death(R"( \d{5}( died of old age| was eliminated as a weak individual))");
    const std::regex birth(R"( \d{5} and  \d{5} mated and  \d{5} was born\.)");
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
    const int undefined = count("undefined");
    EXPECT_GT(undefined, 0);
    EXPECT_EQ(h.ops.text(Control::status), "Prepared. Press Start...");
    setLanguage(Language::Turkish);
    h.form.retranslate();
    EXPECT_EQ(count("tanımsız"), undefined);
    EXPECT_EQ(count("undefined"), 0);
    EXPECT_EQ(h.ops.list(Control::Gen).size(), 40U) << "the lines on show are kept";
    EXPECT_EQ(h.ops.text(Control::status), "Hazırlandı. Başlatınız...");
    EXPECT_EQ(h.log()[0], firstLine) << "the log keeps its lines";
}

} // namespace
} // namespace ga::test
