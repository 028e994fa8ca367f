// Each argument "Asked=Expected[=symbol]": a face the programs ask for, the
// face the prefix gives for it and, for a symbol face such as Marlett, the
// character set it is asked with. The face resolves to itself or to the
// expected one; anything else is a silent fallback, which widens every caption.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// A screen DC with one font selected, released on every path.
class FontProbe {
 public:
  FontProbe(const std::string& face, BYTE charset)
      : dc_(GetDC(nullptr)),
        font_(CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str())) {
    if (dc_ && font_) old_ = SelectObject(dc_, font_);
  }
  ~FontProbe() {
    if (old_) SelectObject(dc_, old_);
    if (font_) DeleteObject(font_);
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  FontProbe(const FontProbe&) = delete;
  FontProbe& operator=(const FontProbe&) = delete;

  std::string face() const {
    char name[LF_FACESIZE + 1] = {};
    if (!old_ || !GetTextFaceA(dc_, LF_FACESIZE, name)) return "";
    return name;
  }
  int width(const char* text) const {
    SIZE size = {0, 0};
    if (old_) GetTextExtentPoint32A(dc_, text, lstrlenA(text), &size);
    return size.cx;
  }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  int passed = 0, failed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::size_t eq = arg.find('=');
    const std::size_t eq2 = eq == std::string::npos ? eq : arg.find('=', eq + 1);
    const std::string asked = arg.substr(0, eq);
    const std::string expected = eq == std::string::npos ? asked : arg.substr(eq + 1, eq2 - eq - 1);
    const bool symbol = eq2 != std::string::npos && arg.substr(eq2 + 1) == "symbol";
    // The programs ask for their text faces in the ANSI character set.
    FontProbe probe(asked, symbol ? SYMBOL_CHARSET : ANSI_CHARSET);
    const std::string got = probe.face();
    // The width of one of Memtidy's longest captions shows what the layout meets.
    const char* caption = "Recover RAM if only the CPU usage below ";
    bool ok = lstrcmpiA(got.c_str(), expected.c_str()) == 0;
    if (!ok && lstrcmpiA(got.c_str(), asked.c_str()) == 0) {
      // A substitute or replacement answers to the name asked for: it must
      // draw exactly as the face chosen for it.
      FontProbe chosen(expected, symbol ? SYMBOL_CHARSET : ANSI_CHARSET);
      ok = expected == asked ||
           (lstrcmpiA(chosen.face().c_str(), expected.c_str()) == 0 && chosen.width(caption) == probe.width(caption));
    }
    std::printf("  %s \"%s\" resolves to \"%s\" (expected \"%s\"); the CPU caption is %d pixels\n",
                ok ? "ok  " : "FAIL", asked.c_str(), got.c_str(), expected.c_str(), probe.width(caption));
    (ok ? passed : failed)++;
  }
  std::printf("wine-fonts: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
