#pragma once
// Saved birth data is kept from the other users of the machine: the folders made for it are
// 0700 and its files 0600 whatever the umask. What already exists is left as its owner made it.
#include <filesystem>
#include <optional>
#include <string>

namespace kalodaya::records {

// Makes `folder` and every missing folder above it, each 0700. The reason on failure.
std::optional<std::string> MakePrivateFolders(const std::filesystem::path& folder);

// Makes `path` an empty file of mode 0600 when nothing has that name (a file made meanwhile,
// or a symbolic link, is left alone). The reason on failure.
std::optional<std::string> MakePrivateFile(const std::filesystem::path& path);

// Takes the group's and others' permissions off a file this program set aside.
void KeepPrivate(const std::filesystem::path& path);

}  // namespace kalodaya::records
