#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "qt/main/SeedDialog.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using ga::Control;

// The menu bar's order, and the "Çalışma" menu as a person uses it: the keys F10, F5 and Shift+F5,
// and the "Tohum" dialog that shows, copies and fixes the seed.
class RunMenuTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void menusInTheirOrder();
    void keysStepStartAndStop();
    void seedDialogRefusesBadSeedsAndFixesGoodOnes();
    void languageSwitchKeepsTheRun();

  private:
    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
    // Opens "Tohum" from the menu.
    void openSeedDialog(ga::qt::SeedDialog*& dialog) {
        action("seedAction")->trigger();
        dialog = window->findChild<ga::qt::SeedDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QVERIFY(dialog->isModal());
    }
};

// "Menü" stays first (its items are the designed window's own), then "Dosya" and "Çalışma"
// with their commands and keys, and "Araçlar".
void RunMenuTest::menusInTheirOrder() {
    const QList<QAction*> menus = window->menuBar()->actions();
    QVERIFY(menus.size() >= 4);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Menü"));
    QCOMPARE(menus[3]->text().remove(QLatin1Char('&')), QStringLiteral("Araçlar"));
    const struct {
        int menu;
        const char* title;
        QStringList items; // the text and key of each command, submenus included
    } expected[] = {
        {1,
         "Dosya",
         {QStringLiteral("Oturumu aç… Ctrl+O"), QStringLiteral("Oturumu kaydet Ctrl+S"),
          QStringLiteral("Farklı kaydet… Ctrl+Shift+S"), QStringLiteral("Son oturumlar "),
          QStringLiteral("Dışa aktar ")}},
        {2,
         "Çalışma",
         {QStringLiteral("Bir nesil ilerlet F10"), QStringLiteral("Başlat F5"),
          QStringLiteral("Durdur Shift+F5"), QStringLiteral("Tohum… Ctrl+T"),
          QStringLiteral("Tahmin modu Ctrl+Shift+T")}},
    };
    for (const auto& m : expected) {
        QCOMPARE(menus[m.menu]->text().remove(QLatin1Char('&')), QString::fromUtf8(m.title));
        QStringList items;
        for (QAction* a : menus[m.menu]->menu()->actions()) {
            if (!a->isSeparator()) {
                items << a->text().remove(QLatin1Char('&')) + QLatin1Char(' ') +
                             a->shortcut().toString(QKeySequence::PortableText);
            }
        }
        QCOMPARE(items, m.items);
    }
}

// F10 runs exactly one generation and shows it; it is usable only while "Başlat" is and
// the timer is off, and a second press within the same display frame (a held key) waits
// for the next. F5 and Shift+F5 are the buttons.
void RunMenuTest::keysStepStartAndStop() {
    QAction* step = action("stepAction");
    QVERIFY(!step->isEnabled());
    QVERIFY(!action("startAction")->isEnabled());
    press(Control::Command1);
    QVERIFY(step->isEnabled());

    QTest::keyClick(window.get(), Qt::Key_F10);
    QCOMPARE(text(Control::nesil), QStringLiteral(" 2"));
    QCOMPARE(get<QListWidget>(Control::Gen)->count(), 20);
    QTest::keyClick(window.get(), Qt::Key_F10);
    // Held down: at most one generation per display frame.
    QCOMPARE(window->form().run().module1().nesilSayisi, 2.0);
    QTRY_COMPARE((step->trigger(), window->form().run().module1().nesilSayisi), 3.0);
    QCOMPARE(text(Control::nesil), QStringLiteral(" 3"));

    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(window->timer()->isActive());
    QVERIFY(!step->isEnabled());
    QCOMPARE(get<QLabel>(Control::status)->text(),
             QStringLiteral("Başlatıldı. İşlem devam ediyor..."));
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(!window->timer()->isActive());
    QVERIFY(step->isEnabled());
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Durduruldu..."));

    press(Control::Command4);
    QVERIFY(!step->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY2(!window->timer()->isActive(), "F5 does nothing while Başlat is disabled");
}

// The dialog shows the seed in use and copies it; a seed that is not a whole number in
// range gets a message and changes nothing; a good one is fixed at once (what a fixed seed
// then replays is the engine's to prove).
void RunMenuTest::seedDialogRefusesBadSeedsAndFixesGoodOnes() {
    const std::uint32_t clockSeed = window->form().run().seed();
    ga::qt::SeedDialog* dialog = nullptr;
    openSeedDialog(dialog);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tohum"));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("currentSeed"))->text(),
             QStringLiteral("Bu çalıştırmanın tohumu: %1").arg(clockSeed));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("copySeed")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::number(clockSeed));

    auto* typed = dialog->findChild<QRadioButton*>(QStringLiteral("seedTyped"));
    auto* seed = dialog->findChild<QLineEdit*>(QStringLiteral("seedText"));
    auto* error = dialog->findChild<QLabel*>(QStringLiteral("seedError"));
    QTest::mouseClick(typed, Qt::LeftButton);
    for (const char* bad : {"-5", "4294967296", "12.5", "on iki", ""}) {
        seed->selectAll();
        QTest::keyClick(seed, Qt::Key_Delete);
        QTest::keyClicks(seed, QString::fromUtf8(bad));
        QTest::keyClick(seed, Qt::Key_Return);
        QVERIFY2(dialog->isVisible(), bad);
        QVERIFY2(error->text().contains(QStringLiteral("tam sayı")), bad);
        QCOMPARE(window->form().run().seed(), clockSeed);
        QVERIFY(!window->form().fixedSeed());
    }

    seed->selectAll();
    QTest::keyClicks(seed, QStringLiteral("1234567"));
    QVERIFY2(error->text().isEmpty(), "typing clears the message");
    QTest::keyClick(seed, Qt::Key_Return);
    QTRY_VERIFY(window->findChild<ga::qt::SeedDialog*>() == nullptr);
    QCOMPARE(window->form().fixedSeed(), std::optional<std::uint32_t>(1234567));
    QCOMPARE(window->form().run().seed(), 1234567U);

    // Back to the clock: the dialog remembers the choice and a reset seeds anew.
    openSeedDialog(dialog);
    QVERIFY(dialog != nullptr);
    QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("seedFromClock")),
                      Qt::LeftButton);
    QTest::keyClick(dialog, Qt::Key_Return);
    QTRY_VERIFY(window->findChild<ga::qt::SeedDialog*>() == nullptr);
    QVERIFY(!window->form().fixedSeed());
}

// "Araçlar" → "Dil" switches every word at once in the middle of a run: the timer goes on,
// the generations carry on from where they were, the log keeps its lines; the choice is
// remembered, and Turkish comes back exactly as it was.
void RunMenuTest::languageSwitchKeepsTheRun() {
    type(Control::Text1, QStringLiteral("100000")); // out of reach: the run goes on
    type(Control::Text4, QStringLiteral("1000"));
    press(Control::Command1);
    press(Control::Command2);
    QTRY_VERIFY(window->form().run().module1().nesilSayisi >= 3);
    auto* log = window->findChild<QWidget*>(QStringLiteral("List1"));
    QVERIFY(log != nullptr);

    action("englishAction")->trigger();
    QVERIFY(window->timer()->isActive());
    const double at = window->form().run().module1().nesilSayisi;
    QCOMPARE(get<QPushButton>(Control::Command1)->text(), QStringLiteral("Prepare"));
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Started. Running..."));
    QCOMPARE(window->menuBar()->actions()[2]->text(), QStringLiteral("&Run"));
    QCOMPARE(get<QWidget>(Control::Text1)->accessibleName(), QStringLiteral("Target number"));
    QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("en"));
    QTRY_VERIFY(window->form().run().module1().nesilSayisi > at + 2);

    press(Control::Command3);
    action("turkishAction")->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("tr"));
    for (const ga::ControlRow& row : ga::controlTable()) {
        if (auto* label = qobject_cast<QLabel*>(window->control(row.id));
            label != nullptr && row.id != Control::status) {
            QCOMPARE(label->text(),
                     QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
        }
    }
    QCOMPARE(get<QLabel>(Control::status)->text(), QStringLiteral("Durduruldu..."));
    QCOMPARE(window->menuBar()->actions()[0]->text(), QStringLiteral("&Menü"));
}

GA_WINDOW_TEST(RunMenuTest)
#include "RunMenuTest.moc"
