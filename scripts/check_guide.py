#!/usr/bin/env python3
"""Checks the player's documents against the program.

    check_guide.py labels ROOT   the guide (docs/guide.md) and the read-me
                                 (docs/readme.txt) name only labels the
                                 program has
    check_guide.py built DIR     the documents that scripts/make-docs.sh
                                 wrote into DIR can be read on Windows 7

Prints one line per fault and exits 1 when there is any.

The conventions the documents follow, and that this checks:
- 「…」 holds a text of the program's own screens and messages, byte for
  byte: a string of src/res/plovnikar.rc, of the key table
  (src/core/automation/keys.def) or a string literal in src/**/*.cpp|h
  (adjacent literals joined as the compiler joins them; also one line, one
  sentence of a message, or a label without its trailing colon). Hotkey
  captions ("Ctrl + L") and gesture captions ("→↑←") are composed by the
  program and are checked against the pieces it composes them of.
  「X」の節 names a section of the guide instead, and is a link to it:
  [「X」の節](#id).
- Every heading has an id, written after its text: "## 困ったときは {#trouble}"
  (scripts/make-docs.sh makes it the heading's id). Ids and heading texts
  are unique. A link [text](#id) points to a heading of the guide, and its
  text is that heading's text or 「heading」の節.
- The contents (the list under the heading {#contents}) link every other
  section (##) in order; the index at the top of the troubleshooting
  section ({#trouble}) links each of its entries (###) in order.
- "…" with Japanese in it (the English essentials) holds a label too.
- 『…』 holds a text of Windows, which the program does not have.
- The first column of the tables of the panel's groups and of the tray
  menu holds only labels in 「…」.
- Every picture exists and has a caption on the line under it.
- A line of Japanese text does not break inside a sentence: the HTML page
  would show the line break as a space.
"""
import os
import re
import sys
import unicodedata

# Quoted phrases that are not texts of the program. Keep this short: a
# label that the program has lost must not hide here.
NOT_LABELS = {
    "",  # the guide's note on its own brackets: 「」で囲んだ文字は…
}

# The captions the program composes (src/core/triggers/hotkey_caption.cpp,
# src/core/triggers/gesture_caption.cpp): modifiers in this order, then the
# key's name; three to eight arrows, no two neighbours the same.
HOTKEY_MODIFIERS = ["Ctrl + ", "Alt + ", "Shift + "]
HOTKEY_KEY = r"(?:[A-Z0-9]|F(?:[1-9]|1[0-9]|2[0-4]))"
ARROWS = "→↑←↓"

faults = []


def fault(where, text):
    faults.append(f"{where}: {text}")


# --- the program's texts ----------------------------------------------------

ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "0": "\0", "\\": "\\", '"': '"', "'": "'"}


def string_literals(text, doubled_quotes=False):
    """The string literals of C, C++ or resource script source, adjacent
    ones joined; comments and character literals skipped."""
    groups = []
    joining = False  # the last token was a string literal
    i, n = 0, len(text)
    while i < n:
        if text.startswith("//", i):
            i = text.find("\n", i)
            i = n if i < 0 else i
            continue
        if text.startswith("/*", i):
            i = text.find("*/", i + 2)
            i = n if i < 0 else i + 2
            continue
        c = text[i]
        prefix = re.match(r'(?:u8|[LuU])?"', text[i:i + 3])
        if prefix and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            i += len(prefix.group(0))
            value = []
            while i < n:
                c = text[i]
                if c == "\\" and i + 1 < n:
                    value.append(ESCAPES.get(text[i + 1], text[i + 1]))
                    i += 2
                    continue
                if c == '"':
                    if doubled_quotes and text.startswith('""', i):
                        value.append('"')
                        i += 2
                        continue
                    i += 1
                    break
                if c == "\n":  # an unterminated literal: not ours to read
                    break
                value.append(c)
                i += 1
            if joining:
                groups[-1] += "".join(value)
            else:
                groups.append("".join(value))
            joining = True
            continue
        if c == "'":
            j = i + 1
            while j < n and text[j] != "'" and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
            joining = False
            continue
        if not c.isspace():
            joining = False
        i += 1
    return groups


def pieces(literal):
    """A literal and the parts of it that a document may quote alone."""
    out = {literal}
    for line in re.split(r"[\n\t\0]", literal):
        line = line.strip()
        out.add(line)
        for sentence in re.findall(r"[^。]+。?", line):
            out.add(sentence.strip())
            out.add(sentence.strip().rstrip("。"))
    for p in list(out):
        out.add(p.rstrip("：:").strip())
    out.discard("")
    return out


def program_texts(src):
    texts = set()
    for folder, _, files in os.walk(src):
        for name in sorted(files):
            path = os.path.join(folder, name)
            if name.endswith((".cpp", ".h", ".def")):
                literals = string_literals(open(path, encoding="utf-8").read())
            elif name.endswith(".rc"):
                literals = string_literals(open(path, encoding="utf-8").read(), doubled_quotes=True)
            else:
                continue
            for literal in literals:
                texts |= pieces(literal)
    return texts


def composed_label(text, texts):
    """Whether text is a caption the program composes from its texts."""
    match = re.fullmatch(r"((?:(?:Ctrl|Alt|Shift) \+ )+)(" + HOTKEY_KEY + ")", text)
    if match:
        used = re.findall(r"(?:Ctrl|Alt|Shift) \+ ", match.group(1))
        order = [HOTKEY_MODIFIERS.index(m) for m in used]
        return (order == sorted(set(order)) and all(m in texts for m in used))
    steps = text.replace(" ", "")
    if 3 <= len(steps) <= 8 and all(s in ARROWS for s in steps):
        return (all(a != b for a, b in zip(steps, steps[1:])) and all(s in texts for s in steps))
    return False


def is_label(text, texts):
    return text in texts or text in NOT_LABELS or composed_label(text, texts)


# --- the documents ----------------------------------------------------------

CJK = re.compile(r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
BLOCK_START = re.compile(r"\s*(?:[-*+>|#!]|\d+\.\s|```|$)")


HEADING = re.compile(r"(#{1,6})\s+(.*?)(?:\s+\{#([a-z0-9-]+)\})?\s*")
IN_PAGE_LINK = re.compile(r"\[([^\[\]]*)\]\(#([^()\s]*)\)")


def read_headings(lines, name):
    """The guide's headings in order, as (line number, level, text, id)."""
    headings = []
    in_fence = False
    for number, line in enumerate(lines, 1):
        if line.startswith("```"):
            in_fence = not in_fence
        if in_fence or not line.startswith("#"):
            continue
        match = HEADING.fullmatch(line)
        if not match:
            continue
        level, text, ident = len(match.group(1)), match.group(2), match.group(3)
        if not ident:
            fault(f"{name}:{number}", f"heading '{text}' has no id (write {{#some-id}} after it)")
        headings.append((number, level, text, ident))
    for kind, index in (("id", 3), ("heading", 2)):
        seen = set()
        for heading in headings:
            value = heading[index]
            if value and value in seen:
                fault(f"{name}:{heading[0]}", f"{kind} '{value}' is used twice")
            seen.add(value)
    return headings


def check_links(where, line, ids):
    """The in-page links of a line; the spans of the section references."""
    sections = []
    for match in IN_PAGE_LINK.finditer(line):
        text, target = match.group(1), match.group(2)
        if re.fullmatch(r"「[^「」]*」の節", text):
            sections.append((match.start(1), match.end(1)))
        if target not in ids:
            fault(where, f"link '{text}' points to #{target}, which no heading has")
            continue
        heading = ids[target]
        if text not in (heading, f"「{heading}」の節"):
            fault(where, f"link '{text}' points to the heading '{heading}': "
                  f"its text should be '{heading}' or '「{heading}」の節'")
    return sections


def check_quotes(where, line, texts, headings, ids=None):
    for opening, closing in (("「", "」"), ("『", "』")):
        if line.count(opening) != line.count(closing):
            fault(where, f"{opening} and {closing} do not pair up on this line")
    line = re.sub(r"`[^`]*`", "", line)  # file names and commands
    sections = check_links(where, line, ids) if ids is not None else []
    for match in re.finditer(r"「([^「」]*)」", line):
        text = match.group(1)
        if line.startswith("の節", match.end()):
            if text not in headings:
                fault(where, f"「{text}」の節: the guide has no such section")
            elif ids is not None and (match.start(), match.end() + 2) not in sections:
                target = headings[text] or "its-id"
                fault(where, f"「{text}」の節 is not a link to its section: "
                      f"write [「{text}」の節](#{target})")
        elif not is_label(text, texts):
            fault(where, f"「{text}」 is not a text of the program")
    for match in re.finditer(r'"([^"]*)"', line):
        text = match.group(1)
        if CJK.search(text) and not is_label(text, texts):
            fault(where, f'"{text}" is not a text of the program')


def linked_targets(lines):
    """The targets of the in-page links of the given lines, in order."""
    return [m.group(2) for line in lines for m in IN_PAGE_LINK.finditer(line)]


def check_indexes(lines, headings, name):
    """The contents link every section, the troubleshooting index each of
    its entries, in the order of the guide."""
    def block(start, stop):  # the lines between two headings
        return lines[start:stop - 1]
    numbers = [h[0] for h in headings] + [len(lines) + 1]
    for position, (number, level, text, ident) in enumerate(headings):
        if ident == "contents":
            wanted = [h[3] for h in headings if h[1] == 2 and h[3] != "contents"]
            listed = linked_targets(block(number, numbers[position + 1]))
            where = f"{name}:{number}"
            if listed != wanted:
                fault(where, f"the contents list {listed}, not every section in order: {wanted}")
        if ident == "trouble":
            entries = []
            for later in headings[position + 1:]:
                if later[1] <= level:
                    break
                if later[1] == level + 1:
                    entries.append(later[3])
            listed = linked_targets(block(number, numbers[position + 1]))
            if listed != entries:
                fault(f"{name}:{number}",
                      f"the index of the troubleshooting section lists {listed}, "
                      f"not each of its entries in order: {entries}")
    if not any(h[3] == "contents" for h in headings):
        fault(name, "the guide has no contents (a heading with the id 'contents')")
    if not any(h[3] == "trouble" for h in headings):
        fault(name, "the guide has no troubleshooting section (a heading with the id 'trouble')")


def check_guide(path, texts):
    lines = open(path, encoding="utf-8").read().split("\n")
    name = os.path.relpath(path)
    heading_list = read_headings(lines, name)
    headings = {text: ident for _, _, text, ident in heading_list}
    ids = {ident: text for _, _, text, ident in heading_list if ident}
    check_indexes(lines, heading_list, name)
    in_fence = False
    table_header = None
    for number, line in enumerate(lines, 1):
        where = f"{name}:{number}"
        if line.startswith("```"):
            in_fence = not in_fence
            continue
        if in_fence or line.startswith("    "):
            continue
        check_quotes(where, line, texts, headings, ids)

        # The tables whose first column lists labels.
        if line.startswith("|"):
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if table_header is None:
                table_header = cells[0]
            elif table_header in ("グループ", "項目") and not set(cells[0]) <= set("-:"):
                rest = re.sub(r"「[^「」]*」", "", cells[0])
                rest = re.sub(r"（[^（）]*）", "", rest)
                if "「" not in cells[0] or not re.fullmatch(r"[\s・、／〜]*", rest):
                    fault(where, f"table cell '{cells[0]}' should hold only labels in 「…」")
        else:
            table_header = None

        # Pictures and their captions.
        for match in re.finditer(r"!\[([^\]]*)\]\(([^)]+)\)", line):
            picture = os.path.join(os.path.dirname(path), match.group(2))
            if not os.path.isfile(picture):
                fault(where, f"picture {match.group(2)} does not exist")
            if not match.group(1):
                fault(where, f"picture {match.group(2)} has no alternative text")
            following = lines[number] if number < len(lines) else ""
            if not re.fullmatch(r"\*[^*].*[^*]\*", following):
                fault(where, f"picture {match.group(2)} has no caption (*…*) on the next line")

        # A line break inside Japanese text.
        if number < len(lines):
            following = lines[number]
            if (CJK.search(line[-1:] or " ") and CJK.match(following)
                    and not BLOCK_START.match(following)):
                fault(where, "Japanese text goes on on the next line: join the lines "
                      "(the page would show a space)")
    return lines


def check_readme(path, texts):
    for number, line in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        check_quotes(f"{os.path.relpath(path)}:{number}", line, texts, set())


def labels(root):
    texts = program_texts(os.path.join(root, "src"))
    if "すべてのウィンドを隠す" not in texts or "Ctrl + " not in texts:
        fault("src", "the program's texts could not be read")
    check_guide(os.path.join(root, "docs", "guide.md"), texts)
    check_readme(os.path.join(root, "docs", "readme.txt"), texts)


# --- the documents as the release carries them -------------------------------

NOTEPAD_COLUMNS = 76


def columns(line):
    return sum(2 if unicodedata.east_asian_width(c) in "WFA" else 1 for c in line)


def check_windows_text(path, bom):
    """CRLF line ends only, a final line end and, where wanted, the UTF-8
    byte-order mark: Notepad of Windows 7 shows such a file as it is."""
    name = os.path.basename(path)
    data = open(path, "rb").read()
    if bom and not data.startswith(b"\xef\xbb\xbf"):
        fault(name, "does not start with the UTF-8 byte-order mark")
    if not data.endswith(b"\r\n"):
        fault(name, "does not end with CR LF")
    if re.search(rb"(?<!\r)\n", data):
        fault(name, "has a line end without CR")
    if re.search(rb"\r(?!\n)", data):
        fault(name, "has a CR without LF")
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        fault(name, f"is not UTF-8: {error}")
        return []
    return text.split("\r\n")


def built(out):
    readme = os.path.join(out, "readme.txt")
    for number, line in enumerate(check_windows_text(readme, bom=True), 1):
        if columns(line) > NOTEPAD_COLUMNS:
            fault(f"readme.txt:{number}", f"{columns(line)} columns, more than {NOTEPAD_COLUMNS}")
        try:
            line.encode("cp932")
        except UnicodeEncodeError:
            fault(f"readme.txt:{number}", "has a character that Shift_JIS lacks")
    check_windows_text(os.path.join(out, "LICENSE.txt"), bom=False)

    page = os.path.join(out, "guide.html")
    html = open(page, encoding="utf-8").read()
    if not html.startswith("<!DOCTYPE html>"):
        fault("guide.html", "does not start with <!DOCTYPE html>")
    head = html[:html.find("</head>")]
    if '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">' not in head:
        fault("guide.html", "does not declare its character set in its head")
    if "<style>" not in head:
        fault("guide.html", "has no style sheet")
    if re.search(r"<script|<link|@import|url\(", html, re.I):
        fault("guide.html", "loads a script or a file of its own")
    ids = re.findall(r'\bid="([^"]*)"', html)
    for ident in sorted({i for i in ids if ids.count(i) > 1}):
        fault("guide.html", f'id="{ident}" is used twice')
    for heading in re.findall(r"<h[1-6][^>]*>", html):
        if not re.search(r'\bid="[^"]+"', heading):
            fault("guide.html", f"{heading} has no id")
    for attribute, target in re.findall(r'\b(src|href)="([^"]*)"', html):
        if re.match(r"[a-z]+:|//|/", target, re.I):
            fault("guide.html", f'{attribute}="{target}" is not a path beside the page')
        elif attribute == "src" and not os.path.isfile(os.path.join(out, target)):
            fault("guide.html", f'{attribute}="{target}" is not in the folder')
        elif attribute == "href" and target.startswith("#") and target[1:] not in ids:
            fault("guide.html", f'href="{target}" has no target in the page')
    images = re.findall(r"<img [^>]*>", html)
    if not images:
        fault("guide.html", "has no pictures")
    for image in images:
        if not re.search(r'alt="[^"]+"', image):
            fault("guide.html", f"{image} has no alternative text")
    if "<table>" not in html or not re.search(r"<h2[ >]", html):
        fault("guide.html", "has no tables or no sections: was it converted?")


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("labels", "built"):
        print(__doc__)
        return 2
    (labels if sys.argv[1] == "labels" else built)(sys.argv[2])
    for line in faults:
        print(f"check-guide: {line}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
