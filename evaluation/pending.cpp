// Placeholder until the hand evaluation lands: removed as each procedure is written.
#include "evaluation/evaluation.h"

namespace omaha {

void evaluate_player_cards(tables&) {}

}  // namespace omaha
