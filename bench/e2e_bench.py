"""Whole-program timings under Wine: process start to the first painted
window, and an Apply click to the agent's journal line. Prints medians."""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import lumenkit as lk  # noqa: E402


def main():
    skin = lk.Skin("En")
    starts, applies = [], []
    for run in range(5):
        lk.kill_all()
        lk.reset_config()
        t = time.monotonic()
        app = lk.App().start(retry=False)
        starts.append(time.monotonic() - t)
        lk.wait_for(lambda: lk.journal_lines("start"), what="the agent")
        time.sleep(0.5)
        for i in range(4):
            app.click(*skin.center("LED", "51" if i % 2 else "53"))
            time.sleep(0.2)
            before = len(lk.journal_lines("reload"))
            x, y = app.to_screen(*skin.center("MAIN", "4"))
            lk.xdo("mousemove", "--sync", x, y)
            t = time.monotonic()
            lk.xdo("click", 1)
            lk.wait_for(lambda: len(lk.journal_lines("reload")) > before, step=0.005, what="the reload")
            applies.append(time.monotonic() - t)
        app.kill()
    print("process start to first painted window  median %7.0f ms  (%d starts, cold wineserver)"
          % (statistics.median(starts) * 1000, len(starts)))
    print("Apply click to the agent's journal line median %7.0f ms  (%d applies)"
          % (statistics.median(applies) * 1000, len(applies)))


if __name__ == "__main__":
    main()
