#include "form/window/Form1.h"
#include "runtime/Digits.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

using ga::Control;

namespace {

QString accessibleText(QWidget* w, QAccessible::Text kind) {
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

// What a screen-reader user meets: every control named in Turkish, and the lists, the
// log, the boxes, the status line, the charts and the colour squares reading out what
// they show.
class AccessibilityTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void everyControlHasATurkishName();
    void listsLogAndBoxesReadTheirContents();
    void statusChartsAndSquaresDescribeTheRun();

  private:
    void runOneTick() {
        press(Control::Command1);
        press(Control::Command2);
        window->timer()->stop();
        window->form().Timer1_Timer();
        showNow();
    }
};

// No control is left nameless or named by its program name ("Text1"); the input boxes
// carry the label beside them.
void AccessibilityTest::everyControlHasATurkishName() {
    for (int i = 0; i < ga::kControlCount; ++i) {
        const auto id = static_cast<Control>(i);
        if (id == Control::Timer1 || id == Control::Line1) {
            continue; // invisible, and a decorative rule
        }
        QWidget* w = window->control(id);
        QVERIFY2(w != nullptr, ga::controlName(id).data());
        const QString name = accessibleText(w, QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), ga::controlName(id).data());
        QVERIFY2(name != w->objectName(), qPrintable(name));
    }
    QCOMPARE(accessibleText(get<QWidget>(Control::Text1), QAccessible::Name),
             QStringLiteral("Ulaşılacak sayı"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Text4), QAccessible::Name),
             QStringLiteral("Hız (Önerilen=8)"));
    QCOMPARE(accessibleText(get<QWidget>(Control::Command2), QAccessible::Name),
             QStringLiteral("Başlat"));
}

// The population lists and the log read out their lines, and the statistics boxes
// their values, after a generation has run.
void AccessibilityTest::listsLogAndBoxesReadTheirContents() {
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
void AccessibilityTest::statusChartsAndSquaresDescribeTheRun() {
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

GA_WINDOW_TEST(AccessibilityTest)
#include "AccessibilityTest.moc"
