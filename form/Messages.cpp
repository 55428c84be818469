#include "form/Messages.h"

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
};

} // namespace

const Messages& messages() {
    return kTurkish;
}

std::string_view programVersion() {
    return GA_VERSION;
}

} // namespace ga
