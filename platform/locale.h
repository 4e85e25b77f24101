// The user's regional settings: day and month names, AM/PM markers, date and time formats.
#pragma once
#include "core/locale_names.h"

namespace tikora {

class Locale {
 public:
  virtual ~Locale() = default;

  // The names as the regional settings give them. Day names are Sunday first (index 0 =
  // Sunday), whatever order the system itself uses. A name the system cannot give is the United
  // States English one. The names are read once and kept: the clock formats its time every
  // second. The object stays the same for the locale's life; after forget() it takes the names
  // anew at the next call.
  virtual const LocaleNames& names() const = 0;
  // The system said that the regional settings changed: the next names() reads them again.
  virtual void forget() {}
};

}  // namespace tikora
