// Placeholder until the showdown lands: removed as each procedure is written.
#include "showdown/showdown.h"

namespace omaha {

void evaluate_winner(tables&) {}
void pot_to_winner(tables&, int) {}

}  // namespace omaha
