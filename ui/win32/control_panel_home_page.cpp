// The panel model's texts for the window, kept apart from the window's own header so that the panel's
// model and the window can each name their services without clashing.
#include "ui/win32/control_panel_home_page.h"

#include "app/control_panel_model.h"

namespace tikora {

std::wstring controlPanelHomePage() { return std::wstring(kHomePageAddress); }

std::wstring controlPanelTransparencyText(int alpha) { return transparencyText(alpha); }

}  // namespace tikora
