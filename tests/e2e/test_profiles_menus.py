"""Profiles, the device menu and the language menu, driven as a user would."""
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import lumenkit as lk  # noqa: E402

GREEN = 0x00FF00
RED = 0x0000FF

DEVICE = """<device><name>Module {n}</name><id>{n}</id><layout><led_count>8</led_count>
<size><width>8</width><height>1</height></size></layout><supported_effect/></device>"""


def three_devices_xml(folder):
    objects = "".join("<object><description><version>1</version><type>1</type>%s</description></object>"
                      % DEVICE.format(n=n) for n in (1, 2, 3))
    path = os.path.join(folder, "three.xml")
    with open(path, "w") as f:
        f.write("<?xml version=\"1.0\"?><objects>%s</objects>" % objects)
    return path


class Base(lk.AppTest):
    def popup(self):
        """The one visible window that is neither the configurator nor the agent."""
        known = {self.app.wid} | set(lk.find_windows(lk.AGENT_TITLE))

        def find():
            others = [w for w in lk.visible_windows() if w not in known]
            return others[0] if len(others) == 1 else None
        return lk.wait_for(find, what="a pop-up window")


class Profiles(Base):
    def answer_save_box(self, key):
        box = lk.wait_for(lambda: lk.find_windows("Profile", visible=True), what="the Save Profile box")[0]
        self.app.screenshot("e2e-save-profile-box")
        x, y, w, h = lk.window_geometry(box)
        lk.xdo("mousemove", "--sync", x + w // 2, y + h // 2)
        self.app.key(key)
        lk.wait_for(lambda: not lk.find_windows("Profile", visible=True), what="the box to close")

    def test_switch_after_change_answered_ok_saves_then_switches(self):
        self.click("LED", "53")
        self.click("MAIN", "23")
        self.answer_save_box("Return")
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(lk.effect_record(0, 0)["colours"][0], GREEN)
        self.assertEqual(lk.config_value("Setting", "CurrentProfile"), "0")
        self.click("MAIN", "4")  # Apply now writes the switched profile
        lk.wait_for(lambda: lk.config_value("Setting", "CurrentProfile") == "2", what="profile 3 saved")

    def test_switch_after_change_answered_cancel_drops_it(self):
        before = lk.read_config()
        self.click("LED", "53")
        self.click("MAIN", "22")
        self.answer_save_box("Escape")
        time.sleep(0.3)
        self.assertEqual(before, lk.read_config())
        self.assertEqual(lk.journal_lines("reload"), [])
        self.click("MAIN", "21")  # back to profile 1: nothing to ask, the change is gone
        self.click("MAIN", "4")
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(lk.effect_record(0, 0)["colours"][0], RED)
        self.assertEqual(lk.find_windows("Profile", visible=True), [])

    def test_switch_leaves_music_and_sync_keeps_led_switch_and_language(self):
        self.click("MAIN", "6")   # music on
        self.click("MAIN", "7")   # LEDs off
        self.click("MAIN", "22")  # no question: music and switches are not compared
        time.sleep(0.3)
        self.assertEqual(lk.find_windows("Profile", visible=True), [])
        self.click("MAIN", "4")
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(lk.config_value("Setting", "audio_sw"), "0")
        self.assertEqual(lk.config_value("Setting", "sync_sw"), "0")
        self.assertEqual(lk.config_value("Setting", "led_sw"), "0")
        self.assertEqual(lk.config_value("Setting", "lan_id"), "0")
        self.assertEqual(lk.config_value("Setting", "CurrentProfile"), "1")


class DeviceMenu(Base):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.tmp = tempfile.mkdtemp()
        cls.env = {"LK_DEVICES_XML": lk.windows_path(three_devices_xml(cls.tmp))}

    def test_three_devices_give_four_entries_and_the_second_device_clears_synchronize(self):
        self.click("MAIN", "11")
        menu = self.popup()
        x, y, w, h = lk.window_geometry(menu)
        self.assertEqual(h, 4 * 24)
        tab = self.skin.rect("MAIN", "11")
        ox, oy = self.app.to_screen(0, 0)
        self.assertEqual((x, y), (ox + tab[2], oy + tab[1]))
        self.app.settle()
        self.app.screenshot("e2e-device-menu")
        lk.click_screen(x + (w - 18) // 2, y + 2 * 24 + 12)  # the third row: device 2
        lk.wait_for(lambda: menu not in lk.visible_windows(), what="the menu to close")
        self.app.settle()
        self.app.screenshot("e2e-device-2-selected")
        self.click("MAIN", "4")
        lk.wait_for(lambda: lk.journal_lines("reload"), what="the agent's reload")
        self.assertEqual(lk.config_value("Profile0Setting", "Synchronize"), "0")
        self.assertEqual(lk.config_value("Profile0Setting", "DevNum"), "3")


class LanguageMenu(Base):
    def choose_language(self, index, shot=False):
        self.click("MAIN", "3")
        menu = self.popup()
        x, y, w, h = lk.window_geometry(menu)
        self.assertEqual(h, 4 * 20)
        self.app.settle()
        if shot:
            self.app.screenshot("e2e-language-menu")
        before = self.app.snapshot_bytes()
        lk.click_screen(x + (w - 18) // 2, y + index * 20 + 10)
        lk.wait_for(lambda: menu not in lk.visible_windows(), what="the menu to close")
        # The window is laid out again, then repainted: wait for that picture.
        lk.wait_for(lambda: self.app.snapshot_bytes() != before, what="the window to repaint")
        self.app.settle()

    def test_every_language_rebuilds_the_window_without_new_windows(self):
        windows = len(lk.visible_windows())
        for index, lang in ((1, "Cs"), (2, "Ct"), (3, "De"), (0, "En")):
            self.choose_language(index, shot=index == 1)
            self.app.screenshot("e2e-language-" + lang)
            self.assertEqual(len(lk.visible_windows()), windows)
        for i in range(20):
            self.choose_language(i % 4)
        self.assertEqual(len(lk.visible_windows()), windows)
        self.click("MAIN", "4")
        lk.wait_for(lambda: lk.config_value("Setting", "lan_id") == "3", what="the language saved")


if __name__ == "__main__":
    unittest.main(verbosity=2)
