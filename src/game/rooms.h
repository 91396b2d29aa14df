#ifndef PRISMORA_GAME_ROOMS_H_
#define PRISMORA_GAME_ROOMS_H_

#include "game/game.h"

// One turn of each room's loop; the dispatcher repeats a room's turn while the player is there.
void SnowyPathTurn(Game& game);
void SnowyYardTurn(Game& game);
void WornPathTurn(Game& game);
void GraveyardTurn(Game& game);
void FoodShedTurn(Game& game);
void CliffsidePathTurn(Game& game);

void LivingRoomTurn(Game& game);
void KitchenTurn(Game& game);
void HallwayTurn(Game& game);
void BedroomTurn(Game& game);
void BasementTurn(Game& game);

#endif  // PRISMORA_GAME_ROOMS_H_
