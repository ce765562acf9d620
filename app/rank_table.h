// The table of the game's ranks: one row per rank, lowest first, the row index
// being the rank's number everywhere (combo item, icon number).
#pragma once

#include <array>
#include <string>

#include "resources/resources.h"

// Field indices of a rank row.
enum RankField {
    IconRef = 0,   // decimal text of the location of the rank's icon file
    RankName = 1,  // Russian name, a blank, the English name in parentheses
    ExpToNext = 2, // decimal text of the EXP from this rank to the next
};

// One rank: three texts, addressed by RankField.
using RankRow = std::array<std::string, ExpToNext + 1>;

// Rows 0 to 50 hold the ranks; row 51 exists, stays empty and is never read.
extern std::array<RankRow, RankCount + 1> RankTable;

// Empties the table, then fills rows 0 to 50 from the built-in list and the embedded icons.
void BuildRankTable();
