#pragma once

class QAbstractButton;

// How many pixels a button's caption needs beyond the room its style gives it beside the check mark, the radio
// mark or inside the bevel: 0 when it fits. The toolkit's own size hint adds focus margins a caption does not need,
// so a control laid out by hand for its English caption would otherwise seem too small for it.
int CaptionOverflow(const QAbstractButton& button);
