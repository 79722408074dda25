#pragma once
// What a control says, read the same way for every kind: its caption and the
// text it shows. The printed report reads dialogs that were loaded and never
// shown through these, by name and index.
#include <string>

class QObject;

namespace platform {

// The caption (UTF-8) of a label, button, check box, option button, frame
// or form; "" for a control without one.
std::string CaptionOf(const QObject* control);
// The text (UTF-8) a text box, multi-line text or list shows; a list shows
// its selected item. "" for a control that shows none.
std::string ShownTextOf(const QObject* control);

}  // namespace platform
