// zxcvbn's ranked lists of common passwords, English words, female names,
// surnames, words of television and film, and male names (by Dropbox, MIT
// licence), built into vaultry-cli from Debian's python3-zxcvbn: each a text of
// lower-case words separated by commas, the most common first.
#pragma once

extern const char* const kCommonWordLists[];
extern const int kCommonWordListCount;
