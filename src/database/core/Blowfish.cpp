#include "database/core/Blowfish.h"

#include <cstring>

DWORD g_BlowfishP[18];
DWORD g_BlowfishS[4][256];

namespace {

inline DWORD F(DWORD x)
{
    return ((g_BlowfishS[0][x >> 24] + g_BlowfishS[1][(x >> 16) & 0xFF]) ^ g_BlowfishS[2][(x >> 8) & 0xFF]) +
           g_BlowfishS[3][x & 0xFF];
}

// N blocks through the rounds side by side: their table look-ups are independent,
// so the processor can overlap them. The loops are unrolled so that every lane
// stays in its own register; left rolled, compilers tend to turn the lanes into
// vector code that has to gather the S-box words one by one, which is slower.
template <int N>
inline void EncipherN(DWORD* l, DWORD* r)
{
    _Pragma("GCC unroll 8") for (int i = 0; i < 16; i += 2)
    {
        _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
        {
            l[k] ^= g_BlowfishP[i];
            r[k] ^= F(l[k]);
        }
        _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
        {
            r[k] ^= g_BlowfishP[i + 1];
            l[k] ^= F(r[k]);
        }
    }
    _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
    {
        DWORD t = l[k] ^ g_BlowfishP[16];
        l[k] = r[k] ^ g_BlowfishP[17];
        r[k] = t;
    }
}

template <int N>
inline void DecipherN(DWORD* l, DWORD* r)
{
    _Pragma("GCC unroll 8") for (int i = 17; i > 1; i -= 2)
    {
        _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
        {
            l[k] ^= g_BlowfishP[i];
            r[k] ^= F(l[k]);
        }
        _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
        {
            r[k] ^= g_BlowfishP[i - 1];
            l[k] ^= F(r[k]);
        }
    }
    _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
    {
        DWORD t = l[k] ^ g_BlowfishP[1];
        l[k] = r[k] ^ g_BlowfishP[0];
        r[k] = t;
    }
}

inline void StoreLong(BYTE* p, DWORD v)
{
    p[0] = static_cast<BYTE>(v);
    p[1] = static_cast<BYTE>(v >> 8);
    p[2] = static_cast<BYTE>(v >> 16);
    p[3] = static_cast<BYTE>(v >> 24);
}

template <int N, bool Encipher>
inline void RunBlocks(BYTE* p)
{
    DWORD l[N], r[N];
    _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
    {
        l[k] = BytesToLong(p + 8 * std::size_t(k));
        r[k] = BytesToLong(p + 8 * std::size_t(k) + 4);
    }
    if (Encipher)
        EncipherN<N>(l, r);
    else
        DecipherN<N>(l, r);
    _Pragma("GCC unroll 8") for (int k = 0; k < N; ++k)
    {
        StoreLong(p + 8 * std::size_t(k), l[k]);
        StoreLong(p + 8 * std::size_t(k) + 4, r[k]);
    }
}

template <bool Encipher>
void RunAll(BYTE* p, std::size_t nBlocks)
{
    for (; nBlocks >= 8; nBlocks -= 8, p += 64) RunBlocks<8, Encipher>(p);
    for (; nBlocks; --nBlocks, p += 8) RunBlocks<1, Encipher>(p);
}

}  // namespace

DWORD BytesToLong(const BYTE* pBytes)
{
    return static_cast<DWORD>(pBytes[0]) | static_cast<DWORD>(pBytes[1]) << 8 | static_cast<DWORD>(pBytes[2]) << 16 |
           static_cast<DWORD>(pBytes[3]) << 24;
}

BYTE LongByte(DWORD dwValue, int nIndex)
{
    if (nIndex < 0 || nIndex > 3) nIndex = 0;
    return static_cast<BYTE>(dwValue >> (8 * nIndex));
}

void BlowfishReset()
{
    std::memcpy(g_BlowfishP, g_BlowfishInitP, sizeof g_BlowfishP);
    std::memcpy(g_BlowfishS, g_BlowfishInitS, sizeof g_BlowfishS);
}

void BlowfishClear()
{
    SecureZero(g_BlowfishP, sizeof g_BlowfishP);
    SecureZero(g_BlowfishS, sizeof g_BlowfishS);
}

void BlowfishSetKey(const BYTE* pKey, short nKeyLength)
{
    BlowfishReset();
    const int n = nKeyLength;
    int j = 0;
    for (int i = 0; i < 18; ++i) {
        DWORD word = static_cast<DWORD>(pKey[j]) << 24 | static_cast<DWORD>(pKey[(j + 1) % n]) << 16 |
                     static_cast<DWORD>(pKey[(j + 2) % n]) << 8 | static_cast<DWORD>(pKey[(j + 3) % n]);
        g_BlowfishP[i] ^= word;
        j = (j + 4) % n;
    }
    DWORD l = 0, r = 0;
    for (int i = 0; i < 18; i += 2) {
        BlowfishEncipher(&l, &r);
        g_BlowfishP[i] = l;
        g_BlowfishP[i + 1] = r;
    }
    for (int s = 0; s < 4; ++s) {
        for (int k = 0; k < 256; k += 2) {
            BlowfishEncipher(&l, &r);
            g_BlowfishS[s][k] = l;
            g_BlowfishS[s][k + 1] = r;
        }
    }
}

// The halves are worked on in locals: through the pointers every round's store
// could alias the tables, which would force the compiler to reload them.
void BlowfishEncipher(DWORD* xl, DWORD* xr)
{
    DWORD l[1] = {*xl}, r[1] = {*xr};
    EncipherN<1>(l, r);
    *xl = l[0];
    *xr = r[0];
}

void BlowfishDecipher(DWORD* xl, DWORD* xr)
{
    DWORD l[1] = {*xl}, r[1] = {*xr};
    DecipherN<1>(l, r);
    *xl = l[0];
    *xr = r[0];
}

void BlowfishEncipherBlocks(BYTE* pData, std::size_t nBlocks) { RunAll<true>(pData, nBlocks); }

void BlowfishDecipherBlocks(BYTE* pData, std::size_t nBlocks) { RunAll<false>(pData, nBlocks); }
