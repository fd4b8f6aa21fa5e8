// vaultry-cli's own strength estimate, for the build without the zxcvbn library
// (vaultry-cli.exe): zxcvbn's way of looking at a password, in small. The
// password is cut into the pieces an attacker tries first: the passwords, words
// and names of zxcvbn's lists by their rank (also reversed, with capitals and
// l33t substitutions), keyboard rows, sequences, repeats, years and dates; what
// no piece covers is guessed a character at a time from the classes of
// characters the password uses. The estimate is the cheapest such cut.
#pragma once

#include <string>

// log2 of the guesses the password (UTF-8) needs. Pieces are at most 64
// characters long; the cost grows with the square of the length.
double PatternGuessBits(const std::string& strPassword);
