// The program's command line, run as a user runs it: each way it can go
// wrong ends with its own exit status and one line on stderr, and writes
// nothing.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string stderrText;
};

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvanta-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Arguments are passed to the shell as written: the tests use plain words.
    Outcome Orvanta(const std::string& arguments) const {
        const fs::path err = dir_ / "stderr.txt";
        const std::string command = "QT_QPA_PLATFORM=offscreen timeout 60 '" ORVANTA_BINARY "' " +
                                    arguments + " >/dev/null 2>'" + err.string() + "'";
        const int raw = std::system(command.c_str());
        Outcome run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream in(err);
        run.stderrText.assign(std::istreambuf_iterator<char>(in), {});
        return run;
    }

    bool HoldsPng(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        std::string magic(8, '\0');
        in.read(magic.data(), 8);
        return in && magic == "\x89PNG\r\n\x1a\n";
    }

    fs::path dir_;
};

TEST_F(CommandLine, ScreenshotOfTheMainWindowAndOfAForm) {
    const fs::path main = dir_ / "main.png";
    EXPECT_EQ(Orvanta("--screenshot " + main.string()).status, 0);
    EXPECT_TRUE(HoldsPng(main));
    const fs::path form = dir_ / "form.png";
    EXPECT_EQ(Orvanta("--screenshot " + form.string() + " --open ROA_3_2").status, 0);
    EXPECT_TRUE(HoldsPng(form));
}

TEST_F(CommandLine, OpenWithoutScreenshotIsRefused) {
    const Outcome run = Orvanta("--open ROA_3_2");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.stderrText.find("orvanta: --open needs --screenshot FILE\n"), std::string::npos)
        << run.stderrText;
}

TEST_F(CommandLine, UnknownClassWritesNoFile) {
    const fs::path shot = dir_ / "shot.png";
    const Outcome run = Orvanta("--screenshot " + shot.string() + " --open NO_SUCH_WINDOW");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.stderrText.find("orvanta: no window named NO_SUCH_WINDOW\n"), std::string::npos)
        << run.stderrText;
    EXPECT_FALSE(fs::exists(shot));
}

TEST_F(CommandLine, UnwritableFileIsReported) {
    // A folder that is a plain file cannot be written into, not even by root.
    const fs::path notAFolder = dir_ / "plain";
    std::ofstream(notAFolder) << "x";
    const fs::path shot = notAFolder / "shot.png";
    const Outcome run = Orvanta("--screenshot " + shot.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.stderrText.find("orvanta: cannot write " + shot.string() + "\n"),
              std::string::npos)
        << run.stderrText;
}

TEST_F(CommandLine, UnknownOptionIsRefused) {
    const Outcome run = Orvanta("--no-such-option");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.stderrText.find("Unknown option 'no-such-option'"), std::string::npos)
        << run.stderrText;
}

}  // namespace
