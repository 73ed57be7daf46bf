#include "host/OutputFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <utility>

namespace {

namespace fs = std::filesystem;

// Tries for a temporary name that no file has yet; a clash is rare, and a run of them means
// something fills the folder on purpose.
constexpr int kTemporaryAttempts = 100;

std::string sCause(int error) {
    return std::strerror(error);
}

// An output as a name in a folder: the folder absolute, links resolved as far as it exists.
struct CTarget {
    fs::path m_Folder;
    std::string m_sName;

    fs::path Path() const { return m_Folder / m_sName; }
};

// A folder as an absolute path, links resolved as far as it exists, without a trailing separator;
// shown names the output in a message.
bool bAbsoluteFolder(const fs::path& shown, const fs::path& folder, fs::path& absolute,
                     std::string& problem) {
    std::error_code code;
    absolute = fs::weakly_canonical(fs::absolute(folder, code), code);
    if (code) {
        problem = shown.string() + ": " + code.message();
        return false;
    }
    if (!absolute.has_filename() && absolute.has_relative_path()) {
        absolute = absolute.parent_path();
    }
    return true;
}

bool bTarget(const fs::path& path, CTarget& target, std::string& problem) {
    const fs::path name = path.filename();
    if (name.empty() || name == "." || name == "..") {
        problem = path.string() + ": names a folder; a file is due here";
        return false;
    }
    target.m_sName = name.string();
    const fs::path parent = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    return bAbsoluteFolder(path, parent, target.m_Folder, problem);
}

// The file a path leads to, links followed, as the system knows it.
using CFileId = std::pair<dev_t, ino_t>;

bool bFileId(const fs::path& path, CFileId& id) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    id = {info.st_dev, info.st_ino};
    return true;
}

// The folder exists, or the deepest part of it that exists is a folder when the rest may be made;
// either way the program may write there. shown names the output in the message.
bool bFolderUsable(const fs::path& shown, const fs::path& wanted, bool bMake,
                   std::string& problem) {
    fs::path folder = wanted;
    struct stat info {};
    while (::stat(folder.c_str(), &info) != 0) {
        const int error = errno;
        if (error != ENOENT || !bMake || folder == folder.parent_path()) {
            problem = shown.string() + ": " +
                      (error == ENOENT ? "its folder does not exist" : sCause(error));
            return false;
        }
        folder = folder.parent_path();
    }
    if (!S_ISDIR(info.st_mode)) {
        problem = shown.string() + ": " + folder.string() + " is not a folder";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        problem = shown.string() + ": the program may not write in " + folder.string();
        return false;
    }
    return true;
}

// Nothing is there, a file, or a link (which is replaced, never written through).
bool bFileUsable(const COutputFile& output, const CTarget& target, std::string& problem) {
    const fs::path path = target.Path();
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0 || S_ISREG(entry.st_mode)) {
        return true;
    }
    struct stat behind {};
    const bool bLink = S_ISLNK(entry.st_mode);
    const bool bFolder = S_ISDIR(entry.st_mode) ||
                         (bLink && ::stat(path.c_str(), &behind) == 0 && S_ISDIR(behind.st_mode));
    if (bFolder) {
        problem = output.m_Path.string() + ": is a folder; a file is due here";
        return false;
    }
    if (!bLink) {
        problem = output.m_Path.string() + ": not a regular file";
        return false;
    }
    return true;
}

// One write of a set of files: the folders it opened or made, the temporaries it wrote and the
// targets it replaced, so that a failure can take every step back.
class COutputTransaction {
public:
    COutputTransaction() = default;
    COutputTransaction(const COutputTransaction&) = delete;
    COutputTransaction& operator=(const COutputTransaction&) = delete;
    ~COutputTransaction() {
        for (const auto& [path, fd] : m_Folders) {
            ::close(fd);
        }
    }

    bool bWrite(const std::vector<COutputFile>& outputs, std::string& problem) {
        for (const COutputFile& output : outputs) {
            if (!bWriteTemporary(output, problem)) {
                vUndo();
                return false;
            }
        }
        for (CFile& file : m_vFiles) {
            if (!bPlace(file)) {
                problem = file.m_Shown.string() + ": cannot be written: " + sCause(errno);
                vUndo();
                return false;
            }
        }
        vFinish();
        return true;
    }

private:
    enum class EState { kWritten, kExchanged, kPlacedNew, kRenamed };
    struct CFile {
        fs::path m_Shown;  // as the user named it
        int m_iFolder;
        std::string m_sName;
        std::string m_sTemporary;
        EState m_eState = EState::kWritten;
    };

    // The open folder at path; a missing folder is made (and its missing parents) when allowed.
    int iFolder(const fs::path& folder, bool bMake, std::string& problem) {
        const auto found = m_Folders.find(folder);
        if (found != m_Folders.end()) {
            return found->second;
        }
        int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && bMake && folder != folder.parent_path()) {
            const int parent = iFolder(folder.parent_path(), true, problem);
            if (parent < 0) {
                return -1;
            }
            const std::string name = folder.filename().string();
            if (::mkdirat(parent, name.c_str(), 0777) == 0) {
                m_vMadeFolders.push_back(folder);
            } else if (errno != EEXIST) {
                problem = folder.string() + ": cannot make the folder: " + sCause(errno);
                return -1;
            }
            fd = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        }
        if (fd < 0) {
            problem = folder.string() + ": cannot open the folder: " + sCause(errno);
            return -1;
        }
        m_Folders.emplace(folder, fd);
        return fd;
    }

    // A new file under a name nobody can foresee; O_EXCL and O_NOFOLLOW refuse whatever is
    // already at the name, a link included.
    int iCreateTemporary(int folder, std::string& name) {
        static std::mt19937_64 s_random{std::random_device{}()};
        for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
            char hex[17];
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(s_random()));
            name = std::string(".photoquant-") + hex + ".tmp";
            const int fd = ::openat(folder, name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd >= 0 || errno != EEXIST) {
                return fd;
            }
        }
        return -1;
    }

    static bool bWriteAll(int fd, const std::string& content) {
        for (size_t done = 0; done < content.size();) {
            const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
            if (written < 0 && errno != EINTR) {
                return false;
            }
            done += written > 0 ? static_cast<size_t>(written) : 0;
        }
        return true;
    }

    bool bWriteTemporary(const COutputFile& output, std::string& problem) {
        CTarget target;
        if (!bTarget(output.m_Path, target, problem)) {
            return false;
        }
        const int folder = iFolder(target.m_Folder, output.m_bMakeFolder, problem);
        if (folder < 0) {
            return false;
        }
        const std::string content = output.m_Content();
        CFile file{output.m_Path, folder, target.m_sName, {}};
        const int fd = iCreateTemporary(folder, file.m_sTemporary);
        if (fd < 0) {
            problem = output.m_Path.string() + ": cannot be written: " + sCause(errno);
            return false;
        }
        const bool bWritten = bWriteAll(fd, content) && ::fsync(fd) == 0;
        const int error = errno;
        const bool bClosed = ::close(fd) == 0;
        m_vFiles.push_back(file);
        if (!bWritten || !bClosed) {
            problem =
                output.m_Path.string() + ": cannot be written: " + sCause(bWritten ? errno : error);
            return false;
        }
        return true;
    }

    // Puts the temporary in the target's place. An existing target is exchanged with it, so that
    // the old file can be put back; a file system that cannot exchange gets a plain rename.
    static bool bPlace(CFile& file) {
        const char* temporary = file.m_sTemporary.c_str();
        const char* name = file.m_sName.c_str();
        struct stat info {};
        const bool bExists = ::fstatat(file.m_iFolder, name, &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (bExists && S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            return false;
        }
        const unsigned flags = bExists ? RENAME_EXCHANGE : RENAME_NOREPLACE;
        if (::renameat2(file.m_iFolder, temporary, file.m_iFolder, name, flags) == 0) {
            file.m_eState = bExists ? EState::kExchanged : EState::kPlacedNew;
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return false;
        }
        if (::renameat(file.m_iFolder, temporary, file.m_iFolder, name) != 0) {
            return false;
        }
        file.m_eState = EState::kRenamed;
        return true;
    }

    void vUndo() {
        for (auto file = m_vFiles.rbegin(); file != m_vFiles.rend(); ++file) {
            const char* temporary = file->m_sTemporary.c_str();
            const char* name = file->m_sName.c_str();
            switch (file->m_eState) {
                case EState::kExchanged:
                    ::renameat2(file->m_iFolder, temporary, file->m_iFolder, name, RENAME_EXCHANGE);
                    ::unlinkat(file->m_iFolder, temporary, 0);
                    break;
                case EState::kPlacedNew:
                    ::unlinkat(file->m_iFolder, name, 0);
                    break;
                case EState::kWritten:
                    ::unlinkat(file->m_iFolder, temporary, 0);
                    break;
                case EState::kRenamed:
                    break;  // nothing to put back
            }
        }
        for (auto folder = m_vMadeFolders.rbegin(); folder != m_vMadeFolders.rend(); ++folder) {
            ::rmdir(folder->c_str());
        }
    }

    // The old versions of replaced files go; the folders' new entries reach the disk.
    void vFinish() {
        for (const CFile& file : m_vFiles) {
            if (file.m_eState == EState::kExchanged) {
                ::unlinkat(file.m_iFolder, file.m_sTemporary.c_str(), 0);
            }
        }
        for (const auto& [path, fd] : m_Folders) {
            ::fsync(fd);
        }
    }

    std::map<fs::path, int> m_Folders;
    std::vector<fs::path> m_vMadeFolders;  // in the order made: parents first
    std::vector<CFile> m_vFiles;
};

}  // namespace

EOutputCheck eCheckOutputs(const std::vector<COutputFile>& outputs,
                           const std::vector<std::filesystem::path>& inputs, std::string& problem) {
    std::map<CFileId, fs::path> inputIds;
    for (const fs::path& input : inputs) {
        CFileId id;
        if (bFileId(input, id)) {
            inputIds.emplace(id, input);
        }
    }
    std::map<fs::path, fs::path> named;  // target, as the user named it
    for (const COutputFile& output : outputs) {
        CTarget target;
        if (!bTarget(output.m_Path, target, problem)) {
            return EOutputCheck::kUnusable;
        }
        const auto [first, bNew] = named.emplace(target.Path(), output.m_Path);
        if (!bNew) {
            problem = output.m_Path.string() + ": named twice as an output (also as " +
                      first->second.string() + ")";
            return EOutputCheck::kClash;
        }
        CFileId id;
        const auto input = bFileId(target.Path(), id) ? inputIds.find(id) : inputIds.end();
        if (input != inputIds.end()) {
            problem = output.m_Path.string() + ": is an input of this run (" +
                      input->second.string() + "); an output never replaces an input";
            return EOutputCheck::kClash;
        }
        if (!bFolderUsable(output.m_Path, target.m_Folder, output.m_bMakeFolder, problem) ||
            !bFileUsable(output, target, problem)) {
            return EOutputCheck::kUnusable;
        }
    }
    return EOutputCheck::kOk;
}

EOutputCheck eCheckOutputFolder(const std::filesystem::path& folder, std::string& problem) {
    fs::path absolute;
    const bool bUsable = bAbsoluteFolder(folder, folder, absolute, problem) &&
                         bFolderUsable(folder, absolute, true, problem);
    return bUsable ? EOutputCheck::kOk : EOutputCheck::kUnusable;
}

bool bWriteOutputs(const std::vector<COutputFile>& outputs, std::string& problem) {
    COutputTransaction transaction;
    return transaction.bWrite(outputs, problem);
}
