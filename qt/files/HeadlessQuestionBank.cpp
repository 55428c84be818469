#include "qt/files/HeadlessQuestionBank.h"

#include "qt/files/QuestionBankPdf.h"
#include "question/BankText.h"
#include "question/MoodleXml.h"
#include "session/SessionFile.h"

#include <QFileInfo>

#include <cstdio>

namespace ga::qt {

bool wantsPdf(const QString& output) {
    return QFileInfo(output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

int writeHeadlessQuestionBank(const QuestionBankSettings& settings, const QString& output,
                              const std::string& decimalSeparator) {
    const QuestionBank bank = makeQuestionBank(settings);
    if (bank.error != BankError::None) {
        // The command line refuses these before; a caller that did not gets one line too.
        std::fputs("genetik-algoritma: these settings make no question bank. See --help.\n",
                   stderr);
        return 2;
    }
    const QuestionText words(decimalSeparator);
    const BankText text(words);
    const QByteArray bytes =
        wantsPdf(output) ? questionBankPdf(settings, bank, text) : moodleXml(settings, bank, text);
    if (output.isEmpty()) {
        const bool written =
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
                static_cast<std::size_t>(bytes.size()) &&
            std::fflush(stdout) == 0;
        if (!written) {
            std::fputs("genetik-algoritma: cannot write to standard output.\n", stderr);
            return 1;
        }
        return 0;
    }
    const QString reason = session::writeFile(output, bytes);
    if (!reason.isEmpty()) {
        std::fprintf(stderr, "genetik-algoritma: cannot write '%s': %s\n", qPrintable(output),
                     qPrintable(reason));
        return 1;
    }
    return 0;
}

} // namespace ga::qt
