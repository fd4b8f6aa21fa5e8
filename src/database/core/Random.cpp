#include "database/core/Random.h"

#include <cstdlib>
#include <ctime>

CRandom::~CRandom() = default;

void CRandom::Seed() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

int CRandom::Next() { return std::rand(); }
