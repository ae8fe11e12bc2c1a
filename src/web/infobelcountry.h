#pragma once

#include <QString>

// The countries served by the InfoBel directory, as upper-case English names.
// Index 0 .. 9 give "AUSTRIA" .. "UK"; any larger index gives an empty text, so callers
// enumerate the list by asking for 0, 1, 2 ... until the first empty name.
QString InfoBelCountry(unsigned index);
