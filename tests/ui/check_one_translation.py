"""Fails where the catalogue translates one Chinese text two ways: the same source text, or the same
term as a label (an accelerator "(&L)", a trailing colon, a unit or symbol both texts end with), in
two contexts with two different English texts. An entry whose comment or translator's comment says
why it differs (a column heading, a word mid-sentence) may differ.

Usage: check_one_translation.py TS_FILE
"""

import re
import sys
import xml.etree.ElementTree as ElementTree
from collections import defaultdict

ACCELERATOR = re.compile(r"\s*\(&.\)")
TRAILING = re.compile(r"\s*(?:[:：]|\.\.\.|…)\s*$")


def term(source, english):
    """The source and its English as one term, without what a label adds to it."""
    source = TRAILING.sub("", ACCELERATOR.sub("", source))
    english = ACCELERATOR.sub("", english).replace("&&", "\0").replace("&", "").replace("\0", "&")
    english = TRAILING.sub("", english)
    # "配合公差 Tf µm" / "Fit tolerance Tf µm": the words that both end with are no part of the term.
    while True:
        source_words, english_words = source.rsplit(" ", 1), english.rsplit(" ", 1)
        if len(source_words) < 2 or len(english_words) < 2 or source_words[1] != english_words[1]:
            return source, english
        source, english = source_words[0], english_words[0]


def main(path):
    uses = defaultdict(lambda: defaultdict(list))  # term -> English -> "Context: source"
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            if any(message.findtext(tag) for tag in ("comment", "extracomment", "translatorcomment")):
                continue
            source, english = term(message.findtext("source"), message.findtext("translation") or "")
            uses[source][english].append("%s: %s" % (name, message.findtext("source")))
    twice = {source: ways for source, ways in uses.items() if len(ways) > 1}
    for source, ways in sorted(twice.items()):
        print("%s is translated %d ways:" % (source, len(ways)))
        for english, where in sorted(ways.items()):
            print("    %r  (%s)" % (english, "; ".join(where)))
    if twice:
        print("%d texts have more than one English: give them one, in the context Terms where several parts "
              "word them (ui/workbench/terms.h), or a comment that says why they differ." % len(twice))
        return 1
    print("every text has one English")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
