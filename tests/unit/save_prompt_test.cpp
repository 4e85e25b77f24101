// The control panel's close question: its exact boxes and texts, Yes saving in order, No writing
// nothing, and a save that fails told once with its reason.
#include "clock/save_prompt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "tests/unit/settings_reference.h"

namespace tikora {
namespace {

const std::wstring kQuestion =
    L"   You are leaving the Panel ... \r   Do you want save settings ? \r"
    L"______________________________________";  // 38
const std::wstring kSaved =
    L"   Settings have been saved successfully.\r"
    L"____________________________________________";  // 44
const std::wstring kUnsaved =
    L"    Settings remain unsaved.\r"
    L"____________________________________________";  // 44

class SavePromptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& s : reference::firstRunSettings()) reg.set(L"Tikora", s.name, s.value);
    settings.backgroundColour = 0x00336699;
  }
  MessageBoxRequest plain(const std::wstring& text) const {
    return {L"Tikora", text, MessageBoxButtons::Ok, MessageBoxIcon::None, {}};
  }

  FakeRegistry reg;
  FakeMessageBox boxes;
  SettingsStore store{reg, L"C:\\Tikora\\Tikora.exe"};
  Settings settings;
};

TEST_F(SavePromptTest, TextsAreExact) {
  EXPECT_EQ(savePromptQuestion(), kQuestion);
  EXPECT_EQ(settingsSavedMessage(), kSaved);
  EXPECT_EQ(settingsUnsavedMessage(), kUnsaved);
  EXPECT_EQ(settingsNotSavedMessage(Error{5, L"write value co_ha of Tikora: Access is denied."}),
            L"   Settings could not be saved.\r   write value co_ha of Tikora: Access is denied.\r"
            L"____________________________________________");
  EXPECT_EQ(settingsNotSavedMessage(Error{1018, L""}),
            L"   Settings could not be saved.\r   error 1018\r"
            L"____________________________________________");
}

TEST_F(SavePromptTest, YesSavesInOrderAndSaysSo) {
  boxes.queueAnswer(MessageBoxAnswer::Yes);
  EXPECT_EQ(runSavePrompt(store, settings, boxes), SavePromptOutcome::Saved);
  EXPECT_EQ(boxes.shown(),
            (std::vector<MessageBoxRequest>{
                {L"Control Panel - Settings", kQuestion, MessageBoxButtons::YesNo, MessageBoxIcon::Information, {}},
                plain(kSaved)}));
  EXPECT_EQ(reg.writtenNames(), reference::saveOrder());
  EXPECT_EQ(reg.value(L"Tikora", L"col_bg"), RegistryValue::ofDword(0x00336699));
}

TEST_F(SavePromptTest, NoWritesNothingAndLeavesTheSettingsAsTheyAre) {
  boxes.queueAnswer(MessageBoxAnswer::No);
  EXPECT_EQ(runSavePrompt(store, settings, boxes, {L"Tikora", L"TForm2"}), SavePromptOutcome::NotSaved);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[0].owner, L"TForm2");
  EXPECT_EQ(boxes.shown()[1],
            (MessageBoxRequest{L"Tikora", kUnsaved, MessageBoxButtons::Ok, MessageBoxIcon::None, L"TForm2"}));
  EXPECT_TRUE(reg.changes().empty());
  EXPECT_EQ(reg.writeAttempts(), 0u);
  EXPECT_EQ(settings.backgroundColour, 0x00336699u);

  // A box that could not be answered saves nothing either.
  boxes.clear();
  boxes.queueAnswer(MessageBoxAnswer::Failed);
  EXPECT_EQ(runSavePrompt(store, settings, boxes), SavePromptOutcome::NotSaved);
  EXPECT_EQ(boxes.texts().back(), kUnsaved);
  EXPECT_TRUE(reg.changes().empty());
}

TEST_F(SavePromptTest, AFailingWriteIsToldOnceAndKeepsTheValuesBeforeIt) {
  reg.failWritesOf(L"co_ha");  // the 12th value of the save order
  boxes.queueAnswer(MessageBoxAnswer::Yes);
  EXPECT_EQ(runSavePrompt(store, settings, boxes), SavePromptOutcome::SaveFailed);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[1], plain(L"   Settings could not be saved.\r   injected write failure\r"
                                    L"____________________________________________"));
  EXPECT_EQ(reg.writtenNames().size(), 11u);
  EXPECT_EQ(reg.value(L"Tikora", L"col_bg"), RegistryValue::ofDword(0x00336699));
  EXPECT_EQ(reg.openKeyCount(), 0);
}

TEST_F(SavePromptTest, AKeyThatCannotBeOpenedIsToldAndNothingIsWritten) {
  reg.failCreate(L"Tikora");
  boxes.queueAnswer(MessageBoxAnswer::Yes);
  EXPECT_EQ(runSavePrompt(store, settings, boxes), SavePromptOutcome::SaveFailed);
  EXPECT_EQ(boxes.texts().back(),
            L"   Settings could not be saved.\r   injected create failure\r"
            L"____________________________________________");
  EXPECT_TRUE(reg.changes().empty());
}

}  // namespace
}  // namespace tikora
