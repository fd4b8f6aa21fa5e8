"""Writes a C++ file holding zxcvbn's ranked lists of common passwords, English
words, names and surnames, and words of television and film, as Debian's
python3-zxcvbn ships them (frequency_lists.py: a dictionary that maps each
list's name to "word,word,...".split(","), most common first).

Usage: EmbedFrequencyLists.py IN OUT
"""
import ast
import sys

LISTS = ["passwords", "english_wikipedia", "female_names", "surnames", "us_tv_and_film", "male_names"]

source, target = sys.argv[1], sys.argv[2]
with open(source, encoding="ascii") as f:
    tree = ast.parse(f.read(), source)
lists = {}
for key, value in zip(tree.body[0].value.keys, tree.body[0].value.values):
    if not (isinstance(value, ast.Call) and isinstance(value.func, ast.Attribute) and value.func.attr == "split"):
        sys.exit(f"{source}: the list {ast.literal_eval(key)} is not a text split at commas")
    lists[ast.literal_eval(key)] = ast.literal_eval(value.func.value)
if sorted(lists) != sorted(LISTS) or not all(isinstance(lists[name], str) for name in LISTS):
    sys.exit(f"{source}: not zxcvbn's six lists of words but {sorted(lists)}")

out = ["// Generated from zxcvbn's frequency lists by cmake/EmbedFrequencyLists.py.",
       '#include "cli/passwords/CommonWords.h"', "", "const char* const kCommonWordLists[] = {"]
for name in LISTS:
    words = lists[name]
    if any(ch in words for ch in '"\\\n') or not words.isascii():
        sys.exit(f"{source}: the list {name} holds characters it should not")
    out += [f"    // {name}", '    "' + words.replace("?", "\\?") + '",']
out += ["};", "const int kCommonWordListCount = sizeof kCommonWordLists / sizeof kCommonWordLists[0];", ""]
text = "\n".join(out)
try:
    with open(target, encoding="ascii") as f:
        if f.read() == text:
            sys.exit(0)
except FileNotFoundError:
    pass
with open(target, "w", encoding="ascii") as f:
    f.write(text)
