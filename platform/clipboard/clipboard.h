#pragma once
// The desktop clipboard as the editing views use it for picked entities:
// the payload of entity_payload.h under the program's own MIME type, so
// pasting works between windows and between two running programs, and
// other programs' clipboard contents are left alone.

#include <QImage>
#include <QStringList>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::clipboard {

inline constexpr const char* kEntityMimeType = "application/x-zavediz-entities";

// Puts the live entities of the pool on the clipboard; false, with the
// clipboard unchanged, when none is live.
bool CopyEntities(std::span<const ENTITY_MSG> pool);
// True when the clipboard holds entities of this program.
bool HasEntities();
// The payload on the clipboard, empty when there is none.
std::vector<uint8_t> Entities();

// A picture of the map with the files it was drawn from: the image for
// programs that paste pictures, the files as a uri-list for file managers.
// Replaces what the clipboard held.
void CopyImageAndFiles(const QImage& image, const QStringList& paths);

}  // namespace zv::clipboard
