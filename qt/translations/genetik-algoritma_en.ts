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
</TS>