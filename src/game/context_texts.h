#ifndef PRISMORA_GAME_CONTEXT_TEXTS_H_
#define PRISMORA_GAME_CONTEXT_TEXTS_H_

// What the game says to words it resolves from where the player stands (context_words.cc). The
// item messages for items named by their kind are built in src/items, like the other item ones.
namespace context_text {

// Direction words, in the order of RoomScript::guards.
constexpr const char* kWayNames[] = {"north", "east", "south", "west"};

constexpr char kWaysOutHeading[] = "\n     Ways out of here:";
constexpr char kWayIndent[] = "     ";
constexpr char kUnseenRoom[] = "somewhere you haven't been yet";

// "You're already " + where, + "."
constexpr char kAlreadyThere[] = "\n     You're already ";
// "You can't go straight " + where + " from here; the way there starts " + way + "."
constexpr char kNotNextToHere[] = "\n     You can't go straight ";
constexpr char kWayThereStarts[] = " from here; the way there starts ";
// "Which way do you mean: " + ways + "?"
constexpr char kWhichWay[] = "\n     Which way do you mean: ";

constexpr char kNothingForStones[] = "\n     There's nothing here to use the stones on.";

}  // namespace context_text

#endif  // PRISMORA_GAME_CONTEXT_TEXTS_H_
