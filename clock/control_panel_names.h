// The control panel's components (`TForm2`) by what they are: the names of the window's layout,
// declared once. Code refers to a control through these; the names themselves stay as the
// layout gives them, so that tests and the driver find the controls by them.
#pragma once
#include <string_view>

namespace tikora {

// ---- The window and its header ----
inline constexpr std::wstring_view kControlPanelName = L"TForm2";  // "Control Panel"
inline constexpr std::wstring_view kHeaderBarTop = L"HeaderBarTop";
inline constexpr std::wstring_view kHeaderBarBottom = L"HeaderBarBottom";
inline constexpr std::wstring_view kBannerPicture = L"Banner";
inline constexpr std::wstring_view kTitleName = L"Title";        // "Tikora"
inline constexpr std::wstring_view kHomePageName = L"HomePage";  // "Home Page"
inline constexpr std::wstring_view kPageControlName = L"PageControl1";

// ---- Page "Main Settings" ----
inline constexpr std::wstring_view kMainSettingsPage = L"TabSheet1";  // "Main Settings"
// Clock Start-up Position
inline constexpr std::wstring_view kStartUpPositionGroup = L"Clock Start-up Position";
inline constexpr std::wstring_view kScreenMiniature = L"Image1";
inline constexpr std::wstring_view kPositionMarker = L"Image2";
inline constexpr std::wstring_view kStartLeftBar = L"ScrollBar1";
inline constexpr std::wstring_view kStartLeftPercentLabel = L"Label13";
inline constexpr std::wstring_view kStartTopBar = L"ScrollBar2";
inline constexpr std::wstring_view kStartTopPercentLabel = L"Label14";
inline constexpr std::wstring_view kCheckPositionBox = L"CheckBox7";       // "Check Position"
inline constexpr std::wstring_view kStartAtSetPositionBox = L"CheckBox8";  // "Set Current Position"
inline constexpr std::wstring_view kStartWithSystemBox = L"CheckBox30";    // "Start with System"
// Time Voice Announcement
// Repeat Time Every  [minutes]
inline constexpr std::wstring_view kVoiceEvery1MinuteButton = L"RadioButton1";
inline constexpr std::wstring_view kVoiceEvery5MinutesButton = L"RadioButton2";
inline constexpr std::wstring_view kVoiceEvery10MinutesButton = L"RadioButton3";
inline constexpr std::wstring_view kVoiceEvery15MinutesButton = L"RadioButton4";
inline constexpr std::wstring_view kVoiceEvery30MinutesButton = L"RadioButton5";
inline constexpr std::wstring_view kVoiceEvery60MinutesButton = L"RadioButton6";
inline constexpr std::wstring_view kVoiceOffButton = L"RadioButton7";  // "OFF"
// Am / Pm
inline constexpr std::wstring_view kAmPmOnButton = L"RadioButton34";   // "ON"
inline constexpr std::wstring_view kAmPmOffButton = L"RadioButton35";  // "OFF"
// Type of the Voice
inline constexpr std::wstring_view kFemaleVoiceButton = L"RadioButton8";  // "Female Voice"
inline constexpr std::wstring_view kMaleVoiceButton = L"RadioButton9";    // "Male Voice"
// Clock Transparency, Style
inline constexpr std::wstring_view kTransparencyOnBox = L"CheckBox20";  // "Set Transparency"
inline constexpr std::wstring_view kTransparencyLabel = L"Label23";     // "Transparency Value = 100"
inline constexpr std::wstring_view kTransparencyBar = L"ScrollBar3";
inline constexpr std::wstring_view kAlwaysOnTopBox = L"CheckBox21";  // "Set Clock Window on Top"
// Shutdown PC /Log off from Windows/Hibernation
inline constexpr std::wstring_view kPowerOffShutdownButton = L"RadioButton10";   // "Shutdown"
inline constexpr std::wstring_view kPowerOffLogOffButton = L"RadioButton11";     // "Log OFF"
inline constexpr std::wstring_view kPowerOffHibernateButton = L"RadioButton50";  // "Hibernation"
inline constexpr std::wstring_view kPowerOffMinutesEdit = L"Edit1";
inline constexpr std::wstring_view kPowerOffMinutesArrows = L"UpDown1";
inline constexpr std::wstring_view kMinutesUnitLabel = L"Label31";  // "min."
inline constexpr std::wstring_view kSetMinutesBox = L"CheckBox9";   // "Set Minutes"
inline constexpr std::wstring_view kPowerOffHourList = L"ComboBox3";
inline constexpr std::wstring_view kTimeColonLabel = L"Label32";  // ":"
inline constexpr std::wstring_view kPowerOffMinuteList = L"ComboBox4";
inline constexpr std::wstring_view kSetExactTimeBox = L"CheckBox10";   // "Set Exact Time"
inline constexpr std::wstring_view kForceShutdownBox = L"CheckBox33";  // "Force Shutdown"
inline constexpr std::wstring_view kPowerOffDisplay = L"Image3";
inline constexpr std::wstring_view kPowerOffTimeLabel = L"Label16";          // "00:00:00"
inline constexpr std::wstring_view kShowPowerOffTimeBox = L"CheckBox13";     // "Show in Clock"
inline constexpr std::wstring_view kPowerOffTimeInFrontBox = L"CheckBox17";  // "In Front of Clock Hands"
inline constexpr std::wstring_view kPowerOffWarningOnBox = L"CheckBox31";    // "Play Sound ->"
inline constexpr std::wstring_view kWarningSound1Button = L"RadioButton59";
inline constexpr std::wstring_view kWarningSound2Button = L"RadioButton60";
inline constexpr std::wstring_view kWarningSound3Button = L"RadioButton61";
// System Work Time [days h:m:s]
inline constexpr std::wstring_view kCheckWorkTimeBox = L"CheckBox11";  // "Check Time"
inline constexpr std::wstring_view kWorkTimeDisplay = L"Image5";
inline constexpr std::wstring_view kWorkTimeLabel = L"Label19";          // "123 00:00:00"
inline constexpr std::wstring_view kShowWorkTimeBox = L"CheckBox12";     // "Show Time in Clock"
inline constexpr std::wstring_view kWorkTimeInFrontBox = L"CheckBox16";  // "In Front of Clock Hands"
// Daily Planner
inline constexpr std::wstring_view kOpenPlannerButton = L"Button1";  // "Open Daily Planner"
// Countdown to the Future Date
inline constexpr std::wstring_view kCountdownDatePicker = L"DateTimePicker1";
inline constexpr std::wstring_view kCountdownTimePicker = L"DateTimePicker2";
inline constexpr std::wstring_view kShowCountdownBox =
    L"CheckBox14";  // "Show Countdown Time in the Clock  [ days  h:min:sec ]"
inline constexpr std::wstring_view kCountdownInFrontBox = L"CheckBox15";  // "In Front of Clock Hands"
// Inform at Full Hour
// By Sound Effect
inline constexpr std::wstring_view kHourSound1Button = L"RadioButton16";
inline constexpr std::wstring_view kHourSound2Button = L"RadioButton17";
inline constexpr std::wstring_view kHourSound3Button = L"RadioButton18";
inline constexpr std::wstring_view kHourSound4Button = L"RadioButton19";
inline constexpr std::wstring_view kHourSound5Button = L"RadioButton20";
inline constexpr std::wstring_view kHourSound6Button = L"RadioButton38";
inline constexpr std::wstring_view kHourSound7Button = L"RadioButton40";
inline constexpr std::wstring_view kHourSound8Button = L"RadioButton42";
inline constexpr std::wstring_view kHourSound9Button = L"RadioButton46";
inline constexpr std::wstring_view kHourSound10Button = L"RadioButton49";
inline constexpr std::wstring_view kHourSound11Button = L"RadioButton62";
inline constexpr std::wstring_view kHourSound12Button = L"RadioButton64";
inline constexpr std::wstring_view kHourSoundOffButton = L"RadioButton21";  // "OFF"
// By Visiual Effect
inline constexpr std::wstring_view kHourEffect1Button = L"RadioButton22";
inline constexpr std::wstring_view kHourEffect2Button = L"RadioButton23";
inline constexpr std::wstring_view kHourEffect3Button = L"RadioButton24";
inline constexpr std::wstring_view kHourEffect4Button = L"RadioButton25";
inline constexpr std::wstring_view kHourEffect5Button = L"RadioButton26";
inline constexpr std::wstring_view kHourEffect6Button = L"RadioButton39";
inline constexpr std::wstring_view kHourEffect7Button = L"RadioButton41";
inline constexpr std::wstring_view kHourEffect8Button = L"RadioButton43";
inline constexpr std::wstring_view kHourEffect9Button = L"RadioButton47";
inline constexpr std::wstring_view kHourEffect10Button = L"RadioButton48";
inline constexpr std::wstring_view kHourEffect11Button = L"RadioButton63";
inline constexpr std::wstring_view kHourEffect12Button = L"RadioButton65";
inline constexpr std::wstring_view kHourEffectOffButton = L"RadioButton27";  // "OFF"

// ---- Page "Clock Color Settings" ----
inline constexpr std::wstring_view kClockColourPage = L"TabSheet2";  // "Clock Color Settings"
// Font Settings
inline constexpr std::wstring_view kFaceFontNameLabel = L"Label50";   // "Font Type"
inline constexpr std::wstring_view kFaceFontNameList = L"ComboBox5";  // "Font"
inline constexpr std::wstring_view kFaceFontSizeLabel = L"Label51";   // "Size"
inline constexpr std::wstring_view kFaceFontSizeList = L"ComboBox6";
inline constexpr std::wstring_view kFaceFontStyleLabel = L"Label52";  // "Style"
inline constexpr std::wstring_view kFaceFontStyleList = L"ComboBox7";
inline constexpr std::wstring_view kDigitColourBox = L"ColorBox3";
// Clock Hands Settings
inline constexpr std::wstring_view kHandStyleLabel = L"Label53";  // "Clock Hands Style"
inline constexpr std::wstring_view kHandStyleList = L"ComboBox2";
inline constexpr std::wstring_view kHandColourBox = L"ColorBox9";
inline constexpr std::wstring_view kSecondHandOffBox = L"CheckBox5";  // "Second Hand OFF"
inline constexpr std::wstring_view kAllHandsOffBox = L"CheckBox24";   // "All Hands OFF"
// Day Of The Week
inline constexpr std::wstring_view kWeekdayColourBox = L"ColorBox4";
inline constexpr std::wstring_view kWeekdayOffBox = L"CheckBox1";        // "OFF"
inline constexpr std::wstring_view kWeekdayShortNameBox = L"CheckBox2";  // "Short Name"
inline constexpr std::wstring_view kWeekdayInFrontBox = L"CheckBox18";   // "In Front of Clock Hands"
// Clock Window Time Display
inline constexpr std::wstring_view kPowerOffTimeColourBox = L"ColorBox10";
inline constexpr std::wstring_view kWorkTimeColourBox = L"ColorBox12";
inline constexpr std::wstring_view kCountdownColourBox = L"ColorBox14";
// Clock Frame,  Background,  Digits
inline constexpr std::wstring_view kFrameColourLabel = L"Label54";  // "Frame Color"
inline constexpr std::wstring_view kFrameColourList = L"ComboBox1";
inline constexpr std::wstring_view kFrameStyleLabel = L"Label55";  // "Frame Style"
inline constexpr std::wstring_view kFrameStyleList = L"ComboBox12";
inline constexpr std::wstring_view kBackgroundColourBox = L"ColorBox1";
inline constexpr std::wstring_view kDigitsOffBox = L"CheckBox23";  // "OFF"
// Date
inline constexpr std::wstring_view kDateColourBox = L"ColorBox5";
inline constexpr std::wstring_view kDateOffBox = L"CheckBox3";                // "OFF"
inline constexpr std::wstring_view kLongMonthNameButton = L"RadioButton57";   // "Long Month Name"
inline constexpr std::wstring_view kShortMonthNameButton = L"RadioButton58";  // "Short Month Name"
inline constexpr std::wstring_view kShortDateBox = L"CheckBox4";              // "Short Date"
inline constexpr std::wstring_view kDateInFrontBox = L"CheckBox19";           // "In Front of Clock Hands"
// Seconds
inline constexpr std::wstring_view kSecondsColourBox = L"ColorBox2";
inline constexpr std::wstring_view kSecondsOffBox = L"CheckBox22";  // "OFF"
inline constexpr std::wstring_view kSecondsStyle1Button = L"RadioButton12";
inline constexpr std::wstring_view kSecondsStyle2Button = L"RadioButton36";
inline constexpr std::wstring_view kSecondsStyle3Button = L"RadioButton13";
inline constexpr std::wstring_view kSecondsStyle4Button = L"RadioButton55";
inline constexpr std::wstring_view kSecondsStyle5Button = L"RadioButton14";
inline constexpr std::wstring_view kSecondsStyle6Button = L"RadioButton37";
inline constexpr std::wstring_view kSecondsStyle7Button = L"RadioButton15";
inline constexpr std::wstring_view kSecondsStyle8Button = L"RadioButton56";
inline constexpr std::wstring_view kSecondsStyle9Button = L"RadioButton51";
inline constexpr std::wstring_view kSecondsStyle10Button = L"RadioButton52";
inline constexpr std::wstring_view kSecondsStyle11Button = L"RadioButton53";
inline constexpr std::wstring_view kSecondsStyle12Button = L"RadioButton54";
inline constexpr std::wstring_view kLaserColourBox = L"ColorBox8";
inline constexpr std::wstring_view kLaserOffBox = L"CheckBox6";  // "OFF"
// Digital Time
inline constexpr std::wstring_view kDigitalTimeColourBox = L"ColorBox6";
inline constexpr std::wstring_view kDigitalTimeOffBox = L"CheckBox25";              // "OFF"
inline constexpr std::wstring_view kDigitalTimeInFrontBox = L"CheckBox26";          // "In Front of Clock Hands"
inline constexpr std::wstring_view kTwelveHourFormatButton = L"RadioButton44";      // "12 h Format"
inline constexpr std::wstring_view kTwentyFourHourFormatButton = L"RadioButton45";  // "24 h Format"
inline constexpr std::wstring_view kDigitalAmPmOffBox = L"CheckBox28";              // "AM/PM OFF"
inline constexpr std::wstring_view kDigitalSecondsOffBox = L"CheckBox29";           // "Sec OFF"

// ---- Page "RSS Reader" ----
inline constexpr std::wstring_view kRssReaderPage = L"TabSheet3";  // "RSS Reader"
// ADD, Remove RSS Channels
// "(example RSS address:  https://feeds.bbci.co.uk/news/rss.xml )"
inline constexpr std::wstring_view kExampleAddressLabel = L"Label40";
inline constexpr std::wstring_view kChannelAddressLabel = L"Label41";  // "RSS Channel Address"
inline constexpr std::wstring_view kChannelAddressEdit = L"Edit2";
inline constexpr std::wstring_view kChannelNameLabel = L"Label42";  // "Your own Channel Name"
inline constexpr std::wstring_view kChannelNameEdit = L"Edit3";
inline constexpr std::wstring_view kAddChannelButton = L"Button3";     // "Add RSS Address Channel to The List"
inline constexpr std::wstring_view kRemoveChannelButton = L"Button2";  // "Select Position and Remove From The List"
inline constexpr std::wstring_view kChannelListLabel = L"Label39";     // "RSS Channel List"
inline constexpr std::wstring_view kChannelListView = L"ListView1";
// RSS Player
inline constexpr std::wstring_view kRssChannelLabel = L"Label43";   // "Select RSS Channel"
inline constexpr std::wstring_view kRssChannelList = L"ComboBox8";  // "Select RSS Channel"
inline constexpr std::wstring_view kReadRssButton = L"Button4";     // "Read RSS Channel"
inline constexpr std::wstring_view kStopRssButton = L"Button6";     // "Stop Read"
// RSS Player Settings Window
inline constexpr std::wstring_view kTickerFontNameLabel = L"Label47";  // "Font Type"
inline constexpr std::wstring_view kTickerFontNameList = L"ComboBox9";
inline constexpr std::wstring_view kTickerFontStyleLabel = L"Label48";  // "Font Style"
inline constexpr std::wstring_view kTickerFontStyleList = L"ComboBox10";
inline constexpr std::wstring_view kTickerFontSizeLabel = L"Label49";  // "Font Size"
inline constexpr std::wstring_view kTickerFontSizeList = L"ComboBox11";
inline constexpr std::wstring_view kTickerTopLabel = L"Label44";  // "Position"
inline constexpr std::wstring_view kTickerTopBar = L"ScrollBar4";
inline constexpr std::wstring_view kTickerStepLabel = L"Label45";  // "Scrolling Step"
inline constexpr std::wstring_view kTickerStepBar = L"ScrollBar5";
inline constexpr std::wstring_view kTickerIntervalLabel = L"Label46";  // "Scrolling Speed"
inline constexpr std::wstring_view kTickerIntervalBar = L"ScrollBar6";
// Play Selected RSS Channel Every
inline constexpr std::wstring_view kRssEvery15MinutesButton = L"RadioButton28";  // "15min"
inline constexpr std::wstring_view kRssEvery30MinutesButton = L"RadioButton29";  // "30min"
inline constexpr std::wstring_view kRssEveryHourButton = L"RadioButton30";       // "1h"
inline constexpr std::wstring_view kRssEvery2HoursButton = L"RadioButton31";     // "2h"
inline constexpr std::wstring_view kRssEvery4HoursButton = L"RadioButton32";     // "4h"
inline constexpr std::wstring_view kRssScheduleOffButton = L"RadioButton33";     // "OFF"

// ---- Timers (they run whether the panel shows or not) ----
inline constexpr std::wstring_view kFaceTimer = L"Timer1";                // the face and the strip
inline constexpr std::wstring_view kSecondTickTimer = L"Timer2";          // every second's duties
inline constexpr std::wstring_view kWorkTimeTimer = L"Timer3";            // the work time display
inline constexpr std::wstring_view kDigitEffectTimer = L"Timer4";         // the full hour's digit effect
inline constexpr std::wstring_view kForceShutdownBlinkTimer = L"Timer7";  // "Force Shutdown" blinking

}  // namespace tikora
