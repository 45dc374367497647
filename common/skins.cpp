#include "common/skins.h"

#include <vector>

#include "common/fatal.h"
#include "resources/embedded.h"

namespace lornel::common {
namespace {

constexpr const char* kLibraryName = "SkinH_EL.dll";
constexpr const char* kEntryName = "SkinH_AttachRes";

std::string LibraryPath(const std::string& directory) { return directory + "\\" + kLibraryName; }

// Once per binding: by full path, else by bare name; the entry is then cached.
void* BoundEntry(platform::Host& host, const std::string& directory, SkinBinding& skin) {
  if (skin.bound) return skin.entry;
  platform::Handle module = host.LoadLibraryAt(LibraryPath(directory));
  if (!module) module = host.LoadLibraryFromSystemDirectories(kLibraryName);
  void* entry = module ? host.FindExport(module, kEntryName) : nullptr;
  if (!entry) {
    if (module) host.FreeLibrary(module);
    FatalReport(host, MissingExportReason(kLibraryName, kEntryName));
  }
  skin = {true, module, entry};
  return entry;
}

}  // namespace

void EnsureSkinLibrary(platform::Host& host, const std::string& directory) {
  // Whatever stands there (a file of any content, or a directory) is left alone.
  if (host.PathExists(LibraryPath(directory))) return;
  const resources::Bytes image = resources::Get(resources::Blob::SkinLibrary);
  // Whole or not at all: a start killed while writing would otherwise leave a
  // cut library that every later start finds present and fails to load.
  host.CreateFileAtomically(
      LibraryPath(directory),
      std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
  host.SetHiddenAttributeOnly(LibraryPath(directory));
}

void ApplySkin(platform::Host& host, const std::string& directory, SkinBinding& binding,
               int skinNumber) {
  EnsureSkinLibrary(host, directory);
  std::vector<std::uint8_t> copy;  // the library gets a working copy for the call
  const bool chosen = skinNumber >= 1 && skinNumber <= resources::kSkinCount;
  if (chosen) {
    const resources::Bytes skin = resources::Get(resources::Blob::Skin, skinNumber);
    copy.assign(skin.begin(), skin.end());
  }
  static const char kEmptyText[] = "";
  void* entry = BoundEntry(host, directory, binding);
  host.CallSkinAttach(entry, chosen ? copy.data() : nullptr,
                      chosen ? static_cast<int>(copy.size()) : 0, kEmptyText);
}

}  // namespace lornel::common
