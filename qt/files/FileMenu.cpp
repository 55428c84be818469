#include "qt/files/FileMenu.h"

#include "form/exports/RunCsv.h"
#include "form/texts/Messages.h"
#include "form/window/Form1.h"
#include "qt/files/HeadlessQuestionBank.h"
#include "qt/files/QuestionBankDialog.h"
#include "qt/files/QuestionBankPdf.h"
#include "qt/history/HistoryChartWidget.h"
#include "qt/history/HistoryWindow.h"
#include "qt/main/MainWindowBase.h"
#include "qt/main/Startup.h"
#include "qt/widgets/ChartWidget.h"
#include "question/BankText.h"
#include "question/MoodleXml.h"
#include "session/SessionFile.h"
#include "session/Utf8.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSvgGenerator>

#include <cstdint>
#include <memory>
#include <optional>

namespace ga::qt {

namespace {

const QString kRecentKey = QStringLiteral("recentSessions");
const QString kFolderKey = QStringLiteral("lastFolder");
const QString kSessionSuffix = QStringLiteral("genetik");
// The history chart's size when the history window has not shown it, in logical pixels.
const QSize kHistoryChartSize(800, 450);

QString displayName(const QString& path) {
    return QFileInfo(path).fileName();
}

// A file name the dialog returned, with the suffix the filter asks for when it has none.
QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

// A session of a million generations takes a second or two to read or write: the pointer
// says so meanwhile.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QByteArray reportText(const ga::ReportLog& log) {
    QByteArray text;
    for (const std::string& line : log) {
        text.append(line.data(), static_cast<qsizetype>(line.size()));
        text.append('\n');
    }
    return text;
}

} // namespace

FileMenu::FileMenu(MainWindowBase& window, QMenu& menu)
    : QObject(&window), window_(window), menu_(menu) {
    menu_.setObjectName(QStringLiteral("fileMenu"));
    open_ = menu_.addAction(QString());
    open_->setObjectName(QStringLiteral("openAction"));
    open_->setShortcut(QKeySequence::Open);
    connect(open_, &QAction::triggered, this, &FileMenu::open);

    save_ = menu_.addAction(QString());
    save_->setObjectName(QStringLiteral("saveAction"));
    save_->setShortcut(QKeySequence::Save);
    connect(save_, &QAction::triggered, this, &FileMenu::save);

    saveAs_ = menu_.addAction(QString());
    saveAs_->setObjectName(QStringLiteral("saveAsAction"));
    saveAs_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs_, &QAction::triggered, this, &FileMenu::saveAs);

    recent_ = menu_.addMenu(QString());
    recent_->setObjectName(QStringLiteral("recentMenu"));
    connect(recent_, &QMenu::aboutToShow, this, &FileMenu::fillRecent);
    fillRecent();

    menu_.addSeparator();
    export_ = menu_.addMenu(QString());
    export_->setObjectName(QStringLiteral("exportMenu"));
    exportReport_ = export_->addAction(QString());
    exportReport_->setObjectName(QStringLiteral("exportReportAction"));
    connect(exportReport_, &QAction::triggered, this, [this] {
        askExport(tr("Raporu dışa aktar"), tr("Metin dosyaları (*.txt)"), tr("rapor.txt"),
                  &FileMenu::exportReport);
    });
    exportCsv_ = export_->addAction(QString());
    exportCsv_->setObjectName(QStringLiteral("exportCsvAction"));
    connect(exportCsv_, &QAction::triggered, this, [this] {
        askExport(tr("Popülasyonu ve geçmişi dışa aktar"), tr("CSV dosyaları (*.csv)"),
                  tr("calisma.csv"), &FileMenu::exportRunCsv);
    });
    exportPng_ = export_->addAction(QString());
    exportPng_->setObjectName(QStringLiteral("exportPngAction"));
    connect(exportPng_, &QAction::triggered, this, [this] { askCharts(ChartFormat::Png); });
    exportSvg_ = export_->addAction(QString());
    exportSvg_->setObjectName(QStringLiteral("exportSvgAction"));
    connect(exportSvg_, &QAction::triggered, this, [this] { askCharts(ChartFormat::Svg); });
    export_->addSeparator();
    exportQuestions_ = export_->addAction(QString());
    exportQuestions_->setObjectName(QStringLiteral("exportQuestionsAction"));
    connect(exportQuestions_, &QAction::triggered, this, &FileMenu::askQuestionBank);
}

void FileMenu::retranslate() {
    menu_.setTitle(tr("&Dosya"));
    open_->setText(tr("Oturumu &aç…"));
    save_->setText(tr("Oturumu &kaydet"));
    saveAs_->setText(tr("&Farklı kaydet…"));
    recent_->setTitle(tr("&Son oturumlar"));
    export_->setTitle(tr("Dışa akta&r"));
    exportReport_->setText(tr("&Rapor (metin)…"));
    exportCsv_->setText(tr("&Popülasyon ve geçmiş (CSV)…"));
    exportPng_->setText(tr("&Grafikler (PNG)…"));
    exportSvg_->setText(tr("Grafikler (&SVG)…"));
    exportQuestions_->setText(tr("S&oru bankası…"));
    fillRecent();
}

// ---- Sessions ------------------------------------------------------------------------

QString FileMenu::readProblem(const session::ReadResult& result) const {
    using session::ReadError;
    switch (result.error) {
    case ReadError::None:
        break;
    case ReadError::Missing:
        return tr("Dosya bulunamadı.");
    case ReadError::NotAFile:
        return tr("Bu bir dosya değil.");
    case ReadError::TooLarge:
        return tr("Dosya, bir oturum için fazla büyük (en çok %1 MB).")
            .arg(session::kMaxFileBytes >> 20U);
    case ReadError::Unreadable:
        return tr("Dosya okunamadı: %1").arg(result.detail);
    case ReadError::NotJson:
        return tr("Dosya bozuk ya da yarıda kesilmiş: %1. baytta geçerli bir JSON belgesi "
                  "olmaktan çıkıyor.")
            .arg(result.detail);
    case ReadError::NotASession:
        return tr("Dosya bu programın kaydettiği bir oturum değil.");
    case ReadError::NewerFormat:
        return tr("Dosya, programın daha yeni bir sürümüyle kaydedilmiş (biçim sürümü %1; bu "
                  "sürüm en çok %2 okuyabilir). Açmak için programın yeni sürümünü kurun.")
            .arg(result.version)
            .arg(session::kFormatVersion);
    case ReadError::Field:
        return tr("Dosyadaki “%1” alanı eksik ya da geçersiz.").arg(result.detail);
    case ReadError::State:
        switch (result.stateError) {
        case StateError::Box:
            return tr("Dosyadaki bir kutu metni çok uzun ya da satır sonu içeriyor.");
        case StateError::Generator:
            return tr("Dosyadaki rastgele sayı üretecinin durumu geçersiz.");
        case StateError::Interval:
            return tr("Dosyadaki zamanlayıcı aralığı geçersiz.");
        case StateError::Lists:
            return tr("Dosyadaki popülasyon listeleri çok uzun.");
        case StateError::Chart:
            return tr("Dosyadaki grafik çizimleri geçersiz.");
        case StateError::Log:
            return tr("Dosyadaki rapor satırları geçersiz.");
        case StateError::History:
            return tr("Dosyadaki çalışma geçmişi kendi içinde tutarsız.");
        case StateError::Population:
            return tr("Dosyadaki popülasyon, çalışma geçmişinin son nesliyle aynı değil.");
        case StateError::Run:
            return tr("Dosyadaki “Başlat” düğmesinin durumu çalışma geçmişiyle uyuşmuyor.");
        case StateError::None:
            break;
        }
        break;
    }
    return tr("Dosya okunamadı.");
}

bool FileMenu::openSession(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::optional<WaitCursor> waiting(std::in_place);
    session::ReadResult result =
        session::readFile(absolute, window_.form().run().history().limits());
    session::releaseFreedMemory();
    waiting.reset();
    if (!result.state) {
        if (result.error == session::ReadError::Missing) {
            forget(absolute);
        }
        showProblem(tr("“%1” oturumu açılamadı.").arg(displayName(absolute)) +
                    QStringLiteral("\n\n") + readProblem(result) + QStringLiteral("\n\n") +
                    tr("Penceredeki çalışma değişmedi."));
        return false;
    }
    window_.form().restore(std::move(*result.state));
    window_.flushDisplay();
    window_.updateCommands();
    window_.restorePrediction(result.prediction);
    setCurrent(absolute);
    remember(absolute);
    return true;
}

bool FileMenu::saveSession(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    std::optional<WaitCursor> waiting(std::in_place);
    const QString reason = session::saveFile(absolute, window_.form(), fromUtf8(programVersion()),
                                             window_.predictionState());
    waiting.reset();
    if (!reason.isEmpty()) {
        showWriteProblem(absolute, reason, tr("“%1” oturumu kaydedilemedi."));
        return false;
    }
    setCurrent(absolute);
    remember(absolute);
    return true;
}

void FileMenu::open() {
    const QString path = QFileDialog::getOpenFileName(
        &window_, tr("Oturumu aç"), lastFolder(),
        tr("Genetik Algoritma oturumları (*.genetik);;Bütün dosyalar (*)"));
    if (!path.isEmpty()) {
        openSession(path);
    }
}

void FileMenu::save() {
    if (current_.isEmpty()) {
        saveAs();
    } else {
        saveSession(current_);
    }
}

void FileMenu::saveAs() {
    const QString suggested =
        current_.isEmpty() ? tr("oturum.genetik") : QFileInfo(current_).fileName();
    const QString path = askSaveName(tr("Oturumu kaydet"),
                                     tr("Genetik Algoritma oturumları (*.genetik)"), suggested);
    if (!path.isEmpty()) {
        saveSession(withSuffix(path, kSessionSuffix));
    }
}

void FileMenu::setCurrent(const QString& path) {
    current_ = path;
    window_.setWindowTitle(QString::fromUtf8(kCaption) + QStringLiteral(" — ") + displayName(path));
    QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
}

// ---- Recent sessions -----------------------------------------------------------------

QStringList FileMenu::recentSessions() {
    return QSettings().value(kRecentKey).toStringList();
}

void FileMenu::remember(const QString& path) {
    QStringList recent = recentSessions();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentCount) {
        recent.removeLast();
    }
    QSettings().setValue(kRecentKey, recent);
}

void FileMenu::forget(const QString& path) {
    QStringList recent = recentSessions();
    if (recent.removeAll(path) > 0) {
        QSettings().setValue(kRecentKey, recent);
    }
}

void FileMenu::fillRecent() {
    recent_->clear();
    // A session moved or deleted since leaves the list.
    QStringList recent = recentSessions();
    const auto gone = recent.removeIf([](const QString& p) { return !QFileInfo::exists(p); });
    if (gone > 0) {
        QSettings().setValue(kRecentKey, recent);
    }
    for (qsizetype i = 0; i < recent.size(); ++i) {
        QString shown = QDir::toNativeSeparators(recent[i]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setObjectName(QStringLiteral("recentSession%1").arg(i + 1));
        const QString path = recent[i];
        connect(item, &QAction::triggered, this, [this, path] { openSession(path); });
    }
    if (recent.isEmpty()) {
        QAction* none = recent_->addAction(tr("(Henüz oturum yok)"));
        none->setObjectName(QStringLiteral("noRecentSessions"));
        none->setEnabled(false);
        return;
    }
    recent_->addSeparator();
    QAction* clear = recent_->addAction(tr("Listeyi &temizle"));
    clear->setObjectName(QStringLiteral("clearRecentAction"));
    connect(clear, &QAction::triggered, this, [] { QSettings().remove(kRecentKey); });
}

// ---- Exports -------------------------------------------------------------------------

bool FileMenu::exportReport(const QString& path) {
    return write(path, reportText(window_.form().log()), tr("Rapor “%1” dosyasına yazılamadı."));
}

bool FileMenu::exportRunCsv(const QString& path) {
    const Form1& form = window_.form();
    QByteArray csv;
    writeRunCsv(form.listValues(), form.run().module1().nesilSayisi, form.run().history(),
                [&csv](std::string_view piece) {
                    csv.append(piece.data(), static_cast<qsizetype>(piece.size()));
                });
    return write(path, csv, tr("Popülasyon ve geçmiş “%1” dosyasına yazılamadı."));
}

QStringList FileMenu::chartPaths(const QString& path, ChartFormat format) {
    const QFileInfo info(path);
    const QString suffix =
        format == ChartFormat::Png ? QStringLiteral("png") : QStringLiteral("svg");
    QString base = info.fileName();
    if (info.suffix().compare(suffix, Qt::CaseInsensitive) == 0) {
        base.chop(suffix.size() + 1);
    }
    const QString stem = info.dir().filePath(base);
    QStringList paths;
    for (const char* chart : {"uyum", "cesitlilik", "gecmis"}) {
        paths << stem + QLatin1Char('-') + QLatin1String(chart) + QLatin1Char('.') + suffix;
    }
    return paths;
}

bool FileMenu::exportCharts(const QString& path, ChartFormat format) {
    window_.flushDisplay();
    const QStringList paths = chartPaths(path, format);
    // The history chart as the history window shows it, or drawn for the export alone.
    std::unique_ptr<HistoryChartWidget> own;
    HistoryChartWidget* history = nullptr;
    if (HistoryWindow* w = window_.historyWindow(); w != nullptr && w->isVisible()) {
        history = w->chart();
    } else {
        own = std::make_unique<HistoryChartWidget>(window_.form().decimalSeparator());
        own->setHistory(&window_.form().run().history());
        own->resize(kHistoryChartSize);
        own->historyChanged();
        // The cursor where the history window would put it when it follows the run: at the
        // newest generation.
        if (const std::uint64_t kept = window_.form().run().history().size(); kept > 0) {
            own->setSelected(kept - 1);
        }
        history = own.get();
    }
    const qreal ratio = window_.devicePixelRatioF();
    const QString failed = tr("Grafik “%1” dosyasına yazılamadı.");
    for (int chart = 0; chart < 3; ++chart) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        auto* picture = chart < 2 ? window_.control<ChartWidget>(chart == 0 ? Control::Picture1
                                                                            : Control::Picture2)
                                  : nullptr;
        const QSize size = picture != nullptr ? picture->surfaceSize() : history->size();
        if (format == ChartFormat::Png) {
            QImage image;
            if (picture != nullptr) {
                image = picture->image();
            } else {
                image = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::white);
                history->render(&image);
            }
            QImageWriter writer(&buffer, "png");
            if (!writer.write(image)) {
                showProblem(failed.arg(displayName(paths[chart])) + QStringLiteral("\n\n") +
                            writer.errorString());
                return false;
            }
        } else {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(QFileInfo(paths[chart]).completeBaseName());
            svg.setDescription(QString::fromUtf8(kCaption));
            QPainter painter(&svg);
            if (picture != nullptr) {
                picture->paintDrawing(painter);
            } else {
                history->render(&painter);
            }
        }
        buffer.close();
        if (!write(paths[chart], bytes, failed)) {
            return false;
        }
    }
    return true;
}

bool FileMenu::exportQuestionBank(const QString& path, const QuestionBankSettings& settings) {
    std::optional<WaitCursor> waiting(std::in_place);
    const QuestionBank bank = makeQuestionBank(settings);
    if (bank.error != BankError::None) {
        // The dialog refuses such settings; a caller that did not is told all the same.
        waiting.reset();
        showProblem(tr("Bu ayarlarla soru bankası hazırlanamıyor."));
        return false;
    }
    const QuestionText words(window_.form().decimalSeparator());
    const BankText text(words);
    const QByteArray bytes =
        wantsPdf(path) ? questionBankPdf(settings, bank, text) : moodleXml(settings, bank, text);
    waiting.reset();
    return write(path, bytes, tr("Soru bankası “%1” dosyasına yazılamadı."));
}

void FileMenu::askQuestionBank() {
    // Modal to the window without a loop of its own: the run goes on behind it.
    auto* dialog = new QuestionBankDialog(window_.typedInputs(), window_.form().run().seed(),
                                          window_.form().decimalSeparator(), &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const QuestionBankSettings settings = dialog->settings();
        const bool pdf = dialog->format() == QuestionBankDialog::Format::Pdf;
        const QString path =
            askSaveName(tr("Soru bankasını kaydet"),
                        pdf ? tr("PDF belgeleri (*.pdf)") : tr("Moodle XML dosyaları (*.xml)"),
                        pdf ? tr("soru-bankasi.pdf") : tr("soru-bankasi.xml"));
        if (!path.isEmpty()) {
            exportQuestionBank(
                withSuffix(path, pdf ? QStringLiteral("pdf") : QStringLiteral("xml")), settings);
        }
    });
    dialog->open();
}

void FileMenu::askExport(const QString& title, const QString& filter, const QString& suggested,
                         bool (FileMenu::*write)(const QString&)) {
    const QString path = askSaveName(title, filter, suggested);
    if (!path.isEmpty()) {
        const QString suffix = QFileInfo(suggested).suffix();
        (this->*write)(withSuffix(path, suffix));
    }
}

void FileMenu::askCharts(ChartFormat format) {
    const bool png = format == ChartFormat::Png;
    const QString path = askSaveName(
        png ? tr("Grafikleri PNG olarak dışa aktar") : tr("Grafikleri SVG olarak dışa aktar"),
        png ? tr("PNG resimleri (*.png)") : tr("SVG çizimleri (*.svg)"),
        png ? tr("grafikler.png") : tr("grafikler.svg"), false);
    if (path.isEmpty()) {
        return;
    }
    const QStringList paths = chartPaths(path, format);
    QStringList existing;
    for (const QString& p : paths) {
        if (QFileInfo::exists(p)) {
            existing << displayName(p);
        }
    }
    if (!existing.isEmpty()) {
        QMessageBox ask(QMessageBox::Question, QString::fromUtf8(kCaption),
                        tr("Şu dosyalar zaten var:") + QLatin1Char('\n') +
                            existing.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                            tr("Üzerlerine yazılsın mı?"),
                        QMessageBox::Yes | QMessageBox::No, &window_);
        ask.setDefaultButton(QMessageBox::No);
        ask.button(QMessageBox::Yes)->setText(tr("Üzerine yaz"));
        ask.button(QMessageBox::No)->setText(tr("Vazgeç"));
        if (ask.exec() != QMessageBox::Yes) {
            return;
        }
    }
    exportCharts(path, format);
}

QString FileMenu::askSaveName(const QString& title, const QString& filter, const QString& suggested,
                              bool confirmOverwrite) {
    QString path = QFileDialog::getSaveFileName(
        &window_, title, QDir(lastFolder()).filePath(suggested), filter, nullptr,
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) {
        QSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
    }
    return path;
}

QString FileMenu::lastFolder() {
    const QString folder = QSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// ---- Writing and saying what went wrong ----------------------------------------------

bool FileMenu::write(const QString& path, const QByteArray& bytes, const QString& what) {
    const QString reason = session::writeFile(path, bytes);
    if (reason.isEmpty()) {
        return true;
    }
    showWriteProblem(path, reason, what);
    return false;
}

void FileMenu::showWriteProblem(const QString& path, const QString& reason, const QString& what) {
    showProblem(what.arg(displayName(path)) + QStringLiteral("\n\n") + reason +
                QStringLiteral("\n(") + QDir::toNativeSeparators(path) + QStringLiteral(")\n\n") +
                tr("Varsa önceki dosya olduğu gibi duruyor; penceredeki çalışma değişmedi."));
}

void FileMenu::showProblem(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kCaption), text,
                                QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("fileProblem"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->button(QMessageBox::Ok)->setText(tr("Tamam"));
    // Without a loop of its own: the run goes on behind it, as with the window's other boxes.
    box->show();
}

} // namespace ga::qt
