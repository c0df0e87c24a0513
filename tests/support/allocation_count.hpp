#pragma once

namespace cellwright::test {

// How many times operator new has run in this program so far. Only a test
// program that links support/allocation_count.cpp, which replaces the global
// operator new to count, may call it.
long allocationCount();

} // namespace cellwright::test
