// The help viewer as a program of its own: helpviewer <file.hlp> [context]
// shows the help file's contents, or the topic of the context number, until
// its window is closed. A bare file name is found as the program's help
// commands find it.
#include <QApplication>
#include <QMessageBox>

#include <iostream>
#include <optional>

#include "help/helpfile.h"
#include "help/helpfilelocator.h"
#include "help/helpviewer.h"

namespace {

struct Arguments {
    QString helpFile;
    std::optional<int> context;
};

std::optional<Arguments> ParseArguments(const QStringList& words) {
    if (words.isEmpty() || words.size() > 2 || words[0].isEmpty()) {
        return std::nullopt;
    }
    Arguments arguments{words[0], std::nullopt};
    if (words.size() == 2) {
        bool ok = false;
        arguments.context = words[1].toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::optional<Arguments> arguments = ParseArguments(app.arguments().mid(1));
    if (!arguments) {
        std::cerr << "usage: helpviewer <file.hlp> [context]\n";
        return 2;
    }
    help::HelpViewer viewer;
    // Here the help is the program, so closing it ends the run.
    viewer.setAttribute(Qt::WA_QuitOnClose, true);
    try {
        viewer.SetHelpFile(help::HelpFile::Load(help::LocateHelpFile(arguments->helpFile)));
    } catch (const help::EHelpError& error) {
        std::cerr << error.what() << '\n';
        QMessageBox::warning(nullptr, QStringLiteral("Help"), QString::fromStdString(error.what()));
        return 1;
    }
    if (arguments->context) {
        viewer.ShowContext(*arguments->context);
    } else {
        viewer.ShowContents();
    }
    viewer.show();
    return app.exec();
}
