// The user's commands by name: the menu items and buttons, each the handler
// the window calls. The window names its controls after them, and the
// headless driver and the tests take them from here.
#pragma once

#include <map>
#include <string_view>

#include "controller/Gioco.h"

namespace quintello {

using Gestore = void (Gioco::*)();

const std::map<std::string_view, Gestore>& Comandi();

}  // namespace quintello
