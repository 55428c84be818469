#include "question/MoodleXml.h"

#include <QXmlStreamWriter>

#include <cmath>

namespace ga::qt {

namespace {

// Moodle's own defaults: a third of the mark lost per wrong try where tries are allowed, and
// all of it for a true-or-false guess.
const QString kPenalty = QStringLiteral("0.3333333");
const QString kGuessPenalty = QStringLiteral("1.0000000");
// Moodle reads "show units" 3 as a number without units.
const QString kNoUnits = QStringLiteral("3");

class Writer {
  public:
    Writer(QByteArray& out, const BankText& text) : xml_(&out), text_(text) {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
    }

    void bank(const QuestionBankSettings& settings, const QuestionBank& bank) {
        xml_.writeStartDocument();
        xml_.writeStartElement(QStringLiteral("quiz"));
        category(settings);
        for (std::size_t i = 0; i < bank.questions.size(); ++i) {
            question(i + 1, bank.questions.size(), bank.questions[i]);
        }
        xml_.writeEndElement();
        xml_.writeEndDocument();
    }

  private:
    void textElement(const QString& name, const QString& text, const QString& format = {}) {
        xml_.writeStartElement(name);
        if (!format.isEmpty()) {
            xml_.writeAttribute(QStringLiteral("format"), format);
        }
        // HTML goes in a CDATA section, as Moodle writes it, so that it stays readable.
        xml_.writeStartElement(QStringLiteral("text"));
        if (format == QLatin1String("html")) {
            xml_.writeCDATA(text);
        } else {
            xml_.writeCharacters(text);
        }
        xml_.writeEndElement();
        xml_.writeEndElement();
    }

    void html(const QString& name, const QString& text) {
        textElement(name, text, QStringLiteral("html"));
    }

    void category(const QuestionBankSettings& settings) {
        xml_.writeStartElement(QStringLiteral("question"));
        xml_.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
        // A slash would start a sub-category.
        QString name = BankText::title() + QStringLiteral(" (") +
                       BankText::tr("temel tohum %1").arg(settings.baseSeed) + QLatin1Char(')');
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        textElement(QStringLiteral("category"), QStringLiteral("$course$/top/") + name);
        html(QStringLiteral("info"), paragraph(text_.settings(settings)));
        xml_.writeEndElement();
    }

    static QString paragraph(const QString& text) {
        return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
    }

    // Opens an answer with its text and feedback; the caller adds what its type needs and
    // closes it.
    void startAnswer(const QString& fraction, const QString& text, const QString& feedback,
                     const QString& format = QStringLiteral("moodle_auto_format")) {
        xml_.writeStartElement(QStringLiteral("answer"));
        xml_.writeAttribute(QStringLiteral("fraction"), fraction);
        xml_.writeAttribute(QStringLiteral("format"), format);
        xml_.writeTextElement(QStringLiteral("text"), text);
        html(QStringLiteral("feedback"), paragraph(feedback));
    }

    void question(std::size_t number, std::size_t count, const BankQuestion& item) {
        const Question& q = item.question;
        const Verdict& v = item.verdict;
        const QuestionText& words = text_.text();
        static constexpr const char* kTypes[] = {"multichoice", "numerical", "cloze", "truefalse"};
        const auto kind = static_cast<std::size_t>(q.kind);
        // A child with no finite gene cannot happen with five finite digits, but a number
        // Moodle cannot read is written as text all the same.
        const bool numericChild = std::isfinite(v.child);
        xml_.writeStartElement(QStringLiteral("question"));
        xml_.writeAttribute(QStringLiteral("type"), q.kind == QuestionKind::Mating && !numericChild
                                                        ? QStringLiteral("shortanswer")
                                                        : QLatin1String(kTypes[kind]));
        textElement(QStringLiteral("name"), BankText::name(number, count, q));

        QString body = paragraph(words.prompt(q)) + paragraph(text_.givens(q));
        if (q.kind == QuestionKind::Progress) {
            body += text_.populationTable(q);
        }
        if (q.kind == QuestionKind::Fitness) {
            body += QStringLiteral("<p>F = %1 &nbsp; %2 = %3</p>")
                        .arg(gap(v.value), BankText::tr("Uyum").toHtmlEscaped(), gap(v.fit));
        }
        body += QStringLiteral("<p><small>") + BankText::origin(item).toHtmlEscaped() +
                QStringLiteral("</small></p>");
        html(QStringLiteral("questiontext"), body);
        html(QStringLiteral("generalfeedback"),
             paragraph(words.rightAnswer(q, v)) + paragraph(words.explanation(q, v, q.ahead)));
        if (q.kind != QuestionKind::Fitness) {
            xml_.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1.0000000"));
        }
        xml_.writeTextElement(QStringLiteral("penalty"),
                              q.kind == QuestionKind::Progress ? kGuessPenalty : kPenalty);
        xml_.writeTextElement(QStringLiteral("hidden"), QStringLiteral("0"));

        const QString right = words.rightAnswer(q, v);
        switch (q.kind) {
        case QuestionKind::Selection:
            selectionAnswers(q, v);
            break;
        case QuestionKind::Mating:
            if (numericChild) {
                startAnswer(QStringLiteral("100"), BankText::machineNumber(v.child), right);
                xml_.writeTextElement(QStringLiteral("tolerance"), QStringLiteral("0"));
                xml_.writeEndElement();
                // Any other number: the feedback still says which child it was.
                startAnswer(QStringLiteral("0"), QStringLiteral("*"), right);
                xml_.writeTextElement(QStringLiteral("tolerance"), QStringLiteral("0"));
                xml_.writeEndElement();
                xml_.writeTextElement(QStringLiteral("unitgradingtype"), QStringLiteral("0"));
                xml_.writeTextElement(QStringLiteral("unitpenalty"), QStringLiteral("0.1000000"));
                xml_.writeTextElement(QStringLiteral("showunits"), kNoUnits);
                xml_.writeTextElement(QStringLiteral("unitsleft"), QStringLiteral("0"));
            } else {
                xml_.writeTextElement(QStringLiteral("usecase"), QStringLiteral("0"));
                startAnswer(QStringLiteral("100"), words.listed(v.child), right);
                xml_.writeEndElement();
            }
            break;
        case QuestionKind::Fitness:
            // The gaps carry their answers in the question's text.
            break;
        case QuestionKind::Progress:
            startAnswer(v.improved ? QStringLiteral("100") : QStringLiteral("0"),
                        QStringLiteral("true"), right);
            xml_.writeEndElement();
            startAnswer(v.improved ? QStringLiteral("0") : QStringLiteral("100"),
                        QStringLiteral("false"), right);
            xml_.writeEndElement();
            break;
        }
        xml_.writeEndElement();
    }

    // A gap of a cloze question: a number as Moodle reads it, or the word the lists show.
    [[nodiscard]] QString gap(double value) const {
        if (std::isfinite(value)) {
            return QStringLiteral("{1:NUMERICAL:=%1:0}").arg(BankText::machineNumber(value));
        }
        QString word = text_.text().listed(value);
        // The characters that end or divide a gap are written with a backslash.
        for (const QChar c : {QLatin1Char('\\'), QLatin1Char('}'), QLatin1Char('#'),
                              QLatin1Char('~'), QLatin1Char('/'), QLatin1Char('"')}) {
            word.replace(c, QStringLiteral("\\") + c);
        }
        return QStringLiteral("{1:SHORTANSWER:=%1}").arg(word.toHtmlEscaped());
    }

    void selectionAnswers(const Question& q, const Verdict& v) {
        xml_.writeTextElement(QStringLiteral("single"), QStringLiteral("false"));
        // The rows keep the order of the lists.
        xml_.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("false"));
        xml_.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("none"));
        html(QStringLiteral("correctfeedback"),
             paragraph(BankText::tr("Doğru: ölecek on bireyin hepsini seçtiniz.")));
        html(QStringLiteral("partiallycorrectfeedback"), paragraph(BankText::tr("Kısmen doğru.")));
        html(QStringLiteral("incorrectfeedback"), paragraph(BankText::tr("Yanlış.")));
        xml_.writeEmptyElement(QStringLiteral("shownumcorrect"));
        const QuestionText& words = text_.text();
        for (std::size_t k = 0; k < kPopulation; ++k) {
            const QString row = BankText::tr("%1. satır: gen %2, F = %3, uyum %4")
                                    .arg(k + 1)
                                    .arg(words.listed(q.genes[k]), words.listed(q.values[k]),
                                         words.listed(q.fitness[k]));
            const QString feedback =
                v.died[k]
                    ? BankText::tr("Ölür: uyumu (%1), hayatta kalan son bireyin uyumundan (%2) "
                                   "büyük.")
                          .arg(words.listed(q.fitness[k]), words.listed(v.border))
                    : BankText::tr("Yaşar: uyumu (%1) en küçük on uyum arasında.")
                          .arg(words.listed(q.fitness[k]));
            startAnswer(v.died[k] ? QStringLiteral("10") : QStringLiteral("-10"),
                        row.toHtmlEscaped(), feedback, QStringLiteral("html"));
            xml_.writeEndElement();
        }
    }

    QXmlStreamWriter xml_;
    const BankText& text_;
};

} // namespace

QByteArray moodleXml(const QuestionBankSettings& settings, const QuestionBank& bank,
                     const BankText& text) {
    QByteArray out;
    Writer(out, text).bank(settings, bank);
    return out;
}

} // namespace ga::qt
