#include "world/room_texts.h"

#include "world/room_ids.h"

// Layout lives in the texts themselves: a leading "\n" gives an empty line, five spaces indent a
// paragraph, "\n\n     " separates paragraphs. Single "\n" inside the two opening rooms' texts
// keep their lines to 118 characters at most.
const std::array<RoomTexts, kRoomCount> kRoomTexts = {{
    {room_id::kSnowyPath, "\nMountain Path",
     "\n     The harsh mountain wind tugs at your cloak as you trudge through the deep snow, the "
     "path "
     "ahead of you all white.\n"
     "Even without the hostile magic that is draining the world of its color, this blizzard would "
     "have left nothing\n"
     "but whites and greys.",
     "\n     You're back on the path you came from, but there's no reason to go here. Your goal is "
     "to the north."},

    {room_id::kSnowyYard, "\nSnowy Yard",
     "\n     You come out into a large, snowy yard in front of the orphanage where you grew up."
     "\n\n     The cabin itself lies to the east, its large overhang shielding the porch from the "
     "blizzard."
     "\n\n     North is an ominous-looking gateway you only vaguely recall from childhood, shut "
     "with a "
     "large padlock and chains."
     "\n\n     To the west, nearly hidden by the snow, a path leads down the hill to where the "
     "food "
     "shed and the graveyard\n"
     "were.",
     "You're back in the snowy yard. The cabin lies to the east, the large gate to the north, and "
     "the worn path to the west. "},

    {room_id::kWornPath, "Worn Path",
     "\n     A small path of smooth stepping stone leads down the hill, stopping at the Food Shed "
     "in "
     "the west. To the north is the fenced in Graveyard, and back east lies the Snowy Yard.",
     "\n     A small path of smooth stepping stone leads down the hill, stopping at the Food Shed "
     "in "
     "the west. To the north is the fenced in Graveyard, and back east lies the Snowy Yard."},

    {room_id::kFoodShed, "Food Shed",
     "\n     Putting the key back into your pocket, you open the door of the Food Shed. It is just "
     "as "
     "you remember it: flour and other grains line the bottom shelves, while preserved goods "
     "(nuts, fruits, cheeses) sit higher up. Most notable this time, though, is a green glow "
     "among the grains, stark against the greys of the rest of the world."
     "\n\n     The door back outside sits to the west.",
     "\n     You're back in the Food Shed. The door back outside sits to the west."},

    {room_id::kGraveyard, "Graveyard",
     "\n     The Graveyard is a wide area holding some fifteen stones, each inscribed with the "
     "name "
     "of the person buried there and a short blurb about them. There are more of them than when "
     "you were last here, but none of the names is one that you recognize.",
     "You're back in the Graveyard."},

    {room_id::kLivingRoom, "\nCabin Living Room",
     "\n     Inside the cabin you meet one of your fathers, Rosen, a Dragon-Folk, and explain your "
     "quest for the Mask of Happiness. After a moment's hesitation he asks you all to stay here "
     "while he retrieves it himself, and he goes outside. An hour later, he is nowhere to be "
     "seen. The party agrees to go after him; you should head back outside."
     "\n\n     The layout of the cabin is as familiar as ever. From the living room, the Kitchen "
     "lies to the South and the Hallway to the East.",
     "\n     You're back in the Living Room. There's the Hallway to the East, the Kitchen to the "
     "South, and the way back outside is West."},

    {room_id::kKitchen, "\nKitchen",
     "\n     The Kitchen looks the same as ever: stocked cabinets, a gas stove with twice the "
     "usual "
     "number of burners, and a table large enough for at least a dozen people."
     "\n\n     You remember that Sunnie and Rosen kept the key to their room in here, out of reach "
     "of the younger children."
     "\n\n     Curiously, a small stone on the table is still bright yellow, despite the lack of "
     "color everywhere else."
     "\n\n     There are no doors leading anywhere.",
     "\n     You're back in the kitchen. Still no doors anywhere, aside from the one behind you "
     "(north)."},

    {room_id::kHallway, "\nHallway",
     "\n     The hallway is long, and many doors lead to where the children sleep; there's no "
     "reason to disturb any of them. At the end of the hallway, to the north, is the door to the "
     "basement. On the eastern side of the hallway is the door to Rosen and Sunnie's bedroom.",
     "\n     You're back in the hallway, and the way back is to the west. At the end of the "
     "hallway, to the north, is the door to the basement. On the eastern side of the hallway is "
     "the door to Rosen and Sunnie's bedroom."},

    {room_id::kBasement, "\nCabin Basement",
     "\n     No other doors, save for the one leading back south. A large furnace sits near the "
     "far "
     "end of the room, with an out-of-place orange glow coming from somewhere behind it. You "
     "vaguely remember that the key to the food shed was kept down here.",
     "\n     No other doors, save for the one leading back south. A large furnace sits near the "
     "far "
     "end of the room,"},

    {room_id::kBedroom, "\n     Rosen and Sunnie's Bedroom",
     "Your other father, Sunnie, is fast asleep. A conspicuously bright red stone sits on his "
     "nightstand. It would be hard to take it without waking him, and just as hard to explain "
     "what you're doing if he sees you.",
     "\n     Your dad sits up when he sees you, smiles warmly and wishes you, his son, good luck "
     "with the quest. You thank him, smile back, and leave."},

    {room_id::kCliffsidePath, "\nCliffside Path",
     "\n     The gate swings open and reveals the path forward. The rest of the party looks "
     "nervous "
     "as you walk. You can see your goal, far ahead of you to the north.",
     "\n     You can see your goal, far ahead of you to the north."},

    {room_id::kFinalRoom, "\nWide Field",
     "\n     Your father stands before an altar, a flaming sword in his hands. In front of him, on "
     "a pedestal, lies the object of your quest: the Mask of Happiness, surrounded by scorch "
     "marks but undamaged."
     "\n\n     You wonder whether he was trying to destroy it."
     "\n\n     He turns around. \"Ah. The heroes have arrived,\" he says, and his voice is heavy."
     "\n\n\"I can't let you take the mask. I'm sorry.\""
     "\n\n     The party exchanges confused looks. \"Father, what are you doing?\" you ask."
     "\n\n     \"Maize, please,\" he pleads. \"This magic, these colors... They have hurt me. They "
     "have hurt your dad, every child who has ever lived at the orphanage, and so many more. "
     "This kingdom's obsession with magic ruins lives.\" He points toward the graveyard. "
     "\"Without this magic, we would never have to bury another child.\""
     "\n\n     *SUMMARY IN CASE I DON'T WRITE IT LATER*"
     "\n\n     You can't convince him. He raises his sword, and you fight. Even with all four "
     "fighters of the party it is hard, and you end up on the ground with his sword at your "
     "throat. You make one last attempt to reach him, and it fails; as he strikes, the Jester "
     "kills him with his scythe. It was the only way to save your life."
     "\n\n     You swallow your grief and don the Mask. The rush of happiness that comes with the "
     "influx of magic is at war with your grief and horror, and there is no time to see which "
     "one wins."
     "\n\n     You have a world to save.",
     ""},
}};
