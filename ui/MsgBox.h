// The game's message boxes as Qt message boxes.
#pragma once

#include "controller/Finestra.h"

#include <QString>

class QMessageBox;
class QWidget;

namespace quintello::ui {

// Title, text, icon and buttons; with Yes and No, Yes is the default. A plain dialog
// with a close button only, wide enough for its title; an address in the text never
// breaks across lines (such a text is shown as rich text).
void PreparaMsgBox(QMessageBox& box, const Messaggio& messaggio);

// Shows the box modally over `padre` and returns the button pressed. A screen reader says
// `premessa`, when there is one, before the box's title.
Risposta MostraMsgBox(QWidget* padre, const Messaggio& messaggio, const QString& premessa = {});

}  // namespace quintello::ui
