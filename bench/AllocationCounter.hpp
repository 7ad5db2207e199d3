#pragma once

#include <cstddef>

namespace bench
{

// The number of times the process has called any form of operator new since it started.
// Linking AllocationCounter.cpp into a program replaces the global operator new and delete
// with counting ones, for the program and every library it loads (SFML, the GL driver's C++
// parts); memory that C code takes with malloc is not counted.
std::size_t allocations();

} // namespace bench
