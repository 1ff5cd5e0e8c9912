// A window program has no console to name an escaped exception on, so the C++ library's
// verbose terminate handler would write to nowhere; defined here, it and the name
// demangler it brings (45 KB, a sixth of vesko.exe) stay out of the program.
#include <cstdlib>

namespace __gnu_cxx {

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
