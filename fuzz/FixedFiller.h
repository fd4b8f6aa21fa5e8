// A filler generator with fixed output, so that files written while fuzzing
// and while making seeds do not depend on the clock.
#pragma once

#include "database/core/Random.h"

class CFixedFiller : public CRandom {
public:
    void Seed() override { m_nNext = 0; }
    int Next() override { return 0xA0 + m_nNext++; }

private:
    int m_nNext = 0;
};
