// The desktop files checked with the freedesktop tools, and what cmake --install puts where.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/FilesTestSupport.h"
#include "support/ShellRun.h"

namespace {

namespace fs = std::filesystem;

const std::string kSourceDir = TESSEL_SOURCE_DIR;
const std::string kDesktopFile = kSourceDir + "/desktop/tessel.desktop";
const std::string kMimeFile = kSourceDir + "/desktop/tessel-clone.xml";

void RequireTool(const std::string& program, const std::string& package) {
  if (!HasTool(program)) GTEST_SKIP() << program << " is not installed (Debian package " << package << ")";
}

// A clone file as tessel-cli writes it.
std::string NewCloneFile(const TempFolder& folder, const std::string& name) {
  const std::string path = folder.Path(name);
  const ShellRun run = Shell(std::string(TESSEL_CLI_PROGRAM) + " new --destination 2 -o " + Quoted(path));
  EXPECT_EQ(run.status, 0);
  return path;
}

TEST(DesktopFiles, TheMenuEntryPassesTheValidator) {
  RequireTool("desktop-file-validate", "desktop-file-utils");
  const ShellRun run = Shell("desktop-file-validate " + Quoted(kDesktopFile) + " 2>&1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  const std::string entry = ReadBytes(kDesktopFile);
  EXPECT_NE(entry.find("\nExec=tessel %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-tessel-clone;\n"), std::string::npos);
}

// The type's XML is well formed and builds a MIME database in which a clone file is known by
// its name and, renamed, by its first line; other text is not taken for one.
TEST(DesktopFiles, TheCloneFileTypeIsKnownByNameAndByItsFirstLine) {
  RequireTool("xmllint", "libxml2-utils");
  RequireTool("update-mime-database", "shared-mime-info");
  RequireTool("gio", "libglib2.0-bin");
  EXPECT_EQ(Shell("xmllint --noout " + Quoted(kMimeFile) + " 2>&1").out, "");

  TempFolder data;
  fs::create_directories(data.Path("mime/packages"));
  fs::copy_file(kMimeFile, data.Path("mime/packages/tessel.xml"));
  ASSERT_EQ(Shell("update-mime-database " + Quoted(data.Path("mime")) + " 2>&1").status, 0);

  TempFolder files;
  const std::string named = NewCloneFile(files, "radio.qmf");
  fs::copy_file(named, files.Path("radio-backup"));
  WriteBytes(files.Path("notes"), "33 channels to program\r\n");
  for (const auto& [file, type] : {std::pair{std::string("radio.qmf"), "application/x-tessel-clone"},
                                   std::pair{std::string("radio-backup"), "application/x-tessel-clone"},
                                   std::pair{std::string("notes"), "text/plain"}}) {
    const ShellRun info = Shell("XDG_DATA_HOME=" + Quoted(data.Path("")) + " XDG_DATA_DIRS=/usr/share gio info -a " +
                                "standard::content-type " + Quoted(files.Path(file)) + " 2>/dev/null");
    EXPECT_NE(info.out.find("standard::content-type: " + std::string(type) + "\n"), std::string::npos) << file << ":\n"
                                                                                                       << info.out;
  }
}

#ifdef TESSEL_METAINFO_FILE
// The AppStream file passes the validator and names the menu entry, the file type and the
// programs the package installs, and the project's version as its release.
TEST(DesktopFiles, TheAppStreamFilePassesTheValidator) {
  RequireTool("appstreamcli", "appstream");
  const ShellRun run = Shell("appstreamcli validate --no-net " + Quoted(TESSEL_METAINFO_FILE) + " 2>&1");
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string metainfo = ReadBytes(TESSEL_METAINFO_FILE);
  for (const std::string& element : {std::string("<launchable type=\"desktop-id\">tessel.desktop</launchable>"),
                                     std::string("<mediatype>application/x-tessel-clone</mediatype>"),
                                     std::string("<binary>tessel</binary>"), std::string("<binary>tessel-cli</binary>"),
                                     std::string("<release version=\"") + TESSEL_PROJECT_VERSION + "\""}) {
    EXPECT_NE(metainfo.find(element), std::string::npos) << element;
  }
  EXPECT_NE(ReadBytes(kMimeFile).find("<mime-type type=\"application/x-tessel-clone\">"), std::string::npos);
}
#endif

std::string ContentOf(const fs::path& path) { return ReadBytes(path.string()); }

// The programs, the menu entry, the type, the icons, the manual pages and the help pages land
// where a Debian system looks for them, under the prefix and below DESTDIR.
TEST(Install, EveryFileLandsWhereTheSystemLooksForIt) {
  TempFolder root;
  const ShellRun run = Shell("DESTDIR=" + Quoted(root.Path("")) + " cmake --install " + Quoted(TESSEL_BUILD_DIR) +
                             " --prefix /usr 2>&1");
  ASSERT_EQ(run.status, 0) << run.out;
  const fs::path usr = root.Path("usr");
  for (const char* file : {"bin/tessel-cli", "share/man/man1/tessel-cli.1"}) {
    EXPECT_TRUE(fs::is_regular_file(usr / file)) << file;
  }
  EXPECT_NE(fs::status(usr / "bin/tessel-cli").permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_NE(ContentOf(usr / "share/man/man1/tessel-cli.1").find(".SH COMMANDS"), std::string::npos);
#ifdef TESSEL_WINDOW_PROGRAM
  for (const char* file :
       {"bin/tessel", "libexec/tessel/tessel-cli-print", "share/man/man1/tessel.1", "share/applications/tessel.desktop",
        "share/mime/packages/tessel.xml", "share/icons/hicolor/scalable/apps/tessel.svg",
        "share/doc/tessel/html/Tessel_ENG/contents.txt", "share/doc/tessel/html/Tessel_JPN/contents.txt"}) {
    EXPECT_TRUE(fs::is_regular_file(usr / file)) << file;
  }
  EXPECT_EQ(ContentOf(usr / "share/applications/tessel.desktop"), ReadBytes(kDesktopFile));
  EXPECT_EQ(ContentOf(usr / "share/mime/packages/tessel.xml"), ReadBytes(kMimeFile));
  for (const int size : {48, 256}) {
    const std::string png = ContentOf(
        usr / ("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/tessel.png"));
    ASSERT_GT(png.size(), 24U) << size;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(png[i]); };
    EXPECT_EQ((byteAt(16) << 24) | (byteAt(17) << 16) | (byteAt(18) << 8) | byteAt(19), size) << "width";
    EXPECT_EQ((byteAt(20) << 24) | (byteAt(21) << 16) | (byteAt(22) << 8) | byteAt(23), size) << "height";
  }
  EXPECT_GT(std::distance(fs::directory_iterator(usr / "share/doc/tessel/html/Tessel_ENG"), fs::directory_iterator()),
            20);
#endif
  // Nothing outside the prefix.
  for (const auto& entry : fs::directory_iterator(root.Path(""))) EXPECT_EQ(entry.path().filename(), "usr");
}

// A plain prefix as the README shows, and the installed tessel-cli runs.
TEST(Install, APrefixTakesTheProgramsThatThenRun) {
  TempFolder prefix;
  ASSERT_EQ(
      Shell("cmake --install " + Quoted(TESSEL_BUILD_DIR) + " --prefix " + Quoted(prefix.Path("")) + " >/dev/null 2>&1")
          .status,
      0);
  const ShellRun version = Shell(Quoted(prefix.Path("bin/tessel-cli")) + " --version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("tessel-cli ")) << version.out;
  if (HasTool("man")) {
    const ShellRun page =
        Shell("MANPATH=" + Quoted(prefix.Path("share/man")) + " MANWIDTH=100 man -P cat tessel-cli 2>&1");
    EXPECT_EQ(page.status, 0) << page.out;
    EXPECT_NE(page.out.find("tessel-cli diff A B"), std::string::npos) << page.out.substr(0, 400);
  }
#ifdef TESSEL_WINDOW_PROGRAM
  // print is a program of its own, which the installed tessel-cli finds and hands over to.
  const ShellRun print = Shell(Quoted(prefix.Path("bin/tessel-cli")) + " print --help");
  EXPECT_EQ(print.status, 0) << print.out;
  EXPECT_TRUE(print.out.starts_with("Usage: tessel-cli print")) << print.out;
#endif
}

// Only print draws: tessel-cli itself loads neither Qt Gui nor D-Bus.
TEST(Install, TesselCliLoadsNoQtGui) {
  const ShellRun libraries = Shell("ldd " + Quoted(TESSEL_CLI_PROGRAM));
  ASSERT_EQ(libraries.status, 0) << libraries.out;
  EXPECT_NE(libraries.out.find("libQt6Core"), std::string::npos) << libraries.out;
  EXPECT_EQ(libraries.out.find("libQt6Gui"), std::string::npos) << libraries.out;
  EXPECT_EQ(libraries.out.find("libQt6DBus"), std::string::npos) << libraries.out;
}

}  // namespace
