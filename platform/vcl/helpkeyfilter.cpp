#include "vcl/helpkeyfilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "vcl/application.h"
#include "vcl/helpcontext.h"

namespace vcl {

namespace {

// The item a menu or menu bar has highlighted; with none, the menu's own
// entry in the bar above it.
QAction* HighlightedItem(QObject* watched) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        return menu->activeAction() != nullptr ? menu->activeAction() : menu->menuAction();
    }
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) {
        return bar->activeAction();
    }
    return nullptr;
}

bool IsHelpKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

int ContextOf(QObject* watched) {
    if (qobject_cast<QMenu*>(watched) != nullptr || qobject_cast<QMenuBar*>(watched) != nullptr) {
        const QAction* item = HighlightedItem(watched);
        return item != nullptr ? HelpContext(item) : 0;
    }
    return NearestHelpContext(static_cast<QWidget*>(watched));
}

}  // namespace

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the window object before its focus widget; only the
    // widget tells which control is meant.
    if (!IsHelpKey(event) || !watched->isWidgetType()) {
        return false;
    }
    const int context = ContextOf(watched);
    if (context != 0) {
        QWidget* owner = static_cast<QWidget*>(watched)->window();
        Application().Guard(
            [&] { Application().HelpCommand(HELP_CONTEXT, QString::number(context), owner); });
    }
    return true;
}

}  // namespace vcl
