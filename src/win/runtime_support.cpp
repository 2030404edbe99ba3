// The program uses no exceptions. The few places where the standard library
// would throw (a string or vector past its maximum size, memory exhausted, a
// failed library assertion) end the program here instead, as an uncaught
// exception would, so that the library's exception and unwinding machinery,
// a good half of the executable, is never linked in. Only the program links
// this file; the test programs keep the library's own versions.
#include <cstdlib>
#include <new>

namespace std {
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }
void __throw_invalid_argument(const char*) { abort(); }
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_function_call() { abort(); }
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { abort(); }
}  // namespace std

void* operator new(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block) std::abort();
    return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
