#include "game/story_texts.h"

namespace text {

const char* const kTitle[kTitleLineCount] = {
    "\nPrismora: The Prequel",
    "\nPrismora is a planned RPG based around the concept of saving a fantasy world from being "
    "drained of its color.",
    "\nThis excerpt takes place a decade earlier, the first time the same catastrophe struck the "
    "world, and follows the first five heroes working to stop what will come to be known as \"The "
    "Monoscale\".",
    "\nYou play as Maize, a Human-Folk guided by a magical spirit to collect three magical masks "
    "and gather enough power to defeat the one behind the catastrophe: the Ringmaster.",
    "\nAt your side are Cerule, a Coyote-Kin who left his teenage son behind to join the quest; "
    "Scarlett, a Human-Folk heir to a ruling house, who ran away with one of the masks against her "
    "parents' wishes; and the Jester, a scythe-wielding figure from the Ringmaster's own troupe "
    "who has taken the heroes' side.",
    "\n\nTo start your adventure, type \"Start\"\n\nTo quit the program, type \"Quit\"\n",
    "\n(DEV NOTE: Parts of the plot might be unfinished, and there are some odd issues with "
    "formatting, as I decided to prioritize functionality for the project. I apologize for this, "
    "and hope you enjoy!)\n",
};
const char kBannerRule[] = "\n\n\n\n*          *          *          *          *";
const char kBannerThanks[] = "You've reached the end. Thank you for playing!";

const char kPrompt[] = "\n     What would you like to do?";

const char kPathArrival[] =
    "\n     You shiver and look back at the party, judging how long it will be before you all "
    "have to stop and rest. Scarlett\n"
    "and Cerule walk huddled close together, perhaps talking, though the howling wind and the "
    "masks they both wear make\n"
    "it impossible to tell. The Jester lingers at the back; he shed his cloak long ago in favor "
    "of warming his limbs with\n"
    "magic. The paint spirit Blot floats close behind you, near enough to be heard calling out a "
    "change of direction. ";
const char kBlotArrival[] =
    "\n     Blot sees you looking, and takes this as a question. \"We're getting close, the final "
    "mask is just north of here.\"";
const char kPathBlocked[] =
    "\nThere's nothing in that direction but more snow. You goal lies to the north.";
const char kTalkBlotHeading[] = "Talk to Blot";
const char kBlotRefuses[] = "\nYou don't think Blot's much for conversation right now.";
const char* const kBlotTalk[kBlotTalkCount] = {
    "\n     You slow your steps a bit, falling in step with Blot, thinking of something to talk "
    "about.",
    "\n     Blot is a paint spirit: in essence, a sentient glob of color magic. They are of a "
    "rarer kind, one that looks like white paint with swirls of ink running through it, instead "
    "of the vivid colors of their kin. Two long blobs of ink are their eyes, and two smaller "
    "globs are what they manifest as \xE2\x80\x9Chands\xE2\x80\x9D.",
    "\n     You don\xE2\x80\x99t really chat casually with Blot anymore. Even before the Jester "
    "joined the party, which Blot was strongly against, their wish to stay focused on the task "
    "at hand made them ill-suited to small talk, and you have come to speak with them only about "
    "the mission.",
    "\n     You understand the drive. The five of you are journeying to save the world, not to see "
    "the sights. Still, you miss the friendship of the days when it was just the two of you, "
    "guided by little more than Blot's innate sense of where to go.",
    "\n     ...You realize, after a few dozen steps, that both of you have yet to speak. Feeling a "
    "little awkward, you speed up again.",
};
const char kTalkCerule[] = "\nTalk to Cerule\n\nSorry! Cerule doesn't have any dialogue right now!";
const char kTalkScarlett[] =
    "\nTalk to Scarlett\n\nSorry! Scarlett doesn't have any dialogue right now!";
const char kTalkJester[] =
    "\nTalk to The Jester\n\nSorry! The Jester doesn't have any dialogue right now!";

const char kHeadOutside[] =
    "\n     You step back outside with the party. Fresh footprints lead from the cabin porch to "
    "the large gate in the north, yet the padlock on it is still locked."
    "\n\n     Your goal is clear now: get the keys, open the gate, and find your father.";
const char* const kGateScene[kGateSceneCount] = {
    "You walk up to the gate and try to push it open. It rattles, but otherwise remains shut.",
    "Scarlett throws her weight against it, and comes away with nothing but a bruised shoulder.",
    "You heal her with a little magic, then look over at Blot. \"We're not getting through "
    "there.\"",
    "Blot scowls. \"The Mask is on the other side of this gate. We have to get over there. Can "
    "we go around?\"",
    "Cerule shakes his head. \"No, in the Spectrum's name. Sheer cliffs flank the gate on both "
    "sides. No going around.\"",
    "He's right. On both sides of the gate stands a wall of rock too high to see the top of. "
    "There is no way around.",
    "\"It needs three keys to open,\" the Jester says, pointing at a large padlock. Everyone "
    "gathers close to take a",
    "look. Sure enough, the padlock has three keyholes, each with a small ring around it that "
    "was once colored, but",
    "now matches the dull greys of the rest of the world.",
    "\"Green, orange and purple,\" the Jester says confidently. The others look at him in "
    "surprise, and he shrugs. \"When",
    "you travel with a circus, you get well practiced at telling apart the shades of a "
    "monochromatic palette.\"",
    "\"...Showoff,\" Mutters Blot.",
    "So you need a Green Key, an Orange Key, and a Purple Key in order to open the gate. Good to "
    "know.",
};
const char kGateReminder[] =
    "You still don't have all the keys to open up the gate. You need a Green Key, and Orange Key, "
    "and a Purple Key.";

const char kFence[] =
    "There's nothing there except for a wooden fence blocking off the far side of the mountain. "
    "You can't go this way.";
const char kShedLocked[] = "\n     The door is locked. You'll have to find a key.";
const char kStonesMissing[] =
    "You don't have the right items to undo the lock. Magic might work, though.";
const char kPurpleStones[] =
    "\n     You hold the red and blue stones up to the purple light, which flickers before "
    "disappearing.";
const char kPurpleMagic[] =
    "\n     Cerule and Scarlett direct blue and red magic at the purple light, which flickers "
    "before disappearing.";
const char kPurpleJester[] =
    "\n     The Jester directs blue and red magic at the purple light, which flickers before "
    "disappearing.";
const char kGreenStones[] =
    "\n     You hold the yellow and blue stones up to the green light, which flickers before "
    "disappearing.";
// The food shed's light is green; these two lines have always called it purple.
const char kGreenMagic[] =
    "\n     You and Cerule direct blue and yellow magic at the purple light, which flickers before "
    "disappearing.";
const char kGreenJester[] =
    "\n     The Jester directs blue and yellow magic at the purple light, which flickers before "
    "disappearing.";

const char kCliff[] = "There is only a cliff in this direction.";

const char kWall[] = "There's nothing there except for a wall";
const char kLivingRoomWall[] = "\n There's nothing there but a wall.";
const char kBlueStoneNoticed[] =
    "\n     ...You hadn't noticed it before, but there's something odd- a blue stone, stark "
    "against "
    "the grey floor- sticking out from beneath the coffee table.";
const char kCabinetHint[] =
    "\n     The key to your parents' bedroom should be up in the higher cabinets. After how "
    "suspiciously Rosen acted before he left the cabin, their bedroom might be worth a search; "
    "better take the key before you leave the kitchen.";
const char kBedroomLocked[] =
    "As quietly as you can, you turn the doorknob, but it sticks fast. Locked. You'll need a key.";
const char kBedroomChoice[] =
    "\n     You could grab the stone yourself, or send one of the quieter party members, like "
    "Blot, "
    "to grab it instead.";
const char kWakingScene[] =
    "\n     Despite everything, your dad, Sunnie, wakes up, at first confused to find the party "
    "breaking into his bedroom. You explain the situation, and he is relieved that you have come. "
    "He gives you the stone, but not before warning you that your father, Rosen, whose trail you "
    "are following, is much warier of the idea of restoring color to the world. You thank him for "
    "the stone and the information and hug him "
    "goodbye, and he rolls over to go back to sleep.";
const char kQuietGrab[] =
    "\n     Quiet as a mouse, your party member grabs the stone without waking your dad.\n\n     "
    "Success.";
const char kKeyRingHint[] =
    "\n\n     Behind you, near the door, is a key ring holding a single key you hadn't noticed "
    "before. That must be the Shed Key.";
const char* const kOrangeLightLook[kOrangeLightLookCount] = {
    "The orange glow behind the furnace is revealed to be an orange key, bound in place by a "
    "magic spell.",
    "The lighting is orange, and the solution is likely magic based.",
};
const char kOrangeLightStonesHint[] =
    "The stones you picked up earlier, that still have their color, might have something to do "
    "with this.";
const char kOrangeStones[] =
    "\n     You hold the red and yellow stones up to the orange light, which flickers before "
    "disappearing.";
const char kOrangeMagic[] =
    "\n     You and Scarlett direct yellow and red magic at the orange light, which flickers "
    "before "
    "disappearing.";
const char kOrangeJester[] =
    "\n     The Jester directs yellow and red magic at the orange light, which flickers before "
    "disappearing.";

}  // namespace text
