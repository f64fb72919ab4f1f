#include "vcl/helpcontext.h"

#include <QVariant>
#include <QWidget>

namespace vcl {

namespace {

constexpr const char* kHelpContext = "HelpContext";

}  // namespace

void SetHelpContext(QObject* object, int context) {
    object->setProperty(kHelpContext, context);
}

int HelpContext(const QObject* object) {
    return object->property(kHelpContext).toInt();
}

int NearestHelpContext(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (const int context = HelpContext(widget); context != 0) {
            return context;
        }
        // A dialog's controls take the dialog's topic, never its owner's.
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

}  // namespace vcl
