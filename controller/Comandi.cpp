#include "controller/Comandi.h"

namespace quintello {

const std::map<std::string_view, Gestore>& Comandi() {
  static const std::map<std::string_view, Gestore> comandi{
      {"giocatautente", &Gioco::giocatautente_Click},
      {"procedi", &Gioco::procedi_Click},
      {"newpart", &Gioco::newpart_Click},
      {"salva", &Gioco::salva_Click},
      {"carica", &Gioco::carica_Click},
      {"esci", &Gioco::esci_Click},
      {"sette", &Gioco::sette_Click},
      {"undici", &Gioco::undici_Click},
      {"sedici", &Gioco::sedici_Click},
      {"ventuno", &Gioco::ventuno_Click},
      {"Info", &Gioco::Info_Click},
      {"mnuDona", &Gioco::mnuDona_Click},
      {"Command1", &Gioco::Command1_Click},
      {"Command2", &Gioco::Command2_Click},
      {"principiante", &Gioco::principiante_Click},
      {"classico", &Gioco::classico_Click},
      {"esperto", &Gioco::esperto_Click},
      {"campione", &Gioco::campione_Click},
      {"suggerimento", &Gioco::suggerimento_Click},
      {"assopigliatutto", &Gioco::assopigliatutto_Click},
      {"assoscopa", &Gioco::assoscopa_Click},
      {"rebello", &Gioco::rebello_Click},
      {"napola", &Gioco::napola_Click},
  };
  return comandi;
}

}  // namespace quintello
