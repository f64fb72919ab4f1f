#pragma once

#include <span>
#include <string>

// When the trend line meets the weight goal: the goal forecast that the Goal
// page's ReachedLabel shows. Goals here are in pounds.

enum class GoalOutcome { Reached, Never, MoreThanAYear, Days };

// What the forecast found, before it becomes the label's text.
struct GoalForecast {
    GoalOutcome Outcome;
    // Days after the newest entry; meaningful for GoalOutcome::Days only.
    float Days;
};

// The goal as a 32-bit float in pounds from the number the goal label shows
// in the display unit.
float GoalPounds(double shownGoal, bool metric);

// The series needs at least 21 elements.
GoalForecast ForecastGoal(std::span<const float> series, float goal);

// Sorts a day count: in the past is never, beyond 365 is more than a year.
GoalForecast ForecastFromDays(float days);

// "Goal is reached", "Never", "More than a year" or the days as a whole
// number.
std::string ReachedText(const GoalForecast& forecast);
