#pragma once

#include "form/lessons/Lesson.h"

#include <QString>

class QPagedPaintDevice;

namespace ga::qt {

// A lesson on paper, in the language in use: its goal, every step with what to type and do,
// every question with room to answer, and, on the teacher's copy, each answer with its
// explanation and what to say at the end. The numbers come from the lesson's run, so with
// the lesson's seed every sheet shows the numbers the board shows.
class Worksheet {
  public:
    Worksheet(const Lesson& lesson, bool teacherCopy);

    [[nodiscard]] const QString& html() const { return html_; }
    // Lays the sheet out on a printer's or a PDF writer's pages.
    void print(QPagedPaintDevice& device) const;
    // Writes the sheet as a PDF file through a temporary file, so a failure leaves no half
    // file; the system's reason otherwise.
    [[nodiscard]] QString writePdf(const QString& path) const;

  private:
    QString title_;
    QString html_;
};

} // namespace ga::qt
