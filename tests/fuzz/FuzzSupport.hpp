#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace bexil::fuzz
{

// Ends the run with the message when the condition is false; unlike assert, it also holds in
// release builds, where the corpus is replayed as a test.
inline void check(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace bexil::fuzz
