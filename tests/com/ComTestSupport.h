// Helpers for tests of Hivewalk.dll: running programs, the DLL's path,
// reading SAFEARRAYs, and COM initialisation per test program.
#pragma once

#include "Hivewalk_h.h"
#include "automation/Bstr.h"
#include "automation/VariantConversion.h"

#include <gtest/gtest.h>
#include <wrl/client.h>

#include <string>
#include <vector>

namespace hivewalk::test {

using Microsoft::WRL::ComPtr;

// The folder of this test program; Hivewalk.dll is built into the same one.
std::wstring ProgramFolder();
std::wstring HivewalkDllPath();

// Runs a command line and returns its exit code (or -1 when it cannot start).
int RunProgram(const std::wstring& commandLine);

// True when HKEY_CLASSES_ROOT\path exists.
bool ClassesKeyExists(const std::string& path);
std::string GuidText(REFGUID guid);

// COM for the whole test program, in a single-threaded apartment.
class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

// The error information a failed call left, as text.
struct ErrorInfoText {
    std::string source, description;
};
ErrorInfoText LastErrorInfo();

}  // namespace hivewalk::test
