// Checks of the program's own assumptions. ASSERT stops a debug build when its
// condition is false and compiles to nothing in a release build; VERIFY always
// evaluates its expression. TRACE output is not kept.
#pragma once

#include <cassert>

#ifndef ASSERT
#define ASSERT(f) assert(f)
#endif
#ifndef VERIFY
#ifdef NDEBUG
#define VERIFY(f) ((void)(f))
#else
#define VERIFY(f) assert(f)
#endif
#endif
#define ASSERT_VALID(pObject) ASSERT((pObject) != nullptr)
#define TRACE(...)            ((void)0)
#define TRACE0(sz)            ((void)0)
#define TRACE1(sz, p1)        ((void)0)
#define TRACE2(sz, p1, p2)    ((void)0)
