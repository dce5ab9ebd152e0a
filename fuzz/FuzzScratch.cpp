#include "FuzzScratch.h"

#include "FuzzCheck.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string& folderName()
{
    static std::string name;
    return name;
}

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folderName(), ignored);
}

} // namespace

const std::string& FuzzScratchFolder()
{
    std::string& name = folderName();
    if (name.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/vantorel-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        name = pattern;
        std::atexit(removeFolder);
    }
    return name;
}
