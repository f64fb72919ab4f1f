#pragma once

#include <string>

#include "registry/registrylocations.h"

// What the activation sequence takes from the settings store.
struct ActivationSettings {
    bool autoEntry = true;
    bool pounds = true;
    float goal = 0.0f;
};

// The program's settings under the user's registry key: the weight log in
// use, automatic entry at start-up, the unit system, and one goal per person
// name. It never reports a failure: unreadable values take their defaults,
// which are written back, and failed writes are dropped. Every call opens and
// closes the key anew; nothing is cached here.
class SettingsStore {
public:
    // Off Windows, the registry files are taken from `locations`.
    explicit SettingsStore(
        registry::RegistryLocations locations = registry::RegistryLocations::FromEnvironment());

    // The reads of the activation sequence, in order: "Auto Entry" and
    // "Pounds", then "Current File" into `currentFile`, then the goal of its
    // person name. `currentFile` keeps its text when "Current File" exists
    // but cannot be read, or when the key cannot be opened.
    ActivationSettings ReadActivationSettings(std::string& currentFile) const;

    // Writes one setting: 1 "Current File" = text, 2 "Auto Entry" = flag,
    // 3 "Pounds" = flag, 4 the goal of person name `text` = number. Any other
    // selector writes nothing.
    void SetRegInfo(int selector, const std::string& text, bool flag, float number) const;

private:
    registry::RegistryLocations locations_;
};
