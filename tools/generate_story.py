#!/usr/bin/env python3
"""Turns the story's data file into C++: the ids of its rooms, items, lights and texts, their
counts, and the texts themselves; and the meanings file into the response codes.

    generate_story.py DATA MEANINGS SOURCES OUT_DIR

writes OUT_DIR/story_data.h, OUT_DIR/story_data.cc and OUT_DIR/response_codes.h. The data says
what exists; the code only names it. Every `Text::kName`, `RoomId::kName`, `ItemId::kName`,
`LightId::kName` and `code::kName` that a file under SOURCES names must be in the data, and every
text and every meaning in the data must be named by the code (a meaning may be named by an item
of the story instead), so nothing is declared in one place and looked for in another. A fault is
reported as FILE:LINE: error: ... and nothing is written. The formats are described at the top of
the data files.
"""
import os
import re
import sys

ROOM_FIELDS = ("name", "description", "returnText", "place")
DIRECTIONS = ("north", "east", "south", "west")  # in the order of the game's Direction
ITEM_ATTRIBUTES = ("kind", "colour", "take", "drop", "look", "description")
IDENT = r"k[A-Z][A-Za-z0-9]*"
HEADER = re.compile(
    rf"@ (?:(?P<text>{IDENT})(?:\[(?P<part>[0-9]+)\])?"
    rf"|room (?P<room>{IDENT})\.(?P<field>[A-Za-z]+)(?P<ways>(?: [a-z]+={IDENT})*)"
    rf"|(?P<kind>item|light) (?P<thing>{IDENT})(?P<attrs>(?: [a-z]+=[A-Za-z0-9]+)*))$")
USE = re.compile(rf"\b(Text|RoomId|ItemId|LightId|code)::({IDENT})\b")
MEANING = re.compile(rf"(?P<name>{IDENT}) +(?P<first>[0-9]+)(?:-(?P<last>[0-9]+))? +"
                     r"(?P<where>title|everywhere|rooms|some|answer)(?P<last_tried>,last)? +(?P<what>\S.*)$")
WHERE = {"title": "kTitle", "everywhere": "kEverywhere", "rooms": "kEveryRoom", "some": "kSomeRooms",
         "answer": "kAnswer"}


class Fault(Exception):
    pass


class Story:
    def __init__(self):
        self.texts = {}  # name -> [parts], in the order first written
        self.rooms = {}  # name -> {field: text}
        self.items = {}  # name -> (attributes, text)
        self.lights = {}  # name -> (attributes, text)
        self.links = []  # (from, direction, to, line): each a way there and the way back
        self.lines = {}  # key -> line of its header


def parse(path, data):
    faults = []
    story = Story()

    def fault(line, what):
        faults.append(f"{path}:{line}: error: {what}")

    if data.startswith(b"\xef\xbb\xbf"):
        raise Fault(f"{path}:1: error: the file starts with a byte-order mark; save it as UTF-8 "
                    "without one")
    if b"\r" in data:
        line = data[:data.index(b"\r")].count(b"\n") + 1
        raise Fault(f"{path}:{line}: error: a carriage return: save the file with Unix line ends")
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        line = data[:e.start].count(b"\n") + 1
        raise Fault(f"{path}:{line}: error: not UTF-8")

    current = None  # (key, header line, body lines, setter)
    pending = []

    def close():
        if current is None:
            return
        key, line, body, store = current
        if not body:
            fault(line, f"{key} has no text lines right below its header")
        else:
            store("\n".join(body))

    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for number, raw in enumerate(lines, 1):
        if raw.startswith("|"):
            if current is None:
                fault(number, "a text line (|) outside a text: it needs a header (@ name) above it")
                continue
            body = raw[1:]
            if "\t" in body:
                fault(number, f"a tab in column {raw.index(chr(9)) + 1}: texts use spaces only")
            for column, ch in enumerate(raw, 1):
                if ord(ch) < 0x20 and ch != "\t":
                    fault(number, f"control character 0x{ord(ch):02x} in column {column}")
            if body.endswith("|"):
                body = body[:-1]
            elif body != body.rstrip(" "):
                fault(number, "the line ends in white space, which an editor may strip: end it "
                              "with | to keep it")
            current[2].append(body)
            continue
        close()
        current = None
        if raw == "" or raw.startswith("#"):
            continue
        if not raw.startswith("@"):
            fault(number, "each line is a header (@), a text line (|), a comment (#) or empty")
            continue
        m = HEADER.match(raw)
        key, store = None, None
        if not m:
            fault(number, f"'{raw}' is not a header: '@ kName', '@ kName[N]', "
                          "'@ room kName.field', '@ item kName attr=value...' or '@ light kName ...'")
        else:
            key, store = header_key(m, story, number, fault)
        if key is not None and key in story.lines:
            fault(number, f"{key} is written twice, first on line {story.lines[key]}")
            key = None
        if key is None:
            # The text of a refused header is read and dropped, so the fault is reported once.
            current = ("", number, [""], lambda t: None)
            continue
        story.lines[key] = number
        current = (key, number, [], store)
    close()
    check_whole(story, path, fault)
    if faults:
        raise Fault("\n".join(faults))
    return story


def header_key(m, story, number, fault):
    if m.group("text"):
        name, part = m.group("text"), m.group("part")
        parts = story.texts.setdefault(name, [])
        if part is None:
            if name + "[0]" in story.lines:
                fault(number, f"{name} is written twice, first on line {story.lines[name + '[0]']}")
                return None, None
            return name, parts.append
        if name in story.lines:
            fault(number, f"{name} is written twice, first on line {story.lines[name]}")
            return None, None
        if f"{name}[{part}]" in story.lines:
            fault(number, f"{name}[{part}] is written twice, first on line "
                          f"{story.lines[f'{name}[{part}]']}")
            return None, None
        if int(part) != len(parts):
            fault(number, f"{name}[{part}] comes out of order: {name}[{len(parts)}] is next")
            return None, None
        return f"{name}[{part}]", parts.append
    if m.group("room"):
        room, field = m.group("room"), m.group("field")
        if field not in ROOM_FIELDS:
            fault(number, f"a room has no field '{field}': {', '.join(ROOM_FIELDS)}")
            return None, None
        fields = story.rooms.setdefault(room, {})
        ways = dict(w.split("=") for w in m.group("ways").split())
        if ways and field != "place":
            fault(number, "ways out are written on a room's place header")
            return None, None
        for way, to in ways.items():
            if way not in DIRECTIONS:
                fault(number, f"'{way}' is not a direction: {', '.join(DIRECTIONS)}")
                return None, None
            story.links.append((room, DIRECTIONS.index(way), to, number))
        return f"{room}.{field}", lambda t: fields.__setitem__(field, t)
    kind, thing = m.group("kind"), m.group("thing")
    attrs = dict(a.split("=") for a in m.group("attrs").split())
    wanted = ITEM_ATTRIBUTES if kind == "item" else ("colour",)
    unknown = sorted(set(attrs) - set(wanted))
    missing = [a for a in wanted if a not in attrs]
    if unknown or missing:
        fault(number, f"{kind} {thing} needs exactly {', '.join(a + '=' for a in wanted)}"
                      + (f"; unknown: {', '.join(unknown)}" if unknown else "")
                      + (f"; missing: {', '.join(missing)}" if missing else ""))
        return None, None
    table = story.items if kind == "item" else story.lights
    return thing, lambda t: table.__setitem__(thing, (attrs, t))


def check_whole(story, path, fault):
    for room, fields in story.rooms.items():
        for field in ROOM_FIELDS:
            if field not in fields:
                fault(story.lines[next(k for k in story.lines if k.startswith(room + "."))],
                      f"room {room} has no {field}: every room needs {', '.join(ROOM_FIELDS)}")
    ends = {}
    for room, way, to, line in story.links:
        if to not in story.rooms:
            fault(line, f"{to} is not a room")
        for end in ((room, way), (to, (way + 2) % 4)):
            if end in ends:
                fault(line, f"{end[0]} already has a way {DIRECTIONS[end[1]]}, on line {ends[end]}")
            ends[end] = line
    for name, (_, body) in {**story.items, **story.lights}.items():
        if "\n" in body:
            fault(story.lines[name], f"{name}'s name is one line")
    # A line naming several items says which by the first word of each name.
    first = {}
    for name, (_, body) in story.items.items():
        word = body.split(" ")[0].lower()
        if word in first:
            fault(story.lines[name], f"{name}'s name begins with the word of {first[word]}'s")
        first.setdefault(word, name)
    if not story.rooms:
        fault(1, "no rooms: the first room written is where the game starts")


class Meaning:
    def __init__(self, name, first, last, where, tried_last, what, line):
        self.name, self.first, self.last, self.where = name, first, last, where
        self.tried_last, self.what, self.line = tried_last, what, line


def parse_meanings(path, data):
    """The meanings, in the file's order; faults stop with every line that has one."""
    faults = []
    meanings = {}
    for number, raw in enumerate(data.decode("utf-8").split("\n"), 1):
        if not raw.strip() or raw.startswith("#"):
            continue
        m = MEANING.match(raw)
        if not m:
            faults.append(f"{path}:{number}: error: not 'kName LINES WHERE what it means' "
                          "(WHERE: title, everywhere, rooms, some or answer)")
            continue
        first = int(m["first"])
        last = int(m["last"] or first)
        if m["name"] in meanings:
            faults.append(f"{path}:{number}: error: {m['name']} is written twice, first on line "
                          f"{meanings[m['name']].line}")
        elif first < 2 or last < first:
            faults.append(f"{path}:{number}: error: lines {first}-{last} are not a range of "
                          "lines after the first (line 1 is the code of a missing file)")
        else:
            for other in meanings.values():
                if first <= other.last and other.first <= last:
                    faults.append(f"{path}:{number}: error: {m['name']} shares lines with "
                                  f"{other.name}, on line {other.line}")
            previous = list(meanings.values())[-1] if meanings else None
            if previous and first < previous.first:
                faults.append(f"{path}:{number}: error: {m['name']} is out of order: the meanings "
                              "go in the order of their first line")
            meanings[m["name"]] = Meaning(m["name"], first, last, m["where"],
                                          bool(m["last_tried"]), m["what"], number)
    if not meanings:
        faults.append(f"{path}:1: error: no meanings")
    if faults:
        raise Fault("\n".join(faults))
    return meanings


def check_uses(story, path, sources, meanings=None, meanings_path=""):
    """Every id the code names is in the data, and every text and meaning in the data is named."""
    meanings = meanings or {}
    known = {"Text": set(story.texts), "RoomId": set(story.rooms), "ItemId": set(story.items),
             "LightId": set(story.lights),
             "code": set(meanings) | {"kHighestMeaningful", "kTriedLast"}}
    # A text an item names as its description is said through the item, and so are its codes.
    used = {attrs["description"] for attrs, _ in story.items.values()}
    used |= {attrs[a] for attrs, _ in story.items.values() for a in ("take", "drop", "look")}
    faults = []
    for name, (attrs, _) in story.items.items():
        for a in ("take", "drop", "look"):
            if meanings and attrs[a] not in meanings:
                faults.append(f"{path}:{story.lines[name]}: error: {name}'s {a} code "
                              f"{attrs[a]} is not a meaning in {meanings_path}")
    for name, (attrs, _) in story.items.items():
        if attrs["description"] not in story.texts:
            faults.append(f"{path}:{story.lines[name]}: error: {name}'s description "
                          f"{attrs['description']} is not a text here")
    for folder, _, files in sorted(os.walk(sources)):
        for f in sorted(files):
            if not f.endswith((".h", ".cc")):
                continue
            where = os.path.join(folder, f)
            with open(where, encoding="utf-8") as src:
                for number, line in enumerate(src, 1):
                    for kind, name in USE.findall(line.split("//")[0]):
                        used.add(name)
                        if name not in known[kind] and (kind != "code" or meanings):
                            faults.append(f"{where}:{number}: error: {kind}::{name} is not in "
                                          f"{meanings_path if kind == 'code' else path}")
    for name in story.texts:
        if name not in used:
            key = name if name in story.lines else name + "[0]"
            faults.append(f"{path}:{story.lines[key]}: error: {name} is written here but the "
                          "game never says it (no Text::" + name + " under " + sources + ")")
    for name, meaning in meanings.items():
        if name not in used:
            faults.append(f"{meanings_path}:{meaning.line}: error: {name} is declared here but "
                          "nothing reacts to it (no code::" + name + " under " + sources + ")")
    if faults:
        raise Fault("\n".join(faults))


def cpp_string(text):
    """A C++ literal holding exactly the bytes of `text`."""
    out = []
    for b in text.encode("utf-8"):
        if b == 0x22 or b == 0x5C:
            out.append("\\" + chr(b))
        elif b == 0x0A:
            out.append("\\n")
        elif 0x20 <= b < 0x7F and chr(b) != "?":
            out.append(chr(b))
        else:
            out.append(f"\\{b:03o}")
    return '"' + "".join(out) + '"'


def enum(name, ids, underlying):
    body = ",\n".join(f"  {i}" for i in ids)
    count = "k" + name.replace("Id", "") + "Count"
    return (f"enum class {name} : {underlying} {{\n{body},\n}};\n"
            f"inline constexpr std::size_t {count} = {len(ids)};\n")


def header(story):
    return f"""// Generated from the story's data file by tools/generate_story.py: do not edit.
#ifndef PRISMORA_STORY_DATA_H_
#define PRISMORA_STORY_DATA_H_

#include <array>
#include <cstddef>
#include <cstdint>

#include "response_codes.h"

// The rooms, in the order the data writes them: the first is where the game starts.
{enum("RoomId", story.rooms, "std::uint8_t")}
// The portable items, in the order the data writes them.
{enum("ItemId", story.items, "std::uint8_t")}
// The coloured lights that hold the gate's keys.
{enum("LightId", story.lights, "std::uint8_t")}
// Every other text the game prints.
{enum("Text", story.texts, "std::uint16_t")}
struct RoomTexts {{
  const char* name;         // the heading
  const char* description;  // on the first visit
  const char* returnText;   // on every visit after, and on look
  const char* place;        // as a sentence names it: "the Kitchen"
}};
extern const std::array<RoomTexts, kRoomCount> kRoomTexts;

struct ItemData {{
  const char* name;    // "Red Stone", as the story prints it
  const char* kind;    // the word that names it alone: "stone", "key"
  const char* colour;  // the colour it shows in at a terminal, or ""
  CodeRange take;
  CodeRange drop;
  CodeRange look;    // the words that examine it
  Text description;  // what examining it shows
}};
extern const std::array<ItemData, kItemCount> kItemData;

// Each way written once, from one room to another; the way back is the opposite direction.
struct RoomLink {{
  RoomId from;
  std::size_t direction;  // north, east, south, west: an index into kDirections
  RoomId to;
}};
extern const std::array<RoomLink, {len(story.links)}> kRoomLinks;

struct LightData {{
  const char* name;  // "orange light"
  const char* colour;
}};
extern const std::array<LightData, kLightCount> kLightData;

// A text is one part or several, each printed as a message of its own.
struct TextParts {{
  const char* const* parts;
  std::size_t count;
}};
extern const std::array<TextParts, kTextCount> kTexts;

inline const RoomTexts& TextsOf(RoomId room) {{ return kRoomTexts[static_cast<std::size_t>(room)]; }}
inline const ItemData& DataOf(ItemId item) {{ return kItemData[static_cast<std::size_t>(item)]; }}
inline const LightData& DataOf(LightId light) {{ return kLightData[static_cast<std::size_t>(light)]; }}
inline const TextParts& PartsOf(Text text) {{ return kTexts[static_cast<std::size_t>(text)]; }}

// The names the data gives its rooms, items and texts, without the k ("Kitchen"), in id order:
// a saved game names things by them, so it outlasts a reordering of the data.
extern const std::array<const char*, kRoomCount> kRoomKeys;
extern const std::array<const char*, kItemCount> kItemKeys;
extern const std::array<const char*, kTextCount> kTextKeys;

#endif  // PRISMORA_STORY_DATA_H_
"""


def codes_header(meanings):
    consts = "\n".join(f"constexpr CodeRange {m.name}{{{m.first}, {m.last}}};  // {m.what}"
                       for m in meanings.values())
    rows = "\n".join(f"    {{code::{m.name}, \"{m.name}\", Where::{WHERE[m.where]}, "
                     f"{cpp_string(m.what)}}},"
                     for m in meanings.values())
    last = ", ".join(str(line) for m in meanings.values() if m.tried_last
                     for line in range(m.first, m.last + 1))
    highest = max(m.last for m in meanings.values())
    return f"""// Generated from data/meanings.txt by tools/generate_story.py: do not edit.
#ifndef PRISMORA_RESPONSE_CODES_H_
#define PRISMORA_RESPONSE_CODES_H_

#include <array>
#include <cstdint>

// A closed range of response codes (line numbers of the response file).
struct CodeRange {{
  std::int32_t first;
  std::int32_t last;
  constexpr bool Holds(std::int32_t code) const {{ return first <= code && code <= last; }}
}};

// A range that holds no code, for a row that reacts to none.
constexpr CodeRange kNoCodes{{1, 0}};

// Where a meaning works: the title screen only, there and in every room, every room, only the
// rooms whose own rows take it, or only as the answer to a question the game asks.
enum class Where : std::uint8_t {{ kTitle, kEverywhere, kEveryRoom, kSomeRooms, kAnswer }};

// Every code the game gives a meaning to, by the name the data gives it.
namespace code {{
{consts}

// The highest code with a meaning; the response file must be longer than this, because its
// line count is the code of every line it does not understand.
constexpr std::int32_t kHighestMeaningful = {highest};

// Lines tried only after every other line: catch-alls that must not hide the phrasings below.
constexpr std::array<std::int32_t, {len(last.split(", ")) if last else 0}> kTriedLast = {{{{{last}}}}};
}}  // namespace code

// What each meaningful range stands for, for the table's check and for tools that explain codes.
struct CodeMeaning {{
  CodeRange codes;
  const char* name;
  Where where;
  const char* meaning;
}};

inline constexpr std::array<CodeMeaning, {len(meanings)}> kCodeMeanings = {{{{
{rows}
}}}};

// The meaning of a code, or nullptr when the game gives it none.
inline const CodeMeaning* MeaningOf(std::int32_t value) {{
  for (const CodeMeaning& entry : kCodeMeanings) {{
    if (entry.codes.Holds(value))
      return &entry;
  }}
  return nullptr;
}}

#endif  // PRISMORA_RESPONSE_CODES_H_
"""


def source(story):
    out = ["// Generated from the story's data file by tools/generate_story.py: do not edit.",
           '#include "story_data.h"', "", "namespace {", ""]
    for name, parts in story.texts.items():
        out.append(f"const char* const {name}Parts[] = {{")
        out += [f"    {cpp_string(p)}," for p in parts]
        out.append("};")
    out += ["", "}  // namespace", ""]
    out.append("const std::array<RoomTexts, kRoomCount> kRoomTexts = {{")
    for fields in story.rooms.values():
        out.append("    {" + ",\n     ".join(cpp_string(fields[f]) for f in ROOM_FIELDS) + "},")
    out.append("}};")
    out.append("const std::array<ItemData, kItemCount> kItemData = {{")
    for attrs, name in story.items.values():
        out.append(f"    {{{cpp_string(name)}, {cpp_string(attrs['kind'])}, "
                   f"{cpp_string(attrs['colour'])}, code::{attrs['take']}, code::{attrs['drop']}, "
                   f"code::{attrs['look']}, Text::{attrs['description']}}},")
    out.append("}};")
    out.append(f"const std::array<RoomLink, {len(story.links)}> kRoomLinks = {{{{")
    for room, way, to, _ in story.links:
        out.append(f"    {{RoomId::{room}, {way}, RoomId::{to}}},")
    out.append("}};")
    out.append("const std::array<LightData, kLightCount> kLightData = {{")
    for attrs, name in story.lights.values():
        out.append(f"    {{{cpp_string(name)}, {cpp_string(attrs['colour'])}}},")
    out.append("}};")
    out.append("const std::array<TextParts, kTextCount> kTexts = {{")
    for name, parts in story.texts.items():
        out.append(f"    {{{name}Parts, {len(parts)}}},")
    out.append("}};")
    for array, count, names in (("kRoomKeys", "kRoomCount", story.rooms),
                                ("kItemKeys", "kItemCount", story.items),
                                ("kTextKeys", "kTextCount", story.texts)):
        out.append(f"const std::array<const char*, {count}> {array} = {{{{")
        out += [f"    {cpp_string(name[1:])}," for name in names]
        out.append("}};")
    return "\n".join(out) + "\n"


def write_if_changed(path, content):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == content:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(content)


def main(argv):
    if len(argv) != 5:
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        return 2
    data_path, meanings_path, sources, out_dir = argv[1:]
    try:
        with open(data_path, "rb") as f:
            story = parse(data_path, f.read())
        with open(meanings_path, "rb") as f:
            meanings = parse_meanings(meanings_path, f.read())
        check_uses(story, data_path, sources, meanings, meanings_path)
    except Fault as fault:
        print(fault, file=sys.stderr)
        return 1
    os.makedirs(out_dir, exist_ok=True)
    write_if_changed(os.path.join(out_dir, "story_data.h"), header(story))
    write_if_changed(os.path.join(out_dir, "story_data.cc"), source(story))
    write_if_changed(os.path.join(out_dir, "response_codes.h"), codes_header(meanings))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
