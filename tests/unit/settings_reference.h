// The settings key as it must look after the first run, and the close action's save order,
// written out by hand value by value (not taken from the program's own table), so that the
// settings tests compare the program against an independent copy.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tikora::reference {

enum class Group { A, B, Ticker };

struct StoredSetting {
  const wchar_t* name;
  Group group;
  RegistryValue value;  // type and value after the first run
};

inline RegistryValue dword(std::uint32_t v) { return RegistryValue::ofDword(v); }
inline RegistryValue yes() { return dword(1); }
inline RegistryValue no() { return dword(0); }
inline RegistryValue text(const wchar_t* v) { return RegistryValue::ofString(v); }
inline RegistryValue bytes(std::vector<std::uint8_t> v) { return RegistryValue::ofBinary(std::move(v)); }

// 8 December 2011 and 15:00:00 as little-endian IEEE-754 doubles (40885.0 and 0.625).
inline const std::vector<std::uint8_t> kDecember8th2011 = {0x00, 0x00, 0x00, 0x00, 0xA0, 0xF6, 0xE3, 0x40};
inline const std::vector<std::uint8_t> kThreePm = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE4, 0x3F};

inline constexpr std::uint32_t kMinusOne = 0xFFFFFFFF;

// Load order: group A, group B, the ticker group.
inline std::vector<StoredSetting> firstRunSettings() {
  using enum Group;
  return {
      {L"col_bg", A, dword(0x00000000)},
      {L"col_se", A, dword(0x00FF00FF)},
      {L"col_fo", A, dword(0x000000FF)},
      {L"col_dw", A, dword(0x0000FFFF)},
      {L"col_dy", A, dword(0x0000FFFF)},
      {L"chk_dw", A, yes()},
      {L"chk_ds", A, no()},
      {L"chk_dy", A, yes()},
      {L"co_fr", A, dword(6)},
      {L"nrm_st", A, dword(kMinusOne)},
      {L"co_ha", A, dword(0)},
      {L"col_bl", A, dword(0x00FFFF00)},
      {L"chk_sh", A, no()},
      {L"chk_le", A, yes()},
      {L"po_po", A, dword(0)},
      {L"po_pi", A, dword(0)},
      {L"chk_df", A, no()},
      {L"col_ha", A, dword(0x00000080)},
      {L"ra_on", A, no()},
      {L"ra_tw", A, no()},
      {L"ra_th", A, no()},
      {L"ra_fo", A, no()},
      {L"ra_fi", A, no()},
      {L"ra_si", A, yes()},
      {L"ra_se", A, no()},
      {L"ra_eg", A, no()},
      {L"ra_ni", A, yes()},
      {L"ra_to", A, no()},
      {L"ra_lo", A, no()},
      {L"ed_mi", A, text(L"3")},
      {L"co_go", A, dword(0)},
      {L"co_mi", A, dword(0)},
      {L"up_mi", A, dword(3)},
      {L"col_tt", A, dword(0x00FF00FF)},
      {L"col_tw", A, dword(0x0000FFFF)},
      {L"chk_st", A, no()},
      {L"col_ft", A, dword(0x0000FFFF)},
      {L"dtp_da", A, bytes(kDecember8th2011)},
      {L"dtp_ti", A, bytes(kThreePm)},
      {L"chk_ct", A, no()},
      {L"chc_co", A, no()},
      {L"chc_sw", A, no()},
      {L"chc_to", A, no()},
      {L"chc_dw", A, no()},
      {L"chc_dc", A, no()},
      {L"com_fo", A, text(L"Font")},
      {L"com_si", A, dword(kMinusOne)},
      {L"com_st", A, dword(kMinusOne)},
      {L"chk_tr", A, no()},
      {L"scr_tr", A, dword(255)},
      {L"st_to", A, no()},
      {L"se_sto", A, yes()},
      {L"se_stw", A, no()},
      {L"se_sko", A, no()},
      {L"se_skw", A, no()},
      {L"sek_of", A, no()},
      {L"cfr_of", A, no()},
      {L"cal_of", A, no()},
      {L"cti_of", A, yes()},
      {L"cti_fr", A, no()},
      {L"col_ti", A, dword(0x0000FFFF)},
      {L"ra_h1", A, yes()},
      {L"ra_h2", A, no()},
      {L"ra_h3", A, no()},
      {L"ra_h4", A, no()},
      {L"ra_h5", A, no()},
      {L"ra_h6", A, no()},
      {L"ra_h7", A, yes()},
      {L"ra_h8", A, no()},
      {L"ra_h9", A, no()},
      {L"ra_h10", A, no()},
      {L"ra_h11", A, no()},
      {L"ra_h12", A, no()},
      {L"rs_hma", A, no()},
      {L"rs_hmb", A, no()},
      {L"rs_hmc", A, no()},
      {L"rs_hmd", A, no()},
      {L"rs_hme", A, no()},
      {L"rs_hmf", A, yes()},

      {L"dt_ta", B, yes()},
      {L"dt_tb", B, no()},
      {L"chk_dff", B, no()},
      {L"se_sin", B, no()},
      {L"se_sro", B, no()},
      {L"se_sid", B, no()},
      {L"se_sre", B, no()},
      {L"se_sdd", B, no()},
      {L"se_srr", B, no()},
      {L"ts_onn", B, yes()},
      {L"ts_off", B, no()},
      {L"se_smn", B, no()},
      {L"se_smo", B, no()},
      {L"se_sxa", B, no()},
      {L"se_sxb", B, no()},
      {L"se_sxc", B, no()},
      {L"se_sxd", B, no()},
      {L"se_sxe", B, no()},
      {L"se_sxf", B, no()},
      {L"chk_dam", B, no()},
      {L"chk_sec", B, no()},
      {L"chk_alr", B, no()},
      {L"se_2fh", B, yes()},
      {L"se_4fh", B, no()},
      {L"se_uyw", B, no()},
      {L"se_zcv", B, no()},
      {L"se_ptw", B, no()},
      {L"se_axv", B, no()},
      {L"ie_utv", B, no()},
      {L"ses_st", B, yes()},
      {L"ms_pfr", B, no()},
      {L"se_axa", B, yes()},
      {L"se_bxb", B, no()},
      {L"se_cxc", B, no()},
      {L"se_dxd", B, no()},
      {L"se_exe", B, no()},
      {L"se_oes", B, no()},
      {L"se_oev", B, no()},

      {L"cor_ch", Ticker, dword(kMinusOne)},
      {L"cor_fo", Ticker, text(L"Arial")},
      {L"cor_st", Ticker, dword(0)},
      {L"cor_si", Ticker, dword(2)},
      {L"por_po", Ticker, dword(0)},
      {L"por_st", Ticker, dword(30)},
      {L"por_sp", Ticker, dword(150)},
  };
}

inline std::vector<std::wstring> namesOf(Group group) {
  std::vector<std::wstring> names;
  for (const auto& s : firstRunSettings())
    if (s.group == group) names.push_back(s.name);
  return names;
}

// The close action's order, ranges written out.
inline std::vector<std::wstring> saveOrder() {
  return {
      L"col_bg",  L"col_se",  L"col_fo",  L"col_dw", L"col_dy", L"chk_dw", L"chk_ds", L"chk_dy", L"chk_dff", L"co_fr",
      L"nrm_st",  L"co_ha",   L"col_bl",  L"chk_sh", L"chk_le", L"po_po",  L"po_pi",  L"chk_df", L"col_ha",  L"ra_on",
      L"ra_tw",   L"ra_th",   L"ra_fo",   L"ra_fi",  L"ra_si",  L"ra_se",  L"ra_eg",  L"ra_ni",  L"ra_to",   L"ra_lo",
      L"ed_mi",   L"co_go",   L"co_mi",   L"up_mi",  L"col_tt", L"chk_st", L"col_tw", L"dtp_da", L"dtp_ti",  L"chk_ct",
      L"col_ft",  L"chc_co",  L"chc_sw",  L"chc_to", L"chc_dw", L"chc_dc", L"com_fo", L"com_si", L"com_st",  L"scr_tr",
      L"chk_tr",  L"st_to",   L"se_sto",  L"se_stw", L"se_sko", L"se_skw", L"se_smn", L"se_smo", L"sek_of",  L"cfr_of",
      L"cal_of",  L"cti_of",  L"cti_fr",  L"col_ti", L"ra_h1",  L"ra_h2",  L"ra_h3",  L"ra_h4",  L"ra_h5",   L"ra_h6",
      L"ra_h7",   L"ra_h8",   L"ra_h9",   L"ra_h10", L"ra_h11", L"ra_h12", L"cor_ch", L"cor_fo", L"cor_st",  L"cor_si",
      L"por_po",  L"por_st",  L"por_sp",  L"rs_hma", L"rs_hmb", L"rs_hmc", L"rs_hmd", L"rs_hme", L"rs_hmf",  L"ts_onn",
      L"ts_off",  L"se_sin",  L"se_sro",  L"se_sid", L"se_sre", L"se_sdd", L"se_srr", L"se_2fh", L"se_4fh",  L"se_uyw",
      L"se_zcv",  L"se_ptw",  L"se_axv",  L"ie_utv", L"se_sxa", L"se_sxb", L"se_sxc", L"se_sxd", L"se_sxe",  L"se_sxf",
      L"chk_dam", L"chk_sec", L"chk_alr", L"dt_ta",  L"dt_tb",  L"ms_pfr", L"se_axa", L"se_bxb", L"se_cxc",  L"se_dxd",
      L"se_exe",  L"se_oes",  L"se_oev",
  };
}

}  // namespace tikora::reference
