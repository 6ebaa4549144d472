#include "resultreport.h"

#include "codepage.h"
#include "inifile.h"
#include "numberformat.h"
#include "reportwriteerror.h"

#include <atomic>
#include <cstdio>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tervox::report {
namespace {

namespace fs = std::filesystem;

struct ExistingFile {
    bool exists = false;
    mode_t mode = 0;
    std::string content;
};

// Reads the whole report, or tells that there is none. Throws for a report that
// exists but cannot be read or must not be replaced (a folder, a read-only file).
ExistingFile ReadExisting(const std::string& path) {
    ExistingFile file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return file;
        throw ReportWriteError(path);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0) {
        // A read-only report is the user's decision; root could replace it, we don't.
        ::close(fd);
        throw ReportWriteError(path);
    }
    file.exists = true;
    file.mode = st.st_mode & 07777;
    file.content.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        if (got == file.content.size())
            file.content.resize(file.content.size() * 2 + 4096);
        const ssize_t n = ::read(fd, file.content.data() + got, file.content.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throw ReportWriteError(path);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    file.content.resize(got);
    ::close(fd);
    return file;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Puts the finished temporary file in the report's place. An existing report is
// exchanged with it atomically and then removed: on ext4, a plain rename over an
// existing file forces the new data out to disk first (its "auto_da_alloc"
// safeguard), which turns every one of a run's 75 updates into a wait for the
// device. The exchange is just as atomic for readers and costs no such wait.
bool SwapIntoPlace(const std::string& temp, const std::string& path, bool exists) {
    if (exists && ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.c_str()); // now the old report
        return true;
    }
    // No report yet, or a file system without exchange: the plain atomic rename.
    return ::rename(temp.c_str(), path.c_str()) == 0;
}

// Replaces the report by the new text atomically: the text goes to a fresh file in
// the same folder, which is then renamed over the report. A reader sees either the
// old or the new file, never a part of one.
void ReplaceFile(const std::string& path, const std::string& text, const ExistingFile& old) {
    static std::atomic<unsigned> counter{0};
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            throw ReportWriteError(path);
    }
    const std::string temp = path + ".tmp" + std::to_string(::getpid()) + "." +
                             std::to_string(counter.fetch_add(1, std::memory_order_relaxed));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        throw ReportWriteError(path);
    bool ok = WriteAll(fd, text);
    if (ok && old.exists)
        ok = ::fchmod(fd, old.mode) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = SwapIntoPlace(temp, path, old.exists);
    if (!ok) {
        ::unlink(temp.c_str());
        throw ReportWriteError(path);
    }
}

} // namespace

ResultReport::ResultReport(std::string path, RegionalSettings settings)
    : m_path(std::move(path)), m_settings(std::move(settings)) {}

void ResultReport::WriteEntry(std::string_view section, std::string_view key,
                              std::string_view text) {
    const ExistingFile old = ReadExisting(m_path);
    const std::string updated =
        UpdateIniText(old.content, ToCp1251(section), ToCp1251(key), ToCp1251(text));
    ReplaceFile(m_path, updated, old);
}

void ResultReport::WriteNumber(std::string_view section, std::string_view key, long double value) {
    WriteEntry(section, key, FormatNumber(value, m_settings.decimalSeparator));
}

} // namespace tervox::report
