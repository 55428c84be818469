#include "qt/files/QuestionBankPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace ga::qt {

namespace {

constexpr qreal kMarginMm = 15;
constexpr qreal kPointSize = 10;
// Enough for the thin lines of the tables and sharp text; a higher resolution only makes
// the file larger.
constexpr int kResolution = 600;

QString paragraph(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// A line to write a number on.
QString blank(const QString& label) {
    return label.toHtmlEscaped() + QStringLiteral(" ____________________");
}

QString questionHtml(std::size_t number, const BankQuestion& item, const BankText& text) {
    const Question& q = item.question;
    const QuestionText& words = text.text();
    QString html = QStringLiteral("<h3>%1. %2</h3>")
                       .arg(number)
                       .arg(QuestionText::kindName(q.kind).toHtmlEscaped());
    html += paragraph(words.prompt(q)) + paragraph(text.givens(q));
    switch (q.kind) {
    case QuestionKind::Selection:
        html += text.populationTable(q, BankText::tr("Ölür"));
        break;
    case QuestionKind::Mating:
        html +=
            QStringLiteral("<p>") + blank(BankText::tr("Çocuğun geni:")) + QStringLiteral("</p>");
        break;
    case QuestionKind::Fitness:
        html += QStringLiteral("<p>") + blank(QStringLiteral("F =")) +
                QStringLiteral("&nbsp;&nbsp;&nbsp;") + blank(BankText::tr("Uyum =")) +
                QStringLiteral("</p>");
        break;
    case QuestionKind::Progress:
        html +=
            text.populationTable(q) +
            QStringLiteral("<p>\u2610 %1&nbsp;&nbsp;&nbsp;&nbsp;\u2610 %2</p>")
                .arg(BankText::tr("Evet").toHtmlEscaped(), BankText::tr("Hayır").toHtmlEscaped());
        break;
    }
    return html;
}

QString keyHtml(std::size_t number, const BankQuestion& item, const BankText& text) {
    const Question& q = item.question;
    const QuestionText& words = text.text();
    return QStringLiteral("<p><b>%1.</b> <b>%2</b> %3<br/>%4<br/><small>%5</small></p>")
        .arg(number)
        .arg(QuestionText::kindName(q.kind).toHtmlEscaped(),
             words.rightAnswer(q, item.verdict).toHtmlEscaped(),
             words.explanation(q, item.verdict, q.ahead).toHtmlEscaped(),
             BankText::origin(item).toHtmlEscaped());
}

// Lays out pieces of HTML one below the other on the writer's pages, each whole on one
// page (a question and its table stay together), with the page's number at its foot.
class Sheet {
  public:
    explicit Sheet(QPdfWriter& pdf) : pdf_(pdf), painter_(&pdf) {
        font_.setPointSizeF(kPointSize);
        // The foot holds the page number, a line's height below the content.
        const QFontMetricsF metrics(font_, &pdf_);
        footHeight_ = metrics.height() * 2;
        gap_ = metrics.height() * 0.8;
    }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    ~Sheet() { finish(); }

    void place(const QString& html) {
        QTextDocument piece;
        // Laid out for the writer, so that fonts and the tables' pixel sizes scale to it.
        piece.documentLayout()->setPaintDevice(&pdf_);
        piece.setDefaultFont(font_);
        piece.setDocumentMargin(0);
        piece.setTextWidth(pdf_.width());
        piece.setHtml(html);
        const qreal height = piece.size().height();
        if (y_ > 0 && y_ + height > contentHeight()) {
            newPage();
        }
        painter_.save();
        painter_.translate(0, y_);
        piece.drawContents(&painter_);
        painter_.restore();
        y_ += height + gap_;
    }

    void newPage() {
        drawPageNumber();
        pdf_.newPage();
        ++page_;
        y_ = 0;
    }

    void finish() {
        if (painter_.isActive()) {
            drawPageNumber();
            painter_.end();
        }
    }

  private:
    [[nodiscard]] qreal contentHeight() const { return pdf_.height() - footHeight_; }

    void drawPageNumber() {
        painter_.setFont(QFont(font_, &pdf_));
        painter_.drawText(QRectF(0, contentHeight(), pdf_.width(), footHeight_),
                          Qt::AlignHCenter | Qt::AlignBottom, QString::number(page_));
    }

    QPdfWriter& pdf_;
    QPainter painter_;
    QFont font_{QStringLiteral("Liberation Sans")};
    qreal footHeight_ = 0;
    qreal gap_ = 0;
    qreal y_ = 0;
    int page_ = 1;
};

} // namespace

QByteArray questionBankPdf(const QuestionBankSettings& settings, const QuestionBank& bank,
                           const BankText& text) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(BankText::title());
        pdf.setCreator(QStringLiteral("Genetik Algoritma"));
        pdf.setResolution(kResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
        Sheet sheet(pdf);
        sheet.place(QStringLiteral("<h2>%1</h2>").arg(BankText::title().toHtmlEscaped()) +
                    paragraph(text.settings(settings)) + QStringLiteral("<p>") +
                    blank(BankText::tr("Ad, soyad:")) + QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                    blank(BankText::tr("Tarih:")) + QStringLiteral("</p>"));
        for (std::size_t i = 0; i < bank.questions.size(); ++i) {
            sheet.place(questionHtml(i + 1, bank.questions[i], text));
        }
        // The key on pages of its own, which the teacher keeps.
        sheet.newPage();
        sheet.place(
            QStringLiteral("<h2>%1</h2>").arg(BankText::tr("Yanıt anahtarı").toHtmlEscaped()));
        for (std::size_t i = 0; i < bank.questions.size(); ++i) {
            sheet.place(keyHtml(i + 1, bank.questions[i], text));
        }
    }
    buffer.close();
    return bytes;
}

} // namespace ga::qt
