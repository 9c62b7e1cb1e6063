// The fonts the game names, mapped to the ones a Linux desktop has.
#pragma once

// Arial is served by Liberation Sans (same metrics), which is also the game's text font; emoji
// in messages come in colour from Noto Color Emoji. Call once after the application exists.
void InstallGameFonts();
