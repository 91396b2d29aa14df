#include "game/table_check.h"

#include <algorithm>

#include "text/console.h"

namespace {

bool Overlap(CodeRange a, CodeRange b) {
  return a.first <= b.last && b.first <= a.last;
}
bool Same(CodeRange a, CodeRange b) {
  return a.first == b.first && a.last == b.last;
}

const char* NameOf(CodeRange codes) {
  for (const CodeMeaning& meaning : kCodeMeanings) {
    if (Same(meaning.codes, codes))
      return meaning.name;
  }
  return "?";
}

// Whether the rows that take the meaning answer it where the data says it works.
bool AnsweredWhereDeclared(const CodeMeaning& meaning, const std::vector<Row>& shared,
                           const std::vector<RoomScript>& rooms) {
  const auto sharedRow = std::find_if(
      shared.begin(), shared.end(), [&](const Row& row) { return Same(row.codes, meaning.codes); });
  const bool inSomeRoom = std::any_of(rooms.begin(), rooms.end(), [&](const RoomScript& room) {
    return std::any_of(room.rows.begin(), room.rows.end(),
                       [&](const Row& row) { return Same(row.codes, meaning.codes); });
  });
  if (meaning.where == Where::kAnswer)
    return sharedRow == shared.end() && !inSomeRoom;
  if (sharedRow == shared.end())
    return meaning.where == Where::kSomeRooms && inSomeRoom;
  switch (meaning.where) {
    case Where::kTitle:
      return sharedRow->onTitle && !sharedRow->inRooms && !inSomeRoom;
    case Where::kEverywhere:
      return sharedRow->onTitle && sharedRow->inRooms;
    case Where::kEveryRoom:
      return !sharedRow->onTitle && sharedRow->inRooms;
    case Where::kSomeRooms:
    case Where::kAnswer:
      return false;
  }
  return false;
}

}  // namespace

std::vector<std::string> CheckTable(const std::vector<Row>& shared,
                                    const std::vector<RoomScript>& rooms, RoomId endRoom) {
  std::vector<std::string> faults;
  for (std::size_t i = 0; i < kRoomCount; ++i) {
    const RoomId id = static_cast<RoomId>(i);
    const auto count = std::count_if(rooms.begin(), rooms.end(),
                                     [id](const RoomScript& room) { return room.id == id; });
    if (count == 0 && id != endRoom)
      faults.push_back(Fill(Text::kNoRoomRow, {TextsOf(id).place}));
    if (count > 1)
      faults.push_back(Fill(Text::kRoomTwice, {TextsOf(id).place}));
  }

  std::vector<const Row*> all;
  for (const Row& row : shared)
    all.push_back(&row);
  for (const RoomScript& room : rooms) {
    for (const Row& row : room.rows)
      all.push_back(&row);
  }
  for (const Row* row : all) {
    if (std::string(NameOf(row->codes)) == "?")
      faults.push_back(Fill(Text::kUndeclaredRow, {std::to_string(row->codes.first) + "-" +
                                                   std::to_string(row->codes.last)}));
  }
  for (std::size_t a = 0; a < shared.size(); ++a) {
    for (std::size_t b = a + 1; b < shared.size(); ++b) {
      if (Overlap(shared[a].codes, shared[b].codes))
        faults.push_back(Fill(Text::kSharedTwice, {NameOf(shared[b].codes)}));
    }
  }
  for (const RoomScript& room : rooms) {
    for (const Row& own : room.rows) {
      const bool shadows = std::any_of(shared.begin(), shared.end(), [&](const Row& row) {
        return row.inRooms && Overlap(row.codes, own.codes);
      });
      if (shadows && !own.overrides)
        faults.push_back(Fill(Text::kShadowed, {TextsOf(room.id).place, NameOf(own.codes)}));
    }
  }
  for (const CodeMeaning& meaning : kCodeMeanings) {
    if (!AnsweredWhereDeclared(meaning, shared, rooms))
      faults.push_back(Fill(Text::kWrongWhere, {meaning.name}));
  }
  return faults;
}
