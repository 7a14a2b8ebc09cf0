// Writing a file so that a failure never destroys what was there before.
#pragma once

#include <string>

namespace quintello {

// Writes `contenuto` to a new file beside `percorso`, flushes it to the disk
// and only then renames it over `percorso`. Returns "" on success, otherwise
// the reason in Italian; the old file, if any, is then untouched.
std::string ScriviFileSicuro(const std::string& percorso, const std::string& contenuto);

}  // namespace quintello
