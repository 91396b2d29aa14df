#ifndef PRISMORA_ITEMS_ITEM_NAMES_H_
#define PRISMORA_ITEMS_ITEM_NAMES_H_

// An item is its display name; lists compare names byte for byte.
namespace item {
constexpr const char kRedStone[] = "Red Stone";
constexpr const char kYellowStone[] = "Yellow Stone";
constexpr const char kBlueStone[] = "Blue Stone";
constexpr const char kBedroomKey[] = "Bedroom Key";
constexpr const char kShedKey[] = "Shed Key";
constexpr const char kOrangeKey[] = "Orange Key";
constexpr const char kGreenKey[] = "Green Key";
constexpr const char kPurpleKey[] = "Purple Key";
}  // namespace item

#endif  // PRISMORA_ITEMS_ITEM_NAMES_H_
