// The started program of the launch benchmark: writes one byte into the FIFO named by its first
// argument as soon as it runs, then exits.
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[]) {
    if (argc < 2)
        return 2;
    const int fd = open(argv[1], O_WRONLY);
    if (fd < 0)
        return 1;
    const char octet = 'x';
    const bool ok = write(fd, &octet, 1) == 1;
    close(fd);
    return ok ? 0 : 1;
}
