// The live settings: one field per value stored under the settings key, named by its registry
// value name, holding what the control panel's control for it shows. The control panel binds
// its controls to these fields, and every feature reads them when it needs them.
//
// The fields carry no initial values of their own: a new Settings takes every default from the
// settings table (settings_schema.cpp), which also tells each field's type, group, control and
// place in the save order. Radio buttons are one bool each; selectRadioButton keeps a group to
// one selected button as the native control does.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/colour.h"
#include "core/datetime.h"

namespace tikora {

struct SettingSpec;

// One setting's value, whatever its type: Integer, Bool, Colour, String, Date or Time (the last
// two both as DateTime).
using SettingValue = std::variant<std::int32_t, bool, Colour, std::wstring, DateTime>;

struct Settings {
  // Every field at its default from the settings table.
  Settings();

  // ---- Group A ----
  Colour col_bg;                                         // ColorBox1: clock background
  Colour col_se;                                         // ColorBox2: seconds colour
  Colour col_fo;                                         // ColorBox3: digit font colour
  Colour col_dw;                                         // ColorBox4: weekday colour
  Colour col_dy;                                         // ColorBox5: date colour
  bool chk_dw;                                           // CheckBox1 "OFF" (Day Of The Week)
  bool chk_ds;                                           // CheckBox2 "Short Name"
  bool chk_dy;                                           // CheckBox3 "OFF" (Date)
  std::int32_t co_fr;                                    // ComboBox1: frame colour rule
  std::int32_t nrm_st;                                   // ComboBox12: frame style
  std::int32_t co_ha;                                    // ComboBox2: hand style
  Colour col_bl;                                         // ColorBox8: laser effect colour
  bool chk_sh;                                           // CheckBox5 "Second Hand OFF"
  bool chk_le;                                           // CheckBox6 "OFF" (laser effect)
  std::int32_t po_po;                                    // ScrollBar1: horizontal start-up position
  std::int32_t po_pi;                                    // ScrollBar2: vertical start-up position
  bool chk_df;                                           // CheckBox8 "Set Current Position"
  Colour col_ha;                                         // ColorBox9: hand colour
  bool ra_on, ra_tw, ra_th, ra_fo, ra_fi, ra_si, ra_se;  // RadioButton1..7: repeat time every
  bool ra_eg, ra_ni;                                     // RadioButton8, 9: female, male voice
  bool ra_to, ra_lo;                                     // RadioButton10, 11: shutdown, log off
  std::wstring ed_mi;                                    // Edit1: minutes until power-off
  std::int32_t co_go;                                    // ComboBox3: hour of the exact power-off time
  std::int32_t co_mi;                                    // ComboBox4: minute of the exact power-off time
  std::int32_t up_mi;                                    // UpDown1: minutes, 0 to 1440
  Colour col_tt;                                         // ColorBox10: time to turn off
  Colour col_tw;                                         // ColorBox12: system work time
  bool chk_st;                                           // CheckBox12 "Show Time in Clock "
  Colour col_ft;                                         // ColorBox14: countdown
  DateTime dtp_da;                                       // DateTimePicker1: countdown target date
  DateTime dtp_ti;                                       // DateTimePicker2: countdown target time
  bool chk_ct;                                    // CheckBox14 "Show Countdown Time in the Clock  [ days  h:min:sec ]"
  bool chc_co;                                    // CheckBox15 "In Front of Clock Hands" (countdown)
  bool chc_sw;                                    // CheckBox16 "In Front of Clock Hands" (system work time)
  bool chc_to;                                    // CheckBox17 "In Front of Clock Hands" (power-off time)
  bool chc_dw;                                    // CheckBox18 "In Front of Clock Hands" (weekday)
  bool chc_dc;                                    // CheckBox19 "In Front of Clock Hands" (date)
  std::wstring com_fo;                            // ComboBox5: face font name
  std::int32_t com_si;                            // ComboBox6: face font size choice
  std::int32_t com_st;                            // ComboBox7: face font style choice
  bool chk_tr;                                    // CheckBox20 "Set Transparency"
  std::int32_t scr_tr;                            // ScrollBar3: transparency 0 to 255
  bool st_to;                                     // CheckBox21 "Set Clock Window on Top"
  bool se_sto, se_stw, se_sko, se_skw;            // RadioButton12..15: seconds styles 1, 3, 5, 7
  bool sek_of;                                    // CheckBox22 "OFF" (Seconds)
  bool cfr_of;                                    // CheckBox23 "OFF" (digits)
  bool cal_of;                                    // CheckBox24 "All Hands OFF"
  bool cti_of;                                    // CheckBox25 "OFF" (Digital Time)
  bool cti_fr;                                    // CheckBox26 "In Front of Clock Hands" (Digital Time)
  Colour col_ti;                                  // ColorBox6: digital time colour
  bool ra_h1, ra_h2, ra_h3, ra_h4, ra_h5, ra_h6;  // RadioButton16..21: hour sound 1..5, OFF
  bool ra_h7, ra_h8, ra_h9, ra_h10, ra_h11, ra_h12;     // RadioButton22..27: hour effect 1..5, OFF
  bool rs_hma, rs_hmb, rs_hmc, rs_hmd, rs_hme, rs_hmf;  // RadioButton28..33: RSS reading every

  // ---- Group B ----
  bool dt_ta, dt_tb;                                    // RadioButton57, 58: long, short month name
  bool chk_dff;                                         // CheckBox4 "Short Date"
  bool se_sin, se_sro, se_sid, se_sre, se_sdd, se_srr;  // RadioButton38..43: hour sound/effect 6..8
  bool ts_onn, ts_off;                                  // RadioButton34, 35: Am / Pm ON, OFF
  bool se_smn, se_smo;                                  // RadioButton36, 37: seconds styles 2, 6
  bool se_sxa, se_sxb, se_sxc, se_sxd, se_sxe, se_sxf;  // RadioButton51..56: seconds 9..12, 4, 8
  bool chk_dam;                                         // CheckBox28 "AM/PM OFF"
  bool chk_sec;                                         // CheckBox29 "Sec OFF"
  bool chk_alr;                                         // CheckBox31 "Play Sound ->"
  bool se_2fh, se_4fh;                                  // RadioButton44, 45: 12 h, 24 h format
  bool se_uyw, se_zcv, se_ptw, se_axv;                  // RadioButton46..49: hour sound 9, effects 9, 10, sound 10
  bool ie_utv;                                          // RadioButton50 "Hibernation"
  bool ses_st;                                          // CheckBox30 "Start with System"
  bool ms_pfr;                                          // CheckBox33 "Force Shutdown"
  bool se_axa, se_bxb, se_cxc;                          // RadioButton59..61: power-off warning sound 1..3
  bool se_dxd, se_exe, se_oes, se_oev;                  // RadioButton62..65: hour sound/effect 11, 12

  // ---- RSS ticker group ----
  std::int32_t cor_ch;  // ComboBox8: selected RSS channel
  std::wstring cor_fo;  // ComboBox9: ticker font name
  std::int32_t cor_st;  // ComboBox10: ticker font style choice
  std::int32_t cor_si;  // ComboBox11: ticker font size choice
  std::int32_t por_po;  // ScrollBar4: ticker window top
  std::int32_t por_st;  // ScrollBar5: scrolling step
  std::int32_t por_sp;  // ScrollBar6: scrolling speed (timer interval, ms)
};

// The value of the field that `described` names.
SettingValue valueOf(const Settings& settings, const SettingSpec& described);
// Stores `value` in the field that `described` names. False, and nothing stored, when the value's kind
// does not fit the field.
bool setValue(Settings& settings, const SettingSpec& described, const SettingValue& value);

// Selects the radio button stored under `name` and clears the other buttons of its group. False
// when `name` is no radio button.
bool selectRadioButton(Settings& settings, std::wstring_view name);
// The name of the selected button of a radio group ("voice_repeat", "seconds_style", ...), empty
// when none is selected.
std::wstring_view selectedRadioButton(const Settings& settings, std::wstring_view radioGroup);

}  // namespace tikora
