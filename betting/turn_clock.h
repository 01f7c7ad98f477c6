#pragma once

namespace omaha {

class tables;

// One tick of the turn clock `roundtimer`: the clock rule, the turn handed to the seat after
// `focuser`, the parking of the focus once the hand is over, then the limit countdown.
void roundtimer_Timer(tables& t);

}  // namespace omaha
