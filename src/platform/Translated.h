#pragma once

// Whether the windows show a translation. Their hand-made layouts were drawn for the English texts and keep exactly
// that layout in English, whatever the fonts; only a translation's longer texts make a control, a dialog or a line
// grow.
bool ShowsTranslation();
// Said once at start-up, by what installs the translation.
void SetShowsTranslation(bool translated);
