#pragma once

#include <QString>

#include <filesystem>

namespace installpack {

struct UninstallReport;

// The uninstaller as the user meets it: asks before removing the
// installation of its own folder, removes it, and says what stayed and
// where. Unattended, it asks nothing and writes to the standard streams.
class UninstallProgram {
public:
    UninstallProgram(std::filesystem::path folder, bool unattended);

    // The exit code: 0 when removed or not wanted, 1 when it failed.
    int Run();

    // The closing message for a report.
    static QString ReportText(const QString& title, const UninstallReport& report);

private:
    void Tell(const QString& text, bool failure) const;

    std::filesystem::path folder_;
    bool unattended_;
};

}  // namespace installpack
