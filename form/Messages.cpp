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

std::string_view programVersion() {
    return GA_VERSION;
}

} // namespace ga
