// Any bytes through the saved-game parser alone: it returns a state or
// stops, never crashes; and whatever state it returns, written and read back,
// is the same state.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "salvataggio/FormatoSalvataggio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t quanti) {
  using namespace quintello;
  const std::string_view file(reinterpret_cast<const char*>(dati), quanti);
  const PartitaLetta letta = LeggiPartita(file, StatoPartita{});
  if (letta.righe < 0 || letta.righe > kRigheFile) std::abort();
  const std::string scritto = ScriviPartita(letta.stato);
  const PartitaLetta riletta = LeggiPartita(scritto, letta.stato);
  if (!riletta.Completa() || !(riletta.stato == letta.stato)) std::abort();
  return 0;
}
