#pragma once
// File dialogs. The document commands ask for a file through the installed implementation:
// the window program installs one that shows the toolkit's dialog, tests install one that
// answers from a script. Paths and texts are UTF-8.
#include <string>
#include <vector>

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string caption;
  std::string folder;            // the folder shown first
  std::string fileName;          // the name proposed (Save)
  std::string defaultExtension;  // added to a name typed without one, without the dot
  // Filter entries as "Text (*.ext)"; the chosen one is answered.
  std::vector<std::string> filters;
  int filterIndex = 0;  // the entry selected first
  // Open: the file must exist. Save: an existing file is replaced only after the user agreed.
};

struct FileDialogAnswer {
  bool chosen = false;  // false when the dialog was cancelled
  std::string path;
  int filterIndex = 0;
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  virtual FileDialogAnswer Ask(const FileDialogRequest& request) = 0;
};

// Installs dialog (which must outlive its use) and returns the one installed before; nullptr
// goes back to the default, which chooses nothing.
FileDialog* InstallFileDialog(FileDialog* dialog);

FileDialogAnswer AskFileDialog(const FileDialogRequest& request);
