// Loading skin pictures and cutting controls' pictures out of them.
#pragma once

#include <windows.h>

#include <string>

#include "UniqueResource.h"

// Reads the file, checks its header (a .bmp or .jpg of at most 4096 x 4096) and decodes it
// from memory with the system picture decoder (COM must be initialised on the thread).
// The target is emptied first; on failure it stays empty, size is 0 x 0 and one log line
// names the file.
bool LoadSkinPicture(const std::string& path, UniqueGdi<HBITMAP>& target, SIZE& size);

// Replaces the target with a bitmap compatible with dc holding the source's pixels from
// (left, top) to (right, bottom). Nothing happens when the source holds no bitmap; an empty
// or oversized rectangle leaves the target empty.
void CutSkinPicture(HDC dc, UniqueGdi<HBITMAP>& target, HBITMAP source, int left, int top, int right, int bottom);
