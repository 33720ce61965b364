#pragma once

// The gain, 0..1, for a loudness the player sets in percent. The percent
// follows the ear (Qt's logarithmic scale), so the middle of a slider sounds
// about half as loud; 0 is silence. Out-of-range percents are clamped.
float outputVolume(int percent);
