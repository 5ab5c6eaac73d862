#include "MappedFile.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

CMappedFile::CMappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (data != MAP_FAILED) {
            m_pData = data;
            m_nSize = size;
        }
    }
    ::close(fd);
}

void CMappedFile::Release(const char* upTo) {
    const auto* start = static_cast<const char*>(m_pData);
    if (!m_pData || upTo <= start || upTo > start + m_nSize)
        return;
    static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t end = static_cast<std::size_t>(upTo - start) / page * page;
    if (end <= m_nReleased)
        return;
    ::madvise(static_cast<char*>(m_pData) + m_nReleased, end - m_nReleased, MADV_DONTNEED);
    m_nReleased = end;
}

CMappedFile::~CMappedFile() {
    if (m_pData)
        ::munmap(m_pData, m_nSize);
}

namespace {

// Set before the handler is installed and only read by it: a signal handler
// may touch nothing else.
char g_remove[4096];
char g_message[1024];
std::size_t g_nMessage = 0;
int g_status = 1;
struct sigaction g_previous {};

void OnBusError(int) {
    if (g_remove[0] != '\0')
        ::unlink(g_remove);
    const ssize_t ignored = ::write(STDERR_FILENO, g_message, g_nMessage);
    (void)ignored;
    ::_exit(g_status);
}

} // namespace

CTruncationGuard::CTruncationGuard(const std::string& removeOnFault, const std::string& message,
                                   int status) {
    if (removeOnFault.size() >= sizeof g_remove)
        return; // no guard rather than a wrong file removed
    std::memcpy(g_remove, removeOnFault.c_str(), removeOnFault.size() + 1);
    g_nMessage = std::min(message.size(), sizeof g_message);
    std::memcpy(g_message, message.data(), g_nMessage);
    g_status = status;
    struct sigaction action {};
    action.sa_handler = OnBusError;
    sigemptyset(&action.sa_mask);
    m_bInstalled = ::sigaction(SIGBUS, &action, &g_previous) == 0;
}

CTruncationGuard::~CTruncationGuard() {
    if (m_bInstalled)
        ::sigaction(SIGBUS, &g_previous, nullptr);
}
