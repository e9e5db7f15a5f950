"""Fails where the documentation points at nothing: a relative link of README.md, CHANGELOG.md or
docs/*.md to a file that does not exist or to a heading its Markdown file lacks, or a file path
written in README.md or docs/*.md (`ui/workbench/workbench.h`) that is not in the tree. Files move;
this catches the pages that were not moved with them.

Usage: check_doc_links.py SOURCE_DIR
"""

import itertools
import pathlib
import re
import sys

# Top folders of the tree: a written path starting with one of them must exist.
TREE_FOLDERS = ("cli", "cmake", "data", "docs", "engine", "packaging", "python", "scripts", "tests", "ui", "web")

FENCE = re.compile(r"^```.*?^```", re.S | re.M)
INLINE_CODE = re.compile(r"`([^`\n]+)`")
LINK = re.compile(r"\]\(([^()\s]+)\)")
HEADING = re.compile(r"^#{1,6}\s+(.+?)\s*#*\s*$", re.M)


def without_code(text):
    return INLINE_CODE.sub("", FENCE.sub("", text))


def slugs(markdown):
    """The anchors a Markdown renderer gives the headings, numbered where they repeat."""
    seen = {}
    result = set()
    for title in HEADING.findall(FENCE.sub("", markdown)):
        title = re.sub(r"`([^`]*)`", r"\1", title)
        title = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", title)
        slug = re.sub(r"[^\w\- ]", "", title.lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        result.add(slug if count == 0 else f"{slug}-{count}")
    return result


def expand_braces(path):
    """docs/workbench-{en,zh}-{100,200}.png as its four names."""
    parts = re.split(r"\{([^{}]*)\}", path)
    choices = [[part] if i % 2 == 0 else part.split(",") for i, part in enumerate(parts)]
    return ["".join(names) for names in itertools.product(*choices)]


def written_paths(text):
    """Paths to files (a name with a dot) or folders (a trailing slash) in the tree's top folders."""
    for code in INLINE_CODE.findall(FENCE.sub("", text)):
        if " " in code or not code.split("/")[0] in TREE_FOLDERS or "/" not in code:
            continue
        last = code.rstrip("/").split("/")[-1]
        if code.endswith("/") or "." in last:
            yield code


def main(root):
    root = pathlib.Path(root).resolve()
    pages = [root / "README.md", root / "CHANGELOG.md", *sorted((root / "docs").glob("*.md"))]
    problems = []
    for page in pages:
        text = page.read_text(encoding="utf-8")
        name = page.relative_to(root)
        for target in LINK.findall(without_code(text)):
            if re.match(r"[a-z]+:", target):
                continue
            file_part, _, anchor = target.partition("#")
            linked = (page.parent / file_part).resolve() if file_part else page
            if not linked.exists():
                problems.append(f"{name}: link to {target}: no such file")
            elif anchor and linked.suffix == ".md" and anchor not in slugs(linked.read_text(encoding="utf-8")):
                problems.append(f"{name}: link to {target}: no such heading")
        if page.name == "CHANGELOG.md":
            continue  # the history may name files that are gone
        for written in written_paths(text):
            for path in expand_braces(written):
                # An upper-case part (TARGET, BUILD_DIR) stands for any name.
                pattern = "/".join("*" if re.fullmatch(r"[A-Z][A-Z_]+", part) else part
                                   for part in path.rstrip("/").split("/"))
                if not list(root.glob(pattern)):
                    problems.append(f"{name}: {path} is not in the tree")
    for problem in problems:
        print(problem)
    print(f"{len(pages)} pages checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
