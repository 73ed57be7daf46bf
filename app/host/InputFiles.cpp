#include "host/InputFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Closes the descriptor when the read is over, however it ends.
class CDescriptor {
public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool bFail(std::string& problem, const std::string& what) {
    problem = what;
    return false;
}

}  // namespace

bool bReadRegularFile(const std::filesystem::path& path, ELinks links, std::string& text,
                      std::string& problem) {
    // Not blocking: a pipe named as an input is refused below instead of waiting for a writer.
    const int flags =
        O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == ELinks::kRefuse ? O_NOFOLLOW : 0);
    const CDescriptor file(::open(path.c_str(), flags));
    if (file.fd() < 0) {
        return bFail(problem, errno == ENOENT
                                  ? std::string("no such file")
                                  : std::string("it cannot be opened: ") + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return bFail(problem, "not a regular file");
    }
    text.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd(), buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno != EINTR) {
            return bFail(problem, std::string("it cannot be read: ") + std::strerror(errno));
        }
        text.append(buffer, static_cast<size_t>(std::max<ssize_t>(got, 0)));
    }
}
