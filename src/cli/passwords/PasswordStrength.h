// How many guesses a password needs, and how long an attacker who has the
// database file takes to make them. The format has no key stretching: a guess
// costs one Blowfish key schedule and one block, which graphics cards run
// billions of times a second.
#pragma once

#include <string>

#include "framework/portable/CString.h"

const double kAttackGuessesPerSecond = 1e10;
const double kSecondsPerYear = 365.25 * 24 * 3600;

// The estimate this build makes: "zxcvbn" where it has the library, else
// vaultry-cli's own (PatternStrength.h).
extern const char kStrengthEstimator[];

// log2 of the guesses the password (UTF-8) needs: the estimator's figure, or
// less for words of the EFF large word list joined by one separator, which an
// attacker tries as such (zxcvbn does not know that list).
double EstimateGuessBits(const std::string& strPassword);

// log2 of the passphrases of nWords words of the EFF large word list, joined by
// single spaces, that are at most nMaxLength characters long: the guesses one
// drawn among them needs.
double PassphraseBits(int nWords, int nMaxLength);

// TRUE when 2^dBits guesses take an attacker under a century.
BOOL FallsWithinACentury(double dBits);

// How long 2^dBits guesses take the attacker: "less than a second", "about 3
// hours", "about 6300 centuries", "about 10^13 centuries".
CString TimeToGuessText(double dBits);
