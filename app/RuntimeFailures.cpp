// Where the C++ runtime meets a failure it cannot recover from. The program has no error
// handling of its own: memory exhausted or a container grown past its limit is reported by the
// platform's fatal-error report and ends the process. Routing these here, instead of through
// exceptions, keeps the exception machinery out of the executable.
#include "../window_groups/WindowSystem.h"

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void OutOfMemory() {
    WindowSystem::FatalAppExitA("Tessivar: out of memory.");
}

} // namespace

// The replaceable allocation functions are where memory comes from: malloc and free are theirs.
// NOLINTBEGIN(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    OutOfMemory();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
// NOLINTEND(cppcoreguidelines-no-malloc,cppcoreguidelines-owning-memory)

#if defined(__GLIBCXX__)
// libstdc++ raises its container errors through these hooks; without exceptions they report.
namespace std {
void __throw_bad_alloc() {
    OutOfMemory();
}
void __throw_bad_array_new_length() {
    OutOfMemory();
}
void __throw_length_error(const char* what) {
    WindowSystem::FatalAppExitA(what);
}
void __throw_logic_error(const char* what) {
    WindowSystem::FatalAppExitA(what);
}
void __throw_out_of_range(const char* what) {
    WindowSystem::FatalAppExitA(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
    WindowSystem::FatalAppExitA(what);
}
} // namespace std

namespace __gnu_cxx {
// The default handler writes to a console a windowed program does not have.
void __verbose_terminate_handler() { // NOLINT(bugprone-reserved-identifier): libstdc++'s name
    WindowSystem::FatalAppExitA("Tessivar: unexpected failure.");
}
} // namespace __gnu_cxx
#endif
