#include "host/OutputFiles.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

std::filesystem::path TemporaryFor(const std::filesystem::path& target, size_t index) {
    std::filesystem::path temporary = target;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(index);
    return temporary;
}

bool bWriteTemporary(const std::filesystem::path& temporary, const std::string& content,
                     std::string& problem) {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
    }
    if (!out) {
        problem = std::strerror(errno);
        return false;
    }
    return true;
}

void vRemoveAll(const std::vector<std::filesystem::path>& temporaries) {
    for (const auto& temporary : temporaries) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
}

}  // namespace

bool bWriteFilesWhole(const CFileContents& files, std::string& problem) {
    std::vector<std::filesystem::path> temporaries;
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& [target, content] = files[i];
        temporaries.push_back(TemporaryFor(target, i));
        std::string cause;
        if (!bWriteTemporary(temporaries.back(), content, cause)) {
            problem = target.string() + ": cannot be written: " + cause;
            vRemoveAll(temporaries);
            return false;
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        std::error_code code;
        std::filesystem::rename(temporaries[i], files[i].first, code);
        if (code) {
            problem = files[i].first.string() + ": cannot be written: " + code.message();
            vRemoveAll(temporaries);
            return false;
        }
    }
    return true;
}
