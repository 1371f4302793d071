// The executables' own resources: version record, icon images and application manifest, read
// back the way Windows reads them. The i686 release build is checked beside the x86_64 one.
#include "Driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Win32Path() {
    return Driver::ExeDirectory() + L"\\..\\..\\win32\\Tessivar.exe";
}

class ResourcesTest : public ::testing::TestWithParam<std::wstring> {
  protected:
    static std::wstring Path() {
        return GetParam() == L"win32" ? Win32Path() : Driver::TessivarPath();
    }
};

std::vector<BYTE> VersionInfo(const std::wstring& path) {
    DWORD ignored = 0;
    std::vector<BYTE> data(::GetFileVersionInfoSizeW(path.c_str(), &ignored));
    if (data.empty() ||
        !::GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) {
        data.clear();
    }
    return data;
}

std::wstring VersionString(std::vector<BYTE>& data, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!::VerQueryValueW(data.data(), key.c_str(), &value, &length) || length == 0) {
        return L"<missing>";
    }
    return static_cast<const wchar_t*>(value);
}

TEST_P(ResourcesTest, VersionRecordIsOnePointZeroInChineseWithUnicodeStrings) {
    std::vector<BYTE> data = VersionInfo(Path());
    ASSERT_FALSE(data.empty()) << "no version record";

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    DWORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, sizeof(DWORD));
    EXPECT_EQ(LOWORD(*translation), 0x0804) << "language";
    EXPECT_EQ(HIWORD(*translation), 1200) << "code page";

    EXPECT_EQ(VersionString(data, L"FileVersion"), L"1.00");
    EXPECT_EQ(VersionString(data, L"ProductVersion"), L"1.00");
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE Width;
    BYTE Height;
    BYTE ColorCount;
    BYTE Reserved;
    WORD Planes;
    WORD BitCount;
    DWORD BytesInRes;
    WORD Id;
};
#pragma pack(pop)

TEST_P(ResourcesTest, IconHasTheTwoImagesWithTheirMasks) {
    HMODULE module = ::LoadLibraryExW(Path().c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC group = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr) << "no icon group 1";
    const auto* header = static_cast<const WORD*>(::LockResource(::LoadResource(module, group)));
    ASSERT_EQ(header[2], 2) << "image count";
    IconGroupEntry entries[2];
    std::memcpy(entries, header + 3, sizeof entries);

    struct Expected {
        int Size;
        int BitCount;
        DWORD Bytes;
    } expected[] = {{40, 24, 5160}, {16, 8, 1384}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].Width, expected[i].Size);
        EXPECT_EQ(entries[i].Height, expected[i].Size);
        EXPECT_EQ(entries[i].BitCount, expected[i].BitCount);
        EXPECT_EQ(entries[i].BytesInRes, expected[i].Bytes);
        HRSRC image = ::FindResourceW(module, MAKEINTRESOURCEW(entries[i].Id), MAKEINTRESOURCEW(3));
        ASSERT_NE(image, nullptr);
        // The image is a bitmap of twice the icon's height: the colours, then the 1-bit mask.
        const auto* bitmap =
            static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, image)));
        EXPECT_EQ(bitmap->biWidth, expected[i].Size);
        EXPECT_EQ(bitmap->biHeight, expected[i].Size * 2);
        EXPECT_EQ(bitmap->biBitCount, expected[i].BitCount);
        EXPECT_EQ(::SizeofResource(module, image), expected[i].Bytes);
    }
    ::FreeLibrary(module);
}

TEST_P(ResourcesTest, ManifestAsksForCommonControls6AndDpiAwareness) {
    HMODULE module = ::LoadLibraryExW(Path().c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr) << "no manifest";
    const auto* text = static_cast<const char*>(::LockResource(::LoadResource(module, resource)));
    const std::string manifest(text, ::SizeofResource(module, resource));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware"), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
    ::FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Builds, ResourcesTest, ::testing::Values(L"win64", L"win32"),
                         [](const ::testing::TestParamInfo<std::wstring>& build) {
                             return build.param == L"win32" ? std::string("i686")
                                                            : std::string("x86_64");
                         });

} // namespace
