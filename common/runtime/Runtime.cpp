// The C++ runtime pieces the deliverables use, without the exception machinery of the standard
// library: allocation answers null on failure, as every caller checks.
#include <stdlib.h>
#include <stddef.h>
#include <new>

void* operator new(size_t size) { return malloc(size ? size : 1); }
void* operator new[](size_t size) { return malloc(size ? size : 1); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return malloc(size ? size : 1); }
void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }
void operator delete[](void* block, size_t) noexcept { free(block); }

extern "C" void __cxa_pure_virtual() { abort(); }
