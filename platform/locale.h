// The user's regional settings: day and month names, AM/PM markers, date and time formats.
#pragma once
#include "core/locale_names.h"

namespace tikora {

class Locale {
 public:
  virtual ~Locale() = default;

  // The names as the regional settings give them at the moment of the call, so a change the
  // user makes while the program runs shows at the next formatting. Day names are Sunday first
  // (index 0 = Sunday), whatever order the system itself uses. A name the system cannot give is
  // the United States English one.
  virtual LocaleNames names() const = 0;
};

}  // namespace tikora
