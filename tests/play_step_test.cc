#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "game/game.h"
#include "test_support.h"

namespace {

// Plays in a directory holding the token vocabulary (line N matches "cN"), output captured.
class PlayStepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream tokens(PRISMORA_TOKEN_RESPONSES);
    work_.Write("PlayerResponse.txt", std::string(std::istreambuf_iterator<char>(tokens), {}));
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(work_.path());
    saved_ = std::cout.rdbuf(out_.rdbuf());
  }
  void TearDown() override {
    std::cout.rdbuf(saved_);
    std::filesystem::current_path(previous_);
  }

  TempDir work_;
  std::filesystem::path previous_;
  std::ostringstream out_;
  std::streambuf* saved_ = nullptr;
};

TEST_F(PlayStepTest, EachStepIsOneTitleLineOrOneTurn) {
  std::istringstream in("c7\nc2\nc10\nc38\n");
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;

  EXPECT_EQ(PlayStep(game, point), std::nullopt);  // c7 means nothing: the title again
  EXPECT_FALSE(game.flags.titleDone);
  EXPECT_EQ(PlayStep(game, point), std::nullopt);  // c2 starts
  EXPECT_TRUE(game.flags.titleDone);
  EXPECT_EQ(game.currentRoom, "Snowy Path");
  EXPECT_EQ(PlayStep(game, point), std::nullopt);  // the path's turn: north
  EXPECT_EQ(game.currentRoom, "Snowy Yard");
  EXPECT_EQ(game.inputNumber, 10);
  EXPECT_EQ(PlayStep(game, point), std::nullopt);  // the yard's turn: look
  EXPECT_EQ(game.inputNumber, 38);
  EXPECT_EQ(game.currentRoom, "Snowy Yard");
  EXPECT_EQ(PlayStep(game, point), std::optional<int>(0));  // input ends at the prompt
}

TEST_F(PlayStepTest, FinalSceneThenBannerAreStepsOfTheirOwn) {
  std::istringstream in("c2\n");
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;
  ASSERT_EQ(PlayStep(game, point), std::nullopt);
  // Put the player where the cliffside path's north leads.
  game.world.location = FindRoom(game.world, "Final Room");
  game.currentRoom = "Final Room";
  out_.str("");

  EXPECT_EQ(PlayStep(game, point), std::nullopt);  // the final scene, nothing read
  EXPECT_TRUE(game.flags.gameOver);
  EXPECT_NE(out_.str().find("Wide Field"), std::string::npos);
  EXPECT_EQ(out_.str().find("Thank you for playing"), std::string::npos);
  EXPECT_EQ(PlayStep(game, point), std::optional<int>(0));  // then the banner ends play
  EXPECT_NE(out_.str().find("You've reached the end. Thank you for playing!"), std::string::npos);
}

TEST_F(PlayStepTest, QuittingOnTheTitleEndsWithZero) {
  std::istringstream in("c5\nc2\n");
  LineReader reader{&in};
  Game game(reader);
  PlayPoint point;
  EXPECT_EQ(PlayStep(game, point), std::optional<int>(0));
  EXPECT_FALSE(game.flags.titleDone);
}

}  // namespace
