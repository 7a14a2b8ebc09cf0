// What the window shows to assistive technology beyond the widgets' own names.
#pragma once

class QWidget;

namespace quintello::ui {

// Leaves the selection frames out of the accessibility tree: they are only
// painted borders, and what they mark is told in the cards' descriptions.
// Installed once; later calls do nothing.
void InstallaAccessibilita();

// Orca 43 reads a control when it takes the focus, but with Qt 6.4 never a change of its
// name or description: the bridge sends the control itself where the new text belongs, so
// the reader drops the event and keeps the old text in its cache. A control whose words
// change is therefore shown to assistive technology as a new object: Qt's interface for it
// is dropped and the next one gets a new path, with nothing cached.
void Rinnova(QWidget* widget);

// Makes a screen reader read `widget` whole, as it reads a control that takes the focus:
// gives it the focus or, when it has it already, tells of the focus again on its new object.
void Annuncia(QWidget* widget);

}  // namespace quintello::ui
