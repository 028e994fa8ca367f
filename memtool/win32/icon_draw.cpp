#include "memtool/win32/icon_draw.h"

#include "memtool/icon_layout.h"

namespace mt {
namespace win32 {

namespace {

// A memory DC with a bitmap selected, restored and deleted on every path.
class BitmapCanvas {
 public:
  BitmapCanvas(HDC screen, HBITMAP bitmap) : dc_(CreateCompatibleDC(screen)) {
    if (dc_) old_ = SelectObject(dc_, bitmap);
  }
  ~BitmapCanvas() {
    if (dc_) {
      SelectObject(dc_, old_);
      DeleteDC(dc_);
    }
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

void fill(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

HFONT createIconFont(HDC screen) {
  const int height = -MulDiv(kIconFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN, kIconFontName);
}

IconGlyph glyphOf(HDC dc, char c) {
  const UINT code = static_cast<unsigned char>(c);
  ABC abc;
  if (GetCharABCWidthsA(dc, code, code, &abc))
    return {abc.abcA + static_cast<int>(abc.abcB) + abc.abcC, abc.abcA};
  // A raster face (MS Serif on Windows 98) has no ABC widths and no overhang.
  INT width = 0;
  GetCharWidth32A(dc, code, code, &width);
  return {width, 0};
}

}  // namespace

IconGlyphs measureIconGlyphs() {
  IconGlyphs g;
  g.iconWidth = GetSystemMetrics(SM_CXICON);
  HDC screen = GetDC(nullptr);
  HFONT font = createIconFont(screen);
  HGDIOBJ old = SelectObject(screen, font);
  g.dot = glyphOf(screen, '.');
  for (int d = 0; d < 10; ++d) g.digit[d] = glyphOf(screen, static_cast<char>('0' + d));
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return g;
}

HICON drawLevelIcon(uint16_t availMB, bool busy) {
  const int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
  const RECT all = {0, 0, w, h};
  HDC screen = GetDC(nullptr);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  HBITMAP image = CreateCompatibleBitmap(screen, w, h);
  HICON icon = nullptr;
  if (mask && image) {
    {
      // Every pixel opaque: white first, then black over the whole mask.
      BitmapCanvas m(screen, mask);
      fill(m.dc(), all, RGB(255, 255, 255));
      fill(m.dc(), all, RGB(0, 0, 0));
    }
    {
      BitmapCanvas c(screen, image);
      HDC dc = c.dc();
      fill(dc, all, RGB(0, 0, 0));
      const COLORREF face = GetSysColor(COLOR_BTNFACE);
      HBRUSH faceBrush = CreateSolidBrush(face);
      HPEN facePen = CreatePen(PS_SOLID, 1, face);
      HGDIOBJ oldBrush = SelectObject(dc, faceBrush);
      HGDIOBJ oldPen = SelectObject(dc, facePen);
      Rectangle(dc, 0, 0, w, h);

      HFONT font = createIconFont(screen);
      HGDIOBJ oldFont = SelectObject(dc, font);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, face);
      SetBkMode(dc, OPAQUE);
      IconText t = iconText(availMB);
      TextOutA(dc, t.x, 0, t.text.c_str(), static_cast<int>(t.text.size()));
      SelectObject(dc, oldFont);
      DeleteObject(font);

      Rgb bar = levelBarColour(busy);
      HBRUSH barBrush = CreateSolidBrush(RGB(bar.r, bar.g, bar.b));
      HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
      SelectObject(dc, barBrush);
      SelectObject(dc, black);
      Rectangle(dc, 0, h - kLevelBarHeight, w, h);
      SelectObject(dc, oldBrush);
      SelectObject(dc, oldPen);
      DeleteObject(barBrush);
      DeleteObject(black);
      DeleteObject(faceBrush);
      DeleteObject(facePen);
    }
    ICONINFO info;
    ZeroMemory(&info, sizeof info);
    info.fIcon = TRUE;
    info.hbmMask = mask;
    info.hbmColor = image;
    icon = CreateIconIndirect(&info);
  }
  if (mask) DeleteObject(mask);
  if (image) DeleteObject(image);
  ReleaseDC(nullptr, screen);
  return icon;
}

}  // namespace win32
}  // namespace mt
