#include "form/Messages.h"

#include "form/ControlTable.h"

#include <array>

namespace ga {

namespace {

// The program's version comes from the build, which takes it from the project.
#ifndef GA_VERSION
#define GA_VERSION "0"
#endif

constexpr Messages kTurkish{
    "Bekliyor...",
    "Hazırlandı. Başlatınız...",
    "Başlatıldı. İşlem devam ediyor...",
    "Durduruldu...",
    "Sıfırlandı. Tekrar başlatılma bekleniyor...",
    "Sonuca ulaşıldı. Sonuçları kontrol ediniz.",
    "Girdiğiniz değer çok büyük veya negatif",
    "Genetik Algoritma " GA_VERSION " — genetik algoritmaların işleyişini (seçilim, "
    "çaprazlama ve mutasyon) adım adım gösteren bir öğretim programı.",
    " yaşlanarak öldü",
    " güçsüz birey olduğu için elendi",
    " mutasyona uğradı. Yeni birey:",
    " ile ",
    " çiftleşti ve ",
    " doğdu.",
    "tanımsız",
};

constexpr Messages kEnglish{
    "Waiting...",
    "Prepared. Press Start...",
    "Started. Running...",
    "Stopped...",
    "Reset. Waiting for a new start...",
    "Target reached. Check the results.",
    "The value you entered is too large or negative",
    "Genetik Algoritma " GA_VERSION " — a teaching program that shows, step by step, how "
    "a genetic algorithm works (selection, crossover and mutation).",
    " died of old age",
    " was eliminated as a weak individual",
    " mutated. New individual:",
    " and ",
    " mated and ",
    " was born.",
    "undefined",
};

// Why an experiment cannot start, one text per ExperimentError in its order.
constexpr std::size_t kExperimentErrors = static_cast<std::size_t>(ExperimentError::BadMethod) + 1;
constexpr std::array<std::string_view, kExperimentErrors> kTurkishExperimentErrors{
    "",
    "Değişen ayar; mutasyon yüzdesi (mutation), ulaşılacak sayı (target) ya da yöntem "
    "(method) olabilir.",
    "Değerler boş. Bir liste (1, 5, 10) ya da bir aralık (0:100:5) yazınız.",
    "Değerlerden biri sayı değil. Ondalık ayırıcı noktadır (0.5); liste öğeleri virgülle "
    "ayrılır (1, 5, 10).",
    "Aralık BAŞLANGIÇ:BİTİŞ:ADIM biçiminde yazılır, örneğin 0:100:5.",
    "Aralığın adımı 0 olamaz.",
    "Aralığın adımı bitişe doğru gitmiyor: bitiş başlangıçtan büyükse adım pozitif, "
    "küçükse negatif olmalıdır.",
    "Ulaşılacak sayı 0'dan büyük, en çok 100000 olmalıdır.",
    "Ayar başına çalıştırma sayısı 1 ya da daha büyük bir tam sayı olmalıdır.",
    "Toplam çalıştırma sayısı (değer sayısı × ayar başına çalıştırma) en çok 1000000 "
    "olabilir.",
    "Nesil sınırı 1 ile 1000000000 arasında bir tam sayı olmalıdır.",
    "Temel tohum 0 ile 4294967295 arasında bir tam sayı olmalıdır.",
    "İş parçacığı sayısı 1 ile 256 arasında bir tam sayı olmalıdır.",
    "Mutasyon yüzdesi bir sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).",
    "Amaç fonksiyonunun katsayıları sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).",
    "Amaç fonksiyonunun üsleri sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).",
    "Yöntem; genetik algoritma (ga), rastgele arama (random) ya da tepe tırmanma (hill) "
    "olabilir.",
};

constexpr std::array<std::string_view, kExperimentErrors> kEnglishExperimentErrors{
    "",
    "The varied setting can be the mutation percentage (mutation), the target number "
    "(target) or the method (method).",
    "No values. Type a list (1, 5, 10) or a range (0:100:5).",
    "One of the values is not a number. The decimal separator is the point (0.5); list "
    "items are separated by commas (1, 5, 10).",
    "A range is written START:END:STEP, for example 0:100:5.",
    "The step of the range cannot be 0.",
    "The step of the range does not lead to its end: it must be positive when the end is "
    "greater than the start, negative when it is smaller.",
    "The target number must be greater than 0 and at most 100000.",
    "The runs per setting must be a whole number of 1 or more.",
    "The runs in all (values × runs per setting) can be at most 1000000.",
    "The generation limit must be a whole number from 1 to 1000000000.",
    "The base seed must be a whole number from 0 to 4294967295.",
    "The number of threads must be a whole number from 1 to 256.",
    "The mutation percentage must be a number. The decimal separator is the point (0.5).",
    "The coefficients of the objective function must be numbers. The decimal separator is "
    "the point (0.5).",
    "The exponents of the objective function must be numbers. The decimal separator is the "
    "point (0.5).",
    "The method can be the genetic algorithm (ga), random search (random) or hill climbing "
    "(hill).",
};

// The English captions and names; a control missing here has the same text in both
// languages (numbers, letters of the formula, plus signs).
struct EnglishText {
    Control control;
    std::string_view text;
    std::string_view accessibleName;
};

using C = Control;

// The captions fit the rectangles the Turkish ones were laid out in.
constexpr std::array kEnglishControls{
    EnglishText{C::Frame1, "Objective Function", {}},
    EnglishText{C::Frame2, "Inputs and Commands", {}},
    EnglishText{C::Frame3, "Results", {}},
    EnglishText{C::Frame4, "Population", {}},
    EnglishText{C::Frame5, "Charts", {}},
    EnglishText{C::Label25, "Report", {}},
    EnglishText{C::List1, {}, "Report"},
    EnglishText{C::status, "Waiting...", {}},
    EnglishText{C::Line1, {}, "Separator line"},
    EnglishText{C::Label16,
                "This program was made to help understand genetic algorithms, reinforce what "
                "you know and practise. It is free: under the MIT licence it may be used, "
                "changed and shared freely.",
                {}},
    EnglishText{C::Label2, "Form to use.", {}},
    EnglishText{C::ta, {}, "coefficient of x"},
    EnglishText{C::pa, {}, "exponent of x"},
    EnglishText{C::tb, {}, "coefficient of y"},
    EnglishText{C::pb, {}, "exponent of y"},
    EnglishText{C::tc, {}, "coefficient of z"},
    EnglishText{C::pc, {}, "exponent of z"},
    EnglishText{C::td, {}, "coefficient of k"},
    EnglishText{C::pd, {}, "exponent of k"},
    EnglishText{C::te, {}, "coefficient of c"},
    EnglishText{C::pe, {}, "exponent of c"},
    EnglishText{C::Label3, "Target number", {}},
    EnglishText{C::Text1, {}, "Target number"},
    EnglishText{C::Label4, "Population", {}},
    EnglishText{C::Text2, {}, "Population"},
    EnglishText{C::Label5, "Mutation percentage", {}},
    EnglishText{C::Text3, {}, "Mutation percentage"},
    EnglishText{C::Label7, "Speed (default 8)", {}},
    EnglishText{C::Text4, {}, "Speed (default 8)"},
    EnglishText{C::Command1, "Prepare", {}},
    EnglishText{C::Command2, "Start", {}},
    EnglishText{C::Command3, "Stop", {}},
    EnglishText{C::Command4, "Reset", {}},
    EnglishText{C::Label11, "Best gene", {}},
    EnglishText{C::teni, {}, "Best gene"},
    EnglishText{C::Label13, "fitness", {}},
    EnglishText{C::teni2, {}, "Fitness of the best gene"},
    EnglishText{C::g1_0, {}, "Best gene, digit 1"},
    EnglishText{C::g2_0, {}, "Best gene, digit 2"},
    EnglishText{C::g3_0, {}, "Best gene, digit 3"},
    EnglishText{C::g4_0, {}, "Best gene, digit 4"},
    EnglishText{C::g5_0, {}, "Best gene, digit 5"},
    EnglishText{C::Label10, "Worst gene", {}},
    EnglishText{C::tenk, {}, "Worst gene"},
    EnglishText{C::Label12, "fitness", {}},
    EnglishText{C::tenk2, {}, "Fitness of the worst gene"},
    EnglishText{C::g1_1, {}, "Worst gene, digit 1"},
    EnglishText{C::g2_1, {}, "Worst gene, digit 2"},
    EnglishText{C::g3_1, {}, "Worst gene, digit 3"},
    EnglishText{C::g4_1, {}, "Worst gene, digit 4"},
    EnglishText{C::g5_1, {}, "Worst gene, digit 5"},
    EnglishText{C::Label8, "Gen.", {}},
    EnglishText{C::nesil, {}, "Generation"},
    EnglishText{C::Label9, "Mutations so far", {}},
    EnglishText{C::tmut, {}, "Mutations so far"},
    // The blanks line the words up with the three lists below them.
    EnglishText{C::Label6, "Genes            F(x,y,z,k,c)      Fitness", {}},
    EnglishText{C::Gen, {}, "Genes"},
    EnglishText{C::Sonuc, {}, "F(x,y,z,k,c)"},
    EnglishText{C::uyl, {}, "Fitness"},
    EnglishText{C::Picture1, {}, "Optimisation fitness characteristic"},
    EnglishText{C::Picture2, {}, "Diversity distribution"},
    EnglishText{C::Label14, "Optimisation fitness characteristic", {}},
    EnglishText{C::Label15, "Diversity distribution", {}},
};

const EnglishText* english(Control c) {
    for (const EnglishText& e : kEnglishControls) {
        if (e.control == c) {
            return &e;
        }
    }
    return nullptr;
}

Language current = Language::Turkish;

} // namespace

Language language() {
    return current;
}

void setLanguage(Language language) {
    current = language;
}

const Messages& messages() {
    return messages(current);
}

const Messages& messages(Language language) {
    return language == Language::English ? kEnglish : kTurkish;
}

std::string_view controlText(Control c) {
    return controlText(c, current);
}

std::string_view controlAccessibleName(Control c) {
    return controlAccessibleName(c, current);
}

std::string_view controlText(Control c, Language language) {
    const ControlRow& row = controlRow(c);
    if (language == Language::English) {
        if (const EnglishText* e = english(c); e != nullptr && !e->text.empty()) {
            return e->text;
        }
    }
    return row.text;
}

std::string_view controlAccessibleName(Control c, Language language) {
    const ControlRow& row = controlRow(c);
    if (language == Language::English) {
        if (const EnglishText* e = english(c); e != nullptr && !e->accessibleName.empty()) {
            return e->accessibleName;
        }
    }
    return row.accessibleName;
}

std::string_view experimentErrorText(ExperimentError error) {
    return experimentErrorText(error, current);
}

std::string_view experimentErrorText(ExperimentError error, Language language) {
    const auto& texts =
        language == Language::English ? kEnglishExperimentErrors : kTurkishExperimentErrors;
    return texts.at(static_cast<std::size_t>(error));
}

std::string_view programVersion() {
    return GA_VERSION;
}

} // namespace ga
