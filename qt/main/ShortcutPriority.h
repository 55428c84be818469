#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace ga::qt {

// Lets a window's shortcuts win over the editing keys of the text box that has the focus.
// A text box on X11 takes Ctrl+E for itself (the end of the line, as End does), so without
// this "Deney…" (Ctrl+E) would do nothing whenever the focus is in a box, as it is at start.
class ShortcutPriority : public QObject {
    Q_OBJECT

  public:
    ShortcutPriority(QList<QKeySequence> keys, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QKeySequence> keys_;
};

} // namespace ga::qt
