// The EFF large word list (7,776 words, by the Electronic Frontier Foundation,
// CC BY 3.0), built into vaultry-cli from Debian's diceware package, for
// passphrases.
#pragma once

extern const char* const kPassphraseWords[];
extern const unsigned kPassphraseWordCount;
