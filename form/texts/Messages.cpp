#include "form/texts/Messages.h"

#include "form/window/ControlTable.h"
#include "runtime/Convert.h"

#include <array>

namespace ga {

namespace {

// The program's version comes from the build, which takes it from the project.
#ifndef GA_VERSION
#define GA_VERSION "0"
#endif

// The texts are written in Turkish, each marked for the translation file in the context
// it is looked up in.
Messages makeMessages(Language language) {
    const auto text = [language](std::string_view source) {
        return translate(language, "ga::Messages", source);
    };
    const auto sentence = [&text](std::string_view source) { return makeSentence(text(source)); };
    Messages m;
    m.waiting = text(QT_TRANSLATE_NOOP("ga::Messages", "Bekliyor..."));
    m.prepared = text(QT_TRANSLATE_NOOP("ga::Messages", "Hazırlandı. Başlatınız..."));
    m.started = text(QT_TRANSLATE_NOOP("ga::Messages", "Başlatıldı. İşlem devam ediyor..."));
    m.stopped = text(QT_TRANSLATE_NOOP("ga::Messages", "Durduruldu..."));
    m.reset =
        text(QT_TRANSLATE_NOOP("ga::Messages", "Sıfırlandı. Tekrar başlatılma bekleniyor..."));
    m.reached =
        text(QT_TRANSLATE_NOOP("ga::Messages", "Sonuca ulaşıldı. Sonuçları kontrol ediniz."));
    m.targetRejected =
        text(QT_TRANSLATE_NOOP("ga::Messages", "Girdiğiniz değer çok büyük veya negatif"));
    const std::array<std::string_view, 1> version{GA_VERSION};
    //: %1 is the program's version.
    m.about = fillPlaces(
        text(QT_TRANSLATE_NOOP("ga::Messages", "Genetik Algoritma %1 — genetik algoritmaların "
                                               "işleyişini (seçilim, çaprazlama ve mutasyon) "
                                               "adım adım gösteren bir öğretim programı.")),
        version);
    //: A line of the report; %1 is a gene, written with a blank before it.
    m.diedOfAge = sentence(QT_TRANSLATE_NOOP("ga::Messages", "%1 yaşlanarak öldü"));
    //: A line of the report; %1 is a gene, written with a blank before it.
    m.eliminated =
        sentence(QT_TRANSLATE_NOOP("ga::Messages", "%1 güçsüz birey olduğu için elendi"));
    //: A line of the report; %1 is the gene before the mutation and %2 the new one, each
    //: written with a blank before it.
    m.mutated = sentence(QT_TRANSLATE_NOOP("ga::Messages", "%1 mutasyona uğradı. Yeni birey:%2"));
    //: A line of the report; %1 and %2 are the parents' genes, %3 the child's, each written
    //: with a blank before it.
    m.mated = sentence(QT_TRANSLATE_NOOP("ga::Messages", "%1 ile %2 çiftleşti ve %3 doğdu."));
    //: A value that is no number, in the lists and the results.
    m.undefined = text(QT_TRANSLATE_NOOP("ga::Messages", "tanımsız"));
    return m;
}

// Why an experiment cannot start, one text per ExperimentError in its order.
constexpr std::size_t kExperimentErrors = static_cast<std::size_t>(ExperimentError::BadMethod) + 1;
constexpr std::array<std::string_view, kExperimentErrors> kExperimentErrorTexts{
    "",
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Değişen ayar; mutasyon yüzdesi (mutation), ulaşılacak sayı "
                      "(target) ya da yöntem (method) olabilir."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Değerler boş. Bir liste (1, 5, 10) ya da bir aralık (0:100:5) "
                      "yazınız."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Değerlerden biri sayı değil. Ondalık ayırıcı noktadır (0.5); liste "
                      "öğeleri virgülle ayrılır (1, 5, 10)."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Aralık BAŞLANGIÇ:BİTİŞ:ADIM biçiminde yazılır, örneğin 0:100:5."),
    QT_TRANSLATE_NOOP("ga::ExperimentError", "Aralığın adımı 0 olamaz."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Aralığın adımı bitişe doğru gitmiyor: bitiş başlangıçtan büyükse "
                      "adım pozitif, küçükse negatif olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Ulaşılacak sayı 0'dan büyük, en çok 100000 olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Ayar başına çalıştırma sayısı 1 ya da daha büyük bir tam sayı "
                      "olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Toplam çalıştırma sayısı (değer sayısı × ayar başına çalıştırma) "
                      "en çok 1000000 olabilir."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Nesil sınırı 1 ile 1000000000 arasında bir tam sayı olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Temel tohum 0 ile 4294967295 arasında bir tam sayı olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "İş parçacığı sayısı 1 ile 256 arasında bir tam sayı olmalıdır."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Mutasyon yüzdesi bir sayı olmalıdır. Ondalık ayırıcı noktadır "
                      "(0.5)."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Amaç fonksiyonunun katsayıları sayı olmalıdır. Ondalık ayırıcı "
                      "noktadır (0.5)."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Amaç fonksiyonunun üsleri sayı olmalıdır. Ondalık ayırıcı noktadır "
                      "(0.5)."),
    QT_TRANSLATE_NOOP("ga::ExperimentError",
                      "Yöntem; genetik algoritma (ga), rastgele arama (random) ya da tepe "
                      "tırmanma (hill) olabilir."),
};

const TranslatedTexts& experimentErrors() {
    static const TranslatedTexts texts(
        "ga::ExperimentError", {kExperimentErrorTexts.begin(), kExperimentErrorTexts.end()});
    return texts;
}

// The control table's captions and screen-reader names, by control. Those with no words
// (numbers, letters of the formula, plus signs) have no translation and stay as they are.
std::vector<std::string_view> controlColumn(std::string_view ControlRow::*column) {
    std::vector<std::string_view> texts;
    for (std::size_t c = 0; c < kControlCount; ++c) {
        texts.push_back(controlRow(static_cast<Control>(c)).*column);
    }
    return texts;
}

const TranslatedTexts& captions() {
    static const TranslatedTexts texts("ga::ControlCaption", controlColumn(&ControlRow::text));
    return texts;
}

const TranslatedTexts& accessibleNames() {
    static const TranslatedTexts texts("ga::ControlAccessibleName",
                                       controlColumn(&ControlRow::accessibleName));
    return texts;
}

Language current = Language::Turkish;

// The texts of the language in use, asked for with every line of every generation: one
// check while neither the language nor the translator changes (the translator's
// generations begin at 1).
const Messages* inUse = nullptr;
std::uint64_t inUseGeneration = 0;

// Out of the way of that check, so that its callers stay small.
[[gnu::cold, gnu::noinline]] const Messages& remakeInUse() {
    inUse = &messages(current);
    inUseGeneration = translatorGeneration();
    return *inUse;
}

} // namespace

ReportSentence makeSentence(std::string_view text) {
    ReportSentence sentence;
    sentence.texts.emplace_back();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            sentence.places.push_back(static_cast<std::uint8_t>(text[i + 1] - '1'));
            sentence.texts.emplace_back();
            ++i;
        } else {
            sentence.texts.back() += text[i];
        }
    }
    return sentence;
}

void appendSentence(std::string& line, const ReportSentence& sentence,
                    std::span<const double> numbers, std::string_view undefined) {
    // Read once: appending to the line could, for all the compiler knows, change them.
    const std::size_t count = sentence.places.size();
    const std::uint8_t* places = sentence.places.data();
    const std::string* texts = sentence.texts.data();
    // Most sentences begin or end with a number: an empty piece costs no call.
    if (!texts[0].empty()) {
        line += texts[0];
    }
    for (std::size_t p = 0; p < count; ++p) {
        if (places[p] < numbers.size()) {
            appendStr(line, numbers[places[p]], undefined);
        }
        if (!texts[p + 1].empty()) {
            line += texts[p + 1];
        }
    }
}

Language language() {
    return current;
}

void setLanguage(Language language) {
    current = language;
    inUseGeneration = 0;
}

const Messages& messages() {
    if (inUseGeneration != translatorGeneration()) {
        return remakeInUse();
    }
    return *inUse;
}

const Messages& messages(Language language) {
    // Made once per language and translator: the report is written a thousand generations
    // a second.
    static std::array<Messages, kLanguageCount> made;
    static std::array<std::uint64_t, kLanguageCount> madeFor{};
    const auto l = static_cast<std::size_t>(language);
    if (madeFor[l] != translatorGeneration()) {
        made[l] = makeMessages(language);
        madeFor[l] = translatorGeneration();
    }
    return made[l];
}

std::string_view controlText(Control c) {
    return controlText(c, current);
}

std::string_view controlAccessibleName(Control c) {
    return controlAccessibleName(c, current);
}

std::string_view controlText(Control c, Language language) {
    return captions().text(static_cast<std::size_t>(c), language);
}

std::string_view controlAccessibleName(Control c, Language language) {
    return accessibleNames().text(static_cast<std::size_t>(c), language);
}

std::string_view experimentErrorText(ExperimentError error) {
    return experimentErrorText(error, current);
}

std::string_view experimentErrorText(ExperimentError error, Language language) {
    return experimentErrors().text(static_cast<std::size_t>(error), language);
}

std::string_view programVersion() {
    return GA_VERSION;
}

} // namespace ga
