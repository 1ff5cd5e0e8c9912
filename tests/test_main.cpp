#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {

// A crash ends the test program at once with a failure, instead of waiting for a debugger.
LONG WINAPI ExitOnCrash(EXCEPTION_POINTERS* info) {
    std::fprintf(stderr, "crashed with exception 0x%08lx\n",
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    std::fflush(stderr);
    ::ExitProcess(3);
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // No system error box may stop an unattended run.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    ::SetUnhandledExceptionFilter(ExitOnCrash);
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
