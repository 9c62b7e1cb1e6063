// The fonts the game names, mapped to the ones a Linux desktop has.
#pragma once

// Arial is served by Liberation Sans (same metrics); colour emoji by Noto Color Emoji.
// Call once after the application object exists.
void InstallFontSubstitutes();
