#ifndef PRISMORA_GAME_STORY_FLAGS_H_
#define PRISMORA_GAME_STORY_FLAGS_H_

// Every fact the story remembers. All false at the start; nothing resets them as a group.
// "Shown" means the room is on screen since the player last arrived; "visited" that its
// first-visit text has been printed; "seeded" that a room has put its item down; "has" that an
// inventory scan once saw the item (it stays set after the item is dropped).
struct StoryFlags {
  bool titleDone = false;
  bool gameOver = false;

  bool snowyPathShown = false;
  bool snowyPathVisited = false;
  bool blotTalked = false;

  bool snowyYardShown = false;
  bool snowyYardVisited = false;
  bool gateInspected = false;
  bool hasOrangeKey = false;
  bool hasGreenKey = false;
  bool hasPurpleKey = false;
  bool headOutsidePending = false;

  bool wornPathShown = false;
  bool wornPathVisited = false;
  bool hasShedKey = false;
  bool graveyardShown = false;
  bool graveyardVisited = false;
  bool foodShedShown = false;
  bool foodShedVisited = false;

  bool cliffsidePathShown = false;
  bool cliffsidePathVisited = false;

  bool livingRoomShown = false;
  bool livingRoomVisited = false;
  bool blueStoneSeeded = false;
  bool kitchenShown = false;
  bool kitchenVisited = false;
  bool yellowStoneSeeded = false;
  bool bedroomKeySeeded = false;

  bool hallwayShown = false;
  bool hallwayVisited = false;
  bool hasBedroomKey = false;
  bool bedroomShown = false;
  bool bedroomVisited = false;

  bool basementShown = false;
  bool basementVisited = false;
  bool shedKeySeeded = false;

  bool hasRedStone = false;
  bool hasYellowStone = false;
  bool hasBlueStone = false;
};

#endif  // PRISMORA_GAME_STORY_FLAGS_H_
