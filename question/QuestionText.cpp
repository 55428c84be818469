#include "question/QuestionText.h"

#include "form/texts/Messages.h"
#include "form/window/Batch.h"
#include "form/window/Narration.h"
#include "runtime/Convert.h"

#include <QStringList>

#include <utility>

namespace ga::qt {

namespace {

QString utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A report line of the shown generation (numbered from 1), as the log shows it.
QString reportLine(const GenerationRecord& shown, int number) {
    Lines lines;
    appendReportLines(shown, lines);
    const auto i = static_cast<std::size_t>(number - 1);
    return i < lines.size() ? utf8(lines[i]).trimmed() : QString();
}

} // namespace

QuestionText::QuestionText(std::string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator)) {}

QString QuestionText::listed(double value) const {
    return utf8(CStr(value, decimalSeparator_, messages().undefined));
}

QString QuestionText::kindName(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::Selection:
        return tr("Seçilim");
    case QuestionKind::Mating:
        return tr("Çiftleşme");
    case QuestionKind::Fitness:
        return tr("Uyum hesabı");
    case QuestionKind::Progress:
        return tr("İlerleme");
    }
    return {};
}

QString QuestionText::digitsText(const DigitRow& d) const {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(listed(d[1]), listed(d[2]), listed(d[3]), listed(d[4]), listed(d[5]));
}

QString QuestionText::functionText(const Question& q) const {
    static constexpr const char* kLetters[] = {"", "x", "y", "z", "k", "c"};
    QStringList terms;
    for (std::size_t j = 1; j <= 5; ++j) {
        terms << QStringLiteral("%1·%2^%3")
                     .arg(listed(q.katsayilar[j]), QLatin1String(kLetters[j]), listed(q.usler[j]));
    }
    return terms.join(QStringLiteral(" + "));
}

QString QuestionText::rowsText(const std::array<bool, kPopulation>& rows) const {
    QStringList numbers;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        if (rows[k]) {
            numbers << QString::number(k + 1);
        }
    }
    return numbers.join(QStringLiteral(", "));
}

QString QuestionText::prompt(const Question& q) const {
    switch (q.kind) {
    case QuestionKind::Selection:
        return tr("%1. nesilde hangi on birey ölecek? Listeden ölecek on bireyi seçin.")
            .arg(listed(q.generation));
    case QuestionKind::Mating:
        return tr("%1. nesildeki %2. çiftleşmede %3 ile %4 çiftleşecek. Hangi çocuk doğacak?")
            .arg(listed(q.generation))
            .arg(q.mating + 1)
            .arg(listed(q.parentA), listed(q.parentB));
    case QuestionKind::Fitness:
        return tr("%1. nesilde %2 geni doğacak. Bu genin F değeri ve uyumu ne olacak?")
            .arg(listed(q.generation), listed(q.gene));
    case QuestionKind::Progress:
        return tr("%1. nesilde popülasyonun en iyi uyumu iyileşecek mi? Şimdiki en iyi uyum "
                  "%2.")
            .arg(listed(q.generation), listed(q.bestBefore));
    }
    return {};
}

QString QuestionText::givens(const Question& q) const {
    switch (q.kind) {
    case QuestionKind::Selection:
        return tr("Satırlar, listelerin şu anda gösterdiği bireylerdir: gen ve uyum değeri.");
    case QuestionKind::Mating: {
        QString text = tr("Birinci ebeveynin basamakları: %1. İkinci ebeveynin basamakları: %2.")
                           .arg(digitsText(q.digitsA), digitsText(q.digitsB));
        if (q.changedEarlier) {
            text += QLatin1Char(' ') +
                    tr("Bu nesildeki daha önceki bir mutasyon bu basamakları değiştirdi; "
                       "yukarıdakiler çiftleşme anındaki basamaklardır.");
        }
        text += QLatin1Char(' ');
        if (q.choice.mutant == 0) {
            text += tr("Çekilen sayılara göre bu çiftleşmede mutasyon olmayacak.");
        } else {
            const QString parent =
                q.choice.mutant == q.choice.a ? tr("birinci ebeveynin") : tr("ikinci ebeveynin");
            text += (q.choice.up
                         ? tr("Çekilen sayılara göre önce %1 %2. basamağı bir artacak (mutasyon).")
                         : tr("Çekilen sayılara göre önce %1 %2. basamağı bir azalacak "
                              "(mutasyon)."))
                        .arg(parent)
                        .arg(q.choice.digit);
        }
        return text;
    }
    case QuestionKind::Fitness:
        return tr("F = %1. Hedef: %2. Genin basamakları (x y z k c): %3. Sayıları listelerdeki "
                  "gibi yazın.")
            .arg(functionText(q), listed(q.target), digitsText(q.digits));
    case QuestionKind::Progress:
        return tr("Yanıt için 1 (Evet) ya da 2 (Hayır) tuşuna basabilirsiniz.");
    }
    return {};
}

QString QuestionText::rightAnswer(const Question& q, const Verdict& v) const {
    switch (q.kind) {
    case QuestionKind::Selection:
        return tr("Ölenler: %1. satırlar.").arg(rowsText(v.died));
    case QuestionKind::Mating:
        return tr("Doğan çocuk: %1.").arg(listed(v.child));
    case QuestionKind::Fitness:
        return tr("F = %1, uyum = %2.").arg(listed(v.value), listed(v.fit));
    case QuestionKind::Progress:
        return v.improved ? tr("Evet, en iyi uyum iyileşti.")
                          : tr("Hayır, en iyi uyum iyileşmedi.");
    }
    return {};
}

QString QuestionText::explanation(const Question& q, const Verdict& v,
                                  const GenerationRecord& shown) const {
    QString text;
    if (!v.asPredicted) {
        text = tr("Soru sorulduktan sonra çalışma değişti; yanıt gösterilen nesilden alındı.") +
               QLatin1Char(' ');
    }
    switch (q.kind) {
    case QuestionKind::Selection:
        text += tr("Sıralama uyuma göre yapılır: hedefe en uzak, yani uyumu en büyük on birey "
                   "ölür. Hayatta kalan son bireyin uyumu %1. Bu neslin raporundaki ilk on satır "
                   "ölenleri yazar.")
                    .arg(listed(v.border));
        if (v.tie) {
            text += QLatin1Char(' ') +
                    tr("%1. satırlardaki bireylerin uyumu eşit (%2). Hangisinin öleceğini "
                       "sıralamanın yer değiştirme sırası belirledi; bu yüzden aralarından "
                       "hangisini seçtiyseniz doğru sayılır.")
                        .arg(rowsText(v.tied), listed(v.border));
        }
        return text;
    case QuestionKind::Mating: {
        const DigitRow& a = q.usedA;
        const DigitRow& b = q.usedB;
        if (shown.matings[q.mating].mutant != 0) {
            text += tr("Önce mutasyon oldu; raporun bu nesildeki %1. satırı bunu yazar: «%2».")
                        .arg(v.mutationLine)
                        .arg(reportLine(shown, v.mutationLine)) +
                    QLatin1Char(' ');
        }
        text += tr("Çocuk birinci ebeveynin ilk iki basamağını (%1 %2) ve ikinci ebeveynin son "
                   "üç basamağını (%3 %4 %5) alır: %6. Raporun bu nesildeki %7. satırı: «%8». "
                   "Bireyler listesinin %9. satırında görünür.")
                    .arg(listed(a[1]), listed(a[2]), listed(b[3]), listed(b[4]), listed(b[5]),
                         listed(v.child))
                    .arg(v.birthLine)
                    .arg(reportLine(shown, v.birthLine))
                    .arg(v.childRow);
        return text;
    }
    case QuestionKind::Fitness: {
        QStringList terms;
        for (std::size_t j = 1; j <= 5; ++j) {
            terms << QStringLiteral("%1·%2^%3")
                         .arg(listed(q.katsayilar[j]), listed(q.digits[j]), listed(q.usler[j]));
        }
        text += tr("F = %1 = %2. Uyum, F ile hedef arasındaki uzaklıktır: |%2 − %3| = %4. "
                   "F(x,y,z,k,c) ve Uyum listelerinin %5. satırı bunları gösterir.")
                    .arg(terms.join(QStringLiteral(" + ")), listed(v.value), listed(shown.target),
                         listed(v.fit))
                    .arg(v.childRow);
        return text;
    }
    case QuestionKind::Progress:
        text += tr("Önceki en iyi uyum %1 idi; bu nesilden sonra en iyi uyum %2 (Uyum "
                   "listesinin %3. satırı).")
                    .arg(listed(shown.rankedFitness[0]), listed(v.bestAfter))
                    .arg(v.bestRow);
        text += QLatin1Char(' ') +
                (v.improved ? tr("Doğan çocuklardan biri daha iyisini buldu.")
                            : tr("Hiçbir çocuk daha iyisini bulamadı; hayatta kalanlar en iyiyi "
                                 "korudu."));
        return text;
    }
    return text;
}

QString QuestionText::score(QuestionKind kind, const Tally& tally) {
    return tr("%1 — Doğru: %2 / %3").arg(kindName(kind)).arg(tally.right).arg(tally.asked);
}

QString QuestionText::odds(const PredictionState& state) {
    if (state.watched == 0) {
        return tr("Bu modda henüz nesil izlenmedi.");
    }
    const auto percent =
        static_cast<int>((200 * state.improved + state.watched) / (2 * state.watched)); // rounded
    return tr("İzlenen %1 nesilden %2 tanesinde en iyi uyum iyileşti (%%3).")
        .arg(state.watched)
        .arg(state.improved)
        .arg(percent);
}

} // namespace ga::qt
