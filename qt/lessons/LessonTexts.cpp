#include "qt/lessons/LessonTexts.h"

#include "session/Utf8.h"

#include <QCoreApplication>
#include <QStringList>

namespace ga::qt {

namespace {

// The context lupdate gives the texts of this class's functions.
QString tr(const char* text) {
    return QCoreApplication::translate("ga::qt::LessonTexts", text);
}

// Exponents as the window's small boxes show them, raised.
QString raised(const std::string& exponent) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out;
    for (const char c : exponent) {
        if (c >= '0' && c <= '9') {
            out += digits.at(c - '0');
        } else if (c == '-') {
            out += QStringLiteral("⁻");
        } else {
            return QLatin1Char('^') + QString::fromStdString(exponent);
        }
    }
    return out;
}

} // namespace

QString LessonTexts::function(const std::array<std::string, 5>& coefficients,
                              const std::array<std::string, 5>& exponents) {
    static const std::array<QString, 5> variables{QStringLiteral("x"), QStringLiteral("y"),
                                                  QStringLiteral("z"), QStringLiteral("k"),
                                                  QStringLiteral("c")};
    QString out;
    for (std::size_t j = 0; j < 5; ++j) {
        const std::string& a = coefficients.at(j);
        const std::string& p = exponents.at(j);
        QString term = a == "1" ? QString() : QString::fromStdString(a) + QStringLiteral("·");
        term += variables.at(j) + (p == "1" ? QString() : raised(p));
        if (a == "0") {
            continue;
        }
        if (out.isEmpty()) {
            out = term;
        } else if (term.startsWith(QLatin1Char('-'))) {
            out += QStringLiteral(" − ") + term.mid(1);
        } else {
            out += QStringLiteral(" + ") + term;
        }
    }
    return QStringLiteral("F = ") + (out.isEmpty() ? QStringLiteral("0") : out);
}

QStringList LessonTexts::setUp(const LessonSetUp& s) {
    QStringList lines;
    if (s.coefficients || s.exponents) {
        const RunInputs defaults;
        lines << function(s.coefficients.value_or(defaults.coefficients),
                          s.exponents.value_or(defaults.exponents));
    }
    if (s.target) {
        lines << tr("Ulaşılacak sayı: %1").arg(fromUtf8(*s.target));
    }
    if (s.mutation) {
        lines << tr("Mutasyon yüzdesi: %1").arg(fromUtf8(*s.mutation));
    }
    if (s.speed) {
        lines << tr("Hız: %1").arg(fromUtf8(*s.speed));
    }
    if (s.prediction) {
        lines << (*s.prediction ? tr("Tahmin modu açık") : tr("Tahmin modu kapalı"));
    }
    if (s.seed) {
        lines << tr("Tohum: %1, ardından \"Sıfırla\"").arg(*s.seed);
    }
    return lines;
}

QString LessonTexts::task(const LessonTask& t) {
    switch (t.kind) {
    case LessonTaskKind::Prepare:
        return tr("\"Hazırla\"ya bas");
    case LessonTaskKind::Step:
        return t.generations == 1 ? tr("Bir nesil ilerlet")
                                  : tr("%1 nesil ilerlet").arg(t.generations);
    case LessonTaskKind::Run:
        return tr("\"Başlat\": çalıştırma kendiliğinden durana ya da %1. nesle kadar")
            .arg(t.generations);
    case LessonTaskKind::History:
        return t.individual > 0 ? tr("Geçmişte %1. nesli ve %2. bireyin soy ağacını aç")
                                      .arg(t.generation)
                                      .arg(t.individual)
                                : tr("Geçmişte %1. nesli aç").arg(t.generation);
    case LessonTaskKind::Experiment: {
        const QString varied = t.varied == VariedSetting::Mutation ? tr("mutasyon yüzdesi")
                               : t.varied == VariedSetting::Target ? tr("ulaşılacak sayı")
                                                                   : tr("yöntem");
        return tr("Deney: %1 = %2, ayar başına %3 çalıştırma, nesil sınırı %4, temel tohum %5")
            .arg(varied, fromUtf8(t.values))
            .arg(t.runs)
            .arg(t.limit)
            .arg(t.seed);
    }
    case LessonTaskKind::SearchSpace:
        return tr("Arama uzayını aç");
    }
    return {};
}

QString LessonTexts::minutes(int minutes) {
    return tr("%1 dakika").arg(minutes);
}

QString LessonTexts::text(const LessonText& t) {
    return fromUtf8(t.in(language()));
}

} // namespace ga::qt
