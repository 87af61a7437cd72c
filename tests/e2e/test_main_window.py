"""The configurator as a user drives it: first run, colour and Apply, the
ways of closing, and the keys the window must not act on."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import lumenkit as lk  # noqa: E402

GREEN = 0x00FF00  # COLORREF of (0, 255, 0)
BLUE = 0xFF0000   # COLORREF of (0, 0, 255)


class MainWindow(lk.AppTest):
    def pick_preset(self, key):
        self.click("LED", key)
        time.sleep(0.2)

    def test_first_run_then_colour_and_apply(self):
        self.assertEqual(len(lk.journal_lines("start")), 1)
        rec = lk.effect_record(0, 0)
        self.assertEqual(rec["colours"][0], 0x0000FF)  # first-run red
        self.app.screenshot("e2e-first-run")

        self.pick_preset("53")  # green
        before = lk.read_config()
        self.click("MAIN", "4")  # Apply
        lines = lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(len(lines), 1)
        self.assertEqual(lk.effect_record(0, 0)["colours"][0], GREEN)
        self.assertNotEqual(before, lk.read_config())
        # The agent read a complete file: every record passed its checksum.
        self.assertIn("bad=none missing=0", lines[0])
        self.assertIn("fx0=1,1,8,0,0,0:", lines[0])
        self.app.screenshot("e2e-after-apply")

    def test_close_button_leaves_the_file(self):
        before = lk.read_config()
        self.pick_preset("55")  # blue
        self.click("MAIN", "2")  # close without saving
        self.assertEqual(self.app.wait_exit(), 0)
        self.assertEqual(before, lk.read_config())
        self.assertEqual(lk.journal_lines("reload"), [])

    def test_alt_f4_saves_and_notifies(self):
        self.pick_preset("53")
        self.app.key("alt+F4")
        self.assertEqual(self.app.wait_exit(), 0)
        self.assertEqual(lk.effect_record(0, 0)["colours"][0], GREEN)
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")

    def test_apply_without_agent_writes_the_file(self):
        subprocess.run(["pkill", "-f", "hid.exe"], capture_output=True)
        lk.wait_for(lambda: not lk.find_windows(lk.AGENT_TITLE), what="the agent to go")
        self.pick_preset("55")
        self.click("MAIN", "4")
        lk.wait_for(lambda: (lk.effect_record(0, 0) or {}).get("colours", [0])[0] == BLUE,
                    what="the file to hold blue")
        self.assertEqual(lk.journal_lines("reload"), [])
        self.assertTrue(self.app.running())

    def test_escape_does_nothing_and_enter_commits_the_hex_edit(self):
        self.app.key("Escape")
        time.sleep(0.3)
        self.assertTrue(self.app.running())
        self.click("LED", "34")  # the hexadecimal edit
        self.app.key("Home")
        self.app.key("shift+End")
        self.app.type("0000ff")
        self.app.key("Return")
        time.sleep(0.3)
        self.app.screenshot("e2e-hex-committed")
        self.click("MAIN", "4")
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(lk.effect_record(0, 0)["colours"][0], BLUE)
        self.assertTrue(self.app.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
