#include "qt/history/HistoryWindow.h"
#include "form/window/Form1.h"
#include "qt/history/FamilyTreeDrawing.h"
#include "qt/history/FamilyTreeWindow.h"
#include "qt/history/HistoryChartWidget.h"
#include "qt/main/ReportLog.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <functional>

using ga::Control;
using ga::qt::HistoryWindow;

// The history window as a person uses it: opened from "Araçlar", following a run live,
// showing any generation exactly as the main window showed it, chosen by keys, by the
// number box and by a click on the chart, and opening the family tree of an individual.
class HistoryWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(openWindow());
        type(Control::Text1, QStringLiteral("100000"));
    }
    void cleanup() { closeWindow(); }

    void opensBesideFromTheToolsMenu();
    void followsTheRunAndShowsWhatTheWindowShowed();
    void keysNumbersAndClicksChooseAGeneration();
    void followingKeepsTheReaderInPlace();
    void familyTreeFromTheKeyboard();
    void resetAndPrepareStartTheHistoryOver();
    void droppedDetailIsSaidSo();
    void speaksTheLanguageChosen();

  private:
    HistoryWindow* openHistory() {
        // The shortcut belongs to the main window, which must be the active one.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            return nullptr;
        }
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        auto* history = window->historyWindow();
        return history != nullptr && QTest::qWaitForWindowExposed(history) ? history : nullptr;
    }
    // Generations run one after the other, as ticks do, and shown.
    void generations(int n) {
        for (int k = 0; k < n; ++k) {
            window->form().Timer1_Timer();
        }
        showNow();
    }
    static QStringList column(const QAbstractItemModel* model, int c) {
        QStringList out;
        for (int r = 0; r < model->rowCount(); ++r) {
            out << model->index(r, c).data().toString();
        }
        return out;
    }
    QStringList mainLogTail(int n) const {
        const QAbstractItemModel* log = get<ga::qt::ReportLog>(Control::List1)->model();
        QStringList out;
        for (int r = log->rowCount() - n; r < log->rowCount(); ++r) {
            out << log->index(r, 0).data().toString();
        }
        return out;
    }
    static QString notes(HistoryWindow* h) { return h->notes()->text(); }
};

// "Araçlar" follows "Çalışma" with "Geçmiş…" on Ctrl+H; it opens one non-modal window of
// its own, within the screen and to the right of the main window where there is room,
// with every control named and reachable by Tab.
void HistoryWindowTest::opensBesideFromTheToolsMenu() {
    QAction* item = window->menuBar()->actions().value(3)->menu()->actions().value(0);
    QVERIFY(item != nullptr);
    QCOMPARE(item->text().remove(QLatin1Char('&')), QStringLiteral("Geçmiş…"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));

    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    QVERIFY(history->isVisible());
    QVERIFY(history->isWindow());
    QVERIFY(!history->isModal());
    QCOMPARE(history->windowTitle(), QStringLiteral("Çalışma Geçmişi"));
    const QRect room = window->screen()->availableGeometry();
    QVERIFY(room.contains(history->frameGeometry().topLeft()));
    if (window->frameGeometry().right() + 8 + history->width() <= room.right()) {
        QVERIFY(history->x() > window->frameGeometry().right());
    }

    for (QWidget* w : history->findChildren<QWidget*>()) {
        QVERIFY2(!w->objectName().isEmpty() || w->parent() != history,
                 qPrintable(w->metaObject()->className()));
    }
    const QList<QWidget*> named{history->chart(), history->slider(), history->spinBox(),
                                history->table(), history->report()};
    for (QWidget* w : named) {
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(history->chart()->accessibleDescription().contains(QStringLiteral("Geçmiş boş")));

    // Tab walks through every control of the window (the selector once there is a run).
    press(Control::Command1);
    history->refresh();
    history->activateWindow();
    history->chart()->setFocus();
    QList<QWidget*> reached;
    for (int k = 0; k < 8; ++k) {
        reached << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    for (QWidget* w :
         QList<QWidget*>{history->chart(), history->findChild<QCheckBox*>(), history->slider(),
                         history->spinBox(), history->table(), history->report()}) {
        QVERIFY2(reached.contains(w), qPrintable(w->objectName()));
    }

    // Asked for again, the same window comes back.
    history->close();
    QVERIFY(openHistory() == history);
    QVERIFY(history->isVisible());
}

// While the run goes on the window follows the newest generation; when it stops, the
// window stays and shows the last generation's population and report lines exactly as the
// main window's lists and log showed them, and the first generation as "Hazırla" listed it.
void HistoryWindowTest::followsTheRunAndShowsWhatTheWindowShowed() {
    type(Control::Text4, QStringLiteral("2000"));
    press(Control::Command1);
    showNow();
    const QStringList prepared = lines(get<QListWidget>(Control::Gen));
    const QStringList preparedFitness = lines(get<QListWidget>(Control::uyl));
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    QCOMPARE(history->spinBox()->value(), 1);
    QCOMPARE(column(history->table()->model(), 1), prepared);

    press(Control::Command2);
    QTRY_VERIFY(history->spinBox()->value() > 40);
    QVERIFY(history->following());
    press(Control::Command3);
    showNow();
    const int last = static_cast<int>(window->form().run().module1().nesilSayisi);
    QTRY_COMPARE(history->spinBox()->value(), last);
    QVERIFY(history->isVisible());
    QCOMPARE(text(Control::nesil).trimmed(), QString::number(last));

    const QAbstractItemModel* table = history->table()->model();
    QCOMPARE(column(table, 1), lines(get<QListWidget>(Control::Gen)));
    QCOMPARE(column(table, 2), lines(get<QListWidget>(Control::Sonuc)));
    QCOMPARE(column(table, 3), lines(get<QListWidget>(Control::uyl)));
    const QStringList report = column(history->report()->model(), 0);
    QVERIFY(report.size() >= 20);
    QCOMPARE(report, mainLogTail(static_cast<int>(report.size())));

    history->slider()->setFocus();
    QTest::keyClick(history->slider(), Qt::Key_Home);
    QCOMPARE(history->spinBox()->value(), 1);
    QVERIFY(!history->following());
    QCOMPARE(column(table, 1), prepared);
    QCOMPARE(column(table, 3), preparedFitness);
    QCOMPARE(history->report()->model()->rowCount(), 0);
}

// Arrows, Page Up/Down, Home and End on the slider and on the chart, a number typed into
// the box, and a click on the chart all choose a generation; End goes back to following.
void HistoryWindowTest::keysNumbersAndClicksChooseAGeneration() {
    press(Control::Command1);
    generations(200);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    QCOMPARE(history->selected(), 200U);

    struct Key {
        QWidget* target;
        Qt::Key key;
        std::uint64_t expected;
    };
    const Key keys[] = {
        {history->slider(), Qt::Key_Home, 0},       {history->slider(), Qt::Key_Right, 1},
        {history->slider(), Qt::Key_PageUp, 11},    {history->slider(), Qt::Key_End, 200},
        {history->slider(), Qt::Key_PageDown, 190}, {history->chart(), Qt::Key_Left, 189},
        {history->chart(), Qt::Key_Home, 0},        {history->chart(), Qt::Key_PageUp, 10},
        {history->chart(), Qt::Key_End, 200},
    };
    for (const Key& k : keys) {
        k.target->setFocus();
        QTest::keyClick(k.target, k.key);
        QCOMPARE(history->selected(), k.expected);
        QCOMPARE(history->spinBox()->value(), static_cast<int>(k.expected) + 1);
    }
    QVERIFY(history->following());

    history->spinBox()->setFocus();
    history->spinBox()->selectAll();
    QTest::keyClicks(history->spinBox(), QStringLiteral("77"));
    QTest::keyClick(history->spinBox(), Qt::Key_Return);
    QCOMPARE(history->selected(), 76U);
    QCOMPARE(history->slider()->value(), 76);

    ga::qt::HistoryChartWidget* chart = history->chart();
    QTest::mouseClick(chart, Qt::LeftButton, {}, chart->pointFor(123));
    QCOMPARE(history->selected(), 123U);
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("201 neslin")));
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("seçili nesil 124")));

    // New generations do not move a chosen generation; they do move a followed one.
    generations(5);
    history->refresh();
    QCOMPARE(history->selected(), 123U);
    QCOMPARE(history->spinBox()->maximum(), 206);
    QTest::keyClick(history->slider(), Qt::Key_End);
    generations(5);
    history->refresh();
    QCOMPARE(history->selected(), 210U);

    QCheckBox* logarithmic = history->findChild<QCheckBox*>();
    QTest::mouseClick(logarithmic, Qt::LeftButton);
    QVERIFY(chart->logarithmic());
}

// While the window follows a run, a person reading the report lines or the population with
// the keys (or a screen reader) stays on the row they are on as generations come in.
void HistoryWindowTest::followingKeepsTheReaderInPlace() {
    press(Control::Command1);
    generations(50);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    QListView* report = history->report();
    QTableView* table = history->table();
    report->setCurrentIndex(report->model()->index(3, 0));
    table->setCurrentIndex(table->model()->index(12, 1));
    for (int k = 0; k < 5; ++k) {
        generations(1);
        history->refresh();
        QVERIFY(history->following());
        QCOMPARE(report->currentIndex().row(), 3);
        QCOMPARE(table->currentIndex().row(), 12);
    }
    QCOMPARE(column(report->model(), 0),
             mainLogTail(static_cast<int>(report->model()->rowCount())));
}

// Enter on an individual opens its family tree: the root is that individual with its two
// parents, and the tree view can be walked with the keys. A
// smaller depth gives fewer levels; a double click opens another individual's tree.
void HistoryWindowTest::familyTreeFromTheKeyboard() {
    type(Control::Text3, QStringLiteral("60"));
    press(Control::Command1);
    generations(300);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    history->select(250);
    QTableView* table = history->table();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(14, 0));
    QTest::keyClick(table, Qt::Key_Return);
    ga::qt::FamilyTreeWindow* tree = history->familyTree();
    QVERIFY(tree != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(tree));
    QCOMPARE(tree->windowTitle(), QStringLiteral("Soy Ağacı"));
    QCOMPARE(tree->depthBox()->value(), 6);

    // Which survivors are the parents is the family tree's own test; here the tree opens on
    // the individual chosen, with its two parents below it.
    QTreeView* view = tree->treeView();
    const QAbstractItemModel* model = view->model();
    const QModelIndex root = model->index(0, 0);
    QVERIFY(root.data().toString().contains(table->model()->index(14, 1).data().toString()));
    QCOMPARE(model->rowCount(root), 2);
    QVERIFY(!tree->drawing()->boxes().empty());
    QVERIFY(!tree->drawing()->accessibleDescription().isEmpty());

    // Down goes to the first parent, Left closes it, Right opens it again.
    view->setFocus();
    view->setCurrentIndex(root);
    QTest::keyClick(view, Qt::Key_Down);
    const QModelIndex first = view->currentIndex();
    QCOMPARE(first.parent(), root);
    QTest::keyClick(view, Qt::Key_Left);
    QVERIFY(!view->isExpanded(first) || model->rowCount(first) == 0);
    if (model->rowCount(first) > 0) {
        QTest::keyClick(view, Qt::Key_Right);
        QVERIFY(view->isExpanded(first));
    }

    int deepest = 0;
    const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& i, int d) {
        deepest = std::max(deepest, d);
        for (int r = 0; r < model->rowCount(i); ++r) {
            walk(model->index(r, 0, i), d + 1);
        }
    };
    walk(root, 0);
    QVERIFY(deepest > 1);
    tree->depthBox()->setValue(1);
    deepest = 0;
    walk(model->index(0, 0), 0);
    QCOMPARE(deepest, 1);

    const QRect row = table->visualRect(table->model()->index(2, 1));
    // A double click as the window system delivers it: a click, then the second press.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(tree->tree().has_value() && tree->tree()->position == 3);
    QCOMPARE(history->familyTree(), tree);
}

// "Sıfırla" empties the history and the window says so; "Hazırla" starts it over, and a
// "Hazırla" in the middle of a run starts a history whose first generation is the count
// of that moment, which the window explains.
void HistoryWindowTest::resetAndPrepareStartTheHistoryOver() {
    press(Control::Command1);
    generations(30);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    QCOMPARE(history->spinBox()->maximum(), 31);

    press(Control::Command4);
    history->refresh();
    QVERIFY(notes(history).contains(QStringLiteral("Geçmiş boş")));
    QVERIFY(!history->slider()->isEnabled());
    QCOMPARE(history->table()->model()->index(0, 1).data().toString(), QString());

    press(Control::Command1);
    history->refresh();
    QVERIFY(history->slider()->isEnabled());
    QCOMPARE(history->spinBox()->maximum(), 1);
    generations(9);
    press(Control::Command1);
    history->refresh();
    QCOMPARE(history->spinBox()->minimum(), 10);
    QCOMPARE(history->spinBox()->maximum(), 10);
    QVERIFY(notes(history).contains(QStringLiteral("\"Sıfırla\" olmadan")));
    // The main list shows the new population after the old one.
    QCOMPARE(column(history->table()->model(), 1), lines(get<QListWidget>(Control::Gen)).mid(20));
}

// Past its memory limit the history keeps the summaries of every generation but drops the
// oldest detail: the window names the generations that can no longer be opened, and
// choosing one says so instead of showing a population.
void HistoryWindowTest::droppedDetailIsSaidSo() {
    window->form().setHistoryLimits({1, 20'000});
    press(Control::Command1);
    generations(2 * static_cast<int>(ga::History::kChunkGenerations) + 50);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    const QString said = notes(history);
    QVERIFY2(said.contains(QStringLiteral("nesil 1 – 8193 ayrıntısı silindi")), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("Grafik, her 256 neslin")), qPrintable(said));
    QCOMPARE(history->chart()->columns().front().first, 0U);

    history->spinBox()->setValue(5);
    QCOMPARE(history->selected(), 4U);
    QVERIFY(history->title()->text().contains(QStringLiteral("artık açılamaz")));
    QCOMPARE(history->table()->model()->index(0, 1).data().toString(), QString());
    history->table()->setCurrentIndex(history->table()->model()->index(0, 0));
    QTest::keyClick(history->table(), Qt::Key_Return);
    QVERIFY(history->familyTree() == nullptr);

    history->spinBox()->setValue(8194);
    QCOMPARE(column(history->table()->model(), 1).size(), 20);
    QVERIFY(!history->table()->model()->index(0, 1).data().toString().isEmpty());
}

// Switched to English and back, the history and family tree windows change at once: their
// titles, names and headers, and the report lines written again in the language chosen.
void HistoryWindowTest::speaksTheLanguageChosen() {
    press(Control::Command1);
    generations(20);
    HistoryWindow* history = openHistory();
    QVERIFY(history != nullptr);
    history->openFamilyTree(15);
    ga::qt::FamilyTreeWindow* tree = history->familyTree();
    QVERIFY(tree != nullptr);

    window->findChild<QAction*>(QStringLiteral("englishAction"))->trigger();
    QCOMPARE(history->windowTitle(), QStringLiteral("Run History"));
    QCOMPARE(history->chart()->accessibleName(), QStringLiteral("Run history chart"));
    const QAbstractItemModel* table = history->table()->model();
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Gene"));
    const QHeaderView* header = history->table()->horizontalHeader();
    for (int c = 0; c < table->columnCount(); ++c) {
        QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                 qPrintable(table->headerData(c, Qt::Horizontal).toString()));
    }
    QCOMPARE(table->index(0, 4).data().toString(), QStringLiteral("survived"));
    QVERIFY(column(history->report()->model(), 0).last().endsWith(QStringLiteral(" was born.")));
    QCOMPARE(tree->windowTitle(), QStringLiteral("Family Tree"));
    QVERIFY(tree->treeView()->model()->index(0, 0).data().toString().startsWith(
        QStringLiteral("Chosen individual: ")));

    window->findChild<QAction*>(QStringLiteral("turkishAction"))->trigger();
    QCOMPARE(history->windowTitle(), QStringLiteral("Çalışma Geçmişi"));
    QCOMPARE(table->index(0, 4).data().toString(), QStringLiteral("hayatta kaldı"));
    QVERIFY(column(history->report()->model(), 0).last().endsWith(QStringLiteral(" doğdu.")));
    QCOMPARE(tree->windowTitle(), QStringLiteral("Soy Ağacı"));
}

GA_WINDOW_TEST(HistoryWindowTest)
#include "HistoryWindowTest.moc"
