// The face's side of the control panel's settings; see control_panel_face_bindings.h.
#include "ui/win32/control_panel_face_bindings.h"

#include <optional>
#include <string>

namespace tikora {
namespace {

// A seconds style button's caption is its style's number ("1" .. "12").
std::optional<SecondsStyle> secondsStyleOf(const SettingSpec* button) {
  if (!button || button->radioGroup != kRadioSecondsStyle) return std::nullopt;
  int number = 0;
  for (wchar_t c : button->caption) {
    if (c < L'0' || c > L'9') return std::nullopt;
    number = number * 10 + (c - L'0');
  }
  if (number < 1 || number > 12) return std::nullopt;
  return static_cast<SecondsStyle>(number);
}

}  // namespace

ClockFaceSettings faceSettingsOf(const Settings& s) {
  ClockFaceSettings face;
  face.background = s.col_bg;
  face.seconds = s.col_se;
  face.digits = s.col_fo;
  face.weekday = s.col_dw;
  face.date = s.col_dy;
  face.hands = s.col_ha;
  face.laser = s.col_bl;
  face.laserOff = s.chk_le;
  if (auto style = secondsStyleOf(findSetting(selectedRadioButton(s, kRadioSecondsStyle))))
    face.secondsStyle = *style;
  face.secondsOff = s.sek_of;
  face.frameColourRule = s.co_fr;
  face.digitsOff = s.cfr_of;
  face.weekdayOff = s.chk_dw;
  face.dateOff = s.chk_dy;
  face.secondHandOff = s.chk_sh;
  face.allHandsOff = s.cal_of;
  return face;
}

bool applyFaceChange(ClockFace& face, Settings& s, const SettingSpec& changed) {
  const std::wstring_view name = changed.name;
  if (name == L"col_bg") s.col_bg = face.changeBackground(s.col_bg);
  else if (name == L"col_se") s.col_se = face.changeSecondsColour(s.col_se);
  else if (name == L"col_ha") s.col_ha = face.changeHandColour(s.col_ha);
  else if (name == L"col_bl") s.col_bl = face.changeLaserColour(s.col_bl);
  else if (name == L"col_fo") s.col_fo = face.changeDigitColour(s.col_fo);
  else if (name == L"co_fr") face.changeFrameColour(s.co_fr);
  else if (name == L"nrm_st") face.changeFrameStyle(s.nrm_st);
  else if (name == L"co_ha") face.changeHandStyle(s.co_ha);
  else if (name == L"chk_sh") face.setSecondHandOff(s.chk_sh);
  else if (name == L"cal_of") face.setAllHandsOff(s.cal_of);
  else if (name == L"sek_of") face.setSecondsOff(s.sek_of);
  else if (name == L"chk_le") face.setLaserOff(s.chk_le);
  else if (name == L"cfr_of") face.setDigitsOff(s.cfr_of);
  else if (name == L"chk_dw" || name == L"chk_dy") face.noteWeekdayAndDateOff(s.chk_dw, s.chk_dy);
  else if (auto style = secondsStyleOf(&changed)) face.selectSecondsStyle(*style);
  else return false;
  return true;
}

}  // namespace tikora
