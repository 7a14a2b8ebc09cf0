// Stand-ins for the user at the modal dialogs. When one is set, the window asks it
// instead of opening the dialog, so tests and tools run a game without a modal loop.
#pragma once

#include <QStringList>
#include <functional>
#include <string>

#include "controller/Finestra.h"

namespace quintello::ui {

struct Risposte {
  std::function<Risposta(const Messaggio&)> messaggio;
  // Gets the dialog's name filters as the real dialog would show them.
  std::function<std::string(Dialogo, const QStringList& filtri, const std::string& nomeIniziale)>
      file;
};

}  // namespace quintello::ui
