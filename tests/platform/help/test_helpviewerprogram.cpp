#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "helptestfiles.h"

namespace {

struct ViewerRun {
    int exitCode;
    QString errors;
};

ViewerRun RunViewer(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BODELOG_HELPVIEWER), arguments);
    process.closeWriteChannel();
    // A viewer that wrongly starts would run until closed; end it instead.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString()};
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

class HelpViewerProgramTest : public ::testing::TestWithParam<QStringList> {};

TEST_P(HelpViewerProgramTest, WrongArgumentsGiveTheUsageAndFail) {
    const ViewerRun run = RunViewer(GetParam());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("usage: helpviewer <file.hlp> [context]")))
        << run.errors.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, HelpViewerProgramTest,
                         ::testing::Values(QStringList{}, QStringList{RealHelpFile(), "x13"},
                                           QStringList{RealHelpFile(), "13", "14"},
                                           QStringList{""}));

}  // namespace
