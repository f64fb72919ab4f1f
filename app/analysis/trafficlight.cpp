#include "analysis/trafficlight.h"

#include <cstddef>

#include "analysis/lineartrend.h"

namespace {

constexpr std::size_t kWindowOffsets = 4;

}  // namespace

TrafficLight LitLight(std::span<const float> series) {
    if (Slope(series, 0) <= 0.0F) {
        return TrafficLight::Green;
    }
    for (std::size_t offset = 1; offset < kWindowOffsets; ++offset) {
        if (Slope(series, offset) <= 0.0F) {
            return TrafficLight::Yellow;
        }
    }
    return TrafficLight::Red;
}

LightColours ColoursOf(TrafficLight light) {
    switch (light) {
        case TrafficLight::Green:
            return {clMaroon, clOlive, clLime};
        case TrafficLight::Red:
            return {clRed, clOlive, clTeal};
        case TrafficLight::Yellow:
            break;
    }
    return {clMaroon, clYellow, clTeal};
}
