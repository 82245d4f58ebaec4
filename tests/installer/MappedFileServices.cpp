#include "MappedFileServices.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>

namespace installer::test {
namespace fs = std::filesystem;
namespace {

std::int32_t NumberOf(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) return kFileNotFound;
    if (error == std::errc::permission_denied) return kPermissionDenied;
    return kPathFileAccessError;
}

}  // namespace

std::optional<fs::path> MappedFileServices::Map(const std::string& windowsPath) const {
    std::string path;
    for (char c : windowsPath)
        path += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' ||
        path[2] != '\\')
        return std::nullopt;

    fs::path mapped = root_ / path.substr(0, 1);
    std::size_t start = 3;
    for (;;) {
        const std::size_t end = path.find('\\', start);
        const std::string part = path.substr(start, end == std::string::npos ? end : end - start);
        if (part.empty() || part == "." || part == "..") return std::nullopt;
        mapped /= part;
        if (end == std::string::npos) return mapped;
        start = end + 1;
    }
}

fs::path MappedFileServices::MapOrThrow(const std::string& windowsPath,
                                        const std::string& whatFailed) const {
    std::optional<fs::path> mapped = Map(windowsPath);
    if (!mapped) throw MakeFileError(kPathFileAccessError, whatFailed + " (bad path)");
    return *mapped;
}

bool MappedFileServices::IsPresent(const std::string& path) {
    const std::optional<fs::path> mapped = Map(path);
    std::error_code error;
    return mapped && fs::is_regular_file(*mapped, error);
}

void MappedFileServices::Copy(const std::string& from, const std::string& to) {
    const std::string copyFailed = from + " could not be copied to " + to;
    const fs::path source = MapOrThrow(from, copyFailed);
    const fs::path target = MapOrThrow(to, copyFailed);

    // Beside the target, then renamed over it.
    fs::path temporary = target;
    temporary += ".copying";
    std::error_code error;
    if (!fs::is_regular_file(source, error)) throw MakeFileError(kFileNotFound, copyFailed);
    if (!fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw MakeFileError(NumberOf(error), copyFailed);
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw MakeFileError(NumberOf(error), to + " could not be replaced with a copy of " + from);
    }
}

void MappedFileServices::Delete(const std::string& path) {
    const std::string deleteFailed = path + " could not be deleted";
    const fs::path mapped = MapOrThrow(path, deleteFailed);
    std::error_code error;
    if (!fs::is_regular_file(mapped, error)) throw MakeFileError(kFileNotFound, deleteFailed);
    if (!fs::remove(mapped, error)) throw MakeFileError(NumberOf(error), deleteFailed);
}

std::string MappedFileServices::ReadAll(const std::string& path) {
    const std::string openFailed = path + " could not be opened for reading";
    const fs::path mapped = MapOrThrow(path, openFailed);
    std::error_code error;
    if (!fs::is_regular_file(mapped, error)) throw MakeFileError(kFileNotFound, openFailed);
    std::ifstream in(mapped, std::ios::binary);
    if (!in) throw MakeFileError(kPathFileAccessError, openFailed);
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw MakeFileError(kPathFileAccessError, path + " could not be read");
    return content;
}

void MappedFileServices::Append(const std::string& path, const std::string& bytes) {
    const std::string openFailed = path + " could not be opened for writing";
    const fs::path mapped = MapOrThrow(path, openFailed);
    std::error_code error;
    if (!fs::is_regular_file(mapped, error)) throw MakeFileError(kFileNotFound, openFailed);
    std::ofstream out(mapped, std::ios::binary | std::ios::app);
    if (!out) throw MakeFileError(kPathFileAccessError, openFailed);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw MakeFileError(kPathFileAccessError, path + " could not be written");
}

}  // namespace installer::test
