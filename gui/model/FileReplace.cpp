#include "gui/model/FileReplace.h"
#include "gui/model/InOutError.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace korva::gui {

namespace {

[[noreturn]] void Fail(int error, const std::filesystem::path& fileName)
{
    // The system's reason, as the user reads it: "<file>: Read-only file system".
    throw EInOutError(fileName.string() + ": " + std::generic_category().message(error));
}

// Removes the temporary file unless the write went through.
class TTemporaryFile
{
  public:
    explicit TTemporaryFile(std::filesystem::path path) : fPath(std::move(path)) {}
    ~TTemporaryFile()
    {
        if (fDescriptor >= 0)
            ::close(fDescriptor);
        if (!fCommitted)
            ::unlink(fPath.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    const std::filesystem::path& Path() const { return fPath; }
    int fDescriptor = -1;
    bool fCommitted = false;

  private:
    std::filesystem::path fPath;
};

} // namespace

void WriteFileReplacing(const std::filesystem::path& fileName, std::string_view contents)
{
    // A link is followed, so that the file it points to is the one replaced.
    std::filesystem::path target = fileName;
    std::error_code ignored;
    if (std::filesystem::is_symlink(target, ignored))
        target = std::filesystem::weakly_canonical(target, ignored);

    struct stat previous
    {
    };
    const bool exists = ::stat(target.c_str(), &previous) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0)
        Fail(errno, fileName);

    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    // Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on a chain of operator+.
    std::string stem = ".";
    stem += target.filename().string();
    stem += '.';
    stem += std::to_string(::getpid());
    int descriptor = -1;
    std::filesystem::path temporaryPath;
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
        temporaryPath = folder / (stem + "." + std::to_string(attempt) + ".tmp");
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            Fail(errno, fileName);
    }
    if (descriptor < 0)
        Fail(EEXIST, fileName);

    TTemporaryFile temporary(temporaryPath);
    temporary.fDescriptor = descriptor;
    if (exists)
        ::fchmod(descriptor, previous.st_mode & 07777);

    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno, fileName);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(descriptor) != 0)
        Fail(errno, fileName);
    temporary.fDescriptor = -1;
    if (::close(descriptor) != 0)
        Fail(errno, fileName);
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0)
        Fail(errno, fileName);
    temporary.fCommitted = true;
    // Make the new directory entry durable too; the file itself is already complete, so a
    // failure here is not reported.
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
}

} // namespace korva::gui
