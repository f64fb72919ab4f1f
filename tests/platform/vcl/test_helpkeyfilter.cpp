#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

#include <memory>
#include <ostream>

#include "applicationtest.h"
#include "vcl/application.h"
#include "vcl/helpcontext.h"

namespace {

void PressF1(QObject* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, modifiers);
    QApplication::sendEvent(target, &press);
}

// A main window with pages, a header outside them, and two dialogs it owns:
// one with a topic of its own, one without.
class HelpKeyTest : public ApplicationTest {
protected:
    HelpKeyTest() {
        auto* pages = Add(&mainForm, "PageControl1", 12);
        auto* entries = Add(pages, "Entries", 19);
        Add(Add(entries, "Panel2", 0), "AddTodayButton", 0);
        auto* goal = Add(pages, "Goal", 17);
        Add(goal, "GoalEdit", 21);
        Add(&mainForm, "Panel1", 0);

        aboutBox = std::make_unique<QDialog>(&mainForm);
        aboutBox->setObjectName("AboutBox");
        vcl::SetHelpContext(aboutBox.get(), 1);
        Add(aboutBox.get(), "OKButton", 0);

        plainDialog = std::make_unique<QDialog>(entries);
        plainDialog->setObjectName("PlainDialog");
        Add(plainDialog.get(), "Edit1", 0);
    }

    static QWidget* Add(QWidget* parent, const char* name, int context) {
        auto* widget = new QPushButton(parent);
        widget->setObjectName(name);
        if (context != 0) {
            vcl::SetHelpContext(widget, context);
        }
        return widget;
    }

    QWidget* Find(const QString& name) {
        for (QWidget* root : {&mainForm, static_cast<QWidget*>(aboutBox.get()),
                              static_cast<QWidget*>(plainDialog.get())}) {
            if (root->objectName() == name) {
                return root;
            }
            if (auto* found = root->findChild<QWidget*>(name)) {
                return found;
            }
        }
        return nullptr;
    }

    // The contexts that F1 asked help for.
    std::vector<QString> ShownTopics() const {
        std::vector<QString> topics;
        for (const RecordingResponder::HelpCall& call : responder.helpCalls) {
            EXPECT_EQ(call.helpFile, "Bodeloghlp.hlp");
            EXPECT_EQ(call.command, vcl::HELP_CONTEXT);
            topics.push_back(call.data);
        }
        return topics;
    }

    QWidget mainForm;
    std::unique_ptr<QDialog> aboutBox;
    std::unique_ptr<QDialog> plainDialog;
};

struct F1Case {
    const char* focused;
    const char* topic;  // nullptr: no help
    friend void PrintTo(const F1Case& testCase, std::ostream* out) { *out << testCase.focused; }
};

class F1OnControlTest : public HelpKeyTest, public ::testing::WithParamInterface<F1Case> {};

TEST_P(F1OnControlTest, ShowsTheNearestEnclosingContext) {
    QWidget* focused = Find(GetParam().focused);
    ASSERT_NE(focused, nullptr);

    PressF1(focused);

    const std::vector<QString> expected = GetParam().topic != nullptr
                                              ? std::vector<QString>{GetParam().topic}
                                              : std::vector<QString>{};
    EXPECT_EQ(ShownTopics(), expected);
}

INSTANTIATE_TEST_SUITE_P(Controls, F1OnControlTest,
                         ::testing::Values(F1Case{"AddTodayButton", "19"}, F1Case{"Entries", "19"},
                                           F1Case{"GoalEdit", "21"}, F1Case{"Goal", "17"},
                                           F1Case{"PageControl1", "12"}, F1Case{"Panel1", nullptr},
                                           F1Case{"OKButton", "1"}, F1Case{"AboutBox", "1"},
                                           F1Case{"Edit1", nullptr}),
                         [](const auto& testCase) { return std::string(testCase.param.focused); });

TEST_F(HelpKeyTest, F1WithAModifierIsNoHelpKey) {
    PressF1(Find("AddTodayButton"), Qt::ShiftModifier);
    EXPECT_TRUE(responder.helpCalls.empty());
}

TEST_F(HelpKeyTest, ContextHelpGoesToTheControlsWindow) {
    application.SetResponder(nullptr);
    QWidget* owner = nullptr;
    application.SetHelpHandler(
        [&](const QString&, int, const QString&, QWidget* window) { owner = window; });

    PressF1(Find("OKButton"));

    EXPECT_EQ(owner, aboutBox.get());
}

class F1InMenuTest : public ApplicationTest {
protected:
    F1InMenuTest() {
        vcl::SetHelpContext(menu.menuAction(), 4);
        vcl::SetHelpContext(open, 6);
        menu.addSeparator();
    }

    QMenu menu;
    QAction* newItem = menu.addAction("&New");
    QAction* open = menu.addAction("&Open");
};

TEST_F(F1InMenuTest, ShowsTheHighlightedItemsContext) {
    menu.setActiveAction(open);
    PressF1(&menu);
    ASSERT_EQ(responder.helpCalls.size(), 1u);
    EXPECT_EQ(responder.helpCalls.front().data, "6");
}

TEST_F(F1InMenuTest, WithNothingHighlightedShowsTheMenusOwnContext) {
    PressF1(&menu);
    ASSERT_EQ(responder.helpCalls.size(), 1u);
    EXPECT_EQ(responder.helpCalls.front().data, "4");
}

TEST_F(F1InMenuTest, ItemWithoutContextShowsNothing) {
    menu.setActiveAction(newItem);
    PressF1(&menu);
    EXPECT_TRUE(responder.helpCalls.empty());
}

}  // namespace
