// Whole numbers as the user reads them: "0", "12", "-3", no padding.
#pragma once

#include <string>

namespace quintello {

inline std::string NumeroTesto(long valore) {
  return std::to_string(valore);
}

}  // namespace quintello
