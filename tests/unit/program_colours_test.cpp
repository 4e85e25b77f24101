// What the clock's colours and frame reach in the other windows of the whole program: each colour
// box of the control panel in exactly the parts of the reminder, the ticker and today's page that
// show it, and the recoloured stripe in every striped window after a frame colour or style change.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "tests/unit/program_fixture.h"

namespace tikora {
namespace {

using E = ComponentEvent;

class ProgramColoursTest : public ::testing::Test, protected testing::FakeProgramServices {
 protected:
  void SetUp() override {
    clock.setLocalTime(2024, 3, 14, 10, 0, 0);
    program = startProgram();
  }
  ComponentTable& panel() { return program->controlPanel()->components(); }

  std::unique_ptr<ProgramModel> program;
};

TEST_F(ProgramColoursTest, EachColourBoxReachesExactlyThePartsThatShowIt) {
  ComponentTable& reminder = program->reminder()->components();
  ComponentTable& ticker = program->ticker()->components();
  ComponentTable& today = program->todaysDate()->components();
  program->ticker()->clearHeadlines();
  program->ticker()->addHeadline(0, L"A headline");
  program->ticker()->finishHeadlines();
  const std::wstring headline = headlineName(0);

  // Every box a colour of its own, so that two boxes swapped show.
  const std::vector<std::wstring> boxes{L"ColorBox1", L"ColorBox2", L"ColorBox3",
                                        L"ColorBox4", L"ColorBox5", L"ColorBox9"};
  const auto colourOf = [&](std::wstring_view box) {
    return Colour(0x101010u * (1 + (std::find(boxes.begin(), boxes.end(), box) - boxes.begin())));
  };
  for (const std::wstring& box : boxes) {
    ComponentInput input;
    input.colour = colourOf(box);
    panel().raise(box, E::Change, input);
  }
  enum Part { Text, Back };
  struct Use {
    ComponentTable& window;
    const wchar_t* component;
    Part part;
    const wchar_t* box;  // background ColorBox1, seconds 2, digits 3, weekday 4, date 5, hands 9
  };
  const Use uses[] = {
      {reminder, L"TForm4", Back, L"ColorBox1"}, {reminder, L"Label1", Text, L"ColorBox2"},
      {reminder, L"Label2", Text, L"ColorBox2"}, {reminder, L"Label3", Text, L"ColorBox2"},
      {reminder, L"Label4", Text, L"ColorBox2"}, {reminder, L"Label5", Text, L"ColorBox9"},
      {reminder, L"Label6", Text, L"ColorBox3"}, {reminder, L"Label6", Back, L"ColorBox1"},
      {ticker, L"TForm5", Back, L"ColorBox1"},   {ticker, headline.c_str(), Text, L"ColorBox3"},
      {today, L"TForm7", Back, L"ColorBox1"},    {today, L"Panel1", Text, L"ColorBox4"},
      {today, L"Panel2", Back, L"ColorBox2"},    {today, L"Panel2", Text, L"ColorBox5"},
      {today, L"Panel3", Back, L"ColorBox2"},    {today, L"Panel3", Text, L"ColorBox4"},
      {today, L"Panel4", Back, L"ColorBox1"},    {today, L"Panel4", Text, L"ColorBox3"},
  };
  for (const Use& use : uses) {
    const ComponentState& state = use.window[use.component];
    EXPECT_EQ(use.part == Text ? state.textColour : state.background, colourOf(use.box))
        << use.window.window().name << " " << use.component << (use.part == Text ? " text" : " background");
  }
}

TEST_F(ProgramColoursTest, AFrameColourOrStyleChangeRepaintsTheStripeOfEveryStripedWindow) {
  const std::vector<ComponentTable*> striped{&program->reminder()->components(), &program->ticker()->components(),
                                             &program->pageView()->components(), &program->todaysDate()->components()};
  const auto stripeNames = [&] {
    std::vector<std::wstring> names;
    for (ComponentTable* window : striped)
      for (const Component& c : window->all())
        if (c.kind == ComponentKind::Picture && c.state.picture.starts_with(L"stripe"))
          names.push_back(c.state.picture);
    return names;
  };
  ASSERT_EQ(stripeNames().size(), 9u) << "a stripe at the top and the bottom of each, the reminder's close button";
  struct Change {
    const wchar_t* list;
    int choice;
  };
  for (const Change change : {Change{L"ComboBox1", 2}, Change{L"ComboBox12", 20}}) {
    const std::vector<std::wstring> before = stripeNames();
    const Bitmap stripeBefore = *program->picture(L"stripe");
    ComponentInput input;
    input.selected = change.choice;
    panel().raise(change.list, E::Change, input);
    // Every stripe names the new picture, so that its view paints it again, and the picture is
    // the clock's own stripe in the frame's new colours.
    for (const std::wstring& name : stripeNames()) {
      EXPECT_EQ(name, stripeNames().front()) << change.list;
      EXPECT_EQ(std::find(before.begin(), before.end(), name), before.end()) << change.list;
    }
    EXPECT_EQ(program->picture(L"stripe"), &program->face()->faceLayer().stripe);
    if (std::wstring_view(change.list) == L"ComboBox1") {
      EXPECT_NE(*program->picture(L"stripe"), stripeBefore) << "recoloured";
    }
  }
}

}  // namespace
}  // namespace tikora
