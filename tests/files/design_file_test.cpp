#include "files/design_file.h"

#include "design_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using ZelkEngine::DesignCase;

class DesignFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("zelk-files-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code error;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(m_dir, error);
    }
    std::string path(const char* name) const { return (m_dir / name).string(); }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void write(const std::string& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }

    fs::path m_dir;
};

TEST_F(DesignFile, SaveAndOpenRestoreEverything) {
    const DesignCase design = files_test::unusualDesign();
    const app::ZelkOptions options = files_test::unusualOptions();
    const std::string file = path("well.zlk");
    const files::SaveResult saved = files::SaveDesignFile(file, design, options);
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(contents(file).rfind("Version:Zelk3.1.0.0\r\nTitle:", 0), 0u);

    DesignCase read;
    app::ZelkOptions readOptions;
    const files::OpenResult opened = files::OpenDesignFile(file, read, readOptions);
    ASSERT_TRUE(opened.ok()) << opened.message;
    EXPECT_EQ(opened.format, files::DesignFormat::KeyedText);
    files_test::expectSameDesign(read, design);
    EXPECT_EQ(readOptions, options);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(DesignFile, ChoosesTheReaderByTheFirstLine) {
    struct Row {
        const char* name;
        std::string content;
        files::OpenResult::Status status;
        files::DesignFormat format;
    };
    const Row rows[] = {
        {"current", "Version:Zelk3.1.0.0\nTitle:Keyed\n", files::OpenResult::Status::Opened,
         files::DesignFormat::KeyedText},
        {"older_three", "Version:Zelk3.0.10\r\nTitle:Keyed\r\n", files::OpenResult::Status::Opened,
         files::DesignFormat::KeyedText},
        {"version_two", "Version:Zelk2.0\nTitle:Old\n", files::OpenResult::Status::NotADesign,
         files::DesignFormat::Legacy},
        {"empty", "", files::OpenResult::Status::NotADesign, files::DesignFormat::Legacy},
        {"binary", contents(files_test::dataDir() + "/legacy/legacy-full.zlk"),
         files::OpenResult::Status::Opened, files::DesignFormat::Legacy},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = path("in.zlk");
        write(file, row.content);
        DesignCase design;
        design.m_title = "before";
        app::ZelkOptions options;
        const files::OpenResult result = files::OpenDesignFile(file, design, options);
        EXPECT_EQ(result.status, row.status) << result.message;
        EXPECT_EQ(result.format, row.format);
        if (!result.ok()) {
            EXPECT_EQ(design.m_title, "before");
            EXPECT_FALSE(result.message.empty());
        }
    }
}

TEST_F(DesignFile, MissingFileChangesNothingAndSaysWhy) {
    DesignCase design = files_test::unusualDesign();
    app::ZelkOptions options;
    const files::OpenResult result = files::OpenDesignFile(path("absent.zlk"), design, options);
    EXPECT_EQ(result.status, files::OpenResult::Status::CannotOpen);
    EXPECT_NE(result.message.find("absent.zlk"), std::string::npos);
    files_test::expectSameDesign(design, files_test::unusualDesign());
    EXPECT_EQ(files::OpenDesignFile(m_dir.string(), design, options).status,
              files::OpenResult::Status::CannotOpen);
}

TEST_F(DesignFile, AFailedSaveLeavesThePreviousFile) {
    const std::string file = path("keep.zlk");
    write(file, "previous contents");
    if (::geteuid() == 0) {
        // root writes into read-only folders; a path through a plain file fails for everyone.
        const files::SaveResult result =
            files::SaveDesignFile(file + "/inside.zlk", DesignCase(), app::ZelkOptions());
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.empty());
    } else {
        fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
        const files::SaveResult result =
            files::SaveDesignFile(file, DesignCase(), app::ZelkOptions());
        fs::permissions(m_dir, fs::perms::owner_all);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.empty());
    }
    EXPECT_EQ(contents(file), "previous contents");

    const files::SaveResult intoFolder =
        files::SaveDesignFile(m_dir.string(), DesignCase(), app::ZelkOptions());
    EXPECT_FALSE(intoFolder.ok);
    const files::SaveResult noFolder =
        files::SaveDesignFile(path("missing/sub.zlk"), DesignCase(), app::ZelkOptions());
    EXPECT_FALSE(noFolder.ok);
    EXPECT_NE(noFolder.message.find("sub.zlk"), std::string::npos);
}

TEST_F(DesignFile, SaveReplacesAnExistingFile) {
    const std::string file = path("over.zlk");
    write(file, "old");
    DesignCase design;
    design.m_title = "new";
    ASSERT_TRUE(files::SaveDesignFile(file, design, app::ZelkOptions()).ok);
    DesignCase read;
    app::ZelkOptions options;
    ASSERT_TRUE(files::OpenDesignFile(file, read, options).ok());
    EXPECT_EQ(read.m_title, "new");
}

}  // namespace
