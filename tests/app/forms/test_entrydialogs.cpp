#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "db/views/tdbedit.h"
#include "mainformtest.h"
#include "sysutils/numberformat.h"
#include "vcl/helpcontext.h"
#include "vcl/tspinbutton.h"
#include "weightlog/teditweightdlg.h"
#include "weightlog/ttodaysweightdlg.h"

namespace {

using EntryDialogTest = MainFormTest;

TEST_F(EntryDialogTest, TodayDialogLayout) {
    const TTodaysWeightDlg& dialog = *TodaysWeightDlg;
    EXPECT_EQ(dialog.objectName(), "TodaysWeightDlg");
    EXPECT_EQ(dialog.windowTitle(), "Enter Today's Weight");
    EXPECT_EQ(dialog.size(), QSize(266, 141));
    EXPECT_EQ(vcl::HelpContext(&dialog), 19);
    EXPECT_EQ(dialog.Bevel1->geometry(), QRect(8, 8, 249, 89));
    EXPECT_EQ(dialog.Label1->text(), "&Enter your weight for today:");
    EXPECT_EQ(dialog.Label1->pos(), QPoint(56, 32));
    EXPECT_EQ(dialog.Label1->buddy(), dialog.Edit1);
    EXPECT_EQ(dialog.Edit1->text(), "150.0");
    EXPECT_EQ(dialog.Edit1->geometry(), QRect(56, 48, 137, 21));
    EXPECT_EQ(dialog.SpinButton1->geometry(), QRect(192, 49, 17, 19));
    EXPECT_EQ(dialog.OKBtn->text(), "&OK");
    EXPECT_TRUE(dialog.OKBtn->isDefault());
    EXPECT_EQ(dialog.CancelBtn->text(), "&Cancel");
}

TEST_F(EntryDialogTest, CorrectionDialogLayout) {
    const TEditWeightDlg& dialog = *EditWeightDlg;
    EXPECT_EQ(dialog.objectName(), "EditWeightDlg");
    EXPECT_EQ(dialog.windowTitle(), "Edit Weight");
    EXPECT_EQ(dialog.size(), QSize(266, 141));
    EXPECT_EQ(dialog.Label1->text(), "&Enter your correct weight for:");
    EXPECT_EQ(dialog.Label1->x(), 35);
    EXPECT_EQ(dialog.Label1->width(), 136);
    const db::views::TDBEdit& date = *dialog.DBEdit1;
    EXPECT_EQ(date.geometry(), QRect(173, 32, 65, 13));
    EXPECT_FALSE(date.hasFrame());
    EXPECT_TRUE(date.font().bold());
    EXPECT_FALSE(date.focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(date.isReadOnly());
    EXPECT_EQ(date.palette().color(QPalette::Base), date.palette().color(QPalette::Button));
}

enum class Step { Up, Down };

struct SpinCase {
    const char* name;
    const char* text;
    Step step;
    const char* result;
    friend void PrintTo(const SpinCase& c, std::ostream* out) { *out << c.name; }
};

// Each case is run on both dialogs, by the spin button and by the key.
class SpinStepTest : public MainFormTest,
                     public ::testing::WithParamInterface<std::tuple<bool, SpinCase>> {
protected:
    TTodaysWeightDlg& Dialog() const {
        return std::get<0>(GetParam()) ? *EditWeightDlg : *TodaysWeightDlg;
    }
    const SpinCase& Case() const { return std::get<1>(GetParam()); }
};

void ReleaseKey(QWidget* target, int key, bool autoRepeat = false) {
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &release);
}

TEST_P(SpinStepTest, ButtonAndArrowKeyStepTheText) {
    TTodaysWeightDlg& dialog = Dialog();
    const bool up = Case().step == Step::Up;

    dialog.Edit1->setText(Case().text);
    QAbstractButton* half = up ? dialog.SpinButton1->UpButton() : dialog.SpinButton1->DownButton();
    half->click();
    EXPECT_EQ(dialog.Edit1->text(), Case().result);

    dialog.Edit1->setText(Case().text);
    ReleaseKey(dialog.Edit1, up ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_EQ(dialog.Edit1->text(), Case().result);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EntryDialogs, SpinStepTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(SpinCase{"UpBelowTheTop", "998.7", Step::Up, "999.2"},
                                         SpinCase{"UpFromTheTop", "999", Step::Up, "999.5"},
                                         SpinCase{"UpFromAboveTheTop", "1200", Step::Up, "999.5"},
                                         SpinCase{"UpWithoutForcedDecimal", "150.5", Step::Up,
                                                  "151"},
                                         SpinCase{"DownBelowHalf", "0.3", Step::Down, "-0.2"},
                                         SpinCase{"DownFromZero", "0", Step::Down, "0"},
                                         SpinCase{"DownFromBelowZero", "-4", Step::Down, "0"},
                                         SpinCase{"DownKeepsFifteenDigits", "150.300003051758",
                                                  Step::Down, "149.800003051758"})),
    [](const auto& testCase) {
        return std::string(std::get<0>(testCase.param) ? "Correction" : "Today") +
               std::get<1>(testCase.param).name;
    });

using SpinKeyTest = MainFormTest;

TEST_F(SpinKeyTest, OtherKeysAndRepeatedReleasesDoNothing) {
    QLineEdit* edit = TodaysWeightDlg->Edit1;
    edit->setText("150");
    for (const int key : {int{Qt::Key_Left}, int{Qt::Key_Right}, int{Qt::Key_A}, 40, 38}) {
        ReleaseKey(edit, key);
    }
    ReleaseKey(edit, Qt::Key_Up, true);
    EXPECT_EQ(edit->text(), "150");
}

TEST_F(SpinKeyTest, TextThatIsNotANumberIsLeftAndTheErrorShown) {
    QLineEdit* edit = EditWeightDlg->Edit1;
    edit->setText("abc");
    EditWeightDlg->SpinButton1->UpButton()->click();
    ReleaseKey(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "abc");
    ASSERT_EQ(messages.size(), 2u);
    for (const vcl::MessageRequest& message : messages) {
        EXPECT_EQ(message.text, "'abc' is not a valid floating point value.");
        EXPECT_EQ(message.caption, "Bodelog");
        EXPECT_EQ(message.icon, vcl::MessageIcon::Stop);
    }
}

class RegionalSeparatorTest : public MainFormTest {
protected:
    RegionalSeparatorTest() { sysutils::SetDecimalSeparator(','); }
    ~RegionalSeparatorTest() override { sysutils::SetDecimalSeparator('.'); }
};

TEST_F(RegionalSeparatorTest, StepsReadAndWriteTheRegionalSeparator) {
    QLineEdit* edit = TodaysWeightDlg->Edit1;
    vcl::TSpinButton* spin = TodaysWeightDlg->SpinButton1;
    edit->setText("0");
    spin->DownButton()->click();
    EXPECT_EQ(edit->text(), "0");
    edit->setText("0,3");
    spin->DownButton()->click();
    EXPECT_EQ(edit->text(), "-0,2");
    edit->setText("1200");
    spin->UpButton()->click();
    EXPECT_EQ(edit->text(), "999,5");
    EXPECT_TRUE(messages.empty());
}

}  // namespace
