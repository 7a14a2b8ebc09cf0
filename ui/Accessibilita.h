// What the window shows to assistive technology beyond the widgets' own names.
#pragma once

namespace quintello::ui {

// Leaves the selection frames out of the accessibility tree: they are only
// painted borders, and what they mark is told in the cards' descriptions.
// Installed once; later calls do nothing.
void InstallaAccessibilita();

}  // namespace quintello::ui
