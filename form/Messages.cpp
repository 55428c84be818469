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
    {
        "",
        "Değişen ayar, mutasyon yüzdesi ya da ulaşılacak sayı olabilir.",
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
    },
};

} // namespace

const Messages& messages() {
    return kTurkish;
}

std::string_view experimentErrorText(ExperimentError error) {
    return messages().experimentErrors.at(static_cast<std::size_t>(error));
}

std::string_view programVersion() {
    return GA_VERSION;
}

} // namespace ga
