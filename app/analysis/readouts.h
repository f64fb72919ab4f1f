#pragma once

#include <span>

// The numbers behind the read-outs of the Main and Future pages; the pages
// format them in the display unit.

// Stored weights of the newest entry and of the entries 30, 60 and 365 days
// back; a short log gives its oldest weight for a position beyond its start.
struct MainAgoWeights {
    double Today;
    double ThirtyDaysAgo;
    double SixtyDaysAgo;
    double LastYear;
};

// Throws std::invalid_argument for an empty log.
MainAgoWeights ReadMainAgoWeights(std::span<const double> newestWeights);

// The trend today and 30, 60 and 90 days ahead.
struct FutureDayValues {
    float Today;
    float In30Days;
    float In60Days;
    float In90Days;
};

FutureDayValues ComputeFutureDayValues(std::span<const float> EntryArray);
