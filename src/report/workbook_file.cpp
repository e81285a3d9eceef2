#include "report/workbook_file.h"

#include "model/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace vendrix {

namespace {

// 1980-01-01 00:00 UTC, the date libxlsxwriter gives the entries of the zip.
constexpr std::time_t kFixedCreationTime = 315532800;

// libxlsxwriter prints numbers with the C library's "%.16G", which follows
// LC_NUMERIC: a comma locale would write "1,5". This thread takes the C
// locale's numbers while the workbook is made.
class PointDecimalScope
{
public:
    PointDecimalScope()
        : m_c(::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr)))
        , m_previous(m_c ? ::uselocale(m_c) : nullptr)
    { }
    ~PointDecimalScope()
    {
        if (m_c) {
            ::uselocale(m_previous);
            ::freelocale(m_c);
        }
    }
    PointDecimalScope(const PointDecimalScope &) = delete;
    PointDecimalScope &operator=(const PointDecimalScope &) = delete;

private:
    locale_t m_c;
    locale_t m_previous;
};

// libxlsxwriter writes only to a named file: an anonymous file in memory,
// named through /proc, leaves nothing behind however the write ends.
class MemoryFile
{
public:
    MemoryFile()
        : m_fd(::memfd_create("vendrix-workbook", MFD_CLOEXEC))
    { }
    ~MemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    std::string name() const { return "/proc/self/fd/" + std::to_string(m_fd); }

    bool readAll(std::string &bytes) const
    {
        bytes.clear();
        char buffer[65536];
        for (off_t at = 0;;) {
            const ssize_t n = ::pread(m_fd, buffer, sizeof buffer, at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n == 0;
            bytes.append(buffer, static_cast<size_t>(n));
            at += n;
        }
    }

private:
    int m_fd;
};

Failure workbookFailure(const std::filesystem::path &path, const char *reason)
{
    return Failure::aboutFile(std::string("Cannot make the workbook \"%1\": ") + reason, path);
}

} // namespace

std::time_t workbookCreationTime()
{
    const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == '\0')
        return kFixedCreationTime;
    char *end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(epoch, &end, 10);
    // libxlsxwriter takes 0 for "now".
    if (*end != '\0' || errno != 0 || seconds <= 0)
        return kFixedCreationTime;
    return static_cast<std::time_t>(seconds);
}

std::optional<Failure> writeWorkbookFile(const std::filesystem::path &path,
                                         const WorkbookContent &content)
{
    const PointDecimalScope pointDecimals;
    const MemoryFile memory;
    if (!memory.isOpen())
        return workbookFailure(path, std::strerror(errno));
    lxw_workbook *workbook = workbook_new(memory.name().c_str());
    if (!workbook)
        return workbookFailure(path, lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
    lxw_doc_properties properties {};
    properties.created = workbookCreationTime();
    lxw_error error = workbook_set_properties(workbook, &properties);
    if (error == LXW_NO_ERROR)
        error = content(workbook);
    // Closing frees the workbook whatever happened before.
    const lxw_error closed = workbook_close(workbook);
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        return workbookFailure(path, lxw_strerror(error));
    std::string bytes;
    if (!memory.readAll(bytes))
        return workbookFailure(path, std::strerror(errno));
    return writeFileAtomically(path, bytes);
}

} // namespace vendrix
