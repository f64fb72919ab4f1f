#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh temporary folder for one test, removed afterwards. TempHomeTest
// also points HOME and the XDG folders into it, so nothing a test does can
// reach the real user's files or settings.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A whole file's bytes as text; empty when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& file);
// Writes text as the file's whole content, making its folder when missing.
void WriteTextFile(const std::filesystem::path& file, const std::string& text);

class TempHomeTest : public ::testing::Test {
protected:
    TempHomeTest();
    ~TempHomeTest() override;

    const std::filesystem::path& home() const { return folder_.path(); }
    std::filesystem::path configHome() const { return home() / "config"; }
    std::filesystem::path dataHome() const { return home() / "data"; }

private:
    TempFolder folder_;
    std::string savedHome_, savedConfig_, savedData_, savedCwd_;
    bool hadHome_, hadConfig_, hadData_;
};
