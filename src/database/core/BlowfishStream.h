// Blowfish in ECB mode over files: everything from the source's current position
// to its end is enciphered (or deciphered) and written at the destination's
// current position. A final part shorter than 8 bytes is copied unchanged, so the
// output is exactly as long as the input. Both return 1; file errors are thrown.
#pragma once

#include "framework/portable/CFile.h"

int EncryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength);
int DecryptStream(CFile* pSource, CFile* pDest, const BYTE* pKey, short nKeyLength);
