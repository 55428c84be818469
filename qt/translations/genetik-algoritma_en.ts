<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="tr">
<context>
    <name>QtWindowOps</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ga::qt::ChartWidget</name>
    <message>
        <source> Çizilen nokta sayısı: %1.</source>
        <translation> Points drawn: %1.</translation>
    </message>
</context>
<context>
    <name>ga::qt::ExperimentWindow</name>
    <message>
        <source>Bir deney başlatınız.</source>
        <translation>Start an experiment.</translation>
    </message>
    <message>
        <source>Deney</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Amaç fonksiyonu</source>
        <translation>Objective function</translation>
    </message>
    <message>
        <source>Katsayı</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Üs</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>%1 katsayısı</source>
        <translation>coefficient of %1</translation>
    </message>
    <message>
        <source>%1 üssü</source>
        <translation>exponent of %1</translation>
    </message>
    <message>
        <source>Girdiler</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>&amp;Ulaşılacak sayı:</source>
        <translation>&amp;Target number:</translation>
    </message>
    <message>
        <source>&amp;Mutasyon yüzdesi:</source>
        <translation>&amp;Mutation percentage:</translation>
    </message>
    <message>
        <source>&amp;Ana pencereden al</source>
        <translation>Take from the ma&amp;in window</translation>
    </message>
    <message>
        <source>Amaç fonksiyonunu, ulaşılacak sayıyı ve mutasyon yüzdesini ana pencereden kopyalar</source>
        <translation>Copies the objective function, the target number and the mutation percentage from the main window</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>&amp;Değişen ayar:</source>
        <translation>&amp;Varied setting:</translation>
    </message>
    <message>
        <source>D&amp;eğerler:</source>
        <translation>Valu&amp;es:</translation>
    </message>
    <message>
        <source>Bir liste (1, 5, 10) ya da BAŞLANGIÇ:BİTİŞ:ADIM biçiminde bir aralık (0:100:5); ondalık ayırıcı noktadır.</source>
        <translation>A list (1, 5, 10) or a range START:END:STEP (0:100:5); the decimal separator is the point.</translation>
    </message>
    <message>
        <source>&amp;Nesil sınırı:</source>
        <translation>&amp;Generation limit:</translation>
    </message>
    <message>
        <source>&amp;Temel tohum:</source>
        <translation>&amp;Base seed:</translation>
    </message>
    <message>
        <source>Her çalıştırmanın tohumu bu tohumdan, ayarın ve çalıştırmanın sırasından türetilir.</source>
        <translation>Each run's seed is derived from this seed, the setting's place and the run's number.</translation>
    </message>
    <message>
        <source>İş &amp;parçacığı:</source>
        <translation>T&amp;hreads:</translation>
    </message>
    <message>
        <source>&amp;Başlat</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>İlerleme</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Ayar başına sonuçlar</source>
        <translation>Results per setting</translation>
    </message>
    <message>
        <source>Çalıştırmalar</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>&amp;Logaritmik nesil ekseni</source>
        <translation>&amp;Logarithmic generation axis</translation>
    </message>
    <message>
        <source>Çalıştı&amp;rmalar</source>
        <translation>&amp;Runs</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>Çalıştırmaları &amp;kaydet (CSV)…</source>
        <translation>Save runs t&amp;o CSV…</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>İptal ediliyor…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>%1 / %2 çalıştırma</source>
        <translation>%1 / %2 runs</translation>
    </message>
    <message>
        <source>kalan süre yaklaşık %1 sn</source>
        <translation>about %1 s left</translation>
    </message>
    <message>
        <source>kalan süre yaklaşık %1 dk</source>
        <translation>about %1 min left</translation>
    </message>
    <message>
        <source>İptal edildi: %1 / %2 çalıştırma bitti (%3 sn).</source>
        <translation>Cancelled: %1 / %2 runs ended (%3 s).</translation>
    </message>
    <message>
        <source>Bitti: %1 çalıştırma, %2 sn.</source>
        <translation>Done: %1 runs, %2 s.</translation>
    </message>
    <message>
        <source>deney-calistirmalar.csv</source>
        <translation>experiment-runs.csv</translation>
    </message>
    <message>
        <source>deney-ozet.csv</source>
        <translation>experiment-summary.csv</translation>
    </message>
    <message>
        <source>Çalıştırmaları kaydet</source>
        <translation>Save runs</translation>
    </message>
    <message>
        <source>Özeti kaydet</source>
        <translation>Save summary</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>“%1” kaydedilemedi: %2</source>
        <translation>“%1” could not be saved: %2</translation>
    </message>
    <message>
        <source>Kaydedildi: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>A&amp;yar başına çalıştırma:</source>
        <translation>R&amp;uns per setting:</translation>
    </message>
    <message>
        <source>&amp;İptal</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Ö&amp;zet</source>
        <translation>Summ&amp;ary</translation>
    </message>
    <message>
        <source>Özeti kaydet (CS&amp;V)…</source>
        <translation>Save summar&amp;y to CSV…</translation>
    </message>
</context>
<context>
    <name>ga::qt::MainWindow</name>
    <message>
        <source>Her nesilde bireylerin uyum değerleri, birey başına bir daire; yukarıdaki daireler hedefe daha yakın.</source>
        <translation>Each generation, the individuals' fitness values, one circle per individual; circles higher up are closer to the target.</translation>
    </message>
    <message>
        <source>Her nesilde bireylerin genleri, birey başına bir daire; büyük genler aşağıda.</source>
        <translation>Each generation, the individuals' genes, one circle per individual; larger genes lower down.</translation>
    </message>
    <message>
        <source>&amp;Menü</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Hakkında</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Çı&amp;kış</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ça&amp;lışma</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>&amp;Bir nesil ilerlet</source>
        <translation>&amp;Step one generation</translation>
    </message>
    <message>
        <source>Baş&amp;lat</source>
        <translation>St&amp;art</translation>
    </message>
    <message>
        <source>&amp;Durdur</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <source>&amp;Tohum…</source>
        <translation>S&amp;eed…</translation>
    </message>
    <message>
        <source>&amp;Araçlar</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Dil</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>D&amp;eney…</source>
        <translation>E&amp;xperiment…</translation>
    </message>
</context>
<context>
    <name>ga::qt::RunsModel</name>
    <message>
        <source>Yapılmadı</source>
        <translation>Not run</translation>
    </message>
    <message>
        <source>Evet</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Çalıştırma</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Tohum</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Nesil</source>
        <translation>Generations</translation>
    </message>
    <message>
        <source>Hedefe ulaştı</source>
        <translation>Reached the target</translation>
    </message>
    <message>
        <source>En iyi gen</source>
        <translation>Best gene</translation>
    </message>
    <message>
        <source>En iyi uyum</source>
        <translation>Best fitness</translation>
    </message>
</context>
<context>
    <name>ga::qt::SeedDialog</name>
    <message>
        <source>Tohum</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Bu çalıştırmanın tohumu: %1</source>
        <translation>This run's seed: %1</translation>
    </message>
    <message>
        <source>&amp;Kopyala</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Tohumu panoya kopyalar</source>
        <translation>Copies the seed to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Saatten (her "Sıfırla" yeni bir tohum alır)</source>
        <translation>From the &amp;clock (every "Reset" takes a new seed)</translation>
    </message>
    <message>
        <source>&amp;Bu tohum:</source>
        <translation>&amp;This seed:</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tohum, 0 ile 4294967295 arasında bir tam sayı olmalıdır (yalnızca rakamlar).</source>
        <translation>The seed must be a whole number from 0 to 4294967295 (digits only).</translation>
    </message>
</context>
<context>
    <name>ga::qt::SpreadChart</name>
    <message>
        <source>Deney grafiği</source>
        <translation>Experiment chart</translation>
    </message>
    <message>
        <source>Nesil</source>
        <translation>Generations</translation>
    </message>
    <message>
        <source>Ulaşan</source>
        <translation>Reached</translation>
    </message>
    <message>
        <source>%%1</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Sonuç yok: bir deney başlatınız.</source>
        <translation>No results: start an experiment.</translation>
    </message>
    <message>
        <source>alt–üst çeyrek</source>
        <translation>lower–upper quartile</translation>
    </message>
    <message>
        <source>ortanca</source>
        <translation>median</translation>
    </message>
    <message>
        <source>ortalama</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>en az–en çok nesil</source>
        <translation>fewest–most generations</translation>
    </message>
    <message>
        <source>hedefe ulaşan yüzdesi (sağ eksen)</source>
        <translation>share that reached the target (right axis)</translation>
    </message>
    <message>
        <source>Her ayar için hedefe ulaşan çalıştırmaların nesil dağılımı ve hedefe ulaşanların yüzdesi.</source>
        <translation>For each setting, the spread of the generations of the runs that reached the target, and the share that reached it.</translation>
    </message>
    <message>
        <source>Henüz sonuç yok.</source>
        <translation>No results yet.</translation>
    </message>
    <message>
        <source>%1 %2:</source>
        <translation>%1 %2:</translation>
    </message>
    <message>
        <source>çalıştırma yok.</source>
        <translation>no runs.</translation>
    </message>
    <message>
        <source>%%1 ulaştı</source>
        <translation>%1% reached the target</translation>
    </message>
    <message>
        <source>(ortanca %1 nesil, en az %2, en çok %3)</source>
        <translation>(median %1 generations, fewest %2, most %3)</translation>
    </message>
    <message>
        <source>ve %1 ayar daha.</source>
        <translation>and %1 more settings.</translation>
    </message>
</context>
<context>
    <name>ga::qt::SummaryModel</name>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%%1</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Çalıştırma</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Hedefe ulaşan</source>
        <translation>Reached the target</translation>
    </message>
    <message>
        <source>Ulaşan yüzdesi</source>
        <translation>Reached (%)</translation>
    </message>
    <message>
        <source>En az nesil</source>
        <translation>Fewest generations</translation>
    </message>
    <message>
        <source>Alt çeyrek</source>
        <translation>Lower quartile</translation>
    </message>
    <message>
        <source>Ortanca</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Ortalama</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Üst çeyrek</source>
        <translation>Upper quartile</translation>
    </message>
    <message>
        <source>En çok nesil</source>
        <translation>Most generations</translation>
    </message>
</context>
</TS>