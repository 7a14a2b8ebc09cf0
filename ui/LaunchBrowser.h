// Opening a web address in the user's default browser.
#pragma once

#include <QString>
#include <string>

#include "controller/Finestra.h"

namespace quintello::ui {

// The name of the HTML file written to learn which program opens HTML files.
inline constexpr const char* kFileProva = "test.htm";

// Where that file goes: the program's own folder, or the user's temporary folder
// when the program's folder is not writable (an installed program).
QString CartellaFileProva();

// Opens `indirizzo` with the default program for HTML files. Every problem is told
// to the user through `finestra.MsgBox`. An empty address does nothing.
void LaunchBrowser(const std::string& indirizzo, const QString& cartella, Finestra& finestra);

}  // namespace quintello::ui
