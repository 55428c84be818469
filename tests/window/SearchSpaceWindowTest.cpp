#include "qt/searchspace/SearchSpaceWindow.h"
#include "engine/SearchSpace.h"
#include "form/window/Form1.h"
#include "qt/searchspace/SearchSpaceMap.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using ga::Control;
using ga::qt::SearchSpaceWindow;

// The search space window as a class uses it: opened from "Araçlar", it must show for the
// boxes as typed the figures the engine computes, follow a change of the target, show the
// gene under a click or the keyboard cursor, mark the prepared population and write its
// optimum's genes as a proper CSV file.
class SearchSpaceWindowTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void showsTheEngineFiguresForTheDefaultFunction();
    void aClickOrAnArrowShowsThatGene();
    void followsTheBoxesAndThePopulation();
    void exportsTheBestGenesAsCsv();
    void speaksTheLanguageChosen();

  private:
    SearchSpaceWindow* open() {
        auto* item = window->findChild<QAction*>(QStringLiteral("searchSpaceAction"));
        if (item == nullptr || item->text().remove(QLatin1Char('&')) != "Arama uzayı…") {
            return nullptr;
        }
        item->trigger();
        SearchSpaceWindow* s = window->searchSpaceWindow();
        return s != nullptr && QTest::qWaitForWindowExposed(s) ? s : nullptr;
    }
    static ga::SearchSpace engine(double target) {
        ga::SearchSpace space;
        space.evaluate({0, 1, 1, 1, 1, 1}, {0, 3, 2, 2, 1, 1}, target);
        return space;
    }
};

void SearchSpaceWindowTest::showsTheEngineFiguresForTheDefaultFunction() {
    SearchSpaceWindow* s = open();
    QVERIFY(s != nullptr);
    QVERIFY(s->isWindow());
    QVERIFY(!s->isModal());
    const ga::SearchSpace expected = engine(277);
    QCOMPARE(s->space().bestGenes(), expected.bestGenes());
    QCOMPARE(s->space().exactCount(), expected.exactCount());

    const QString summary = s->summary()->text();
    QVERIFY2(summary.contains(QStringLiteral("en iyi uyum 0;")), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("%1 gen ulaşıyor").arg(expected.bestGenes().size())),
             qPrintable(summary));
    QVERIFY(summary.contains(QStringLiteral("gen sayısı: %1.").arg(expected.exactCount())));
    const QString yardstick = s->yardstick()->text();
    QVERIFY2(yardstick.contains(
                 QStringLiteral("hedefe %1 değerlendirmede").arg(expected.exhaustiveEvaluations())),
             qPrintable(yardstick));

    const auto listed = std::min<qsizetype>(200, std::ssize(expected.bestGenes()));
    QCOMPARE(s->bestList()->count(), listed);
    QCOMPARE(s->bestList()->item(0)->text(), QStringLiteral("58907"));
    // Every control can be told apart by a screen reader.
    for (QWidget* w :
         {static_cast<QWidget*>(s->bestList()), static_cast<QWidget*>(s->map()),
          static_cast<QWidget*>(s->logarithmic()), static_cast<QWidget*>(s->exportButton())}) {
        QVERIFY(!w->accessibleName().isEmpty());
        QVERIFY(w->focusPolicy() & Qt::TabFocus);
    }
}

void SearchSpaceWindowTest::aClickOrAnArrowShowsThatGene() {
    SearchSpaceWindow* s = open();
    QVERIFY(s != nullptr);
    ga::qt::SearchSpaceMap* map = s->map();
    QTest::mouseClick(map, Qt::LeftButton, {}, map->cellRect(1234).center().toPoint());
    QCOMPARE(map->chosen(), 1234);
    // 01234: x = 0, y = 1, z = 2, k = 3, c = 4; F = 0 + 1 + 4 + 3 + 4 = 12, fitness 265.
    QString details = s->geneDetails()->text();
    QVERIFY2(details.startsWith(QStringLiteral("Gen 01234: x = 0, y = 1, z = 2, k = 3, c = 4; "
                                               "F = 12; uyum = 265;")),
             qPrintable(details));
    QTest::keyClick(map, Qt::Key_Down);
    QTest::keyClick(map, Qt::Key_Right);
    QCOMPARE(map->chosen(), 1234 + 400 + 1);
    QVERIFY(s->geneDetails()->text().startsWith(QStringLiteral("Gen 01635:")));
    QCOMPARE(map->accessibleDescription(), s->geneDetails()->text());
}

void SearchSpaceWindowTest::followsTheBoxesAndThePopulation() {
    SearchSpaceWindow* s = open();
    QVERIFY(s != nullptr);
    QVERIFY(s->standing()->text().contains(QStringLiteral("Henüz popülasyon yok")));

    type(Control::Text1, QStringLiteral("300"));
    s->refresh();
    const ga::SearchSpace expected = engine(300);
    QCOMPARE(s->space().target(), 300.0);
    QVERIFY(s->yardstick()->text().contains(
        QStringLiteral("hedefe %1 değerlendirmede").arg(expected.exhaustiveEvaluations())));

    press(Control::Command1);
    s->refresh();
    // The population's best gene, ranked among all genes as the engine ranks it.
    double best = 1e300;
    const ga::Row& genes = window->form().run().population().genler;
    for (int i = 1; i <= ga::kPopulation; ++i) {
        best = std::min(best, expected.fitness(static_cast<int>(genes[i])));
    }
    const auto rank = expected.rank(best);
    const QString standing = s->standing()->text();
    QVERIFY2(standing.contains(QStringLiteral("içinde %1. sırada").arg(rank)),
             qPrintable(standing));
    QVERIFY(standing.contains(QStringLiteral("(en iyi %")));

    // The marks follow the run: after some generations they are its genes, one each.
    press(Control::Command2);
    for (int k = 0; k < 30; ++k) {
        window->form().Timer1_Timer();
    }
    s->refresh();
    std::vector<int> onMap;
    for (int i = 1; i <= ga::kPopulation; ++i) {
        if (genes[i] >= 0 && genes[i] < ga::kGeneCount) {
            onMap.push_back(static_cast<int>(genes[i]));
        }
    }
    QCOMPARE(s->map()->marks(), onMap);
}

void SearchSpaceWindowTest::exportsTheBestGenesAsCsv() {
    SearchSpaceWindow* s = open();
    QVERIFY(s != nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("best.csv"));
    QVERIFY(s->exportCsvTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // Every line ends in CR LF, so the text ends with an empty piece after the last one.
    QCOMPARE(lines.size(), std::ssize(s->space().bestGenes()) + 2);
    QCOMPARE(lines[0], QByteArray("gene,x,y,z,k,c,value,fitness\r"));
    QCOMPARE(lines[1], QByteArray("58907,5,8,9,0,7,277,0\r"));
    QVERIFY(lines.back().isEmpty());
}

// A switch of language rewrites every text the window has shown, the figures kept.
void SearchSpaceWindowTest::speaksTheLanguageChosen() {
    press(Control::Command1);
    SearchSpaceWindow* s = open();
    QVERIFY(s != nullptr);
    window->findChild<QAction*>(QStringLiteral("englishAction"))->trigger();
    QCOMPARE(s->windowTitle(), QStringLiteral("Search Space"));
    QVERIFY(s->geneDetails()->text().startsWith(
        QStringLiteral("Gene 58907: x = 5, y = 8, z = 9, k = 0, c = 7; F = 277; fitness = 0;")));
    QVERIFY(s->yardstick()->text().contains(QStringLiteral("after 58908 evaluations")));
    QVERIFY2(s->standing()->text().contains(QStringLiteral("(top ")),
             qPrintable(s->standing()->text()));
    QCOMPARE(s->map()->accessibleName(), QStringLiteral("Gene map"));

    window->findChild<QAction*>(QStringLiteral("turkishAction"))->trigger();
    QCOMPARE(s->windowTitle(), QStringLiteral("Arama Uzayı"));
    QVERIFY(s->standing()->text().contains(QStringLiteral("(en iyi %")));
}

GA_WINDOW_TEST(SearchSpaceWindowTest)
#include "SearchSpaceWindowTest.moc"
