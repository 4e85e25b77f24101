// The user's regional settings read with GetLocaleInfoEx.
#pragma once
#include <string>

#include "core/locale_names.h"

#include "platform/locale.h"

namespace tikora {

class Win32Locale : public Locale {
 public:
  // The user's own settings, with the changes the user made to them in the control panel.
  Win32Locale() = default;
  // A named locale ("en-US", "de-DE") as the system defines it; the user's changes apply only
  // where it is also the user's locale.
  explicit Win32Locale(std::wstring localeName) : localeName_(std::move(localeName)) {}

  const LocaleNames& names() const override;
  void forget() override { stale_ = true; }

 private:
  std::wstring localeName_;  // empty: the user's default locale
  mutable LocaleNames names_;
  mutable bool stale_ = true;
};

}  // namespace tikora
