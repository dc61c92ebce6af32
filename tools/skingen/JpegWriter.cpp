#include "JpegWriter.h"

#include "DebugLog.h"
#include "FileBytes.h"

#include <turbojpeg.h>

bool JpegWriter::Write(const RgbImage& image, const std::string& path, int quality)
{
    tjhandle handle = tjInitCompress();
    if (!handle) {
        DebugLog("skingen: no JPEG compressor\n");
        return false;
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle, image.rgb.data(), image.width, 0, image.height, TJPF_RGB,
                               &buffer, &size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT);
    bool ok = rc == 0;
    if (!ok)
        DebugLog("skingen: JPEG encoding of %s failed: %s\n", path.c_str(), tjGetErrorStr2(handle));
    else
        ok = FileBytes::Write(path, buffer, size);
    tjFree(buffer);
    tjDestroy(handle);
    return ok;
}
