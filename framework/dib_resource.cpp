#include "dib_resource.h"

BOOL CDibResource::Load(HINSTANCE instance, UINT id) {
    m_info = nullptr;
    m_bits = nullptr;
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    HGLOBAL data = found ? ::LoadResource(instance, found) : nullptr;
    const auto* bytes = static_cast<const BYTE*>(data ? ::LockResource(data) : nullptr);
    const ULONGLONG size = found ? ::SizeofResource(instance, found) : 0;
    if (!bytes || size < sizeof(BITMAPINFOHEADER)) return FALSE;

    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
    const WORD depth = header->biBitCount;
    const bool uncompressed = header->biCompression == BI_RGB || header->biCompression == BI_BITFIELDS;
    if (header->biSize < sizeof(BITMAPINFOHEADER) || header->biSize > size || header->biWidth <= 0 ||
        header->biHeight == 0 || header->biPlanes != 1 || !uncompressed ||
        (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)) {
        return FALSE;
    }
    // The colour table (or the three masks of a BI_BITFIELDS header) lies
    // between the header and the rows.
    ULONGLONG colors = header->biClrUsed;
    if (colors == 0 && depth <= 8) colors = 1ull << depth;
    const ULONGLONG masks = header->biCompression == BI_BITFIELDS && header->biSize == sizeof(BITMAPINFOHEADER) ? 3 : 0;
    const ULONGLONG offset = header->biSize + (colors + masks) * sizeof(RGBQUAD);
    const ULONGLONG stride = (static_cast<ULONGLONG>(header->biWidth) * depth + 31) / 32 * 4;
    const ULONGLONG rows = header->biHeight < 0 ? 0ull - header->biHeight : static_cast<ULONGLONG>(header->biHeight);
    if (offset > size || stride * rows > size - offset) return FALSE;

    m_info = reinterpret_cast<const BITMAPINFO*>(bytes);
    m_bits = bytes + offset;
    return TRUE;
}

SIZE CDibResource::GetSize() const {
    if (!m_info) return {0, 0};
    const LONG height = m_info->bmiHeader.biHeight;
    return {m_info->bmiHeader.biWidth, height < 0 ? -height : height};
}

void CDibResource::Draw(HDC dc, int x, int y) const {
    if (!m_info) return;
    const SIZE size = GetSize();
    ::StretchDIBits(dc, x, y, size.cx, size.cy, 0, 0, size.cx, size.cy, m_bits, m_info, DIB_RGB_COLORS, SRCCOPY);
}
