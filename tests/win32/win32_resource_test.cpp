// The version information and the manifest compiled into Vantoscope.exe, read back from the
// files named in VANTOSCOPE_EXES (separated by ';'), as Explorer and the loader read them.
#include "app/win32.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> exes(void)
{
    std::vector<std::string> out;
    const char *list = getenv("VANTOSCOPE_EXES");
    std::string all = list ? list : "";
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find(';', start);
        if (end == std::string::npos)
            end = all.size();
        if (end > start)
            out.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::string version_string(const std::vector<char> &info, const char *name)
{
    std::string key = std::string("\\StringFileInfo\\040904B0\\") + name;
    char *value = NULL;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), key.c_str(), (void **)&value, &length) || !value)
        return "";
    return std::string(value);
}

TEST(Resources, EveryBuiltProgramCarriesItsVersion)
{
    std::vector<std::string> files = exes();
    ASSERT_FALSE(files.empty()) << "set VANTOSCOPE_EXES";
    for (const std::string &file : files) {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
        ASSERT_GT(size, 0u) << file;
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(file.c_str(), 0, size, info.data())) << file;
        VS_FIXEDFILEINFO *fixed = NULL;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void **)&fixed, &length));
        EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), 1u) << file;
        EXPECT_EQ(fixed->dwFileType, (DWORD)VFT_APP);
        EXPECT_EQ(version_string(info, "ProductName"), "Vantoscope") << file;
        EXPECT_EQ(version_string(info, "ProductVersion").substr(0, 2), "1.") << file;
        EXPECT_NE(version_string(info, "FileDescription").find("external monitor"), std::string::npos) << file;
    }
}

TEST(Resources, EveryBuiltProgramDeclaresPerMonitorDpiAwareness)
{
    for (const std::string &file : exes()) {
        HMODULE module = LoadLibraryExA(file.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, (HMODULE)NULL) << file;
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        ASSERT_NE(found, (HRSRC)NULL) << file << ": no manifest";
        const char *text = (const char *)LockResource(LoadResource(module, found));
        std::string manifest(text, SizeofResource(module, found));
        EXPECT_NE(manifest.find("<dpiAware"), std::string::npos) << file;
        EXPECT_NE(manifest.find("true/pm"), std::string::npos) << file;
        EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << file;
        EXPECT_NE(manifest.find("asInvoker"), std::string::npos) << file;
        FreeLibrary(module);
    }
}

} // namespace
