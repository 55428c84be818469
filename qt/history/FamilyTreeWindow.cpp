#include "qt/history/FamilyTreeWindow.h"

#include "form/history/FamilyTreeLayout.h"
#include "form/texts/Messages.h"
#include "qt/history/FamilyTreeDrawing.h"
#include "runtime/Convert.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace ga::qt {

FamilyTreeWindow::FamilyTreeWindow(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window), separator_(std::move(decimalSeparator)) {
    setObjectName(QStringLiteral("familyTreeWindow"));

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("treeHeading"));
    heading_->setWordWrap(true);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    depth_ = new QSpinBox(this);
    depth_->setObjectName(QStringLiteral("treeDepth"));
    depth_->setRange(1, kMaxTreeDepth);
    depth_->setValue(kDefaultDepth);
    depthLabel_ = new QLabel(this);
    depthLabel_->setObjectName(QStringLiteral("treeDepthLabel"));
    depthLabel_->setBuddy(depth_);

    drawing_ = new FamilyTreeDrawing;
    drawing_->setObjectName(QStringLiteral("treeDrawing"));
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("treeScroll"));
    scroll_->setWidget(drawing_);
    scroll_->setBackgroundRole(QPalette::Base);

    model_ = new QStandardItemModel(this);
    view_ = new QTreeView;
    view_->setObjectName(QStringLiteral("treeView"));
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setUniformRowHeights(true);
    // Long lines scroll sideways instead of being cut short.
    view_->setTextElideMode(Qt::ElideNone);
    view_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view_->header()->setStretchLastSection(false);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("treeSplitter"));
    split->addWidget(scroll_);
    split->addWidget(view_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({560, 380});

    legend_ = new QLabel(this);
    legend_->setObjectName(QStringLiteral("treeLegend"));
    legend_->setWordWrap(true);

    auto* depthRow = new QHBoxLayout;
    depthRow->addWidget(depthLabel_);
    depthRow->addWidget(depth_);
    depthRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(depthRow);
    layout->addWidget(split, 1);
    layout->addWidget(legend_);

    setTabOrder(depth_, view_);
    setTabOrder(view_, scroll_);
    connect(depth_, &QSpinBox::valueChanged, this, &FamilyTreeWindow::rebuild);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(960, 560);
    retranslate();
}

void FamilyTreeWindow::retranslate() {
    setWindowTitle(tr("Soy Ağacı"));
    depth_->setAccessibleName(tr("Derinlik"));
    depth_->setAccessibleDescription(tr("Seçilen bireyden geriye kaç ebeveyn kuşağı gösterilir"));
    depthLabel_->setText(tr("&Derinlik (ebeveyn kuşağı):"));
    drawing_->setAccessibleName(tr("Soy ağacı çizimi"));
    scroll_->setAccessibleName(tr("Soy ağacı çizimi"));
    view_->setAccessibleName(tr("Soy ağacı"));
    view_->setAccessibleDescription(
        tr("Seçilen birey ve ebeveynleri; ok tuşlarıyla gezilir, sağ ok açar, sol ok kapatır."));
    legend_->setText(
        tr("Kırmızı çizgi: ebeveynin bir basamağı o çiftleşmede mutasyona uğradı; turuncu: aynı "
           "nesilde daha önceki bir çiftleşmede. Kalın çerçeve: birden çok yoldan ulaşılan ortak "
           "ata, bir kez çizilir. Yeşil: \"Hazırla\"nın ürettiği birey; kesikli çerçeve: "
           "ayrıntısı bellek sınırı yüzünden silinmiş."));
}

void FamilyTreeWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && legend_ != nullptr) {
        retranslate();
        // The tree's own words are written again; what it shows stays.
        rebuild();
    }
}

QString FamilyTreeWindow::number(double value) const {
    return QString::fromStdString(CStr(value, separator_, messages().undefined));
}

QString FamilyTreeWindow::birthText(const Ancestor& a) const {
    const QString generation = number(firstGeneration_ + static_cast<double>(a.birth));
    switch (a.origin) {
    case AncestorOrigin::Prepared:
        return tr("\"Hazırla\" üretti (nesil %1, %2. sıra)").arg(generation).arg(a.position);
    case AncestorOrigin::Forgotten:
        return tr("nesil %1 ya da öncesinde doğdu (ayrıntısı silindi)").arg(generation);
    case AncestorOrigin::Born:
        break;
    }
    return tr("doğum: nesil %1, %2. sıra").arg(generation).arg(a.position);
}

QString FamilyTreeWindow::mutationText(const InheritedMutation& m) const {
    QString text = tr("%1. basamak %2: %3 → %4")
                       .arg(m.digit)
                       .arg(m.up ? QStringLiteral("+1") : QStringLiteral("−1"))
                       .arg(number(m.before), number(m.after));
    if (!m.here) {
        text += tr(" (aynı nesilde, %1. çiftleşmede)").arg(m.mating);
    }
    if (!m.passedOn) {
        text += tr(", bu basamak çocuğa geçmedi");
    }
    return text;
}

void FamilyTreeWindow::showTree(const History& history, std::uint64_t index, int position) {
    history_ = &history;
    runId_ = history.runId();
    firstGeneration_ = history.firstGeneration();
    index_ = index;
    position_ = position;
    depth_->setEnabled(true);
    rebuild();
}

void FamilyTreeWindow::rebuild() {
    if (history_ == nullptr) {
        return;
    }
    if (history_->runId() != runId_) {
        // The run this tree came from is gone; what is shown stays as it was.
        heading_->setText(tr("Bu ağacın çalıştırması artık yok (\"Sıfırla\" ya da yeni bir "
                             "\"Hazırla\"). Geçmiş penceresinden yeni bir birey seçiniz."));
        depth_->setEnabled(false);
        return;
    }
    tree_ = familyTree(*history_, index_, position_, depth_->value());
    model_->clear();
    model_->setHorizontalHeaderLabels({tr("Soy ağacı")});
    if (!tree_) {
        drawing_->setTree({}, {}, 0, 0);
        heading_->setText(tr("Bu nesil artık açılamaz: ayrıntısı bellek sınırı yüzünden silindi."));
        return;
    }
    const FamilyTree& tree = *tree_;
    const FamilyTreeLayout layout = layOut(tree);

    std::vector<int> into(tree.nodes.size(), 0);
    for (const AncestorLink& link : tree.links) {
        ++into[static_cast<std::size_t>(link.parent)];
    }
    std::vector<TreeBox> boxes;
    for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
        const Ancestor& a = tree.nodes[n];
        boxes.push_back({number(a.gene), birthText(a), tr("F = %1").arg(number(a.value)),
                         layout.places[n], n == 0, into[n] > 1, a.origin});
    }
    std::vector<TreeLine> lines;
    int mutated = 0;
    for (const AncestorLink& link : tree.links) {
        TreeLine line{link.child, link.parent, {}, false, false};
        QStringList labels;
        for (const InheritedMutation& m : link.mutations) {
            labels << tr("%1. basamak %2: %3 → %4")
                          .arg(m.digit)
                          .arg(m.up ? QStringLiteral("+1") : QStringLiteral("−1"))
                          .arg(number(m.before), number(m.after));
            line.mutatedHere = line.mutatedHere || m.here;
            line.mutatedBefore = line.mutatedBefore || !m.here;
        }
        line.label = labels.join(QLatin1Char('\n'));
        mutated += link.mutations.empty() ? 0 : 1;
        lines.push_back(std::move(line));
    }
    drawing_->setTree(std::move(boxes), std::move(lines), layout.columns, layout.rows);
    const QRectF rootBox = drawing_->boxRect(0);
    scroll_->ensureVisible(static_cast<int>(rootBox.center().x()),
                           static_cast<int>(rootBox.center().y()),
                           static_cast<int>(rootBox.width()), static_cast<int>(rootBox.height()));
    drawing_->setAccessibleDescription(
        tr("%1 birey ve %2 çizgi; %3 çizgide mutasyon var. Aynı bilgiler yandaki ağaç "
           "görünümünde.")
            .arg(tree.nodes.size())
            .arg(tree.links.size())
            .arg(mutated));

    const Ancestor& root = tree.nodes[0];
    const QString chosen = tr("Nesil %1, %2. sıradaki birey, gen %3")
                               .arg(number(firstGeneration_ + static_cast<double>(tree.index)))
                               .arg(tree.position)
                               .arg(number(root.gene));
    heading_->setText(tr("%1 (%2). Ağaçta %3 birey ve %4 çizgi var; %5 çizgide mutasyon.")
                          .arg(chosen, birthText(root))
                          .arg(tree.nodes.size())
                          .arg(tree.links.size())
                          .arg(mutated));

    // The tree view: every line from a child to a parent is an item; an individual's own
    // parents are listed under its first appearance only.
    std::vector<bool> listed(tree.nodes.size(), false);
    const auto describe = [this](const Ancestor& a) {
        QString text = number(a.gene) + QStringLiteral(" — ") + birthText(a);
        if (a.origin == AncestorOrigin::Born && !a.expanded) {
            text += tr(" — ebeveynleri derinlik sınırının ötesinde");
        }
        return text;
    };
    auto* top = new QStandardItem(tr("Seçilen birey: %1").arg(describe(root)));
    model_->appendRow(top);
    listed[0] = true;
    const std::function<void(int, QStandardItem*)> addParents = [&](int child,
                                                                    QStandardItem* item) {
        std::vector<const AncestorLink*> mine;
        for (const AncestorLink& link : tree.links) {
            if (link.child == child) {
                mine.push_back(&link);
            }
        }
        std::sort(mine.begin(), mine.end(),
                  [](const AncestorLink* a, const AncestorLink* b) { return a->role < b->role; });
        for (const AncestorLink* link : mine) {
            const auto p = static_cast<std::size_t>(link->parent);
            QString text = (link->role == 1 ? tr("1. ebeveyn (x, y basamakları)")
                                            : tr("2. ebeveyn (z, k, c basamakları)")) +
                           QStringLiteral(": ") + describe(tree.nodes[p]);
            for (const InheritedMutation& m : link->mutations) {
                text += QStringLiteral("; ") + tr("mutasyon: %1").arg(mutationText(m));
            }
            if (listed[p]) {
                text += tr(" — ortak ata, yukarıda gösterildi");
            }
            auto* parentItem = new QStandardItem(text);
            item->appendRow(parentItem);
            if (!listed[p]) {
                listed[p] = true;
                addParents(link->parent, parentItem);
            }
        }
    };
    addParents(0, top);
    view_->expandAll();
    view_->setCurrentIndex(model_->index(0, 0));
}

} // namespace ga::qt
