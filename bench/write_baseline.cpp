// The least a program can do to provision cards: write and flush 128 bytes into each
// existing file named on the command line. vesko-cli apply is measured against it.
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>

int main(int argc, char** argv) {
    const std::array<unsigned char, 128> bytes{};
    for (int i = 1; i < argc; ++i) {
        const int fd = ::open(argv[i], O_RDWR | O_CLOEXEC);
        if (fd < 0 || ::pwrite(fd, bytes.data(), bytes.size(), 0) != 128 || ::fsync(fd) != 0 ||
            ::close(fd) != 0) {
            std::perror(argv[i]);
            return 1;
        }
    }
    return 0;
}
