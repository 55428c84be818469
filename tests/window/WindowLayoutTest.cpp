#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "qt/main/ColourSquare.h"
#include "qt/main/ReportLog.h"
#include "qt/widgets/ChartWidget.h"
#include "runtime/Digits.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using ga::Control;

Q_DECLARE_METATYPE(ga::Language)
using ga::controlName;
using namespace ga;
using namespace ga::qt;

namespace {

QString nameOf(Control c) {
    return QString::fromUtf8(controlName(c).data(), static_cast<qsizetype>(controlName(c).size()));
}

const QMetaObject& expectedClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
        return QGroupBox::staticMetaObject;
    case ControlKind::Label:
        return QLabel::staticMetaObject;
    case ControlKind::TextBox:
        return QLineEdit::staticMetaObject;
    case ControlKind::Button:
        return QPushButton::staticMetaObject;
    case ControlKind::ListBox:
        return QListWidget::staticMetaObject;
    case ControlKind::ReportLog:
        return ga::qt::ReportLog::staticMetaObject;
    case ControlKind::Chart:
        return ChartWidget::staticMetaObject;
    case ControlKind::ColourSquare:
        return ColourSquare::staticMetaObject;
    case ControlKind::Line:
    case ControlKind::Timer:
        break;
    }
    return QFrame::staticMetaObject;
}

// The rows of the controls that are widgets (all but the timer).
std::vector<ControlRow> widgetRows() {
    std::vector<ControlRow> rows;
    for (const ControlRow& row : controlTable()) {
        if (row.kind != ControlKind::Timer) {
            rows.push_back(row);
        }
    }
    return rows;
}

const ControlRow* rowOf(const QWidget* w) {
    for (const ControlRow& row : controlTable()) {
        if (nameOf(row.id) == w->objectName()) {
            return &row;
        }
    }
    return nullptr;
}

QString accessibleText(QWidget* w, QAccessible::Text kind = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface != nullptr ? iface->text(kind) : QString();
}

// Every text a screen reader can reach inside a widget's accessible subtree.
QStringList spokenTexts(QAccessibleInterface* iface, int depth = 0) {
    QStringList texts;
    if (iface == nullptr || depth > 3) {
        return texts;
    }
    texts << iface->text(QAccessible::Name) << iface->text(QAccessible::Value);
    for (int i = 0; i < iface->childCount(); ++i) {
        texts << spokenTexts(iface->child(i), depth + 1);
    }
    return texts;
}

} // namespace

class WindowLayoutTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void everyControlFoundByNameWithItsKind();
    void timerAndMenuAsDesigned();
    void startStateOfTheRun();
    void command2IgnoresClicksWhileDisabled();
    void lockedBoxesIgnoreTyping();
    void tabChainStartsAtPeAndSkipsResultBoxes();
    void clientAreaIsFixed();
    void fontsCarryTurkishLetters();
    void labelsShowTheirWholeText_data();
    void labelsShowTheirWholeText();
    void everyControlHasATurkishName();
    void listsLogAndBoxesReadTheirContents();
    void statusChartsAndSquaresDescribeTheRun();
    void backColorConvertsTheProgramsColours();

  private:
    // One generation run and shown, as "Hazırla" and "Başlat" and a tick give it.
    void runOneTick() {
        press(Control::Command1);
        press(Control::Command2);
        window->timer()->stop();
        window->form().Timer1_Timer();
        showNow();
    }
};

void WindowLayoutTest::init() {
    QVERIFY(openWindow());
}

void WindowLayoutTest::cleanup() {
    closeWindow();
}

// Every control of the layout exists under its own name, inside its frame, as the kind
// of widget the window operations expect; a wrong kind would make an operation a no-op.
void WindowLayoutTest::everyControlFoundByNameWithItsKind() {
    std::set<QString> seen;
    for (const ControlRow& row : widgetRows()) {
        const QString name = nameOf(row.id);
        QVERIFY2(seen.insert(name).second, qPrintable(name));
        auto* w = window->findChild<QWidget*>(name);
        QVERIFY2(w != nullptr, qPrintable(name));
        QCOMPARE(window->control(row.id), w);
        QVERIFY2(w->inherits(expectedClass(row.kind).className()), qPrintable(name));
        if (row.parent != kWindow) {
            QCOMPARE(w->parentWidget()->objectName(), nameOf(row.parent));
        }
        QCOMPARE(w->pos(), QPoint(toPixels(row.left), toPixels(row.top)));
    }
    // Every control of the program except the timer is a widget in the table.
    QCOMPARE(static_cast<int>(seen.size()), ga::kControlCount - 1);
}

// The timer runs on the kernel's clock, is idle and at 200 ms until a command changes it;
// the menu has its two items around a separator that does nothing.
void WindowLayoutTest::timerAndMenuAsDesigned() {
    auto* timer = window->findChild<ga::qt::TickTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    QCOMPARE(timer, window->timer());
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 200);
    QCOMPARE(timer->clock(), ga::qt::TickTimer::Clock::Kernel);

    auto* menu = window->findChild<QMenu*>(QStringLiteral("m"));
    QVERIFY(menu != nullptr);
    // "Menü" comes first; the menus added after it are the program's own.
    QCOMPARE(window->menuBar()->actions().front()->menu(), menu);
    QCOMPARE(menu->title().remove(QLatin1Char('&')), QStringLiteral("Menü"));
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QStringLiteral("hk"));
    QCOMPARE(items[0]->text().remove(QLatin1Char('&')), QStringLiteral("Hakkında"));
    QCOMPARE(items[1]->objectName(), QStringLiteral("da"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->objectName(), QStringLiteral("cs"));
    QCOMPARE(items[2]->text().remove(QLatin1Char('&')), QStringLiteral("Çıkış"));

    // Triggering the separator changes nothing.
    const QString status = get<QLabel>(Control::status)->text();
    items[1]->trigger();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(get<QLabel>(Control::status)->text(), status);
}

// The load handler leaves the window in its design-time state and the exact texts the
// other controls start with are in place.
void WindowLayoutTest::startStateOfTheRun() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Genetik Algoritma - Ravik"));
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Bekliyor..."));
    QVERIFY(!get<QPushButton>(Control::Command2)->isEnabled());
    QVERIFY(get<QPushButton>(Control::Command1)->isEnabled());
    QCOMPARE(get<QLabel>(Control::Label6)->text(),
             QStringLiteral("Bireyler") + QString(11, QLatin1Char(' ')) +
                 QStringLiteral("F(x,y,z,k,c)") + QString(7, QLatin1Char(' ')) +
                 QStringLiteral("Uyum"));
    QVERIFY(
        get<QLabel>(Control::Label16)
            ->text()
            .startsWith(QStringLiteral(
                "Bu program genetik algoritmaların anlaşılması, mevcut bilginin pekiştirilmesi ve "
                "alıştırma amacıyla yapılmıştır. ")));
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        QCOMPARE(get<QListWidget>(list)->count(), 0);
    }
    QCOMPARE(get<ga::qt::ReportLog>(Control::List1)->lineCount(), 0);
    // The squares show the button face until the program colours them.
    auto* square = get<ColourSquare>(Control::g3_1);
    QCOMPARE(square->shownColour(), square->palette().color(QPalette::Button));

    const QPalette status = get<QLabel>(Control::status)->palette();
    QCOMPARE(status.color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(status.color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(get<QLabel>(Control::status)->autoFillBackground());
}

// "Başlat" is greyed out at start: a click reaches no handler, the timer stays off and
// the status line keeps its text.
void WindowLayoutTest::command2IgnoresClicksWhileDisabled() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* start = get<QPushButton>(Control::Command2);
    QSignalSpy clicked(start, &QPushButton::clicked);
    QTest::mouseClick(start, Qt::LeftButton);
    QTest::keyClick(start, Qt::Key_Space);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!window->timer()->isActive());
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Bekliyor..."));
}

// Text2 and the result boxes show what the program writes; typing into them changes
// nothing, while an ordinary input box takes the keys.
void WindowLayoutTest::lockedBoxesIgnoreTyping() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (Control c : {Control::Text2, Control::teni, Control::tenk2, Control::nesil}) {
        auto* box = get<QLineEdit>(c);
        const QString before = box->text();
        QTest::keyClicks(box, QStringLiteral("99"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), before);
    }
    auto* speed = get<QLineEdit>(Control::Text4);
    speed->selectAll();
    QTest::keyClicks(speed, QStringLiteral("16"));
    QCOMPARE(speed->text(), QStringLiteral("16"));
}

// Keyboard users start on "pe" and walk the controls in the layout's tab order; the
// result boxes are skipped, the locked Text2 is not (only its text is locked), and the
// walk comes back round to where it started.
void WindowLayoutTest::tabChainStartsAtPeAndSkipsResultBoxes() {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), get<QWidget>(Control::pe));

    std::vector<QWidget*> visited;
    QWidget* current = QApplication::focusWidget();
    for (int step = 0; step < 200; ++step) {
        visited.push_back(current);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
        QVERIFY(current != nullptr);
        if (current == visited.front()) {
            break;
        }
    }
    QCOMPARE(current, visited.front());

    std::set<QWidget*> unique(visited.begin(), visited.end());
    QCOMPARE(unique.size(), visited.size());

    int lastTab = 0;
    for (QWidget* w : visited) {
        const ControlRow* row = rowOf(w);
        QVERIFY2(row != nullptr, qPrintable(w->objectName()));
        QVERIFY2((row->flags & kNoTabStop) == 0, qPrintable(w->objectName()));
        QVERIFY2(row->tab > lastTab, qPrintable(w->objectName()));
        lastTab = row->tab;
    }
    // Every enabled control that should take a tab stop is on the walk.
    for (const ControlRow& row : widgetRows()) {
        QWidget* w = window->control(row.id);
        const bool tabStop = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (tabStop && w->isEnabled()) {
            QVERIFY2(unique.count(w) == 1, qPrintable(w->objectName()));
        }
    }
    QVERIFY(unique.count(get<QWidget>(Control::Text2)) == 1);
    QVERIFY(unique.count(get<QWidget>(Control::Command1)) == 1);
    QVERIFY(unique.count(get<QWidget>(Control::List1)) == 1);
    for (Control result : {Control::teni, Control::teni2, Control::tenk, Control::tenk2,
                           Control::nesil, Control::tmut}) {
        QVERIFY2(unique.count(get<QWidget>(result)) == 0, controlName(result).data());
    }
}

// The client area below the menu bar is 724 x 564 pixels and resizing the window moves
// nothing.
void WindowLayoutTest::clientAreaIsFixed() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->centralWidget()->size(), QSize(724, 564));
    QCOMPARE(window->centralWidget()->y(), window->menuBar()->geometry().bottom() + 1);

    std::map<QWidget*, QRect> before;
    for (const ControlRow& row : widgetRows()) {
        before[window->control(row.id)] = window->control(row.id)->geometry();
    }
    window->resize(window->size() + QSize(200, 150));
    window->resize(window->size() - QSize(400, 300));
    for (const auto& [w, geometry] : before) {
        QCOMPARE(w->geometry(), geometry);
    }
}

// The layout's font is replaced by one that has every Turkish letter; a font without
// them would show boxes for ğ, ı, İ, ş.
void WindowLayoutTest::fontsCarryTurkishLetters() {
    const QString letters = QStringLiteral("ğĞıİşŞçÇöÖüÜ");
    for (Control c :
         {Control::Label3, Control::Frame2, Control::status, Control::Label22, Control::Command4}) {
        const QFont font = get<QWidget>(c)->font();
        const QFontInfo info(font);
        QVERIFY2(info.family() == QLatin1String("Liberation Sans") ||
                     info.family() == QLatin1String("DejaVu Sans"),
                 qPrintable(info.family()));
        const QFontMetrics metrics(font);
        for (QChar letter : letters) {
            QVERIFY2(metrics.inFont(letter), qPrintable(QString(letter)));
        }
    }
    // Frames and status are bold, the formula larger; plain labels inside a bold frame
    // do not inherit its weight.
    QVERIFY(get<QWidget>(Control::Frame3)->font().bold());
    QVERIFY(get<QWidget>(Control::status)->font().bold());
    QVERIFY(!get<QWidget>(Control::Label11)->font().bold());
    QVERIFY(get<QWidget>(Control::Label1)->font().bold());
    QVERIFY(get<QWidget>(Control::Label1)->font().pointSizeF() >
            get<QWidget>(Control::Label2)->font().pointSizeF());
}

// No caption is cut: every label's text fits its box with the substituted font, also
// the status texts the commands write.
void WindowLayoutTest::labelsShowTheirWholeText_data() {
    QTest::addColumn<ga::Language>("language");
    QTest::newRow("Türkçe") << ga::Language::Turkish;
    QTest::newRow("English") << ga::Language::English;
}

// In either language every label, button and frame shows its whole caption inside its
// own rectangle, whatever the status line says after each command.
void WindowLayoutTest::labelsShowTheirWholeText() {
    QFETCH(ga::Language, language);
    window->switchLanguage(language);
    const auto checkAll = [this] {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            QVERIFY2(needed <= label->height(), qPrintable(label->text()));
            if (!label->wordWrap()) {
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
            // A label stays inside its frame or the client area.
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                     qPrintable(label->text()));
        }
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(text + 8 <= button->width(), qPrintable(button->text()));
        }
        for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 12 <= frame->width(),
                     qPrintable(frame->title()));
        }
    };
    checkAll();
    for (Control command :
         {Control::Command1, Control::Command2, Control::Command3, Control::Command4}) {
        press(command);
        checkAll();
    }
    window->switchLanguage(ga::Language::Turkish);
}

// A screen reader names every control in Turkish; boxes and charts that have no text of
// their own get the label beside them, and no two input boxes share a name.
void WindowLayoutTest::everyControlHasATurkishName() {
    std::map<QString, QString> boxNames;
    for (const ControlRow& row : widgetRows()) {
        QWidget* w = window->control(row.id);
        const QString name = accessibleText(w);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
        QVERIFY2(name != w->objectName(), qPrintable(name));
        if (row.kind == ControlKind::TextBox || row.kind == ControlKind::Chart ||
            row.kind == ControlKind::ColourSquare) {
            const auto [it, fresh] = boxNames.emplace(name, w->objectName());
            QVERIFY2(fresh, qPrintable(name + QLatin1String(": ") + it->second + QLatin1Char(' ') +
                                       w->objectName()));
        }
    }
    QCOMPARE(accessibleText(get<QWidget>(Control::Text1)), QStringLiteral("Ulaşılacak sayı"));
    QCOMPARE(accessibleText(get<QWidget>(Control::td)), QStringLiteral("k katsayısı"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Text4)), QStringLiteral("Hız (Önerilen=8)"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Command1)), QStringLiteral("Hazırla"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Frame4)), QStringLiteral("Popülasyon"));
    QCOMPARE(accessibleText(get<QWidget>(Control::pd)), QStringLiteral("k üssü"));
    QCOMPARE(accessibleText(get<QWidget>(Control::g1_0)), QStringLiteral("En iyi gen, 1. basamak"));
    QCOMPARE(accessibleText(get<QWidget>(Control::g3_1)),
             QStringLiteral("En kötü gen, 3. basamak"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Picture1)),
             get<QLabel>(Control::Label14)->text());
    QCOMPARE(accessibleText(get<QWidget>(Control::Picture2)),
             get<QLabel>(Control::Label15)->text());
    for (Control chart : {Control::Picture1, Control::Picture2}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(get<QWidget>(chart));
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
    }
}

// The program's colours are 0x00BBGGRR; a square shows red for 0x0000FF, not blue.
void WindowLayoutTest::backColorConvertsTheProgramsColours() {
    window->form().Command4_Click(); // whitens every square
    window->flushDisplay();
    for (int item = 0; item <= 1; ++item) {
        for (int position = 1; position <= 5; ++position) {
            QCOMPARE(get<ColourSquare>(ga::colourSquare(position, item))->shownColour(),
                     QColor(Qt::white));
        }
    }
    QtWindowOps& ops = window->ops();
    ga::Batch batch;
    batch.squares.push_back({Control::g2_0, 0x0000FF, "2"});
    ops.apply(batch);
    window->flushDisplay();
    QCOMPARE(get<ColourSquare>(Control::g2_0)->shownColour(), QColor(255, 0, 0));
    batch.squares[0].colour = 0x785634;
    ops.apply(batch);
    window->flushDisplay();
    QCOMPARE(get<ColourSquare>(Control::g2_0)->shownColour(), QColor(0x34, 0x56, 0x78));
}

// The population lists and the log read out their lines, and the statistics boxes
// their values, after a generation has run.
void WindowLayoutTest::listsLogAndBoxesReadTheirContents() {
    runOneTick();
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        auto* widget = get<QListWidget>(list);
        QCOMPARE(widget->count(), 20);
        const QStringList spoken = spokenTexts(QAccessible::queryAccessibleInterface(widget));
        for (int row : {0, 19}) {
            QVERIFY2(spoken.contains(widget->item(row)->text()),
                     qPrintable(widget->item(row)->text()));
        }
    }
    const QStringList log =
        spokenTexts(QAccessible::queryAccessibleInterface(window->control(Control::List1)));
    QVERIFY2(std::any_of(log.begin(), log.end(),
                         [](const QString& s) { return s.endsWith(QStringLiteral(" doğdu.")); }),
             "the log reads its birth lines");
    QCOMPARE(accessibleText(get<QLineEdit>(Control::nesil), QAccessible::Value),
             QStringLiteral(" 2"));
    QCOMPARE(accessibleText(get<QLineEdit>(Control::nesil), QAccessible::Name),
             QStringLiteral("Nesil"));
}

// The status line is read as it changes, the gene chart says how many points it holds,
// and each colour square names its digit.
void WindowLayoutTest::statusChartsAndSquaresDescribeTheRun() {
    runOneTick();
    QCOMPARE(accessibleText(get<QLabel>(Control::status), QAccessible::Name),
             QStringLiteral("Başlatıldı. İşlem devam ediyor..."));
    QVERIFY(accessibleText(get<QWidget>(Control::Picture2), QAccessible::Description)
                .contains(QStringLiteral("Çizilen nokta sayısı: 20.")));

    const auto best = ga::splitDigits(window->form().run().module1().enIyiGen);
    const auto worst = ga::splitDigits(window->form().run().module1().enKotuGen);
    for (int p = 1; p <= 5; ++p) {
        QCOMPARE(accessibleText(window->control(ga::colourSquare(p, 0)), QAccessible::Name),
                 QStringLiteral("En iyi gen, %1. basamak: %2").arg(p).arg(best[p]));
        QCOMPARE(accessibleText(window->control(ga::colourSquare(p, 1)), QAccessible::Name),
                 QStringLiteral("En kötü gen, %1. basamak: %2").arg(p).arg(worst[p]));
    }

    QTest::mouseClick(get<QPushButton>(Control::Command4), Qt::LeftButton);
    QCOMPARE(accessibleText(window->control(ga::colourSquare(1, 0)), QAccessible::Name),
             QStringLiteral("En iyi gen, 1. basamak"));
}

GA_WINDOW_TEST(WindowLayoutTest)
#include "WindowLayoutTest.moc"
