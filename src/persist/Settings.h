#pragma once

class IniFile;

// The lighten/darken and saturate/desaturate steps, as the Preferences dialog stores them.
constexpr int kDefaultStepPercent = 5;
constexpr int kMaxStepPercent = 25;

// The step stored under Prefs/key as a whole percent 0..25. A hand-edited value that is anything else
// (not a plain decimal number, or out of range) gives the default, so a bad file can never make a step
// that jumps past the whole range or goes backwards.
int ReadStepPercent(const IniFile& ini, const char* key);
