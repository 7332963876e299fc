#pragma once

#include "Language.h"

// Texts of the start-up checks of the shop's folder.
namespace FolderTexts {

inline constexpr Text InUse{"Vendel ya está abierto con esta carpeta de datos",
                            "Vendel is already running on this data folder"};

} // namespace FolderTexts
