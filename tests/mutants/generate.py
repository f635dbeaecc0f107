#!/usr/bin/env python3
"""Draws faults from the C++ sources themselves: one operator at one place,
chosen by a seed, so that the tests are judged by faults nobody aimed them at.

    tests/mutants/generate.py SEED COUNT FILE...   prints the mutants drawn

A mutant is (file, offset, length, replacement). Mutant INDEX of seed SEED
depends only on SEED, INDEX and the files given, so a survivor is replayed
exactly. Places inside comments, strings, character literals, preprocessor
lines, logging and assertions are never touched."""

import random
import re
import sys
from dataclasses import dataclass

# Calls whose arguments are messages or checks, not behaviour.
QUIET_CALLS = ("qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "Q_ASSERT", "Q_ASSERT_X",
               "assert", "static_assert", "Q_UNUSED", "Q_STATIC_ASSERT", "QT_TR_NOOP")


@dataclass(frozen=True)
class Mutant:
    path: str
    offset: int
    length: int
    replacement: str
    operator: str

    def apply(self, text):
        return text[:self.offset] + self.replacement + text[self.offset + self.length:]

    def line_number(self, text):
        return text.count("\n", 0, self.offset) + 1

    def changed_line(self, text):
        start = text.rfind("\n", 0, self.offset) + 1
        end = text.find("\n", self.offset + self.length)
        end = len(text) if end < 0 else end
        mutated = text[start:self.offset] + self.replacement + text[self.offset + self.length:end]
        return text[start:end].strip(), mutated.strip()


def code_only(text):
    """The text with every comment, literal and preprocessor line blanked
    out (same length, new lines kept), so that offsets stay true."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    at_line_start = True
    while i < n:
        c = text[i]
        if at_line_start and text[i:].lstrip(" \t").startswith("#"):
            end = i
            while True:  # a directive runs on across backslash-new lines
                end = text.find("\n", end)
                if end < 0:
                    end = n
                    break
                if text[end - 1] != "\\":
                    break
                end += 1
            blank(i, end)
            i = end
            continue
        at_line_start = c == "\n"
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            delimiter = text[i + 2:text.find("(", i)]
            end = text.find(")" + delimiter + '"', i)
            end = n if end < 0 else end + len(delimiter) + 2
            blank(i, end)
            i = end
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # a digit separator: 1'000
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            blank(i, min(j + 1, n))
            i = j + 1
        else:
            i += 1
    code = "".join(out)
    for name in QUIET_CALLS:  # logging and assertions, with their arguments
        for match in re.finditer(r"\b" + name + r"\b", code):
            end = statement_end(code, match.end())
            code = code[:match.start()] + re.sub(r"[^\n]", " ", code[match.start():end]) + code[end:]
    return code


def statement_end(code, i):
    depth = 0
    while i < len(code):
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
            if depth < 0:
                return i
        elif c == ";" and depth == 0:
            return i
        i += 1
    return i


def closing(code, open_at):
    """The offset of the bracket that closes the one at open_at, or -1."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    stack = []
    for i in range(open_at, len(code)):
        c = code[i]
        if c in pairs:
            stack.append(pairs[c])
        elif c in ")]}":
            if not stack or stack.pop() != c:
                return -1
            if not stack:
                return i
    return -1


def top_level(code, start, end, pattern):
    """Offsets of matches of pattern between start and end outside any bracket."""
    found, depth, i = [], 0, start
    while i < end:
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif depth == 0:
            match = pattern.match(code, i, end)
            if match:
                found.append(match)
                i = match.end()
                continue
        i += 1
    return found


COMPARISON = re.compile(r" (<=|>=|==|!=|<|>) ")
TURNED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
LOGICAL = re.compile(r"\s+(&&|\|\|)\s+")
# Calls that only ask (isEmpty, contains...): turning them is "! removed".
QUERY = re.compile(r"(is|has|contains|starts|ends|empty|size|count|value|at|length)([A-Z_]|$)")
CALL_TAIL = re.compile(r"\s*(==|!=|<)\s*(-1|0)\b")


def condition_groups(code):
    """(start, end) of each if/while condition, without an if's init part."""
    for match in re.finditer(r"\b(if|while)\s*(constexpr\s*)?\(", code):
        if match.group(2):
            continue
        open_at = match.end() - 1
        close = closing(code, open_at)
        if close < 0:
            continue
        start = open_at + 1
        semicolons = top_level(code, start, close, re.compile(";"))
        if semicolons:
            start = semicolons[-1].end()
        yield start, close


def is_declaration(code, start, end):
    return bool(top_level(code, start, end, re.compile(r"(?<![=!<>])=(?!=)")))


def expression_groups(code):
    """(start, end) of bracketed groups and of return/assignment right sides."""
    for i, c in enumerate(code):
        if c == "(":
            close = closing(code, i)
            if close > 0:
                yield i + 1, close
    for match in re.finditer(r"\breturn\b|(?<![=!<>+\-*/&|])=(?!=)", code):
        end = statement_end(code, match.end())
        yield match.end(), end


def sites(path, text):
    """Every place one operator can go, in the order of the file."""
    code = code_only(text)
    found = []

    def add(offset, length, replacement, operator):
        found.append(Mutant(path, offset, length, replacement, operator))

    for match in COMPARISON.finditer(code):
        op = match.group(1)
        add(match.start(1), len(op), TURNED[op], f"comparison {op} to {TURNED[op]}")

    for start, end in expression_groups(code):
        operators = top_level(code, start, end, LOGICAL)
        if not operators or len({m.group(1) for m in operators}) != 1 or "?" in code[start:end] \
                or "{" in code[start:end]:
            continue
        bounds = [start] + [x for m in operators for x in (m.start(), m.end())] + [end]
        operands = [(bounds[k], bounds[k + 1]) for k in range(0, len(bounds), 2)]
        for k, (a, b) in enumerate(operands):
            while a < b and code[a].isspace():
                a += 1
            # drop operand k with the operator that joins it to its neighbour
            if k == 0:
                cut_from, cut_to = a, operators[0].end()
            else:
                cut_from, cut_to = operators[k - 1].start(), b
            add(cut_from, cut_to - cut_from, "", f"operand of {operators[0].group(1)} dropped")

    for match in re.finditer(r"!(?!=)(?=[\w(:])", code):
        add(match.start(), 1, "", "! removed")

    for start, end in condition_groups(code):
        while start < end and code[start].isspace():
            start += 1
        if start >= end or is_declaration(code, start, end):
            continue
        condition = text[start:end]
        add(start, end - start, f"!({condition})", "! added")
        add(start, end - start, "true", "condition always true")
        add(start, end - start, "false", "condition always false")

    for match in re.finditer(r"\breturn (true|false);", code):
        other = "false" if match.group(1) == "true" else "true"
        add(match.start(1), len(match.group(1)), other, f"return {other} for {match.group(1)}")

    for match in re.finditer(r" ([+-]) 1(?![\w.'])", code):
        add(match.start(), match.end() - match.start(), "", f"{match.group(1)} 1 dropped")

    # A checked call made unchecked: !call(...) and call(...) == 0 (or != 0,
    # < 0, == -1) still make the call but take the branch of success.
    for match in re.finditer(r"(!)?((?:::)?[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*)\(", code):
        open_at = match.end() - 1
        close = closing(code, open_at)
        if close < 0 or match.group(2) in ("if", "while", "for", "switch", "return", "sizeof") \
                or QUERY.match(re.split(r"\.|->|::", match.group(2))[-1]):
            continue
        if re.match(r"\s*(\.|->|\[|\()", code[close + 1:close + 4]):
            continue  # the call's result is used further, not checked
        call = text[match.start(2):close + 1]
        if match.group(1):
            add(match.start(), close + 1 - match.start(), f"({call}, false)", "checked call unchecked")
            continue
        tail = CALL_TAIL.match(code, close + 1)
        if tail:
            success = {"==": "true", "!=": "false", "<": "false"}[tail.group(1)]
            if tail.group(2) == "-1":
                success = "false" if tail.group(1) == "==" else "true"
            add(match.start(2), tail.end() - match.start(2), f"({call}, {success})", "checked call unchecked")
    return found


def draw(seed, count, files, read=lambda p: open(p, encoding="utf-8").read()):
    """count mutants of this seed: mutant i is drawn from a generator seeded
    by (seed, i) alone, an operator first (so that rare ones are drawn as
    often as common ones), then a place of it."""
    texts = {path: read(path) for path in sorted(files)}
    by_operator = {}
    for path, text in texts.items():
        for mutant in sites(path, text):
            by_operator.setdefault(mutant.operator, []).append(mutant)
    kinds = sorted(by_operator)
    drawn, taken = [], set()
    total = sum(len(places) for places in by_operator.values())
    for index in range(min(count, total)):
        rng = random.Random(f"{seed}:{index}")
        while True:  # never the same place and operator twice in one run
            mutant = rng.choice(by_operator[rng.choice(kinds)])
            if mutant not in taken:
                break
        taken.add(mutant)
        drawn.append(mutant)
    return drawn, texts


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    seed, count, files = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    drawn, texts = draw(seed, count, files)
    for index, mutant in enumerate(drawn):
        before, after = mutant.changed_line(texts[mutant.path])
        print(f"{index:3} {mutant.path}:{mutant.line_number(texts[mutant.path])} {mutant.operator}\n"
              f"      - {before}\n      + {after}")


if __name__ == "__main__":
    main()
