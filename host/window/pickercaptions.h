// SPDX-License-Identifier: MIT
#pragma once

// A caption above the page's four layer pickers and its four zone pickers, which open
// under MULTILAYER and MULTIZONE without a word of what they are or that a click chooses
// the layer or zone the other panels edit.

class QWidget;

namespace PickerCaptions {

// Adds the captions to the mode list of `page`; they are the page's children from then on.
void add(QWidget* page);

} // namespace PickerCaptions
