#pragma once

class QObject;
class QWidget;

// Help context numbers of controls, pages, dialogs and menu items: the help
// topic that F1 shows for them. 0 means none of its own.
namespace vcl {

void SetHelpContext(QObject* object, int context);
int HelpContext(const QObject* object);

// The context of the widget or, where that is 0, of the nearest enclosing
// widget of the same window that has one; 0 when none has.
int NearestHelpContext(const QWidget* widget);

}  // namespace vcl
