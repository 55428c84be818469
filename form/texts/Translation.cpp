#include "form/texts/Translation.h"

#include <utility>

namespace ga {

namespace {

Translator& installed() {
    static Translator translator;
    return translator;
}

// Starts above the generation a new table remembers, so that every table is made once.
// A plain variable, read without a guard: the report asks for it with every line.
std::uint64_t installations = 1;

} // namespace

void installTranslator(Translator translator) {
    installed() = std::move(translator);
    ++installations;
}

std::string translate(Language language, std::string_view context, std::string_view source) {
    if (language != Language::Turkish && !source.empty() && installed()) {
        std::string text = installed()(language, context, source);
        if (!text.empty()) {
            return text;
        }
    }
    return std::string(source);
}

std::uint64_t translatorGeneration() {
    return installations;
}

std::string fillPlaces(std::string_view text, std::span<const std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        if (!place) {
            out += text[i];
            continue;
        }
        const auto index = static_cast<std::size_t>(text[i + 1] - '1');
        if (index < values.size()) {
            out += values[index];
        }
        ++i;
    }
    return out;
}

TranslatedTexts::TranslatedTexts(std::string_view context, std::vector<std::string_view> sources)
    : context_(context), sources_(std::move(sources)) {}

std::string_view TranslatedTexts::text(std::size_t index, Language language) const {
    if (language == Language::Turkish) {
        return sources_.at(index);
    }
    const auto l = static_cast<std::size_t>(language);
    if (generation_[l] != translatorGeneration()) {
        translated_[l].clear();
        for (std::string_view source : sources_) {
            translated_[l].push_back(translate(language, context_, source));
        }
        generation_[l] = translatorGeneration();
    }
    return translated_[l].at(index);
}

} // namespace ga
