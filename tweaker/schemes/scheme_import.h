// "Update from Schemes File": copies the schemes of another scheme file into
// ours, one key at a time, asking before a scheme of ours is overwritten.
#pragma once
#include <string>

#include "tweaker/platform/profile.h"
#include "tweaker/ui/message_box.h"

namespace vdx {

struct SchemeImport {
  ProfileFile* profile;
  std::string ourFile;
  std::string theirFile;
  MessageBoxPresenter* boxes;
  WindowHandle owner;
};

// The number of scheme names the other file holds (0: nothing to rebuild).
// A Cancel stops the copy; what was copied stays, and nothing else of our
// file is touched.
int importSchemes(const SchemeImport& import);

// The folder part of a path: everything up to its last '\'.
std::string folderOf(const std::string& path);

}  // namespace vdx
