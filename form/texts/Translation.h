#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// lupdate finds the plain layers' texts by Qt's own no-op marker, as it finds tr() in the
// windows, so that every text of the program is translated in the same .ts file. Without
// Qt the marker is defined here exactly as Qt defines it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ga {

// The program speaks Turkish by identity; its texts are written in Turkish, and English is
// a choice.
enum class Language : std::uint8_t { Turkish, English };
inline constexpr std::size_t kLanguageCount = 2;

// Looks up the translation of a Turkish source text written in `context`; an empty answer
// means there is none.
using Translator = std::function<std::string(Language language, std::string_view context,
                                             std::string_view source)>;

// The Qt layer installs the translator at start-up; without one every language reads the
// Turkish sources. Texts already translated are translated again on their next use.
void installTranslator(Translator translator);

// `source` in `language`: the source itself in Turkish and wherever no translation exists.
std::string translate(Language language, std::string_view context, std::string_view source);

// Changes with every installation, so that tables of translated texts know when to make
// themselves again.
std::uint64_t translatorGeneration();

// Fills the places %1 ... %9 of `text` with `values` in the order the text gives; "%%1"
// is a percent sign before the first value. A place without a value is left out.
std::string fillPlaces(std::string_view text, std::span<const std::string_view> values);

// The texts of one context in every language, translated once per installation rather
// than on every use. Not for more than one thread: the window's thread asks for them.
class TranslatedTexts {
  public:
    TranslatedTexts(std::string_view context, std::vector<std::string_view> sources);

    // The text at `index` of the sources, in `language`.
    [[nodiscard]] std::string_view text(std::size_t index, Language language) const;

  private:
    std::string_view context_;
    std::vector<std::string_view> sources_;
    mutable std::array<std::vector<std::string>, kLanguageCount> translated_;
    mutable std::array<std::uint64_t, kLanguageCount> generation_{};
};

} // namespace ga
