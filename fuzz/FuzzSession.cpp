// The session reader against any bytes: it never crashes, hangs or runs out of memory, and
// what it takes is a state the window can show and run on. A state it takes (of either
// format version) is restored into a window's logic and saved; that document, read back into
// another window's logic and saved again, must come out the very same; then the run goes on
// for a few generations, which must not trip a sanitizer either.

#include "FuzzChecks.h"
#include "form/window/Batch.h"
#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "form/window/WindowOps.h"
#include "runtime/Random.h"
#include "session/SessionJson.h"

#include <array>
#include <string>

namespace {

// The window as far as a saved state needs it: the boxes' texts (the log is Form1's own).
class TextsOps final : public ga::WindowOps {
  public:
    TextsOps() {
        for (const ga::ControlRow& row : ga::controlTable()) {
            texts_[static_cast<std::size_t>(row.id)] = row.text;
        }
    }
    [[nodiscard]] std::string text(ga::Control box) const override {
        return texts_[static_cast<std::size_t>(box)];
    }
    void apply(const ga::Batch& batch) override {
        for (const ga::TextChange& change : batch.texts) {
            texts_[static_cast<std::size_t>(change.control)] = change.text;
        }
    }
    float secondsSinceMidnight() override { return 1.5F; }

  private:
    std::array<std::string, ga::kControlCount> texts_;
};

// Small limits keep a hostile history's replay short; they are the history's own checks.
const ga::HistoryLimits kLimits{std::size_t{1} << 20U, std::size_t{1} << 20U};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using ga::fuzz::require;
    const QByteArray json =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ga::session::ReadResult result = ga::session::fromJson(json, kLimits);
    require(result.state.has_value() == (result.error == ga::session::ReadError::None),
            "a state comes exactly when there is no error");
    if (!result.state) {
        return 0;
    }

    TextsOps ops;
    ga::Random random;
    ga::Form1 form(ops, random);
    form.setHistoryLimits(kLimits);
    form.Form_Load();
    form.restore(std::move(*result.state));
    require(!form.timerEnabled(), "a restored state never runs");

    const QByteArray written = ga::session::toJson(form, QStringLiteral("0"));
    ga::session::ReadResult again = ga::session::fromJson(written, kLimits);
    require(again.state.has_value(), "a state saved again is taken again",
            written.left(2000).toStdString());
    TextsOps otherOps;
    ga::Random otherRandom;
    ga::Form1 other(otherOps, otherRandom);
    other.setHistoryLimits(kLimits);
    other.Form_Load();
    other.restore(std::move(*again.state));
    require(ga::session::toJson(other, QStringLiteral("0")) == written,
            "a state saved again reads back to the same document");

    // The run goes on from it.
    form.Command2_Click();
    for (int i = 0; i < 3 && form.timerEnabled(); ++i) {
        form.Timer1_Timer();
    }
    form.Command3_Click();
    form.stepOnce();
    return 0;
}
