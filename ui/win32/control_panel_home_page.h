// Texts of the control panel's header and labels that the panel's model defines.
#pragma once
#include <string>

namespace tikora {

// The address the "Home Page" link opens.
std::wstring controlPanelHomePage();
// "Transparency Value = " and the percentage of `alpha` (0 to 255).
std::wstring controlPanelTransparencyText(int alpha);

}  // namespace tikora
