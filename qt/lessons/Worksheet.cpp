#include "qt/lessons/Worksheet.h"

#include "engine/ExperimentSettings.h"
#include "form/lessons/LessonRun.h"
#include "qt/lessons/LessonTexts.h"
#include "session/Utf8.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>

namespace ga::qt {

namespace {

// The context lupdate gives the texts of this class's functions.
QString tr(const char* text) {
    return QCoreApplication::translate("ga::qt::Worksheet", text);
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString escaped(const LessonText& text) {
    return escaped(LessonTexts::text(text));
}

// Lines to write on.
QString writingRoom(int lines) {
    QString out = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"10\">");
    for (int i = 0; i < lines; ++i) {
        out += QStringLiteral("<tr><td style=\"border-bottom: 1px solid #888\">&nbsp;</td></tr>");
    }
    return out + QStringLiteral("</table>");
}

QString rowsTable(const ListedPopulation& listed, const QStringList& headers) {
    QString out =
        QStringLiteral(
            "<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\" style=\"border-collapse: "
            "collapse\"><tr><th>&nbsp;</th><th>%1</th><th>%2</th><th>%3</th><th>%4</th></tr>")
            .arg(headers.at(0), headers.at(1), headers.at(2), headers.at(3));
    for (std::size_t i = 0; i < listed.genes.size(); ++i) {
        out += QStringLiteral("<tr><td>☐</td><td align=\"right\">%1</td><td align=\"right\">%2</td>"
                              "<td align=\"right\">%3</td><td align=\"right\">%4</td></tr>")
                   .arg(i + 1)
                   .arg(fromUtf8(numberText(listed.genes.at(i))),
                        fromUtf8(numberText(listed.values.at(i))),
                        fromUtf8(numberText(listed.fitness.at(i))));
    }
    return out + QStringLiteral("</table>");
}

} // namespace

Worksheet::Worksheet(const Lesson& lesson, bool teacherCopy) {
    const Language language = ga::language();
    title_ = LessonTexts::text(lesson.title);
    QString h = QStringLiteral("<html><body>");
    h += QStringLiteral("<h1>%1</h1>").arg(escaped(lesson.title));
    if (teacherCopy) {
        h += QStringLiteral("<p><b>%1</b></p>")
                 .arg(tr("Öğretmen kopyası: cevaplar ve açıklamalarla"));
    } else {
        h += QStringLiteral("<p>%1 ______________________ &nbsp; %2 ________</p>")
                 .arg(tr("Ad Soyad:"), tr("Tarih:"));
    }
    h += QStringLiteral("<p><b>%1</b> %2<br><b>%3</b> %4</p>")
             .arg(tr("Amaç:"), escaped(lesson.goal), tr("Süre:"),
                  LessonTexts::minutes(lesson.minutes));

    LessonRun run;
    int number = 0;
    for (const LessonStep& step : lesson.steps) {
        ++number;
        h += QStringLiteral("<h3>%1. %2</h3><p>%3</p>")
                 .arg(number)
                 .arg(escaped(step.title), escaped(step.text));
        if (step.setUp) {
            run.apply(*step.setUp);
            h += QStringLiteral("<p><b>%1</b> %2</p>")
                     .arg(tr("Kutulara yazın:"),
                          escaped(LessonTexts::setUp(*step.setUp).join(QStringLiteral("; "))));
        }
        if (step.task) {
            run.perform(*step.task);
            h += QStringLiteral("<p><b>%1</b> %2</p>")
                     .arg(tr("Yapın:"), escaped(LessonTexts::task(*step.task)));
        }
        if (!step.question) {
            continue;
        }
        const LessonQuestion& q = *step.question;
        h += QStringLiteral("<p><b>%1</b> %2</p>").arg(tr("Soru:"), escaped(q.prompt));
        switch (q.kind) {
        case AnswerKind::Choice: {
            h += QStringLiteral("<p>");
            for (std::size_t i = 0; i < q.choices.size(); ++i) {
                h += QStringLiteral("☐ %1) %2<br>")
                         .arg(QChar(QLatin1Char(static_cast<char>('A' + i))))
                         .arg(escaped(q.choices[i]));
            }
            h += QStringLiteral("</p>");
            if (!teacherCopy) {
                h += QStringLiteral("<p>%1</p>").arg(tr("Neden?")) + writingRoom(2);
            }
            break;
        }
        case AnswerKind::Number:
            if (!teacherCopy) {
                h += QStringLiteral("<p>%1 ____________</p>").arg(tr("Cevabınız:")) +
                     QStringLiteral("<p>%1</p>").arg(tr("Nasıl buldunuz?")) + writingRoom(2);
            }
            break;
        case AnswerKind::Rows:
            if (const std::optional<ListedPopulation> listed = run.listed()) {
                h += QStringLiteral("<p>%1</p>").arg(tr("İşaretleyin:")) +
                     rowsTable(*listed, {tr("Sıra"), tr("Birey"), tr("Sonuç"), tr("Uyum")});
            }
            break;
        }
        if (teacherCopy) {
            const std::optional<LessonAnswer> answer = run.answer(q);
            if (answer) {
                h += QStringLiteral("<p style=\"color: #1a5c1a\"><b>%1</b> %2<br>%3</p>")
                         .arg(tr("Cevap:"), escaped(fromUtf8(answerText(q, *answer, language))),
                              escaped(fromUtf8(explanationText(q, *answer, language))));
            } else {
                h += QStringLiteral("<p><b>%1</b> %2</p>")
                         .arg(tr("Cevap:"), tr("Bu dersin çalıştırması bu sorunun cevabını "
                                               "vermiyor."));
            }
        }
    }
    if (teacherCopy) {
        h += QStringLiteral("<h3>%1</h3><p>%2</p>")
                 .arg(tr("Dersin sonunda söylenecekler"), escaped(lesson.closing));
    } else {
        h += QStringLiteral("<h3>%1</h3>").arg(tr("Bugün ne öğrendim?")) + writingRoom(4);
    }
    html_ = h + QStringLiteral("</body></html>");
}

void Worksheet::print(QPagedPaintDevice& device) const {
    // Laid out on the device's own pages and pixels, so the text fills the page's width at
    // its point size whatever the device's resolution.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setHtml(html_);
    document.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    document.print(&device);
}

QString Worksheet::writePdf(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setTitle(title_);
        print(pdf);
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace ga::qt
