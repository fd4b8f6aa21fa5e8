// CRandom: the C runtime's generator, seeded with the current time. It makes the
// filler bytes at the end of a database body. Tests derive from it to fix them.
#pragma once

class CRandom {
public:
    virtual ~CRandom();
    // srand(time(NULL)).
    virtual void Seed();
    // The next rand() value.
    virtual int Next();
};
