// What the program sets up before its first window: name, Italian texts and icon.
#pragma once

class QApplication;

namespace quintello::ui {

// Italian for Qt's own texts too ("Sì", "No", the file dialog), from the system's Qt
// translations; the program runs in English-named buttons only when they are missing.
void PreparaApplicazione(QApplication& applicazione);

}  // namespace quintello::ui
