#include "qt/main/ShortcutPriority.h"

#include <QKeyEvent>

#include <utility>

namespace ga::qt {

ShortcutPriority::ShortcutPriority(QList<QKeySequence> keys, QObject* parent)
    : QObject(parent), keys_(std::move(keys)) {}

bool ShortcutPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Kept from the box, the override stays unaccepted and the shortcut fires.
        if (keys_.contains(QKeySequence(key->keyCombination()))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ga::qt
