// Splits one imported text line into an entry. For, Username and Password each
// take the text before the next comma, if there is one, and are left empty when
// no comma is left; Notes takes whatever remains, commas included:
//
//   commas  For     Username  Password  Notes
//   3       part 1  part 2    part 3    part 4
//   >3      part 1  part 2    part 3    everything after the third comma
//   2       part 1  part 2    (empty)   part 3
//   1       part 1  (empty)   (empty)   part 2
//   0       (empty) (empty)   (empty)   the whole line
//
// An empty line gives an entry of four empty texts. No spaces are trimmed.
#pragma once

#include "database/core/Entry.h"

CEntry SplitEntryLine(const CString& strLine);
