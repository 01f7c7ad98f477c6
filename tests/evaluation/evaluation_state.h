#pragma once

#include <string>
#include <vector>

#include "table/tables.h"

namespace omaha::testing {

// Everything an evaluation writes, as "name=value" lines, so two runs can be compared and a
// difference is printed by name.
inline std::vector<std::string> evaluation_state(const tables& t) {
  std::vector<std::string> lines;
  const auto add = [&lines](const std::string& name, const std::string& value) {
    lines.push_back(name + "=" + value);
  };
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t.player(seat);
    const std::string s = "seat" + std::to_string(seat) + ".";
    add(s + "handvaluetops", p.handvaluetops);
    add(s + "handvaluepair", p.handvaluepair);
    add(s + "handvaluetwok", p.handvaluetwok);
    add(s + "handvaluethreek", p.handvaluethreek);
    add(s + "handvaluestraight", p.handvaluestraight);
    add(s + "handvalueflush", p.handvalueflush);
    add(s + "handvaluefullhouse", p.handvaluefullhouse);
    add(s + "handvaluefourk", p.handvaluefourk);
    add(s + "handvaluesflush", p.handvaluesflush);
    add(s + "handvaluerflush", p.handvaluerflush);
    add(s + "handvalue", p.handvalue);
    add(s + "handnumber", std::to_string(p.handnumber));
    add(s + "handrank", std::to_string(p.handrank));
  }
  add("numberofwinners", std::to_string(t.numberofwinners));
  add("Label23", t.Label23.caption());
  add("winnerlabel", t.winnerlabel.caption());
  add("flopvalue", t.flopvalue);
  add("fl", t.fl);
  add("st", t.st);
  add("cards", t.cards1 + " " + t.cards2 + " " + t.cards3 + " " + t.cards4 + " " + t.cards5 + " " +
                   t.cards6 + " " + t.cards7);
  return lines;
}

}  // namespace omaha::testing
