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
        <source>A&amp;yar başına çalıştırma:</source>
        <translation>R&amp;uns per setting:</translation>
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
        <source>&amp;İptal</source>
        <translation>Ca&amp;ncel</translation>
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
        <source>Ö&amp;zet</source>
        <translation>Summ&amp;ary</translation>
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
        <source>Özeti kaydet (CS&amp;V)…</source>
        <translation>Save summar&amp;y to CSV…</translation>
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
        <source>Ana pencerede a&amp;ç</source>
        <translation>O&amp;pen in main window</translation>
    </message>
    <message>
        <source>Seçilen çalıştırmanın girdilerini ana pencerenin kutularına yazar, tohumunu sabitler ve ana pencereyi sıfırlar: ardından “Hazırla” ve “Başlat” o çalıştırmayı aynen yeniden oynatır.</source>
        <translation>Types the chosen run's inputs into the main window's boxes, fixes its seed and resets the main window: “Prepare” and “Start” then replay that run exactly.</translation>
    </message>
    <message>
        <source>Yöntem</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Bir liste (1, 5, 10) ya da BAŞLANGIÇ:BİTİŞ:ADIM biçiminde bir aralık (0:100:5); ondalık ayırıcı noktadır. Yöntemler: ga (genetik algoritma), random (rastgele arama), hill (tepe tırmanma).</source>
        <translation>A list (1, 5, 10) or a range START:END:STEP (0:100:5); the decimal separator is the point. Methods: ga (genetic algorithm), random (random search), hill (hill climbing).</translation>
    </message>
    <message>
        <source>Ana pencerede aç</source>
        <translation>Open in the main window</translation>
    </message>
</context>
<context>
    <name>ga::qt::FamilyTreeDrawing</name>
    <message>
        <source>(ortak ata)</source>
        <translation>(shared ancestor)</translation>
    </message>
</context>
<context>
    <name>ga::qt::FamilyTreeWindow</name>
    <message>
        <source>Soy Ağacı</source>
        <translation>Family Tree</translation>
    </message>
    <message>
        <source>Derinlik</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Seçilen bireyden geriye kaç ebeveyn kuşağı gösterilir</source>
        <translation>How many generations of parents are shown back from the chosen individual</translation>
    </message>
    <message>
        <source>&amp;Derinlik (ebeveyn kuşağı):</source>
        <translation>&amp;Depth (parent generations):</translation>
    </message>
    <message>
        <source>Soy ağacı çizimi</source>
        <translation>Family tree drawing</translation>
    </message>
    <message>
        <source>Soy ağacı</source>
        <translation>Family tree</translation>
    </message>
    <message>
        <source>Seçilen birey ve ebeveynleri; ok tuşlarıyla gezilir, sağ ok açar, sol ok kapatır.</source>
        <translation>The chosen individual and its parents; the arrow keys walk it, Right opens and Left closes an item.</translation>
    </message>
    <message>
        <source>Kırmızı çizgi: ebeveynin bir basamağı o çiftleşmede mutasyona uğradı; turuncu: aynı nesilde daha önceki bir çiftleşmede. Kalın çerçeve: birden çok yoldan ulaşılan ortak ata, bir kez çizilir. Yeşil: "Hazırla"nın ürettiği birey; kesikli çerçeve: ayrıntısı bellek sınırı yüzünden silinmiş.</source>
        <translation>Red line: a digit of the parent mutated in that very mating; orange: in an earlier mating of the same generation. Thick frame: a shared ancestor reached along more than one line, drawn once. Green: an individual "Prepare" made; dashed frame: its detail was dropped for the memory limit.</translation>
    </message>
    <message>
        <source>"Hazırla" üretti (nesil %1, %2. sıra)</source>
        <translation>made by "Prepare" (generation %1, position %2)</translation>
    </message>
    <message>
        <source>nesil %1 ya da öncesinde doğdu (ayrıntısı silindi)</source>
        <translation>born in generation %1 or earlier (detail dropped)</translation>
    </message>
    <message>
        <source>doğum: nesil %1, %2. sıra</source>
        <translation>born: generation %1, position %2</translation>
    </message>
    <message>
        <source>%1. basamak %2: %3 → %4</source>
        <translation>digit %1 %2: %3 → %4</translation>
    </message>
    <message>
        <source> (aynı nesilde, %1. çiftleşmede)</source>
        <translation> (same generation, mating %1)</translation>
    </message>
    <message>
        <source>, bu basamak çocuğa geçmedi</source>
        <translation>, a digit the child did not take</translation>
    </message>
    <message>
        <source>Bu ağacın çalıştırması artık yok ("Sıfırla" ya da yeni bir "Hazırla"). Geçmiş penceresinden yeni bir birey seçiniz.</source>
        <translation>The run of this tree is gone ("Reset" or a new "Prepare"). Choose an individual again in the history window.</translation>
    </message>
    <message>
        <source>Bu nesil artık açılamaz: ayrıntısı bellek sınırı yüzünden silindi.</source>
        <translation>This generation can no longer be opened: its detail was dropped for the memory limit.</translation>
    </message>
    <message>
        <source>F = %1</source>
        <translation>F = %1</translation>
    </message>
    <message>
        <source>%1 birey ve %2 çizgi; %3 çizgide mutasyon var. Aynı bilgiler yandaki ağaç görünümünde.</source>
        <translation>%1 individuals and %2 lines; %3 lines carry a mutation. The same is listed in the tree view beside.</translation>
    </message>
    <message>
        <source>Nesil %1, %2. sıradaki birey, gen %3</source>
        <translation>Generation %1, individual at position %2, gene %3</translation>
    </message>
    <message>
        <source>%1 (%2). Ağaçta %3 birey ve %4 çizgi var; %5 çizgide mutasyon.</source>
        <translation>%1 (%2). The tree holds %3 individuals and %4 lines; %5 lines carry a mutation.</translation>
    </message>
    <message>
        <source> — ebeveynleri derinlik sınırının ötesinde</source>
        <translation> — its parents lie beyond the depth</translation>
    </message>
    <message>
        <source>Seçilen birey: %1</source>
        <translation>Chosen individual: %1</translation>
    </message>
    <message>
        <source>1. ebeveyn (x, y basamakları)</source>
        <translation>1st parent (digits x, y)</translation>
    </message>
    <message>
        <source>2. ebeveyn (z, k, c basamakları)</source>
        <translation>2nd parent (digits z, k, c)</translation>
    </message>
    <message>
        <source>mutasyon: %1</source>
        <translation>mutation: %1</translation>
    </message>
    <message>
        <source> — ortak ata, yukarıda gösterildi</source>
        <translation> — shared ancestor, shown above</translation>
    </message>
</context>
<context>
    <name>ga::qt::FileMenu</name>
    <message>
        <source>Raporu dışa aktar</source>
        <translation>Export the report</translation>
    </message>
    <message>
        <source>Metin dosyaları (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>rapor.txt</source>
        <translation>report.txt</translation>
    </message>
    <message>
        <source>Popülasyonu ve geçmişi dışa aktar</source>
        <translation>Export the population and history</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>calisma.csv</source>
        <translation>run.csv</translation>
    </message>
    <message>
        <source>&amp;Dosya</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Oturumu &amp;aç…</source>
        <translation>&amp;Open session…</translation>
    </message>
    <message>
        <source>Oturumu &amp;kaydet</source>
        <translation>&amp;Save session</translation>
    </message>
    <message>
        <source>&amp;Farklı kaydet…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Son oturumlar</source>
        <translation>&amp;Recent sessions</translation>
    </message>
    <message>
        <source>Dışa akta&amp;r</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Rapor (metin)…</source>
        <translation>&amp;Report (text)…</translation>
    </message>
    <message>
        <source>&amp;Popülasyon ve geçmiş (CSV)…</source>
        <translation>&amp;Population and history (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Grafikler (PNG)…</source>
        <translation>&amp;Charts (PNG)…</translation>
    </message>
    <message>
        <source>Grafikler (&amp;SVG)…</source>
        <translation>Charts (&amp;SVG)…</translation>
    </message>
    <message>
        <source>Dosya bulunamadı.</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>Bu bir dosya değil.</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>Dosya, bir oturum için fazla büyük (en çok %1 MB).</source>
        <translation>The file is too large for a session (at most %1 MB).</translation>
    </message>
    <message>
        <source>Dosya okunamadı: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <source>Dosya bozuk ya da yarıda kesilmiş: %1. baytta geçerli bir JSON belgesi olmaktan çıkıyor.</source>
        <translation>The file is damaged or cut short: it stops being a valid JSON document at byte %1.</translation>
    </message>
    <message>
        <source>Dosya bu programın kaydettiği bir oturum değil.</source>
        <translation>The file is not a session saved by this program.</translation>
    </message>
    <message>
        <source>Dosya, programın daha yeni bir sürümüyle kaydedilmiş (biçim sürümü %1; bu sürüm en çok %2 okuyabilir). Açmak için programın yeni sürümünü kurun.</source>
        <translation>The file was saved by a newer version of the program (format version %1; this version reads up to %2). Install the newer version to open it.</translation>
    </message>
    <message>
        <source>Dosyadaki “%1” alanı eksik ya da geçersiz.</source>
        <translation>The field “%1” in the file is missing or invalid.</translation>
    </message>
    <message>
        <source>Dosyadaki bir kutu metni çok uzun ya da satır sonu içeriyor.</source>
        <translation>A box's text in the file is too long or holds a line break.</translation>
    </message>
    <message>
        <source>Dosyadaki rastgele sayı üretecinin durumu geçersiz.</source>
        <translation>The random generator's state in the file is invalid.</translation>
    </message>
    <message>
        <source>Dosyadaki zamanlayıcı aralığı geçersiz.</source>
        <translation>The timer interval in the file is invalid.</translation>
    </message>
    <message>
        <source>Dosyadaki popülasyon listeleri çok uzun.</source>
        <translation>The population lists in the file are too long.</translation>
    </message>
    <message>
        <source>Dosyadaki grafik çizimleri geçersiz.</source>
        <translation>The chart drawings in the file are invalid.</translation>
    </message>
    <message>
        <source>Dosyadaki rapor satırları geçersiz.</source>
        <translation>The report lines in the file are invalid.</translation>
    </message>
    <message>
        <source>Dosyadaki çalışma geçmişi kendi içinde tutarsız.</source>
        <translation>The run history in the file does not hold together.</translation>
    </message>
    <message>
        <source>Dosyadaki popülasyon, çalışma geçmişinin son nesliyle aynı değil.</source>
        <translation>The population in the file is not the last generation of its run history.</translation>
    </message>
    <message>
        <source>Dosyadaki “Başlat” düğmesinin durumu çalışma geçmişiyle uyuşmuyor.</source>
        <translation>Whether “Başlat” is usable does not match the run history in the file.</translation>
    </message>
    <message>
        <source>Dosya okunamadı.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>“%1” oturumu kaydedilemedi.</source>
        <translation>The session “%1” could not be saved.</translation>
    </message>
    <message>
        <source>Oturumu aç</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>Genetik Algoritma oturumları (*.genetik);;Bütün dosyalar (*)</source>
        <translation>Genetik Algoritma sessions (*.genetik);;All files (*)</translation>
    </message>
    <message>
        <source>oturum.genetik</source>
        <translation>session.genetik</translation>
    </message>
    <message>
        <source>Oturumu kaydet</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>Genetik Algoritma oturumları (*.genetik)</source>
        <translation>Genetik Algoritma sessions (*.genetik)</translation>
    </message>
    <message>
        <source>(Henüz oturum yok)</source>
        <translation>(No sessions yet)</translation>
    </message>
    <message>
        <source>Listeyi &amp;temizle</source>
        <translation>&amp;Clear the list</translation>
    </message>
    <message>
        <source>Rapor “%1” dosyasına yazılamadı.</source>
        <translation>The report could not be written to “%1”.</translation>
    </message>
    <message>
        <source>Popülasyon ve geçmiş “%1” dosyasına yazılamadı.</source>
        <translation>The population and history could not be written to “%1”.</translation>
    </message>
    <message>
        <source>Grafik “%1” dosyasına yazılamadı.</source>
        <translation>The chart could not be written to “%1”.</translation>
    </message>
    <message>
        <source>Grafikleri PNG olarak dışa aktar</source>
        <translation>Export the charts as PNG</translation>
    </message>
    <message>
        <source>Grafikleri SVG olarak dışa aktar</source>
        <translation>Export the charts as SVG</translation>
    </message>
    <message>
        <source>PNG resimleri (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>SVG çizimleri (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>grafikler.png</source>
        <translation>charts.png</translation>
    </message>
    <message>
        <source>grafikler.svg</source>
        <translation>charts.svg</translation>
    </message>
    <message>
        <source>Üzerine yaz</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Vazgeç</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>“%1” oturumu açılamadı.</source>
        <translation>The session “%1” could not be opened.</translation>
    </message>
    <message>
        <source>Penceredeki çalışma değişmedi.</source>
        <translation>The run in the window is unchanged.</translation>
    </message>
    <message>
        <source>Şu dosyalar zaten var:</source>
        <translation>These files already exist:</translation>
    </message>
    <message>
        <source>Üzerlerine yazılsın mı?</source>
        <translation>Replace them?</translation>
    </message>
    <message>
        <source>Varsa önceki dosya olduğu gibi duruyor; penceredeki çalışma değişmedi.</source>
        <translation>The previous file, if there was one, is as it was; the run in the window is unchanged.</translation>
    </message>
</context>
<context>
    <name>ga::qt::HistoryChartWidget</name>
    <message>
        <source>En iyi uyum</source>
        <translation>Best fitness</translation>
    </message>
    <message>
        <source>Ortalama uyum</source>
        <translation>Mean fitness</translation>
    </message>
    <message>
        <source>En kötü uyum</source>
        <translation>Worst fitness</translation>
    </message>
    <message>
        <source>Farklı gen sayısı (sağ eksen)</source>
        <translation>Distinct genes (right axis)</translation>
    </message>
    <message>
        <source>Henüz geçmiş yok. "Hazırla" ile başlayan çalıştırmanın bütün nesilleri burada görünür.</source>
        <translation>No history yet. Every generation of a run that "Prepare" starts shows here.</translation>
    </message>
    <message>
        <source>Nesil</source>
        <translation>Generation</translation>
    </message>
</context>
<context>
    <name>ga::qt::HistoryWindow</name>
    <message>
        <source>Çalışma Geçmişi</source>
        <translation>Run History</translation>
    </message>
    <message>
        <source>Çalışma geçmişi grafiği</source>
        <translation>Run history chart</translation>
    </message>
    <message>
        <source>&amp;Logaritmik uyum ekseni</source>
        <translation>&amp;Logarithmic fitness axis</translation>
    </message>
    <message>
        <source>Nesil seçici</source>
        <translation>Generation selector</translation>
    </message>
    <message>
        <source>Nesil</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>&amp;Nesil:</source>
        <translation>&amp;Generation:</translation>
    </message>
    <message>
        <source>Seçili nesil</source>
        <translation>Selected generation</translation>
    </message>
    <message>
        <source>Popülasyon</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Seçili neslin bireyleri: sıra, gen, F ve uyum. Bir bireyin soy ağacı için Enter.</source>
        <translation>The selected generation's individuals: position, gene, F and fitness. Enter opens an individual's family tree.</translation>
    </message>
    <message>
        <source>&amp;Popülasyon (Enter ya da çift tıklama: soy ağacı)</source>
        <translation>&amp;Population (Enter or double click: family tree)</translation>
    </message>
    <message>
        <source>Rapor satırları</source>
        <translation>Report lines</translation>
    </message>
    <message>
        <source>&amp;Rapor satırları</source>
        <translation>&amp;Report lines</translation>
    </message>
    <message>
        <source>Geçmiş boş: "Hazırla" ile bir çalıştırma başlayınca her nesli burada izlenir.</source>
        <translation>The history is empty: once "Prepare" starts a run, every generation of it can be followed here.</translation>
    </message>
    <message>
        <source>Bu geçmiş, "Sıfırla" olmadan basılan "Hazırla" ile başladı: ilk nesli %1, yeni hazırlanan popülasyondur.</source>
        <translation>This history began with "Prepare" pressed without "Reset": its first generation, %1, is the newly prepared population.</translation>
    </message>
    <message>
        <source>Bellek sınırı (%1 MB) yüzünden nesil %2 – %3 ayrıntısı silindi: bu nesiller açılamaz, grafikteki özetleri duruyor.</source>
        <translation>The detail of generations %2 – %3 was dropped for the memory limit (%1 MB): they can no longer be opened; their summaries stay in the chart.</translation>
    </message>
    <message>
        <source>Grafik, her %1 neslin en küçük ve en büyük değerlerini birlikte tutuyor.</source>
        <translation>The chart now keeps the smallest and largest values of every %1 generations together.</translation>
    </message>
    <message>
        <source>Bellek: %1 MB (sınır %2 MB).</source>
        <translation>Memory: %1 MB (limit %2 MB).</translation>
    </message>
    <message>
        <source>Henüz nesil yok.</source>
        <translation>No generation yet.</translation>
    </message>
    <message>
        <source>Geçmiş boş.</source>
        <translation>The history is empty.</translation>
    </message>
    <message>
        <source>%1 neslin en iyi, ortalama ve en kötü uyumu ile farklı gen sayısı; seçili nesil %2.</source>
        <translation>Best, mean and worst fitness and the number of distinct genes of %1 generations; selected generation %2.</translation>
    </message>
    <message>
        <source>Nesil %1 artık açılamaz: ayrıntısı bellek sınırı yüzünden silindi. Grafikteki özeti duruyor.</source>
        <translation>Generation %1 can no longer be opened: its detail was dropped for the memory limit. Its summary stays in the chart.</translation>
    </message>
    <message>
        <source>en iyi uyum %1, ortalama %2, en kötü %3, %4 farklı gen</source>
        <translation>best fitness %1, mean %2, worst %3, %4 distinct genes</translation>
    </message>
    <message>
        <source>Nesil %1: "Hazırla"nın ürettiği popülasyon; %2.</source>
        <translation>Generation %1: the population "Prepare" made; %2.</translation>
    </message>
    <message>
        <source>Nesil %1: %2.</source>
        <translation>Generation %1: %2.</translation>
    </message>
    <message>
        <source>Soy ağacını aç</source>
        <translation>Open the family tree</translation>
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
        <source>&amp;Geçmiş…</source>
        <translation>&amp;History…</translation>
    </message>
    <message>
        <source>D&amp;eney…</source>
        <translation>E&amp;xperiment…</translation>
    </message>
    <message>
        <source>&amp;Arama uzayı…</source>
        <translation>&amp;Search space…</translation>
    </message>
</context>
<context>
    <name>ga::qt::PopulationModel</name>
    <message>
        <source>hazırlandı</source>
        <translation>prepared</translation>
    </message>
    <message>
        <source>hayatta kaldı</source>
        <translation>survived</translation>
    </message>
    <message>
        <source>yeni doğdu</source>
        <translation>newborn</translation>
    </message>
    <message>
        <source>Sıra</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gene</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Durum</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ga::qt::PresentationMode</name>
    <message>
        <source>&amp;Sunum modu</source>
        <translation>&amp;Presentation mode</translation>
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
        <translation>Generation</translation>
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
    <message>
        <source>Yöntem</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Hedefe dek değerlendirme</source>
        <translation>Evaluations to the target</translation>
    </message>
</context>
<context>
    <name>ga::qt::SearchSpaceWindow</name>
    <message>
        <source>Arama Uzayı</source>
        <translation>Search Space</translation>
    </message>
    <message>
        <source>Beş basamaklı bütün genler (00000 … 99999), ana penceredeki fonksiyon ve hedefle, çalıştırmanın hesapladığı gibi değerlendirildi. Kutular değişince hepsi yeniden hesaplanır.</source>
        <translation>Every five-digit gene (00000 … 99999) evaluated with the main window's function and target, just as the run evaluates it. When the boxes change, all of them are evaluated again.</translation>
    </message>
    <message>
        <source>En iyi uyuma ulaşan &amp;genler (ilk %1 tanesi):</source>
        <translation>&amp;Genes reaching the best fitness (the first %1):</translation>
    </message>
    <message>
        <source>En iyi uyuma ulaşan genler</source>
        <translation>Genes reaching the best fitness</translation>
    </message>
    <message>
        <source>&amp;CSV olarak kaydet…</source>
        <translation>Save as &amp;CSV…</translation>
    </message>
    <message>
        <source>En iyi genleri CSV olarak kaydet</source>
        <translation>Save the best genes as CSV</translation>
    </message>
    <message>
        <source>Uyum &amp;dağılımı (her çubuk, o uyum aralığındaki gen sayısı):</source>
        <translation>Fitness &amp;distribution (each bar: the number of genes in that range of fitness):</translation>
    </message>
    <message>
        <source>Uyum dağılımı</source>
        <translation>Fitness distribution</translation>
    </message>
    <message>
        <source>&amp;Logaritmik</source>
        <translation>&amp;Logarithmic</translation>
    </message>
    <message>
        <source>Logaritmik uyum ekseni</source>
        <translation>Logarithmic fitness axis</translation>
    </message>
    <message>
        <source>Gen haritası</source>
        <translation>Gene map</translation>
    </message>
    <message>
        <source>Arama uzayının özeti</source>
        <translation>Search space summary</translation>
    </message>
    <message>
        <source>Kıyaslama ölçütleri</source>
        <translation>Yardsticks</translation>
    </message>
    <message>
        <source>Seçili gen</source>
        <translation>Chosen gene</translation>
    </message>
    <message>
        <source>Çalıştırmanın durumu</source>
        <translation>Where the run stands</translation>
    </message>
    <message>
        <source>Dağılımın dışında kalan genler</source>
        <translation>Genes outside the distribution</translation>
    </message>
    <message>
        <source>Hiçbir genin uyumu tanımlı değil: her gen için F sonsuz ya da tanımsız.</source>
        <translation>No gene has a finite fitness: for every gene F is infinite or undefined.</translation>
    </message>
    <message>
        <source>Ulaşılabilecek en iyi uyum %1; bu uyuma %2 gen ulaşıyor. Hedefe tam ulaşan (uyumu 0 olan) gen sayısı: %3.</source>
        <translation>The best fitness any gene reaches is %1; %2 genes reach it. Genes that hit the target exactly (fitness 0): %3.</translation>
    </message>
    <message>
        <source>Hiçbir gen hedefe tam ulaşmıyor: ne sırayla tarama ne rastgele arama hedefi bulabilir.</source>
        <translation>No gene hits the target exactly: neither a search in order nor a random search can find it.</translation>
    </message>
    <message>
        <source>Genleri sırayla (00000, 00001, …) deneyen bir tarama hedefe %1 değerlendirmede ulaşır. Genleri rastgele ve tekrarsız deneyen bir arama ortalama %2 değerlendirmede ulaşır.</source>
        <translation>A search trying the genes in order (00000, 00001, …) reaches the target after %1 evaluations. A search trying random genes without repetition needs %2 evaluations on average.</translation>
    </message>
    <message>
        <source>Hedefte (uyum 0): %1 gen. Uyumu sonsuz ya da tanımsız: %2 gen.</source>
        <translation>At the target (fitness 0): %1 genes. Infinite or undefined fitness: %2 genes.</translation>
    </message>
    <message>
        <source>%1 dilim; uyum %2 ile %3 arasında; bir dilimde en çok %4 gen.</source>
        <translation>%1 bins; fitness from %2 to %3; at most %4 genes in one bin.</translation>
    </message>
    <message>
        <source>Gen %1: x = %2, y = %3, z = %4, k = %5, c = %6; F = %7; uyum = %8; 100.000 gen içinde %9. sırada.</source>
        <translation>Gene %1: x = %2, y = %3, z = %4, k = %5, c = %6; F = %7; fitness = %8; rank %9 of 100,000 genes.</translation>
    </message>
    <message>
        <source>Popülasyonun bütün genleri haritanın dışında.</source>
        <translation>All of the population's genes lie outside the map.</translation>
    </message>
    <message>
        <source>Popülasyonun en iyi geni %1: 100.000 gen içinde %2. sırada (en iyi %%3).</source>
        <translation>The population's best gene %1: rank %2 of 100,000 genes (top %3 %).</translation>
    </message>
    <message>
        <source>En iyi kaydın uyumu %1; gerçek en iyiden uzaklığı %2.</source>
        <translation>The best record's fitness is %1; its distance from the true optimum is %2.</translation>
    </message>
    <message>
        <source>Haritanın dışında (bir basamağı 9'u aşmış ya da 0'ın altına inmiş) %1 gen var.</source>
        <translation>Genes outside the map (a digit carried past 9 or below 0): %1.</translation>
    </message>
    <message>
        <source>En iyi genleri kaydet</source>
        <translation>Save the best genes</translation>
    </message>
    <message>
        <source>en-iyi-genler.csv</source>
        <translation>best-genes.csv</translation>
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
        <source>Gen &amp;haritası: her hücre bir gen, satır başına 400 gen (00000 sol üstte). Açık renk iyi uyum, koyu renk kötü uyum, gri sonsuz uyum; kırmızı halkalar popülasyon. Tıklayın ya da ok tuşlarıyla gezinin.</source>
        <translation>Gene &amp;map: one cell per gene, 400 genes a row (00000 at the top left). Light is good fitness, dark is poor fitness, grey is infinite fitness; red rings are the population. Click, or move with the arrow keys.</translation>
    </message>
    <message>
        <source>Henüz popülasyon yok: "Hazırla" ile bir popülasyon oluşturulunca genleri haritada işaretlenir ve çalıştırma boyunca izlenir.</source>
        <translation>No population yet: once "Prepare" makes one, its genes are marked on the map and followed while the run goes on.</translation>
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
        <translation>Generation</translation>
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
    <message>
        <source>Yöntem</source>
        <translation>Method</translation>
    </message>
</context>
<context>
    <name>ga::qt::TouchBar</name>
    <message>
        <source>Hız: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>◀ Yavaş</source>
        <translation>◀ Slower</translation>
    </message>
    <message>
        <source>Daha yavaş</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Hızlı ▶</source>
        <translation>Faster ▶</translation>
    </message>
    <message>
        <source>Daha hızlı</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Sunumdan çık</source>
        <translation>Leave presentation</translation>
    </message>
</context>
</TS>