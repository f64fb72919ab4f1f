#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

#include "db/views/tdbedit.h"
#include "weightlogviewtest.h"

namespace {

using db::TDataSetState;
using db::views::TDBEdit;

QString ShortDate(int year, int month, int day) {
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat);
}

// The correction dialog's date box over a log of three entries.
class DBEditTest : public WeightLogViewTest {
protected:
    DBEditTest() {
        edit.SetDataSet(&table);
        edit.SetDataField("DATE");
        OpenLog({150, 151, 152});
    }

    // Replaces the text as the user does, key by key.
    void TypeText(const QString& text) {
        edit.selectAll();
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
            QApplication::sendEvent(&edit, &press);
        }
    }
    void PressEnter() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&edit, &press);
    }
    void Leave() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&edit, &out);
    }

    TDBEdit edit;
};

TEST_F(DBEditTest, ShowsTheCurrentRecordsDateAndFollowsTheCursor) {
    EXPECT_EQ(edit.text(), ShortDate(2024, 1, 1));
    table.Last();
    EXPECT_EQ(edit.text(), ShortDate(2024, 1, 3));
    table.Prior();
    EXPECT_EQ(edit.text(), ShortDate(2024, 1, 2));
    table.Insert();
    EXPECT_EQ(edit.text(), "");
    date->SetAsDateTime(Day(20));
    EXPECT_EQ(edit.text(), ShortDate(2024, 1, 21));
    table.Close();
    EXPECT_EQ(edit.text(), "");
}

TEST_F(DBEditTest, TypedDateIsStoredOnEnterPuttingTheTableIntoEditMode) {
    table.Last();
    TypeText(ShortDate(2024, 2, 10));
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    PressEnter();
    EXPECT_EQ(table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(date->AsDateTime(), Day(40));
    table.Post();
    EXPECT_EQ(db::FromEngineDate(std::get<db::Date>(engine.file("log.db").records.back().at(0))),
              Day(40));
}

TEST_F(DBEditTest, TypedDateIsStoredWhenTheBoxIsLeft) {
    TypeText(ShortDate(2023, 12, 31));
    Leave();
    EXPECT_EQ(table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(date->AsDateTime(), Day(-1));
    EXPECT_EQ(edit.text(), ShortDate(2023, 12, 31));
}

TEST_F(DBEditTest, LeavingWithoutTypingChangesNothing) {
    Leave();
    PressEnter();
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(responder.messages.empty());
}

TEST_F(DBEditTest, TextThatIsNoDateIsAConversionError) {
    TypeText("soon");
    PressEnter();
    EXPECT_EQ(MessageTexts(), std::vector<QString>{"'soon' is not a valid date."});
    EXPECT_EQ(date->AsDateTime(), Day(0));
    EXPECT_EQ(edit.text(), "soon");
}

TEST_F(DBEditTest, TypingIntoAClosedTableIsAnError) {
    table.Close();
    TypeText(ShortDate(2024, 1, 5));
    PressEnter();
    EXPECT_EQ(MessageTexts(),
              std::vector<QString>{"Cannot perform this operation on a closed dataset."});
}

}  // namespace
