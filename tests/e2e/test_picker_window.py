"""The real kolvi window under X: the field, strip and slider as drawn on the
screen, in each picker mode."""

import unittest

from colour_formulas import field_pixel, strip_pixel
from kolvi_session import FIELD, STRIP, Session, locate_panel

class PickerWindowTest(unittest.TestCase):
    def test_field_and_strip_follow_the_formulas_in_every_mode(self):
        with Session() as session:
            session.start_kolvi()
            window = session.main_window()
            session.settle(1.0)
            for mode, key in ((0, "F1"), (1, "F2"), (2, "F3"), (0, "F1")):
                with self.subTest(mode=mode):
                    session.key(window, key)
                    session.settle(0.6)
                    image = session.screenshot()
                    px, py = locate_panel(image, session.client_origin(window))
                    # The start colour is pure red: base red, marker at (255, 0).
                    marker = (255, 0)
                    mismatches = []
                    for y in range(0, 256, 3):
                        for x in range(0, 256, 3):
                            if abs(x - marker[0]) <= 4 and abs(y - marker[1]) <= 4:
                                continue
                            expected = field_pixel(mode, (255, 0, 0), x, y)
                            actual = image.at(px + FIELD[0] + x, py + FIELD[1] + y)
                            if actual != expected:
                                mismatches.append(((x, y), expected, actual))
                    self.assertEqual(mismatches[:5], [], "field pixels differ")
                    for y in range(253):
                        for x in (0, 15):
                            self.assertEqual(image.at(px + STRIP[0] + x, py + STRIP[1] + y),
                                             strip_pixel(mode, y), "strip row %d" % y)
                    # The slider's pointer tip touches strip row 0 (base row of red).
                    self.assertEqual(image.at(px + 346, py + 7 + 5), (0, 0, 0))
                    # The current colour swatch shows the field colour under the marker.
                    self.assertEqual(image.at(px + 272 + 10, py + 235 + 5),
                                     field_pixel(mode, (255, 0, 0), 255, 0))


if __name__ == "__main__":
    unittest.main()
