#include "engine/Objective.h"
#include "form/window/Form1.h"
#include "form/window/FormState.h"
#include "runtime/Convert.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using ga::Control;

namespace {

// A number as the lists and boxes show it, or one of the three words for values with no
// finite result; never a C-library spelling such as "inf" or "nan".
const QRegularExpression
    kDefined(QStringLiteral("^ ?(-?(\\d+|\\d*[.,]\\d+)(E[+-]\\d{2,})?|-?∞|∞|tanımsız)$"));

} // namespace

// Whatever a person types, the real window keeps running, refuses what it must with its
// one message, and shows a defined text in every list line and result box.
class HostileInputTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void functionsWithNoFiniteValue_data();
    void functionsWithNoFiniteValue();
    void negativeDigitWithFractionalExponent();
    void targets_data();
    void targets();

  private:
    // What pasting leaves in the box (typing would take long for the longest texts).
    void paste(Control box, const QString& text) { get<QLineEdit>(box)->setText(text); }
    // Opens the run the window holds as if "Hazırla" had prepared `gene` at positions
    // first..last, as a session saved then brings it back.
    void setGenes(int first, int last, double gene) {
        ga::Form1& form = window->form();
        ga::FormState s = form.capture();
        ga::Objective f;
        f.use(s.module1);
        ga::PreparationRecord prepared;
        prepared.target = ga::Val(text(Control::Text1).toStdString());
        for (int i = 1; i <= ga::kPopulation; ++i) {
            if (i >= first && i <= last) {
                s.population.genler[static_cast<std::size_t>(i)] = gene;
            }
            f.evaluate(s.population, i, prepared.target);
            const auto k = static_cast<std::size_t>(i - 1);
            prepared.genes[k] = s.population.genler[static_cast<std::size_t>(i)];
            prepared.values[k] = s.population.sonuclar[static_cast<std::size_t>(i)];
            prepared.fitness[k] = s.population.uyumlar[static_cast<std::size_t>(i)];
        }
        ga::History history;
        history.start(prepared, s.module1);
        s.history = history.data();
        ga::StateError error = ga::StateError::None;
        ga::HistoryError historyError = ga::HistoryError::None;
        auto checked = ga::checkState(std::move(s), error, historyError);
        QVERIFY(checked);
        form.restore(std::move(*checked));
    }
    void tick() {
        window->timer()->stop();
        window->form().Timer1_Timer();
        showNow();
    }
    void verifyDefinedTexts(bool panelToo = true);
    void verifyStillResponsive();
};

void HostileInputTest::verifyDefinedTexts(bool panelToo) {
    for (Control list : {Control::Gen, Control::Sonuc, Control::uyl}) {
        auto* widget = get<QListWidget>(list);
        QCOMPARE(widget->count(), 20);
        for (int i = 0; i < widget->count(); ++i) {
            QVERIFY2(kDefined.match(widget->item(i)->text()).hasMatch(),
                     qPrintable(widget->item(i)->text()));
        }
    }
    for (Control box : {Control::nesil, Control::tmut, Control::teni, Control::teni2, Control::tenk,
                        Control::tenk2}) {
        const QString text = get<QLineEdit>(box)->text();
        QVERIFY2(!panelToo || kDefined.match(text).hasMatch(), qPrintable(text));
    }
}

// Runs the window at full speed for a moment and stops it with a click.
void HostileInputTest::verifyStillResponsive() {
    paste(Control::Text4, QStringLiteral("2000"));
    press(Control::Command2);
    QVERIFY(window->timer()->isActive());
    const QString before = get<QLineEdit>(Control::nesil)->text();
    QTRY_VERIFY(get<QLineEdit>(Control::nesil)->text() != before);
    press(Control::Command3);
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Durduruldu..."));
    QVERIFY(!window->timer()->isActive());
}

void HostileInputTest::functionsWithNoFiniteValue_data() {
    QTest::addColumn<Control>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Control>("box2");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<double>("gene");
    QTest::addColumn<QString>("shown");
    QTest::newRow("exponent 1e308") << Control::pa << QStringLiteral("1e308") << Control::pb
                                    << QStringLiteral("2") << 20000.0 << QStringLiteral("∞");
    QTest::newRow("zero to a negative power")
        << Control::pb << QStringLiteral("-1") << Control::pc << QStringLiteral("-1") << 10000.0
        << QStringLiteral("∞");
    QTest::newRow("zero times infinity")
        << Control::ta << QStringLiteral("0") << Control::pa << QStringLiteral("1000") << 90000.0
        << QStringLiteral("tanımsız");
    QTest::newRow("10 000 digits as a coefficient")
        << Control::tb << QString(10000, QLatin1Char('9')) << Control::pe
        << QString(10000, QLatin1Char('7')) << 10000.0 << QStringLiteral("tanımsız");
}

// Powers that overflow, zero to a negative power and zero times infinity give lines of
// "∞" or "tanımsız" instead of digits, a fitness of "∞", and the run goes on.
void HostileInputTest::functionsWithNoFiniteValue() {
    QFETCH(Control, box);
    QFETCH(QString, text);
    QFETCH(Control, box2);
    QFETCH(QString, text2);
    QFETCH(double, gene);
    QFETCH(QString, shown);
    paste(box, text);
    paste(box2, text2);
    press(Control::Command1);
    QCOMPARE(openBoxes().size(), 0);
    verifyDefinedTexts(false); // the result boxes still show their "-" until a tick
    // A population of that one gene breeds only copies of it.
    setGenes(1, 20, gene);
    paste(Control::Text3, QStringLiteral("0"));
    tick();
    verifyDefinedTexts();
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(get<QListWidget>(Control::Sonuc)->item(i)->text(), shown);
        QCOMPARE(get<QListWidget>(Control::uyl)->item(i)->text(), QStringLiteral("∞"));
    }
    verifyStillResponsive();
}

// A negative digit (left by a mutation) under a fractional exponent has no real power:
// the individual ranks last instead of breaking the ranking.
void HostileInputTest::negativeDigitWithFractionalExponent() {
    paste(Control::pa, QStringLiteral("0.5"));
    press(Control::Command1);
    ga::Form1& form = window->form();
    setGenes(1, 1, -7655);
    QVERIFY(std::isinf(form.run().population().uyumlar[1]));
    paste(Control::Text3, QStringLiteral("0"));
    tick();
    // Ranked last, recorded as the worst individual, and gone from the population.
    QCOMPARE(form.run().module1().enKotuGen, -7655.0);
    verifyDefinedTexts();
    QCOMPARE(get<QLineEdit>(Control::tenk)->text(), QStringLiteral("-7655"));
    QCOMPARE(get<QLineEdit>(Control::tenk2)->text(), QStringLiteral("∞"));
    verifyStillResponsive();
}

void HostileInputTest::targets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1e5") << QStringLiteral("1e5") << true;
    QTest::newRow("just above 100000") << QStringLiteral("100000.0000001") << false;
    QTest::newRow("10 000 digits") << QString(10000, QLatin1Char('9')) << false;
    QTest::newRow("Turkish letters") << QStringLiteral("ğüşİıöç") << false;
}

// Targets are accepted or refused with the one message, whatever their form.
void HostileInputTest::targets() {
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    paste(Control::Text1, target);
    press(Control::Command1);
    QCOMPARE(openBoxes().size(), accepted ? 0 : 1);
    QCOMPARE(get<QListWidget>(Control::Gen)->count(), accepted ? 20 : 0);
    for (QMessageBox* box : openBoxes()) {
        box->close();
    }
    if (accepted) {
        tick();
        verifyDefinedTexts();
        verifyStillResponsive();
    }
}

GA_WINDOW_TEST(HostileInputTest)
#include "HostileInputTest.moc"
