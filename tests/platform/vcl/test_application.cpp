#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>

#include <stdexcept>

#include "applicationtest.h"
#include "sysutils/exceptions.h"
#include "vcl/application.h"
#include "vcl/namefilter.h"

namespace {

using vcl::HELP_CONTEXT;
using vcl::HELP_FINDER;
using vcl::HELP_KEY;

TEST_F(ApplicationTest, ErrorBoxShowsTheMessageWithAFullStopUnderTheTitle) {
    application.ShowException(sysutils::EConvertError("'abc' is not a valid floating point value"));

    ASSERT_EQ(responder.messages.size(), 1u);
    const vcl::MessageRequest& box = responder.messages.front();
    EXPECT_EQ(box.text, "'abc' is not a valid floating point value.");
    EXPECT_EQ(box.caption, "Bodelog");
    EXPECT_EQ(box.icon, vcl::MessageIcon::Stop);
    EXPECT_EQ(box.buttons, vcl::MessageButtons::OK);
    EXPECT_EQ(box.defaultButton, vcl::ModalResult::OK);

    application.ShowException(std::runtime_error("Key violation."));
    EXPECT_EQ(responder.messages.back().text, "Key violation.");
}

TEST_F(ApplicationTest, GuardEndsTheHandlerAtTheErrorAndTheProgramGoesOn) {
    bool restOfHandlerRan = false;
    application.Guard([&] {
        throw std::runtime_error("Field 'WEIGHT' must have a value");
        restOfHandlerRan = true;
    });
    bool nextHandlerRan = false;
    application.Guard([&] { nextHandlerRan = true; });

    EXPECT_FALSE(restOfHandlerRan);
    EXPECT_TRUE(nextHandlerRan);
    EXPECT_EQ(MessageTexts(), std::vector<QString>{"Field 'WEIGHT' must have a value."});
}

TEST_F(ApplicationTest, ThereIsOneApplicationObject) {
    EXPECT_THROW(vcl::TApplication second, std::logic_error);
    EXPECT_EQ(&vcl::Application(), &application);
}

TEST(ApplicationObject, IsMissingBeforeItIsMadeAndAfterItIsGone) {
    EXPECT_THROW(vcl::Application(), std::logic_error);
    { vcl::TApplication application; }
    EXPECT_THROW(vcl::Application(), std::logic_error);
}

TEST_F(ApplicationTest, ModalRunsTakeTheRespondersAnswers) {
    QDialog form;
    form.setObjectName("AboutBox");
    responder.formResult = vcl::ModalResult::Cancel;
    responder.messageResult = vcl::ModalResult::No;
    responder.chosenFile = "/data/John Doe.DB";

    EXPECT_EQ(application.ShowModal(form), vcl::ModalResult::Cancel);
    EXPECT_EQ(application.MessageBox({"Overwrite?", "Existing File", vcl::MessageButtons::YesNo,
                                      vcl::MessageIcon::Warning, vcl::ModalResult::No}),
              vcl::ModalResult::No);
    EXPECT_EQ(
        application.RunOpenDialog({"Bodelog Open Data File", "Bodelog file|*.DB", "DB"}, nullptr),
        "/data/John Doe.DB");
    EXPECT_EQ(responder.forms, std::vector<QString>{"AboutBox"});
    ASSERT_EQ(responder.fileRequests.size(), 1u);
    EXPECT_EQ(responder.fileRequests.front().defaultExtension, "DB");
}

TEST_F(ApplicationTest, HelpCommandsGoToTheResponderWithTheHelpFile) {
    application.HelpCommand(HELP_FINDER, "0", nullptr);
    application.HelpCommand(HELP_KEY, "", nullptr);

    EXPECT_EQ(responder.helpCalls,
              (std::vector<RecordingResponder::HelpCall>{{"Bodeloghlp.hlp", HELP_FINDER, "0"},
                                                         {"Bodeloghlp.hlp", HELP_KEY, ""}}));
}

TEST_F(ApplicationTest, HelpCommandsGoToTheHelpHandlerWithTheirOwner) {
    application.SetResponder(nullptr);
    QWidget owner;
    QWidget* seenOwner = nullptr;
    RecordingResponder handled;
    application.SetHelpHandler(
        [&](const QString& helpFile, int command, const QString& data, QWidget* window) {
            handled.HelpCommand(helpFile, command, data);
            seenOwner = window;
        });

    application.HelpCommand(HELP_CONTEXT, "19", &owner);

    EXPECT_EQ(handled.helpCalls,
              (std::vector<RecordingResponder::HelpCall>{{"Bodeloghlp.hlp", HELP_CONTEXT, "19"}}));
    EXPECT_EQ(seenOwner, &owner);
}

TEST_F(ApplicationTest, HelpCommandWithoutHandlerDoesNothing) {
    application.SetResponder(nullptr);
    EXPECT_NO_THROW(application.HelpCommand(HELP_CONTEXT, "19", nullptr));
}

struct NameFilterCase {
    const char* filter;
    const char* qtFilter;
};

class NameFilterTest : public ::testing::TestWithParam<NameFilterCase> {};

TEST_P(NameFilterTest, BecomesQtsForm) {
    EXPECT_EQ(vcl::QtNameFilter(GetParam().filter), GetParam().qtFilter);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, NameFilterTest,
    ::testing::Values(NameFilterCase{"Bodelog file|*.DB", "Bodelog file (*.DB)"},
                      NameFilterCase{"Tables|*.db;*.px|All|*.*", "Tables (*.db *.px);;All (*.*)"},
                      NameFilterCase{"Dangling", ""}, NameFilterCase{"", ""}));

}  // namespace
