#pragma once

#include <cstdint>
#include <span>

namespace kolvi {

// One command as designed: its name, category, caption (UTF-8, "&" marks the
// access key), default shortcut code and check state.
struct ActionSpec {
    const char* name;
    const char* category;
    const char* caption;
    std::uint16_t shortcut;
    bool checkable;
    bool checked;
};

std::span<const ActionSpec> MainActionSpecs();
std::span<const ActionSpec> RulerActionSpecs();
std::span<const ActionSpec> OptionActionSpecs();

} // namespace kolvi
