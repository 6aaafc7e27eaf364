// The close, clear and donate buttons, the donate page and its link.
#include <string>

#include "png_check.h"
#include "workbench/window_buttons.h"
#include "workbench_fixture.h"

namespace workbench::testing {
namespace {

class WindowButtonsTest : public WorkbenchFixture {
 protected:
  // A visible clear button needs text in both boxes.
  void ShowClearButton() {
    TypeSubject("some text");
    TypePattern("abc");
  }
};

constexpr uint32_t kPressed = 0xFFC04851;
constexpr uint32_t kHovered = 0xFFED5A65;
constexpr uint32_t kRest = 0xFE000000;

TEST_F(WindowButtonsTest, CloseAndClearButtonsColourOnPressHoverAndLeave) {
  Start();
  ShowClearButton();
  for (SkinHandle button : {controls.closeButton, controls.clearButton}) {
    ASSERT_TRUE(kit::IsShown(button));
    ASSERT_TRUE(kit::Press(button));
    EXPECT_EQ(State(button).textColour, kPressed);
    ASSERT_TRUE(kit::PointerIn(button));
    EXPECT_EQ(State(button).textColour, kHovered);
    ASSERT_TRUE(kit::PointerOut(button));
    EXPECT_EQ(State(button).textColour, kRest);
  }
}

TEST_F(WindowButtonsTest, CloseClickDestroysTheWindow) {
  Start();
  ASSERT_TRUE(Click(controls.closeButton));
  EXPECT_TRUE(kit::IsClosed());
  EXPECT_FALSE(kit::Exists(controls.mainWindow));
}

TEST_F(WindowButtonsTest, ClearEmptiesThePatternAndEverythingItFed) {
  Start();
  ShowClearButton();
  Tick();
  ASSERT_EQ(RowCount(), 0);  // "abc" is not in the subject...
  TypePattern("t");
  Tick();
  ASSERT_GT(RowCount(), 0);  // ...but "t" is
  ASSERT_TRUE(kit::IsShown(controls.clearButton));

  ASSERT_TRUE(Click(controls.clearButton));
  EXPECT_EQ(PatternText(), "");
  EXPECT_EQ(ConfigValue("Pattern"), "");
  EXPECT_FALSE(State(controls.clearButton).visible);
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(Status(), "匹配文本：");
  EXPECT_EQ(SubjectText(), "some text");
  Tick();  // nothing runs after it
  EXPECT_EQ(RowCount(), 0);
}

TEST_F(WindowButtonsTest, DonateButtonTitleAndColourFollowPointerAndPage) {
  Start();
  SkinHandle donate = controls.donateButton;
  struct Step {
    enum { In, Out, Click } action;
    const char* title;
    uint32_t colour;
    int page;
  };
  const Step steps[] = {
      {Step::In, "打赏", 0xFF16649E, 0},  {Step::Out, "···", 0xFF383838, 0},
      {Step::In, "打赏", 0xFF16649E, 0},  {Step::Click, "返回", 0xFF16649E, 1},
      {Step::Out, "返回", 0xFF383838, 1}, {Step::In, "返回", 0xFF16649E, 1},
      {Step::Click, "打赏", 0xFF16649E, 0}, {Step::Out, "···", 0xFF383838, 0},
  };
  int i = 0;
  for (const Step& step : steps) {
    bool done = step.action == Step::In    ? kit::PointerIn(donate)
                : step.action == Step::Out ? kit::PointerOut(donate)
                                           : Click(donate);
    ASSERT_TRUE(done) << "step " << i;
    EXPECT_EQ(State(donate).title, step.title) << "step " << i;
    EXPECT_EQ(State(donate).textColour, step.colour) << "step " << i;
    EXPECT_EQ(State(controls.tabs).current, step.page) << "step " << i;
    ++i;
  }
}

TEST_F(WindowButtonsTest, StartOnTheDonatePageOneClickLeadsBack) {
  WriteConfig("Window", "1");
  Start();
  ASSERT_EQ(State(controls.donateButton).title, "返回");
  ASSERT_TRUE(Click(controls.donateButton));
  EXPECT_EQ(State(controls.tabs).current, 0);
  EXPECT_EQ(State(controls.donateButton).title, "打赏");
}

TEST_F(WindowButtonsTest, DonatePageShowsThePictureAndTheLinkOpensTheProjectPage) {
  Start();
  EXPECT_FALSE(kit::IsShown(controls.linkLabel));
  ASSERT_TRUE(kit::PointerIn(controls.donateButton));
  ASSERT_TRUE(Click(controls.donateButton));
  ASSERT_TRUE(kit::IsShown(controls.linkLabel));

  std::string picture = State(controls.donatePicture).image;
  PngInfo png = ReadPng(picture);
  EXPECT_TRUE(png.valid);
  EXPECT_EQ(png.width, 360u);
  EXPECT_EQ(png.height, 360u);
  EXPECT_EQ(State(controls.linkLabel).title, kLinkLabelText);
  EXPECT_FALSE(std::string(kLinkLabelText).empty());

  ASSERT_TRUE(Click(controls.linkLabel));
  ASSERT_EQ(platform::posix::OpenedPages().size(), 1u);
  EXPECT_EQ(platform::posix::OpenedPages()[0], kProjectPageUrl);
  EXPECT_EQ(std::string(kProjectPageUrl).rfind("https://", 0), 0u);
}

}  // namespace
}  // namespace workbench::testing
