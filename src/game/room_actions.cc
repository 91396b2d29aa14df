#include "game/room_actions.h"

#include "game/show.h"
#include "text/console.h"

namespace {

void LookAtRoomLight(Turn& turn) {
  LookAtLight(turn.game, *turn.room->light);
}

void HoldUpRoomStones(Turn& turn) {
  HoldUpStones(turn.game, *turn.room->light);
}

// The party's magic opens the light whatever is carried, as often as it is cast.
void CastAtLight(Turn& turn) {
  GiveItem(turn.game, *turn.row->text, turn.room->light->key);
}

}  // namespace

void SayRowText(Turn& turn) {
  Say(*turn.row->text);
}

void HoldUpPair(Turn& turn) {
  const ColourLight* light = turn.room->light;
  if (light == nullptr) {
    Say(Text::kNothingForStones);
    return;
  }
  const ItemId a = *turn.row->item;
  const ItemId b = *turn.row->item2;
  if ((a == light->stone1 && b == light->stone2) || (a == light->stone2 && b == light->stone1))
    HoldUpStones(turn.game, *light);
  else
    Say(Text::kStonesMissing);
}

void TalkToBlot(Turn& turn) {
  ClearScreen();
  Say(Text::kTalkBlotHeading);
  Say(turn.game.flags.blotTalked ? Text::kBlotRefuses : Text::kBlotTalk);
  turn.game.flags.blotTalked = true;
}

void HandOver(Turn& turn) {
  GiveItem(turn.game, *turn.row->text, *turn.row->item);
  Has(turn.game.flags, *turn.row->item) = true;
}

std::vector<Row> LightRows(const ColourLight& light) {
  std::vector<Row> rows;
  if (light.examineText)
    rows.push_back(Answer(light.examineCode, LookAtRoomLight));
  rows.push_back(Answer(code::kOneStone, SayRowText)
                     .Saying(Text::kOneStoneAlone)
                     .ShowsRoomFirst()
                     .Overrides());
  rows.push_back(Answer(light.stonesCode, HoldUpRoomStones));
  rows.push_back(Answer(code::kUseStones, HoldUpRoomStones).Overrides());
  rows.push_back(Answer(light.magicCode, CastAtLight).Saying(light.magicText));
  rows.push_back(Answer(code::kJesterMagic, CastAtLight).Saying(light.jesterText));
  return rows;
}
