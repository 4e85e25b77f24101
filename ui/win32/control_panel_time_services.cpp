// The control panel's time services; see control_panel_time_services.h.
#include "ui/win32/control_panel_time_services.h"

#include <array>
#include <utility>

#include "core/date_format.h"
#include "timeservices/full_hour.h"
#include "ui/win32/ui_ids.h"

namespace tikora {
namespace {

// The power-off options whose captions blink.
constexpr std::array<std::wstring_view, 4> kRadioCaptions{L"RadioButton10", L"RadioButton11", L"RadioButton50",
                                                          L"CheckBox33"};
constexpr std::array<std::wstring_view, 3> kWarningSounds{L"RadioButton59", L"RadioButton60", L"RadioButton61"};
// The twelve options of "By Sound Effect", previewed by any mouse button.
constexpr std::array<std::wstring_view, 12> kSoundOptions{
    L"RadioButton16", L"RadioButton17", L"RadioButton18", L"RadioButton19", L"RadioButton20", L"RadioButton38",
    L"RadioButton40", L"RadioButton42", L"RadioButton46", L"RadioButton49", L"RadioButton62", L"RadioButton64"};

// A list choice as its box shows it: "07"; nothing for no choice.
std::wstring choiceText(int index) { return index < 0 ? L"" : twoDigits(index); }

}  // namespace

PanelTimeServices::PanelTimeServices(PanelTimeServicesParts parts) : p_(std::move(parts)) {
  context_ = std::make_unique<TimeServicesContext>(TimeServicesContext{
      p_.settings, model_, p_.clockWindow, p_.metrics, p_.clock, p_.locale, sound_, power_, messageBoxes_,
      reinterpret_cast<std::uintptr_t>(p_.panel)});
  TimeServicesSetup setup;
  setup.effectTimer = &timer4_;
  TextOverlays& overlays = p_.overlays;
  setup.duties.digitalTimeText = [&overlays](const CivilTime& now) { return overlays.digitalTimeText(now); };
  setup.duties.dateChanged = [&overlays](const DateTexts& today) { overlays.showDateTexts(today); };
  setup.duties.showDigitalTime = [&overlays](const std::wstring& text) { overlays.showDigitalTime(text); };
  setup.duties.setClockOnTop = p_.setClockOnTop;
  services_ = std::make_unique<TimeServices>(*context_, std::move(setup));

  timer4_.onChange([this](const PanelTimer& timer) { followTimer(timer, toTimer(TimerId::Timer4)); });
  services_->workTime.Timer3().onChange(
      [this](const PanelTimer& timer) { followTimer(timer, toTimer(TimerId::Timer3)); });
  services_->powerOff.Timer7().onChange(
      [this](const PanelTimer& timer) { followTimer(timer, toTimer(TimerId::Timer7)); });

  for (std::wstring_view option : kSoundOptions) p_.controls.watchMouseDown(option);
  for (std::wstring_view caption : kRadioCaptions) p_.controls.setTextColour(caption, RGB(0, 0, 0));
}

PanelTimeServices::~PanelTimeServices() {
  for (TimerId id : {TimerId::Timer2, TimerId::Timer3, TimerId::Timer4, TimerId::Timer7})
    KillTimer(p_.panel, toTimer(id));
}

void PanelTimeServices::start() {
  SetTimer(p_.panel, toTimer(TimerId::Timer2), services_->secondTick.Timer2().interval(), nullptr);
}

void PanelTimeServices::followTimer(const PanelTimer& timer, UINT_PTR id) {
  if (timer.enabled()) {
    SetTimer(p_.panel, id, timer.interval(), nullptr);
  } else {
    KillTimer(p_.panel, id);
  }
}

void PanelTimeServices::layoutDisplays() {
  const auto [left3, width3] = p_.controls.span(L"Image3");
  model_.Image3 = PanelSpan{left3, width3};
  const auto [left5, width5] = p_.controls.span(L"Image5");
  model_.Image5 = PanelSpan{left5, width5};
}

bool PanelTimeServices::settingLoaded(std::wstring_view name) { return services_->settingLoaded(name); }

void PanelTimeServices::settingsLoaded() {
  // The exact time's boxes show the stored choices.
  model_.ComboBox3 = choiceText(p_.settings.co_go);
  model_.ComboBox4 = choiceText(p_.settings.co_mi);
}

void PanelTimeServices::settingChanged(std::wstring_view name) {
  PowerOffTimer& powerOff = services_->powerOff;
  if (name == L"ed_mi") {
    powerOff.Edit1Change();
  } else if (name == L"co_go") {
    model_.ComboBox3 = choiceText(p_.settings.co_go);
    powerOff.ComboBox3Change();
  } else if (name == L"co_mi") {
    model_.ComboBox4 = choiceText(p_.settings.co_mi);
    powerOff.ComboBox4Change();
  }
}

bool PanelTimeServices::clicked(std::wstring_view component) {
  const bool ticked = p_.controls.checked(component);
  if (component == L"CheckBox9") {
    model_.CheckBox9 = ticked;
    services_->powerOff.CheckBox9Click();
  } else if (component == L"CheckBox10") {
    model_.CheckBox10 = ticked;
    services_->powerOff.CheckBox10Click();
  } else if (component == L"CheckBox11") {
    model_.CheckBox11 = ticked;
    services_->workTime.CheckBox11Click();
  } else if (component == L"CheckBox13") {
    model_.CheckBox13 = ticked;
    services_->powerOff.CheckBox13Click();
  } else {
    return false;
  }
  show();
  return true;
}

void PanelTimeServices::typed(std::wstring_view component, const std::wstring& text) {
  if (component == L"ComboBox3") {
    model_.ComboBox3 = text;
    services_->powerOff.ComboBox3Change();
  } else if (component == L"ComboBox4") {
    model_.ComboBox4 = text;
    services_->powerOff.ComboBox4Change();
  } else {
    return;
  }
  show();
}

void PanelTimeServices::mouseDown(std::wstring_view component) { services_->fullHour.soundOptionMouseDown(component); }

void PanelTimeServices::upDownClicked() {
  services_->powerOff.UpDown1Click();
  show();
}

bool PanelTimeServices::timer(UINT_PTR id) {
  switch (static_cast<TimerId>(id)) {
    case TimerId::Timer2: services_->secondTick.Timer2Timer(); break;
    case TimerId::Timer3: services_->workTime.Timer3Timer(); break;
    case TimerId::Timer4: Timer4Timer(); break;
    case TimerId::Timer7: services_->powerOff.Timer7Timer(); break;
    default: return false;
  }
  show();
  return true;
}

void PanelTimeServices::Timer4Timer() {
  // The effect runs through minute 0 of the hour and ends at the first tick after it.
  if (p_.clock.now().minute != 0) timer4_.stop();
}

void PanelTimeServices::show() {
  ControlPanelControls& c = p_.controls;
  const TimeServicesControls& k = model_;
  c.setChecked(L"CheckBox9", k.CheckBox9);
  c.setChecked(L"CheckBox10", k.CheckBox10);
  c.setChecked(L"CheckBox11", k.CheckBox11);
  c.setChecked(L"CheckBox13", k.CheckBox13);
  c.setText(L"ComboBox3", k.ComboBox3);
  c.setText(L"ComboBox4", k.ComboBox4);
  c.setText(L"Edit1", p_.settings.ed_mi);

  c.setEnabled(L"Edit1", k.Edit1Enabled);
  c.setEnabled(L"UpDown1", k.UpDown1Enabled);
  c.setEnabled(L"ComboBox3", k.ComboBox3Enabled);
  c.setEnabled(L"ComboBox4", k.ComboBox4Enabled);
  c.setEnabled(L"CheckBox9", k.CheckBox9Enabled);
  c.setEnabled(L"CheckBox10", k.CheckBox10Enabled);
  c.setEnabled(L"DateTimePicker1", k.DateTimePicker1Enabled);
  c.setEnabled(L"DateTimePicker2", k.DateTimePicker2Enabled);

  c.setVisible(L"CheckBox13", k.CheckBox13Visible);
  c.setVisible(L"CheckBox17", k.CheckBox17Visible);
  c.setVisible(L"CheckBox31", k.CheckBox31Visible);
  for (std::wstring_view sound : kWarningSounds) c.setVisible(sound, k.warningSoundsVisible);
  c.setVisible(L"CheckBox33", k.CheckBox33Visible);

  c.setTextColour(L"RadioButton10", k.RadioButton10Colour);
  c.setTextColour(L"RadioButton11", k.RadioButton11Colour);
  c.setTextColour(L"RadioButton50", k.RadioButton50Colour);
  c.setTextColour(L"CheckBox33", k.CheckBox33Colour);

  c.setText(L"Label16", k.Label16);
  c.setSpan(L"Label16", k.Label16Left, p_.metrics.measure(k.Label16, k.Label16Font).width + 1);
  c.setVisible(L"Image3", k.Label16Visible);
  c.setVisible(L"Label16", k.Label16Visible);
  c.setText(L"Label19", k.Label19);
  c.setSpan(L"Label19", k.Label19Left, p_.metrics.measure(k.Label19, k.Label19Font).width + 1);
  c.setVisible(L"Image5", k.Label19Visible);
  c.setVisible(L"Label19", k.Label19Visible);
}

}  // namespace tikora
