// The platform services Memtidy's logic calls, handed to the form when it
// is created. The program's entry point installs the real ones, tests fakes.
#pragma once

namespace mt {

class Registry;
class SystemServices;
class VirtualMemory;
class Sound;
class TrayShell;
class PrivateProfile;
class Shutdown;
class ShellOpen;
class Clipboard;
class FileDialog;

struct Services {
  Registry* registry = nullptr;
  SystemServices* system = nullptr;
  VirtualMemory* memory = nullptr;
  Sound* sound = nullptr;
  TrayShell* trayShell = nullptr;
  PrivateProfile* profile = nullptr;
  Shutdown* shutdown = nullptr;
  ShellOpen* shell = nullptr;
  Clipboard* clipboard = nullptr;
  FileDialog* fileDialog = nullptr;
};

}  // namespace mt
