// The game's open and save dialogs as Qt file dialogs.
#pragma once

#include <QStringList>
#include <string>
#include <string_view>

#include "controller/Finestra.h"

class QFileDialog;
class QWidget;

namespace quintello::ui {

// "desc|pattern|desc|pattern" as Qt name filters, "desc (pattern)". A description's own
// "(...)" gives way to the pattern, and "*.*" becomes "*": on Linux it would hide every
// file without a dot in its name.
QStringList FiltriDialogo(std::string_view filtro);

// Open or save, the filters with the first one chosen, starting with `nomeIniziale`.
// No extension is added to a typed name and an existing file is not questioned:
// the game asks its own question.
void PreparaDialogoFile(QFileDialog& dialogo, Dialogo tipo, const QStringList& filtri,
                        const std::string& nomeIniziale);

// Shows the dialog modally over `padre`: the chosen path, or "" when cancelled.
std::string ScegliFile(QWidget* padre, Dialogo tipo, const QStringList& filtri,
                       const std::string& nomeIniziale);

}  // namespace quintello::ui
