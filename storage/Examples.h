// The ten maps built into the game, which introduce it step by step.
#pragma once

#include "rules/Types.h"

#include <array>

constexpr int ExampleCount = 10;

// Examples 1 to 10 at indices 0 to 9; the game never changes them.
const std::array<TMap, ExampleCount>& ExampleMaps();

// Example n (1 to 10); any other n gives example 1, the map the game falls back on.
const TMap& ExampleMap(int n);
