#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/undo.h"
#include "memory_store.h"
#include "save/autosave.h"
#include "save/save_commands.h"
#include "save/save_file.h"
#include "save/save_folder.h"
#include "test_support.h"
#include "text/console.h"

namespace {

namespace fs = std::filesystem;

// A game in the kitchen with the yellow stone in hand and the bedroom key still on the table.
Moment Kitchen() {
  Moment m;
  m.flags.titleDone = true;
  m.world.location = RoomId::kKitchen;
  m.cameFrom = RoomId::kLivingRoom;
  for (RoomId room :
       {RoomId::kMountainPath, RoomId::kSnowyYard, RoomId::kLivingRoom, RoomId::kKitchen}) {
    Visited(m.flags, room) = true;
    m.flags.seeded[static_cast<std::size_t>(room)] = true;
  }
  Shown(m.flags, RoomId::kKitchen) = true;
  m.world.inventory = {ItemId::kYellowStone};
  m.world.At(RoomId::kKitchen).items = {ItemId::kBedroomKey};
  m.world.At(RoomId::kLivingRoom).items = {ItemId::kBlueStone};
  return m;
}

bool Same(const Moment& a, const Moment& b) {
  return SameStory(a, b) && a.hintSituation == b.hintSituation && a.cameFrom == b.cameFrom;
}

// `text` with `from` replaced by `to` and the check line made to fit again.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  const std::size_t check = text.rfind("check ");
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(Crc32(text.substr(0, check))));
  return text.substr(0, check) + "check " + hex + "\n";
}

// What a command says, and the game after it.
template <typename Command>
std::string Said(Command command) {
  std::ostringstream out;
  const ConsoleRedirect capture(out, out);
  command();
  return out.str();
}

struct GameAt {
  explicit GameAt(const Moment& m) : game(reader) {
    Restore(game, m);
    game.saves = &store;
  }
  std::istringstream in;
  LineReader reader{&in};
  Game game;
  MemoryStore store;
};

TEST(SaveTest, BadFilesAreRefusedWithTheirLineAndTheGameGoesOnUnchanged) {
  EXPECT_EQ(Crc32("123456789"), 0xcbf43926u);  // the standard check value
  const std::string good = WriteSave(Kitchen());
  const std::string mid = good.substr(good.size() / 2, 1);
  const struct {
    std::string file;
    const char* why;
  } cases[] = {
      {"", "it is not a saved game of Prismora"},
      {"hello\n", "it is not a saved game of Prismora"},
      {good.substr(0, 20), "it is not a saved game of Prismora"},  // in the first line
      {good.substr(0, good.find("items")),
       "it is damaged: its checksum does not match what it holds"},
      {good.substr(0, good.size() / 2), "it is damaged: its checksum does not match what it holds"},
      {good.substr(0, good.size() - 1), "it is damaged: its checksum does not match what it holds"},
      {good.substr(0, good.size() / 2) + (mid == "x" ? "y" : "x") +
           good.substr(good.size() / 2 + 1),
       "it is damaged: its checksum does not match what it holds"},
      {Edited(good, "format 1", "format 2"),
       "it was saved by a newer version of the game (format 2)"},
      {Edited(good, "room Kitchen", "room Attic"),
       "it names a room this game does not have: Attic"},
      {Edited(good, "carried YellowStone", "carried Lantern"),
       "it names an item this game does not have: Lantern"},
      {Edited(good, "carried YellowStone", "carried YellowStone YellowStone"),
       "it holds more of the Yellow Stone than the rooms ever put down"},
      {Edited(good, "facts titleDone", "facts"), "it holds no game in play"},
      {Edited(good, "shown Kitchen", "shown Hallway"),
       "its flags contradict each other (shown Hallway)"},
      {Edited(good, "back LivingRoom\n", ""),
       "it is damaged: line 3 is not what a saved game holds there"},
      {std::string(kMaxSaveBytes + 1, '\n'), "it is larger than any saved game"},
  };
  for (const auto& c : cases) {
    GameAt at(Kitchen());
    at.store.games["bad"] = c.file;
    at.game.PlayerInput = "restore bad";
    const Moment start = MomentOf(at.game);
    EXPECT_EQ(Said([&] { RestoreGame(at.game, &start); }),
              std::string("\n     The saved game bad can't be restored: ") + c.why + ".\n")
        << c.file;
    EXPECT_TRUE(Same(MomentOf(at.game), Kitchen()) && at.game.undo.empty() && !at.game.afterEntry)
        << c.why;
  }
  GameAt at(Kitchen());
  at.store.games["good"] = good;
  at.game.PlayerInput = "restore good";
  RestoreGame(at.game, nullptr);
  EXPECT_TRUE(at.game.afterEntry && !Shown(at.game.flags, RoomId::kKitchen));
}

TEST(SaveTest, ANameIsOneWordThatCannotLeaveTheFolder) {
  const std::string bad =
      "\n     A saved game's name is one word of letters, digits, - and _, such as: save castle\n";
  const struct {
    std::string line;
    std::optional<std::string> name;
  } cases[] = {
      {"save", "game"},
      {"c30", "game"},
      {"load game", "game"},
      {"  Save Castle.", "castle"},
      {"please save the game as gate-2", "gate-2"},
      {"save x_1", "x_1"},
      {"save ../castle", std::nullopt},
      {"save a/b", std::nullopt},
      {"save .hidden", std::nullopt},
      {"save big castle", std::nullopt},
      {"save " + std::string(kMaxSaveNameLength, 'a'), std::string(kMaxSaveNameLength, 'a')},
      {"save " + std::string(kMaxSaveNameLength + 1, 'a'), std::nullopt},
  };
  for (const auto& c : cases) {
    std::optional<std::string> name;
    EXPECT_EQ(Said([&] { name = SaveNameIn(c.line); }), c.name ? "" : bad) << c.line;
    EXPECT_EQ(name, c.name) << c.line;
  }
}

TEST(SaveTest, TheFolderIsWrittenWholeOrNotAtAll) {
  const fs::path root = fs::path(WriteTempFile("state", "")).concat(".d");
  fs::remove_all(root);
  FolderStore store((root / "made" / "prismora").string());
  ASSERT_EQ(store.Write("castle", "one").failure, StoreFailure::kNone);  // parents made too
  ASSERT_EQ(store.Write("castle", "two").failure, StoreFailure::kNone);
  std::ofstream(root / "made" / "prismora" / "notes.txt") << "not a game";
  fs::create_directory(root / "made" / "prismora" / "tower.save");  // cannot be replaced
  EXPECT_EQ(store.Write("tower", "three").failure, StoreFailure::kNotWritable);
  EXPECT_EQ(store.Read("castle").bytes, "two");
  EXPECT_EQ(store.Read("moat").failure, StoreFailure::kMissing);
  EXPECT_EQ(store.Names(), (std::vector<std::string>{"castle", "tower"}));
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root / "made" / "prismora"))
    ++files;
  EXPECT_EQ(files, 3u) << "a temporary file was left behind";
  std::ofstream(root / "made" / "prismora" / "huge.save") << std::string(kMaxSaveBytes + 1, 'x');
  EXPECT_EQ(store.Read("huge").failure, StoreFailure::kTooLarge);

  // A folder that cannot be made (its parent is a file): one line, and the game goes on.
  GameAt at(Kitchen());
  FolderStore blocked((root / "made" / "prismora" / "notes.txt" / "prismora").string());
  at.game.saves = &blocked;
  at.game.PlayerInput = "save";
  EXPECT_EQ(Said([&] { SaveGame(at.game); }),
            "\n     Your game could not be saved: the folder " +
                (root / "made" / "prismora" / "notes.txt" / "prismora").string() +
                " can't be written (Not a directory). The game goes on.\n");
  EXPECT_TRUE(Same(MomentOf(at.game), Kitchen()));
  fs::remove_all(root);
}

// The page's play: kept after every move, gone on with when opened again, forgotten on restart.
TEST(SaveTest, AKeptGameGoesOnWhenThePlayIsOpenedAgain) {
  const fs::path folder = fs::path(WriteTempFile("play", "")).concat(".d");
  fs::create_directories(folder);
  fs::copy_file(PRISMORA_TOKEN_RESPONSES, folder / "PlayerResponse.txt");
  const fs::path before = fs::current_path();
  fs::current_path(folder);
  MemoryStore store;
  const auto play = [&store](const std::string& lines) {
    std::istringstream in(lines);
    LineReader reader{&in};
    return Said([&] { PlayKeepingTheGame(reader, store); });
  };
  play("c2\nc10\n");
  const std::string again = play("");
  EXPECT_EQ(again.substr(again.find("Snowy Yard")),
            "Snowy Yard\nYou're back in the snowy yard. The cabin lies to the east, the large gate "
            "to the north, and the worn path to the west. \n\n     Your game goes on where you "
            "left it. Type restart to begin again.\n\n     What would you like to do?\n");
  EXPECT_TRUE(store.Names().empty()) << "the kept game is listed as a named one";
  play("c8\nc67\n");
  EXPECT_EQ(play("").find("Snowy Yard"), std::string::npos) << "a game started over was kept";
  fs::current_path(before);
  fs::remove_all(folder);
}

}  // namespace
