// How the C++ library's own failures end this program. Both replace hooks the
// static libstdc++ would otherwise bring in, for the bytes they cost in a
// program that never sees them (the shipping exe has a size budget):
//
// - the default terminate handler prints the uncaught exception's demangled
//   type to stderr, which a GUI program has not: it pulls in the demangler and
//   the C99 printf behind it (about 47 KB);
// - the library reports a broken precondition (a string past max_size, a null
//   C string, an empty std::function called, an impossible allocation) by
//   throwing one of its exception classes. Nothing here catches those, so the
//   program ended in std::terminate anyway; ending it at once keeps the
//   exception classes and the reference-counted string they hold out of the
//   program (about 55 KB).
//
// A library function these do not cover makes the link fail with a duplicate
// definition, so a new one cannot slip in unnoticed.
#include <cstddef>
#include <cstdlib>
#include <new>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std

// The shipping build has no exceptions, so the std::bad_alloc the library's
// operator new throws could only end in std::terminate; it was also the last
// user of the library's whole exception machinery (about 36 KB). A failed
// allocation ends the program here instead. The language allows a program to
// replace these.
void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  std::abort();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
// The library's nothrow form calls the one above, so it would end the program
// too; where the program can go on without the memory it asks with this one
// and gets null.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
