#pragma once

namespace omaha {

class tables;

// Where everything sits on the table screen and how it looks when the screen opens.
void lay_out_table(tables& t);

}  // namespace omaha
