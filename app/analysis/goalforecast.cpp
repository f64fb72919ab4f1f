#include "analysis/goalforecast.h"

#include <cmath>

#include "analysis/lineartrend.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"

namespace {

// A trend this close to the goal counts as having reached it.
constexpr double kReachedMargin = 1.5;
constexpr float kDaysPerYear = 365.0F;
constexpr int kToday = 20;

}  // namespace

float GoalPounds(double shownGoal, bool metric) {
    return static_cast<float>(metric ? shownGoal * units::kPoundsPerKilogram : shownGoal);
}

GoalForecast ForecastGoal(std::span<const float> series, float goal) {
    const double trend = LinearTrend(series, kToday);
    if (std::fabs(trend - static_cast<double>(goal)) < kReachedMargin) {
        return {GoalOutcome::Reached, 0.0F};
    }
    const float s = Slope(series, 0);
    if (s == 0.0F) {
        return {GoalOutcome::Never, 0.0F};
    }
    const double meets = (static_cast<double>(goal) - static_cast<double>(Intercept(series))) /
                         static_cast<double>(s);
    return ForecastFromDays(static_cast<float>(meets - kToday));
}

GoalForecast ForecastFromDays(float days) {
    if (days < 0.0F) {
        // The line met the goal in the past: the trend points away from it.
        return {GoalOutcome::Never, days};
    }
    if (days > kDaysPerYear) {
        return {GoalOutcome::MoreThanAYear, days};
    }
    return {GoalOutcome::Days, days};
}

std::string ReachedText(const GoalForecast& forecast) {
    switch (forecast.Outcome) {
        case GoalOutcome::Reached:
            return "Goal is reached";
        case GoalOutcome::Never:
            return "Never";
        case GoalOutcome::MoreThanAYear:
            return "More than a year";
        case GoalOutcome::Days:
            break;
    }
    return sysutils::FormatFloat("###0", static_cast<double>(forecast.Days));
}
