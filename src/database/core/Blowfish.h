// The Blowfish block cipher (64-bit blocks, 16 rounds, key of 1 to 32,767 bytes of
// which the first 72 count), with process-wide working tables that every key
// set-up overwrites and every stream operation zeroes when it ends. Used from one
// thread, one file operation at a time.
#pragma once

#include "framework/portable/Types.h"

extern const DWORD g_BlowfishInitP[18];
extern const DWORD g_BlowfishInitS[4][256];
extern DWORD g_BlowfishP[18];
extern DWORD g_BlowfishS[4][256];

// Copies the initial tables over the working tables.
void BlowfishReset();
// Zeroes the working tables, so that no key schedule outlives its use. The
// stream routines do this when they end; a key must be set before the next use.
void BlowfishClear();
// BlowfishReset, then the standard key schedule over the key bytes, taken
// cyclically. nKeyLength must be at least 1.
void BlowfishSetKey(const BYTE* pKey, short nKeyLength);
void BlowfishEncipher(DWORD* xl, DWORD* xr);
void BlowfishDecipher(DWORD* xl, DWORD* xr);

// Enciphers or deciphers nBlocks 8-byte blocks in place, each read as two
// little-endian 32-bit halves (first four bytes the left half). Several blocks
// are kept in flight at once, which is what makes bulk work fast.
void BlowfishEncipherBlocks(BYTE* pData, std::size_t nBlocks);
void BlowfishDecipherBlocks(BYTE* pData, std::size_t nBlocks);

// Little-endian conversion between 4 bytes and a 32-bit word, independent of the
// host's byte order. LongByte gives the lowest byte for an index outside 0..3.
DWORD BytesToLong(const BYTE* pBytes);
BYTE LongByte(DWORD dwValue, int nIndex);
