#include <gtest/gtest.h>

#include <QAction>
#include <QObject>
#include <QPushButton>

#include <stdexcept>

#include "applicationtest.h"
#include "vcl/application.h"

namespace {

// Sends a key with its modifiers, as a grid tells of a released key.
class KeySender : public QObject {
    Q_OBJECT
signals:
    void KeyReleased(int key, Qt::KeyboardModifiers modifiers);
};

using BindTest = ApplicationTest;

TEST_F(BindTest, HandlerMayIgnoreTheSignalsArguments) {
    QAction item;
    QPushButton button;
    KeySender grid;
    int calls = 0;
    vcl::Bind(&item, &QAction::triggered, &item, [&] { ++calls; });
    vcl::Bind(&button, &QPushButton::clicked, &button, [&] { ++calls; });
    vcl::Bind(&grid, &KeySender::KeyReleased, &grid, [&] { ++calls; });

    item.trigger();
    button.click();
    emit grid.KeyReleased(Qt::Key_Down, Qt::NoModifier);

    EXPECT_EQ(calls, 3);
}

TEST_F(BindTest, HandlerGetsTheLeadingArgumentsItTakes) {
    QAction item;
    item.setCheckable(true);
    KeySender grid;
    bool checked = false;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    int keyOnly = 0;
    vcl::Bind(&item, &QAction::triggered, &item, [&](bool on) { checked = on; });
    vcl::Bind(&grid, &KeySender::KeyReleased, &grid, [&](int k, Qt::KeyboardModifiers m) {
        key = k;
        modifiers = m;
    });
    vcl::Bind(&grid, &KeySender::KeyReleased, &grid, [&](int k) { keyOnly = k; });

    item.trigger();
    emit grid.KeyReleased(Qt::Key_Delete, Qt::ControlModifier);

    EXPECT_TRUE(checked);
    EXPECT_EQ(key, Qt::Key_Delete);
    EXPECT_EQ(modifiers, Qt::ControlModifier);
    EXPECT_EQ(keyOnly, Qt::Key_Delete);
}

TEST_F(BindTest, ErrorInAHandlerIsShownAndLaterHandlersStillRun) {
    QPushButton button;
    int laterCalls = 0;
    vcl::Bind(&button, &QPushButton::clicked, &button,
              [] { throw std::runtime_error("Key violation"); });
    vcl::Bind(&button, &QPushButton::clicked, &button, [&] { ++laterCalls; });

    button.click();
    button.click();

    EXPECT_EQ(laterCalls, 2);
    EXPECT_EQ(MessageTexts(), (std::vector<QString>{"Key violation.", "Key violation."}));
}

}  // namespace

#include "test_bind.moc"
