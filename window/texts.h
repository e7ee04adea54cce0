// The windows' own texts, for both views: captions, titles and messages; the controls' captions
// are in controls.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quill::window {

inline constexpr std::string_view kApplicationName = "Quillstrom";
inline constexpr std::string_view kMainCaption = "Quillstrom (Navigraph) - V" QUILL_VERSION;
inline constexpr std::string_view kHelpCaption = "Help";
inline constexpr std::string_view kFolderChooserTitle = "Select Input Folder for Update Nav Files";
inline constexpr std::string_view kUpdateComplete = "Update Complete!";

// "<failures> of the <targets> selected product databases could not be
// updated. The progress list says why."
std::string partly_published(std::size_t failures, std::size_t targets);

} // namespace quill::window
