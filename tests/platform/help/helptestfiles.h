#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <ostream>
#include <utility>

// Test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A topic of a help file made for a test.
struct TestTopic {
    QString file;
    QString title;
    QList<int> contexts;
    QStringList keywords;
    QString body;  // HTML inside <body>
};

// Packs these named files into `folder`/`name` with rcc --binary, as the
// build packs the program's help; returns the help file's path.
QString PackHelpFile(const std::filesystem::path& folder, const QString& name,
                     const QList<std::pair<QString, QString>>& files);

// A help file of these topics, titled "Test Help", with no contents file.
QString WriteHelpFile(const std::filesystem::path& folder, const QString& name,
                      const QList<TestTopic>& topics);

// The program's help file as the build made it.
QString RealHelpFile();

// The context numbers the program sends: 1 and 4 to 23.
QList<int> ProgramContexts();
