#pragma once

#include <cstdint>
#include <span>

// The traffic light's judgement of the trend: which of the three lights is
// lit and the brush colour each light gets. Painting the shapes is the
// main window's job.

enum class TrafficLight { Green, Yellow, Red };

// A brush colour as red, green and blue.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb clRed{255, 0, 0};
inline constexpr Rgb clMaroon{128, 0, 0};
inline constexpr Rgb clYellow{255, 255, 0};
inline constexpr Rgb clOlive{128, 128, 0};
inline constexpr Rgb clLime{0, 255, 0};
inline constexpr Rgb clTeal{0, 128, 128};

// The brush colours of RedLight, YellowLight and GreenLight.
struct LightColours {
    Rgb RedLight;
    Rgb YellowLight;
    Rgb GreenLight;

    friend bool operator==(const LightColours&, const LightColours&) = default;
};

// Green when the newest window is flat or falling, red when each of the four
// newest windows rises, yellow when it rises now but not throughout. The
// series needs at least 24 elements.
TrafficLight LitLight(std::span<const float> series);

LightColours ColoursOf(TrafficLight light);
