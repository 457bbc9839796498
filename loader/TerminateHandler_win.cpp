// The loader has no use for C++ exceptions (it is built without them) and no
// console to print on. The C++ runtime's default terminate handler prints
// the exception's demangled name, and its throw helpers build exception
// objects that carry a second string implementation: together about 150 KB
// of the runtime linked into every bundle. These replacements end the
// process at once, as an uncaught exception would.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
} // namespace std
