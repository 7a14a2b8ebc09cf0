// Any bytes through the statistics parser: it returns a record or nothing, never
// crashes; and whatever record it returns is written back byte for byte as read.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profilo/Statistiche.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
  using namespace quintello;
  const std::string_view testo(reinterpret_cast<const char*>(dati), quanti);
  const std::optional<Statistiche> lette = LeggiStatistiche(testo);
  if (!lette) return 0;
  const std::string scritte = ScriviStatistiche(*lette);
  const std::optional<Statistiche> rilette = LeggiStatistiche(scritte);
  if (!rilette || *rilette != *lette || ScriviStatistiche(*rilette) != scritte) std::abort();
  return 0;
}
