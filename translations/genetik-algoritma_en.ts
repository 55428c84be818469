<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="tr">
<context>
    <name>BankText</name>
    <message>
        <source>Genetik algoritma: tahmin soruları</source>
        <translation>Genetic algorithm: prediction questions</translation>
    </message>
    <message>
        <source>Hedef: %1. Mutasyon oranı: %%2.</source>
        <translation>Target: %1. Mutation rate: %2%.</translation>
    </message>
    <message>
        <source>Temel tohum: %1.</source>
        <translation>Base seed: %1.</translation>
    </message>
    <message>
        <source>Soru %1 — %2</source>
        <translation>Question %1 — %2</translation>
    </message>
    <message>
        <source>Pencerede görmek için: tohumu %1 olarak sabitleyin ve “%2” düğmesine basın.</source>
        <translation>To see it in the window: fix the seed at %1 and press “%2”.</translation>
    </message>
    <message>
        <source>Pencerede görmek için: tohumu %1 olarak sabitleyin, “%2” düğmesine basın ve %3. nesle kadar ilerletin.</source>
        <translation>To see it in the window: fix the seed at %1, press “%2” and step on to generation %3.</translation>
    </message>
    <message>
        <source>Bu nesilden önceki popülasyon aşağıda, pencerenin listelerindeki sırayla.</source>
        <translation>The population before this generation is below, in the order of the window&apos;s lists.</translation>
    </message>
    <message>
        <source>Mutasyon oranı %%1. Bu nesilden önceki popülasyon aşağıda.</source>
        <translation>Mutation rate %1%. The population before this generation is below.</translation>
    </message>
    <message>
        <source>Satır</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>Gene</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>temel tohum %1</source>
        <translation>base seed %1</translation>
    </message>
    <message>
        <source>Doğru: ölecek on bireyin hepsini seçtiniz.</source>
        <translation>Right: you chose all ten individuals that die.</translation>
    </message>
    <message>
        <source>Kısmen doğru.</source>
        <translation>Partly right.</translation>
    </message>
    <message>
        <source>Yanlış.</source>
        <translation>Wrong.</translation>
    </message>
    <message>
        <source>%1. satır: gen %2, F = %3, uyum %4</source>
        <translation>Row %1: gene %2, F = %3, fitness %4</translation>
    </message>
    <message>
        <source>Ölür: uyumu (%1), hayatta kalan son bireyin uyumundan (%2) büyük.</source>
        <translation>Dies: its fitness (%1) is greater than the last survivor&apos;s (%2).</translation>
    </message>
    <message>
        <source>Yaşar: uyumu (%1) en küçük on uyum arasında.</source>
        <translation>Lives: its fitness (%1) is among the ten smallest.</translation>
    </message>
    <message>
        <source>Ölür</source>
        <translation>Dies</translation>
    </message>
    <message>
        <source>Çocuğun geni:</source>
        <translation>The child&apos;s gene:</translation>
    </message>
    <message>
        <source>Uyum =</source>
        <translation>Fitness =</translation>
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
        <source>Ad, soyad:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Tarih:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Yanıt anahtarı</source>
        <translation>Answer key</translation>
    </message>
</context>
<context>
    <name>QtWindowOps</name>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QuestionText</name>
    <message>
        <source>Seçilim</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Çiftleşme</source>
        <translation>Mating</translation>
    </message>
    <message>
        <source>Uyum hesabı</source>
        <translation>Fitness calculation</translation>
    </message>
    <message>
        <source>İlerleme</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%1. nesilde hangi on birey ölecek? Listeden ölecek on bireyi seçin.</source>
        <translation>Which ten individuals will die in generation %1? Pick the ten in the list.</translation>
    </message>
    <message>
        <source>%1. nesildeki %2. çiftleşmede %3 ile %4 çiftleşecek. Hangi çocuk doğacak?</source>
        <translation>In mating %2 of generation %1, %3 and %4 will mate. Which child will be born?</translation>
    </message>
    <message>
        <source>%1. nesilde %2 geni doğacak. Bu genin F değeri ve uyumu ne olacak?</source>
        <translation>The gene %2 will be born in generation %1. What will its value of F and its fitness be?</translation>
    </message>
    <message>
        <source>%1. nesilde popülasyonun en iyi uyumu iyileşecek mi? Şimdiki en iyi uyum %2.</source>
        <translation>Will the best fitness of the population improve in generation %1? The best fitness now is %2.</translation>
    </message>
    <message>
        <source>Satırlar, listelerin şu anda gösterdiği bireylerdir: gen ve uyum değeri.</source>
        <translation>The rows are the individuals the lists show now: gene and fitness.</translation>
    </message>
    <message>
        <source>Birinci ebeveynin basamakları: %1. İkinci ebeveynin basamakları: %2.</source>
        <translation>The first parent&apos;s digits: %1. The second parent&apos;s digits: %2.</translation>
    </message>
    <message>
        <source>Bu nesildeki daha önceki bir mutasyon bu basamakları değiştirdi; yukarıdakiler çiftleşme anındaki basamaklardır.</source>
        <translation>An earlier mutation in this generation changed these digits; the ones above are the digits at the moment of mating.</translation>
    </message>
    <message>
        <source>Çekilen sayılara göre bu çiftleşmede mutasyon olmayacak.</source>
        <translation>By the numbers drawn, there will be no mutation in this mating.</translation>
    </message>
    <message>
        <source>birinci ebeveynin</source>
        <translation>the first parent&apos;s</translation>
    </message>
    <message>
        <source>ikinci ebeveynin</source>
        <translation>the second parent&apos;s</translation>
    </message>
    <message>
        <source>Çekilen sayılara göre önce %1 %2. basamağı bir artacak (mutasyon).</source>
        <translation>By the numbers drawn, %1 digit %2 will first go up by one (a mutation).</translation>
    </message>
    <message>
        <source>Çekilen sayılara göre önce %1 %2. basamağı bir azalacak (mutasyon).</source>
        <translation>By the numbers drawn, %1 digit %2 will first go down by one (a mutation).</translation>
    </message>
    <message>
        <source>F = %1. Hedef: %2. Genin basamakları (x y z k c): %3. Sayıları listelerdeki gibi yazın.</source>
        <translation>F = %1. Target: %2. The gene&apos;s digits (x y z k c): %3. Write the numbers as the lists write them.</translation>
    </message>
    <message>
        <source>Yanıt için 1 (Evet) ya da 2 (Hayır) tuşuna basabilirsiniz.</source>
        <translation>You can answer with the keys 1 (Yes) and 2 (No).</translation>
    </message>
    <message>
        <source>Ölenler: %1. satırlar.</source>
        <translation>Died: rows %1.</translation>
    </message>
    <message>
        <source>Doğan çocuk: %1.</source>
        <translation>The child born: %1.</translation>
    </message>
    <message>
        <source>F = %1, uyum = %2.</source>
        <translation>F = %1, fitness = %2.</translation>
    </message>
    <message>
        <source>Evet, en iyi uyum iyileşti.</source>
        <translation>Yes, the best fitness improved.</translation>
    </message>
    <message>
        <source>Hayır, en iyi uyum iyileşmedi.</source>
        <translation>No, the best fitness did not improve.</translation>
    </message>
    <message>
        <source>Soru sorulduktan sonra çalışma değişti; yanıt gösterilen nesilden alındı.</source>
        <translation>The run changed after the question was asked; the answer is taken from the generation shown.</translation>
    </message>
    <message>
        <source>Sıralama uyuma göre yapılır: hedefe en uzak, yani uyumu en büyük on birey ölür. Hayatta kalan son bireyin uyumu %1. Bu neslin raporundaki ilk on satır ölenleri yazar.</source>
        <translation>The ranking goes by fitness: the ten individuals furthest from the target, those with the largest fitness, die. The last survivor has fitness %1. The first ten lines of this generation in the report name the dead.</translation>
    </message>
    <message>
        <source>%1. satırlardaki bireylerin uyumu eşit (%2). Hangisinin öleceğini sıralamanın yer değiştirme sırası belirledi; bu yüzden aralarından hangisini seçtiyseniz doğru sayılır.</source>
        <translation>The individuals in rows %1 have equal fitness (%2). The order of the exchanges in the ranking decided which of them died, so whichever of them you picked counts as right.</translation>
    </message>
    <message>
        <source>Önce mutasyon oldu; raporun bu nesildeki %1. satırı bunu yazar: «%2».</source>
        <translation>First came the mutation; line %1 of this generation in the report says so: “%2”.</translation>
    </message>
    <message>
        <source>Çocuk birinci ebeveynin ilk iki basamağını (%1 %2) ve ikinci ebeveynin son üç basamağını (%3 %4 %5) alır: %6. Raporun bu nesildeki %7. satırı: «%8». Bireyler listesinin %9. satırında görünür.</source>
        <translation>The child takes the first parent&apos;s first two digits (%1 %2) and the second parent&apos;s last three digits (%3 %4 %5): %6. Line %7 of this generation in the report: “%8”. It is in row %9 of the Bireyler list.</translation>
    </message>
    <message>
        <source>F = %1 = %2. Uyum, F ile hedef arasındaki uzaklıktır: |%2 − %3| = %4. F(x,y,z,k,c) ve Uyum listelerinin %5. satırı bunları gösterir.</source>
        <translation>F = %1 = %2. The fitness is the distance between F and the target: |%2 − %3| = %4. Row %5 of the F(x,y,z,k,c) and Uyum lists shows them.</translation>
    </message>
    <message>
        <source>Önceki en iyi uyum %1 idi; bu nesilden sonra en iyi uyum %2 (Uyum listesinin %3. satırı).</source>
        <translation>The best fitness was %1; after this generation it is %2 (row %3 of the Uyum list).</translation>
    </message>
    <message>
        <source>Doğan çocuklardan biri daha iyisini buldu.</source>
        <translation>One of the children born found a better one.</translation>
    </message>
    <message>
        <source>Hiçbir çocuk daha iyisini bulamadı; hayatta kalanlar en iyiyi korudu.</source>
        <translation>No child found a better one; the survivors kept the best.</translation>
    </message>
    <message>
        <source>%1 — Doğru: %2 / %3</source>
        <translation>%1 — Right: %2 / %3</translation>
    </message>
    <message>
        <source>Bu modda henüz nesil izlenmedi.</source>
        <translation>No generation has been watched in this mode yet.</translation>
    </message>
    <message>
        <source>İzlenen %1 nesilden %2 tanesinde en iyi uyum iyileşti (%%3).</source>
        <translation>The best fitness improved in %2 of the %1 generations watched (%3%).</translation>
    </message>
</context>
<context>
    <name>ga::ControlAccessibleName</name>
    <message>
        <source>Rapor</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Ayırıcı çizgi</source>
        <translation>Separator line</translation>
    </message>
    <message>
        <source>x katsayısı</source>
        <translation>coefficient of x</translation>
    </message>
    <message>
        <source>x üssü</source>
        <translation>exponent of x</translation>
    </message>
    <message>
        <source>y katsayısı</source>
        <translation>coefficient of y</translation>
    </message>
    <message>
        <source>y üssü</source>
        <translation>exponent of y</translation>
    </message>
    <message>
        <source>z katsayısı</source>
        <translation>coefficient of z</translation>
    </message>
    <message>
        <source>z üssü</source>
        <translation>exponent of z</translation>
    </message>
    <message>
        <source>k katsayısı</source>
        <translation>coefficient of k</translation>
    </message>
    <message>
        <source>k üssü</source>
        <translation>exponent of k</translation>
    </message>
    <message>
        <source>c katsayısı</source>
        <translation>coefficient of c</translation>
    </message>
    <message>
        <source>c üssü</source>
        <translation>exponent of c</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>Popülasyon</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Mutasyon Yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Hız (Önerilen=8)</source>
        <translation>Speed (default 8)</translation>
    </message>
    <message>
        <source>En iyi gen</source>
        <translation>Best gene</translation>
    </message>
    <message>
        <source>En iyi genin uyumu</source>
        <translation>Fitness of the best gene</translation>
    </message>
    <message>
        <source>En iyi gen, 1. basamak</source>
        <translation>Best gene, digit 1</translation>
    </message>
    <message>
        <source>En iyi gen, 2. basamak</source>
        <translation>Best gene, digit 2</translation>
    </message>
    <message>
        <source>En iyi gen, 3. basamak</source>
        <translation>Best gene, digit 3</translation>
    </message>
    <message>
        <source>En iyi gen, 4. basamak</source>
        <translation>Best gene, digit 4</translation>
    </message>
    <message>
        <source>En iyi gen, 5. basamak</source>
        <translation>Best gene, digit 5</translation>
    </message>
    <message>
        <source>En kötü gen</source>
        <translation>Worst gene</translation>
    </message>
    <message>
        <source>En kötü genin uyumu</source>
        <translation>Fitness of the worst gene</translation>
    </message>
    <message>
        <source>En kötü gen, 1. basamak</source>
        <translation>Worst gene, digit 1</translation>
    </message>
    <message>
        <source>En kötü gen, 2. basamak</source>
        <translation>Worst gene, digit 2</translation>
    </message>
    <message>
        <source>En kötü gen, 3. basamak</source>
        <translation>Worst gene, digit 3</translation>
    </message>
    <message>
        <source>En kötü gen, 4. basamak</source>
        <translation>Worst gene, digit 4</translation>
    </message>
    <message>
        <source>En kötü gen, 5. basamak</source>
        <translation>Worst gene, digit 5</translation>
    </message>
    <message>
        <source>Nesil</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Meydana gelen mutasyon</source>
        <translation>Mutations so far</translation>
    </message>
    <message>
        <source>Bireyler</source>
        <translation>Genes</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Optimizasyon Uyum Karakteristiği</source>
        <translation>Optimisation fitness characteristic</translation>
    </message>
    <message>
        <source>Çeşitlilik Dağılımı</source>
        <translation>Diversity distribution</translation>
    </message>
</context>
<context>
    <name>ga::ControlCaption</name>
    <message>
        <source>Amaç Fonksiyonu</source>
        <translation>Objective Function</translation>
    </message>
    <message>
        <source>Giriş Bilgileri ve İşlevler</source>
        <translation>Inputs and Commands</translation>
    </message>
    <message>
        <source>Sonuçlar</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Popülasyon</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>Grafikler</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Rapor</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Bekliyor...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>Bu program genetik algoritmaların anlaşılması, mevcut bilginin pekiştirilmesi ve alıştırma amacıyla yapılmıştır. Ücretsizdir; MIT lisansıyla serbestçe kullanılabilir, değiştirilebilir ve paylaşılabilir.</source>
        <translation>This program was made to help understand genetic algorithms, reinforce what you know and practise. It is free: under the MIT licence it may be used, changed and shared freely.</translation>
    </message>
    <message>
        <source>Kullanılacak form.</source>
        <translation>Form to use.</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı</source>
        <translation>Target number</translation>
    </message>
    <message>
        <source>Mutasyon Yüzdesi</source>
        <translation>Mutation percentage</translation>
    </message>
    <message>
        <source>Hız (Önerilen=8)</source>
        <translation>Speed (default 8)</translation>
    </message>
    <message>
        <source>Hazırla</source>
        <translation>Prepare</translation>
    </message>
    <message>
        <source>Başlat</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Durdur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Sıfırla</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>En iyi gen</source>
        <translation>Best gene</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>fitness</translation>
    </message>
    <message>
        <source>En kötü gen</source>
        <translation>Worst gene</translation>
    </message>
    <message>
        <source>Nesil</source>
        <extracomment>Keep it short: the label is only as wide as the Turkish word.</extracomment>
        <translation>Gen.</translation>
    </message>
    <message>
        <source>Meydana gelen mutasyon</source>
        <translation>Mutations so far</translation>
    </message>
    <message>
        <source>Bireyler           F(x,y,z,k,c)       Uyum</source>
        <extracomment>The runs of blanks line the three words up with the three lists below them.</extracomment>
        <translation>Genes            F(x,y,z,k,c)      Fitness</translation>
    </message>
    <message>
        <source>Optimizasyon Uyum Karakteristiği</source>
        <translation>Optimisation fitness characteristic</translation>
    </message>
    <message>
        <source>Çeşitlilik Dağılımı</source>
        <translation>Diversity distribution</translation>
    </message>
</context>
<context>
    <name>ga::ExperimentError</name>
    <message>
        <source>Değişen ayar; mutasyon yüzdesi (mutation), ulaşılacak sayı (target) ya da yöntem (method) olabilir.</source>
        <translation>The varied setting can be the mutation percentage (mutation), the target number (target) or the method (method).</translation>
    </message>
    <message>
        <source>Değerler boş. Bir liste (1, 5, 10) ya da bir aralık (0:100:5) yazınız.</source>
        <translation>No values. Type a list (1, 5, 10) or a range (0:100:5).</translation>
    </message>
    <message>
        <source>Değerlerden biri sayı değil. Ondalık ayırıcı noktadır (0.5); liste öğeleri virgülle ayrılır (1, 5, 10).</source>
        <translation>One of the values is not a number. The decimal separator is the point (0.5); list items are separated by commas (1, 5, 10).</translation>
    </message>
    <message>
        <source>Aralık BAŞLANGIÇ:BİTİŞ:ADIM biçiminde yazılır, örneğin 0:100:5.</source>
        <translation>A range is written START:END:STEP, for example 0:100:5.</translation>
    </message>
    <message>
        <source>Aralığın adımı 0 olamaz.</source>
        <translation>The step of the range cannot be 0.</translation>
    </message>
    <message>
        <source>Aralığın adımı bitişe doğru gitmiyor: bitiş başlangıçtan büyükse adım pozitif, küçükse negatif olmalıdır.</source>
        <translation>The step of the range does not lead to its end: it must be positive when the end is greater than the start, negative when it is smaller.</translation>
    </message>
    <message>
        <source>Ulaşılacak sayı 0&apos;dan büyük, en çok 100000 olmalıdır.</source>
        <translation>The target number must be greater than 0 and at most 100000.</translation>
    </message>
    <message>
        <source>Ayar başına çalıştırma sayısı 1 ya da daha büyük bir tam sayı olmalıdır.</source>
        <translation>The runs per setting must be a whole number of 1 or more.</translation>
    </message>
    <message>
        <source>Toplam çalıştırma sayısı (değer sayısı × ayar başına çalıştırma) en çok 1000000 olabilir.</source>
        <translation>The runs in all (values × runs per setting) can be at most 1000000.</translation>
    </message>
    <message>
        <source>Nesil sınırı 1 ile 1000000000 arasında bir tam sayı olmalıdır.</source>
        <translation>The generation limit must be a whole number from 1 to 1000000000.</translation>
    </message>
    <message>
        <source>Temel tohum 0 ile 4294967295 arasında bir tam sayı olmalıdır.</source>
        <translation>The base seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>İş parçacığı sayısı 1 ile 256 arasında bir tam sayı olmalıdır.</source>
        <translation>The number of threads must be a whole number from 1 to 256.</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi bir sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).</source>
        <translation>The mutation percentage must be a number. The decimal separator is the point (0.5).</translation>
    </message>
    <message>
        <source>Amaç fonksiyonunun katsayıları sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).</source>
        <translation>The coefficients of the objective function must be numbers. The decimal separator is the point (0.5).</translation>
    </message>
    <message>
        <source>Amaç fonksiyonunun üsleri sayı olmalıdır. Ondalık ayırıcı noktadır (0.5).</source>
        <translation>The exponents of the objective function must be numbers. The decimal separator is the point (0.5).</translation>
    </message>
    <message>
        <source>Yöntem; genetik algoritma (ga), rastgele arama (random) ya da tepe tırmanma (hill) olabilir.</source>
        <translation>The method can be the genetic algorithm (ga), random search (random) or hill climbing (hill).</translation>
    </message>
</context>
<context>
    <name>ga::Messages</name>
    <message>
        <source>Bekliyor...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>Hazırlandı. Başlatınız...</source>
        <translation>Prepared. Press Start...</translation>
    </message>
    <message>
        <source>Başlatıldı. İşlem devam ediyor...</source>
        <translation>Started. Running...</translation>
    </message>
    <message>
        <source>Durduruldu...</source>
        <translation>Stopped...</translation>
    </message>
    <message>
        <source>Sıfırlandı. Tekrar başlatılma bekleniyor...</source>
        <translation>Reset. Waiting for a new start...</translation>
    </message>
    <message>
        <source>Sonuca ulaşıldı. Sonuçları kontrol ediniz.</source>
        <translation>Target reached. Check the results.</translation>
    </message>
    <message>
        <source>Girdiğiniz değer çok büyük veya negatif</source>
        <translation>The value you entered is too large or negative</translation>
    </message>
    <message>
        <source>Genetik Algoritma %1 — genetik algoritmaların işleyişini (seçilim, çaprazlama ve mutasyon) adım adım gösteren bir öğretim programı.</source>
        <extracomment>%1 is the program&apos;s version.</extracomment>
        <translation>Genetik Algoritma %1 — a teaching program that shows, step by step, how a genetic algorithm works (selection, crossover and mutation).</translation>
    </message>
    <message>
        <source>%1 yaşlanarak öldü</source>
        <extracomment>A line of the report; %1 is a gene, written with a blank before it.</extracomment>
        <translation>%1 died of old age</translation>
    </message>
    <message>
        <source>%1 güçsüz birey olduğu için elendi</source>
        <extracomment>A line of the report; %1 is a gene, written with a blank before it.</extracomment>
        <translation>%1 was eliminated as a weak individual</translation>
    </message>
    <message>
        <source>%1 mutasyona uğradı. Yeni birey:%2</source>
        <extracomment>A line of the report; %1 is the gene before the mutation and %2 the new one, each written with a blank before it.</extracomment>
        <translation>%1 mutated. New individual:%2</translation>
    </message>
    <message>
        <source>%1 ile %2 çiftleşti ve %3 doğdu.</source>
        <extracomment>A line of the report; %1 and %2 are the parents&apos; genes, %3 the child&apos;s, each written with a blank before it.</extracomment>
        <translation>%1 and %2 mated and %3 was born.</translation>
    </message>
    <message>
        <source>tanımsız</source>
        <extracomment>A value that is no number, in the lists and the results.</extracomment>
        <translation>undefined</translation>
    </message>
</context>
<context>
    <name>ga::SummaryColumns</name>
    <message>
        <source>Çalıştırma sayısı</source>
        <translation>Runs</translation>
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
    <message>
        <source>Ortanca değerlendirme</source>
        <translation>Median evaluations</translation>
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
        <source>Yöntem</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Genetik algoritma</source>
        <translation>Genetic algorithm</translation>
    </message>
    <message>
        <source>Rastgele arama</source>
        <translation>Random search</translation>
    </message>
    <message>
        <source>Tepe tırmanma</source>
        <translation>Hill climbing</translation>
    </message>
    <message>
        <source>%%1</source>
        <extracomment>A percentage; %1 is the number. Turkish writes the sign before it.</extracomment>
        <translation>%1%</translation>
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
        <translation>Each run&apos;s seed is derived from this seed, the setting&apos;s place and the run&apos;s number.</translation>
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
        <translation>Types the chosen run&apos;s inputs into the main window&apos;s boxes, fixes its seed and resets the main window: “Prepare” and “Start” then replay that run exactly.</translation>
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
        <source>Y&amp;öntem:</source>
        <translation>Metho&amp;d:</translation>
    </message>
    <message>
        <source>Yöntem değişen ayar değilse bütün çalıştırmalar bu yöntemle yapılır: genetik algoritma ya da onunla karşılaştırılan rastgele arama veya tepe tırmanma.</source>
        <translation>Unless the method is the varied setting, every run uses this method: the genetic algorithm, or random search or hill climbing, which it is compared with.</translation>
    </message>
    <message>
        <source>Ana pencere yalnızca genetik algoritmanın çalıştırmalarını yeniden oynatabilir; bu çalıştırma rastgele aramayla yapıldı.</source>
        <translation>The main window can replay only the genetic algorithm&apos;s runs; this run was made by random search.</translation>
    </message>
    <message>
        <source>Ana pencere yalnızca genetik algoritmanın çalıştırmalarını yeniden oynatabilir; bu çalıştırma tepe tırmanmayla yapıldı.</source>
        <translation>The main window can replay only the genetic algorithm&apos;s runs; this run was made by hill climbing.</translation>
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
        <source>Kırmızı çizgi: ebeveynin bir basamağı o çiftleşmede mutasyona uğradı; turuncu: aynı nesilde daha önceki bir çiftleşmede. Kalın çerçeve: birden çok yoldan ulaşılan ortak ata, bir kez çizilir. Yeşil: &quot;Hazırla&quot;nın ürettiği birey; kesikli çerçeve: ayrıntısı bellek sınırı yüzünden silinmiş.</source>
        <translation>Red line: a digit of the parent mutated in that very mating; orange: in an earlier mating of the same generation. Thick frame: a shared ancestor reached along more than one line, drawn once. Green: an individual &quot;Prepare&quot; made; dashed frame: its detail was dropped for the memory limit.</translation>
    </message>
    <message>
        <source>&quot;Hazırla&quot; üretti (nesil %1, %2. sıra)</source>
        <translation>made by &quot;Prepare&quot; (generation %1, position %2)</translation>
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
        <source>Bu ağacın çalıştırması artık yok (&quot;Sıfırla&quot; ya da yeni bir &quot;Hazırla&quot;). Geçmiş penceresinden yeni bir birey seçiniz.</source>
        <translation>The run of this tree is gone (&quot;Reset&quot; or a new &quot;Prepare&quot;). Choose an individual again in the history window.</translation>
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
        <translation>A box&apos;s text in the file is too long or holds a line break.</translation>
    </message>
    <message>
        <source>Dosyadaki rastgele sayı üretecinin durumu geçersiz.</source>
        <translation>The random generator&apos;s state in the file is invalid.</translation>
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
    <message>
        <source>S&amp;oru bankası…</source>
        <translation>&amp;Question bank…</translation>
    </message>
    <message>
        <source>Bu ayarlarla soru bankası hazırlanamıyor.</source>
        <translation>No question bank can be made with these settings.</translation>
    </message>
    <message>
        <source>Soru bankası “%1” dosyasına yazılamadı.</source>
        <translation>The question bank could not be written to “%1”.</translation>
    </message>
    <message>
        <source>Soru bankasını kaydet</source>
        <translation>Save the question bank</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Moodle XML dosyaları (*.xml)</source>
        <translation>Moodle XML files (*.xml)</translation>
    </message>
    <message>
        <source>soru-bankasi.pdf</source>
        <translation>question-bank.pdf</translation>
    </message>
    <message>
        <source>soru-bankasi.xml</source>
        <translation>question-bank.xml</translation>
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
        <source>Henüz geçmiş yok. &quot;Hazırla&quot; ile başlayan çalıştırmanın bütün nesilleri burada görünür.</source>
        <translation>No history yet. Every generation of a run that &quot;Prepare&quot; starts shows here.</translation>
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
        <translation>The selected generation&apos;s individuals: position, gene, F and fitness. Enter opens an individual&apos;s family tree.</translation>
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
        <source>Geçmiş boş: &quot;Hazırla&quot; ile bir çalıştırma başlayınca her nesli burada izlenir.</source>
        <translation>The history is empty: once &quot;Prepare&quot; starts a run, every generation of it can be followed here.</translation>
    </message>
    <message>
        <source>Bu geçmiş, &quot;Sıfırla&quot; olmadan basılan &quot;Hazırla&quot; ile başladı: ilk nesli %1, yeni hazırlanan popülasyondur.</source>
        <translation>This history began with &quot;Prepare&quot; pressed without &quot;Reset&quot;: its first generation, %1, is the newly prepared population.</translation>
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
        <source>Nesil %1: &quot;Hazırla&quot;nın ürettiği popülasyon; %2.</source>
        <translation>Generation %1: the population &quot;Prepare&quot; made; %2.</translation>
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
    <name>ga::qt::LessonTexts</name>
    <message>
        <source>Ulaşılacak sayı: %1</source>
        <translation>Target number: %1</translation>
    </message>
    <message>
        <source>Mutasyon yüzdesi: %1</source>
        <translation>Mutation percentage: %1</translation>
    </message>
    <message>
        <source>Hız: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>Tahmin modu açık</source>
        <translation>Prediction mode on</translation>
    </message>
    <message>
        <source>Tahmin modu kapalı</source>
        <translation>Prediction mode off</translation>
    </message>
    <message>
        <source>Tohum: %1, ardından &quot;Sıfırla&quot;</source>
        <translation>Seed: %1, then &quot;Sıfırla&quot; (reset)</translation>
    </message>
    <message>
        <source>&quot;Hazırla&quot;ya bas</source>
        <translation>Press &quot;Hazırla&quot; (prepare)</translation>
    </message>
    <message>
        <source>Bir nesil ilerlet</source>
        <translation>Go one generation on</translation>
    </message>
    <message>
        <source>%1 nesil ilerlet</source>
        <translation>Go %1 generations on</translation>
    </message>
    <message>
        <source>&quot;Başlat&quot;: çalıştırma kendiliğinden durana ya da %1. nesle kadar</source>
        <translation>&quot;Başlat&quot; (start): until the run stops by itself or reaches generation %1</translation>
    </message>
    <message>
        <source>Geçmişte %1. nesli ve %2. bireyin soy ağacını aç</source>
        <translation>Open generation %1 in the history, and the family tree of individual %2</translation>
    </message>
    <message>
        <source>Geçmişte %1. nesli aç</source>
        <translation>Open generation %1 in the history</translation>
    </message>
    <message>
        <source>mutasyon yüzdesi</source>
        <translation>mutation percentage</translation>
    </message>
    <message>
        <source>ulaşılacak sayı</source>
        <translation>target number</translation>
    </message>
    <message>
        <source>yöntem</source>
        <translation>method</translation>
    </message>
    <message>
        <source>Deney: %1 = %2, ayar başına %3 çalıştırma, nesil sınırı %4, temel tohum %5</source>
        <translation>Experiment: %1 = %2, %3 runs per setting, generation limit %4, base seed %5</translation>
    </message>
    <message>
        <source>Arama uzayını aç</source>
        <translation>Open the search space</translation>
    </message>
    <message>
        <source>%1 dakika</source>
        <translation>%1 minutes</translation>
    </message>
</context>
<context>
    <name>ga::qt::LessonsWindow</name>
    <message>
        <source>Dersler</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>&amp;Dersler:</source>
        <translation>&amp;Lessons:</translation>
    </message>
    <message>
        <source>Ders &amp;aç…</source>
        <translation>&amp;Open lesson…</translation>
    </message>
    <message>
        <source>Ö&amp;ğretmen kopyası (cevaplarla)</source>
        <translation>&amp;Teacher&apos;s copy (with answers)</translation>
    </message>
    <message>
        <source>Çalışma &amp;kâğıdı (PDF)…</source>
        <translation>&amp;Worksheet (PDF)…</translation>
    </message>
    <message>
        <source>&amp;Yazdır…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Düzen</source>
        <translation>Set-up</translation>
    </message>
    <message>
        <source>Düzeni &amp;uygula</source>
        <translation>&amp;Apply set-up</translation>
    </message>
    <message>
        <source>Görev</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Gö&amp;revi yap</source>
        <translation>&amp;Do the task</translation>
    </message>
    <message>
        <source>Soru</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Ce&amp;vabınız:</source>
        <translation>&amp;Your answer:</translation>
    </message>
    <message>
        <source>&amp;Cevapla</source>
        <translation>An&amp;swer</translation>
    </message>
    <message>
        <source>&amp;Geri</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>İ&amp;leri</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Popülasyon: işaretlenecek bireyler</source>
        <translation>Population: individuals to tick</translation>
    </message>
    <message>
        <source>Bir ders seçin ya da &quot;Ders aç…&quot; ile bir ders dosyası açın.</source>
        <translation>Choose a lesson, or open a lesson file with &quot;Open lesson…&quot;.</translation>
    </message>
    <message>
        <source>Amaç: %1</source>
        <translation>Goal: %1</translation>
    </message>
    <message>
        <source>Süre: %1</source>
        <translation>Duration: %1</translation>
    </message>
    <message>
        <source>Dersin sonu</source>
        <translation>End of the lesson</translation>
    </message>
    <message>
        <source>Dersin sonunda</source>
        <translation>At the end of the lesson</translation>
    </message>
    <message>
        <source>Adım %1 / %2</source>
        <translation>Step %1 of %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1.  birey %2   sonuç %3   uyum %4</source>
        <translation>%1.  individual %2   result %3   fitness %4</translation>
    </message>
    <message>
        <source>Geçmişte %1. nesil yok: önce bu dersin önceki adımlarını yapın.</source>
        <translation>The history has no generation %1: do the earlier steps of this lesson first.</translation>
    </message>
    <message>
        <source>Ana penceredeki çalışma bu adımda dersin çalışmasından farklı. Sayılar tutsun diye tohumlu düzenin olduğu adıma dönüp düzeni ve görevleri sırayla yeniden yapın.</source>
        <translation>The run in the main window differs from the lesson&apos;s run at this step. For the numbers to agree, go back to the step whose set-up has a seed and apply the set-ups and tasks in order again.</translation>
    </message>
    <message>
        <source>Bu dersin çalıştırması bu sorunun cevabını vermiyor; ders dosyasını hazırlayan kişiye bildirin.</source>
        <translation>This lesson&apos;s run does not give an answer to this question; please tell whoever wrote the lesson file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; bir sayı değil. Bir sayı yazın (örneğin 12 ya da 0,5).</source>
        <translation>&quot;%1&quot; is not a number. Type a number (for example 12 or 0.5).</translation>
    </message>
    <message>
        <source>Önce bir cevap verin.</source>
        <translation>Give an answer first.</translation>
    </message>
    <message>
        <source>Doğru!</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>Henüz değil. Doğru cevap: %1</source>
        <translation>Not yet. The right answer: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ders olarak açılamadı: %2</source>
        <translation>&quot;%1&quot; could not be opened as a lesson: %2</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>böyle bir dosya yok.</source>
        <translation>there is no such file.</translation>
    </message>
    <message>
        <source>bu bir dosya değil.</source>
        <translation>it is not a file.</translation>
    </message>
    <message>
        <source>dosya bir ders için fazla büyük (en çok 4 MB).</source>
        <translation>the file is too large for a lesson (4 MB at most).</translation>
    </message>
    <message>
        <source>dosya okunamadı (%1).</source>
        <translation>the file could not be read (%1).</translation>
    </message>
    <message>
        <source>dosya bozuk ya da yarım: %1. baytta JSON okunamıyor.</source>
        <translation>the file is damaged or cut short: its JSON cannot be read at byte %1.</translation>
    </message>
    <message>
        <source>bu dosya bu programın bir dersi değil.</source>
        <translation>this file is not a lesson of this program.</translation>
    </message>
    <message>
        <source>ders, programın daha yeni bir sürümü için yazılmış (biçim sürümü %1). Programı güncelleyin.</source>
        <translation>the lesson was written for a newer version of the program (format version %1). Please update the program.</translation>
    </message>
    <message>
        <source>eksik</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>yanlış türde bir değer taşıyor</source>
        <translation>holds a value of the wrong kind</translation>
    </message>
    <message>
        <source>bu ders biçiminde yok</source>
        <translation>does not exist in this lesson format</translation>
    </message>
    <message>
        <source>izin verilen sınırların dışında</source>
        <translation>is outside its allowed limits</translation>
    </message>
    <message>
        <source>Türkçe ve İngilizce metnin ikisini birden taşımıyor</source>
        <translation>does not hold both the Turkish and the English text</translation>
    </message>
    <message>
        <source>bir ders için fazla uzun</source>
        <translation>is too long for a lesson</translation>
    </message>
    <message>
        <source>çalıştırmayı, bir düzen tohumu sabitlemeden kullanıyor</source>
        <translation>uses the run before a set-up has fixed a seed</translation>
    </message>
    <message>
        <source>popülasyonu, &quot;Hazırla&quot;dan önce soruyor</source>
        <translation>asks about the population before &quot;Hazırla&quot; (prepare)</translation>
    </message>
    <message>
        <source>bir deneyi, deney yapılmadan soruyor</source>
        <translation>asks about an experiment before one has run</translation>
    </message>
    <message>
        <source>deney penceresinin kabul etmeyeceği değerler taşıyor</source>
        <translation>holds values the experiment window would refuse</translation>
    </message>
    <message>
        <source>bir ders için fazla çok nesil ya da çalıştırma istiyor</source>
        <translation>asks for more generations or runs than a lesson may take</translation>
    </message>
    <message>
        <source>%1. adımda &quot;%2&quot; alanı %3.</source>
        <translation>in step %1, the field &quot;%2&quot; %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; alanı %2.</source>
        <translation>the field &quot;%1&quot; %2.</translation>
    </message>
    <message>
        <source>Ders aç</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>Ders dosyaları (*.json);;Bütün dosyalar (*)</source>
        <translation>Lesson files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Önce bir ders seçin.</source>
        <translation>Choose a lesson first.</translation>
    </message>
    <message>
        <source>Çalışma kâğıdını kaydet</source>
        <translation>Save worksheet</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Çalışma kâğıdı yazılamadı: %1</source>
        <translation>The worksheet could not be written: %1</translation>
    </message>
</context>
<context>
    <name>ga::qt::MainWindow</name>
    <message>
        <source>Her nesilde bireylerin uyum değerleri, birey başına bir daire; yukarıdaki daireler hedefe daha yakın.</source>
        <translation>Each generation, the individuals&apos; fitness values, one circle per individual; circles higher up are closer to the target.</translation>
    </message>
    <message>
        <source>Her nesilde bireylerin genleri, birey başına bir daire; büyük genler aşağıda.</source>
        <translation>Each generation, the individuals&apos; genes, one circle per individual; larger genes lower down.</translation>
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
    <message>
        <source>T&amp;ahmin modu</source>
        <translation>Pred&amp;iction mode</translation>
    </message>
    <message>
        <source>De&amp;rsler…</source>
        <translation>L&amp;essons…</translation>
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
    <name>ga::qt::PredictionWindow</name>
    <message>
        <source>Tahmin</source>
        <translation>Prediction</translation>
    </message>
    <message>
        <source>Soru &amp;türü:</source>
        <translation>Question &amp;kind:</translation>
    </message>
    <message>
        <source>Soru türü</source>
        <translation>Question kind</translation>
    </message>
    <message>
        <source>Sırayla (tohuma göre)</source>
        <translation>In turn (by the seed)</translation>
    </message>
    <message>
        <source>Popülasyon: ölecek on bireyi seçin</source>
        <translation>Population: pick the ten that will die</translation>
    </message>
    <message>
        <source>Doğacak &amp;çocuğun geni:</source>
        <translation>The &amp;child&apos;s gene:</translation>
    </message>
    <message>
        <source>Doğacak çocuğun geni</source>
        <translation>The gene of the child to be born</translation>
    </message>
    <message>
        <source>&amp;F değeri:</source>
        <translation>&amp;F value:</translation>
    </message>
    <message>
        <source>F değeri</source>
        <translation>F value</translation>
    </message>
    <message>
        <source>&amp;Uyum:</source>
        <translation>Fi&amp;tness:</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>1 · Evet</source>
        <translation>1 · Yes</translation>
    </message>
    <message>
        <source>Evet</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>2 · Hayır</source>
        <translation>2 · No</translation>
    </message>
    <message>
        <source>Hayır</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Yanıtla</source>
        <translation>&amp;Answer</translation>
    </message>
    <message>
        <source>&amp;Göster</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>&amp;Sonraki soru (F10)</source>
        <translation>&amp;Next question (F10)</translation>
    </message>
    <message>
        <source>Sonraki soru</source>
        <translation>Next question</translation>
    </message>
    <message>
        <source>Puan</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Puanı sıfı&amp;rla</source>
        <translation>&amp;Reset score</translation>
    </message>
    <message>
        <source>On birey seçin; şimdi %1 birey seçili.</source>
        <translation>Pick ten individuals; %1 are picked now.</translation>
    </message>
    <message>
        <source>Doğacak çocuğun genini bir sayı olarak yazın.</source>
        <translation>Type the child&apos;s gene as a number.</translation>
    </message>
    <message>
        <source>F değerini ve uyumu birer sayı olarak yazın.</source>
        <translation>Type the value of F and the fitness as numbers.</translation>
    </message>
    <message>
        <source>Evet ya da Hayır&apos;ı seçin (1 ya da 2 tuşu).</source>
        <translation>Choose Yes or No (the key 1 or 2).</translation>
    </message>
    <message>
        <source>%1. satır: gen %2, uyum %3</source>
        <translation>Row %1: gene %2, fitness %3</translation>
    </message>
    <message>
        <source> — öldü</source>
        <translation> — died</translation>
    </message>
    <message>
        <source> (sınırda eşit uyum)</source>
        <translation> (equal fitness at the border)</translation>
    </message>
    <message>
        <source>Soru sormak için önce ana pencerede &quot;Hazırla&quot;ya basın.</source>
        <translation>To get a question, first press &quot;Hazırla&quot; in the main window.</translation>
    </message>
    <message>
        <source>Zamanlayıcı çalışırken soru sorulmaz. &quot;Durdur&quot;a basın, sonra F10 ile yeni bir soru isteyin.</source>
        <translation>No questions while the timer runs. Press &quot;Durdur&quot;, then F10 for a new question.</translation>
    </message>
    <message>
        <source>F10&apos;a ya da &quot;Sonraki soru&quot;ya basın: gelecek nesil hakkında bir soru gelir.</source>
        <translation>Press F10 or &quot;Next question&quot; for a question about the coming generation.</translation>
    </message>
    <message>
        <source>Seçilen: %1 / %2. Ok tuşlarıyla gezinin, boşlukla seçin.</source>
        <translation>Picked: %1 / %2. Move with the arrow keys, pick with Space.</translation>
    </message>
    <message>
        <source>Doğru!</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>Yanlış.</source>
        <translation>Wrong.</translation>
    </message>
    <message>
        <source>Yanıt gösterildi.</source>
        <translation>Answer shown.</translation>
    </message>
    <message>
        <source>Çalışma değişti; soru yeniden soruldu.</source>
        <translation>The run changed; the question was asked again.</translation>
    </message>
    <message>
        <source>Hedef ya da mutasyon oranı değişti; soru bu değerlerle yeniden soruldu. Yanıtınızı gözden geçirip yeniden yanıtlayın.</source>
        <translation>The target or the mutation percentage changed; the question was asked again with them. Check your answer and answer again.</translation>
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
    <name>ga::qt::QuestionBankDialog</name>
    <message>
        <source>Soru bankası</source>
        <translation>Question bank</translation>
    </message>
    <message>
        <source>Tahmin modunun sorularından, yanıtları ve açıklamalarıyla birlikte bir soru bankası hazırlanır. Aynı temel tohum her zaman aynı soruları verir.</source>
        <translation>A question bank is made from the prediction mode&apos;s questions, with their answers and explanations. The same base seed always gives the same questions.</translation>
    </message>
    <message>
        <source>Soru &amp;sayısı:</source>
        <translation>&amp;Number of questions:</translation>
    </message>
    <message>
        <source>&amp;Temel tohum:</source>
        <translation>&amp;Base seed:</translation>
    </message>
    <message>
        <source>Soru türleri</source>
        <translation>Kinds of question</translation>
    </message>
    <message>
        <source>Çalışmalar</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>&amp;Ana penceredeki işlev, hedef ve mutasyon</source>
        <translation>The &amp;main window&apos;s function, target and mutation</translation>
    </message>
    <message>
        <source>Programın &amp;ilk değerleri</source>
        <translation>The program&apos;s &amp;first values</translation>
    </message>
    <message>
        <source>Biçim</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;Moodle XML (öğrenme platformu için)</source>
        <translation>Moodle &amp;XML (for a learning platform)</translation>
    </message>
    <message>
        <source>&amp;PDF (yazdırmak için)</source>
        <translation>&amp;PDF (to print)</translation>
    </message>
    <message>
        <source>&amp;Kaydet…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>İptal</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Temel tohum, 0 ile 4294967295 arasında bir tam sayı olmalıdır (yalnızca rakamlar).</source>
        <translation>The base seed must be a whole number from 0 to 4294967295 (digits only).</translation>
    </message>
    <message>
        <source>En az bir soru türü seçin.</source>
        <translation>Choose at least one kind of question.</translation>
    </message>
    <message>
        <source>Ana penceredeki hedef kabul edilmiyor: “Hazırla” da onunla başlamaz. Hedefi 0&apos;dan büyük, en çok 100000 yapın ya da programın ilk değerlerini seçin.</source>
        <translation>The main window&apos;s target is not accepted: “Prepare” would not start with it either. Make the target greater than 0 and at most 100000, or choose the program&apos;s first values.</translation>
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
        <translation>Every five-digit gene (00000 … 99999) evaluated with the main window&apos;s function and target, just as the run evaluates it. When the boxes change, all of them are evaluated again.</translation>
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
        <translation>All of the population&apos;s genes lie outside the map.</translation>
    </message>
    <message>
        <source>Popülasyonun en iyi geni %1: 100.000 gen içinde %2. sırada (en iyi %%3).</source>
        <translation>The population&apos;s best gene %1: rank %2 of 100,000 genes (top %3 %).</translation>
    </message>
    <message>
        <source>En iyi kaydın uyumu %1; gerçek en iyiden uzaklığı %2.</source>
        <translation>The best record&apos;s fitness is %1; its distance from the true optimum is %2.</translation>
    </message>
    <message>
        <source>Haritanın dışında (bir basamağı 9&apos;u aşmış ya da 0&apos;ın altına inmiş) %1 gen var.</source>
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
        <source>Henüz popülasyon yok: &quot;Hazırla&quot; ile bir popülasyon oluşturulunca genleri haritada işaretlenir ve çalıştırma boyunca izlenir.</source>
        <translation>No population yet: once &quot;Prepare&quot; makes one, its genes are marked on the map and followed while the run goes on.</translation>
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
        <translation>This run&apos;s seed: %1</translation>
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
        <source>&amp;Saatten (her &quot;Sıfırla&quot; yeni bir tohum alır)</source>
        <translation>From the &amp;clock (every &quot;Reset&quot; takes a new seed)</translation>
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
<context>
    <name>ga::qt::Worksheet</name>
    <message>
        <source>Öğretmen kopyası: cevaplar ve açıklamalarla</source>
        <translation>Teacher&apos;s copy: with answers and explanations</translation>
    </message>
    <message>
        <source>Ad Soyad:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Tarih:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Amaç:</source>
        <translation>Goal:</translation>
    </message>
    <message>
        <source>Süre:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Kutulara yazın:</source>
        <translation>Type into the boxes:</translation>
    </message>
    <message>
        <source>Yapın:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Soru:</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>Neden?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Cevabınız:</source>
        <translation>Your answer:</translation>
    </message>
    <message>
        <source>Nasıl buldunuz?</source>
        <translation>How did you find it?</translation>
    </message>
    <message>
        <source>İşaretleyin:</source>
        <translation>Tick:</translation>
    </message>
    <message>
        <source>Sıra</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Birey</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Sonuç</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Uyum</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Cevap:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>Bu dersin çalıştırması bu sorunun cevabını vermiyor.</source>
        <translation>This lesson&apos;s run does not give an answer to this question.</translation>
    </message>
    <message>
        <source>Dersin sonunda söylenecekler</source>
        <translation>What to say at the end of the lesson</translation>
    </message>
    <message>
        <source>Bugün ne öğrendim?</source>
        <translation>What did I learn today?</translation>
    </message>
</context>
</TS>
