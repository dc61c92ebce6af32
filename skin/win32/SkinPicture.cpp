#include "SkinPicture.h"

#include <ole2.h>
#include <olectl.h>

#include <vector>

#include "DebugLog.h"
#include "Gdi.h"
#include "PictureHeader.h"

namespace {

// Larger than any 4096 x 4096 picture needs; bounds what a damaged file can make us read.
constexpr LONGLONG kMaxFileSize = 80LL << 20;
// Enough of the file to find a JPEG frame header behind its metadata segments.
constexpr DWORD kHeaderBytes = 256 * 1024;

struct ReleaseCom {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <typename T>
using ComPtr = UniqueResource<NullIsInvalid<T*, ReleaseCom>>;

struct FreeGlobal {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
using UniqueGlobal = UniqueResource<NullIsInvalid<HGLOBAL, FreeGlobal>>;

bool ReadAt(HANDLE file, LONGLONG offset, void* buffer, DWORD size)
{
    LARGE_INTEGER where;
    where.QuadPart = offset;
    DWORD got = 0;
    return SetFilePointerEx(file, where, nullptr, FILE_BEGIN) && ReadFile(file, buffer, size, &got, nullptr) && got == size;
}

HBITMAP Decode(HANDLE file, DWORD fileSize, const std::string& path)
{
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, fileSize));
    if (!memory) return nullptr;
    void* bytes = GlobalLock(memory.get());
    const bool read = bytes && ReadAt(file, 0, bytes, fileSize);
    if (bytes) GlobalUnlock(memory.get());
    if (!read) return nullptr;

    IStream* rawStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, &rawStream))) return nullptr;
    memory.release();  // the stream frees it now
    ComPtr<IStream> stream(rawStream);
    IPicture* rawPicture = nullptr;
    const HRESULT hr = OleLoadPicture(stream.get(), static_cast<LONG>(fileSize), FALSE, IID_IPicture,
                                      reinterpret_cast<void**>(&rawPicture));
    if (FAILED(hr) || !rawPicture) {
        DebugLog("LoadSkinPicture: %s cannot be decoded (0x%08lx)\n", path.c_str(), static_cast<unsigned long>(hr));
        return nullptr;
    }
    ComPtr<IPicture> picture(rawPicture);
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (FAILED(picture.get()->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture.get()->get_Handle(&handle)))
        return nullptr;
    // The picture object owns its bitmap and deletes it on release: keep a copy of our own.
    return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0,
                                          LR_CREATEDIBSECTION));
}

}  // namespace

bool LoadSkinPicture(const std::string& path, UniqueGdi<HBITMAP>& target, SIZE& size)
{
    target.reset();
    size = {0, 0};
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER fileSize{};
    if (!file || !GetFileSizeEx(file.get(), &fileSize)) {
        DebugLog("LoadSkinPicture: cannot open %s\n", path.c_str());
        return false;
    }
    if (fileSize.QuadPart <= 0 || fileSize.QuadPart > kMaxFileSize) {
        DebugLog("LoadSkinPicture: %s has an unusable size (%lld bytes)\n", path.c_str(),
                 static_cast<long long>(fileSize.QuadPart));
        return false;
    }
    std::vector<uint8_t> head(static_cast<size_t>(std::min<LONGLONG>(fileSize.QuadPart, kHeaderBytes)));
    if (!ReadAt(file.get(), 0, head.data(), static_cast<DWORD>(head.size()))) {
        DebugLog("LoadSkinPicture: cannot read %s\n", path.c_str());
        return false;
    }
    const auto declared = PictureHeader::Read(head.data(), head.size());
    if (!declared) {
        DebugLog("LoadSkinPicture: %s is no .bmp or .jpg picture\n", path.c_str());
        return false;
    }
    if (!PictureHeader::Acceptable(*declared)) {
        DebugLog("LoadSkinPicture: %s is %d x %d, larger than %d x %d\n", path.c_str(), declared->width,
                 declared->height, PictureHeader::kMaxSide, PictureHeader::kMaxSide);
        return false;
    }
    target.reset(Decode(file.get(), static_cast<DWORD>(fileSize.QuadPart), path));
    if (!target) {
        DebugLog("LoadSkinPicture: %s gave no bitmap\n", path.c_str());
        return false;
    }
    size = BitmapSize(target.get());
    return true;
}

void CutSkinPicture(HDC dc, UniqueGdi<HBITMAP>& target, HBITMAP source, int left, int top, int right, int bottom)
{
    if (!source) return;
    target.reset();
    const LONGLONG width = LONGLONG{right} - left, height = LONGLONG{bottom} - top;
    if (width <= 0 || height <= 0 || width > PictureHeader::kMaxSide || height > PictureHeader::kMaxSide) return;
    target.reset(CreateCompatibleBitmap(dc, static_cast<int>(width), static_cast<int>(height)));
    if (!target) return;
    MemoryDc into(dc);
    SelectScope select(into.get(), target.get());
    DrawBitmap(into.get(), 0, 0, source, static_cast<int>(width), static_cast<int>(height), left, top);
}
