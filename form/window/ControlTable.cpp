#include "form/window/ControlTable.h"

#include "form/texts/Translation.h"

#include <array>

namespace ga {

namespace {

using C = Control;
using K = ControlKind;

constexpr std::uint16_t kResultBox = kLocked | kNoTabStop;

// The captions and names with words are marked for translation; a translated caption must
// fit the rectangle the Turkish one was laid out in.
// clang-format off
constexpr std::array kRows{
    // The window's own controls and the five frames.
    ControlRow{C::Frame1, K::Frame, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Amaç Fonksiyonu"), 0, 0, 7095, 1095, 1, kBold, {}},
    ControlRow{C::Frame2, K::Frame, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Giriş Bilgileri ve İşlevler"), 0, 1200, 3615, 3375, 22, kBold, {}},
    ControlRow{C::Frame3, K::Frame, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Sonuçlar"), 3720, 1200, 3375, 3375, 35, kBold, {}},
    ControlRow{C::Frame4, K::Frame, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Popülasyon"), 7200, 0, 3495, 4575, 58, kBold, {}},
    ControlRow{C::Frame5, K::Frame, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Grafikler"), 0, 4680, 7095, 2535, 64, kBold, {}},
    ControlRow{C::Label25, K::Label, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Rapor"), 7200, 4680, 3255, 255, 70, kNoFlags, {}},
    ControlRow{C::List1, K::ReportLog, kWindow, "", 7200, 4920, 3495, 2010, 69, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Rapor")},
    ControlRow{C::status, K::Label, kWindow, QT_TRANSLATE_NOOP("ga::ControlCaption", "Bekliyor..."), 7200, 6960, 3135, 495, 63, kBold | kStatus, {}},
    ControlRow{C::Line1, K::Line, kWindow, "", 240, 7560, 10200, 0, 0, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Ayırıcı çizgi")},
    ControlRow{C::Label16, K::Label, kWindow,
               QT_TRANSLATE_NOOP("ga::ControlCaption",
                   "Bu program genetik algoritmaların anlaşılması, mevcut bilginin pekiştirilmesi ve "
                   "alıştırma amacıyla yapılmıştır. Ücretsizdir; MIT lisansıyla serbestçe "
                   "kullanılabilir, değiştirilebilir ve paylaşılabilir."),
               240, 7680, 10215, 495, 0, kNoFlags, {}},

    // The objective function: coefficient, letter, raised exponent, plus sign.
    ControlRow{C::Label2, K::Label, C::Frame1, QT_TRANSLATE_NOOP("ga::ControlCaption", "Kullanılacak form."), 120, 360, 1335, 375, 21, kNoFlags, {}},
    ControlRow{C::ta, K::TextBox, C::Frame1, "1", 1560, 480, 375, 285, 11, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "x katsayısı")},
    ControlRow{C::Label1, K::Label, C::Frame1, "x", 2040, 480, 255, 255, 20, kFormula, {}},
    ControlRow{C::pa, K::TextBox, C::Frame1, "3", 2160, 240, 255, 285, 10, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "x üssü")},
    ControlRow{C::Label17, K::Label, C::Frame1, "+", 2400, 480, 255, 255, 19, kFormula, {}},
    ControlRow{C::tb, K::TextBox, C::Frame1, "1", 2640, 480, 375, 285, 9, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "y katsayısı")},
    ControlRow{C::Label18, K::Label, C::Frame1, "y", 3120, 480, 255, 255, 18, kFormula, {}},
    ControlRow{C::pb, K::TextBox, C::Frame1, "2", 3240, 240, 255, 285, 8, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "y üssü")},
    ControlRow{C::Label19, K::Label, C::Frame1, "+", 3480, 480, 255, 255, 17, kFormula, {}},
    ControlRow{C::tc, K::TextBox, C::Frame1, "1", 3720, 480, 375, 285, 7, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "z katsayısı")},
    ControlRow{C::Label20, K::Label, C::Frame1, "z", 4200, 480, 255, 255, 16, kFormula, {}},
    ControlRow{C::pc, K::TextBox, C::Frame1, "2", 4320, 240, 255, 285, 6, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "z üssü")},
    ControlRow{C::Label21, K::Label, C::Frame1, "+", 4560, 480, 255, 255, 15, kFormula, {}},
    ControlRow{C::td, K::TextBox, C::Frame1, "1", 4800, 480, 375, 285, 5, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "k katsayısı")},
    ControlRow{C::Label22, K::Label, C::Frame1, "t", 5280, 480, 255, 255, 14, kFormula, {}},
    ControlRow{C::pd, K::TextBox, C::Frame1, "1", 5400, 240, 255, 285, 4, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "k üssü")},
    ControlRow{C::Label23, K::Label, C::Frame1, "+", 5640, 480, 255, 255, 13, kFormula, {}},
    ControlRow{C::te, K::TextBox, C::Frame1, "1", 5880, 480, 375, 285, 3, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "c katsayısı")},
    ControlRow{C::Label24, K::Label, C::Frame1, "c", 6360, 480, 255, 255, 12, kFormula, {}},
    ControlRow{C::pe, K::TextBox, C::Frame1, "1", 6480, 240, 255, 285, 2, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "c üssü")},

    // Inputs and commands.
    ControlRow{C::Label3, K::Label, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Ulaşılacak sayı"), 480, 480, 1215, 375, 34, kNoFlags, {}},
    ControlRow{C::Text1, K::TextBox, C::Frame2, "277", 1920, 480, 1095, 375, 30, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Ulaşılacak sayı")},
    ControlRow{C::Label4, K::Label, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Popülasyon"), 480, 960, 1095, 375, 33, kNoFlags, {}},
    ControlRow{C::Text2, K::TextBox, C::Frame2, "20", 1920, 960, 1095, 375, 27, kLocked, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Popülasyon")},
    ControlRow{C::Label5, K::Label, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Mutasyon Yüzdesi"), 480, 1440, 1335, 495, 32, kNoFlags, {}},
    ControlRow{C::Text3, K::TextBox, C::Frame2, "5", 1920, 1440, 1095, 375, 26, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Mutasyon Yüzdesi")},
    ControlRow{C::Label7, K::Label, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Hız (Önerilen=8)"), 480, 1920, 1335, 375, 31, kNoFlags, {}},
    ControlRow{C::Text4, K::TextBox, C::Frame2, "8", 1920, 1920, 1095, 375, 23, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Hız (Önerilen=8)")},
    ControlRow{C::Command1, K::Button, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Hazırla"), 480, 2400, 2655, 375, 28, kNoFlags, {}},
    ControlRow{C::Command2, K::Button, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Başlat"), 480, 2880, 975, 375, 29, kDisabled, {}},
    ControlRow{C::Command3, K::Button, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Durdur"), 1440, 2880, 855, 375, 25, kNoFlags, {}},
    ControlRow{C::Command4, K::Button, C::Frame2, QT_TRANSLATE_NOOP("ga::ControlCaption", "Sıfırla"), 2280, 2880, 855, 375, 24, kNoFlags, {}},

    // Results panel.
    ControlRow{C::Label11, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "En iyi gen"), 120, 360, 1455, 375, 54, kNoFlags, {}},
    ControlRow{C::teni, K::TextBox, C::Frame3, "-", 1080, 360, 615, 255, 48, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen")},
    ControlRow{C::Label13, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "Uyum"), 1800, 360, 495, 375, 52, kNoFlags, {}},
    ControlRow{C::teni2, K::TextBox, C::Frame3, "-", 2400, 360, 615, 255, 46, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi genin uyumu")},
    ControlRow{C::g1_0, K::ColourSquare, C::Frame3, "", 240, 720, 615, 615, 45, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen, 1. basamak")},
    ControlRow{C::g2_0, K::ColourSquare, C::Frame3, "", 840, 720, 615, 615, 44, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen, 2. basamak")},
    ControlRow{C::g3_0, K::ColourSquare, C::Frame3, "", 1440, 720, 615, 615, 43, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen, 3. basamak")},
    ControlRow{C::g4_0, K::ColourSquare, C::Frame3, "", 2040, 720, 615, 615, 42, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen, 4. basamak")},
    ControlRow{C::g5_0, K::ColourSquare, C::Frame3, "", 2640, 720, 615, 615, 41, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En iyi gen, 5. basamak")},
    ControlRow{C::Label10, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "En kötü gen"), 120, 1440, 975, 375, 55, kNoFlags, {}},
    ControlRow{C::tenk, K::TextBox, C::Frame3, "-", 1080, 1440, 615, 255, 49, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen")},
    ControlRow{C::Label12, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "Uyum"), 1800, 1440, 495, 375, 53, kNoFlags, {}},
    ControlRow{C::tenk2, K::TextBox, C::Frame3, "-", 2400, 1440, 615, 255, 47, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü genin uyumu")},
    ControlRow{C::g1_1, K::ColourSquare, C::Frame3, "", 240, 1920, 615, 615, 36, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen, 1. basamak")},
    ControlRow{C::g2_1, K::ColourSquare, C::Frame3, "", 840, 1920, 615, 615, 37, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen, 2. basamak")},
    ControlRow{C::g3_1, K::ColourSquare, C::Frame3, "", 1440, 1920, 615, 615, 38, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen, 3. basamak")},
    ControlRow{C::g4_1, K::ColourSquare, C::Frame3, "", 2040, 1920, 615, 615, 39, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen, 4. basamak")},
    ControlRow{C::g5_1, K::ColourSquare, C::Frame3, "", 2640, 1920, 615, 615, 40, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "En kötü gen, 5. basamak")},
    //: Keep it short: the label is only as wide as the Turkish word.
    ControlRow{C::Label8, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "Nesil"), 240, 2640, 495, 375, 57, kNoFlags, {}},
    ControlRow{C::nesil, K::TextBox, C::Frame3, "1", 2280, 2640, 615, 255, 51, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Nesil")},
    ControlRow{C::Label9, K::Label, C::Frame3, QT_TRANSLATE_NOOP("ga::ControlCaption", "Meydana gelen mutasyon"), 240, 3000, 2055, 255, 56, kNoFlags, {}},
    ControlRow{C::tmut, K::TextBox, C::Frame3, "0", 2280, 3000, 615, 255, 50, kResultBox, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Meydana gelen mutasyon")},

    // Population lists; the heading's runs of blanks line up with the three columns.
    //: The runs of blanks line the three words up with the three lists below them.
    ControlRow{C::Label6, K::Label, C::Frame4, QT_TRANSLATE_NOOP("ga::ControlCaption", "Bireyler           F(x,y,z,k,c)       Uyum"), 120, 240, 2535, 255, 62, kNoFlags, {}},
    ControlRow{C::Gen, K::ListBox, C::Frame4, "", 120, 480, 975, 3960, 60, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Bireyler")},
    ControlRow{C::Sonuc, K::ListBox, C::Frame4, "", 1080, 480, 1095, 3960, 61, kNoFlags, "F(x,y,z,k,c)"},
    ControlRow{C::uyl, K::ListBox, C::Frame4, "", 2160, 480, 1095, 3960, 59, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Uyum")},

    // Charts.
    ControlRow{C::Picture1, K::Chart, C::Frame5, "", 120, 360, 3135, 1695, 66, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Optimizasyon Uyum Karakteristiği")},
    ControlRow{C::Picture2, K::Chart, C::Frame5, "", 3600, 360, 3255, 1695, 65, kNoFlags, QT_TRANSLATE_NOOP("ga::ControlAccessibleName", "Çeşitlilik Dağılımı")},
    ControlRow{C::Label14, K::Label, C::Frame5, QT_TRANSLATE_NOOP("ga::ControlCaption", "Optimizasyon Uyum Karakteristiği"), 120, 2160, 3015, 255, 68, kNoFlags, {}},
    ControlRow{C::Label15, K::Label, C::Frame5, QT_TRANSLATE_NOOP("ga::ControlCaption", "Çeşitlilik Dağılımı"), 3600, 2160, 3015, 255, 67, kNoFlags, {}},

    // Invisible.
    ControlRow{C::Timer1, K::Timer, kWindow, "", 0, 0, 0, 0, 0, kDisabled, {}},
};
// clang-format on
static_assert(kRows.size() == kControlCount, "every control has exactly one row");

} // namespace

std::span<const ControlRow> controlTable() {
    return kRows;
}

const ControlRow& controlRow(Control id) {
    static const auto byId = [] {
        std::array<const ControlRow*, kControlCount> rows{};
        for (const ControlRow& row : kRows) {
            rows[static_cast<std::size_t>(row.id)] = &row;
        }
        return rows;
    }();
    return *byId[static_cast<std::size_t>(id)];
}

} // namespace ga
