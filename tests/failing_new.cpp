// Replaces the global operator new so that a test can make the next
// allocation fail. It is a translation unit of its own: were the replacement
// visible where it is used, GCC would inline it there and warn that memory
// from operator new reaches free().

#include <cstdlib>
#include <new>

bool failNextAllocation = false;

void* operator new(std::size_t size)
{
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
