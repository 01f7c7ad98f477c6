#pragma once

namespace omaha {

class tables;

// The draw for the button, once per run: the highest first hole card wins it.
void toss(tables& t);

}  // namespace omaha
