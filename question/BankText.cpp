#include "question/BankText.h"

#include "form/texts/Messages.h"
#include "form/window/Controls.h"
#include "runtime/Convert.h"

#include <QStringList>

namespace ga::qt {

namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString BankText::title() {
    return tr("Genetik algoritma: tahmin soruları");
}

QString BankText::run(const RunInputs& inputs, QChar between) const {
    Question shape;
    for (std::size_t j = 1; j <= 5; ++j) {
        shape.katsayilar[j] = Val(inputs.coefficients[j - 1]);
        shape.usler[j] = Val(inputs.exponents[j - 1]);
    }
    return QStringLiteral("F = %1.").arg(text_.functionText(shape)) + between +
           tr("Hedef: %1. Mutasyon oranı: %%2.")
               .arg(text_.listed(Val(inputs.target)), text_.listed(Val(inputs.mutation)));
}

QString BankText::settings(const QuestionBankSettings& settings) const {
    return run(settings.inputs) + QLatin1Char(' ') + tr("Temel tohum: %1.").arg(settings.baseSeed);
}

QString BankText::name(std::size_t number, std::size_t count, const Question& q) {
    const auto width = static_cast<int>(QString::number(count).size());
    return tr("Soru %1 — %2")
        .arg(number, width, 10, QLatin1Char('0'))
        .arg(QuestionText::kindName(q.kind));
}

QString BankText::origin(const BankQuestion& item) {
    const QString prepare =
        utf8(controlText(Control::Command1, language())).remove(QLatin1Char('&'));
    if (item.generationsBefore == 0) {
        return tr("Pencerede görmek için: tohumu %1 olarak sabitleyin ve “%2” düğmesine basın.")
            .arg(item.runSeed)
            .arg(prepare);
    }
    // "Nesil" shows 1 after "Hazırla" and one more after every generation.
    return tr("Pencerede görmek için: tohumu %1 olarak sabitleyin, “%2” düğmesine basın ve "
              "%3. nesle kadar ilerletin.")
        .arg(item.runSeed)
        .arg(prepare)
        .arg(item.generationsBefore + 1);
}

QString BankText::givens(const Question& q) const {
    switch (q.kind) {
    case QuestionKind::Selection:
        return tr("Bu nesilden önceki popülasyon aşağıda, pencerenin listelerindeki sırayla.");
    case QuestionKind::Mating:
    case QuestionKind::Fitness:
        return text_.givens(q);
    case QuestionKind::Progress:
        return tr("Mutasyon oranı %%1. Bu nesilden önceki popülasyon aşağıda.")
            .arg(text_.listed(q.mutationPercent));
    }
    return {};
}

QString BankText::populationTable(const Question& q, const QString& boxes) const {
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse: "
        "collapse\"><tr>");
    QStringList headings{tr("Satır"), tr("Gen"), QStringLiteral("F(x,y,z,k,c)"), tr("Uyum")};
    if (!boxes.isEmpty()) {
        headings << boxes;
    }
    for (const QString& heading : headings) {
        html += QStringLiteral("<th>%1</th>").arg(heading.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (std::size_t k = 0; k < kPopulation; ++k) {
        html += QStringLiteral("<tr><td align=\"right\">%1</td><td align=\"right\">%2</td>"
                               "<td align=\"right\">%3</td><td align=\"right\">%4</td>")
                    .arg(QString::number(k + 1), text_.listed(q.genes[k]).toHtmlEscaped(),
                         text_.listed(q.values[k]).toHtmlEscaped(),
                         text_.listed(q.fitness[k]).toHtmlEscaped());
        if (!boxes.isEmpty()) {
            html += QStringLiteral("<td align=\"center\">\u2610</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString BankText::machineNumber(double value) {
    return utf8(CStr(value, "."));
}

} // namespace ga::qt
