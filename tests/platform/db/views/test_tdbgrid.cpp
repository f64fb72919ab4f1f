#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>

#include <ostream>
#include <vector>

#include "db/views/tdbgrid.h"
#include "weightlogviewtest.h"

namespace {

using db::TDataSetState;
using db::views::TDBGrid;

// The program's entry grid over a log of five entries.
class GridTest : public WeightLogViewTest {
protected:
    GridTest() {
        grid.SetColumns({{"DATE", "Date", Qt::AlignLeft, 71, true},
                         {"WEIGHT", "Weight lbs", Qt::AlignHCenter, 86, true},
                         {"WEIGHTKG", "Weight kg", Qt::AlignHCenter, 86, true}});
        grid.SetDataSet(&table);
        grid.resize(279, 264);
        table.BeforeDelete = [this](db::TTable& dataSet) {
            ++beforeDeletes;
            dataSet.Cancel();
        };
    }

    void OpenFive() { OpenLog({150, 151, 152, 153, 154}); }

    int Rows() const { return grid.model()->rowCount(); }
    QString Cell(int row, int column) const {
        return grid.model()->index(row, column).data().toString();
    }
    QString Indicator(int row) const {
        return grid.model()->headerData(row, Qt::Vertical).toString();
    }
    // The one selected row, which must also be the view's current row; -1 for none.
    int SelectedRow() const {
        const QModelIndexList rows = grid.selectionModel()->selectedRows();
        if (rows.size() != 1) {
            EXPECT_TRUE(rows.isEmpty());
            return -1;
        }
        EXPECT_EQ(grid.currentIndex().row(), rows.front().row());
        return rows.front().row();
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&grid, &press);
    }
    void Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(&grid, &release);
    }
    void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Press(key, modifiers);
        Release(key, modifiers);
    }
    void Mouse(QEvent::Type type, int row) {
        const QPoint at = grid.visualRect(grid.model()->index(row, 1)).center();
        QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &event);
    }
    void LeaveGrid(Qt::FocusReason reason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(&grid, &out);
    }

    TDBGrid grid;
    int beforeDeletes = 0;
};

struct WeightCase {
    double pounds;
    const char* lbs;
    const char* kg;
};

class GridWeightTest : public GridTest, public ::testing::WithParamInterface<WeightCase> {};

TEST_P(GridWeightTest, ShowsWeightsInTheGridFormat) {
    OpenLog({GetParam().pounds});
    EXPECT_EQ(Cell(0, 1), GetParam().lbs);
    EXPECT_EQ(Cell(0, 2), GetParam().kg);
}

INSTANTIATE_TEST_SUITE_P(Weights, GridWeightTest,
                         ::testing::Values(WeightCase{150, "150.0", "68.0"},
                                           WeightCase{151, "151.0", "68.5"},
                                           WeightCase{0.5, ".5", ".2"}, WeightCase{0, ".0", ".0"},
                                           WeightCase{999.5, "999.5", "453.4"}));

TEST_F(GridTest, ShowsEntriesOldestFirstWithShortDates) {
    OpenFive();
    ASSERT_EQ(Rows(), 5);
    const QLocale locale = QLocale::system();
    EXPECT_EQ(Cell(0, 0), locale.toString(QDate(2024, 1, 1), QLocale::ShortFormat));
    EXPECT_EQ(Cell(4, 0), locale.toString(QDate(2024, 1, 5), QLocale::ShortFormat));
    EXPECT_EQ(Cell(4, 1), "154.0");
}

TEST_F(GridTest, TitlesAndWidthsAreTheColumns) {
    const QAbstractItemModel& model = *grid.model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Date");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Weight lbs");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Weight kg");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(grid.columnWidth(0), 71);
    EXPECT_EQ(grid.columnWidth(2), 86);
}

TEST_F(GridTest, SelectionAndIndicatorFollowTheCursor) {
    OpenFive();
    EXPECT_EQ(SelectedRow(), 0);
    table.Last();
    EXPECT_EQ(SelectedRow(), 4);
    EXPECT_FALSE(Indicator(4).isEmpty());
    table.Prior();
    EXPECT_EQ(SelectedRow(), 3);
    EXPECT_FALSE(Indicator(3).isEmpty());
    EXPECT_TRUE(Indicator(4).isEmpty());
}

TEST_F(GridTest, SelectionCannotBeMovedAwayFromTheCurrentRecord) {
    OpenFive();
    grid.selectRow(2);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(table.RecNo(), 1);
}

struct MoveCase {
    const char* name;
    int startRecNo;
    int key;
    Qt::KeyboardModifiers modifiers;
    int recNo;
    friend void PrintTo(const MoveCase& testCase, std::ostream* out) { *out << testCase.name; }
};

class GridKeyTest : public GridTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(GridKeyTest, KeysMoveTheCursor) {
    OpenFive();
    table.SetRecNo(GetParam().startRecNo);
    Type(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecNo(), GetParam().recNo);
    EXPECT_EQ(SelectedRow(), GetParam().recNo - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeyTest,
    ::testing::Values(MoveCase{"Up", 3, Qt::Key_Up, Qt::NoModifier, 2},
                      MoveCase{"UpAtFirst", 1, Qt::Key_Up, Qt::NoModifier, 1},
                      MoveCase{"Down", 3, Qt::Key_Down, Qt::NoModifier, 4},
                      MoveCase{"PageUp", 5, Qt::Key_PageUp, Qt::NoModifier, 1},
                      MoveCase{"PageDown", 1, Qt::Key_PageDown, Qt::NoModifier, 5},
                      MoveCase{"CtrlHome", 4, Qt::Key_Home, Qt::ControlModifier, 1},
                      MoveCase{"CtrlEnd", 2, Qt::Key_End, Qt::ControlModifier, 5},
                      MoveCase{"KeypadDown", 3, Qt::Key_Down, Qt::KeypadModifier, 4},
                      MoveCase{"Letter", 3, Qt::Key_A, Qt::NoModifier, 3},
                      MoveCase{"PlainDelete", 3, Qt::Key_Delete, Qt::NoModifier, 3}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(GridTest, DownOnTheLastRowAppendsABlankRowAndTheReleaseComesAfter) {
    OpenFive();
    table.Last();
    std::vector<TDataSetState> statesAtRelease;
    QObject::connect(&grid, &TDBGrid::KeyReleased, &grid,
                     [&](int key, Qt::KeyboardModifiers modifiers) {
                         EXPECT_EQ(key, Qt::Key_Down);
                         EXPECT_EQ(modifiers, Qt::NoModifier);
                         statesAtRelease.push_back(table.State());
                     });

    Press(Qt::Key_Down);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(Rows(), 6);
    EXPECT_EQ(SelectedRow(), 5);
    EXPECT_EQ(Cell(5, 0), "");
    EXPECT_EQ(Cell(5, 1), "");
    EXPECT_EQ(Indicator(5), "*");
    EXPECT_TRUE(statesAtRelease.empty());

    Release(Qt::Key_Down);
    EXPECT_EQ(statesAtRelease, std::vector<TDataSetState>{TDataSetState::dsInsert});
}

TEST_F(GridTest, KeyReleaseHandlerMayDropTheBlankRowAndMoveTheCursor) {
    OpenFive();
    table.Last();
    // The program's key-release handler: at the end, step back from the newest entry.
    vcl::Bind(&grid, &TDBGrid::KeyReleased, &grid, [this] {
        if (table.Eof()) {
            table.Last();
            table.Prior();
        }
    });

    Type(Qt::Key_Down);

    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_EQ(SelectedRow(), 3);
}

TEST_F(GridTest, HeldKeyIsReleasedOnce) {
    OpenFive();
    int releases = 0;
    QObject::connect(&grid, &TDBGrid::KeyReleased, &grid, [&] { ++releases; });
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&grid, &repeated);
    Release(Qt::Key_Up);
    EXPECT_EQ(releases, 1);
}

TEST_F(GridTest, DownOnTheBlankLastRowStaysThere) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    Type(Qt::Key_Down);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(Rows(), 6);
}

TEST_F(GridTest, UpDropsTheUnchangedBlankRowAndSelectsTheNewestEntry) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    Type(Qt::Key_Up);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(table.RecNo(), 5);
    EXPECT_EQ(SelectedRow(), 4);
    EXPECT_EQ(engine.file("log.db").records.size(), 5u);
}

TEST_F(GridTest, ClickElsewhereDropsTheUnchangedBlankRow) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    Mouse(QEvent::MouseButtonPress, 1);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(table.RecNo(), 2);
    EXPECT_EQ(SelectedRow(), 1);
}

struct FocusCase {
    const char* name;
    Qt::FocusReason reason;
    bool dropped;
    friend void PrintTo(const FocusCase& testCase, std::ostream* out) { *out << testCase.name; }
};

class GridFocusTest : public GridTest, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(GridFocusTest, LeavingTheGridDropsTheUnchangedBlankRow) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    LeaveGrid(GetParam().reason);
    EXPECT_EQ(table.State(),
              GetParam().dropped ? TDataSetState::dsBrowse : TDataSetState::dsInsert);
    EXPECT_EQ(Rows(), GetParam().dropped ? 5 : 6);
}

INSTANTIATE_TEST_SUITE_P(Reasons, GridFocusTest,
                         ::testing::Values(FocusCase{"Tab", Qt::TabFocusReason, true},
                                           FocusCase{"Click", Qt::MouseFocusReason, true},
                                           FocusCase{"OtherWindow", Qt::ActiveWindowFocusReason,
                                                     false},
                                           FocusCase{"Menu", Qt::PopupFocusReason, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(GridTest, LeavingKeepsABlankRowThatWasChanged) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    weight->SetAsFloat(140);
    LeaveGrid(Qt::TabFocusReason);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(Cell(5, 1), "140.0");
}

TEST_F(GridTest, InsertOpensABlankRowAboveTheCurrentEntry) {
    OpenFive();
    table.SetRecNo(3);
    Type(Qt::Key_Insert);
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    ASSERT_EQ(Rows(), 6);
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(3, 1), "152.0");

    Type(Qt::Key_Down);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(SelectedRow(), 2);
}

TEST_F(GridTest, CtrlDeleteDeletesTheCurrentEntryWithoutAQuestion) {
    OpenFive();
    table.SetRecNo(2);
    Type(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(beforeDeletes, 1);
    EXPECT_TRUE(responder.messages.empty());
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(Cell(1, 1), "152.0");
    EXPECT_EQ(SelectedRow(), 1);
}

TEST_F(GridTest, CtrlDeleteOnABlankRowDropsIt) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    Type(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(engine.file("log.db").records.size(), 5u);
}

TEST_F(GridTest, ClickMovesTheCursorAndDoubleClickFollowsTheMove) {
    OpenFive();
    grid.show();
    std::vector<int> recNoAtDoubleClick;
    QObject::connect(&grid, &TDBGrid::RowDoubleClicked, &grid,
                     [&] { recNoAtDoubleClick.push_back(table.RecNo()); });

    Mouse(QEvent::MouseButtonPress, 3);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_EQ(SelectedRow(), 3);

    Mouse(QEvent::MouseButtonPress, 1);
    Mouse(QEvent::MouseButtonRelease, 1);
    Mouse(QEvent::MouseButtonDblClick, 1);
    EXPECT_EQ(recNoAtDoubleClick, std::vector<int>{2});
}

TEST_F(GridTest, HeaderPressMovesTheCursor) {
    OpenFive();
    emit grid.verticalHeader()->sectionPressed(3);
    EXPECT_EQ(table.RecNo(), 4);
    EXPECT_EQ(SelectedRow(), 3);
}

TEST_F(GridTest, NoCellTakesTyping) {
    OpenFive();
    for (int column = 0; column < 3; ++column) {
        EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, column)) & Qt::ItemIsEditable);
    }
    Type(Qt::Key_5);
    Type(Qt::Key_F2);
    EXPECT_EQ(table.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(grid.findChild<QLineEdit*>(), nullptr);
}

TEST_F(GridTest, AColumnThatIsNotReadOnlyStoresTypedText) {
    grid.SetColumns({{"DATE", "Date", Qt::AlignLeft, 71, true},
                     {"WEIGHT", "Weight lbs", Qt::AlignHCenter, 86, false}});
    OpenFive();
    table.SetRecNo(2);
    EXPECT_FALSE(grid.model()->setData(grid.model()->index(3, 1), "140"));
    EXPECT_TRUE(grid.model()->setData(grid.model()->index(1, 1), "140"));
    EXPECT_EQ(table.State(), TDataSetState::dsEdit);
    EXPECT_EQ(Cell(1, 1), "140.0");

    EXPECT_FALSE(grid.model()->setData(grid.model()->index(1, 1), "1000"));
    EXPECT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(weight->AsFloat(), 140);
}

TEST_F(GridTest, ClosedTableShowsAnEmptyGridThatIgnoresKeys) {
    for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Insert, Qt::Key_PageDown}) {
        Type(key);
    }
    Type(Qt::Key_Delete, Qt::ControlModifier);
    Mouse(QEvent::MouseButtonPress, 0);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_TRUE(responder.messages.empty());
}

TEST_F(GridTest, EmptyLogShowsNoRowsUntilABlankOneIsAsked) {
    OpenLog({});
    EXPECT_EQ(Rows(), 0);
    Type(Qt::Key_Delete, Qt::ControlModifier);
    Type(Qt::Key_Up);
    EXPECT_EQ(Rows(), 0);
    EXPECT_TRUE(responder.messages.empty());

    Type(Qt::Key_Down);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(GridTest, ClosingAndReopeningShowsTheTableAnew) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    table.Close();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(SelectedRow(), -1);

    engine.file("log.db").records.pop_back();
    table.Open();
    EXPECT_EQ(Rows(), 4);
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Cell(3, 1), "153.0");
}

TEST_F(GridTest, ChangesWhileControlsAreDisabledShowWhenTheyResume) {
    OpenFive();
    table.DisableControls();
    table.Last();
    for (int day = 5; day < 8; ++day) {
        table.Insert();
        date->SetAsDateTime(Day(day));
        weight->SetAsFloat(160);
        table.Post();
    }
    EXPECT_EQ(Rows(), 5);
    EXPECT_EQ(Cell(4, 1), "154.0");

    table.EnableControls();
    EXPECT_EQ(Rows(), 8);
    EXPECT_EQ(Cell(7, 1), "160.0");
    EXPECT_EQ(SelectedRow(), 7);
}

TEST_F(GridTest, ErrorOfAKeyIsShownAndTheGridGoesOn) {
    OpenFive();
    table.Last();
    Type(Qt::Key_Down);
    date->SetAsDateTime(Day(9));  // changed, but without the required weight
    Type(Qt::Key_Up);
    EXPECT_EQ(MessageTexts(), std::vector<QString>{"Field 'WEIGHT' must have a value."});
    EXPECT_EQ(table.State(), TDataSetState::dsInsert);
    EXPECT_EQ(Rows(), 6);
}

}  // namespace
