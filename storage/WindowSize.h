// The smallest window the game makes, shared by the stored placement and the live window.
#pragma once

// A window smaller than this (outer size, frame included) is enlarged to it; the two keep the
// design size's proportions.
constexpr int MinWindowWidth = 640;
constexpr int MinWindowHeight = 512;
