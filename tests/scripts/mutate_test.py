#!/usr/bin/env python3
"""Where scripts/mutate.py plants faults, and where it must not."""

import os
import random
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import mutate  # noqa: E402


def planted(source):
    return [(s.original, s.mutated) for s in mutate.find_sites(source)]


class SiteFinder(unittest.TestCase):
    def test_operators_and_what_is_left_alone(self):
        cases = [
            # the operators that are changed
            ("if (a == b && c != d) x = y <= z;",
             [("==", "!="), ("&&", "||"), ("!=", "=="), ("<=", "<")]),
            ("while (i < n || j >= m) k = i > j;",
             [("<", "<="), ("||", "&&"), (">=", ">"), (">", ">=")]),
            ("f(a + 1, b - 1, c + 10, -1, x = - 1);", [("+ 1", "+ 2"), ("- 1", "- 2")]),
            ("bool on = true; w->setVisible(!on); g(false);",
             [("true", "false"), ("!on", "!(!on)"), ("false", "true")]),
            ("box->setEnabled(on); f.setBold(a && b); w->setVisible(false);",
             [("on", "!on"), ("a && b", "!(a && b)"), ("&&", "||"), ("false", "true")]),
            # comments, literals and preprocessor lines
            ("// a == b\n/* c < d && true */ x;", []),
            ('s = "a == b || c < d"; t = QStringLiteral("x > 1 - 1"); u = R"(p != q)";', []),
            ("c = '<'; d = '\\''; e = u8\"true\"; n = 1'000 < m;", [("<", "<=")]),
            ("#include <vector>\n#if A > 1 \\\n  && B\n#endif\nint x;", []),
            # templates, references, streams and operator names
            ("std::vector<int> v; QList<QPair<int, QString>> l; std::array<char, 574> a;", []),
            ("auto n = static_cast<int>(x); auto f = qOverload<int>(&Box::changed);", []),
            ("std::function<void(const QString&)> f; template <typename T> T g(T&& t);", []),
            ("p->x; s << a >> b; bool operator==(const A&) const; A& operator<(A);", []),
            ("std::max<int>(a, 1) < b; if (x < y && z > w) {}",
             [("<", "<="), ("<", "<="), ("&&", "||"), (">", ">=")]),
            ("for (int i = 0; i < count; ++i) if (v.size() > 3) {}",
             [("<", "<="), (">", ">=")]),
        ]
        for source, expected in cases:
            with self.subTest(source=source):
                self.assertEqual(planted(source), expected)

    def test_site_offsets_rebuild_the_mutated_line(self):
        text = "int f(int a)\n{\n    return a + 1 > 2 ? 1 : 0;\n}\n"
        for s in mutate.find_sites(text):
            self.assertEqual(text[s.start:s.end], s.original)
        mutated = [text[:s.start] + s.mutated + text[s.end:] for s in mutate.find_sites(text)]
        self.assertEqual(mutated, [text.replace("a + 1", "a + 2"), text.replace("> 2", ">= 2")])

    def test_sample_is_seeded_per_folder(self):
        cands = list(range(100))
        a = mutate.choose(cands, 7, "src/store", 10)
        self.assertEqual(a, mutate.choose(cands, 7, "src/store", 10))
        self.assertEqual(a, sorted(a))
        self.assertNotEqual(a, mutate.choose(cands, 8, "src/store", 10))
        self.assertNotEqual(a, mutate.choose(cands, 7, "src/upkeep", 10))
        self.assertEqual(mutate.choose(cands, 7, "src/store", 0), cands)
        random.seed(1)  # the global generator does not steer the sample
        self.assertEqual(a, mutate.choose(cands, 7, "src/store", 10))

    def test_survivors_of_an_earlier_report_are_tried_again_alone(self):
        with tempfile.TemporaryDirectory() as repo:
            os.makedirs(os.path.join(repo, "src", "x"))
            with open(os.path.join(repo, "src", "x", "a.cpp"), "w") as f:
                f.write("bool f(int a) { return a < 1 && a > -5; }\n")
            report = os.path.join(repo, "report.json")
            with open(report, "w") as f:
                f.write('{"mutants": [{"file": "src/x/a.cpp", "line": 1, "column": 26, '
                        '"status": "killed"}, {"file": "src/x/a.cpp", "line": 1, '
                        '"column": 35, "status": "survived"}]}')
            out = subprocess.run([sys.executable, mutate.__file__, "--folders", "src/x", "--list",
                                  "--repo", repo, "--survivors-of", report],
                                 capture_output=True, text=True, check=True).stdout
        self.assertIn("src/x: 1 of 3 candidates", out)
        self.assertIn("src/x/a.cpp:1:35", out)
        self.assertNotIn("src/x/a.cpp:1:26", out)


class Runner(unittest.TestCase):
    def test_copy_follows_the_checkout_and_leaves_it_alone(self):
        with tempfile.TemporaryDirectory() as tmp:
            repo, work = os.path.join(tmp, "repo"), os.path.join(tmp, "repo", "build-mutate")
            tree = os.path.join(work, "tree")
            os.makedirs(os.path.join(repo, "src"))
            with open(os.path.join(repo, "src", "a.cpp"), "w") as f:
                f.write("int a = 1 < 2;\n")
            with open(os.path.join(repo, ".gitignore"), "w") as f:
                f.write("/build*/\n")
            subprocess.run(["git", "init", "-q", repo], check=True)
            mutate.sync_tree(repo, tree, work)
            copy = os.path.join(tree, "src", "a.cpp")
            with open(copy, "w") as f:
                f.write("int a = 1 <= 2;\n")  # a mutant left behind
            with open(os.path.join(tree, "src", "old.cpp"), "w") as f:
                f.write("gone from the checkout\n")
            os.makedirs(os.path.join(tree, "build-test"))
            with open(os.path.join(tree, "build-test", "keep"), "w") as f:
                f.write("build output\n")
            mutate.sync_tree(repo, tree, work)
            with open(copy) as f:
                self.assertEqual(f.read(), "int a = 1 < 2;\n")
            self.assertFalse(os.path.exists(os.path.join(tree, "src", "old.cpp")))
            self.assertTrue(os.path.exists(os.path.join(tree, "build-test", "keep")))
            self.assertEqual(sorted(os.listdir(repo)),
                             [".git", ".gitignore", "build-mutate", "src"])
            self.assertEqual(os.listdir(os.path.join(repo, "src")), ["a.cpp"])

    def test_named_tests_run_where_their_program_holds_the_code(self):
        bt = mutate.BuildTree.__new__(mutate.BuildTree)
        bt.file_target = {"src/store": "store", "src/app": "app"}
        bt.source_target = {"src/app/main.cpp": "tavrel"}  # main() is only in the program
        bt.dependers = {"store": {"shell", "store_tests", "shell_tests", "tavrel"},
                        "app": {"tavrel", "app_tests"}, "tavrel": set()}
        bt.tests = {"store": "store_tests", "shell": "shell_tests", "app": "app_tests"}
        bt.programs = dict(bt.tests, cli="tavrel")  # cli hands tavrel to a script
        self.assertEqual(bt.tests_for("src/store/NAFile.cpp"), ["shell", "store"])
        self.assertEqual(bt.tests_for("src/store/NAFile.cpp", ["store", "cli"]), ["cli", "store"])
        self.assertEqual(bt.tests_for("src/app/Launch.cpp", ["app", "cli"]), ["app", "cli"])
        self.assertEqual(bt.tests_for("src/app/main.cpp"), [])
        self.assertEqual(bt.tests_for("src/app/main.cpp", ["app", "cli"]), ["cli"])
        with tempfile.TemporaryDirectory() as tmp:
            log = os.path.join(tmp, "log")
            with open(log, "w") as f:
                f.write("3: [  PASSED  ] 0 tests.\n")
            self.assertTrue(mutate.ran_no_case(log))
            with open(log, "w") as f:
                f.write("3: [  PASSED  ] 10 tests.\n")
            self.assertFalse(mutate.ran_no_case(log))

    def test_a_run_past_its_time_is_ended(self):
        t0 = time.monotonic()
        code, _ = mutate.run(["sh", "-c", "sleep 30 & sleep 30"], timeout=0.5)
        self.assertIsNone(code)
        self.assertLess(time.monotonic() - t0, 10)
        self.assertEqual(mutate.run(["sh", "-c", "exit 3"])[0], 3)


if __name__ == "__main__":
    unittest.main()
