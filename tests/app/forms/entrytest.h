#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <iomanip>
#include <ostream>
#include <vector>

#include "mainformtest.h"

// A weight log open in the main window and scripts for the entry dialogs:
// each notes the weight the dialog offered, may act on the dialog, types a
// weight and presses OK or Cancel.
class EntryTest : public MainFormTest {
protected:
    struct Entry {
        std::chrono::sys_days date;
        double weight;
        bool operator==(const Entry&) const = default;
        friend void PrintTo(const Entry& entry, std::ostream* out) {
            const std::chrono::year_month_day day{entry.date};
            *out << static_cast<int>(day.year()) << '-' << static_cast<unsigned>(day.month()) << '-'
                 << static_cast<unsigned>(day.day()) << ": " << std::setprecision(17)
                 << entry.weight;
        }
    };

    // Opens "Jane.db" with the weights on consecutive days from Day(0),
    // automatic entry off, in the given unit; today is `today`.
    void OpenLog(const std::vector<double>& weights, bool pounds, std::chrono::sys_days today);

    // Every entry of the log, oldest first, read without moving the cursor.
    std::vector<Entry> Entries() const;

    void TypeAndPressOK(const QString& weight, std::function<void(QDialog&)> before = {});
    void TypeAndPressCancel(const QString& weight, std::function<void(QDialog&)> before = {});

    void PressAddToday();
    void PressEditWeight();

    // Each call of Table1's after-post handler adds whether the table's
    // controls were suspended then.
    void WatchPosts();

    std::vector<QString> offered;  // Edit1's text as each dialog opened
    std::vector<bool> postsWhileSuspended;

private:
    void Respond(const QString& weight, std::function<void(QDialog&)> before, bool ok);
};
