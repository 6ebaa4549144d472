#include "codepage.h"
#include "reportwriteerror.h"
#include "resultreport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using namespace tervox::report;

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ResultReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("tervox_report_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dir / "result.txt", fs::perms::owner_all, ec);
        fs::remove_all(m_dir);
    }
    fs::path m_dir;
};

TEST_F(ResultReportTest, WritesCodePage1251WithCrLfAndMakesTheFolder) {
    const fs::path path = m_dir / "Tervox" / "result.txt";
    ResultReport report(path.string(), RegionalSettings{",", "dd.MM.yyyy"});
    EXPECT_FALSE(fs::exists(path)) << "making the writer touches no file";
    report.WriteEntry("Resultats", "Author", "Velmaro");
    report.WriteNumber("main", "Доля CO2", 0.125L);
    report.WriteNumber("Main", "ИТОГО", 1.0L);
    EXPECT_EQ(ReadBytes(path), "[Resultats]\r\nAuthor=Velmaro\r\n[main]\r\n"
                               "\xC4\xEE\xEB\xFF CO2=0,125\r\n\xC8\xD2\xCE\xC3\xCE=1\r\n");
}

TEST_F(ResultReportTest, EveryEntryIsOnDiskWhenTheWriteReturnsAndNoTemporaryIsLeft) {
    const fs::path path = m_dir / "result.txt";
    ResultReport report(path.string(), RegionalSettings{".", "dd.MM.yyyy"});
    for (int i = 0; i < 20; ++i) {
        report.WriteNumber("S", "k" + std::to_string(i), i + 0.5L);
        const std::string text = ReadBytes(path);
        EXPECT_NE(text.find("k" + std::to_string(i) + "=" + std::to_string(i) + ".5\r\n"),
                  std::string::npos);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(ResultReportTest, KeepsEntriesItDoesNotWrite) {
    const fs::path path = m_dir / "result.txt";
    std::ofstream(path, std::ios::binary) << "[Main]\r\nold=1\r\n";
    ResultReport report(path.string(), RegionalSettings{});
    report.WriteNumber("main", "new", 2.0L);
    EXPECT_EQ(ReadBytes(path), "[Main]\r\nold=1\r\nnew=2\r\n");
}

// Paths that cannot be written, chosen so that they fail for root as well.
TEST_F(ResultReportTest, FolderThatIsARegularFileFailsWithTheWriteError) {
    std::ofstream(m_dir / "file") << "x";
    const std::string path = (m_dir / "file" / "result.txt").string();
    ResultReport report(path, RegionalSettings{});
    try {
        report.WriteEntry("A", "x", "1");
        FAIL() << "the write must fail";
    } catch (const ReportWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
}

TEST_F(ResultReportTest, FolderThatCannotBeCreatedFailsWithTheWriteError) {
    std::ofstream(m_dir / "file") << "x";
    const std::string path = (m_dir / "file" / "Tervox" / "result.txt").string();
    ResultReport report(path, RegionalSettings{});
    EXPECT_THROW(report.WriteEntry("A", "x", "1"), ReportWriteError);
}

TEST_F(ResultReportTest, ReadOnlyReportIsNotReplaced) {
    const fs::path path = m_dir / "result.txt";
    std::ofstream(path, std::ios::binary) << "[A]\r\nx=1\r\n";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ResultReport report(path.string(), RegionalSettings{});
    EXPECT_THROW(report.WriteEntry("A", "x", "2"), ReportWriteError);
    EXPECT_EQ(ReadBytes(path), "[A]\r\nx=1\r\n");
}

TEST_F(ResultReportTest, ReportPathThatIsAFolderFails) {
    fs::create_directories(m_dir / "result.txt");
    ResultReport report((m_dir / "result.txt").string(), RegionalSettings{});
    EXPECT_THROW(report.WriteEntry("A", "x", "2"), ReportWriteError);
}

TEST_F(ResultReportTest, ReplacingKeepsTheFilesPermissions) {
    const fs::path path = m_dir / "result.txt";
    std::ofstream(path, std::ios::binary) << "[A]\r\nx=1\r\n";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ResultReport report(path.string(), RegionalSettings{});
    report.WriteEntry("A", "x", "2");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A disk that fills up while the new text is written: a file-size limit makes the
// write fail the same way (EFBIG instead of ENOSPC) without needing a full file system.
TEST_F(ResultReportTest, WriteThatRunsOutOfSpaceFailsAndKeepsTheOldReport) {
    const fs::path path = m_dir / "result.txt";
    const std::string old = "[A]\r\nx=" + std::string(100, '1') + "\r\n";
    std::ofstream(path, std::ios::binary) << old;
    ResultReport report(path.string(), RegionalSettings{});

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        report.WriteEntry("A", "y", "2");
    } catch (const ReportWriteError&) {
        threw = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
        << "the partial temporary file is removed";
}

} // namespace
