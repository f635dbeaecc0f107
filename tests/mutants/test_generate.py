#!/usr/bin/env python3
"""The mutant generator: what it changes, what it never touches, and that a
seed draws the same mutants again."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402

SOURCE = """// if (a < b) return true;
bool f(int a, int b, const char *s) {
    /* a == b && c */ qWarning() << "x" << (a < b);
    Q_ASSERT(a != b && b > 0);
    const char *t = "if (a >= b || !c) return false;";
    if (const int n = g(); n == a + 1)
        return true;
    if (!save(s) || a > b)
        return false;
    return ::fsync(a) == 0;
}
"""

# Each operator at a known place: (operator, line changed to).
EXPECTED = [
    ("comparison == to !=", "    if (const int n = g(); n != a + 1)"),
    ("comparison > to >=", "    if (!save(s) || a >= b)"),
    ("+ 1 dropped", "    if (const int n = g(); n == a)"),
    ("operand of || dropped", "    if (a > b)"),
    ("operand of || dropped", "    if (!save(s))"),
    ("! removed", "    if (save(s) || a > b)"),
    ("! added", "    if (const int n = g(); !(n == a + 1))"),
    ("condition always true", "    if (true)"),
    ("condition always false", "    if (const int n = g(); false)"),
    ("return false for true", "        return false;"),
    ("return true for false", "        return true;"),
    ("checked call unchecked", "    if ((save(s), false) || a > b)"),
    ("checked call unchecked", "    return (::fsync(a), true);"),
]


class Generator(unittest.TestCase):
    def setUp(self):
        self.sites = generate.sites("f.cpp", SOURCE)

    def mutated_lines(self):
        for mutant in self.sites:
            yield mutant.operator, mutant.changed_line(SOURCE)[1], mutant

    def test_each_operator_at_its_place(self):
        found = {(op, line.strip()) for op, line, _ in self.mutated_lines()}
        for operator, line in EXPECTED:
            with self.subTest(operator=operator, line=line):
                self.assertIn((operator, line.strip()), found)

    def test_never_a_comment_string_log_or_assertion(self):
        untouchable = [SOURCE.index(part) for part in ("// if", "/* a", "qWarning", "Q_ASSERT", '"if (a')]
        for operator, _, mutant in self.mutated_lines():
            line_start = SOURCE.rfind("\n", 0, mutant.offset) + 1
            with self.subTest(operator=operator, line=mutant.line_number(SOURCE)):
                self.assertFalse(any(line_start <= u < mutant.offset for u in untouchable))
                self.assertNotIn(mutant.line_number(SOURCE), (1, 3, 4, 5))

    def test_a_seed_draws_the_same_mutants_and_no_place_twice(self):
        read = {"f.cpp": SOURCE, "g.cpp": SOURCE.replace("f(", "g(")}.get
        first, _ = generate.draw("42", 20, ["f.cpp", "g.cpp"], read=read)
        again, _ = generate.draw("42", 20, ["g.cpp", "f.cpp"], read=read)
        other, _ = generate.draw("43", 20, ["f.cpp", "g.cpp"], read=read)
        self.assertEqual(first, again)
        self.assertNotEqual(first, other)
        self.assertEqual(len(set(first)), len(first))
        # mutant i does not depend on how many are drawn after it
        self.assertEqual(generate.draw("42", 5, ["f.cpp", "g.cpp"], read=read)[0], first[:5])


if __name__ == "__main__":
    unittest.main()
