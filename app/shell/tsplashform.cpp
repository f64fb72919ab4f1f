#include "shell/tsplashform.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "shell/programicon.h"

TSplashForm::TSplashForm()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("SplashForm");
    setWindowTitle("Please Wait ...");
    setFixedSize(310, 83);
    setCursor(Qt::BusyCursor);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setGeometry(rect());

    auto* icon = new QLabel(panel);
    icon->setGeometry(4, 4, 32, 32);
    icon->setPixmap(ProgramIcon());

    auto addText = [panel](const QString& text, int pointSize, bool bold, QRect geometry) {
        auto* label = new QLabel(text, panel);
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(geometry);
    };
    addText("Bodelog V1.0", 12, true, {40, 4, 230, 22});
    addText("Loading ...", 12, false, {40, 30, 230, 22});
    addText("Halvane", 8, false, {0, 62, 310, 16});

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
