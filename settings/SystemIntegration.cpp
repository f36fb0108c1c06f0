#include "settings/SystemIntegration.h"

namespace pixmora {

namespace {

bool IsPosixPath(const std::string& path) {
  return path.starts_with('/');
}

// The Send To folder, or the empty text when the shell cannot name it (after saying so).
std::string SendToFolderPath(ShellService& shell, MessageBoxService& messages) {
  const SendToFolder folder = shell.GetSendToFolder();
  switch (folder.lookup) {
    case SendToFolder::Lookup::Found:
      return folder.path;
    case SendToFolder::Lookup::FailedWithItemList:
      messages.Show("Assigned", "", MessageIcon::None, MessageButtons::OK);
      break;
    case SendToFolder::Lookup::FailedWithoutItemList:
      messages.Show("Not assigned", "", MessageIcon::None, MessageButtons::OK);
      break;
  }
  return {};
}

// Without a Send To folder the shortcut would land in (or be deleted from) the root of the
// drive, where it does not belong: that half of the step is skipped instead.
void ApplySendTo(bool wanted, const SystemIntegrationServices& services) {
  const std::string folder = SendToFolderPath(services.shell, services.messages);
  if (folder.empty())
    return;
  const std::string shortcut = ShortcutPath(folder);
  if (wanted) {
    services.shell.CreateShellLink(shortcut, services.executablePath, kShortcutDescription,
                                   FolderWithoutSeparator(services.executablePath), "", "", -1);
  } else {
    services.shell.RemoveFile(shortcut);
  }
}

void ApplyContextMenu(bool wanted, const SystemIntegrationServices& services) {
  if (wanted) {
    if (!services.shell.WriteKeyValue(kCommandKey, CommandValue(services.executablePath))) {
      services.messages.Show("It was not possible to write at registry", "Registry error",
                             MessageIcon::Error, MessageButtons::OK);
    }
  } else if (services.shell.KeyExists(kVerbKey)) {
    services.shell.DeleteKeyTree(kVerbKey);
  }
}

}  // namespace

std::string FolderWithSeparator(const std::string& path) {
  const auto last = path.find_last_of(IsPosixPath(path) ? "/" : "\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FolderWithoutSeparator(const std::string& path) {
  std::string folder = FolderWithSeparator(path);
  const bool root =
      folder.size() == 1 || (!IsPosixPath(folder) && folder.size() == 3 && folder[1] == ':');
  if (!folder.empty() && !root)
    folder.pop_back();
  return folder;
}

std::string ShortcutPath(const std::string& sendToFolder) {
  const char separator = IsPosixPath(sendToFolder) ? '/' : '\\';
  std::string path = sendToFolder;
  if (path.empty() || path.back() != separator)
    path += separator;
  return path + kShortcutFileName;
}

std::string CommandValue(const std::string& executablePath) {
  std::string value = "\"";
  value += FolderWithSeparator(executablePath);
  return value + "Pixmora_Convert.exe\" \"%1\"";
}

void ApplySystemIntegration(const Preferences& preferences,
                            const SystemIntegrationServices& services) {
  ApplySendTo(preferences.Is(Option::SystemAddToSend), services);
  if (services.setDropEnabled)
    services.setDropEnabled(preferences.Is(Option::SystemEnableDragDrop));
  ApplyContextMenu(preferences.Is(Option::ContextMenu), services);
}

}  // namespace pixmora
