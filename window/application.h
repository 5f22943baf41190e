// What the program sets up before its window opens: its icon, Qt's own texts
// in Simplified Chinese whatever the user's locale, and a font with Chinese
// glyphs.
#pragma once

class QApplication;

namespace vornik {

// Returns false when no font with Simplified Chinese glyphs was found; the
// window then shows its captions as whatever the font system falls back to.
bool setUpApplication(QApplication& app);

// Whether Qt can reach a display: an X or Wayland display, or a platform
// chosen explicitly through QT_QPA_PLATFORM.
bool displayReachable();

}  // namespace vornik
