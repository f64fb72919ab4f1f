#include "analysis/goalentry.h"

#include "sysutils/numberformat.h"

namespace {

constexpr double kStep = 0.5;
constexpr double kHighestStart = 999.0;

}  // namespace

float GoalToStore(double typed, units::UnitSystem unit) {
    if (unit == units::UnitSystem::Imperial) {
        return static_cast<float>(typed);
    }
    const std::string pounds = sysutils::FormatFloat("###0.0", typed * units::kPoundsPerKilogram);
    return static_cast<float>(sysutils::StrToFloat(pounds));
}

std::string SpinDownText(const std::string& text) {
    double value = sysutils::StrToFloat(text);
    if (value <= 0.0) {
        value = kStep;
    }
    return sysutils::FloatToStr(value - kStep);
}

std::string SpinUpText(const std::string& text) {
    double value = sysutils::StrToFloat(text);
    if (value >= kHighestStart) {
        value = kHighestStart;
    }
    return sysutils::FloatToStr(value + kStep);
}
