// The saved game's edge with the file system: what a load reads from disk.
#pragma once

#include <string>

namespace quintello {

// True when the name is an existing ordinary file.
bool FileExists(const std::string& nome);

// The lines a load can use, each ended by LF: at most the first 77, each
// without its leading blanks and cut at 1 MiB, so no file, however long,
// costs more. "" when the file cannot be read.
std::string LeggiFileSalvataggio(const std::string& nome);

}  // namespace quintello
