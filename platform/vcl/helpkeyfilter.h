#pragma once

#include <QObject>

class QEvent;

namespace vcl {

// Watches the whole application for F1: on a control it asks the
// application object for the topic of the control's nearest help context,
// in an open menu for the highlighted item's. Installed by TApplication.
class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vcl
