// The game's message boxes as Qt message boxes.
#pragma once

#include "engine/Finestra.h"

class QMessageBox;
class QWidget;

namespace quintello::ui {

// Title, text, icon and buttons; with Yes and No, Yes is the default.
void PreparaMsgBox(QMessageBox& box, const Messaggio& messaggio);

// Shows the box modally over `padre` and returns the button pressed.
Risposta MostraMsgBox(QWidget* padre, const Messaggio& messaggio);

}  // namespace quintello::ui
