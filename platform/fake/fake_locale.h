// Regional settings for tests: United States English unless a test gives other names.
#pragma once
#include <utility>

#include "platform/locale.h"

namespace tikora {

class FakeLocale : public Locale {
 public:
  FakeLocale() : names_(englishLocaleNames()) {}
  explicit FakeLocale(LocaleNames names) : names_(std::move(names)) {}

  const LocaleNames& names() const override {
    ++queries_;
    return names_;
  }

  // Takes effect at the next names(), as a change in the regional settings that the system
  // announced would.
  void setNames(LocaleNames names) { names_ = std::move(names); }
  int queries() const { return queries_; }

 private:
  LocaleNames names_;
  mutable int queries_ = 0;
};

}  // namespace tikora
