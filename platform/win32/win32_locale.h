// The user's regional settings read with GetLocaleInfoEx.
#pragma once
#include <string>

#include "platform/locale.h"

namespace tikora {

class Win32Locale : public Locale {
 public:
  // The user's own settings, with the changes the user made to them in the control panel.
  Win32Locale() = default;
  // A named locale ("en-US", "de-DE") as the system defines it; the user's changes apply only
  // where it is also the user's locale.
  explicit Win32Locale(std::wstring localeName) : localeName_(std::move(localeName)) {}

  LocaleNames names() const override;

 private:
  std::wstring localeName_;  // empty: the user's default locale
};

}  // namespace tikora
