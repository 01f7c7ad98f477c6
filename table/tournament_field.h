#pragma once

namespace omaha {

class tables;

// The other tables of the tournament: players knocked out there between two hands.
void advance_tournament(tables& t);

}  // namespace omaha
