// The Debian package cpack makes from the build: its files, its control fields and what
// lintian finds in it. Skipped where the Debian package tools are missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "files/FilesTestSupport.h"
#include "support/ShellRun.h"

namespace {

namespace fs = std::filesystem;

std::string Architecture() {
  std::string out = Shell("dpkg --print-architecture").out;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

// The package cpack made from the build before these tests (MakeDebianPackage.cmake).
class DebianPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasTool("dpkg-deb") || !HasTool("dpkg-shlibdeps")) {
      GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps is missing (Debian packages dpkg, dpkg-dev)";
    }
    ASSERT_TRUE(fs::is_regular_file(Package())) << Package();
  }

  static std::string Package() {
    return std::string(TESSEL_PACKAGE_DIR) + "/tessel_" + TESSEL_PROJECT_VERSION + "_" + Architecture() + ".deb";
  }

  // The package's files and folders, without the leading ".", as path -> tar mode column.
  static std::map<std::string, std::string> Contents() {
    std::map<std::string, std::string> contents;
    std::istringstream lines(Shell("dpkg-deb -c " + Quoted(Package())).out);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t path = line.find(" ./");
      if (path == std::string::npos) continue;
      std::string name = line.substr(path + 2);
      if (name.size() > 1 && name.back() == '/') name.pop_back();
      contents[name] = line.substr(0, 10);
    }
    return contents;
  }

  static std::string Field(const std::string& name) {
    std::string value = Shell("dpkg-deb -f " + Quoted(Package()) + " " + name).out;
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
  }
};

TEST_F(DebianPackage, HoldsTheProgramsAndTheirFilesUnderUsr) {
  const std::map<std::string, std::string> contents = Contents();
  std::vector<std::string> expected = {"/usr/bin/tessel-cli", "/usr/share/man/man1/tessel-cli.1.gz",
                                       "/usr/share/bash-completion/completions/tessel-cli",
                                       "/usr/share/doc/tessel/copyright", "/usr/share/doc/tessel/changelog.gz"};
#ifdef TESSEL_WINDOW_PROGRAM
  expected.insert(
      expected.end(),
      {"/usr/bin/tessel", "/usr/libexec/tessel/tessel-cli-print", "/usr/share/man/man1/tessel.1.gz",
       "/usr/share/applications/tessel.desktop", "/usr/share/mime/packages/tessel.xml",
       "/usr/share/icons/hicolor/scalable/apps/tessel.svg", "/usr/share/icons/hicolor/48x48/apps/tessel.png",
       "/usr/share/icons/hicolor/256x256/apps/tessel.png", "/usr/share/metainfo/com.quor.tessel.metainfo.xml",
       "/usr/share/doc/tessel/html/Tessel_ENG/contents.txt", "/usr/share/doc/tessel/html/Tessel_JPN/contents.txt"});
#endif
  for (const std::string& file : expected) {
    ASSERT_TRUE(contents.contains(file)) << file;
    EXPECT_EQ(contents.at(file)[0], '-') << file;
  }
  for (const std::string program : {"/usr/bin/tessel-cli", "/usr/bin/tessel", "/usr/libexec/tessel/tessel-cli-print"}) {
    if (contents.contains(program)) EXPECT_EQ(contents.at(program), "-rwxr-xr-x") << program;
  }
  for (const auto& [path, mode] : contents) {
    EXPECT_TRUE(path == "/" || path == "/usr" || path.starts_with("/usr/")) << path;
    EXPECT_FALSE(path.starts_with("/usr/share/man/") && mode[0] == '-' && !path.ends_with(".gz")) << path;
    EXPECT_TRUE(mode == "drwxr-xr-x" || mode == "-rw-r--r--" || mode == "-rwxr-xr-x") << path << " " << mode;
  }
}

// The manual page in the package is the built one, compressed as Debian does: gzip without the
// file's name and time stamp, so the same page always gives the same bytes.
TEST_F(DebianPackage, ManualPagesAreCompressedAsDebianDoes) {
  TempFolder unpacked;
  ASSERT_EQ(Shell("dpkg-deb -x " + Quoted(Package()) + " " + Quoted(unpacked.Path(""))).status, 0);
  const std::string gz = unpacked.Path("usr/share/man/man1/tessel-cli.1.gz");
  const std::string bytes = ReadBytes(gz);
  ASSERT_GT(bytes.size(), 10U);
  EXPECT_EQ(bytes.substr(0, 3), "\x1f\x8b\x08");
  EXPECT_EQ(bytes[3] & 0x08, 0) << "the file name is stored";
  EXPECT_EQ(bytes.substr(4, 4), std::string(4, '\0')) << "the time is stored";
  EXPECT_EQ(Shell("gzip -dc " + Quoted(gz)).out, ReadBytes(std::string(TESSEL_MAN_DIR) + "/tessel-cli.1"));
}

TEST_F(DebianPackage, ControlFieldsNameTheVersionSectionAndLibraries) {
  EXPECT_EQ(Field("Package"), "tessel");
  EXPECT_EQ(Field("Version"), TESSEL_PROJECT_VERSION);
  EXPECT_EQ(Field("Architecture"), Architecture());
  EXPECT_EQ(Field("Section"), "hamradio");
  EXPECT_TRUE(std::regex_match(Field("Maintainer"), std::regex(".+ <[^ @]+@[^ @]+\\.[^ @]+>"))) << Field("Maintainer");
  EXPECT_EQ(Field("Recommends"), "bash-completion");

  // dpkg-shlibdeps worked out the libraries' packages with their least versions.
  const std::string depends = Field("Depends");
  for (const char* library : {"libc6 (>= ", "libstdc++6 (>= ", "libqt6core6 (>= ", "libqt6serialport6 (>= "}) {
    EXPECT_NE(depends.find(library), std::string::npos) << depends;
  }
#ifdef TESSEL_WINDOW_PROGRAM
  for (const char* library : {"libqt6widgets6 (>= ", "qt6-qpa-plugins"}) {
    EXPECT_NE(depends.find(library), std::string::npos) << depends;
  }
#endif

  // A summary line, then the long description: lines of at most 80 characters that start with
  // a space, paragraphs parted by " .".
  std::istringstream description(Field("Description"));
  std::string summary;
  std::getline(description, summary);
  EXPECT_FALSE(summary.empty());
  int lines = 0;
  for (std::string line; std::getline(description, line); ++lines) {
    EXPECT_TRUE(line.starts_with(" ")) << line;
    EXPECT_LE(line.size(), 80U) << line;
  }
  EXPECT_GE(lines, 3);
}

// lintian finds no error and no warning.
TEST_F(DebianPackage, LintianFindsNothingToWarnAbout) {
  if (!HasTool("lintian")) GTEST_SKIP() << "lintian is not installed";
  const ShellRun run = Shell("lintian " + Quoted(Package()) + " 2>/dev/null");
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_FALSE(line.starts_with("E: ") || line.starts_with("W: ")) << line;
  }
}

}  // namespace
